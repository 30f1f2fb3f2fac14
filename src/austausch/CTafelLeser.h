#pragma once

#include <optional>
#include <string>

#include "CTafelPaket.h"
#include "CZusammenfassung.h"

// Reads a board file of the Open Board Format (one board, a JSON array of
// boards, or a zip package with or without a manifest) into a CTafelPaket,
// and counts what it found in a CZusammenfassung.
//
// Real boards are messy, so the rules are lenient where nothing is lost: ids
// may be numbers, a link that leads nowhere and an action Sagwerk has no
// meaning for leave a plain word, a picture that cannot be taken leaves the
// button without one; each is counted and named in the summary. What could
// harm the user or the machine is refused as a whole (see CPaketDatei, and:
// text that is not UTF-8, JSON nested deeper than kHoechsteTiefe, a manifest
// naming a file outside the package).
//
// Errors: Lesen returns false with a German sentence in `fehler`; the
// package is then empty. No exception leaves this class.
class CTafelLeser {
public:
    static constexpr int kHoechsteTiefe = 200;

    bool Lesen(const std::string& pfad, CTafelPaket& paket, CZusammenfassung& zusammenfassung,
               std::string& fehler);

    // "rgb(1, 2, 3)", "rgba(1,2,3,0.5)", "#abc", "#aabbcc"; nothing for
    // anything else (which the importer then ignores).
    static std::optional<CTafelPaket::Farbe> FarbeLesen(const std::string& text);
    // A locale of German: "de", "de_DE", "de-AT", any case.
    static bool IstDeutsch(const std::string& locale);
};
