#pragma once

#include <string>

class CDatenbank;

// Writes a user's whole vocabulary as one Open Board Format package (.obz):
// one board per category, its elements as buttons in their order on a grid of
// the user's width, every picture as a file under "images/" with its content
// type (and its licence, for the OpenMoji pictograms), and a manifest whose
// root is the start category.
//
// What only Sagwerk has goes into fields of its own, "ext_sagwerk_...": the
// element's kind, its word, the eighteen verb forms, the phonetic text and
// the picture's name in the user's folder. Other programs read the boards as
// plain boards; Sagwerk reads its own export back exactly (CTafelLeser,
// CTafelImport).
//
// The package is written under a temporary name beside the target and moved
// into place when complete: a failure leaves no half file.
//
// Errors: Exportieren returns false with a German sentence in `fehler`.
class CTafelExport {
public:
    struct Ergebnis {
        long tafeln = 0, knoepfe = 0, bilder = 0, bilderFehlen = 0;
    };
    // `ordner`: the folder the picture names are relative to; `spalten`
    // and `zeilen`: the user's grid.
    static bool Exportieren(CDatenbank& db, long spalten, long zeilen, const std::string& ordner,
                            const std::string& ziel, std::string& fehler,
                            Ergebnis* ergebnis = nullptr);
};
