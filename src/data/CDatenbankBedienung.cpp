// The data store: how the person operates the program, and bringing an older
// file up to the schema that holds it.

#include <SQLiteCpp/SQLiteCpp.h>
#include <sqlite3.h>

#include <optional>

#include "CDatenbank.h"
#include "DatenbankIntern.h"

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
        // A file of schema 2 has no column for the prediction yet: it is on.
        SQLite::Statement q(*m_pDb, m_nSchema < 3 ? "select Modus, Schrittzeit, Verweilzeit, "
                                                    "Entprellzeit, 1 from Bedienung limit 1"
                                                  : "select Modus, Schrittzeit, Verweilzeit, "
                                                    "Entprellzeit, Wortvorhersage from Bedienung "
                                                    "limit 1");
        if (q.executeStep()) {
            bedienung.modus = q.getColumn(0).getInt();
            bedienung.schrittzeit = q.getColumn(1).getInt();
            bedienung.verweilzeit = q.getColumn(2).getInt();
            bedienung.entprellzeit = q.getColumn(3).getInt();
            bedienung.wortvorhersage = q.getColumn(4).getInt() != 0;
            // Another tool may have written anything there.
            bedienung = bedienung.Begrenzt();
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
                            "Entprellzeit = ?4, Wortvorhersage = ?5");
        SQLite::Statement neu(*m_pDb,
                              "insert into Bedienung (Modus, Schrittzeit, Verweilzeit, "
                              "Entprellzeit, Wortvorhersage) values (?1, ?2, ?3, ?4, ?5)");
        for (SQLite::Statement* s : {&q, &neu}) {
            s->bind(1, b.modus);
            s->bind(2, b.schrittzeit);
            s->bind(3, b.verweilzeit);
            s->bind(4, b.entprellzeit);
            s->bind(5, b.wortvorhersage ? 1 : 0);
        }
        if (q.exec() == 0) neu.exec();
        if (t) t->commit();
        return true;
    });
}
