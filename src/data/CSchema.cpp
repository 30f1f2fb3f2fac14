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

}  // namespace

void CSchema::Schritte(SQLite::Database& db, int von) {
    if (von >= kVersion) return;
    if (von < 2) db.exec(kBedienung);
    if (von < 3) db.exec(kWortvorhersage);
    if (von < 4) db.exec(kSchalter);
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
