// The data store: the vocabulary. The lists walked with their cursors
// (elements of a category, verbs, function keys, emotion buttons,
// categories), reading an element for a click, and saving and deleting
// elements, buttons and categories.

#include <SQLiteCpp/SQLiteCpp.h>
#include <sqlite3.h>

#include <cmath>
#include <optional>

#include "CDatenbank.h"
#include "CZaehlerSchreiber.h"
#include "DatenbankIntern.h"
#include "IUhr.h"
#include "Konvertierung.h"

using spalten::GetFieldDate;
using spalten::GetFieldLong;
using spalten::GetFieldText;

namespace {

void LeseButton(SQLite::Statement& q, CWortButton& b) {
    std::string text = GetFieldText(q, "Anzeigetext");
    if (text.empty()) text = GetFieldText(q, "Geg1PersE");
    b.SetText(text);
    b.SetBild(GetFieldText(q, "Bild"));
    b.SetIndex(GetFieldLong(q, "Index"));
    if (GetFieldLong(q, "Funktionscode") == CWortelement::Link) {
        b.SetLink(true);
        b.SetKategorie(ParseDecimal(GetFieldText(q, "Geg1PersE")));
    } else {
        b.SetLink(false);
        b.SetKategorie(GetFieldLong(q, "Kategorie"));
    }
    b.SetPosition(GetFieldLong(q, "Pos"));
}

void LeseTaste(SQLite::Statement& q, CFunktionsTaste& t) {
    t.SetAltePosition(GetFieldLong(q, "altePos"));
    t.SetAnzeigetext(GetFieldText(q, "Anzeigetext"));
    t.SetBild(GetFieldText(q, "Bild"));
    t.SetIndex(GetFieldLong(q, "Index"));
    t.SetText(GetFieldText(q, "Text"));
    t.SetPosition(GetFieldLong(q, "Pos"));
    t.SetCode(GetFieldLong(q, "FCode"));
}

void LeseEmotion(SQLite::Statement& q, CEmotionsButton& e) {
    e.SetAltePosition(GetFieldLong(q, "altePos"));
    e.SetAnzeigetext(GetFieldText(q, "Anzeigetext"));
    e.SetBild(GetFieldText(q, "Bild"));
    e.SetIndex(GetFieldLong(q, "Index"));
    e.SetText(GetFieldText(q, "Text"));
    e.SetPosition(GetFieldLong(q, "Pos"));
}

void LeseKategorie(SQLite::Statement& q, CKategorie& k) {
    k.SetIndex(GetFieldLong(q, "Index"));
    k.SetName(GetFieldText(q, "KatName"));
    k.SetNummer(GetFieldLong(q, "KatNummer"));
}

void LeseElement(SQLite::Statement& q, CWortelement& w) {
    w.SetAlteKategorie(GetFieldLong(q, "alteKategorie"));
    w.SetAltePosition(GetFieldLong(q, "altePos"));
    w.SetAnzahl(GetFieldLong(q, "Anzahl"));
    w.SetAnzeigetext(GetFieldText(q, "Anzeigetext"));
    w.SetBild(GetFieldText(q, "Bild"));
    w.SetArt(GetFieldLong(q, "Funktionscode"));
    w.SetKategorie(GetFieldLong(q, "Kategorie"));
    w.SetPhonetisch(GetFieldText(q, "Phonetisch"));
    w.SetPosition(GetFieldLong(q, "Pos"));
    w.SetIndex(GetFieldLong(q, "Index"));
    w.SetDatum(GetFieldDate(q, "Datum"));
    for (int slot = 0; slot < CWortelement::kFormen; ++slot) {
        w.SetForm(slot, GetFieldText(q, CWortelement::SpaltenName(slot)));
    }
}

}  // namespace

// ---------------------------------------------------------------- lists

bool CDatenbank::LadeListe(std::vector<long>& liste, const char* sql, long parameter,
                           bool mitParameter) {
    if (!Bereit()) return false;
    return Geschuetzt([&] {
        SQLite::Statement& q = Anweisung(sql);
        const CZuruecksetzen zurueck(q);
        if (mitParameter) q.bind(1, static_cast<std::int64_t>(parameter));
        // The list is emptied only once the statement is accepted; a failure
        // while stepping keeps what was read so far.
        liste.clear();
        while (q.executeStep()) liste.push_back(GetFieldLong(q, "Index"));
        return true;
    });
}

template <class Record, class Lesen>
bool CDatenbank::Schritt(const std::vector<long>& liste, long& cursor, bool springen, long position,
                         const char* sql, Record& record, Lesen lesen) {
    cursor = springen ? position : cursor + 1;
    if (cursor < 0 || cursor >= static_cast<long>(liste.size())) return false;
    if (!Bereit()) return false;
    return Geschuetzt([&] {
        SQLite::Statement& q = Anweisung(sql);
        const CZuruecksetzen zurueck(q);
        q.bind(1, static_cast<std::int64_t>(liste[static_cast<std::size_t>(cursor)]));
        // A row deleted since the list was loaded is simply not read.
        if (!q.executeStep()) return false;
        lesen(q, record);
        return true;
    });
}

namespace {
constexpr const char* kEinElement = "select * from Wortelement where [Index] = ?";
constexpr const char* kEinesElements = "[Index] = ?";
constexpr const char* kEineTaste = "select * from FTasten where [Index] = ?";
constexpr const char* kEinEButton = "select * from EButtons where [Index] = ?";
constexpr const char* kEineKategorie = "select * from Kategorie where [Index] = ?";
}  // namespace

bool CDatenbank::FirstWortButton(CWortButton& button, long kategorie) {
    if (kategorie != 0) m_nKategorie = kategorie;
    if (!LadeListe(m_wortListe, "select [Index] from Wortelement where Kategorie = ? order by pos",
                   m_nKategorie, true)) {
        return false;
    }
    m_nWortCursor = -1;
    return NextWortButton(button, true, 0);
}

bool CDatenbank::NextWortButton(CWortButton& button, bool springen, long position) {
    return Schritt(m_wortListe, m_nWortCursor, springen, position, kEinElement, button, LeseButton);
}

bool CDatenbank::FirstVerb(CWortButton& button) {
    if (!LadeListe(m_verbListe,
                   "select [Index] from Wortelement where Funktionscode = 20 order by pos", 0,
                   false)) {
        return false;
    }
    m_nVerbCursor = -1;
    return NextVerb(button);
}

bool CDatenbank::NextVerb(CWortButton& button) {
    return Schritt(m_verbListe, m_nVerbCursor, false, 0, kEinElement, button, LeseButton);
}

bool CDatenbank::FirstFTaste(CFunktionsTaste& taste) {
    if (!LadeListe(m_funktionsListe, "select [Index] from FTasten order by pos", 0, false)) {
        return false;
    }
    return NextFTaste(taste, true, 0);
}

bool CDatenbank::NextFTaste(CFunktionsTaste& taste, bool springen, long position) {
    return Schritt(m_funktionsListe, m_nFunktionsCursor, springen, position, kEineTaste, taste,
                   LeseTaste);
}

bool CDatenbank::FirstEButton(CEmotionsButton& button) {
    if (!LadeListe(m_emotionsListe, "select [Index] from EButtons order by pos", 0, false)) {
        return false;
    }
    return NextEButton(button, true, 0);
}

bool CDatenbank::NextEButton(CEmotionsButton& button, bool springen, long position) {
    return Schritt(m_emotionsListe, m_nEmotionsCursor, springen, position, kEinEButton, button,
                   LeseEmotion);
}

bool CDatenbank::FirstKategorie(CKategorie& kategorie) {
    if (!LadeListe(m_kategorieListe, "select [Index] from Kategorie", 0, false)) return false;
    return NextKategorie(kategorie, true, 0);
}

bool CDatenbank::NextKategorie(CKategorie& kategorie, bool springen, long position) {
    return Schritt(m_kategorieListe, m_nKategorieCursor, springen, position, kEineKategorie,
                   kategorie, LeseKategorie);
}

// ---------------------------------------------------------------- elements

bool CDatenbank::LoadWortelement(CWortelement& element, long index, bool keineZaehlung) {
    if (!Bereit()) return false;
    const bool gelesen = Geschuetzt([&] {
        SQLite::Statement& q = Anweisung(ElementAbfrage(kEinesElements));
        const CZuruecksetzen zurueck(q);
        q.bind(1, static_cast<std::int64_t>(index));
        if (!q.executeStep()) return false;
        LeseElement(q, element);
        NomenLesen(q, element);
        return true;
    });
    if (gelesen && !keineZaehlung) Zaehlen(index);
    return gelesen;
}

template <class Lesen>
CDatenbank::Gelesen CDatenbank::Sofort(Lesen&& lesen) {
    if (!m_pDb) return Gelesen::Belegt;
    Gelesen ergebnis = Gelesen::Fehlt;
    sqlite3_busy_timeout(m_pDb->getHandle(), 0);
    try {
        ergebnis = lesen() ? Gelesen::Ja : Gelesen::Fehlt;
    } catch (const SQLite::Exception& e) {
        const int code = e.getErrorCode() & 0xFF;
        ergebnis = Gelesen::Belegt;
        // Anything but a moment's hold is said as always.
        if (code != SQLITE_BUSY && code != SQLITE_LOCKED) Melden(e);
    }
    sqlite3_busy_timeout(m_pDb->getHandle(), m_optionen.wartezeitMs);
    return ergebnis;
}

CDatenbank::Gelesen CDatenbank::LoadWortelementSofort(CWortelement& element, long index) {
    // Read fresh, or Belegt while the file is held this moment.
    const Gelesen ergebnis = Sofort([&] {
        SQLite::Statement& q = Anweisung(ElementAbfrage(kEinesElements));
        const CZuruecksetzen zurueck(q);
        q.bind(1, static_cast<std::int64_t>(index));
        if (!q.executeStep()) return false;
        LeseElement(q, element);
        NomenLesen(q, element);
        return true;
    });
    if (ergebnis != Gelesen::Fehlt) Zaehlen(index);
    return ergebnis;
}

void CDatenbank::Zaehlen(long index) {
    // The use count is a side matter: on a write-protected file, or while
    // another program holds the file, the element is taken all the same,
    // at once and without a word.
    if (!SchreibenErlaubt()) return;
    if (m_pZaehler) {
        m_pZaehler->Zaehlen(index);
        return;
    }
    sqlite3_busy_timeout(m_pDb->getHandle(), 0);
    try {
        SQLite::Statement& z =
            Anweisung("update Wortelement set Anzahl = ifnull(Anzahl, 0) + 1 where [Index] = ?");
        const CZuruecksetzen zurueck(z);
        z.bind(1, static_cast<std::int64_t>(index));
        z.exec();
    } catch (const SQLite::Exception& e) {
        SchadenBemerken(e);
    }
    sqlite3_busy_timeout(m_pDb->getHandle(), m_optionen.wartezeitMs);
}

bool CDatenbank::LoadWortelemente(long kategorie, bool nurVerben,
                                  std::vector<CWortelement>& elemente,
                                  std::vector<CWortButton>& buttons) {
    elemente.clear();
    buttons.clear();
    if (!m_pDb) return false;
    return Geschuetzt([&] { return KategorieLesen(kategorie, nurVerben, elemente, buttons); });
}

bool CDatenbank::KategorieLesen(long kategorie, bool nurVerben, std::vector<CWortelement>& elemente,
                                std::vector<CWortButton>& buttons) {
    SQLite::Statement& q =
        Anweisung(ElementAbfrage(nurVerben ? "Funktionscode = 20 order by pos"
                                           : "Kategorie = ? order by pos"));
    const CZuruecksetzen zurueck(q);
    if (!nurVerben) q.bind(1, static_cast<std::int64_t>(kategorie));
    while (q.executeStep()) {
        elemente.emplace_back();
        LeseElement(q, elemente.back());
        NomenLesen(q, elemente.back());
        buttons.emplace_back();
        LeseButton(q, buttons.back());
    }
    return true;
}

CDatenbank::Gelesen CDatenbank::LoadWortelementeSofort(long kategorie, bool nurVerben,
                                                       std::vector<CWortelement>& elemente,
                                                       std::vector<CWortButton>& buttons) {
    std::vector<CWortelement> e;
    std::vector<CWortButton> b;
    const Gelesen g = Sofort([&] { return KategorieLesen(kategorie, nurVerben, e, b); });
    if (g == Gelesen::Ja) {
        elemente = std::move(e);
        buttons = std::move(b);
    }
    return g;
}

CDatenbank::Gelesen CDatenbank::LoadFunktionstextSofort(int code, std::string& text) {
    return Sofort([&] {
        SQLite::Statement& q = Anweisung("select Text from FTasten where FCode = ? order by Pos");
        const CZuruecksetzen zurueck(q);
        q.bind(1, code);
        if (!q.executeStep()) return false;
        text = GetFieldText(q, "Text");
        return true;
    });
}

bool CDatenbank::SaveWortelement(CWortelement& w, long index) {
    if (!Schreibbar()) return false;
    return Geschuetzt([&] {
        // Inside the caller's transaction an error undoes all of it anyway.
        std::optional<SQLite::Transaction> eigene;
        if (!m_bTransaktion) eigene.emplace(*m_pDb);
        long gespeicherteKategorie = 0;
        long alteKategorie = 0;
        if (index == 0) {
            w.SetDatum({m_uhr.Jetzt(), true});
            SQLite::Statement& neu =
                Anweisung("insert into Wortelement (Kategorie, alteKategorie) values (0, 0)");
            const CZuruecksetzen zurueck(neu);
            neu.exec();
            index = static_cast<long>(m_pDb->getLastInsertRowid());
        } else {
            SQLite::Statement& q =
                Anweisung("select Kategorie, alteKategorie from Wortelement where [Index] = ?");
            const CZuruecksetzen zurueck(q);
            q.bind(1, static_cast<std::int64_t>(index));
            if (!q.executeStep()) return false;
            gespeicherteKategorie = GetFieldLong(q, "Kategorie");
            alteKategorie = GetFieldLong(q, "alteKategorie");
        }
        if (gespeicherteKategorie != w.GetKategorie()) alteKategorie = gespeicherteKategorie;

        std::string sql =
            "update Wortelement set Pos = ?, altePos = ?, alteKategorie = ?, Kategorie = ?, "
            "Anzahl = ?, Anzeigetext = ?, Bild = ?, Funktionscode = ?, Phonetisch = ?, "
            "Datum = ?, Geg1PersE = ?";
        const bool verb = w.GetArt() == CWortelement::Verb;
        if (verb) {
            for (int slot = 1; slot < CWortelement::kFormen; ++slot) {
                sql += ", ";
                sql += CWortelement::SpaltenName(slot);
                sql += " = ?";
            }
        }
        sql += " where [Index] = ?";
        SQLite::Statement& u = Anweisung(sql);
        const CZuruecksetzen zurueck(u);
        int n = 1;
        u.bind(n++, static_cast<std::int64_t>(w.GetPosition()));
        u.bind(n++, static_cast<std::int64_t>(w.GetAltePosition()));
        u.bind(n++, static_cast<std::int64_t>(alteKategorie));
        u.bind(n++, static_cast<std::int64_t>(w.GetKategorie()));
        u.bind(n++, static_cast<std::int64_t>(w.GetAnzahl()));
        u.bind(n++, w.GetAnzeigetext());
        u.bind(n++, w.GetBild());
        u.bind(n++, static_cast<std::int64_t>(w.GetArt()));
        u.bind(n++, w.GetPhonetisch());
        // The creation date is kept as a whole day.
        u.bind(n++, std::trunc(w.GetDatum().m_dTage));
        u.bind(n++, w.GetForm(0));
        if (verb) {
            for (int slot = 1; slot < CWortelement::kFormen; ++slot) u.bind(n++, w.GetForm(slot));
        }
        u.bind(n++, static_cast<std::int64_t>(index));
        u.exec();
        NomenSpeichern(w, index);
        if (eigene) eigene->commit();
        w.SetIndex(index);
        w.SetAlteKategorie(alteKategorie);
        return true;
    });
}

namespace {
// Deletes the row with the key; false when index is 0 or there is none.
bool Loeschen(SQLite::Database& db, const char* sql, long index) {
    if (index == 0) return false;
    SQLite::Statement q(db, sql);
    q.bind(1, static_cast<std::int64_t>(index));
    return q.exec() > 0;
}
}  // namespace

bool CDatenbank::DeleteWortelement(long index) {
    if (!Schreibbar()) return false;
    return Geschuetzt([&] {
        // Inside the caller's transaction an error undoes all of it anyway.
        std::optional<SQLite::Transaction> eigene;
        if (!m_bTransaktion) eigene.emplace(*m_pDb);
        if (!Loeschen(*m_pDb, "delete from Wortelement where [Index] = ?", index)) return false;
        NomenLoeschen(index);
        if (eigene) eigene->commit();
        return true;
    });
}

// ---------------------------------------------------------------- buttons, categories

bool CDatenbank::SaveFTaste(CFunktionsTaste& t, long index) {
    if (!Schreibbar()) return false;
    return Geschuetzt([&] {
        SQLite::Statement q(*m_pDb, index == 0
                                        ? "insert into FTasten (altePos, Pos, FCode, Bild, Text, "
                                          "Anzeigetext) values (?, ?, ?, ?, ?, ?)"
                                        : "update FTasten set altePos = ?, Pos = ?, FCode = ?, "
                                          "Bild = ?, Text = ?, Anzeigetext = ? where [Index] = ?");
        q.bind(1, static_cast<std::int64_t>(t.GetAltePosition()));
        q.bind(2, static_cast<std::int64_t>(t.GetPosition()));
        q.bind(3, static_cast<std::int64_t>(t.GetCode()));
        q.bind(4, t.GetBild());
        q.bind(5, t.GetText());
        q.bind(6, t.GetAnzeigetext());
        if (index != 0) q.bind(7, static_cast<std::int64_t>(index));
        if (q.exec() == 0) return false;
        if (index == 0) t.SetIndex(static_cast<long>(m_pDb->getLastInsertRowid()));
        return true;
    });
}

bool CDatenbank::SaveEButton(CEmotionsButton& e, long index) {
    if (!Schreibbar()) return false;
    return Geschuetzt([&] {
        SQLite::Statement q(*m_pDb, index == 0
                                        ? "insert into EButtons (altePos, Pos, Bild, Text, "
                                          "Anzeigetext) values (?, ?, ?, ?, ?)"
                                        : "update EButtons set altePos = ?, Pos = ?, Bild = ?, "
                                          "Text = ?, Anzeigetext = ? where [Index] = ?");
        q.bind(1, static_cast<std::int64_t>(e.GetAltePosition()));
        q.bind(2, static_cast<std::int64_t>(e.GetPosition()));
        q.bind(3, e.GetBild());
        q.bind(4, e.GetText());
        q.bind(5, e.GetAnzeigetext());
        if (index != 0) q.bind(6, static_cast<std::int64_t>(index));
        if (q.exec() == 0) return false;
        if (index == 0) e.SetIndex(static_cast<long>(m_pDb->getLastInsertRowid()));
        return true;
    });
}

bool CDatenbank::DeleteEButton(long index) {
    if (!Schreibbar()) return false;
    return Geschuetzt(
        [&] { return Loeschen(*m_pDb, "delete from EButtons where [Index] = ?", index); });
}

bool CDatenbank::SaveKategorie(CKategorie& k, long index) {
    if (!Schreibbar()) return false;
    return Geschuetzt([&] {
        SQLite::Statement q(*m_pDb, index == 0
                                        ? "insert into Kategorie (KatName, KatNummer) values (?, ?)"
                                        : "update Kategorie set KatName = ?, KatNummer = ? "
                                          "where [Index] = ?");
        q.bind(1, k.GetName());
        q.bind(2, static_cast<std::int64_t>(k.GetNummer()));
        if (index != 0) q.bind(3, static_cast<std::int64_t>(index));
        if (q.exec() == 0) return false;
        if (index == 0) k.SetIndex(static_cast<long>(m_pDb->getLastInsertRowid()));
        return true;
    });
}

bool CDatenbank::DeleteKategorie(long index) {
    if (!Schreibbar()) return false;
    return Geschuetzt(
        [&] { return Loeschen(*m_pDb, "delete from Kategorie where [Index] = ?", index); });
}
