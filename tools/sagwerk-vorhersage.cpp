// Prints the words the word prediction offers for a text typed so far, one a
// line, best first: completions of its last word, or after a blank the next
// words.
//
//   sagwerk-vorhersage [--lernen DATEI] [--raster] BENUTZER.mdb TEXT
//
// --lernen first stores every line of DATEI into the user file as a sentence
// said, as speaking does; --raster prints the word elements of the grid's
// row instead (caption and element key). Exit 0 done, 1 failed (with a
// German message), 2 wrong use.

#include <atomic>
#include <fstream>
#include <iostream>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "CDatenbank.h"
#include "CSystemUhr.h"
#include "CVorhersage.h"
#include "CVorhersageLader.h"
#include "CWortliste.h"
#include "IDialoge.h"
#include "Ressourcen.h"

namespace {

constexpr const char* kAufruf =
    "Aufruf: sagwerk-vorhersage [--lernen DATEI] [--raster] BENUTZER.mdb TEXT\n";

constexpr const char* kHilfe =
    "Zeigt die Wörter, die Sagwerk für den bisher getippten TEXT anbietet, eines je Zeile,\n"
    "das beste zuerst: Ergänzungen des letzten Wortes, oder nach einem Leerzeichen am Ende\n"
    "die nächsten Wörter.\n"
    "\n"
    "  --lernen DATEI  speichert zuerst jede Zeile der Datei als gesprochenen Satz in die\n"
    "                  Benutzerdatei, wie das Sprechen es tut\n"
    "  --raster        zeigt stattdessen die Wortelemente der Zeile über dem Raster\n"
    "                  (Beschriftung und Schlüssel des Elements)\n"
    "  --help          zeigt diese Hilfe\n"
    "\n"
    "Rückgabewert: 0 fertig, 1 fehlgeschlagen, 2 falscher Aufruf.\n";

class CDialoge : public IDialoge {
public:
    void ReportError(const std::string& text) override {
        std::cerr << "sagwerk-vorhersage: " << text << '\n';
        fehler = true;
    }
    void Hinweis(const std::string& text) override {
        std::cerr << "sagwerk-vorhersage: " << text << '\n';
    }
    Antwort ShowMessage(const std::string& text, const std::string&, Symbol,
                        Knoepfe knoepfe) override {
        std::cerr << "sagwerk-vorhersage: " << text << '\n';
        return knoepfe == Knoepfe::Ok ? Antwort::Ok : Antwort::Nein;
    }
    void BeginWait() override {}
    void EndWait() override {}
    bool fehler = false;
};

// Stores the lines of the file as sentences said.
bool Lernen(const std::string& benutzerdatei, const std::string& datei) {
    std::ifstream ein(datei, std::ios::binary);
    if (!ein) {
        std::cerr << "sagwerk-vorhersage: \u201E" << datei << "\u201C kann nicht gelesen werden.\n";
        return false;
    }
    std::vector<std::pair<std::string, std::string>> saetze;
    for (std::string zeile; std::getline(ein, zeile);) {
        while (!zeile.empty() && (zeile.back() == '\r' || zeile.back() == ' ')) zeile.pop_back();
        const auto a = zeile.find_first_not_of(' ');
        if (a == std::string::npos) continue;
        // Sentences are stored as the screen shows them: words with a blank after each.
        std::string satz = zeile.substr(a) + " ";
        saetze.emplace_back(satz, satz);
    }
    CDialoge dialoge;
    CSystemUhr uhr;
    CDatenbank::Optionen optionen;
    optionen.mitIndex = false;
    CDatenbank db(benutzerdatei, dialoge, uhr, optionen);
    if (!db.IsOpen()) return false;
    db.WaitForCheck();
    return db.StoreSentences(saetze) && !dialoge.fehler;
}

}  // namespace

int main(int argc, char** argv) {
    std::string lernen;
    bool raster = false;
    std::vector<std::string> frei;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--help" || a == "-h") {
            std::cout << kAufruf << '\n' << kHilfe;
            return 0;
        } else if (a == "--lernen") {
            if (i + 1 >= argc) {
                std::cerr << kAufruf;
                return 2;
            }
            lernen = argv[++i];
        } else if (a == "--raster") {
            raster = true;
        } else if (a.rfind("--", 0) == 0) {
            std::cerr << "sagwerk-vorhersage: unbekannte Option \u201E" << a << "\u201C\n"
                      << kAufruf;
            return 2;
        } else {
            frei.push_back(a);
        }
    }
    if (frei.size() != 2) {
        std::cerr << kAufruf;
        return 2;
    }
    const std::string& benutzerdatei = frei[0];
    const std::string& text = frei[1];
    if (!lernen.empty() && !Lernen(benutzerdatei, lernen)) return 1;

    auto wortliste = std::make_shared<CWortliste>();
    std::string fehler;
    if (!wortliste->Laden(RessourcenVerzeichnis() + "/woerter.txt", fehler)) {
        std::cerr << "sagwerk-vorhersage: " << fehler << '\n';
        if (!raster) return 1;
    }
    std::vector<std::string> saetze;
    if (CWortliste::SaetzeLesen(RessourcenVerzeichnis() + "/grundsaetze.txt", saetze, fehler))
        wortliste->SetSaetze(std::move(saetze));
    else
        std::cerr << "sagwerk-vorhersage: " << fehler << '\n';
    const std::atomic<bool> abbrechen{false};
    auto ergebnis = CVorhersageLader::Laden(benutzerdatei, wortliste, abbrechen);
    if (!ergebnis.fehler.empty() || !ergebnis.modell) {
        std::cerr << "sagwerk-vorhersage: " << ergebnis.fehler << '\n';
        return 1;
    }
    if (raster) {
        const int form = CVorhersage::VerbformNachPerson(text);
        for (const auto& e : ergebnis.modell->Elemente(text, form))
            std::cout << e.anzeige << '\t' << e.element << '\n';
    } else {
        for (const auto& w : ergebnis.modell->Vorschlagen(text)) std::cout << w << '\n';
    }
    return 0;
}
