#include "CNormalisierer.h"

#include "CTextTeile.h"
#include "Regeln.h"

namespace {

// The order matters where forms look alike: a telephone number before a
// plain number, a date ("24.12.") before a time ("14.30"), money and units
// before the number they follow, a Roman numeral before an abbreviation.
constexpr regeln::Regel kRegeln[] = {
    regeln::Telefonnummer, regeln::Datum,        regeln::Geld,    regeln::Einheit,
    regeln::Uhrzeit,       regeln::Ordnungszahl, regeln::Zahl,    regeln::RoemischeZahl,
    regeln::Bereich,       regeln::Abkuerzung,   regeln::Zeichen,
};

// Verb forms the speech engine says wrongly (a short vowel that is long, a
// stress on the wrong syllable), said through a spelling it gets right.
// Verbs carry no phonetic text of their own; the user's own pronunciations
// come first.
const std::pair<const char*, const char*> kVerbformen[] = {
    {"huste", "huhste"},       {"hustest", "huhstest"},         {"hustet", "huhstet"},
    {"gehustet", "gehuhstet"}, {"holt", "hohlt"},               {"ruft", "ruhft"},
    {"sprichst", "sprichßt"},  {"vergesse", "vergässe"},        {"hinlegen", "hinlehgen"},
    {"wehgetan", "wee-getan"}, {"ferngesehen", "fern-gesehen"},
};

CAussprachen::Paare MitVerbformen(CAussprachen::Paare paare) {
    for (const auto& [wort, laut] : kVerbformen) paare.emplace_back(wort, laut);
    return paare;
}

}  // namespace

CNormalisierer::CNormalisierer() { m_aussprachen.Setzen(MitVerbformen({})); }

void CNormalisierer::SetAussprachen(const CAussprachen::Paare& paare) {
    m_aussprachen.Setzen(MitVerbformen(paare));
}

std::string CNormalisierer::Normalisieren(std::string_view text) const {
    try {
        const std::string eingabe = m_aussprachen.Anwenden(text);
        const CTextTeile t(eingabe);
        std::string aus;
        aus.reserve(eingabe.size() + eingabe.size() / 2);
        for (std::size_t i = 0; i < t.size();) {
            if (t.IstLeer(i)) {
                aus += t[i].text;
                ++i;
                continue;
            }
            std::size_t genommen = 0;
            for (const regeln::Regel regel : kRegeln) {
                genommen = regel(t, i, aus);
                if (genommen != 0) break;
            }
            if (genommen == 0) {
                aus += t[i].text;
                genommen = 1;
            }
            i += genommen;
        }
        return aus;
    } catch (...) {
        // Out of memory: the engine reads the text itself.
        return std::string(text);
    }
}
