#pragma once

#include <memory>
#include <string>
#include <vector>

#include "CEditorDaten.h"
#include "DocFixture.h"
#include "IEditorAnsicht.h"
#include "IFortschritt.h"

class CZaehlAnsicht : public IEditorAnsicht {
public:
    void RefreshPage() override { ++anzahl; }
    int anzahl = 0;
};

class CFortschrittsLog : public IFortschritt {
public:
    struct Schritt {
        std::size_t erledigt;
        std::size_t gesamt;
        std::string text;
    };
    void Fortschritt(std::size_t erledigt, std::size_t gesamt, const std::string& text) override {
        schritte.push_back({erledigt, gesamt, text});
    }
    std::vector<Schritt> schritte;
};

// The editor model on the document's test user (DocFixture.h): the start
// category holds Kino, Haus, Ball, gehen and a link to "Essen".
class EditorTest : public DocTest {
protected:
    void SetUp() override {
        DocTest::SetUp();
        NeuesModell();
    }

    void NeuesModell() {
        m_daten.reset();
        m_daten = std::make_unique<CEditorDaten>(*m_doc);
        m_daten->SetEditorView(&m_ansicht);
        m_daten->SetFortschritt(&m_fortschritt);
        m_ansicht.anzahl = 0;
    }

    std::vector<std::string> Liste() {
        std::vector<std::string> texte;
        for (CWortelement* e = m_daten->GetFirstWortelement(); e;
             e = m_daten->GetNextWortelement()) {
            texte.push_back(e->GetAnzeigetext());
        }
        return texte;
    }
    std::vector<long> Positionen() {
        std::vector<long> pos;
        for (CWortelement* e = m_daten->GetFirstWortelement(); e;
             e = m_daten->GetNextWortelement()) {
            pos.push_back(e->GetPosition());
        }
        return pos;
    }
    std::vector<bool> Flags() {
        std::vector<bool> f;
        for (CWortelement* e = m_daten->GetFirstWortelement(); e;
             e = m_daten->GetNextWortelement()) {
            f.push_back(e->GetChanged());
        }
        return f;
    }
    // The captions of a category as the file orders them.
    std::vector<std::string> ImFile(long kategorie) {
        auto db = Roh();
        SQLite::Statement q(db,
                            "select Anzeigetext from Wortelement where Kategorie = ? order by Pos");
        q.bind(1, static_cast<std::int64_t>(kategorie));
        std::vector<std::string> texte;
        while (q.executeStep()) texte.push_back(q.getColumn(0).getString());
        return texte;
    }
    // A category with elements of these captions, Pos 1..n, made through the
    // file so the model finds it as a carer's earlier work.
    long Kategorie(const std::string& name, const std::vector<std::string>& texte) {
        auto db = Roh();
        SQLite::Statement k(db, "insert into Kategorie (KatName, KatNummer) values (?, 0)");
        k.bind(1, name);
        k.exec();
        const long index = static_cast<long>(db.getLastInsertRowid());
        SQLite::Statement e(db,
                            "insert into Wortelement (Kategorie, alteKategorie, Pos, altePos, "
                            "Anzeigetext, Geg1PersE, Funktionscode, Anzahl, Datum) "
                            "values (?, 0, ?, 0, ?, ?, 30, 0, 46000)");
        long pos = 1;
        for (const std::string& t : texte) {
            e.bind(1, static_cast<std::int64_t>(index));
            e.bind(2, static_cast<std::int64_t>(pos++));
            e.bind(3, t);
            e.bind(4, t);
            e.exec();
            e.reset();
        }
        return index;
    }

    CZaehlAnsicht m_ansicht;
    CFortschrittsLog m_fortschritt;
    std::unique_ptr<CEditorDaten> m_daten;
};
