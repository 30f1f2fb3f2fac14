#include "SondeBenutzer.h"

#include <SQLiteCpp/SQLiteCpp.h>

#include <vector>

#include "BenutzerAnlegen.h"
#include "CDatenbank.h"
#include "CKategorie.h"
#include "CStummeEngine.h"
#include "CWortelement.h"

namespace sonde {

namespace {

CWortelement Wort(long kategorie, long pos, const std::string& wort) {
    CWortelement::Formen formen;
    formen[0] = wort;
    return CWortelement(formen, pos, kategorie, "", wort, CWortelement::Wort, "");
}

CWortelement Verb(long kategorie, long pos, const std::string& stamm) {
    CWortelement::Formen formen;
    for (int i = 0; i < CWortelement::kFormen; ++i) formen[i] = stamm + "e";
    return CWortelement(formen, pos, kategorie, "", stamm + "en", CWortelement::Verb, "");
}

CWortelement Link(long kategorie, long pos, long ziel, const std::string& name) {
    CWortelement::Formen formen;
    formen[0] = std::to_string(ziel);
    return CWortelement(formen, pos, kategorie, "", name, CWortelement::Link, "");
}

}  // namespace

bool BenutzerAnlegen(const std::string& pfad, std::string& fehler) {
    if (!CreateUserDatabase(pfad, "Toni", "Sonde", fehler)) return false;
    CTestDialoge dialoge;
    CSystemUhr uhr;
    CDatenbank db(pfad, dialoge, uhr);
    CKategorie essen;
    essen.SetName("Essen");
    essen.SetNummer(2);
    bool ok = db.SaveKategorie(essen, 0);
    std::vector<CWortelement> elemente = {
        Wort(1, 1, "Wasser"),
        Wort(1, 2, "Brötchen"),
        Verb(1, 3, "geh"),
        Wort(1, 4, "draußen"),
        Link(1, 5, essen.GetIndex(), "Essen"),
        Wort(essen.GetIndex(), 1, "Käse"),
        Verb(essen.GetIndex(), 2, "ess"),
        Link(essen.GetIndex(), 3, 1, "Start"),
    };
    for (CWortelement& e : elemente) ok = ok && db.SaveWortelement(e, 0);
    if (!ok) fehler = dialoge.fehler.empty() ? "Vokabular nicht gespeichert" : dialoge.fehler[0];
    return ok;
}

std::string ZufallsSatz(CZufall& zufall) {
    static const std::vector<std::string> anfang = {
        "Ich möchte",   "Bitte gib mir",          "Kannst du mir",     "Heute hätte ich gern",
        "Wir brauchen", "Mir ist übel, ich will", "Gestern wollte ich"};
    static const std::vector<std::string> mitte = {"ein Glas Wasser",   "zwei Brötchen",
                                                   "den Käse",          "Äpfel und Birnen",
                                                   "eine Überraschung", "die Straße hinunter",
                                                   "etwas Süßes",       "ein großes Eis",
                                                   "meine Öl-Farben",   "Müsli"};
    static const std::vector<std::string> ende = {
        "haben.", "trinken!", "essen?", "sehen", "gehen, bitte.", "draußen spielen", "später"};
    std::string satz = zufall.Eines(anfang);
    for (long n = zufall.Zahl(1, 3); n > 0; --n) satz += " " + zufall.Eines(mitte);
    return satz + " " + zufall.Eines(ende);
}

void Tippen(CSagwerkDoc& doc, const std::string& text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto b = static_cast<unsigned char>(text[i]);
        const std::size_t n = b < 0x80 ? 1 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : 4;
        doc.KeyTyped(std::string_view(text).substr(i, n));
        i += n;
    }
}

std::string Getrimmt(const std::string& text) {
    const auto a = text.find_first_not_of(' ');
    if (a == std::string::npos) return {};
    return text.substr(a, text.find_last_not_of(' ') - a + 1);
}

std::string Integritaet(const std::string& datei, bool lesend) {
    try {
        SQLite::Database db(datei, lesend ? SQLite::OPEN_READONLY : SQLite::OPEN_READWRITE, 2000);
        return db.execAndGet("PRAGMA integrity_check").getString();
    } catch (const SQLite::Exception& e) {
        return e.what();
    }
}

CStillesDokument::CStillesDokument(const CDatenbank::Optionen& optionen) {
    doc = std::make_unique<CSagwerkDoc>(dialoge, uhr, std::make_unique<CStummeEngine>());
    CDatenbank::Optionen o = optionen;
    o.nurEinProgramm = false;
    doc->SetDatenbankOptionen(o);
}

}  // namespace sonde
