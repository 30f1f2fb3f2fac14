-- Sagwerk user file, schema version 1. A new file is brought up to the
-- program's version by the same steps as an old one (src/data/CSchema.cpp):
-- tables added later are written there.
--
-- Keys are INTEGER PRIMARY KEY AUTOINCREMENT: SQLite never hands out a key
-- again, even after the row with the highest key was deleted.
-- Dates (Datum, LetzteNutzung) are days since 30 December 1899 as a real
-- number, the fraction being the time of day.
-- SatzSuche and WortSuche hold the text folded to lower case (ASCII and the
-- German letters). Sentences and words are matched on them, without regard
-- to case, while the columns themselves stay plain text that any SQLite tool
-- can compare and sort.

PRAGMA application_id = 1397184338;
PRAGMA user_version = 1;

CREATE TABLE Benutzer (
    [Index]       INTEGER PRIMARY KEY AUTOINCREMENT,
    BName         TEXT,
    BVorname      TEXT,
    Passwort      TEXT,
    AnzButtonB    INTEGER,
    AnzButtonH    INTEGER,
    Speed         INTEGER,
    Pitch         INTEGER,
    LetzteNutzung REAL
);

CREATE TABLE Kategorie (
    [Index]   INTEGER PRIMARY KEY AUTOINCREMENT,
    KatName   TEXT,
    KatNummer INTEGER
);

CREATE TABLE Wortelement (
    [Index]       INTEGER PRIMARY KEY AUTOINCREMENT,
    Kategorie     INTEGER,
    alteKategorie INTEGER,
    Pos           INTEGER,
    altePos       INTEGER,
    Anzeigetext   TEXT,
    Phonetisch    TEXT,
    Bild          TEXT,
    Funktionscode INTEGER,
    Anzahl        INTEGER,
    Datum         REAL,
    Geg1PersE TEXT, Geg2PersE TEXT, Geg3PersE TEXT,
    Geg1PersM TEXT, Geg2PersM TEXT, Geg3PersM TEXT,
    Ver1PersE TEXT, Ver2PersE TEXT, Ver3PersE TEXT,
    Ver1PersM TEXT, Ver2PersM TEXT, Ver3PersM TEXT,
    Zuk1PersE TEXT, Zuk2PersE TEXT, Zuk3PersE TEXT,
    Zuk1PersM TEXT, Zuk2PersM TEXT, Zuk3PersM TEXT
);
CREATE INDEX WortelementKategorie ON Wortelement (Kategorie, Pos);
CREATE INDEX WortelementFunktionscode ON Wortelement (Funktionscode, Pos);

CREATE TABLE FTasten (
    [Index]     INTEGER PRIMARY KEY AUTOINCREMENT,
    Text        TEXT,
    FCode       INTEGER,
    Bild        TEXT,
    Anzeigetext TEXT,
    Pos         INTEGER,
    altePos     INTEGER
);
CREATE INDEX FTastenPos ON FTasten (Pos);

CREATE TABLE EButtons (
    [Index]     INTEGER PRIMARY KEY AUTOINCREMENT,
    Text        TEXT,
    Anzeigetext TEXT,
    Bild        TEXT,
    Pos         INTEGER,
    altePos     INTEGER
);
CREATE INDEX EButtonsPos ON EButtons (Pos);

CREATE TABLE Satzspeicher (
    Satznummer INTEGER PRIMARY KEY AUTOINCREMENT,
    Satz       TEXT,
    PSatz      TEXT,
    Anzahl     INTEGER,
    SatzSuche  TEXT NOT NULL
);
CREATE UNIQUE INDEX SatzspeicherSuche ON Satzspeicher (SatzSuche);
-- The index SatzspeicherOrdnung (German alphabetical order of SatzSuche) is
-- made by the program when it opens the file: its expression is written in
-- one place only, the program's.

CREATE TABLE Wortspeicher (
    Wortnummer INTEGER PRIMARY KEY AUTOINCREMENT,
    Wort       TEXT,
    WortSuche  TEXT NOT NULL
);
CREATE UNIQUE INDEX WortspeicherSuche ON Wortspeicher (WortSuche);

CREATE TABLE Verbindung (
    Wortnummer INTEGER NOT NULL,
    Satznummer INTEGER NOT NULL,
    PRIMARY KEY (Wortnummer, Satznummer)
) WITHOUT ROWID;
CREATE INDEX VerbindungSatz ON Verbindung (Satznummer, Wortnummer);
