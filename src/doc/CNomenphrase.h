#pragma once

#include <optional>
#include <string>
#include <vector>

#include "CNomen.h"

// The German grammar of one noun phrase in a sentence being built: which
// case the sentence so far asks for, which article goes with it, and where
// a preposition and the article melt into one ("zum", "ins").
//
// The case comes from the words before the noun: after a preposition from
// its table (mit, zu, bei, ...: dative; für, durch, ...: accusative; in, an,
// auf, ...: dative for where, accusative after a verb of motion; wegen,
// trotz, ...: genitive); else after a finite full verb accusative
// (nominative after sein, werden, bleiben, heißen; dative after a few verbs
// such as helfen and gehören); else nominative. A noun after "und"/"oder"
// takes the case of the noun before. The person may name the case.
//
// A possessive word (mein, dein, sein, ihr, unser, euer) or "kein" just
// before the noun takes the article's place and its ending; a number word
// (2-12) makes the noun plural, with the definite article put before the
// number. No Qt, no state: the document keeps what was clicked.
class CNomenphrase {
public:
    using Fall = CNomen::Fall;
    enum class Artikel { Keiner, Bestimmt, Unbestimmt };

    // One word of the sentence so far, as the document knows it.
    struct CWort {
        enum Art { Sonst, VerbFinit, VerbInfinit, Nomen };
        std::string text;
        Art art = Sonst;
        std::string grundform;  // a verb's base form
        Fall fall = Fall::Nominativ;  // a noun's case
    };

    // What the person chose for this noun.
    struct CWahl {
        Artikel artikel = Artikel::Keiner;
        bool mehrzahl = false;
        std::optional<Fall> fall;  // "Wem/Wen"
    };

    struct CErgebnis {
        std::string text;       // "dem Bus", "Bett" after "ins", "Katzen"
        std::string nomen;      // the noun's form alone
        Fall fall = Fall::Nominativ;
        bool mehrzahl = false;
        // An earlier word that changes with the noun ("in" -> "ins",
        // "mein" -> "meinem", "zwei" -> "den zwei"), or -1.
        int geaendert = -1;
        std::string neu;
    };

    // True when the word just before the noun makes it a phrase of its own
    // even without a chosen article ("kein", a number word).
    static bool Bestimmt(const std::vector<CWort>& davor);
    // The case the sentence asks for at its end.
    static Fall FallNach(const std::vector<CWort>& davor);
    // The phrase for the noun; `ersatz` stands for a form the noun lacks.
    static CErgebnis Bilden(const std::vector<CWort>& davor, const CNomen& nomen,
                            const CWahl& wahl, const std::string& ersatz);
    // The article alone ("den", "einer"); empty where there is none.
    static std::string ArtikelFuer(Artikel artikel, CNomen::Geschlecht geschlecht, Fall fall,
                                   bool mehrzahl);
    // The ending of the "ein" words ("-em" for a masculine dative).
    static std::string Endung(CNomen::Geschlecht geschlecht, Fall fall, bool mehrzahl);
};
