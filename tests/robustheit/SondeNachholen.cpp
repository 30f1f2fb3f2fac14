// "nachholen": the program is killed while it writes back the sentences
// that waited beside the user file.
//
// Every round the waiting queue is made as the person makes it: a child
// opens the user file through the document while another program holds the
// file for writing (BEGIN IMMEDIATE) and says 30 sentences of its own; they
// wait. The file is let go, and a second child opens it, as the program
// does at its next start, which writes the queue back; the parent kills it
// (SIGKILL) at a random moment: in half of the rounds within 0 to 50 ms, in
// the other half around the time a write-back takes untouched, so that
// kills land between the write and the trimming of the queue. Then the file
// is opened once more to write the rest. Every sentence must be in
// Satzspeicher once: counted are sentences stored twice (a second row or
// Anzahl 2) and sentences missing.

#include <signal.h>

#include <iostream>
#include <optional>
#include <thread>

#include "SondeBenutzer.h"
#include "SondeGemeinsam.h"
#include "SondeProben.h"

namespace sonde {

namespace {

using namespace std::chrono_literals;

constexpr long kSaetze = 30;

struct CZaehler {
    long runden = 0;
    long saetze = 0;
    long getroffen = 0;
    long doppelt = 0;
    long verloren = 0;
    long integritaet = 0;
    long abstuerze = 0;
};

// Says the sentences into the held file: they wait beside it.
int Warten(CKind& kind, const std::string& datei, std::uint64_t saat, long runde) {
    if (!kind.AufStartWarten()) return 3;
    CDatenbank::Optionen optionen;
    optionen.wartezeitMs = 20;
    CStillesDokument still(optionen);
    CSagwerkDoc& doc = *still.doc;
    doc.OpenUser(datei);
    if (doc.GetDatabase() == nullptr) return 4;
    doc.GetDatabase()->WaitForCheck();
    CZufall zufall(saat, static_cast<std::uint64_t>(runde));
    for (long n = 0; n < kSaetze; ++n) {
        Tippen(doc, EigenerSatz(zufall, std::to_string(runde) + "-" + std::to_string(n)));
        const std::string satz = Getrimmt(doc.GetSentence());
        doc.Speak();
        kind.Melden("satz " + satz);
        doc.FunctionCode(91);
    }
    kind.Melden(doc.HatWartendeSaetze() ? "wartet" : "wartet nicht");
    kind.AufStartWarten();  // killed here, with the file still held
    return 0;
}

// Opens the file; the waiting sentences are written back.
int Zurueckschreiben(CKind& kind, const std::string& datei) {
    if (!kind.AufStartWarten()) return 3;
    CStillesDokument still;
    CSagwerkDoc& doc = *still.doc;
    doc.OpenUser(datei);
    if (doc.GetDatabase() != nullptr) doc.GetDatabase()->WaitForCheck();
    for (int i = 0; i < 1000 && doc.HatWartendeSaetze(); ++i) {
        if (!doc.Nachholen()) std::this_thread::sleep_for(1ms);
    }
    doc.WaitForWriter();
    kind.Melden("fertig");
    return 0;
}

// Makes the queue of one round; the sentences said, or none on failure.
std::vector<std::string> WarteschlangeMachen(const std::string& datei, std::uint64_t saat,
                                             long runde) {
    std::vector<std::string> saetze;
    CHalter halter(datei, false);
    CKind kind([&](CKind& k) { return Warten(k, datei, saat, runde); });
    kind.Starten();
    std::string zeile, rest;
    bool wartet = false;
    while (kind.NaechsteZeile(zeile, In(30s)) == CKind::Lesen::Zeile) {
        if (Beginnt(zeile, "satz", rest)) saetze.push_back(rest);
        if (zeile == "wartet") wartet = true;
        if (zeile.rfind("wartet", 0) == 0) break;
    }
    kind.Toeten();
    kind.Beenden(In(10s));
    if (!wartet) {
        std::cerr << "Runde " << runde << ": die Sätze warten nicht\n";
        saetze.clear();
    }
    return saetze;
}

}  // namespace

int Nachholen(const CArgumente& argumente) {
    const long runden = argumente.Zahl("--runden", 20);
    const std::uint64_t saat = argumente.Saat();
    CArbeitsordner ordner;
    const std::string datei = ordner.Datei("Toni.mdb");
    std::string fehler;
    if (!BenutzerAnlegen(datei, fehler)) {
        std::cerr << "Benutzerdatei nicht angelegt: " << fehler << '\n';
        return 2;
    }
    // How long a write-back takes untouched (microseconds).
    long dauer = 0;
    {
        if (WarteschlangeMachen(datei, saat, -1).empty()) return 2;
        const Zeitpunkt anfang = Jetzt();
        CKind kind([&](CKind& k) { return Zurueckschreiben(k, datei); });
        kind.Starten();
        std::string zeile;
        kind.NaechsteZeile(zeile, In(30s));
        dauer = static_cast<long>(
            std::chrono::duration_cast<std::chrono::microseconds>(Jetzt() - anfang).count());
        kind.Beenden(In(10s));
    }

    CZaehler z;
    for (long runde = 0; runde < runden; ++runde) {
        const std::vector<std::string> saetze = WarteschlangeMachen(datei, saat, runde);
        if (saetze.empty()) return 2;
        CZufall zufall(saat ^ 0x6e616368ULL, static_cast<std::uint64_t>(runde));
        const long us = runde % 2 == 0 ? zufall.Zahl(0, 50000)
                                       : zufall.Zahl(dauer * 6 / 10, dauer * 14 / 10);
        {
            CKind kind([&](CKind& k) { return Zurueckschreiben(k, datei); });
            kind.Starten();
            std::string zeile;
            kind.NaechsteZeile(zeile, Jetzt() + std::chrono::microseconds(us));
            kind.Toeten();
            const CEnde ende = kind.Beenden(In(10s));
            if (ende.DurchSignal(SIGKILL)) {
                ++z.getroffen;
            } else if (!ende.Sauber()) {
                ++z.abstuerze;
                std::cerr << "Runde " << runde << ": Kind: " << ende.Text() << '\n';
            }
        }
        ++z.runden;
        z.saetze += static_cast<long>(saetze.size());
        const std::string befund = Integritaet(datei, false);
        if (befund != "ok") {
            ++z.integritaet;
            std::cerr << "Runde " << runde << ": integrity_check: " << befund << '\n';
        }
        if (!OeffnenUndNachholen(datei))
            std::cerr << "Runde " << runde << ": wartende Sätze blieben in der Warteschlange\n";
        const long doppelt = Doppelte(datei, saetze);
        const long fehlend = Fehlende(datei, saetze);
        if (doppelt + fehlend > 0) {
            std::cerr << "Runde " << runde << " (getötet nach " << us << " µs): " << doppelt
                      << " doppelt, " << fehlend << " fehlen\n";
        }
        z.doppelt += doppelt;
        z.verloren += fehlend;
    }
    std::cout << "nachholen runden=" << z.runden << " saetze=" << z.saetze
              << " getroffen=" << z.getroffen << " zurueckschreiben_us=" << dauer
              << " doppelt=" << z.doppelt << " verloren=" << z.verloren
              << " integritaet_fehler=" << z.integritaet << " abstuerze=" << z.abstuerze
              << std::endl;
    return z.doppelt + z.verloren + z.integritaet + z.abstuerze == 0 ? 0 : 1;
}

}  // namespace sonde
