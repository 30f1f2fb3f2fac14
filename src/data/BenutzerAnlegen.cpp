#include "BenutzerAnlegen.h"

#include <SQLiteCpp/SQLiteCpp.h>

#include <cstdint>
#include <filesystem>
#include <random>
#include <system_error>

#ifndef _WIN32
#include <unistd.h>
#endif

#include "CSchema.h"
#include "SchemaSql.h"

namespace {

struct Funktion {
    long code;
    const char* text;
    const char* anzeige;
    const char* bild;
};

// The sixteen function buttons every user starts with, in their order.
constexpr Funktion kFunktionen[] = {
    {1, "ich", "Ich", "icons\\funktionen\\ich.svg"},
    {2, "du", "Du", "icons\\funktionen\\du.svg"},
    {3, "er", "Er", "icons\\funktionen\\er.svg"},
    {4, "sie", "sie (Frau)", "icons\\funktionen\\sie.svg"},
    {5, "es", "Es", "icons\\funktionen\\es.svg"},
    {6, "wir", "Wir", "icons\\funktionen\\wir.svg"},
    {7, "ihr", "Ihr", "icons\\funktionen\\ihr.svg"},
    {8, "sie", "sie (alle)", "icons\\funktionen\\sie-alle.svg"},
    {20, "", "Gegenwart", "icons\\funktionen\\gegenwart.svg"},
    {21, "", "Vergangen", "icons\\funktionen\\vergangenheit.svg"},
    {22, "", "Zukunft", "icons\\funktionen\\zukunft.svg"},
    {80, "", "Verben", "icons\\funktionen\\verben.svg"},
    {90, "", "Wort weg", "icons\\funktionen\\wort-loeschen.svg"},
    {91, "", "Satz weg", "icons\\funktionen\\satz-loeschen.svg"},
    {92, "", "Tastatur", "icons\\funktionen\\tastatur.svg"},
    {93, "", "Satzliste", "icons\\funktionen\\alle-saetze.svg"},
    // The article and case latches; an older file gets them from its schema step.
    {30, "", "der/die/das", "icons\\funktionen\\bestimmt.svg"},
    {31, "", "ein/eine", "icons\\funktionen\\unbestimmt.svg"},
    {32, "", "mehrere", "icons\\funktionen\\mehrere.svg"},
    {33, "", "Wem/Wen", "icons\\funktionen\\fall.svg"},
};

struct Emotion {
    const char* text;  // what is spoken
    const char* anzeige;
    const char* bild;
};

constexpr Emotion kEmotionen[] = {
    {"Ja.", "Ja", "icons\\emotionen\\ja.svg"},
    {"Nein.", "Nein", "icons\\emotionen\\nein.svg"},
    {"Danke!", "Danke", "icons\\emotionen\\danke.svg"},
    {"Bitte.", "Bitte", "icons\\emotionen\\bitte.svg"},
    {"Hallo!", "Hallo", "icons\\emotionen\\hallo.svg"},
    {"Tschüss!", "Tschüss", "icons\\emotionen\\tschuess.svg"},
    {"Hilfe!", "Hilfe", "icons\\emotionen\\hilfe.svg"},
    {"Das weiß ich nicht.", "Weiß nicht", "icons\\emotionen\\weiss-nicht.svg"},
};

void Fuellen(SQLite::Database& db, const std::string& vorname, const std::string& name) {
    SQLite::Transaction t(db);
    db.exec(kSchemaSql);
    CSchema::Schritte(db, 1);

    SQLite::Statement b(db,
                        "insert into Benutzer (BName, BVorname, Passwort, AnzButtonB, AnzButtonH, "
                        "Speed, Pitch, LetzteNutzung) values (?, ?, '', 6, 4, 100, 100, 0)");
    b.bind(1, name);
    b.bind(2, vorname);
    b.exec();

    db.exec("insert into Kategorie ([Index], KatName, KatNummer) values (1, 'HOME', 0)");

    SQLite::Statement f(db,
                        "insert into FTasten (Text, FCode, Bild, Anzeigetext, Pos, altePos) "
                        "values (?, ?, ?, ?, ?, ?)");
    long pos = 1;
    for (const auto& k : kFunktionen) {
        f.bind(1, k.text);
        f.bind(2, static_cast<std::int64_t>(k.code));
        f.bind(3, k.bild);
        f.bind(4, k.anzeige);
        f.bind(5, static_cast<std::int64_t>(pos));
        f.bind(6, static_cast<std::int64_t>(pos));
        f.exec();
        f.reset();
        ++pos;
    }

    SQLite::Statement e(db,
                        "insert into EButtons (Text, Anzeigetext, Bild, Pos, altePos) "
                        "values (?, ?, ?, ?, ?)");
    pos = 1;
    for (const auto& k : kEmotionen) {
        e.bind(1, k.text);
        e.bind(2, k.anzeige);
        e.bind(3, k.bild);
        e.bind(4, static_cast<std::int64_t>(pos));
        e.bind(5, static_cast<std::int64_t>(pos));
        e.exec();
        e.reset();
        ++pos;
    }
    t.commit();
}

// Moves the finished file to its name unless that name is taken. link()
// fails when the target exists, so two programs creating the same user at
// once cannot overwrite each other.
bool Einsetzen(const std::filesystem::path& temp, const std::filesystem::path& ziel,
               std::error_code& ec) {
#ifndef _WIN32
    if (::link(temp.c_str(), ziel.c_str()) != 0) {
        ec = std::error_code(errno, std::generic_category());
        return false;
    }
    std::filesystem::remove(temp, ec);
    ec.clear();
    return true;
#else
    if (std::filesystem::exists(ziel)) {
        ec = std::make_error_code(std::errc::file_exists);
        return false;
    }
    std::filesystem::rename(temp, ziel, ec);
    return !ec;
#endif
}

}  // namespace

bool CreateUserDatabase(const std::string& pfad, const std::string& vorname,
                        const std::string& name, std::string& fehler) {
    namespace fs = std::filesystem;
    const fs::path ziel(pfad);
    const std::string anzeige = "\u201E" + pfad + "\u201C";
    std::error_code ec;
    if (fs::exists(ziel, ec)) {
        fehler = "Die Datei " + anzeige + " gibt es schon. Sie wird nicht überschrieben.";
        return false;
    }
    std::random_device zufall;
    fs::path temp = ziel;
    temp += ".neu-" + std::to_string(zufall());
    try {
        {
            SQLite::Database db(temp.string(), SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
            db.exec("PRAGMA synchronous = FULL");
            Fuellen(db, vorname, name);
        }
        if (!Einsetzen(temp, ziel, ec)) {
            fs::remove(temp, ec);
            fehler = fs::exists(ziel)
                         ? "Die Datei " + anzeige + " gibt es schon. Sie wird nicht überschrieben."
                         : "Die Datei " + anzeige + " kann nicht angelegt werden.";
            return false;
        }
    } catch (const std::exception& e) {
        fs::remove(temp, ec);
        fehler = "Die Datei " + anzeige + " kann nicht angelegt werden (" + e.what() + ").";
        return false;
    }
    return true;
}
