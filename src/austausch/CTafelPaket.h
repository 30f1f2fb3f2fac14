#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "CBildDaten.h"
#include "CWortelement.h"

// A set of boards as read from a board file, ready to be written into a
// user: every board with its buttons in the order the user will see them,
// the pictures those buttons show, and which board is the entry point.
//
// Owns everything it holds; no reference into the file it came from is
// kept. Links are kept as board numbers within the package, so that boards
// linking to each other in a circle are no different from any other link.
class CTafelPaket {
public:
    // A colour as red, green, blue and alpha, 0-255 each.
    struct Farbe {
        std::uint8_t r = 0, g = 0, b = 0, a = 255;
        bool operator==(const Farbe&) const = default;
    };

    // What a link leads to.
    static constexpr int kKeinZiel = -1;
    static constexpr int kStartseite = -2;  // the user's start category

    struct Knopf {
        long art = CWortelement::Wort;
        std::string anzeige;            // what the button shows
        std::string wort;               // what goes into the sentence
        std::string phonetisch;         // what is spoken instead, where set
        CWortelement::Formen formen{};  // a verb's eighteen forms
        int ziel = kKeinZiel;           // a link: board number or kStartseite
        int bild = -1;                  // number in bilder, or none
        std::optional<Farbe> hintergrund, rand;
    };

    struct Tafel {
        std::string id;
        std::string pfad;  // inside the package; empty for a single file
        std::string name;
        int spalten = 0, zeilen = 0;
        std::vector<Knopf> knoepfe;
    };

    struct Bild {
        std::string daten;  // the file's bytes
        CBildDaten::Art art = CBildDaten::Art::Unbekannt;
        std::string name;         // file name without extension, to copy it under
        std::string sagwerkPfad;  // where Sagwerk's own export said it was kept
    };

    std::vector<Tafel> tafeln;
    std::vector<Bild> bilder;
    int wurzel = 0;
    // The package is Sagwerk's own export: it is read back exactly.
    bool sagwerk = false;
};
