#pragma once

#include <string>

// The user selection as the document sees it: the name of the
// chosen database file, relative to the current directory. The GUI shows its
// dialog behind this; tests name the file directly.
class IBenutzerAuswahl {
public:
    virtual ~IBenutzerAuswahl() = default;
    virtual std::string BenutzerWaehlen() = 0;
};
