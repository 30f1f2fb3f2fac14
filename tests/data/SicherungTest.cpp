#include <gtest/gtest.h>

#include <sqlite3.h>

#include <filesystem>
#include <fstream>

#include "Beschaedigen.h"
#include "CSicherung.h"
#include "DatenbankFixture.h"

namespace fs = std::filesystem;

namespace {

std::vector<std::string> Tage(const CSicherung& s) {
    std::vector<std::string> tage;
    for (const auto& e : s.Liste()) tage.push_back((e.ersetzt ? "ersetzt " : "") + e.datum);
    return tage;
}

}  // namespace

TEST(SicherungTest, BackupsAreCheckedThinnedAndRestoredKeepingTheReplacedFile) {
    CTempVerzeichnis dir;
    const std::string datei = dir.Datei("Anna.mdb");
    std::string fehler;
    ASSERT_TRUE(CreateUserDatabase(datei, "Anna", "Berg", fehler)) << fehler;
    const CSicherung s(datei);
    ASSERT_TRUE(s.Anlegen("2026-12-08", fehler)) << fehler;
    EXPECT_EQ(CSicherung::Pruefen(s.Liste().front().pfad, fehler), CSicherung::Befund::Gesund);

    // A month of daily backups: the seven newest stay, and the newest of
    // each of the four weeks before them.
    for (int tag = 1; tag <= 30; ++tag) {
        char name[32];
        std::snprintf(name, sizeof name, "Anna.2026-11-%02d.mdb", tag);
        fs::copy_file(s.Liste().front().pfad, fs::path(s.GetOrdner()) / name);
    }
    s.Ausduennen();
    EXPECT_EQ(Tage(s), (std::vector<std::string>{"2026-12-08", "2026-11-30", "2026-11-29",
                                                 "2026-11-28", "2026-11-27", "2026-11-26",
                                                 "2026-11-25", "2026-11-24", "2026-11-17",
                                                 "2026-11-10", "2026-11-03"}));

    IndexSeiteZerstoeren(datei, "VerbindungSatz");
    EXPECT_EQ(CSicherung::Pruefen(datei, fehler), CSicherung::Befund::Beschaedigt);
    const std::string beschaedigt = Inhalt(datei);
    // Twice within the same second: both replaced files are kept.
    ASSERT_TRUE(s.Wiederherstellen(s.Liste().front(), "2026-12-08-120000", fehler)) << fehler;
    ASSERT_TRUE(s.Wiederherstellen(s.Liste().front(), "2026-12-08-120000", fehler)) << fehler;
    EXPECT_EQ(CSicherung::Pruefen(datei, fehler), CSicherung::Befund::Gesund) << fehler;
    const auto liste = s.Liste();
    ASSERT_EQ(liste.size(), 13u);
    EXPECT_TRUE(liste[11].ersetzt && liste[12].ersetzt);
    EXPECT_EQ(Inhalt(liste[12].pfad), beschaedigt);

    // A backup that has rotted since is not put in place.
    IndexSeiteZerstoeren(liste[1].pfad, "VerbindungSatz");
    const std::string vorher = Inhalt(datei);
    EXPECT_FALSE(s.Wiederherstellen(liste[1], "2026-12-08-130000", fehler));
    EXPECT_NE(fehler.find("beschädigt"), std::string::npos) << fehler;
    EXPECT_EQ(Inhalt(datei), vorher);
    EXPECT_EQ(s.Liste().size(), 13u);
}

// A backup killed half way leaves its temporary file; the next backup
// removes it (and only those of processes that no longer run).
TEST(SicherungTest, WhatAKilledBackupLeftIsRemovedBeforeTheNext) {
    CTempVerzeichnis dir;
    const std::string datei = dir.Datei("Anna.mdb");
    std::string fehler;
    ASSERT_TRUE(CreateUserDatabase(datei, "Anna", "Berg", fehler)) << fehler;
    const CSicherung s(datei);
    fs::create_directories(s.GetOrdner());
    const fs::path tot = fs::path(s.GetOrdner()) / ".Anna.999999999.neu";
    const fs::path fremd = fs::path(s.GetOrdner()) / ".Ben.999999999.neu";
    for (const fs::path& p : {tot, fremd}) std::ofstream(p) << "halb";
    ASSERT_TRUE(s.Anlegen("2026-12-09", fehler)) << fehler;
    EXPECT_FALSE(fs::exists(tot));
    EXPECT_TRUE(fs::exists(fremd));
    EXPECT_EQ(s.Liste().size(), 1u);
}

TEST(PruefungTest, ADamagedFileIsReadButNeverWritten) {
    CTempVerzeichnis dir;
    const std::string datei = dir.Datei("Anna.mdb");
    std::string fehler;
    ASSERT_TRUE(CreateUserDatabase(datei, "Anna", "Berg", fehler)) << fehler;
    IndexSeiteZerstoeren(datei, "VerbindungSatz");
    const std::string vorher = Inhalt(datei);
    // Checked while opening, and in the background as a big file is.
    for (std::int64_t sofortBis : {std::int64_t{2} << 20, std::int64_t{0}}) {
        CTestDialoge dialoge;
        CTestUhr uhr;
        CDatenbank::Optionen optionen;
        optionen.sofortPruefenBis = sofortBis;
        CDatenbank db(datei, dialoge, uhr, optionen);
        db.WaitForCheck();
        EXPECT_TRUE(db.IsDamaged());
        CBenutzer benutzer;
        EXPECT_TRUE(db.LoadBenutzer(benutzer));
        EXPECT_EQ(benutzer.GetVorname(), "Anna");
        CWortelement element;
        db.LoadWortelement(element, 1, false);
        EXPECT_FALSE(db.StoreSentencesStill({{"ich möchte ", "ich möchte "}}, fehler));
        EXPECT_EQ(fehler, "Die Benutzerdatei ist beschädigt.");
        CKategorie kategorie;
        kategorie.SetName("Neu");
        EXPECT_FALSE(db.SaveKategorie(kategorie, 0));
        ASSERT_EQ(dialoge.fehler.size(), 1u);
        EXPECT_NE(dialoge.fehler[0].find("Sicherung wiederherstellen"), std::string::npos);
    }
    EXPECT_EQ(Inhalt(datei), vorher);
}

TEST(PruefungTest, AWriteProtectedFileWithTheJournalOfACrashOpensUntouched) {
    CTempVerzeichnis dir;
    const std::string datei = dir.Datei("Anna.mdb");
    std::string fehler;
    ASSERT_TRUE(CreateUserDatabase(datei, "Anna", "Berg", fehler)) << fehler;
    // What a program that dies in the middle of a big write leaves behind:
    // the file half written and the journal to take that back.
    {
        const std::string quelle = dir.Datei("Quelle.mdb");
        ASSERT_TRUE(CreateUserDatabase(quelle, "Anna", "Berg", fehler)) << fehler;
        SQLite::Database db(quelle, SQLite::OPEN_READWRITE);
        db.exec("PRAGMA cache_size = 1");
        db.exec("BEGIN");
        for (int i = 0; i < 2000; ++i) {
            db.exec("insert into Satzspeicher (Satz, PSatz, SatzSuche, Anzahl) values ('a', 'a', "
                    "'a" + std::to_string(i) + "', 1)");
        }
        fs::remove(datei);
        fs::copy_file(quelle, datei);
        fs::copy_file(quelle + "-journal", datei + "-journal");
        db.exec("ROLLBACK");
    }
    fs::permissions(datei, fs::perms::owner_read);
    const std::string vorher = Inhalt(datei);
    const std::string journal = Inhalt(datei + "-journal");
    {
        CTestDialoge dialoge;
        CTestUhr uhr;
        CDatenbank db(datei, dialoge, uhr);
        ASSERT_TRUE(db.IsOpen()) << (dialoge.fehler.empty() ? "" : dialoge.fehler[0]);
        EXPECT_TRUE(db.IsReadOnly());
        CBenutzer benutzer;
        EXPECT_TRUE(db.LoadBenutzer(benutzer));
        EXPECT_EQ(db.CountSentences(), 0);  // the cut-off write is not there
        EXPECT_TRUE(dialoge.fehler.empty());
    }
    EXPECT_EQ(Inhalt(datei), vorher);
    EXPECT_EQ(Inhalt(datei + "-journal"), journal);
}

namespace {

sqlite3_vfs* g_echt = nullptr;
int g_ordnerGesichert = 0;

int LoeschenUndZaehlen(sqlite3_vfs*, const char* name, int ordnerSichern) {
    if (ordnerSichern != 0 && std::string(name).ends_with("-journal")) ++g_ordnerGesichert;
    return g_echt->xDelete(g_echt, name, ordnerSichern);
}

}  // namespace

// A power cut right after a commit must not bring the journal back: the
// folder is synced once the journal is deleted.
TEST(PruefungTest, ACommitSyncsTheFolderOnceItsJournalIsDeleted) {
    CTempVerzeichnis dir;
    const std::string datei = dir.Datei("Anna.mdb");
    std::string fehler;
    ASSERT_TRUE(CreateUserDatabase(datei, "Anna", "Berg", fehler)) << fehler;
    g_echt = sqlite3_vfs_find(nullptr);
    sqlite3_vfs zaehlend = *g_echt;
    zaehlend.zName = "zaehlend";
    zaehlend.xDelete = &LoeschenUndZaehlen;
    sqlite3_vfs_register(&zaehlend, 1);
    {
        CTestDialoge dialoge;
        CTestUhr uhr;
        CDatenbank db(datei, dialoge, uhr);
        g_ordnerGesichert = 0;
        EXPECT_TRUE(db.StoreSentence("ich möchte ", "ich möchte "));
        EXPECT_EQ(g_ordnerGesichert, 1);
    }
    sqlite3_vfs_unregister(&zaehlend);
    sqlite3_vfs_register(g_echt, 1);
}
