#include "CNomen.h"

namespace {
constexpr const char* kSpalten[CNomen::kFormen] = {"NomE", "AkkE", "DatE", "GenE",
                                                   "NomM", "AkkM", "DatM", "GenM"};
}

const char* CNomen::SpaltenName(int slot) {
    return slot >= 0 && slot < kFormen ? kSpalten[slot] : "";
}

const char* CNomen::Kuerzel(Geschlecht g) {
    switch (g) {
        case Geschlecht::Maennlich:
            return "m";
        case Geschlecht::Weiblich:
            return "f";
        case Geschlecht::Saechlich:
            return "n";
        case Geschlecht::NurMehrzahl:
            return "p";
        case Geschlecht::Keins:
            break;
    }
    return "";
}

CNomen::Geschlecht CNomen::AusKuerzel(const std::string& kuerzel) {
    if (kuerzel == "m") return Geschlecht::Maennlich;
    if (kuerzel == "f") return Geschlecht::Weiblich;
    if (kuerzel == "n") return Geschlecht::Saechlich;
    if (kuerzel == "p") return Geschlecht::NurMehrzahl;
    return Geschlecht::Keins;
}
