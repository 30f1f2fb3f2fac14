// Boards of other communication aids from the command line: checks a board
// file, imports it into a user file, exports a user's vocabulary.
//
//   sagwerk-tafeln pruefen [--json] DATEI
//   sagwerk-tafeln import [--json] BENUTZERDATEI DATEI
//   sagwerk-tafeln export BENUTZERDATEI ZIEL.obz
//
// Exit 0 when done, 1 with a German message when it failed, 2 for wrong
// arguments.

#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "CDatenbank.h"
#include "CSystemUhr.h"
#include "CTafelExport.h"
#include "CTafelImport.h"
#include "CTafelLeser.h"
#include "IDialoge.h"

namespace fs = std::filesystem;

namespace {

// What the data store would show in a box goes to the error stream.
class CKonsole : public IDialoge {
public:
    void ReportError(const std::string& text) override { std::cerr << text << '\n'; }
    Antwort ShowMessage(const std::string& text, const std::string&, Symbol, Knoepfe) override {
        std::cerr << text << '\n';
        return Antwort::Ok;
    }
    void BeginWait() override {}
    void EndWait() override {}
};

void Aufruf(std::ostream& aus) {
    aus << "Aufruf:\n"
           "  sagwerk-tafeln pruefen [--json] DATEI\n"
           "      Liest eine Tafeldatei (.obf, .obz, .zip, .json) und zeigt, was ein Import\n"
           "      ergäbe. Kein Benutzer wird verändert.\n"
           "  sagwerk-tafeln import [--json] BENUTZERDATEI DATEI\n"
           "      Importiert die Tafeln in den Benutzer, ohne Rückfrage. Die Bilder kommen\n"
           "      in den Ordner \"bilder\" neben der Benutzerdatei.\n"
           "  sagwerk-tafeln export BENUTZERDATEI ZIEL.obz\n"
           "      Schreibt den ganzen Wortschatz des Benutzers als ein Paket.\n"
           "  --json  die Zusammenfassung als ein JSON-Objekt\n";
}

int Falsch() {
    Aufruf(std::cerr);
    return 2;
}

// The user file, checked; nothing when it cannot be used (said why).
bool Oeffnen(CDatenbank& db) {
    if (!db.IsOpen()) return false;
    db.WaitForCheck();
    if (db.IsDamaged()) {
        std::cerr << "Die Benutzerdatei \u201E" << db.GetPath()
                  << "\u201C ist beschädigt: " << db.GetDamage() << '\n';
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (!args.empty() && (args[0] == "--help" || args[0] == "-h" || args[0] == "hilfe")) {
        Aufruf(std::cout);
        return 0;
    }
    bool json = false;
    std::vector<std::string> rest;
    for (const std::string& a : args) {
        if (a == "--json") {
            json = true;
        } else {
            rest.push_back(a);
        }
    }
    if (rest.empty()) return Falsch();
    const std::string befehl = rest[0];
    CKonsole konsole;
    CSystemUhr uhr;

    if ((befehl == "pruefen" && rest.size() == 2) || (befehl == "import" && rest.size() == 3)) {
        const std::string datei = rest.back();
        CTafelPaket paket;
        CZusammenfassung z;
        std::string fehler;
        if (!CTafelLeser().Lesen(datei, paket, z, fehler)) {
            std::cerr << fehler << '\n';
            return 1;
        }
        std::cout << (json ? z.Json() : z.Text(fs::path(datei).filename().string())) << '\n';
        if (befehl == "pruefen") return 0;
        const std::string benutzer = rest[1];
        std::error_code ec;
        if (!fs::is_regular_file(benutzer, ec)) {
            std::cerr << "Die Benutzerdatei \u201E" << benutzer << "\u201C gibt es nicht.\n";
            return 1;
        }
        CDatenbank db(benutzer, konsole, uhr);
        if (!Oeffnen(db)) return 1;
        const std::string ordner = fs::absolute(benutzer, ec).parent_path().string();
        if (!CTafelImport::Importieren(paket, db, ordner, fehler)) {
            std::cerr << fehler << '\n';
            return 1;
        }
        if (!json) std::cout << "Die Tafeln sind importiert.\n";
        return 0;
    }
    if (befehl == "export" && rest.size() == 3 && !json) {
        const std::string& benutzer = rest[1];
        std::error_code ec;
        if (!fs::is_regular_file(benutzer, ec)) {
            std::cerr << "Die Benutzerdatei \u201E" << benutzer << "\u201C gibt es nicht.\n";
            return 1;
        }
        CDatenbank db(benutzer, konsole, uhr);
        CBenutzer b;
        if (!Oeffnen(db) || !db.LoadBenutzer(b)) return 1;
        const std::string ordner = fs::absolute(benutzer, ec).parent_path().string();
        std::string fehler;
        CTafelExport::Ergebnis e;
        if (!CTafelExport::Exportieren(db, b.GetSpalten(), b.GetZeilen(), ordner, rest[2], fehler,
                                       &e)) {
            std::cerr << fehler << '\n';
            return 1;
        }
        std::cout << e.tafeln << " Tafeln mit " << e.knoepfe << " Knöpfen nach \u201E" << rest[2]
                  << "\u201C geschrieben";
        if (e.bilderFehlen > 0) std::cout << " (" << e.bilderFehlen << " Bilder fehlen im Ordner)";
        std::cout << ".\n";
        return 0;
    }
    return Falsch();
}
