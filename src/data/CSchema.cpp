#include "CSchema.h"

#include <SQLiteCpp/SQLiteCpp.h>

#include <string>

namespace {

// Step to version 2. The defaults are those of a new user: the mouse, a
// step of 1.5 s, a dwell of 1 s and presses within 0.3 s counted once.
constexpr const char* kBedienung = R"SQL(
CREATE TABLE Bedienung (
    Modus        INTEGER NOT NULL DEFAULT 0,
    Schrittzeit  INTEGER NOT NULL DEFAULT 1500,
    Verweilzeit  INTEGER NOT NULL DEFAULT 1000,
    Entprellzeit INTEGER NOT NULL DEFAULT 300
);
INSERT INTO Bedienung DEFAULT VALUES;
)SQL";

// Step to version 3: the word prediction is on, for a new user as for one
// who had the program before it.
constexpr const char* kWortvorhersage =
    "ALTER TABLE Bedienung ADD COLUMN Wortvorhersage INTEGER NOT NULL DEFAULT 1;";

// Step to version 4: how a switch counts and where scanning goes. The
// defaults keep what a person had: no acceptance time, no extra time on the
// first item, scanning starts at the top after a choice, no spoken cue, and
// the switches Space (32) and Enter (16777220, the key codes of the GUI).
constexpr const char* kSchalter = R"SQL(
ALTER TABLE Bedienung ADD COLUMN Annahmezeit INTEGER NOT NULL DEFAULT 0;
ALTER TABLE Bedienung ADD COLUMN Erstzeit INTEGER NOT NULL DEFAULT 0;
ALTER TABLE Bedienung ADD COLUMN Weiter INTEGER NOT NULL DEFAULT 0;
ALTER TABLE Bedienung ADD COLUMN Ansage INTEGER NOT NULL DEFAULT 0;
ALTER TABLE Bedienung ADD COLUMN Schalter1 INTEGER NOT NULL DEFAULT 32;
ALTER TABLE Bedienung ADD COLUMN Schalter2 INTEGER NOT NULL DEFAULT 16777220;
)SQL";

// Step to version 5: the noun forms of a word element, in a table of its own
// keyed by the element (older programs and sqlite3 read the file as
// before), and the four buttons that choose an article and a case, placed
// after the buttons the file has (a new user gets them with the others).
constexpr const char* kNomen = R"SQL(
CREATE TABLE Nomen (
    Element    INTEGER PRIMARY KEY,
    Geschlecht TEXT NOT NULL DEFAULT '',
    NomE TEXT NOT NULL DEFAULT '', AkkE TEXT NOT NULL DEFAULT '',
    DatE TEXT NOT NULL DEFAULT '', GenE TEXT NOT NULL DEFAULT '',
    NomM TEXT NOT NULL DEFAULT '', AkkM TEXT NOT NULL DEFAULT '',
    DatM TEXT NOT NULL DEFAULT '', GenM TEXT NOT NULL DEFAULT ''
);
INSERT INTO FTasten (Text, FCode, Bild, Anzeigetext, Pos, altePos)
    SELECT '', 30, 'icons\funktionen\bestimmt.svg', 'der/die/das',
           (SELECT IFNULL(MAX(Pos), 0) + 1 FROM FTasten), 0
    WHERE EXISTS (SELECT 1 FROM FTasten)
      AND NOT EXISTS (SELECT 1 FROM FTasten WHERE FCode = 30);
INSERT INTO FTasten (Text, FCode, Bild, Anzeigetext, Pos, altePos)
    SELECT '', 31, 'icons\funktionen\unbestimmt.svg', 'ein/eine',
           (SELECT IFNULL(MAX(Pos), 0) + 1 FROM FTasten), 0
    WHERE EXISTS (SELECT 1 FROM FTasten)
      AND NOT EXISTS (SELECT 1 FROM FTasten WHERE FCode = 31);
INSERT INTO FTasten (Text, FCode, Bild, Anzeigetext, Pos, altePos)
    SELECT '', 32, 'icons\funktionen\mehrere.svg', 'mehrere',
           (SELECT IFNULL(MAX(Pos), 0) + 1 FROM FTasten), 0
    WHERE EXISTS (SELECT 1 FROM FTasten)
      AND NOT EXISTS (SELECT 1 FROM FTasten WHERE FCode = 32);
INSERT INTO FTasten (Text, FCode, Bild, Anzeigetext, Pos, altePos)
    SELECT '', 33, 'icons\funktionen\fall.svg', 'Wem/Wen',
           (SELECT IFNULL(MAX(Pos), 0) + 1 FROM FTasten), 0
    WHERE EXISTS (SELECT 1 FROM FTasten)
      AND NOT EXISTS (SELECT 1 FROM FTasten WHERE FCode = 33);
)SQL";

// Step to version 6: a number per sentence taken from the waiting queue, with
// the time it was taken (kept a day).
constexpr const char* kNachgeholt =
    "CREATE TABLE Nachgeholt (Kennung INTEGER PRIMARY KEY, Zeit REAL NOT NULL);";

}  // namespace

void CSchema::Schritte(SQLite::Database& db, int von) {
    if (von >= kVersion) return;
    if (von < 2) db.exec(kBedienung);
    if (von < 3) db.exec(kWortvorhersage);
    if (von < 4) db.exec(kSchalter);
    if (von < 5) db.exec(kNomen);
    if (von < 6) db.exec(kNachgeholt);
    db.exec("PRAGMA user_version = " + std::to_string(kVersion));
}

bool CSchema::Aktualisieren(SQLite::Database& db) {
    SQLite::Transaction t(db, SQLite::TransactionBehavior::IMMEDIATE);
    // Read inside the transaction: another program may have done it already.
    const int von = db.execAndGet("PRAGMA user_version").getInt();
    if (von >= kVersion) return false;
    Schritte(db, von);
    t.commit();
    return true;
}
