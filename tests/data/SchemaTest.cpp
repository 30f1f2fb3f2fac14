#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <sstream>

#include "DatenbankFixture.h"

namespace {

// Every row of every table the file had, as text: what an upgrade must keep.
std::map<std::string, std::string> Inhalt(const std::string& pfad) {
    SQLite::Database db(pfad, SQLite::OPEN_READONLY);
    std::map<std::string, std::string> tabellen;
    SQLite::Statement namen(db, "select name from sqlite_master where type = 'table'");
    while (namen.executeStep()) {
        const std::string name = namen.getColumn(0).getString();
        SQLite::Statement q(db, "select * from [" + name + "]");
        std::multiset<std::string> zeilen;
        while (q.executeStep()) {
            std::string zeile;
            for (int i = 0; i < q.getColumnCount(); ++i) zeile += q.getColumn(i).getString() + "|";
            zeilen.insert(zeile);
        }
        for (const std::string& z : zeilen) tabellen[name] += z + "\n";
    }
    return tabellen;
}

}  // namespace

// A file made by the program of schema 1 (the demo user after a few
// sentences): opened, it gets the table of how the person operates the
// program, and keeps every row it had.
TEST_F(DatenbankTest, AFileOfTheFirstSchemaIsBroughtUpWithNothingLost) {
    const std::string alt = m_dir.Datei("Alt.mdb");
    std::filesystem::copy_file(SAGWERK_DATEN_DIR "/Schema1.mdb", alt);
    const auto vorher = Inhalt(alt);
    ASSERT_EQ(SQLite::Database(alt).execAndGet("PRAGMA user_version").getInt(), 1);

    // Write-protected, it is used as it is: the defaults, nothing written.
    std::filesystem::permissions(alt, std::filesystem::perms::owner_read);
    {
        CDatenbank db(alt, m_dialoge, m_uhr);
        CBedienung b;
        b.modus = CBedienung::Tastatur;
        EXPECT_TRUE(db.LoadBedienung(b));
        EXPECT_EQ(b, CBedienung{});
        EXPECT_FALSE(db.SaveBedienung(b));  // and says why, once
        EXPECT_EQ(m_dialoge.fehler.size(), 1u);
        m_dialoge.Vergessen();
    }
    std::filesystem::permissions(alt, std::filesystem::perms::owner_read |
                                          std::filesystem::perms::owner_write);
    EXPECT_EQ(SQLite::Database(alt).execAndGet("PRAGMA user_version").getInt(), 1);

    {
        CDatenbank db(alt, m_dialoge, m_uhr);
        db.WaitForCheck();
        CBedienung b;
        EXPECT_TRUE(db.LoadBedienung(b));
        EXPECT_EQ(b, CBedienung{});
        b = {CBedienung::EinSchalter, 2000, 1200, 400};
        EXPECT_TRUE(db.SaveBedienung(b));
    }
    auto nachher = Inhalt(alt);
    EXPECT_EQ(nachher.erase("Bedienung"), 1u);
    // The four buttons of articles and case come after the file's own.
    {
        SQLite::Database neu(alt, SQLite::OPEN_READONLY);
        EXPECT_EQ(neu.execAndGet("select group_concat(FCode) from (select FCode from FTasten "
                                 "where Pos > 16 order by Pos)")
                      .getString(),
                  "30,31,32,33");
    }
    // Every other row as it was: Index|Text|FCode|...
    std::string tasten;
    std::istringstream zeilen(nachher["FTasten"]);
    for (std::string z; std::getline(zeilen, z);) {
        const std::size_t a = z.find('|', z.find('|') + 1) + 1;
        const std::string code = z.substr(a, z.find('|', a) - a);
        if (code != "30" && code != "31" && code != "32" && code != "33") tasten += z + "\n";
    }
    nachher["FTasten"] = tasten;
    const auto folge = nachher["sqlite_sequence"].find("FTasten|20");
    if (folge != std::string::npos) nachher["sqlite_sequence"].replace(folge, 10, "FTasten|16");
    EXPECT_EQ(nachher, vorher);
    SQLite::Database roh(alt, SQLite::OPEN_READWRITE);
    EXPECT_EQ(roh.execAndGet("PRAGMA user_version").getInt(), CSchema::kVersion);
    EXPECT_EQ(roh.execAndGet("select count(*) from Bedienung").getInt(), 1);

    // Read back as saved; values another tool put out of range are brought
    // into it.
    CDatenbank db(alt, m_dialoge, m_uhr);
    CBedienung b;
    ASSERT_TRUE(db.LoadBedienung(b));
    EXPECT_EQ(b, (CBedienung{CBedienung::EinSchalter, 2000, 1200, 400}));
    roh.exec("update Bedienung set Modus = 9, Schrittzeit = 50, Verweilzeit = 99999");
    ASSERT_TRUE(db.LoadBedienung(b));
    EXPECT_EQ(b, (CBedienung{CBedienung::Maus, CBedienung::kSchrittMin, CBedienung::kVerweilMax, 400}));
    EXPECT_TRUE(m_dialoge.fehler.empty());
}

TEST_F(DatenbankTest, ANewFileHasTheNewestSchemaWithTheDefaults) {
    EXPECT_EQ(Zahl("PRAGMA user_version"), CSchema::kVersion);
    CBedienung b;
    b.modus = CBedienung::Verweilen;
    ASSERT_TRUE(m_db->LoadBedienung(b));
    EXPECT_EQ(b, CBedienung{});
}

// A flipped bit in an index's expression leaves a schema SQLite cannot read
// ("unknown function"): that is damage, and the file is not brought up.
TEST_F(DatenbankTest, AnUnreadableSchemaIsDamageAndIsNotBroughtUp) {
    m_db.reset();
    {
        SQLite::Database roh(m_pfad, SQLite::OPEN_READWRITE);
        roh.exec("PRAGMA writable_schema = ON");
        roh.exec("update sqlite_master set sql = replace(sql, 'replace(', 'veplace(') "
                 "where name = 'SatzspeicherOrdnung'");
        roh.exec("PRAGMA user_version = 1");
    }
    std::ifstream a(m_pfad, std::ios::binary);
    const std::string vorher((std::istreambuf_iterator<char>(a)), {});
    {
        CDatenbank db(m_pfad, m_dialoge, m_uhr);
        db.WaitForCheck();
        EXPECT_TRUE(db.IsDamaged());
        EXPECT_FALSE(db.SaveBedienung(CBedienung{}));
    }
    std::ifstream b(m_pfad, std::ios::binary);
    EXPECT_EQ(std::string((std::istreambuf_iterator<char>(b)), {}), vorher);
}

// A file of schema 2 (operation settings, no word prediction yet): the
// prediction is on for it, write-protected without a word and without
// writing, and once it is brought up it keeps the settings it had.
TEST_F(DatenbankTest, AFileOfTheSecondSchemaGetsThePredictionSwitchedOn) {
    m_db.reset();
    {
        SQLite::Database roh(m_pfad, SQLite::OPEN_READWRITE);
        for (const char* spalte : {"Wortvorhersage", "Annahmezeit", "Erstzeit", "Weiter", "Ansage",
                                   "Schalter1", "Schalter2"})
            roh.exec(std::string("ALTER TABLE Bedienung DROP COLUMN ") + spalte);
        // What later steps made goes as well: this is a file of schema 2.
        roh.exec("DROP TABLE IF EXISTS Nomen; DROP TABLE IF EXISTS Nachgeholt");
        roh.exec("update Bedienung set Modus = 1, Schrittzeit = 2500");
        roh.exec("PRAGMA user_version = 2");
    }
    const CBedienung vorher{CBedienung::EinSchalter, 2500, 1000, 300};
    std::filesystem::permissions(m_pfad, std::filesystem::perms::owner_read);
    {
        CDatenbank db(m_pfad, m_dialoge, m_uhr);
        db.WaitForCheck();
        CBedienung b;
        b.wortvorhersage = false;
        EXPECT_TRUE(db.LoadBedienung(b));
        EXPECT_EQ(b, vorher);
        EXPECT_TRUE(b.wortvorhersage);
    }
    EXPECT_TRUE(m_dialoge.fehler.empty());
    std::filesystem::permissions(m_pfad, std::filesystem::perms::owner_read |
                                             std::filesystem::perms::owner_write);
    EXPECT_EQ(Zahl("PRAGMA user_version"), 2);

    Oeffnen();
    m_db->WaitForCheck();
    EXPECT_EQ(Zahl("PRAGMA user_version"), CSchema::kVersion);
    CBedienung b;
    ASSERT_TRUE(m_db->LoadBedienung(b));
    EXPECT_EQ(b, vorher);
    b.wortvorhersage = false;
    ASSERT_TRUE(m_db->SaveBedienung(b));
    Oeffnen();
    CBedienung gelesen;
    ASSERT_TRUE(m_db->LoadBedienung(gelesen));
    EXPECT_FALSE(gelesen.wortvorhersage);
    EXPECT_EQ(Zahl("select count(*) from Bedienung"), 1);
    EXPECT_TRUE(m_dialoge.fehler.empty());
}

// A file of schema 3 gets the switch settings with what a person had
// (Space and Enter, no extra times); all of them are kept as saved, and a
// switch key named twice or not at all is brought to sense.
TEST_F(DatenbankTest, AFileOfTheThirdSchemaGetsTheSwitchSettings) {
    m_db.reset();
    {
        SQLite::Database roh(m_pfad, SQLite::OPEN_READWRITE);
        for (const char* spalte : {"Annahmezeit", "Erstzeit", "Weiter", "Ansage", "Schalter1",
                                   "Schalter2"})
            roh.exec(std::string("ALTER TABLE Bedienung DROP COLUMN ") + spalte);
        roh.exec("DROP TABLE IF EXISTS Nomen; DROP TABLE IF EXISTS Nachgeholt");
        roh.exec("update Bedienung set Modus = 2, Wortvorhersage = 0");
        roh.exec("PRAGMA user_version = 3");
    }
    Oeffnen();
    m_db->WaitForCheck();
    EXPECT_EQ(Zahl("PRAGMA user_version"), CSchema::kVersion);
    CBedienung b;
    ASSERT_TRUE(m_db->LoadBedienung(b));
    CBedienung erwartet{CBedienung::ZweiSchalter, 1500, 1000, 300, false};
    EXPECT_EQ(b, erwartet);
    EXPECT_EQ(b.schalter1, CBedienung::kLeertaste);
    EXPECT_EQ(b.schalter2, CBedienung::kEingabetaste);

    b = {CBedienung::Invers, 800, 1000, 150, true, 250, 700, CBedienung::Gruppe, true, 'A', 0};
    ASSERT_TRUE(m_db->SaveBedienung(b));
    Oeffnen();
    CBedienung gelesen;
    ASSERT_TRUE(m_db->LoadBedienung(gelesen));
    EXPECT_EQ(gelesen, b);

    Roh().exec("update Bedienung set Schalter1 = 0, Schalter2 = 66, Weiter = 7, Annahmezeit = -5");
    ASSERT_TRUE(m_db->LoadBedienung(gelesen));
    EXPECT_EQ(gelesen.schalter1, 66);
    EXPECT_EQ(gelesen.schalter2, 0);
    EXPECT_EQ(gelesen.weiter, CBedienung::Anfang);
    EXPECT_EQ(gelesen.annahmezeit, 0);
    Roh().exec("update Bedienung set Schalter1 = 66, Schalter2 = 66");
    ASSERT_TRUE(m_db->LoadBedienung(gelesen));
    EXPECT_EQ(gelesen.schalter2, 0);
    EXPECT_TRUE(m_dialoge.fehler.empty());
}
