#pragma once

// Shared by the data store's sources: reading column values the way every
// list reads them, and the guard that turns SQLite's exceptions into reports.

#include <SQLiteCpp/SQLiteCpp.h>
#include <sqlite3.h>

#include <cstdint>
#include <string>

#include "CDatenbank.h"
#include "CWortelement.h"
#include "Konvertierung.h"

inline std::string InAnfuehrung(const std::string& s) { return "\u201E" + s + "\u201C"; }

// SQLite's own message for a code, in German first.
inline std::string Fehlertext(int code) {
    switch (code & 0xFF) {
        case SQLITE_BUSY:
        case SQLITE_LOCKED:
            return "Die Datei wird gerade von einem anderen Programm benutzt.";
        case SQLITE_READONLY:
            return "Die Datei ist schreibgeschützt.";
        case SQLITE_CORRUPT:
        case SQLITE_NOTADB:
            return "Die Datei ist beschädigt.";
        case SQLITE_FULL:
            return "Der Datenträger ist voll.";
        case SQLITE_IOERR:
            return "Die Datei kann nicht gelesen oder geschrieben werden.";
        case SQLITE_CANTOPEN:
            return "Die Datei kann nicht geöffnet werden.";
        default:
            return "Die Datenbank meldet einen Fehler.";
    }
}

namespace spalten {

inline CWert Wert(const SQLite::Column& spalte) {
    switch (spalte.getType()) {
        case SQLITE_INTEGER:
            return static_cast<long long>(spalte.getInt64());
        case SQLITE_FLOAT:
            return spalte.getDouble();
        case SQLITE_TEXT:
        case SQLITE_BLOB:
            return spalte.getString();
        default:
            return std::monostate{};
    }
}

inline std::string GetFieldText(SQLite::Statement& abfrage, const char* spalte) {
    return VariantToText(Wert(abfrage.getColumn(spalte)));
}

inline long GetFieldLong(SQLite::Statement& abfrage, const char* spalte) {
    // The files have always held 32-bit numbers; wider values wrap as before.
    return static_cast<long>(static_cast<std::int32_t>(abfrage.getColumn(spalte).getInt64()));
}

inline CDatum GetFieldDate(SQLite::Statement& abfrage, const char* spalte) {
    const SQLite::Column c = abfrage.getColumn(spalte);
    if (c.isNull()) return {0.0, false};
    return {c.getDouble(), true};
}

}  // namespace spalten

// Leaves a kept statement ready for its next use when the scope ends, also
// after an error: reset, so that no read of it stays open.
class CZuruecksetzen {
public:
    explicit CZuruecksetzen(SQLite::Statement& anweisung) : m_anweisung(anweisung) {}
    ~CZuruecksetzen() { m_anweisung.tryReset(); }
    CZuruecksetzen(const CZuruecksetzen&) = delete;
    CZuruecksetzen& operator=(const CZuruecksetzen&) = delete;

private:
    SQLite::Statement& m_anweisung;
};

template <class F>
bool CDatenbank::Geschuetzt(F&& aktion) {
    try {
        return aktion();
    } catch (const SQLite::Exception& e) {
        Melden(e);
        return false;
    }
}
