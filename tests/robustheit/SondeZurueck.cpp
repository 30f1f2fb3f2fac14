// "zurueck": the program is killed while it restores a backup.
//
// The user file holds a few thousand sentences and has a backup of its
// own; the file then gets one sentence more, so that the two differ. Every
// round the file is put back as it was, and a child restores the backup
// through CSicherung::Wiederherstellen (the way "sagwerk-sicherung zurueck"
// and "Datei › Sicherung wiederherstellen …" go); the parent kills it
// (SIGKILL) at a random moment within the time a restore takes. After each
// kill the user file must be there, pass integrity_check, and open through
// the document with its user. Said besides: rounds in which the kill came
// after the restore had ended, and rounds after which a copy cut short was
// still beside the user file once it had been opened again.

#include <signal.h>

#include <SQLiteCpp/SQLiteCpp.h>

#include <filesystem>
#include <iostream>
#include <thread>

#include "CSicherung.h"
#include "SondeBenutzer.h"
#include "SondeGemeinsam.h"
#include "SondeProben.h"

namespace sonde {

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

constexpr long kSaetze = 4000;

struct CZaehler {
    long runden = 0;
    long getroffen = 0;
    long fehlt = 0;
    long kaputt = 0;
    long nichtOeffenbar = 0;
    long verweigert = 0;
    long abstuerze = 0;
};

bool Fuellen(const std::string& datei) {
    try {
        SQLite::Database db(datei, SQLite::OPEN_READWRITE);
        SQLite::Transaction t(db);
        SQLite::Statement ein(db,
                              "insert into Satzspeicher (Satz, PSatz, Anzahl, SatzSuche) "
                              "values (?, ?, 1, ?)");
        CZufall zufall(7);
        for (long n = 0; n < kSaetze; ++n) {
            const std::string satz = EigenerSatz(zufall, std::to_string(n));
            ein.bind(1, satz);
            ein.bind(2, satz);
            ein.bind(3, "satz " + std::to_string(n));
            ein.exec();
            ein.reset();
        }
        t.commit();
        return true;
    } catch (const SQLite::Exception& e) {
        std::cerr << "Sätze nicht angelegt: " << e.what() << '\n';
        return false;
    }
}

int Kind(CKind& kind, const std::string& datei, const CSicherung::Eintrag& sicherung,
         const std::string& stempel) {
    if (!kind.AufStartWarten()) return 3;
    const CSicherung s(datei);
    kind.Melden("los");
    std::string fehler;
    if (!s.Wiederherstellen(sicherung, stempel, fehler)) {
        kind.Melden("fehler " + fehler);
        return 5;
    }
    kind.Melden("fertig");
    return 0;
}

// Microseconds one restore takes, untouched.
long Dauer(const std::string& datei, const CSicherung::Eintrag& sicherung) {
    const Zeitpunkt anfang = Jetzt();
    CKind kind([&](CKind& k) { return Kind(k, datei, sicherung, "2000-01-01-000000"); });
    kind.Starten();
    const CEnde ende = kind.Beenden(In(30s));
    if (!ende.Sauber()) return -1;
    return static_cast<long>(
        std::chrono::duration_cast<std::chrono::microseconds>(Jetzt() - anfang).count());
}

bool Oeffnet(const std::string& datei) {
    CStillesDokument still;
    CSagwerkDoc& doc = *still.doc;
    if (!doc.OpenUser(datei) || doc.GetDatabase() == nullptr) return false;
    doc.GetDatabase()->WaitForCheck();
    return !doc.IstDateiBeschaedigt() && !doc.GetTitle().empty() &&
           !doc.GetDatabase()->IsDamaged();
}

}  // namespace

int Zurueck(const CArgumente& argumente) {
    const long runden = argumente.Zahl("--runden", 20);
    const std::uint64_t saat = argumente.Saat();
    CFunde funde(argumente.Text("--funde", ""));
    CArbeitsordner ordner;
    const std::string datei = ordner.Datei("Toni.mdb");
    std::string fehler;
    if (!BenutzerAnlegen(datei, fehler) || !Fuellen(datei)) {
        std::cerr << "Benutzerdatei nicht angelegt: " << fehler << '\n';
        return 2;
    }
    const CSicherung sicherung(datei);
    if (!sicherung.Anlegen("2026-01-01", fehler)) {
        std::cerr << "Sicherung nicht angelegt: " << fehler << '\n';
        return 2;
    }
    const CSicherung::Eintrag eintrag = sicherung.Liste().front();
    {
        SQLite::Database db(datei, SQLite::OPEN_READWRITE);
        db.exec(
            "insert into Satzspeicher (Satz, PSatz, Anzahl, SatzSuche) "
            "values ('Nach der Sicherung', 'Nach der Sicherung', 1, 'nach der sicherung')");
    }
    const Bytes vorher = Lesen(datei);
    const auto zuruecksetzen = [&] {
        std::error_code ec;
        for (const auto& e : fs::directory_iterator(sicherung.GetOrdner(), ec)) {
            if (e.path() != fs::path(eintrag.pfad)) fs::remove(e.path(), ec);
        }
        fs::remove(datei + "-journal", ec);
        fs::remove(ordner.Datei(".Toni.mdb.neu"), ec);
        // A new file, as the user's was before (the old one is the replaced one now).
        const std::string neu = datei + ".sonde";
        Schreiben(neu, vorher);
        fs::rename(neu, datei, ec);
    };
    zuruecksetzen();
    const long dauer = Dauer(datei, eintrag);
    if (dauer < 0) {
        std::cerr << "Die Wiederherstellung gelingt schon ohne Töten nicht.\n";
        return 2;
    }

    CZaehler z;
    long reste = 0;
    for (long runde = 0; runde < runden; ++runde) {
        zuruecksetzen();
        CZufall zufall(saat, static_cast<std::uint64_t>(runde));
        const std::string stempel = "2026-01-02-" + std::to_string(100000 + runde % 800000);
        CKind kind([&](CKind& k) { return Kind(k, datei, eintrag, stempel); });
        kind.Starten();
        std::string zeile, rest;
        std::vector<std::string> zeilen;
        if (kind.NaechsteZeile(zeile, In(10s)) == CKind::Lesen::Zeile && zeile == "los") {
            std::this_thread::sleep_for(std::chrono::microseconds(zufall.Zahl(0, dauer * 9 / 10)));
        }
        kind.Toeten();
        const CEnde ende = kind.Beenden(In(10s), &zeilen);
        ++z.runden;
        for (const std::string& l : zeilen) {
            if (Beginnt(l, "fehler", rest)) {
                ++z.verweigert;
                std::cerr << "Runde " << runde << ": verweigert: " << rest << '\n';
            }
        }
        if (ende.DurchSignal(SIGKILL)) {
            ++z.getroffen;
        } else if (!ende.Sauber()) {
            ++z.abstuerze;
            std::cerr << "Runde " << runde << ": Kind: " << ende.Text() << '\n';
        }
        const std::string name = "zurueck-" + std::to_string(saat) + "-" + std::to_string(runde);
        std::error_code ec;
        if (!fs::exists(datei, ec)) {
            ++z.fehlt;
            std::cerr << "Runde " << runde << ": keine Benutzerdatei\n";
            continue;
        }
        const std::string befund = Integritaet(datei, false);
        if (befund != "ok") {
            ++z.kaputt;
            std::cerr << "Runde " << runde << ": integrity_check: " << befund << '\n';
            funde.Kopieren(name + ".mdb", datei);
        }
        if (!Oeffnet(datei)) {
            ++z.nichtOeffenbar;
            std::cerr << "Runde " << runde << ": öffnet nicht\n";
            funde.Kopieren(name + ".mdb", datei);
        }
        for (const auto& e : fs::directory_iterator(ordner.Pfad(), ec)) {
            const std::string n = e.path().filename().string();
            if (n.size() > 4 && n.compare(n.size() - 4, 4, ".neu") == 0) ++reste;
        }
    }
    std::cout << "zurueck runden=" << z.runden << " getroffen=" << z.getroffen
              << " wiederherstellen_us=" << dauer << " fehlend=" << z.fehlt
              << " integritaet_fehler=" << z.kaputt << " nicht_oeffenbar=" << z.nichtOeffenbar
              << " verweigert=" << z.verweigert << " liegengebliebene_kopien=" << reste
              << " abstuerze=" << z.abstuerze << std::endl;
    return z.fehlt + z.kaputt + z.nichtOeffenbar + z.verweigert + z.abstuerze == 0 ? 0 : 1;
}

}  // namespace sonde
