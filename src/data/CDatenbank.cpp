#include "CDatenbank.h"

#include <SQLiteCpp/SQLiteCpp.h>
#include <sqlite3.h>

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <optional>
#include <set>

#ifndef _WIN32
#include <stdlib.h>
#include <unistd.h>
#endif

#include "CSatzIndex.h"
#include "CSperre.h"
#include "CZaehlerSchreiber.h"
#include "DatenbankIntern.h"
#include "IDialoge.h"
#include "IUhr.h"
#include "Konvertierung.h"
#include "Utf8.h"

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

void LeseBenutzer(SQLite::Statement& q, CBenutzer& b) {
    b.SetSpalten(GetFieldLong(q, "AnzButtonB"));
    b.SetZeilen(GetFieldLong(q, "AnzButtonH"));
    b.SetIndex(GetFieldLong(q, "Index"));
    b.SetName(GetFieldText(q, "BVorname"), GetFieldText(q, "BName"));
    b.SetPasswort(GetFieldText(q, "Passwort"));
    b.SetSpeed(GetFieldLong(q, "Speed"));
    b.SetPitch(GetFieldLong(q, "Pitch"));
}

// A user file the owner has made write-protected stays so, also for a
// program running with the rights to override that.
bool IstSchreibgeschuetzt(const std::filesystem::path& pfad) {
    std::error_code ec;
    const auto rechte = std::filesystem::status(pfad, ec).permissions();
    if (ec) return false;
    using std::filesystem::perms;
    return (rechte & (perms::owner_write | perms::group_write | perms::others_write)) ==
           perms::none;
}

bool OrdnerSchreibbar(const std::filesystem::path& ordner) {
    const std::filesystem::path o = ordner.empty() ? std::filesystem::path(".") : ordner;
    if (IstSchreibgeschuetzt(o)) return false;
#ifndef _WIN32
    return ::access(o.c_str(), W_OK) == 0;
#else
    return true;
#endif
}

// The file and its journal copied into a folder of their own, writable
// there; the folder's path, or empty when that failed.
std::string PrivateKopie(const std::string& datei) {
    namespace fs = std::filesystem;
    std::error_code ec;
    std::string vorlage = (fs::temp_directory_path(ec) / "sagwerk-XXXXXX").string();
    if (ec || ::mkdtemp(vorlage.data()) == nullptr) return {};
    const fs::path kopie = fs::path(vorlage) / fs::path(datei).filename();
    fs::copy_file(datei, kopie, ec);
    if (!ec) fs::copy_file(datei + "-journal", kopie.string() + "-journal", ec);
    if (ec) {
        fs::remove_all(vorlage, ec);
        return {};
    }
    for (const fs::path& p : {kopie, fs::path(kopie.string() + "-journal")}) {
        fs::permissions(p, fs::perms::owner_read | fs::perms::owner_write, ec);
    }
    return kopie.string();
}

}  // namespace

CDatenbank::CDatenbank(const std::string& pfad, IDialoge& dialoge, const IUhr& uhr)
    : CDatenbank(pfad, dialoge, uhr, Optionen()) {}

CDatenbank::CDatenbank(const std::string& pfad, IDialoge& dialoge, const IUhr& uhr,
                       Optionen optionen)
    : m_strPfad(pfad), m_dialoge(dialoge), m_uhr(uhr), m_optionen(optionen) {
    Oeffnen();
    if (m_pDb) {
        PruefungStarten();
        if (m_optionen.mitIndex) IndexStarten();
    }
}

CDatenbank::~CDatenbank() {
    m_pZaehler.reset();  // writes what waits
    m_bAbbrechen = true;
    if (m_lader.joinable()) m_lader.join();
    if (m_pruefer.joinable()) m_pruefer.join();
    if (!m_strKopie.empty()) {
        m_anweisungen.clear();
        m_pDb.reset();
        std::error_code ec;
        std::filesystem::remove_all(std::filesystem::path(m_strKopie).parent_path(), ec);
    }
}

void CDatenbank::Oeffnen() {
    const std::string name = InAnfuehrung(m_strPfad);
    auto melde = [&](const std::string& text) { m_dialoge.ReportError(text); };

    std::error_code ec;
    const std::filesystem::path pfad(m_strPfad);
    if (!std::filesystem::exists(pfad, ec)) {
        melde("Die Benutzerdatei " + name + " wurde nicht gefunden.");
        return;
    }
    if (!std::filesystem::is_regular_file(pfad, ec)) {
        melde("Die Datei " + name + " ist keine Sagwerk-Benutzerdatei.");
        return;
    }

    // Look at the first bytes before SQLite does, to tell an old-format file
    // from a foreign one.
    std::string kopf(100, '\0');
    {
        std::ifstream datei(pfad, std::ios::binary);
        if (!datei) {
            melde("Die Benutzerdatei " + name + " kann nicht gelesen werden.");
            return;
        }
        datei.read(kopf.data(), static_cast<std::streamsize>(kopf.size()));
        kopf.resize(static_cast<std::size_t>(datei.gcount()));
    }
    const std::string anfang = kopf.substr(0, 32);
    if (anfang.find("Standard Jet DB") != std::string::npos ||
        anfang.find("Standard ACE DB") != std::string::npos) {
        melde("Die Datei " + name +
              " ist eine Benutzerdatei im alten Datenbankformat (Jet/ACE). Sagwerk kann sie "
              "nicht öffnen; die Daten müssen zuerst in eine neue Benutzerdatei übertragen "
              "werden.");
        return;
    }
    if (kopf.compare(0, 16, std::string("SQLite format 3\0", 16)) != 0) {
        melde("Die Datei " + name + " ist keine Sagwerk-Benutzerdatei.");
        return;
    }

    if (m_optionen.nurEinProgramm) {
        m_pSperre = std::make_unique<CSperre>(m_strPfad);
        if (!m_pSperre->IsGehalten()) {
            m_pSperre.reset();
            melde("Die Benutzerdatei " + name +
                  " ist schon in einem anderen Sagwerk geöffnet. Mit einem Benutzer kann immer "
                  "nur ein Sagwerk zugleich arbeiten; bitte verwenden Sie das geöffnete.");
            return;
        }
    }

    m_bReadOnly = IstSchreibgeschuetzt(pfad);
    // Without the right to write in its folder no change can reach the file
    // (the journal beside it cannot be made): read-only from the start.
    const bool ordnerGeschuetzt = !OrdnerSchreibbar(pfad.parent_path());
    if (ordnerGeschuetzt) m_bReadOnly = true;
    m_strLesePfad = m_strPfad;
    try {
        std::unique_ptr<SQLite::Database> db;
        int id = 0;
        int version = 0;
        const auto lesen = [&](const std::string& datei, int flags) {
            db = std::make_unique<SQLite::Database>(datei, flags, m_optionen.wartezeitMs);
            id = db->execAndGet("PRAGMA application_id").getInt();
            version = db->execAndGet("PRAGMA user_version").getInt();
        };
        try {
            lesen(m_strPfad, m_bReadOnly ? SQLite::OPEN_READONLY : SQLite::OPEN_READWRITE);
        } catch (const SQLite::Exception& e) {
            // A write-protected file with the journal of a write a crash cut
            // off: SQLite must take that write back before anything can be
            // read, and may not. It is taken back in a private copy; the file
            // itself stays as it is until it is writable again.
            if (e.getExtendedErrorCode() != SQLITE_READONLY_ROLLBACK) throw;
            db.reset();
            m_strKopie = PrivateKopie(m_strPfad);
            if (m_strKopie.empty()) throw;
            m_bReadOnly = true;
            m_strLesePfad = m_strKopie;
            lesen(m_strKopie, SQLite::OPEN_READWRITE);
        }
        if (sqlite3_db_readonly(db->getHandle(), "main") == 1) m_bReadOnly = true;
        if (id != kApplicationId) {
            melde("Die Datei " + name +
                  " ist eine SQLite-Datenbank, aber keine Sagwerk-Benutzerdatei.");
            return;
        }
        if (version > kSchemaVersion) {
            melde("Die Benutzerdatei " + name + " stammt von einer neueren Sagwerk-Version (Schema " +
                  std::to_string(version) +
                  ") und kann mit dieser Version nicht geöffnet werden.");
            return;
        }
        // Every commit reaches the disk before the program goes on: what was
        // spoken or entered is never lost to a power cut. EXTRA also syncs
        // the folder once the journal is deleted, so a power cut cannot
        // bring the journal back and roll the last commit back.
        db->exec("PRAGMA synchronous = EXTRA");
        m_nSchema = version;
        m_pDb = std::move(db);
    } catch (const SQLite::Exception& e) {
        melde("Die Benutzerdatei " + name + " kann nicht geöffnet werden. " +
              Fehlertext(e.getErrorCode()) + " (" + e.what() + ")");
        return;
    }
    if (m_bReadOnly) {
        m_dialoge.Hinweis((ordnerGeschuetzt ? "Der Ordner der Benutzerdatei " + name + " ist"
                                            : "Die Benutzerdatei " + name + " ist") +
                          " schreibgeschützt. Sagwerk kann sie benutzen, aber keine "
                          "Änderungen, neuen Sätze und Zähler darin speichern.");
    }
}

bool CDatenbank::Bereit() {
    if (m_pDb) return true;
    m_dialoge.ReportError("Die Benutzerdatei " + InAnfuehrung(m_strPfad) + " ist nicht geöffnet.");
    return false;
}

void CDatenbank::Melden(const SQLite::Exception& fehler) {
    if (m_bTransaktion) m_bTransaktionFehler = true;
    // Damage is said once: by the owner after the check, or here when it
    // shows first in use. Every list that cannot be read after that stays
    // quietly empty, so that the person can go on with the rest.
    const bool bekannt = m_pruefstand == Pruefstand::Beschaedigt;
    if (SchadenBemerken(fehler)) {
        if (!bekannt) {
            m_dialoge.Hinweis("Die Benutzerdatei " + InAnfuehrung(m_strPfad) +
                              " ist beschädigt. Sagwerk schreibt nichts mehr hinein; eine "
                              "Betreuungsperson kann im Menü \u201EDatei\u201C eine Sicherung "
                              "wiederherstellen.");
        }
        return;
    }
    m_dialoge.ReportError("Fehler in der Benutzerdatei " + InAnfuehrung(m_strPfad) + ": " +
                          Fehlertext(fehler.getErrorCode()) + " (" + fehler.what() + ")");
}

SQLite::Statement& CDatenbank::Anweisung(const std::string& sql) {
    auto& q = m_anweisungen[sql];
    if (!q) q = std::make_unique<SQLite::Statement>(*m_pDb, sql);
    return *q;
}

// ---------------------------------------------------------------- transactions

bool CDatenbank::BeginTransaction() {
    if (m_bTransaktion || !Schreibbar()) return false;
    // The counts of the last clicks come first, so they are not read or
    // overwritten half done.
    WaitForWrites();
    return Geschuetzt([&] {
        // Immediate: the write lock is taken now, so another program holding
        // the file makes the begin wait or fail, never a save in the middle.
        m_pDb->exec("BEGIN IMMEDIATE");
        m_bTransaktion = true;
        m_bTransaktionFehler = false;
        return true;
    });
}

bool CDatenbank::EndTransaction(bool uebernehmen) {
    if (!m_bTransaktion) return false;
    if (uebernehmen && !m_bTransaktionFehler && Geschuetzt([&] {
            m_pDb->exec("COMMIT");
            return true;
        })) {
        m_bTransaktion = false;
        return true;
    }
    m_bTransaktion = false;
    // After some errors SQLite has rolled the transaction back itself.
    if (sqlite3_get_autocommit(m_pDb->getHandle()) == 0) {
        try {
            m_pDb->exec("ROLLBACK");
        } catch (const SQLite::Exception& e) {
            Melden(e);
        }
    }
    return false;
}

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

// ---------------------------------------------------------------- user

bool CDatenbank::LoadBenutzer(CBenutzer& benutzer) {
    if (!Bereit()) return false;
    const bool gelesen = Geschuetzt([&] {
        SQLite::Statement q(*m_pDb, "select * from Benutzer order by [Index] limit 1");
        if (!q.executeStep()) {
            m_dialoge.ReportError("Die Benutzerdatei " + InAnfuehrung(m_strPfad) +
                                  " enthält keine Benutzerdaten.");
            return false;
        }
        LeseBenutzer(q, benutzer);
        return true;
    });
    if (!gelesen) return false;
    if (SchreibenErlaubt()) {
        // The stamp is a side matter like the use count: not waited for,
        // not reported, and it does not change the result.
        sqlite3_busy_timeout(m_pDb->getHandle(), 0);
        try {
            SQLite::Statement q(*m_pDb, "update Benutzer set LetzteNutzung = ? where [Index] = ?");
            q.bind(1, m_uhr.Jetzt());
            q.bind(2, static_cast<std::int64_t>(benutzer.GetIndex()));
            q.exec();
        } catch (const SQLite::Exception& e) {
            SchadenBemerken(e);
        }
        sqlite3_busy_timeout(m_pDb->getHandle(), m_optionen.wartezeitMs);
    }
    return true;
}

bool CDatenbank::SaveBenutzer(const CBenutzer& b) {
    if (!Schreibbar()) return false;
    return Geschuetzt([&] {
        SQLite::Statement q(*m_pDb,
                            "update Benutzer set AnzButtonB = ?, AnzButtonH = ?, BName = ?, "
                            "BVorname = ?, Passwort = ?, Speed = ?, Pitch = ? where [Index] = "
                            "(select [Index] from Benutzer order by [Index] limit 1)");
        q.bind(1, static_cast<std::int64_t>(b.GetSpalten()));
        q.bind(2, static_cast<std::int64_t>(b.GetZeilen()));
        q.bind(3, b.GetNachname());
        q.bind(4, b.GetVorname());
        q.bind(5, b.GetPasswort());
        q.bind(6, static_cast<std::int64_t>(b.GetSpeed()));
        q.bind(7, static_cast<std::int64_t>(b.GetPitch()));
        if (q.exec() == 0) {
            m_dialoge.ReportError("Die Benutzerdatei " + InAnfuehrung(m_strPfad) +
                                  " enthält keine Benutzerdaten.");
            return false;
        }
        return true;
    });
}

// ---------------------------------------------------------------- elements

bool CDatenbank::LoadWortelement(CWortelement& element, long index, bool keineZaehlung) {
    if (!Bereit()) return false;
    const bool gelesen = Geschuetzt([&] {
        SQLite::Statement& q = Anweisung(kEinElement);
        const CZuruecksetzen zurueck(q);
        q.bind(1, static_cast<std::int64_t>(index));
        if (!q.executeStep()) return false;
        LeseElement(q, element);
        return true;
    });
    if (gelesen && !keineZaehlung) Zaehlen(index);
    return gelesen;
}

CDatenbank::Gelesen CDatenbank::LoadWortelementSofort(CWortelement& element, long index) {
    if (!m_pDb) return Gelesen::Belegt;
    Gelesen ergebnis = Gelesen::Fehlt;
    sqlite3_busy_timeout(m_pDb->getHandle(), 0);
    try {
        SQLite::Statement& q = Anweisung(kEinElement);
        const CZuruecksetzen zurueck(q);
        q.bind(1, static_cast<std::int64_t>(index));
        if (q.executeStep()) {
            LeseElement(q, element);
            ergebnis = Gelesen::Ja;
        }
    } catch (const SQLite::Exception& e) {
        const int code = e.getErrorCode() & 0xFF;
        ergebnis = Gelesen::Belegt;
        // Anything but a moment's commit is said as always.
        if (code != SQLITE_BUSY && code != SQLITE_LOCKED) Melden(e);
    }
    sqlite3_busy_timeout(m_pDb->getHandle(), m_optionen.wartezeitMs);
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

bool CDatenbank::LoadWortelemente(long kategorie, bool nurVerben, std::vector<CWortelement>& elemente,
                                  std::vector<CWortButton>& buttons) {
    elemente.clear();
    buttons.clear();
    if (!m_pDb) return false;
    return Geschuetzt([&] {
        SQLite::Statement& q =
            Anweisung(nurVerben ? "select * from Wortelement where Funktionscode = 20 order by pos"
                                : "select * from Wortelement where Kategorie = ? order by pos");
        const CZuruecksetzen zurueck(q);
        if (!nurVerben) q.bind(1, static_cast<std::int64_t>(kategorie));
        while (q.executeStep()) {
            elemente.emplace_back();
            LeseElement(q, elemente.back());
            buttons.emplace_back();
            LeseButton(q, buttons.back());
        }
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
    return Geschuetzt(
        [&] { return Loeschen(*m_pDb, "delete from Wortelement where [Index] = ?", index); });
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

