#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include "Beschaedigen.h"
#include "CSicherung.h"
#include "DatenbankFixture.h"

namespace {

void Schreiben(const std::string& pfad, const std::string& inhalt) {
    std::ofstream f(pfad, std::ios::binary);
    f << inhalt;
}

// Every operation of a store that did not open reports and returns false.
void AllesScheitert(CDatenbank& db, CTestDialoge& d) {
    d.Vergessen();
    CBenutzer b;
    CWortButton w;
    CWortelement e;
    CKategorie k;
    CFunktionsTaste t;
    CEmotionsButton em;
    std::vector<std::string> s, p;
    EXPECT_FALSE(db.LoadBenutzer(b));
    EXPECT_FALSE(db.SaveBenutzer(b));
    EXPECT_FALSE(db.FirstWortButton(w, 1));
    EXPECT_FALSE(db.FirstVerb(w));
    EXPECT_FALSE(db.LoadWortelement(e, 1, false));
    EXPECT_FALSE(db.SaveWortelement(e, 0));
    EXPECT_FALSE(db.FirstKategorie(k));
    EXPECT_FALSE(db.FirstFTaste(t));
    EXPECT_FALSE(db.FirstEButton(em));
    EXPECT_FALSE(db.StoreSentence("a ", "a "));
    EXPECT_FALSE(db.SuggestSentences(s, p, "a"));
    EXPECT_EQ(d.fehler.size(), 11u);
}

}  // namespace

class OeffnenTest : public ::testing::Test {
protected:
    CTempVerzeichnis m_dir;
    CTestDialoge m_dialoge;
    CTestUhr m_uhr;
};

TEST_F(OeffnenTest, FilesThatAreNoUserFileGiveOneGermanMessageNamingThem) {
    struct Fall {
        const char* name;
        std::string inhalt;
        const char* erwartet;
    };
    const std::string jet = std::string("\0\1\0\0Standard Jet DB\0", 20) + std::string(200, 'x');
    const std::string ace = std::string("\0\1\0\0Standard ACE DB\0", 20) + std::string(200, 'x');
    const Fall faelle[] = {
        {"alt.mdb", jet, "alten Datenbankformat"},
        {"ace.mdb", ace, "alten Datenbankformat"},
        {"text.mdb", "Das ist keine Datenbank.", "keine Sagwerk-Benutzerdatei"},
        {"leer.mdb", "", "keine Sagwerk-Benutzerdatei"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        const std::string pfad = m_dir.Datei(f.name);
        Schreiben(pfad, f.inhalt);
        m_dialoge.Vergessen();
        CDatenbank db(pfad, m_dialoge, m_uhr);
        EXPECT_FALSE(db.IsOpen());
        ASSERT_EQ(m_dialoge.fehler.size(), 1u);
        EXPECT_NE(m_dialoge.fehler[0].find(f.erwartet), std::string::npos) << m_dialoge.fehler[0];
        EXPECT_NE(m_dialoge.fehler[0].find(f.name), std::string::npos);
        AllesScheitert(db, m_dialoge);
    }
}

TEST_F(OeffnenTest, MissingFileIsNeverCreated) {
    const std::string pfad = m_dir.Datei("Niemand.mdb");
    CDatenbank db(pfad, m_dialoge, m_uhr);
    EXPECT_FALSE(db.IsOpen());
    ASSERT_EQ(m_dialoge.fehler.size(), 1u);
    EXPECT_NE(m_dialoge.fehler[0].find("nicht gefunden"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(pfad));
    AllesScheitert(db, m_dialoge);
}

TEST_F(OeffnenTest, ForeignAndNewerSqliteFilesAreRefused) {
    const std::string fremd = m_dir.Datei("fremd.mdb");
    {
        SQLite::Database db(fremd, SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
        db.exec("create table t (x)");
    }
    {
        CDatenbank db(fremd, m_dialoge, m_uhr);
        EXPECT_FALSE(db.IsOpen());
        ASSERT_EQ(m_dialoge.fehler.size(), 1u);
        EXPECT_NE(m_dialoge.fehler[0].find("keine Sagwerk-Benutzerdatei"), std::string::npos);
    }
    const std::string neuer = m_dir.Datei("neuer.mdb");
    std::string fehler;
    ASSERT_TRUE(CreateUserDatabase(neuer, "A", "B", fehler));
    {
        SQLite::Database db(neuer, SQLite::OPEN_READWRITE);
        db.exec("PRAGMA user_version = 99");
    }
    m_dialoge.Vergessen();
    CDatenbank db(neuer, m_dialoge, m_uhr);
    EXPECT_FALSE(db.IsOpen());
    ASSERT_EQ(m_dialoge.fehler.size(), 1u);
    EXPECT_NE(m_dialoge.fehler[0].find("neueren Sagwerk-Version"), std::string::npos);
}

TEST_F(OeffnenTest, CorruptedFileIsReportedNotCrashed) {
    const std::string pfad = m_dir.Datei("kaputt.mdb");
    std::string fehler;
    ASSERT_TRUE(CreateUserDatabase(pfad, "A", "B", fehler));
    {
        // Keep the header, overwrite the pages behind it: the rest of the
        // first page (the schema's cells sit at its end) and the second.
        std::fstream f(pfad, std::ios::in | std::ios::out | std::ios::binary);
        f.seekp(200);
        const std::string muell(8000, '\x5A');
        f.write(muell.data(), static_cast<std::streamsize>(muell.size()));
    }
    CDatenbank db(pfad, m_dialoge, m_uhr);
    CBenutzer b;
    CWortButton w;
    std::vector<std::string> s, p;
    db.LoadBenutzer(b);
    db.FirstWortButton(w, 1);
    db.StoreSentence("Hallo ", "Hallo ");
    db.SuggestSentences(s, p, "Hallo");
    ASSERT_FALSE(m_dialoge.fehler.empty());
    EXPECT_NE(m_dialoge.fehler[0].find("beschädigt"), std::string::npos) << m_dialoge.fehler[0];
}

TEST_F(OeffnenTest, ReadOnlyFileIsReadableAndEveryWriteSaysWhy) {
    const std::string pfad = m_dir.Datei("Nur.mdb");
    std::string fehler;
    ASSERT_TRUE(CreateUserDatabase(pfad, "Nur", "Lesen", fehler));
    {
        CDatenbank db(pfad, m_dialoge, m_uhr);
        ASSERT_TRUE(db.StoreSentence("schon da ", "schon da "));
    }
    std::filesystem::permissions(pfad, std::filesystem::perms::owner_read |
                                           std::filesystem::perms::group_read |
                                           std::filesystem::perms::others_read);
    const auto groesse = std::filesystem::file_size(pfad);
    CDatenbank db(pfad, m_dialoge, m_uhr);
    ASSERT_TRUE(db.IsOpen());
    EXPECT_TRUE(db.IsReadOnly());
    // Said once when opening, as a notice that holds nothing up.
    EXPECT_TRUE(m_dialoge.fehler.empty());
    ASSERT_EQ(m_dialoge.hinweise.size(), 1u);
    EXPECT_NE(m_dialoge.hinweise[0].find("schreibgeschützt"), std::string::npos);
    m_dialoge.Vergessen();

    CBenutzer b;
    EXPECT_TRUE(db.LoadBenutzer(b));
    EXPECT_EQ(b.GetVorname(), "Nur");
    CFunktionsTaste t;
    EXPECT_TRUE(db.FirstFTaste(t));
    std::vector<std::string> s, p;
    EXPECT_TRUE(db.SuggestSentences(s, p, "da"));
    EXPECT_EQ(s.size(), 1u);
    EXPECT_TRUE(m_dialoge.fehler.empty());  // reading, stamps and counters stay silent

    CKategorie k;
    EXPECT_FALSE(db.SaveBenutzer(b));
    EXPECT_FALSE(db.SaveKategorie(k, 0));
    EXPECT_FALSE(db.StoreSentence("neu ", "neu "));
    ASSERT_EQ(m_dialoge.fehler.size(), 3u);
    for (const auto& f : m_dialoge.fehler) EXPECT_NE(f.find("schreibgeschützt"), std::string::npos);
    EXPECT_EQ(std::filesystem::file_size(pfad), groesse);
}

TEST_F(OeffnenTest, LockedFileWaitsForTheOtherProgram) {
    const std::string pfad = m_dir.Datei("Gesperrt.mdb");
    std::string fehler;
    ASSERT_TRUE(CreateUserDatabase(pfad, "A", "B", fehler));
    CDatenbank db(pfad, m_dialoge, m_uhr);
    ASSERT_TRUE(db.IsOpen());

    // Another connection holds the file for a moment; the write waits for it.
    auto anderer = std::make_unique<SQLite::Database>(pfad, SQLite::OPEN_READWRITE);
    anderer->exec("BEGIN EXCLUSIVE");
    std::thread freigeben([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        anderer->exec("COMMIT");
    });
    EXPECT_TRUE(db.StoreSentence("gewartet ", "gewartet "));
    freigeben.join();
    EXPECT_TRUE(m_dialoge.fehler.empty());

    // Held for longer than the wait: reported in German, nothing half done.
    anderer->exec("BEGIN EXCLUSIVE");
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(db.StoreSentence("zu lange ", "zu lange "));
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    ASSERT_EQ(m_dialoge.fehler.size(), 1u);
    EXPECT_NE(m_dialoge.fehler[0].find("anderen Programm"), std::string::npos)
        << m_dialoge.fehler[0];
    anderer->exec("COMMIT");
}

TEST(BenutzerAnlegen, RefusesToOverwriteAndLeavesNothingBehind) {
    CTempVerzeichnis dir;
    const std::string pfad = dir.Datei("Anna.mdb");
    std::string fehler;
    ASSERT_TRUE(CreateUserDatabase(pfad, "Anna", "Berg", fehler));
    const auto groesse = std::filesystem::file_size(pfad);
    EXPECT_FALSE(CreateUserDatabase(pfad, "Andere", "Person", fehler));
    EXPECT_NE(fehler.find("gibt es schon"), std::string::npos);
    EXPECT_EQ(std::filesystem::file_size(pfad), groesse);

    EXPECT_FALSE(CreateUserDatabase(dir.Datei("fehlt/Ben.mdb"), "Ben", "X", fehler));
    EXPECT_NE(fehler.find("kann nicht angelegt werden"), std::string::npos);
    // Only the one user file is in the directory: no temporary left over.
    int dateien = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.Pfad()))
        ++dateien;
    EXPECT_EQ(dateien, 1);

    SQLite::Database db(pfad, SQLite::OPEN_READONLY);
    EXPECT_EQ(db.execAndGet("PRAGMA application_id").getInt(), CDatenbank::kApplicationId);
    EXPECT_EQ(db.execAndGet("PRAGMA user_version").getInt(), CDatenbank::kSchemaVersion);
    EXPECT_EQ(db.execAndGet("select count(*) from FTasten").getInt(), 20);
}

TEST_F(OeffnenTest, OneProgramPerUserFile) {
    const std::string anna = m_dir.Datei("Anna.mdb");
    const std::string ben = m_dir.Datei("Ben.mdb");
    std::string fehler;
    ASSERT_TRUE(CreateUserDatabase(anna, "Anna", "", fehler));
    ASSERT_TRUE(CreateUserDatabase(ben, "Ben", "", fehler));
    CDatenbank::Optionen allein;
    allein.nurEinProgramm = true;
    auto erste = std::make_unique<CDatenbank>(anna, m_dialoge, m_uhr, allein);
    ASSERT_TRUE(erste->IsOpen());
    {
        CDatenbank zweite(anna, m_dialoge, m_uhr, allein);
        EXPECT_FALSE(zweite.IsOpen());
        ASSERT_EQ(m_dialoge.fehler.size(), 1u);
        EXPECT_NE(m_dialoge.fehler[0].find("anderen Sagwerk"), std::string::npos);
        // Another user in the same folder is no concern.
        CDatenbank andere(ben, m_dialoge, m_uhr, allein);
        EXPECT_TRUE(andere.IsOpen());
    }
    // The same file under another name (a link) is the same user.
    const std::string hart = m_dir.Datei("Hart.mdb");
    const std::string weich = m_dir.Datei("Weich.mdb");
    std::filesystem::create_hard_link(anna, hart);
    std::filesystem::create_symlink(anna, weich);
    for (const std::string& name : {hart, weich}) {
        CDatenbank verlinkt(name, m_dialoge, m_uhr, allein);
        EXPECT_FALSE(verlinkt.IsOpen()) << name;
    }
    // Nor is a backup put under the program's feet.
    const CSicherung sicherung(anna);
    ASSERT_TRUE(sicherung.Anlegen("2026-12-09", fehler)) << fehler;
    const std::string vorher = Inhalt(anna);
    EXPECT_FALSE(sicherung.Wiederherstellen(sicherung.Liste().front(), "2026-12-09-120000", fehler));
    EXPECT_NE(fehler.find("anderen Sagwerk"), std::string::npos) << fehler;
    EXPECT_EQ(Inhalt(anna), vorher);
    EXPECT_EQ(sicherung.Liste().size(), 1u);

    erste.reset();
    CDatenbank dritte(anna, m_dialoge, m_uhr, allein);
    EXPECT_TRUE(dritte.IsOpen());
    EXPECT_EQ(m_dialoge.fehler.size(), 3u);
}
