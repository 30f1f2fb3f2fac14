#pragma once

#include <gtest/gtest.h>

#include <SQLiteCpp/SQLiteCpp.h>

#include <memory>
#include <string>

#include "BenutzerAnlegen.h"
#include "CDatenbank.h"
#include "CTempVerzeichnis.h"
#include "CTestDialoge.h"
#include "CTestUhr.h"

// A fresh user file per test, opened through the data store; `roh` reaches
// the same file directly for setting up and checking rows.
class DatenbankTest : public ::testing::Test {
protected:
    void SetUp() override { Anlegen("Test.mdb"); }

    // A new user file in the test's directory, opened.
    void Anlegen(const std::string& name) {
        m_pfad = m_dir.Datei(name);
        std::string fehler;
        ASSERT_TRUE(CreateUserDatabase(m_pfad, "Anna", "Berg", fehler)) << fehler;
        Oeffnen();
    }

    void Oeffnen() {
        m_db.reset();
        m_db = std::make_unique<CDatenbank>(m_pfad, m_dialoge, m_uhr);
        ASSERT_TRUE(m_db->IsOpen());
    }

    SQLite::Database Roh() { return SQLite::Database(m_pfad, SQLite::OPEN_READWRITE); }

    long long Zahl(const std::string& sql) { return Roh().execAndGet(sql).getInt64(); }

    CWortelement Element(long kategorie, long pos, const std::string& text, long art) {
        CWortelement::Formen formen;
        formen[0] = text;
        return CWortelement(formen, pos, kategorie, "", text, art, text);
    }

    long NeuesElement(long kategorie, long pos, const std::string& text,
                      long art = CWortelement::Wort) {
        CWortelement w = Element(kategorie, pos, text, art);
        EXPECT_TRUE(m_db->SaveWortelement(w, 0));
        return w.GetIndex();
    }

    CTempVerzeichnis m_dir;
    std::string m_pfad;
    CTestDialoge m_dialoge;
    CTestUhr m_uhr{46000.75};
    std::unique_ptr<CDatenbank> m_db;
};
