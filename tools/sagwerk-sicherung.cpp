// Looks after the backups of a user file from the command line, for carers
// and for scripts run by a timer: lists them, makes today's, checks files in
// full and puts a backup back in place of the user file.
//
//   sagwerk-sicherung liste   BENUTZERDATEI
//   sagwerk-sicherung sichern BENUTZERDATEI
//   sagwerk-sicherung pruefen [--alle] DATEI...
//   sagwerk-sicherung zurueck BENUTZERDATEI [JJJJ-MM-TT | SICHERUNGSDATEI]
//
// Exit 0 on success, 1 with a German message when something failed or a file
// is not sound, 2 for wrong arguments.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <initializer_list>
#include <iostream>
#include <optional>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

#include "CSicherung.h"
#include "CSperre.h"
#include "CSystemUhr.h"

namespace fs = std::filesystem;

namespace {

using Eintrag = CSicherung::Eintrag;

void Aufruf(std::ostream& aus) {
    aus << "Aufruf:\n"
           "  sagwerk-sicherung liste BENUTZERDATEI\n"
           "      Zeigt die Sicherungen der Benutzerdatei, die neueste zuerst.\n"
           "  sagwerk-sicherung sichern BENUTZERDATEI\n"
           "      Legt die Sicherung von heute an (eine frühere von heute wird ersetzt),\n"
           "      prüft sie und dünnt die alten Sicherungen aus.\n"
           "  sagwerk-sicherung pruefen DATEI...\n"
           "  sagwerk-sicherung pruefen --alle BENUTZERDATEI\n"
           "      Prüft jede Datei vollständig, eine Benutzerdatei oder eine Sicherung;\n"
           "      mit --alle die Benutzerdatei und alle ihre Sicherungen.\n"
           "  sagwerk-sicherung zurueck BENUTZERDATEI [JJJJ-MM-TT | SICHERUNGSDATEI]\n"
           "      Ersetzt die Benutzerdatei durch ihre neueste Sicherung, durch die\n"
           "      Sicherung dieses Tages oder durch die genannte Sicherungsdatei. Die\n"
           "      bisherige Datei bleibt als ersetzte Datei bei den Sicherungen erhalten.\n"
           "      Solange ein Sagwerk die Benutzerdatei geöffnet hat, wird sie nicht ersetzt.\n"
           "\n"
           "Die Sicherungen liegen im Ordner \u201ESicherungen\u201C neben der Benutzerdatei:\n"
           "die der sieben letzten Tage und die neueste jeder der vier Wochen davor.\n"
           "\n"
           "Rückgabewert: 0 erfolgreich, 1 fehlgeschlagen oder nicht in Ordnung,\n"
           "2 falscher Aufruf.\n";
}

std::string Zitiert(const std::string& text) { return "\u201E" + text + "\u201C"; }

// SQLite's findings may run over several lines; a finding here is one.
std::string EineZeile(std::string text) {
    std::replace(text.begin(), text.end(), '\n', ' ');
    return text;
}

int Fehler(const std::string& text) {
    std::cerr << "sagwerk-sicherung: " << EineZeile(text) << '\n';
    return 1;
}

bool IstDatei(const std::string& pfad) {
    std::error_code ec;
    return fs::is_regular_file(pfad, ec);
}

bool Vorhanden(const std::string& pfad) {
    std::error_code ec;
    return fs::exists(pfad, ec);
}

bool Ziffern(const std::string& s, std::initializer_list<std::size_t> stellen) {
    return std::all_of(stellen.begin(), stellen.end(),
                       [&](std::size_t i) { return s[i] >= '0' && s[i] <= '9'; });
}

// A day as JJJJ-MM-TT, given so or as TT.MM.JJJJ (the form the list shows).
std::optional<std::string> AlsDatum(const std::string& s) {
    if (s.size() != 10) return std::nullopt;
    if (s[4] == '-' && s[7] == '-' && Ziffern(s, {0, 1, 2, 3, 5, 6, 8, 9})) return s;
    if (s[2] == '.' && s[5] == '.' && Ziffern(s, {0, 1, 3, 4, 6, 7, 8, 9})) {
        return s.substr(6, 4) + "-" + s.substr(3, 2) + "-" + s.substr(0, 2);
    }
    return std::nullopt;
}

// "Sicherung vom 03.05.2025" or "ersetzte Datei vom 03.05.2025, 14:03 Uhr",
// as the program names them.
std::string Benennung(const Eintrag& e) {
    if (!e.ersetzt) return "Sicherung vom " + CSicherung::DatumDeutsch(e.datum);
    std::string text = "ersetzte Datei vom " + CSicherung::DatumDeutsch(e.datum);
    // A stamp JJJJ-MM-TT-hhmmss; a file renamed by hand may lack the time.
    if (e.datum.size() >= 17)
        text += ", " + e.datum.substr(11, 2) + ":" + e.datum.substr(13, 2) + " Uhr";
    return text;
}

std::string Groesse(const std::string& pfad) {
    std::error_code ec;
    const std::uintmax_t bytes = fs::file_size(pfad, ec);
    if (ec) return "?";
    if (bytes < 1024) return std::to_string(bytes) + " Bytes";
    if (bytes < 1024 * 1024) return std::to_string((bytes + 512) / 1024) + " KB";
    char text[32];
    std::snprintf(text, sizeof text, "%.1f MB", static_cast<double>(bytes) / (1024.0 * 1024.0));
    std::string s = text;
    std::replace(s.begin(), s.end(), '.', ',');
    return s;
}

void KeineSicherung(const std::string& datei) {
    std::cout << "Von der Benutzerdatei " << Zitiert(datei) << " gibt es noch keine Sicherung.\n";
}

int Liste(const std::string& datei) {
    const std::vector<Eintrag> liste = CSicherung(datei).Liste();
    if (liste.empty()) {
        KeineSicherung(datei);
        return 0;
    }
    for (const Eintrag& e : liste) {
        std::string art = e.ersetzt ? "ersetzte Datei" : "Sicherung";
        if (e.ersetzt && e.datum.size() >= 17) {
            art += ", " + e.datum.substr(11, 2) + ":" + e.datum.substr(13, 2) + ":" +
                   e.datum.substr(15, 2) + " Uhr";
        }
        // Each file is checked: a damaged one is never taken for a backup.
        std::string befund;
        if (CSicherung::Pruefen(e.pfad, befund) == CSicherung::Befund::Beschaedigt)
            art += ", BESCHÄDIGT";
        char zeile[96];
        std::snprintf(zeile, sizeof zeile, "%s  %-28s %10s  ",
                      CSicherung::DatumDeutsch(e.datum).c_str(), art.c_str(),
                      Groesse(e.pfad).c_str());
        std::cout << zeile << e.pfad << '\n';
    }
    return 0;
}

int Sichern(const std::string& datei) {
    if (!IstDatei(datei)) return Fehler("Die Benutzerdatei " + Zitiert(datei) + " gibt es nicht.");
    const CSicherung sicherung(datei);
    const std::string heute = CSicherung::Datum(CSystemUhr().Jetzt());
    std::string fehler;
    if (!sicherung.Anlegen(heute, fehler)) {
        // The copy holds the file's pages as they are: a copy that fails its
        // check may mean a damaged user file, and then that is the news.
        std::string befund;
        if (CSicherung::Pruefen(datei, befund) == CSicherung::Befund::Beschaedigt) {
            std::string text = "Es wurde keine Sicherung angelegt: Die Benutzerdatei " +
                               Zitiert(datei) + " ist nicht in Ordnung. " + befund;
            const std::vector<Eintrag> liste = sicherung.Liste();
            if (std::any_of(liste.begin(), liste.end(),
                            [](const Eintrag& e) { return !e.ersetzt; })) {
                text += " Mit \u201Esagwerk-sicherung zurueck " + datei +
                        "\u201C lässt sich die neueste Sicherung zurückholen.";
            }
            return Fehler(text);
        }
        return Fehler(fehler);
    }
    for (const Eintrag& e : sicherung.Liste()) {
        if (!e.ersetzt && e.datum == heute) {
            std::cout << "Die Sicherung vom " << CSicherung::DatumDeutsch(heute)
                      << " ist angelegt und geprüft: " << e.pfad << '\n';
            return 0;
        }
    }
    return Fehler("Die Sicherung vom " + CSicherung::DatumDeutsch(heute) + " ist nicht in " +
                  Zitiert(sicherung.GetOrdner()) + " zu finden.");
}

// One line per file; true when it is sound.
bool PruefenEine(const std::string& datei) {
    std::string befund;
    bool gesund = false;
    if (!Vorhanden(datei)) {
        befund = "Die Datei gibt es nicht.";
    } else {
        gesund = CSicherung::Pruefen(datei, befund) == CSicherung::Befund::Gesund;
    }
    std::cout << datei << ": " << (gesund ? std::string("in Ordnung") : EineZeile(befund)) << '\n';
    return gesund;
}

int Pruefen(std::vector<std::string> dateien, bool alle) {
    if (alle) {
        const std::vector<Eintrag> liste = CSicherung(dateien.front()).Liste();
        if (liste.empty()) KeineSicherung(dateien.front());
        for (const Eintrag& e : liste) dateien.push_back(e.pfad);
    }
    bool alleGesund = true;
    for (const std::string& d : dateien) alleGesund = PruefenEine(d) && alleGesund;
    return alleGesund ? 0 : 1;
}

int Zurueck(const std::string& datei, const std::string& welche) {
    // Asked first, before a backup is chosen: the restore itself holds the
    // lock while it replaces the file.
    if (!CSperre(datei).IsGehalten()) {
        return Fehler("Die Benutzerdatei " + Zitiert(datei) +
                      " ist in einem Sagwerk geöffnet und wird darum nicht ersetzt. Bitte "
                      "beenden Sie dieses Sagwerk zuerst.");
    }
    const CSicherung sicherung(datei);
    const std::vector<Eintrag> liste = sicherung.Liste();
    auto wahl = liste.end();
    if (welche.empty()) {
        // The newest sound backup: a damaged one is passed over and named.
        wahl = std::find_if(liste.begin(), liste.end(), [](const Eintrag& e) {
            if (e.ersetzt) return false;
            std::string befund;
            if (CSicherung::Pruefen(e.pfad, befund) != CSicherung::Befund::Beschaedigt) return true;
            std::cout << "Die Sicherung vom " << CSicherung::DatumDeutsch(e.datum)
                      << " ist beschädigt und wird übergangen.\n";
            return false;
        });
        if (wahl == liste.end()) {
            std::string text =
                "Von der Benutzerdatei " + Zitiert(datei) + " gibt es keine Sicherung.";
            if (!liste.empty()) {
                text +=
                    " Eine ersetzte Datei lässt sich mit ihrem Dateinamen zurückholen "
                    "(\u201Esagwerk-sicherung liste " +
                    datei + "\u201C zeigt sie).";
            }
            return Fehler(text);
        }
    } else if (const std::optional<std::string> tag = AlsDatum(welche)) {
        wahl = std::find_if(liste.begin(), liste.end(),
                            [&](const Eintrag& e) { return !e.ersetzt && e.datum == *tag; });
        if (wahl == liste.end()) {
            return Fehler("Von der Benutzerdatei " + Zitiert(datei) +
                          " gibt es keine Sicherung vom " + CSicherung::DatumDeutsch(*tag) + ".");
        }
    } else {
        if (!IstDatei(welche)) return Fehler("Die Datei " + Zitiert(welche) + " gibt es nicht.");
        wahl = std::find_if(liste.begin(), liste.end(), [&](const Eintrag& e) {
            std::error_code ec;
            return fs::equivalent(e.pfad, welche, ec);
        });
        if (wahl == liste.end()) {
            return Fehler(Zitiert(welche) + " ist keine Sicherung der Benutzerdatei " +
                          Zitiert(datei) + "; ihre Sicherungen liegen in " +
                          Zitiert(sicherung.GetOrdner()) + ".");
        }
    }

    // Two restores within one second would share a stamp, and the second
    // would put its replaced file over the first one's.
    double jetzt = CSystemUhr().Jetzt();
    std::string stempel = CSicherung::Stempel(jetzt);
    const auto belegt = [&](const std::string& s) {
        return std::any_of(liste.begin(), liste.end(),
                           [&](const Eintrag& e) { return e.ersetzt && e.datum == s; });
    };
    for (int i = 0; i < 600 && belegt(stempel); ++i) {
        jetzt += 1.0 / 86400.0;
        stempel = CSicherung::Stempel(jetzt);
    }

    const bool warDa = Vorhanden(datei);
    const std::string wovon = Benennung(*wahl);
    std::string fehler;
    if (!sicherung.Wiederherstellen(*wahl, stempel, fehler)) {
        return Fehler("Die " + wovon + " konnte nicht wiederhergestellt werden. " + fehler);
    }
    std::cout << "Die Benutzerdatei " << Zitiert(datei) << " ist durch die " << wovon
              << " ersetzt (" << wahl->pfad << ").\n";
    if (!warDa) {
        std::cout << "Eine bisherige Benutzerdatei gab es nicht.\n";
        return 0;
    }
    for (const Eintrag& e : sicherung.Liste()) {
        if (e.ersetzt && e.datum == stempel) {
            std::cout << "Die bisherige Datei ist aufgehoben: " << e.pfad << '\n';
            break;
        }
    }
    return 0;
}

int FalscherAufruf() {
    Aufruf(std::cerr);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) return FalscherAufruf();
    const std::string befehl = args.front();
    args.erase(args.begin());
    if (befehl == "--hilfe" || befehl == "-h") {
        Aufruf(std::cout);
        return 0;
    }
    if (befehl == "liste" && args.size() == 1) return Liste(args[0]);
    if (befehl == "sichern" && args.size() == 1) return Sichern(args[0]);
    if (befehl == "pruefen" || befehl == "prüfen") {
        bool alle = false;
        std::vector<std::string> dateien;
        for (const std::string& a : args) {
            if (a == "--alle") {
                alle = true;
            } else if (a.rfind("--", 0) == 0) {
                return FalscherAufruf();
            } else {
                dateien.push_back(a);
            }
        }
        if (dateien.empty() || (alle && dateien.size() != 1)) return FalscherAufruf();
        return Pruefen(std::move(dateien), alle);
    }
    if ((befehl == "zurueck" || befehl == "zurück") && (args.size() == 1 || args.size() == 2)) {
        return Zurueck(args[0], args.size() == 2 ? args[1] : std::string());
    }
    return FalscherAufruf();
}
