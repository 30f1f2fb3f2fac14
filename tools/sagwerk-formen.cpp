// Prints the eighteen forms the verb page proposes for a German verb, one a
// line: present ich, du, er/sie/es, wir, ihr, sie; then past; then future.
// With --nomen: the gender a German noun is proposed with and its eight
// forms, one a line with the article: nominative, accusative, dative,
// genitive singular, then the same in the plural.
//
//   sagwerk-formen [--sein | --haben] <Grundform>
//   sagwerk-formen --nomen <Wort>
//
// Exit 0 with the forms, 1 with a German message for a text that is not a
// verb (a noun the dictionary lacks), or when the dictionary cannot be read,
// 2 for wrong arguments.

#include <cstdlib>
#include <iostream>
#include <string>

#include "CNomenformen.h"
#include "CNomenphrase.h"
#include "CVerbformen.h"
#include "Ressourcen.h"

namespace {

int Nomen(const std::string& wort) {
    CNomenformen formen;
    std::string fehler;
    if (!formen.Laden(RessourcenVerzeichnis() + "/nomen.txt", fehler)) {
        std::cerr << fehler << '\n';
        return 1;
    }
    const auto nomen = formen.Vorschlagen(wort);
    if (!nomen) {
        std::cerr << "\u201E" << wort
                  << "\u201C steht nicht im Wörterbuch; die Formen trägt die Betreuung ein.\n";
        return 1;
    }
    using G = CNomen::Geschlecht;
    const G g = nomen->GetGeschlecht();
    std::cout << (g == G::Maennlich   ? "männlich"
                  : g == G::Weiblich  ? "weiblich"
                  : g == G::Saechlich ? "sächlich"
                                      : "nur Mehrzahl")
              << '\n';
    for (int slot = 0; slot < CNomen::kFormen; ++slot) {
        const std::string& form = nomen->GetForm(slot);
        const std::string artikel = CNomenphrase::ArtikelFuer(
            CNomenphrase::Artikel::Bestimmt, g, static_cast<CNomen::Fall>(slot % 4), slot >= 4);
        std::cout << CNomen::SpaltenName(slot) << '\t'
                  << (form.empty() ? std::string("-") : artikel + " " + form) << '\n';
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    CVerbformen::Hilfsverb hilfsverb = CVerbformen::Hilfsverb::Automatisch;
    std::string grundform;
    bool nomen = false;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--nomen") {
            nomen = true;
        } else if (a == "--sein") {
            hilfsverb = CVerbformen::Hilfsverb::Sein;
        } else if (a == "--haben") {
            hilfsverb = CVerbformen::Hilfsverb::Haben;
        } else if (grundform.empty()) {
            grundform = a;
        } else {
            grundform += " " + a;  // "sich waschen" without quotes
        }
    }
    if (grundform.empty()) {
        std::cerr << "Aufruf: sagwerk-formen [--sein | --haben] <Grundform>\n"
                     "       sagwerk-formen --nomen <Wort>\n";
        return 2;
    }
    if (nomen) return Nomen(grundform);
    const std::string datei = RessourcenVerzeichnis() + "/verben.txt";
    CVerbformen formen;
    std::string fehler;
    if (!formen.Laden(datei, fehler)) {
        std::cerr << fehler << '\n';
        return 1;
    }
    const auto vorschlag = formen.Vorschlagen(grundform, hilfsverb);
    if (!vorschlag) {
        std::cerr << "\u201E" << grundform << "\u201C ist kein Verb in der Grundform.\n";
        return 1;
    }
    for (const std::string& f : vorschlag->formen) std::cout << f << '\n';
    if (!vorschlag->bekannt) {
        std::cerr << "Das Verb steht nicht im Wörterbuch; die Formen sind nach den Regeln "
                     "gebildet. Bitte prüfen.\n";
    }
    return 0;
}
