// Money: "3,50 €" "drei Euro fünfzig", "0,99 €" "neunundneunzig Cent",
// "€ 1.250,-" "tausendzweihundertfünfzig Euro".

#include "Regeln.h"
#include "Zahlwoerter.h"

namespace regeln {

namespace {

using zahlwort::Kardinal;

struct Waehrung {
    std::string_view geschrieben;
    std::string_view name;   // the same in singular and plural
    std::string_view unter;  // the hundredth; empty for the hundredth itself
    bool davor;              // may stand before the amount ("€ 5", "EUR 5")
};
constexpr Waehrung kWaehrungen[] = {
    {"€", "Euro", "Cent", true},        {"EUR", "Euro", "Cent", true},
    {"Euro", "Euro", "Cent", false},    {"Cent", "Cent", "", false},
    {"ct", "Cent", "", false},          {"$", "Dollar", "Cent", true},
    {"USD", "Dollar", "Cent", true},    {"Dollar", "Dollar", "Cent", false},
    {"£", "Pfund", "Pence", true},      {"GBP", "Pfund", "Pence", true},
    {"CHF", "Franken", "Rappen", true}, {"Franken", "Franken", "Rappen", false},
    {"Rappen", "Rappen", "", false},    {"Pence", "Pence", "", false},
};

const Waehrung* WaehrungBei(const CTextTeile& t, std::size_t j) {
    if (t.IstLeer(j) || t.IstEnde(j) || t.IstZahl(j)) return nullptr;
    for (const Waehrung& w : kWaehrungen) {
        if (t[j].text == w.geschrieben) return &w;
    }
    return nullptr;
}

void Sagen(const Betrag& b, const Groessenwort* groesse, const Waehrung& w, std::string& aus) {
    const bool eins = b.ganz == 1 && b.nachkomma.empty();
    if (w.unter.empty() || groesse != nullptr || b.nachkomma.size() > 2) {
        // "50 Cent", "3 Mio. €", "3,505 €": the amount as a number.
        aus += BetragWorte(b, groesse != nullptr ? groesse->eins : "ein");
        if (groesse != nullptr) {
            aus += ' ';
            aus += eins ? groesse->einzahl : groesse->mehrzahl;
        }
        aus += ' ';
        aus += w.name;
        return;
    }
    std::uint64_t cent = 0;
    if (!b.nachkomma.empty()) {
        cent = zahlwort::Wert(b.nachkomma);
        if (b.nachkomma.size() == 1) cent *= 10;  // "3,5 €" is three euros fifty
    }
    if (b.minus) aus += "minus ";
    if (b.ganz == 0 && cent != 0) {
        aus += Kardinal(cent, "ein");
        aus += ' ';
        aus += w.unter;
        return;
    }
    aus += Kardinal(b.ganz, "ein");
    aus += ' ';
    aus += w.name;
    if (cent != 0) {
        aus += ' ';
        aus += Kardinal(cent);
    }
}

}  // namespace

std::size_t Geld(const CTextTeile& t, std::size_t i, std::string& aus) {
    Betrag b;
    if (const Waehrung* w = WaehrungBei(t, i); w != nullptr && w->davor) {
        std::size_t j = i + 1;
        if (t.IstLeer(j)) ++j;
        if (!BetragLesen(t, j, b, true) || t.IstAlnum(b.ende)) return 0;
        std::size_t ende = b.ende;
        const Groessenwort* g = GroesseLesen(t, b.ende, ende);
        Sagen(b, g, *w, aus);
        return ende - i;
    }
    if (!BetragLesen(t, i, b, true)) return 0;
    std::size_t j = b.ende;
    const Groessenwort* g = GroesseLesen(t, j, j);
    if (t.IstLeer(j)) ++j;
    const Waehrung* w = WaehrungBei(t, j);
    if (w == nullptr || t.IstAlnum(j + 1)) return 0;
    Sagen(b, g, *w, aus);
    return j + 1 - i;
}

}  // namespace regeln
