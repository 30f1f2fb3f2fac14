// "gehalten": another program holds the user file (BEGIN EXCLUSIVE, as the
// sqlite3 tool does) while the person clicks and speaks, or already when
// the program starts.
//
// Every round a child opens the user file through the document. In the
// rounds "beim Klicken" the file is free at the open and held from then on;
// in the rounds "beim Start" it is held before the open. With the file held
// the child clicks a person word, words of the grid (the first sentence
// turns the page to a category not shown before, and other links do),
// types and says "Sprechen", a few sentences; each is sent to the parent
// once Speak() has returned. Then the file is let go, and the child calls
// Nachholen as the program's timer does until the user is open and nothing
// waits. Counted: boxes (ReportError and ShowMessage through the dialogs
// seam: a box would stop the person), sentences not in Satzspeicher after
// that, users that did not open once the file was free, a held file taken
// for a damaged one, person words missing from a sentence, and clicks that
// took longer than a second (the screen stands still meanwhile). How long
// the open took is said besides (it is no click).

#include <signal.h>

#include <algorithm>
#include <iostream>
#include <map>
#include <optional>
#include <thread>

#include "SondeBenutzer.h"
#include "SondeGemeinsam.h"
#include "SondeProben.h"

namespace sonde {

namespace {

using namespace std::chrono_literals;

constexpr long kSaetze = 4;
constexpr long kHaengerMs = 1000;

struct CZaehler {
    long runden = 0;
    long saetze = 0;
    long boxen = 0;
    long verloren = 0;
    long nichtGeoeffnet = 0;
    long alsBeschaedigt = 0;
    long ohnePerson = 0;
    long haenger = 0;
    long langsamstMs = 0;
    long oeffnenMs = 0;
    long abstuerze = 0;
};

long MsSeit(Zeitpunkt anfang) {
    return static_cast<long>(
        std::chrono::duration_cast<std::chrono::milliseconds>(Jetzt() - anfang).count());
}

int Kind(CKind& kind, const std::string& datei, std::uint64_t saat, long runde, bool beimStart) {
    if (!kind.AufStartWarten()) return 3;
    CStillesDokument still;
    CSagwerkDoc& doc = *still.doc;
    long langsamst = 0;
    std::string welcher = "-";
    const auto messen = [&](const char* name, auto&& schritt) {
        const Zeitpunkt a = Jetzt();
        schritt();
        const long ms = MsSeit(a);
        if (ms > langsamst) {
            langsamst = ms;
            welcher = name;
        }
    };
    // The open is no click; how long it takes is said on its own.
    const Zeitpunkt anfang = Jetzt();
    doc.OpenUser(datei);
    const long oeffnenMs = MsSeit(anfang);
    std::map<int, std::string> personen;
    if (!beimStart) {
        if (doc.GetDatabase() == nullptr) return 4;
        doc.GetDatabase()->WaitForCheck();
        // The function keys on screen, as the views walk them.
        CFunktionsTaste taste;
        for (bool da = doc.FirstFunctionKey(taste); da; da = doc.NextFunctionKey(taste))
            personen[static_cast<int>(taste.GetCode())] = Getrimmt(taste.GetText());
        kind.Melden("offen");
        if (!kind.AufStartWarten()) return 3;  // held from now on
    }
    const bool beschaedigt = doc.IstDateiBeschaedigt() || (beimStart && !doc.WartetAufDatei());

    CZufall zufall(saat, static_cast<std::uint64_t>(runde));
    long ohnePerson = 0;
    for (long n = 0; n < kSaetze; ++n) {
        const int person = static_cast<int>(zufall.Zahl(1, 8));
        messen("Personenwort", [&] { doc.FunctionCode(person); });
        // The first sentence turns the page to a category not shown before.
        if (n == 0) {
            int wo = 0;
            for (const CWortButton* b = doc.GetFirstElement(); b != nullptr;
                 b = doc.GetNextElement(), ++wo) {
                if (b->GetText() == "Essen") break;
            }
            if (wo < doc.GetElementCount()) messen("Kategorie", [&] { doc.ElementClicked(wo); });
        }
        for (long k = zufall.Zahl(1, 3); k > 0; --k) {
            if (doc.GetElementCount() == 0) break;
            const int wo = static_cast<int>(zufall.Zahl(0, doc.GetElementCount() - 1));
            messen("Wort", [&] { doc.ElementClicked(wo); });
        }
        if (zufall.Mal(20)) messen("Startseite", [&] { doc.ElementClicked(CSagwerkDoc::kStartseite); });
        Tippen(doc, EigenerSatz(zufall, std::to_string(runde) + "-" + std::to_string(n)));
        const std::string satz = Getrimmt(doc.GetSentence());
        messen("Sprechen", [&] { doc.Speak(); });
        kind.Melden("satz " + satz);
        const auto wort = personen.find(person);
        if (wort != personen.end() && !wort->second.empty() &&
            satz.compare(0, wort->second.size(), wort->second) != 0) {
            ++ohnePerson;
            std::cerr << "Runde " << runde << ": ohne \"" << wort->second << "\": \"" << satz
                      << "\"\n";
        }
        messen("Neuer Satz", [&] { doc.FunctionCode(91); });
    }
    kind.Melden("gesprochen");
    if (!kind.AufStartWarten()) return 3;  // the file is free now

    // The program's timer: Nachholen until the user is there and nothing waits.
    const Zeitpunkt bis = In(10s);
    bool offen = false;
    while (Jetzt() < bis) {
        messen("Nachholen", [&] { doc.Nachholen(); });
        offen = doc.GetDatabase() != nullptr && doc.GetUser() != nullptr &&
                !doc.GetTitle().empty() && !doc.WartetAufDatei();
        if (offen && !doc.HatWartendeSaetze()) break;
        std::this_thread::sleep_for(50ms);
    }
    doc.WaitForWriter();
    const std::size_t boxen = still.dialoge.fehler.size() + still.dialoge.meldungen.size();
    for (const std::string& f : still.dialoge.fehler) std::cerr << "  Box: " << f << '\n';
    for (const auto& m : still.dialoge.meldungen) std::cerr << "  Box: " << m.text << '\n';
    kind.Melden("ende boxen=" + std::to_string(boxen) + " offen=" + (offen ? "1" : "0") +
                " beschaedigt=" + (beschaedigt ? "1" : "0") + " ohne_person=" +
                std::to_string(ohnePerson) + " langsamst_ms=" + std::to_string(langsamst) + " oeffnen_ms=" + std::to_string(oeffnenMs) + " schritt=" + welcher);
    return 0;
}

void Runde(const std::string& datei, std::uint64_t saat, long runde, CZaehler& z) {
    const bool beimStart = runde % 2 == 1;
    CKind kind([&](CKind& k) { return Kind(k, datei, saat, runde, beimStart); });
    std::optional<CHalter> halter;
    if (beimStart) halter.emplace(datei, true);
    kind.Starten();
    std::vector<std::string> saetze;
    std::string zeile, rest, ende;
    const Zeitpunkt frist = In(60s);
    while (kind.NaechsteZeile(zeile, frist) == CKind::Lesen::Zeile) {
        if (zeile == "offen") {
            halter.emplace(datei, true);
            kind.Starten();
        } else if (Beginnt(zeile, "satz", rest)) {
            saetze.push_back(rest);
        } else if (zeile == "gesprochen") {
            halter.reset();
            kind.Starten();
        } else if (Beginnt(zeile, "ende", rest)) {
            ende = rest;
        }
    }
    halter.reset();
    const CEnde e = kind.Beenden(In(10s));
    ++z.runden;
    z.saetze += static_cast<long>(saetze.size());
    if (!e.Sauber() || ende.empty()) {
        ++z.abstuerze;
        std::cerr << "Runde " << runde << ": Kind: " << e.Text() << '\n';
    }
    z.boxen += std::max(0L, Wert(ende, "boxen"));
    if (Wert(ende, "offen") != 1) {
        ++z.nichtGeoeffnet;
        std::cerr << "Runde " << runde << ": Benutzer nach dem Freigeben nicht geöffnet\n";
    }
    if (Wert(ende, "beschaedigt") == 1) {
        ++z.alsBeschaedigt;
        std::cerr << "Runde " << runde << ": gehaltene Datei als beschädigt genannt\n";
    }
    z.ohnePerson += std::max(0L, Wert(ende, "ohne_person"));
    const long langsam = Wert(ende, "langsamst_ms");
    z.langsamstMs = std::max(z.langsamstMs, langsam);
    z.oeffnenMs = std::max(z.oeffnenMs, Wert(ende, "oeffnen_ms"));
    if (langsam > kHaengerMs) {
        ++z.haenger;
        std::cerr << "Runde " << runde << (beimStart ? " (beim Start)" : " (beim Klicken)")
                  << ": " << ende.substr(ende.find("schritt=") + 8) << " brauchte " << langsam
                  << " ms\n";
    }
    const long fehlend = Fehlende(datei, saetze);
    if (fehlend > 0) std::cerr << "Runde " << runde << ": " << fehlend << " Sätze fehlen\n";
    z.verloren += fehlend;
}

}  // namespace

int Gehalten(const CArgumente& argumente) {
    const long runden = argumente.Zahl("--runden", 20);
    const std::uint64_t saat = argumente.Saat();
    CArbeitsordner ordner;
    const std::string datei = ordner.Datei("Toni.mdb");
    std::string fehler;
    if (!BenutzerAnlegen(datei, fehler)) {
        std::cerr << "Benutzerdatei nicht angelegt: " << fehler << '\n';
        return 2;
    }
    CZaehler z;
    for (long runde = 0; runde < runden; ++runde) Runde(datei, saat, runde, z);
    std::cout << "gehalten runden=" << z.runden << " saetze=" << z.saetze << " boxen=" << z.boxen
              << " verloren=" << z.verloren << " nicht_geoeffnet=" << z.nichtGeoeffnet
              << " als_beschaedigt=" << z.alsBeschaedigt << " ohne_personenwort=" << z.ohnePerson
              << " haenger=" << z.haenger << " langsamster_schritt_ms=" << z.langsamstMs
              << " laengstes_oeffnen_ms=" << z.oeffnenMs << " abstuerze=" << z.abstuerze << std::endl;
    return z.boxen + z.verloren + z.nichtGeoeffnet + z.alsBeschaedigt + z.ohnePerson + z.haenger +
                       z.abstuerze ==
                   0
               ? 0
               : 1;
}

}  // namespace sonde
