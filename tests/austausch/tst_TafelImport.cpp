// Importing into a user: one transaction, names made unique, the one link on
// the start page, pictures by the folder's rule, and nothing left of a
// failed import.

#include <SQLiteCpp/SQLiteCpp.h>

#include <algorithm>

#include "CTafelImport.h"
#include "TafelTest.h"

using namespace tafeltest;
namespace fs = std::filesystem;

namespace {

struct Zeile {
    long kategorie, pos, art;
    std::string anzeige, wort, phonetisch, bild;
};

std::vector<Zeile> Elemente(const std::string& datei, long kategorie) {
    SQLite::Database db(datei);
    SQLite::Statement q(db,
                        "select Kategorie, Pos, Funktionscode, Anzeigetext, Geg1PersE, "
                        "ifnull(Phonetisch, ''), ifnull(Bild, '') from Wortelement where "
                        "Kategorie = ? order by Pos");
    q.bind(1, static_cast<std::int64_t>(kategorie));
    std::vector<Zeile> z;
    while (q.executeStep()) {
        z.push_back({q.getColumn(0).getInt(), q.getColumn(1).getInt(), q.getColumn(2).getInt(),
                     q.getColumn(3).getString(), q.getColumn(4).getString(),
                     q.getColumn(5).getString(), q.getColumn(6).getString()});
    }
    return z;
}

long KategorieNr(const std::string& datei, const std::string& name) {
    SQLite::Database db(datei);
    SQLite::Statement q(db, "select [Index] from Kategorie where KatName = ?");
    q.bind(1, name);
    return q.executeStep() ? q.getColumn(0).getInt() : -1;
}

long Anzahl(const std::string& datei, const std::string& tabelle) {
    SQLite::Database db(datei);
    return db.execAndGet("select count(*) from " + tabelle).getInt();
}

class TafelImport : public ::testing::Test {
protected:
    Benutzer m_b;
    std::string m_paket = m_b.ordner.Datei("paket.obz");
    const std::string m_png = Png(4, 4, "eins");

    void SetUp() override {
        // The user has a category "Tiere" already, and a word on the start page.
        auto db = m_b.Db();
        CKategorie k;
        k.SetName("Tiere");
        ASSERT_TRUE(db->SaveKategorie(k, 0));
        CWortelement w({"Hallo"}, 1, 1, "", "Hallo", CWortelement::Wort, "");
        ASSERT_TRUE(db->SaveWortelement(w, 0));
        Zip(m_paket, {{"manifest.json", R"({"root": "start.obf"})"},
                      {"start.obf", R"({"id": "s", "name": "Tiere", "buttons": [
                 {"id": 1, "label": "Hund", "vocalization": "Hunt", "image_id": "h"},
                 {"id": 2, "label": "mehr", "load_board": {"path": "mehr.obf"}}],
               "images": [{"id": "h", "path": "h.dat"}]})"},
                      {"mehr.obf", R"({"id": "m", "name": "Mehr", "buttons": [
                 {"id": 1, "label": "zurück", "load_board": {"id": "s"}},
                 {"id": 2, "label": "kaputt"}]})"},
                      {"h.dat", m_png}});
    }

    bool Importieren(std::string& fehler) {
        const CTafelPaket p = Lesen(m_paket);
        auto db = m_b.Db();
        return CTafelImport::Importieren(p, *db, m_b.ordner.Pfad().string(), fehler);
    }
};

}  // namespace

TEST_F(TafelImport, KategorienElementeUndDerEineLink) {
    std::string fehler;
    std::vector<std::string> schritte;
    const CTafelPaket p = Lesen(m_paket);
    {
        auto db = m_b.Db();
        ASSERT_TRUE(CTafelImport::Importieren(
            p, *db, m_b.ordner.Pfad().string(), fehler,
            [&](std::size_t erledigt, std::size_t gesamt, const std::string& text) {
                schritte.push_back(std::to_string(erledigt) + "/" + std::to_string(gesamt) + " " +
                                   text);
            }))
            << fehler;
    }
    EXPECT_EQ(schritte, (std::vector<std::string>{"0/3 Bilder", "1/3 Tiere", "2/3 Mehr", "3/3 "}));
    const long tiere = KategorieNr(m_b.datei, "Tiere (2)");
    const long mehr = KategorieNr(m_b.datei, "Mehr");
    ASSERT_GT(tiere, 1);
    ASSERT_GT(mehr, 1);

    const std::vector<Zeile> start = Elemente(m_b.datei, 1);
    ASSERT_EQ(start.size(), 2u);
    EXPECT_EQ(start[0].anzeige, "Hallo");  // the user's own, untouched
    EXPECT_EQ(start[1].art, CWortelement::Link);
    EXPECT_EQ(start[1].pos, 2);
    EXPECT_EQ(start[1].anzeige, "Tiere (2)");
    EXPECT_EQ(start[1].wort, "0" + std::to_string(tiere));

    const std::vector<Zeile> t = Elemente(m_b.datei, tiere);
    ASSERT_EQ(t.size(), 2u);
    EXPECT_EQ(t[0].wort, "Hund");
    EXPECT_EQ(t[0].phonetisch, "Hunt");
    EXPECT_EQ(t[0].bild, "bilder\\h.png");  // named after its bytes, not its file
    EXPECT_EQ(t[1].art, CWortelement::Link);
    EXPECT_EQ(t[1].wort, "0" + std::to_string(mehr));
    const std::vector<Zeile> m = Elemente(m_b.datei, mehr);
    EXPECT_EQ(m[0].wort, "0" + std::to_string(tiere));  // the circle back
    EXPECT_EQ(m[1].pos, 2);

    // Again: new names, the same picture reused, another one beside it.
    Schreiben(m_b.ordner.Datei("bilder/h-2.png"), "anderes");
    ASSERT_TRUE(Importieren(fehler)) << fehler;
    EXPECT_GT(KategorieNr(m_b.datei, "Tiere (3)"), 0);
    EXPECT_GT(KategorieNr(m_b.datei, "Mehr (2)"), 0);
    EXPECT_EQ(Elemente(m_b.datei, KategorieNr(m_b.datei, "Tiere (3)"))[0].bild, "bilder\\h.png");
    EXPECT_EQ(Elemente(m_b.datei, 1).size(), 3u);
    EXPECT_TRUE(m_b.dialoge.fehler.empty());
}

TEST_F(TafelImport, FehlschlagLaesstDieDateiWieSieWar) {
    // The file refuses the second board's last element: nothing of the
    // import stays, the copied picture neither.
    {
        SQLite::Database db(m_b.datei, SQLite::OPEN_READWRITE);
        db.exec(
            "create trigger nein before insert on Wortelement when "
            "(select count(*) from Wortelement) >= 4 begin select raise(abort, 'voll'); end");
    }
    const long kategorien = Anzahl(m_b.datei, "Kategorie");
    const long elemente = Anzahl(m_b.datei, "Wortelement");
    std::string fehler;
    EXPECT_FALSE(Importieren(fehler));
    EXPECT_NE(fehler.find("unverändert"), std::string::npos) << fehler;
    EXPECT_EQ(Anzahl(m_b.datei, "Kategorie"), kategorien);
    EXPECT_EQ(Anzahl(m_b.datei, "Wortelement"), elemente);
    EXPECT_FALSE(fs::exists(m_b.ordner.Datei("bilder/h.png")));
    EXPECT_FALSE(m_b.dialoge.fehler.empty());  // the data store said why
}

TEST_F(TafelImport, BelegteDateiNimmtDieBilderZurueck) {
    // Another program holds the file: the transaction cannot begin.
    const CTafelPaket p = Lesen(m_paket);
    CDatenbank::Optionen o;
    o.wartezeitMs = 50;
    CDatenbank db(m_b.datei, m_b.dialoge, m_b.uhr, o);
    db.WaitForCheck();
    SQLite::Database halter(m_b.datei, SQLite::OPEN_READWRITE);
    halter.exec("begin immediate");
    std::string fehler;
    EXPECT_FALSE(CTafelImport::Importieren(p, db, m_b.ordner.Pfad().string(), fehler));
    EXPECT_FALSE(fehler.empty());
    EXPECT_FALSE(fs::exists(m_b.ordner.Datei("bilder/h.png")));
    halter.exec("rollback");
}
