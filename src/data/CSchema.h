#pragma once

namespace SQLite {
class Database;
}

// The versions of the user file. A new file is made with the first schema
// (schema.sql) and brought up by the same steps as an old file, so each
// table added later is written in one place only.
//
// Version 2 adds the table Bedienung: how the person operates the program
// (mouse, one or two switches, dwell, keyboard), one row. Version 3 adds
// its column Wortvorhersage: whether the screen shows the rows of words
// offered (on unless the carer turned it off). Version 4 adds how a switch
// counts and where scanning goes: Annahmezeit, Erstzeit, Weiter, Ansage,
// Schalter1 and Schalter2 (see CBedienung). Version 5 adds the table Nomen
// (gender and the eight forms of a word element that is a noun) and the
// function buttons 30-33 (der/die/das, ein/eine, mehrere, Wem/Wen).
// Version 6 adds the table Nachgeholt: the numbers of the waiting sentences
// the file has taken, so that a sentence is never stored twice from the
// waiting queue (see CSatzWarteschlange).
class CSchema {
public:
    static constexpr int kVersion = 6;

    // Runs the steps from version `von` up to kVersion inside the caller's
    // transaction and sets user_version. Throws SQLite::Exception.
    static void Schritte(SQLite::Database& db, int von);
    // Reads the file's version and brings it up in a transaction of its own:
    // all steps or none. True when something was done. Throws
    // SQLite::Exception; a file of a newer version is left alone.
    static bool Aktualisieren(SQLite::Database& db);
};
