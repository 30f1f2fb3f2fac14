// Creates a user file holding the starter vocabulary:
//   sagwerk-wortschatz <Datei.mdb> <Vorname> [Nachname] [Wortschatzdatei]
#include <iostream>

#include "CSystemUhr.h"
#include "CWortschatz.h"
#include "IDialoge.h"
#include "Ressourcen.h"

namespace {
// No one to ask on the command line: messages go to the error stream.
class CKonsole : public IDialoge {
public:
    void ReportError(const std::string& text) override { std::cerr << text << '\n'; }
    Antwort ShowMessage(const std::string& text, const std::string&, Symbol, Knoepfe k) override {
        std::cerr << text << '\n';
        return k == Knoepfe::Ok ? Antwort::Ok : Antwort::Nein;
    }
    void BeginWait() override {}
    void EndWait() override {}
};
}  // namespace

int main(int argc, char** argv) {
    if (argc < 3 || argc > 5) {
        std::cerr << "Aufruf: sagwerk-wortschatz <Datei.mdb> <Vorname> [Nachname] "
                     "[Wortschatzdatei]\n";
        return 2;
    }
    CKonsole konsole;
    CSystemUhr uhr;
    const std::string wortschatz = argc > 4 ? argv[4] : WortschatzDatei();
    std::string fehler;
    if (!CWortschatz::BenutzerAnlegen(argv[1], argv[2], argc > 3 ? argv[3] : "", wortschatz,
                                      konsole, uhr, fehler)) {
        std::cerr << fehler << '\n';
        return 1;
    }
    std::cout << "Benutzer angelegt: " << argv[1] << '\n';
    return 0;
}
