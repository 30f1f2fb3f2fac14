#pragma once

#include <algorithm>

// How the person operates the communication screen, as the carer set it (one
// row of the table Bedienung). Times are milliseconds.
struct CBedienung {
    enum Modus {
        Maus = 0,          // pointing and clicking only
        EinSchalter = 1,   // the highlight steps by itself; a switch selects
        ZweiSchalter = 2,  // one switch steps, the other selects
        Verweilen = 3,     // resting on a button presses it (head or eye pointer)
        Tastatur = 4,      // arrow keys move, Enter or Space presses
    };
    static constexpr int kSchrittMin = 500, kSchrittMax = 5000;
    static constexpr int kVerweilMin = 500, kVerweilMax = 3000;
    static constexpr int kEntprellMin = 0, kEntprellMax = 2000;

    int modus = Maus;
    int schrittzeit = 1500;
    int verweilzeit = 1000;
    int entprellzeit = 300;
    // Word prediction on the screen: the row of words above the keyboard's
    // keys and the row "Wortvorschläge" above the grid. Off, the screen is
    // as it was without them.
    bool wortvorhersage = true;

    // The values brought into their ranges; an unknown mode is the mouse.
    CBedienung Begrenzt() const {
        CBedienung b = *this;
        if (b.modus < Maus || b.modus > Tastatur) b.modus = Maus;
        b.schrittzeit = std::clamp(b.schrittzeit, kSchrittMin, kSchrittMax);
        b.verweilzeit = std::clamp(b.verweilzeit, kVerweilMin, kVerweilMax);
        b.entprellzeit = std::clamp(b.entprellzeit, kEntprellMin, kEntprellMax);
        return b;
    }
    bool operator==(const CBedienung&) const = default;
};
