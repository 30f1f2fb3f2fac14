#pragma once

#include <gtest/gtest.h>

#include <SQLiteCpp/SQLiteCpp.h>

#include <memory>
#include <string>
#include <vector>

#include "BenutzerAnlegen.h"
#include "CAufnahmeEngine.h"
#include "CDatenbank.h"
#include "CSagwerkDoc.h"
#include "CTempVerzeichnis.h"
#include "CTestDialoge.h"
#include "CTestUhr.h"
#include "ISagwerkBeobachter.h"

class CZaehlBeobachter : public ISagwerkBeobachter {
public:
    void OnUpdate() override { ++anzahl; }
    int anzahl = 0;
};

// A fresh user file (Anna Berg) with a small vocabulary, and a document on
// it that speaks into a recording engine.
//
// Category 1: Kino (Ki-no), Haus (phonetic "NULL"), Ball (no phonetic text),
//             the verb gehen, a link to category 2.
// Category 2: Apfel, the verb essen, a link back to category 1.
class DocTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_pfad = m_dir.Datei("Anna.mdb");
        std::string fehler;
        ASSERT_TRUE(CreateUserDatabase(m_pfad, "Anna", "Berg", fehler)) << fehler;
        Vokabular();
        Vorbereiten();
        NeuesDokument();
    }

    // For tests that change the file before the document opens it.
    virtual void Vorbereiten() {}

    void NeuesDokument() {
        m_doc.reset();
        m_log.clear();
        m_doc = std::make_unique<CSagwerkDoc>(m_dialoge, m_uhr,
                                              std::make_unique<CAufnahmeEngine>(m_log));
        m_doc->AddObserver(&m_beobachter);
        // Another program holding the file is waited for briefly here, so
        // that the tests of a held file are quick.
        CDatenbank::Optionen optionen;
        optionen.wartezeitMs = 500;
        m_doc->SetDatenbankOptionen(optionen);
        ASSERT_TRUE(m_doc->OpenUser(m_pfad));
        m_beobachter.anzahl = 0;
    }

    // The test's own look into the file waits a moment for the program's
    // background readers and writers (the prediction reads the memory).
    SQLite::Database Roh() { return SQLite::Database(m_pfad, SQLite::OPEN_READWRITE, 2000); }
    long long Zahl(const std::string& sql) { return Roh().execAndGet(sql).getInt64(); }

    // Every form column holds its own name, e.g. "ging:Ver2PersE".
    static CWortelement Verb(long kategorie, long pos, const std::string& grundform,
                             const std::string& phonetisch = "") {
        CWortelement::Formen formen;
        for (int i = 0; i < CWortelement::kFormen; ++i) {
            formen[i] = grundform + ":" + CWortelement::SpaltenName(i);
        }
        return CWortelement(formen, pos, kategorie, "", grundform, CWortelement::Verb, phonetisch);
    }
    static CWortelement Wort(long kategorie, long pos, const std::string& wort,
                             const std::string& phonetisch) {
        CWortelement::Formen formen;
        formen[0] = wort;
        return CWortelement(formen, pos, kategorie, "", wort, CWortelement::Wort, phonetisch);
    }
    static CWortelement Link(long kategorie, long pos, long ziel, const std::string& name) {
        CWortelement::Formen formen;
        formen[0] = std::to_string(ziel);
        return CWortelement(formen, pos, kategorie, "", name, CWortelement::Link, "");
    }

    void Vokabular() {
        CTestDialoge dialoge;
        CTestUhr uhr;
        CDatenbank db(m_pfad, dialoge, uhr);
        ASSERT_TRUE(db.IsOpen());
        CKategorie k;
        k.SetName("Essen");
        k.SetNummer(2);
        ASSERT_TRUE(db.SaveKategorie(k, 0));
        m_nKategorie2 = k.GetIndex();
        std::vector<CWortelement> elemente = {
            Wort(1, 1, "Kino", "Ki-no"),
            Wort(1, 2, "Haus", "NULL"),
            Wort(1, 3, "Ball", ""),
            Verb(1, 4, "gehen", "geeen"),
            Link(1, 5, m_nKategorie2, "Essen"),
            Wort(m_nKategorie2, 1, "Apfel", ""),
            Verb(m_nKategorie2, 2, "essen"),
            Link(m_nKategorie2, 3, 1, "Start"),
        };
        for (CWortelement& e : elemente) {
            ASSERT_TRUE(db.SaveWortelement(e, 0));
            m_indexe.push_back(e.GetIndex());
        }
        ASSERT_TRUE(dialoge.fehler.empty());
    }

    std::vector<std::string> Texte() {
        std::vector<std::string> t;
        for (const CWortButton* b = m_doc->GetFirstElement(); b; b = m_doc->GetNextElement()) {
            t.push_back(b->GetText());
        }
        return t;
    }

    CTempVerzeichnis m_dir;
    std::string m_pfad;
    long m_nKategorie2 = 0;
    std::vector<long> m_indexe;
    CTestDialoge m_dialoge;
    CTestUhr m_uhr{46000.75};
    std::vector<CAufnahmeEngine::Aufnahme> m_log;
    CZaehlBeobachter m_beobachter;
    std::unique_ptr<CSagwerkDoc> m_doc;
};

// Positions in category 1.
constexpr int kKino = 0, kHaus = 1, kBall = 2, kGehen = 3, kLinkEssen = 4;
// Positions in category 2.
constexpr int kApfel = 0, kEssen = 1, kLinkStart = 2;
