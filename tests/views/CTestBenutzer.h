#pragma once

#include <QDir>
#include <string>
#include <vector>

#include "BenutzerAnlegen.h"
#include "CDatenbank.h"
#include "CTempVerzeichnis.h"
#include "CTestDialoge.h"
#include "CTestUhr.h"
#include "ISprachEngine.h"

// Records every text handed over for speaking.
class CTestEngine : public ISprachEngine {
public:
    explicit CTestEngine(std::vector<std::string>& gesprochen) : m_gesprochen(gesprochen) {}
    bool Sprechen(const std::string& text, int, int) override {
        m_gesprochen.push_back(text);
        return true;
    }
    void Anhalten() override {}

private:
    std::vector<std::string>& m_gesprochen;
};

// A user file "Test.mdb" in a fresh directory, which is made the current one
// (the document resolves pictures against it). Grid 4 x 3. Start category:
// a link to "Viele" (30 words w0..w29, pictured by w0.png..w29.png, files
// not made), the verb gehen, the word Kino spoken as "Ki-no".
class CTestBenutzer {
public:
    CTestBenutzer() : m_alt(QDir::currentPath()) {
        QDir::setCurrent(QString::fromStdString(m_dir.Pfad().string()));
        std::string fehler;
        CreateUserDatabase(Datei(), "Test", "Person", fehler);
        CDatenbank db(Datei(), m_dialoge, m_uhr);
        CBenutzer b;
        db.LoadBenutzer(b);
        b.SetSpalten(4);
        b.SetZeilen(3);
        db.SaveBenutzer(b);

        CKategorie viele;
        viele.SetName("Viele");
        db.SaveKategorie(viele, 0);
        long pos = 0;
        Element(db, 1, ++pos, CWortelement::Link, "Viele", "0" + std::to_string(viele.GetIndex()));
        CWortelement gehen;
        gehen.SetArt(CWortelement::Verb);
        gehen.SetKategorie(1);
        gehen.SetPosition(++pos);
        gehen.SetAnzeigetext("gehen");
        using Z = CWortelement::Zeit;
        using N = CWortelement::Zahl;
        gehen.SetFormen(Z::Gegenwart, N::Einzahl, "gehe", "gehst", "geht");
        gehen.SetFormen(Z::Gegenwart, N::Mehrzahl, "gehen", "geht", "gehen");
        gehen.SetFormen(Z::Vergangenheit, N::Einzahl, "bin gegangen", "bist gegangen",
                        "ist gegangen");
        gehen.SetFormen(Z::Vergangenheit, N::Mehrzahl, "sind gegangen", "seid gegangen",
                        "sind gegangen");
        gehen.SetFormen(Z::Zukunft, N::Einzahl, "werde gehen", "wirst gehen", "wird gehen");
        gehen.SetFormen(Z::Zukunft, N::Mehrzahl, "werden gehen", "werdet gehen", "werden gehen");
        db.SaveWortelement(gehen, 0);
        CWortelement kino = Element(db, 1, ++pos, CWortelement::Wort, "Kino", "Kino");
        kino.SetPhonetisch("Ki-no");
        db.SaveWortelement(kino, kino.GetIndex());
        for (int i = 0; i < 30; ++i) {
            const std::string w = "w" + std::to_string(i);
            CWortelement e = Element(db, viele.GetIndex(), i + 1, CWortelement::Wort, w, w);
            e.SetBild(w + ".png");
            db.SaveWortelement(e, e.GetIndex());
        }
    }
    ~CTestBenutzer() { QDir::setCurrent(m_alt); }

    std::string Datei() const { return m_dir.Datei("Test.mdb"); }
    const CTempVerzeichnis& Verzeichnis() const { return m_dir; }

    CTestDialoge m_dialoge;
    CTestUhr m_uhr;

private:
    static CWortelement Element(CDatenbank& db, long kategorie, long pos, long art,
                                const std::string& text, const std::string& form) {
        CWortelement e;
        e.SetArt(art);
        e.SetKategorie(kategorie);
        e.SetPosition(pos);
        e.SetAnzeigetext(text);
        e.SetForm(0, form);
        db.SaveWortelement(e, 0);
        return e;
    }

    QString m_alt;
    CTempVerzeichnis m_dir;
};
