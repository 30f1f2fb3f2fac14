#pragma once

#include "ISprachEngine.h"

// The engine used when there is no sound: takes every text and says nothing.
class CStummeEngine : public ISprachEngine {
public:
    bool Sprechen(const std::string&, int, int) override { return true; }
    void Anhalten() override {}
};
