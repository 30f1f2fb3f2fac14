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
            m_bAnderesSagwerk = true;
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
        const int code = e.getErrorCode() & 0xFF;
        if (code == SQLITE_BUSY || code == SQLITE_LOCKED) {
            // Held, not broken: the owner says so once and tries again.
            m_bBelegt = true;
            return;
        }
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
