// "voll": the disk of the user file is full while the person speaks.
//
// The user file lies on a small memory disk of its own (tmpfs), and so do
// the person's home and temporary folders: every place the waiting queue
// could go is on the full disk, and only the room the queue keeps reserved
// is left. Every round a child opens the user while there is space; then
// the probe fills the disk to the last byte, and the child says typed
// sentences, each sent to the parent once Speak() has returned. In the
// rounds "toeten" it is killed (SIGKILL) after 20 to 300 ms, in the rounds
// "beenden" it says 20 sentences and ends as the program does when it is
// closed. Then the space is given back, the file is opened again as at the
// next start, and every sentence sent must be in Satzspeicher.
//
// Where mounting is not allowed the probe says "übersprungen", counts
// nothing and ends with 0.

#include <signal.h>
#include <stdlib.h>

#include <filesystem>
#include <iostream>

#include "SondeBenutzer.h"
#include "SondeGemeinsam.h"
#include "SondeProben.h"

namespace sonde {

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

constexpr long kPlatte = 24L << 20;
constexpr long kBeendenSaetze = 20;

struct CZaehler {
    long runden = 0;
    long bestaetigt = 0;
    long verloren = 0;
    long nichtVoll = 0;
    long ohneReserve = 0;
    long integritaet = 0;
    long abstuerze = 0;
};

int Kind(CKind& kind, const std::string& datei, std::uint64_t saat, long runde, bool toeten) {
    if (!kind.AufStartWarten()) return 3;
    CStillesDokument still;
    CSagwerkDoc& doc = *still.doc;
    if (!doc.OpenUser(datei) || doc.GetDatabase() == nullptr) return 4;
    doc.GetDatabase()->WaitForCheck();
    kind.Melden("offen");
    if (!kind.AufStartWarten()) return 3;  // the disk is full now
    CZufall zufall(saat, static_cast<std::uint64_t>(runde));
    for (long n = 0; toeten || n < kBeendenSaetze; ++n) {
        if (zufall.Mal(30) && doc.GetElementCount() > 0)
            doc.ElementClicked(static_cast<int>(zufall.Zahl(0, doc.GetElementCount() - 1)));
        Tippen(doc, EigenerSatz(zufall, std::to_string(runde) + "-" + std::to_string(n)));
        const std::string satz = Getrimmt(doc.GetSentence());
        doc.Speak();
        kind.Melden("satz " + satz);
        doc.FunctionCode(91);
    }
    // What the person was told (a lost sentence must have been said to be lost).
    for (const std::string& h : still.dialoge.hinweise)
        std::cerr << "  Runde " << runde << ", Hinweis: " << h << '\n';
    return 0;  // closed: the document goes as the program's does
}

void Runde(const std::string& datei, CKleinePlatte& platte, std::uint64_t saat, long runde,
           CZaehler& z) {
    const bool toeten = runde % 2 == 0;
    CZufall zufall(saat ^ 0x766f6c6cULL, static_cast<std::uint64_t>(runde));
    CKind kind([&](CKind& k) { return Kind(k, datei, saat, runde, toeten); });
    kind.Starten();
    std::vector<std::string> saetze;
    std::string zeile, rest;
    bool voll = false;
    Zeitpunkt frist = In(30s);
    for (;;) {
        const CKind::Lesen l = kind.NaechsteZeile(zeile, frist);
        if (l != CKind::Lesen::Zeile) break;
        if (zeile == "offen") {
            // The room the queue keeps for a full disk, there before it fills.
            std::error_code ec;
            const fs::path d = fs::path(datei).parent_path();
            if (!fs::exists(d / ("." + fs::path(datei).filename().string() + ".reserve"), ec)) {
                ++z.ohneReserve;
                std::cerr << "Runde " << runde << ": keine Reserve beim Füllen\n";
            }
            platte.Fuellen();
            voll = platte.IstVoll();
            kind.Starten();
            if (toeten) frist = In(std::chrono::milliseconds(zufall.Zahl(20, 300)));
        } else if (Beginnt(zeile, "satz", rest)) {
            saetze.push_back(rest);
        }
    }
    if (toeten) kind.Toeten();
    const CEnde ende = kind.Beenden(In(30s), &saetze);
    for (std::string& s : saetze) {
        if (Beginnt(s, "satz", rest)) s = rest;
    }
    ++z.runden;
    z.bestaetigt += static_cast<long>(saetze.size());
    if (!voll) ++z.nichtVoll;
    if (toeten ? !ende.DurchSignal(SIGKILL) : !ende.Sauber()) {
        ++z.abstuerze;
        std::cerr << "Runde " << runde << " (" << (toeten ? "getötet" : "beendet")
                  << "): Kind: " << ende.Text() << '\n';
    }
    platte.Freigeben();
    const std::string befund = Integritaet(datei, false);
    if (befund != "ok") {
        ++z.integritaet;
        std::cerr << "Runde " << runde << ": integrity_check: " << befund << '\n';
    }
    if (!OeffnenUndNachholen(datei))
        std::cerr << "Runde " << runde << ": wartende Sätze blieben in der Warteschlange\n";
    const long fehlend = Fehlende(datei, saetze);
    if (fehlend > 0) {
        std::cerr << "Runde " << runde << " (" << (toeten ? "getötet" : "beendet") << "): "
                  << fehlend << " von " << saetze.size() << " Sätzen fehlen\n";
    }
    z.verloren += fehlend;
}

}  // namespace

int Voll(const CArgumente& argumente) {
    const long runden = argumente.Zahl("--runden", 20);
    const std::uint64_t saat = argumente.Saat();
    CArbeitsordner ordner;
    const std::string wurzel = ordner.Datei("platte");
    CKleinePlatte platte(wurzel, kPlatte);
    if (!platte.Moeglich()) {
        std::cout << "voll übersprungen (" << platte.Grund() << ")" << std::endl;
        return 0;
    }
    // Home, state and temporary folders on the same disk: nothing but the
    // reserve is left when it is full.
    const std::string heim = wurzel + "/heim", temp = wurzel + "/tmp";
    fs::create_directories(heim);
    fs::create_directories(temp);
    ::setenv("HOME", heim.c_str(), 1);
    ::setenv("TMPDIR", temp.c_str(), 1);
    ::unsetenv("XDG_STATE_HOME");
    ::unsetenv("XDG_RUNTIME_DIR");
    const std::string datei = wurzel + "/Toni.mdb";

    CZaehler z;
    for (long runde = 0; runde < runden; ++runde) {
        if (runde % 50 == 0) {
            std::error_code ec;
            fs::remove(datei, ec);
            std::string fehler;
            if (!BenutzerAnlegen(datei, fehler)) {
                std::cerr << "Benutzerdatei nicht angelegt: " << fehler << '\n';
                return 2;
            }
        }
        Runde(datei, platte, saat, runde, z);
    }
    std::cout << "voll runden=" << z.runden << " bestaetigt=" << z.bestaetigt
              << " verloren=" << z.verloren << " integritaet_fehler=" << z.integritaet
              << " nicht_voll=" << z.nichtVoll << " ohne_reserve=" << z.ohneReserve << " abstuerze=" << z.abstuerze << std::endl;
    return z.verloren + z.integritaet + z.nichtVoll + z.abstuerze == 0 ? 0 : 1;
}

}  // namespace sonde
