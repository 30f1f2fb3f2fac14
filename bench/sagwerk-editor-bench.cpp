// Measures the editor model on a big vocabulary.
//
//   sagwerk-editor-bench [--kategorien 300] [--elemente 60] [--runden 3] [--dir DIR]
//
// Generates a user file with that many categories of that many elements
// each (captions, use counts and dates drawn at random), then times through
// the real model: ordering all categories alphabetically and by use, each
// category committed in its own transaction, and committing 1,000 new
// elements of one category.

#include <SQLiteCpp/SQLiteCpp.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "BenchHilfen.h"
#include "BenutzerAnlegen.h"
#include "CEditorDaten.h"
#include "CSagwerkDoc.h"
#include "CStummeEngine.h"
#include "CSystemUhr.h"
#include "IDialoge.h"

namespace {

using bench::Dialoge;
using bench::Ms;
using bench::Uhr;

std::string Wort(std::mt19937& zufall) {
    static const char* const kSilben[] = {"ba", "ke", "mi", "lo", "sch", "tra", "ä",   "ö",
                                          "ü",  "ß",  "Sa", "Be", "Ze",  "Ap",  "fel", "ne"};
    std::uniform_int_distribution<int> anzahl(2, 4), silbe(0, 15);
    std::string w;
    for (int i = anzahl(zufall); i > 0; --i) w += kSilben[silbe(zufall)];
    return w;
}

void Erzeugen(const std::string& pfad, int kategorien, int elemente) {
    std::string fehler;
    if (!CreateUserDatabase(pfad, "Bench", "Mark", fehler)) {
        std::cerr << fehler << '\n';
        std::exit(1);
    }
    std::mt19937 zufall(42);
    std::uniform_int_distribution<int> anzahl(0, 500), alter(0, 2000);
    SQLite::Database db(pfad, SQLite::OPEN_READWRITE);
    SQLite::Transaction t(db);
    SQLite::Statement k(db, "insert into Kategorie (KatName, KatNummer) values (?, 0)");
    SQLite::Statement e(db,
                        "insert into Wortelement (Kategorie, alteKategorie, Pos, altePos, "
                        "Anzeigetext, Geg1PersE, Funktionscode, Anzahl, Datum) "
                        "values (?, 0, ?, ?, ?, ?, 30, ?, ?)");
    const double heute = CSystemUhr().Jetzt();
    for (int i = 1; i < kategorien; ++i) {  // the start category is there already
        k.bind(1, "Kategorie " + std::to_string(i));
        k.exec();
        k.reset();
    }
    for (int kat = 1; kat <= kategorien; ++kat) {
        for (int pos = 1; pos <= elemente; ++pos) {
            const std::string w = Wort(zufall);
            e.bind(1, kat);
            e.bind(2, pos);
            e.bind(3, pos);
            e.bind(4, w);
            e.bind(5, w);
            e.bind(6, anzahl(zufall));
            e.bind(7, static_cast<double>(static_cast<long>(heute) - alter(zufall)));
            e.exec();
            e.reset();
        }
    }
    t.commit();
}

}  // namespace

int main(int argc, char** argv) {
    int kategorien = 300, elemente = 60, runden = 3;
    std::filesystem::path dir = std::filesystem::temp_directory_path() / "sagwerk-editor-bench";
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string a = argv[i];
        if (a == "--kategorien") kategorien = std::stoi(argv[i + 1]);
        if (a == "--elemente") elemente = std::stoi(argv[i + 1]);
        if (a == "--runden") runden = std::stoi(argv[i + 1]);
        if (a == "--dir") dir = argv[i + 1];
    }
    std::filesystem::create_directories(dir);
    Dialoge dialoge;
    CSystemUhr uhr;
    for (int runde = 1; runde <= runden; ++runde) {
        const std::string pfad = (dir / "Bench.mdb").string();
        std::filesystem::remove(pfad);
        Erzeugen(pfad, kategorien, elemente);
        CSagwerkDoc doc(dialoge, uhr, std::make_unique<CStummeEngine>());
        if (!doc.OpenUser(pfad)) return 1;
        CEditorDaten daten(doc);

        auto start = Uhr::now();
        daten.OrderAlphabetical(true);
        const double alphabetisch = Ms(Uhr::now() - start);
        start = Uhr::now();
        daten.OrderByUse(true);
        const double nutzung = Ms(Uhr::now() - start);
        start = Uhr::now();
        daten.OrderByUse(true);
        const double nochmal = Ms(Uhr::now() - start);

        daten.NewKategorie("Tausend");
        for (int i = 0; i < 1000; ++i) {
            daten.NewWortelement(CWortelement::Wort);
            daten.GetCurrentWortelement()->SetAnzeigetext("Wort " + std::to_string(i));
        }
        start = Uhr::now();
        daten.CommitWortelemente();
        const double tausend = Ms(Uhr::now() - start);

        std::printf(
            "ordnen kategorien=%d elemente=%d alphabetisch_ms=%.0f nutzung_ms=%.0f "
            "nutzung_schon_geordnet_ms=%.0f commit_1000_ms=%.1f\n",
            kategorien, elemente, alphabetisch, nutzung, nochmal, tausend);
    }
    std::filesystem::remove_all(dir);
    return 0;
}
