// Units after a number: "100 km/h" "hundert Kilometer pro Stunde",
// "1 min" "eine Minute", "-5 °C" "minus fünf Grad Celsius".

#include "Regeln.h"

namespace regeln {

namespace {

struct Masseinheit {
    std::string_view geschrieben;
    std::string_view einzahl;
    std::string_view mehrzahl;
    bool weiblich;  // "eine Minute", not "ein"
};
// Written as the pieces of a text join up: "km/h" is km, / and h.
constexpr Masseinheit kEinheiten[] = {
    {"km/h", "Kilometer pro Stunde", "Kilometer pro Stunde", false},
    {"km²", "Quadratkilometer", "Quadratkilometer", false},
    {"m²", "Quadratmeter", "Quadratmeter", false},
    {"qm", "Quadratmeter", "Quadratmeter", false},
    {"m³", "Kubikmeter", "Kubikmeter", false},
    {"km", "Kilometer", "Kilometer", false},
    {"m", "Meter", "Meter", false},
    {"cm", "Zentimeter", "Zentimeter", false},
    {"mm", "Millimeter", "Millimeter", false},
    {"kg", "Kilogramm", "Kilogramm", false},
    {"g", "Gramm", "Gramm", false},
    {"mg", "Milligramm", "Milligramm", false},
    {"t", "Tonne", "Tonnen", true},
    {"l", "Liter", "Liter", false},
    {"ml", "Milliliter", "Milliliter", false},
    {"cl", "Zentiliter", "Zentiliter", false},
    {"dl", "Deziliter", "Deziliter", false},
    {"°C", "Grad Celsius", "Grad Celsius", false},
    {"°F", "Grad Fahrenheit", "Grad Fahrenheit", false},
    {"°", "Grad", "Grad", false},
    {"%", "Prozent", "Prozent", false},
    {"‰", "Promille", "Promille", false},
    {"h", "Stunde", "Stunden", true},
    {"Std.", "Stunde", "Stunden", true},
    {"Std", "Stunde", "Stunden", true},
    {"min", "Minute", "Minuten", true},
    {"Min.", "Minute", "Minuten", true},
    {"s", "Sekunde", "Sekunden", true},
    {"Sek.", "Sekunde", "Sekunden", true},
    {"sek", "Sekunde", "Sekunden", true},
    {"kWh", "Kilowattstunde", "Kilowattstunden", true},
    {"kW", "Kilowatt", "Kilowatt", false},
    {"W", "Watt", "Watt", false},
    {"V", "Volt", "Volt", false},
    {"kcal", "Kilokalorie", "Kilokalorien", true},
    {"GB", "Gigabyte", "Gigabyte", false},
    {"MB", "Megabyte", "Megabyte", false},
    {"Stk.", "Stück", "Stück", false},
};

// The longest unit that the pieces from j on spell, with nothing glued
// after it; null for none.
const Masseinheit* EinheitBei(const CTextTeile& t, std::size_t j, std::size_t& ende) {
    const Masseinheit* beste = nullptr;
    std::string geschrieben;
    for (std::size_t k = j; k < j + 3 && !t.IstLeer(k) && !t.IstEnde(k) && !t.IstZahl(k); ++k) {
        geschrieben += t[k].text;
        if (t.IstAlnum(k + 1)) continue;
        for (const Masseinheit& e : kEinheiten) {
            if (geschrieben == e.geschrieben) {
                beste = &e;
                ende = k + 1;
                break;
            }
        }
    }
    return beste;
}

}  // namespace

std::size_t Einheit(const CTextTeile& t, std::size_t i, std::string& aus) {
    Betrag b;
    if (!BetragLesen(t, i, b, false)) return 0;
    std::size_t j = b.ende;
    if (t.Ist(j, " ") || t.Ist(j, "\u00A0") || t.Ist(j, "\u202F")) ++j;
    std::size_t ende = j;
    const Masseinheit* e = EinheitBei(t, j, ende);
    if (e == nullptr) return 0;
    const bool eins = b.ganz == 1 && b.nachkomma.empty();
    aus += BetragWorte(b, e->weiblich ? "eine" : "ein");
    aus += ' ';
    aus += eins ? e->einzahl : e->mehrzahl;
    PunktZurueck(t, ende, aus);
    return ende - i;
}

}  // namespace regeln
