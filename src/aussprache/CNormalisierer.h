#pragma once

#include <string>

// Turns a written German text into the text the speech engine should read.
class CNormalisierer {
public:
    std::string Normalisieren(const std::string& text) const;
};
