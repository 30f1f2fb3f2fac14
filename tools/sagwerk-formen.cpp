// Prints the eighteen forms the verb page proposes for a German verb, one a
// line: present ich, du, er/sie/es, wir, ihr, sie; then past; then future.
//
//   sagwerk-formen [--sein | --haben] <Grundform>
//
// Exit 0 with the forms, 1 with a German message for a text that is not a
// verb or when the verb dictionary cannot be read, 2 for wrong arguments.

#include <cstdlib>
#include <iostream>
#include <string>

#include "CVerbformen.h"
#include "Ressourcen.h"

int main(int argc, char** argv) {
    CVerbformen::Hilfsverb hilfsverb = CVerbformen::Hilfsverb::Automatisch;
    std::string grundform;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--sein") {
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
        std::cerr << "Aufruf: sagwerk-formen [--sein | --haben] <Grundform>\n";
        return 2;
    }
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
