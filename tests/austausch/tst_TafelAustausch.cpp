// The starter vocabulary there and back, and the format maintainers' sample
// boards.

#include <SQLiteCpp/SQLiteCpp.h>

#include <chrono>
#include <iterator>
#include <map>

#include "CBildvorrat.h"
#include "CTafelExport.h"
#include "CTafelImport.h"
#include "CWortschatz.h"
#include "TafelTest.h"

using namespace tafeltest;
namespace fs = std::filesystem;
using Uhr = std::chrono::steady_clock;

namespace {

double Sekunden(Uhr::time_point seit) {
    return std::chrono::duration<double>(Uhr::now() - seit).count();
}

std::string Inhalt(const fs::path& p) {
    std::ifstream ein(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(ein), std::istreambuf_iterator<char>()};
}

// Every row of the vocabulary but its key; categories by name, so that the
// keys of two files may differ.
std::vector<std::string> Zeilen(const std::string& datei, const fs::path& ordner,
                                std::vector<std::string>& bilder) {
    SQLite::Database db(datei);
    std::map<long, std::string> name;
    std::vector<std::string> zeilen;
    SQLite::Statement k(db, "select [Index], KatName, KatNummer from Kategorie order by [Index]");
    while (k.executeStep()) {
        name[k.getColumn(0).getInt()] = k.getColumn(1).getString();
        zeilen.push_back("K " + k.getColumn(1).getString() + " " + k.getColumn(2).getString());
    }
    SQLite::Statement w(db, "select * from Wortelement order by Kategorie, Pos");
    while (w.executeStep()) {
        std::string z = "W";
        const bool link = w.getColumn("Funktionscode").getInt() == CWortelement::Link;
        for (int i = 0; i < w.getColumnCount(); ++i) {
            const std::string spalte = w.getColumnName(i);
            std::string wert = w.getColumn(i).getString();
            if (spalte == "Index") continue;
            if (spalte == "Kategorie" || (link && spalte == "Geg1PersE")) {
                wert = name[std::stol(wert)];
            }
            if (spalte == "Bild" && !wert.empty()) {
                std::string pfad = wert;
                std::replace(pfad.begin(), pfad.end(), '\\', '/');
                bilder.push_back(Inhalt(ordner / pfad));
            }
            z += " " + spalte + "=" + wert;
        }
        zeilen.push_back(z);
    }
    return zeilen;
}

}  // namespace

TEST(TafelAustausch, GrundwortschatzHinUndZurueckGenau) {
    CTempVerzeichnis hier, dort;
    CTestDialoge dialoge;
    CTestUhr uhr;
    std::string fehler;
    const std::string alt = hier.Datei("Erika.mdb");
    // As a new user gets it, in one transaction (the test stays fast), with
    // the pictures in the user's folder.
    ASSERT_TRUE(CreateUserDatabase(alt, "Erika", "Muster", fehler)) << fehler;
    {
        CWortschatz w;
        ASSERT_TRUE(w.LesenDatei(SAGWERK_RES_DIR "/wortschatz.txt", fehler)) << fehler;
        CDatenbank db(alt, dialoge, uhr);
        ASSERT_TRUE(db.BeginTransaction());
        ASSERT_TRUE(w.Schreiben(db));
        ASSERT_TRUE(db.EndTransaction(true));
        ASSERT_TRUE(CBildvorrat(SAGWERK_RES_DIR).Kopieren(hier.Pfad().string(), &w, fehler))
            << fehler;
    }
    const std::string paket = hier.Datei("erika.obz");
    auto start = Uhr::now();
    {
        CDatenbank db(alt, dialoge, uhr);
        CTafelExport::Ergebnis e;
        ASSERT_TRUE(CTafelExport::Exportieren(db, 6, 4, hier.Pfad().string(), paket, fehler, &e))
            << fehler;
        EXPECT_GT(e.knoepfe, 200);
        EXPECT_EQ(e.bilderFehlen, 0);
    }
    const double export_ = Sekunden(start);

    const std::string neu = dort.Datei("Neu.mdb");
    ASSERT_TRUE(CreateUserDatabase(neu, "Neu", "Person", fehler)) << fehler;
    start = Uhr::now();
    CZusammenfassung z;
    const CTafelPaket p = Lesen(paket, &z);
    EXPECT_TRUE(p.sagwerk);
    {
        CDatenbank db(neu, dialoge, uhr);
        ASSERT_TRUE(CTafelImport::Importieren(p, db, dort.Pfad().string(), fehler)) << fehler;
    }
    const double zurueck = Sekunden(start);
    std::cout << "Export " << export_ << " s, zurückgelesen " << zurueck << " s\n";
    EXPECT_LT(export_, 1.0);
    EXPECT_LT(zurueck, 1.0);
    EXPECT_EQ(z.linksInsLeere + z.linksExtern + z.bilderFehlen + z.aktionenUnbekannt, 0);
    EXPECT_EQ(z.wurzel, "HOME");

    std::vector<std::string> bilderAlt, bilderNeu;
    const std::vector<std::string> a = Zeilen(alt, hier.Pfad(), bilderAlt);
    const std::vector<std::string> b = Zeilen(neu, dort.Pfad(), bilderNeu);
    ASSERT_EQ(a.size(), b.size());
    for (std::size_t i = 0; i < a.size(); ++i) EXPECT_EQ(a[i], b[i]);
    ASSERT_EQ(bilderAlt.size(), bilderNeu.size());
    for (std::size_t i = 0; i < bilderAlt.size(); ++i) {
        EXPECT_FALSE(bilderAlt[i].empty());
        EXPECT_EQ(bilderAlt[i], bilderNeu[i]) << i;  // byte for byte
    }
    EXPECT_TRUE(dialoge.fehler.empty());
}

TEST(TafelBeispiele, ZusammenfassungJederDatei) {
    BEISPIELE_NOETIG();
    const std::vector<std::pair<std::string, std::string>> faelle = {
        {"simple.obf",
         R"({"tafeln":1,"knoepfe":2,"links_aufgeloest":0,"links_ins_leere":0,"links_extern":0,"bilder":1,"bilder_fehlen":1,"aktionen_unbekannt":0,"wurzel":"Simple Images Board"})"},
        {"inline_images.obf",
         R"({"tafeln":1,"knoepfe":2,"links_aufgeloest":0,"links_ins_leere":0,"links_extern":0,"bilder":2,"bilder_fehlen":0,"aktionen_unbekannt":0,"wurzel":"Inline Images Board"})"},
        {"foreign.obf",
         R"({"tafeln":1,"knoepfe":4,"links_aufgeloest":0,"links_ins_leere":0,"links_extern":0,"bilder":0,"bilder_fehlen":3,"aktionen_unbekannt":0,"wurzel":"Foreign Words"})"},
        {"aboutme.json",
         R"({"tafeln":1,"knoepfe":18,"links_aufgeloest":0,"links_ins_leere":2,"links_extern":0,"bilder":0,"bilder_fehlen":18,"aktionen_unbekannt":0,"wurzel":"CommuniKate About Me"})"},
        {"links.obz",
         R"({"tafeln":3,"knoepfe":6,"links_aufgeloest":2,"links_ins_leere":0,"links_extern":0,"bilder":0,"bilder_fehlen":0,"aktionen_unbekannt":0,"wurzel":"Simple Board"})"},
        {"lots_of_stuff.obz",
         R"({"tafeln":5,"knoepfe":18,"links_aufgeloest":2,"links_ins_leere":0,"links_extern":1,"bilder":7,"bilder_fehlen":5,"aktionen_unbekannt":4,"wurzel":"Lots of Stuff Board"})"},
        {"manifest_paths.zip",
         R"({"tafeln":5,"knoepfe":18,"links_aufgeloest":3,"links_ins_leere":0,"links_extern":1,"bilder":7,"bilder_fehlen":5,"aktionen_unbekannt":4,"wurzel":"Lots of Stuff Board"})"},
        {"path_images.obz",
         R"({"tafeln":2,"knoepfe":4,"links_aufgeloest":1,"links_ins_leere":0,"links_extern":0,"bilder":2,"bilder_fehlen":0,"aktionen_unbekannt":0,"wurzel":"Path Images Board"})"},
    };
    for (const auto& [datei, json] : faelle) {
        CZusammenfassung z;
        Lesen(Beispiel(datei), &z);
        EXPECT_EQ(z.Json(), json) << datei;
    }
    const CTafelPaket fremd = Lesen(Beispiel("foreign.obf"));
    const auto& k = fremd.tafeln[0].knoepfe;
    ASSERT_EQ(k.size(), 4u);
    EXPECT_EQ(k[0].anzeige, "हेर्नुहोस्");
    EXPECT_EQ(k[0].hintergrund, (CTafelPaket::Farbe{0xff, 0xff, 0x32, 255}));
    EXPECT_EQ(k[3].anzeige, "水很酷哟");
}

TEST(TafelBeispiele, GrosseVokabulareSchnellImportiert) {
    BEISPIELE_NOETIG();
    const std::vector<std::tuple<std::string, long, long, double>> faelle = {
        {"pageset.obz", 81, 1007, 2.0}, {"deep_simple.zip", 98, 1405, 3.0}};
    for (const auto& [datei, tafeln, knoepfe, frist] : faelle) {
        Benutzer b;
        const auto start = Uhr::now();
        CZusammenfassung z;
        const CTafelPaket p = Lesen(Beispiel(datei), &z);
        std::string fehler;
        {
            auto db = b.Db();
            ASSERT_TRUE(CTafelImport::Importieren(p, *db, b.ordner.Pfad().string(), fehler))
                << fehler;
        }
        const double dauer = Sekunden(start);
        std::cout << datei << ": " << dauer << " s\n";
        EXPECT_LT(dauer, frist) << datei;
        EXPECT_EQ(z.tafeln, tafeln);
        EXPECT_EQ(z.knoepfe, knoepfe);
        SQLite::Database db(b.datei);
        EXPECT_EQ(db.execAndGet("select count(*) from Kategorie").getInt(), tafeln + 1);
        EXPECT_EQ(db.execAndGet("select count(*) from Wortelement").getInt(), knoepfe + 1);
    }
}

TEST(TafelBeispiele, BilderAusDemPaketImOrdner) {
    BEISPIELE_NOETIG();
    Benutzer b;
    const CTafelPaket p = Lesen(Beispiel("path_images.obz"));
    std::string fehler;
    {
        auto db = b.Db();
        ASSERT_TRUE(CTafelImport::Importieren(p, *db, b.ordner.Pfad().string(), fehler)) << fehler;
    }
    std::vector<std::string> namen;
    for (const auto& e : fs::directory_iterator(b.ordner.Pfad() / "bilder")) {
        namen.push_back(e.path().filename().string());
        EXPECT_EQ(CBildDaten::Erkennen(Inhalt(e.path())), CBildDaten::Art::Png);
    }
    std::sort(namen.begin(), namen.end());
    EXPECT_EQ(namen, (std::vector<std::string>{"happy.png", "sad.png"}));
}
