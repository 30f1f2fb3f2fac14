// The data store: how the person operates the program, and bringing an older
// file up to the schema that holds it.

#include <SQLiteCpp/SQLiteCpp.h>
#include <sqlite3.h>

#include <optional>
#include <string>

#include "CDatenbank.h"
#include "DatenbankIntern.h"

namespace {

// Older files lack the later columns: what a new user has stands in.
std::string BedienungAbfrage(int schema) {
    const char* spalten = schema < 3   ? "Modus, Schrittzeit, Verweilzeit, Entprellzeit, 1, "
                                         "0, 0, 0, 0, 32, 16777220"
                          : schema < 4 ? "Modus, Schrittzeit, Verweilzeit, Entprellzeit, "
                                         "Wortvorhersage, 0, 0, 0, 0, 32, 16777220"
                                       : "Modus, Schrittzeit, Verweilzeit, Entprellzeit, "
                                         "Wortvorhersage, Annahmezeit, Erstzeit, Weiter, "
                                         "Ansage, Schalter1, Schalter2";
    return std::string("select ") + spalten + " from Bedienung limit 1";
}

void BedienungAuslesen(SQLite::Statement& q, CBedienung& bedienung) {
    bedienung.modus = q.getColumn(0).getInt();
    bedienung.schrittzeit = q.getColumn(1).getInt();
    bedienung.verweilzeit = q.getColumn(2).getInt();
    bedienung.entprellzeit = q.getColumn(3).getInt();
    bedienung.wortvorhersage = q.getColumn(4).getInt() != 0;
    bedienung.annahmezeit = q.getColumn(5).getInt();
    bedienung.erstzeit = q.getColumn(6).getInt();
    bedienung.weiter = q.getColumn(7).getInt();
    bedienung.ansage = q.getColumn(8).getInt() != 0;
    bedienung.schalter1 = q.getColumn(9).getInt();
    bedienung.schalter2 = q.getColumn(10).getInt();
    // Another tool may have written anything there.
    bedienung = bedienung.Begrenzt();
}

}  // namespace

bool BedienungLesen(const std::string& datei, CBedienung& bedienung, double& letzteNutzung) {
    try {
        SQLite::Database db(datei, SQLite::OPEN_READONLY);
        const int schema = db.execAndGet("PRAGMA user_version").getInt();
        CBedienung b;
        if (schema >= 2) {
            SQLite::Statement q(db, BedienungAbfrage(schema));
            if (q.executeStep()) BedienungAuslesen(q, b);
        }
        SQLite::Statement n(db, "select LetzteNutzung from Benutzer limit 1");
        const double zuletzt = n.executeStep() ? n.getColumn(0).getDouble() : 0.0;
        bedienung = b;
        letzteNutzung = zuletzt;
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

bool CDatenbank::SchemaAktualisieren(bool warten) {
    if (m_nSchema >= CSchema::kVersion) return true;
    if (!m_pDb || m_bReadOnly || !SchreibenErlaubt()) return false;
    // At the start nothing waits for another program: the defaults serve
    // until the next try.
    if (!warten) sqlite3_busy_timeout(m_pDb->getHandle(), 0);
    bool fertig = false;
    try {
        // Inside a carer's commit the steps are part of it.
        if (m_bTransaktion) {
            CSchema::Schritte(*m_pDb, m_nSchema);
        } else {
            CSchema::Aktualisieren(*m_pDb);
        }
        m_nSchema = CSchema::kVersion;
        fertig = true;
    } catch (const SQLite::Exception& e) {
        if (warten) {
            Melden(e);
        } else {
            SchadenBemerken(e);
        }
    }
    if (!warten) sqlite3_busy_timeout(m_pDb->getHandle(), m_optionen.wartezeitMs);
    return fertig;
}

bool CDatenbank::LoadBedienung(CBedienung& bedienung) {
    bedienung = CBedienung{};
    if (!Bereit()) return false;
    if (m_nSchema < 2) return true;
    return Geschuetzt([&] {
        SQLite::Statement q(*m_pDb, BedienungAbfrage(m_nSchema));
        if (q.executeStep()) {
            BedienungAuslesen(q, bedienung);
        }
        return true;
    });
}

bool CDatenbank::SaveBedienung(const CBedienung& bedienung) {
    if (!Schreibbar() || !SchemaAktualisieren(true)) return false;
    const CBedienung b = bedienung.Begrenzt();
    return Geschuetzt([&] {
        std::optional<SQLite::Transaction> t;
        if (!m_bTransaktion) t.emplace(*m_pDb, SQLite::TransactionBehavior::IMMEDIATE);
        // One row; a row removed by hand is made again.
        SQLite::Statement q(*m_pDb,
                            "update Bedienung set Modus = ?1, Schrittzeit = ?2, Verweilzeit = ?3, "
                            "Entprellzeit = ?4, Wortvorhersage = ?5, Annahmezeit = ?6, "
                            "Erstzeit = ?7, Weiter = ?8, Ansage = ?9, Schalter1 = ?10, "
                            "Schalter2 = ?11");
        SQLite::Statement neu(*m_pDb,
                              "insert into Bedienung (Modus, Schrittzeit, Verweilzeit, "
                              "Entprellzeit, Wortvorhersage, Annahmezeit, Erstzeit, Weiter, "
                              "Ansage, Schalter1, Schalter2) values (?1, ?2, ?3, ?4, ?5, ?6, ?7, "
                              "?8, ?9, ?10, ?11)");
        for (SQLite::Statement* s : {&q, &neu}) {
            s->bind(1, b.modus);
            s->bind(2, b.schrittzeit);
            s->bind(3, b.verweilzeit);
            s->bind(4, b.entprellzeit);
            s->bind(5, b.wortvorhersage ? 1 : 0);
            s->bind(6, b.annahmezeit);
            s->bind(7, b.erstzeit);
            s->bind(8, b.weiter);
            s->bind(9, b.ansage ? 1 : 0);
            s->bind(10, b.schalter1);
            s->bind(11, b.schalter2);
        }
        if (q.exec() == 0) neu.exec();
        if (t) t->commit();
        return true;
    });
}
