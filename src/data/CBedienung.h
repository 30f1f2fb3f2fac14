#pragma once

#include <algorithm>
#include <string>

// How the person operates the communication screen, as the carer set it (one
// row of the table Bedienung). Times are milliseconds.
struct CBedienung {
    enum Modus {
        Maus = 0,          // pointing and clicking only
        EinSchalter = 1,   // the highlight steps by itself; a switch selects
        ZweiSchalter = 2,  // one switch steps, the other selects
        Verweilen = 3,     // resting on a button presses it (head or eye pointer)
        Tastatur = 4,      // arrow keys move, Enter or Space presses
        Invers = 5,        // the highlight steps while a switch is held; letting go selects
    };
    // Where scanning goes on after a button was pressed.
    enum Weiter {
        Anfang = 0,   // at the first group: the one most likely needed next
        Gruppe = 1,   // inside the group of the button pressed; after a function button
                      // where the word that goes with it is offered
    };
    static constexpr int kSchrittMin = 500, kSchrittMax = 5000;
    static constexpr int kVerweilMin = 500, kVerweilMax = 3000;
    static constexpr int kEntprellMin = 0, kEntprellMax = 2000;
    static constexpr int kAnnahmeMin = 0, kAnnahmeMax = 2000;
    static constexpr int kErstMin = 0, kErstMax = 5000;
    // The key codes of the GUI toolkit for Space and Enter, the switches of
    // a new user; 0 is no key.
    static constexpr int kLeertaste = 0x20, kEingabetaste = 0x01000004;

    int modus = Maus;
    int schrittzeit = 1500;
    int verweilzeit = 1000;
    // A switch that was let go counts again only after it has been up this
    // long.
    int entprellzeit = 300;
    // Word prediction on the screen: the row of words above the keyboard's
    // keys and the row "Wortvorschläge" above the grid. Off, the screen is
    // as it was without them.
    bool wortvorhersage = true;
    // A press counts only once the switch has been held this long (for a
    // tremor); 0: at once.
    int annahmezeit = 0;
    // Extra time the highlight stays on the first item of a group or row.
    int erstzeit = 0;
    int weiter = Anfang;
    // The caption of what the highlight arrives on is said by a cue voice.
    bool ansage = false;
    // The switch keys: with two switches the first steps and the second
    // selects; otherwise either selects. The right mouse button always
    // selects.
    int schalter1 = kLeertaste;
    int schalter2 = kEingabetaste;

    // The values brought into their ranges; an unknown mode is the mouse.
    CBedienung Begrenzt() const {
        CBedienung b = *this;
        if (b.modus < Maus || b.modus > Invers) b.modus = Maus;
        if (b.weiter != Gruppe) b.weiter = Anfang;
        b.schrittzeit = std::clamp(b.schrittzeit, kSchrittMin, kSchrittMax);
        b.verweilzeit = std::clamp(b.verweilzeit, kVerweilMin, kVerweilMax);
        b.entprellzeit = std::clamp(b.entprellzeit, kEntprellMin, kEntprellMax);
        b.annahmezeit = std::clamp(b.annahmezeit, kAnnahmeMin, kAnnahmeMax);
        b.erstzeit = std::clamp(b.erstzeit, kErstMin, kErstMax);
        if (b.schalter1 < 0) b.schalter1 = 0;
        if (b.schalter2 < 0 || b.schalter2 == b.schalter1) b.schalter2 = 0;
        // Without a first switch the second one takes its place, and without
        // any the keys of a new user serve.
        if (b.schalter1 == 0) std::swap(b.schalter1, b.schalter2);
        if (b.schalter1 == 0) {
            b.schalter1 = kLeertaste;
            b.schalter2 = kEingabetaste;
        }
        return b;
    }
    bool operator==(const CBedienung&) const = default;
};

// Reads how the person of the user file `datei` operates the program and
// when that user last used it (the Benutzer row's LetzteNutzung), without
// waiting for another program and without writing: for the user selection,
// which has no user open yet. False, and nothing changed, when the file
// cannot be read so (no user file, held, damaged).
bool BedienungLesen(const std::string& datei, CBedienung& bedienung, double& letzteNutzung);
