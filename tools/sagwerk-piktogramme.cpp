// Finds the pictograms the editor's picture search offers for a German word:
// the best 20, one a line, the OpenMoji code, a tab and the German name.
//
//   sagwerk-piktogramme suche <Wort> [<Wort> ...]
//
// Exit 0 with the matches, 1 with a German message when nothing matches or
// the names cannot be read, 2 for wrong arguments.

#include <chrono>
#include <cstdlib>
#include <iostream>
#include <string>

#include "CPiktogrammSuche.h"
#include "Ressourcen.h"

namespace {

int Aufruf(std::ostream& aus, int code) {
    aus << "Aufruf: sagwerk-piktogramme suche <Wort> [<Wort> ...]\n"
           "Zeigt die 20 besten Piktogramme zu einem deutschen Wort: Code, Tabulator, Name.\n";
    return code;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && (std::string(argv[1]) == "--help" || std::string(argv[1]) == "-h")) {
        return Aufruf(std::cout, 0);
    }
    if (argc < 3 || std::string(argv[1]) != "suche") return Aufruf(std::cerr, 2);
    std::string text;
    for (int i = 2; i < argc; ++i) text += (i > 2 ? " " : "") + std::string(argv[i]);

    CPiktogrammSuche suche;
    std::string fehler;
    if (!suche.Laden(RessourcenVerzeichnis(), fehler)) {
        std::cerr << fehler << '\n';
        return 1;
    }
    suche.GrundwortschatzLaden(WortschatzDatei(), fehler);
    const auto start = std::chrono::steady_clock::now();
    const auto treffer = suche.Suchen(text, 20);
    const auto dauer = std::chrono::steady_clock::now() - start;
    if (treffer.empty()) {
        std::cerr << "Kein Piktogramm passt zu \u201E" << text << "\u201C.\n";
        return 1;
    }
    for (const auto& t : treffer) std::cout << t.code << '\t' << t.name << '\n';
    if (std::getenv("SAGWERK_ZEIT") != nullptr) {
        std::cerr << "Suche: " << std::chrono::duration<double, std::milli>(dauer).count()
                  << " ms\n";
    }
    return 0;
}
