// The check of a user file at open, and what may be written before and after.

#include <atomic>
#include <filesystem>
#include <system_error>

#include "CZaehlerSchreiber.h"
#include "DatenbankIntern.h"
#include "IDialoge.h"

namespace {

int Abbrechen(void* abbrechen) { return static_cast<std::atomic<bool>*>(abbrechen)->load() ? 1 : 0; }

// What SQLite finds in the file: "ok", or its first finding.
std::string Befund(const std::string& pfad, int wartezeitMs, std::atomic<bool>& abbrechen) {
    try {
        SQLite::Database db(pfad, SQLite::OPEN_READONLY, wartezeitMs);
        // A program that ends or opens another user does not wait for it.
        sqlite3_progress_handler(db.getHandle(), 10000, &Abbrechen, &abbrechen);
        // The full check: quick_check alone misses an index that has lost
        // entries, and the next write then adds a second row under a
        // UNIQUE index.
        return db.execAndGet("PRAGMA integrity_check(1)").getString();
    } catch (const SQLite::Exception& e) {
        const int code = e.getErrorCode() & 0xFF;
        // Held by another program, not readable just now or the check
        // stopped: that is no damage.
        if (code == SQLITE_BUSY || code == SQLITE_LOCKED || code == SQLITE_CANTOPEN ||
            code == SQLITE_IOERR || code == SQLITE_INTERRUPT || code == SQLITE_NOMEM ||
            code == SQLITE_PERM)
            return "ok";
        // Damaged, no database, or a schema SQLite cannot read (a flipped
        // bit in an index's expression names a function that is not there):
        // nothing may be written to it.
        return e.what();
    }
}

}  // namespace

void CDatenbank::PruefungStarten() {
    if (!m_optionen.pruefen) return;
    std::error_code ec;
    const auto groesse = std::filesystem::file_size(m_strLesePfad, ec);
    if (!ec && static_cast<std::int64_t>(groesse) <= m_optionen.sofortPruefenBis) {
        m_pruefBefund = Befund(m_strLesePfad, m_optionen.wartezeitMs, m_bAbbrechen);
        m_bPrueferFertig = true;
        m_pruefstand = Pruefstand::Laeuft;
        PruefungUebernehmen();
        return;
    }
    m_pruefstand = Pruefstand::Laeuft;
    m_pruefer = std::thread([this] {
        m_pruefBefund = Befund(m_strLesePfad, m_optionen.wartezeitMs, m_bAbbrechen);
        m_bPrueferFertig = true;
        if (m_optionen.geprueft && !m_bAbbrechen) m_optionen.geprueft();
    });
}

void CDatenbank::PruefungUebernehmen() {
    if (m_pruefstand != Pruefstand::Laeuft || !m_bPrueferFertig) return;
    if (m_pruefer.joinable()) m_pruefer.join();
    if (m_pruefBefund == "ok") {
        m_pruefstand = Pruefstand::Gesund;
        NachDerPruefung();
    } else {
        m_pruefstand = Pruefstand::Beschaedigt;
        m_strSchaden = m_pruefBefund;
    }
}

void CDatenbank::NachDerPruefung() {
    if (!m_pDb || m_bReadOnly) return;
    if (m_optionen.imHintergrundSchreiben) {
        m_pZaehler = std::make_unique<CZaehlerSchreiber>(m_strLesePfad, m_optionen.wartezeitMs);
    }
    // A file of an older version gets the newer tables now that it is known
    // sound; when another program holds it, saving the settings tries again.
    SchemaAktualisieren(false);
    // The list of all sentences pages through this index. Files made before
    // it existed get it once; without it the list still works, only slower.
    try {
        m_pDb->exec("CREATE INDEX IF NOT EXISTS SatzspeicherOrdnung ON Satzspeicher (" +
                    DeutscheOrdnung("SatzSuche") + ", SatzSuche)");
    } catch (const SQLite::Exception&) {
    }
}

bool CDatenbank::SchadenBemerken(const SQLite::Exception& fehler) {
    const int code = fehler.getErrorCode() & 0xFF;
    if (code != SQLITE_CORRUPT && code != SQLITE_NOTADB) return false;
    // A check still running does not undo this: its result is no longer
    // taken over.
    m_pruefstand = Pruefstand::Beschaedigt;
    if (m_strSchaden.empty()) m_strSchaden = fehler.what();
    if (m_pZaehler) m_pZaehler->Aufgeben();
    return true;
}

void CDatenbank::MarkDamaged(const std::string& befund) {
    WaitForCheck();
    m_pruefstand = Pruefstand::Beschaedigt;
    if (m_strSchaden.empty()) m_strSchaden = befund;
    if (m_pZaehler) m_pZaehler->Aufgeben();
}

void CDatenbank::WaitForWrites() {
    if (m_pZaehler) m_pZaehler->Warten();
}

bool CDatenbank::IsChecked() {
    PruefungUebernehmen();
    return m_pruefstand != Pruefstand::Laeuft;
}

bool CDatenbank::IsDamaged() {
    PruefungUebernehmen();
    return m_pruefstand == Pruefstand::Beschaedigt;
}

void CDatenbank::WaitForCheck() {
    if (m_pruefer.joinable()) m_pruefer.join();
    PruefungUebernehmen();
}

bool CDatenbank::SchreibenErlaubt() {
    PruefungUebernehmen();
    return m_pDb && !m_bReadOnly && m_pruefstand == Pruefstand::Gesund;
}

bool CDatenbank::Schreibbar() {
    if (!Bereit()) return false;
    if (m_bReadOnly) {
        m_dialoge.ReportError("Die Änderung kann nicht gespeichert werden: Die Benutzerdatei " +
                              InAnfuehrung(m_strPfad) + " ist schreibgeschützt.");
        return false;
    }
    // A carer's change waits for the check rather than fail.
    WaitForCheck();
    if (m_pruefstand == Pruefstand::Beschaedigt) {
        m_dialoge.ReportError("Die Änderung kann nicht gespeichert werden: Die Benutzerdatei " +
                              InAnfuehrung(m_strPfad) +
                              " ist beschädigt, und Sagwerk schreibt nichts mehr hinein. Bitte "
                              "stellen Sie eine Sicherung wieder her (Menü „Datei“, „Sicherung "
                              "wiederherstellen …“).");
        return false;
    }
    return true;
}
