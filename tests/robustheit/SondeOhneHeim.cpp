// "ohneheim": no HOME and no XDG_* folders, and the user file's folder is
// write-protected (chmod 555), so the waiting queue can go neither beside
// the file nor into the person's state folder.
//
// Every round a child opens the user file through the document and says
// typed sentences, each sent to the parent once Speak() has returned; it is
// killed (SIGKILL) after 20 to 200 ms. In every other round the runtime
// folder (XDG_RUNTIME_DIR) is set, in the others only the temporary folder
// is left. Then the folder is made writable again, the file is opened as at
// the next start (in the same environment), and every sentence sent must
// be in Satzspeicher. Said besides: in how many rounds the queue was found
// in one of those places.

#include <signal.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <filesystem>
#include <iostream>

#include "SondeBenutzer.h"
#include "SondeGemeinsam.h"
#include "SondeProben.h"

namespace sonde {

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

struct CZaehler {
    long runden = 0;
    long bestaetigt = 0;
    long verloren = 0;
    long imAusweich = 0;
    long abstuerze = 0;
};

int Kind(CKind& kind, const std::string& datei, std::uint64_t saat, long runde) {
    if (!kind.AufStartWarten()) return 3;
    CStillesDokument still;
    CSagwerkDoc& doc = *still.doc;
    doc.OpenUser(datei);
    if (doc.GetDatabase() == nullptr) return 4;
    CZufall zufall(saat, static_cast<std::uint64_t>(runde));
    for (long n = 0;; ++n) {
        if (zufall.Mal(30) && doc.GetElementCount() > 0)
            doc.ElementClicked(static_cast<int>(zufall.Zahl(0, doc.GetElementCount() - 1)));
        Tippen(doc, EigenerSatz(zufall, std::to_string(runde) + "-" + std::to_string(n)));
        const std::string satz = Getrimmt(doc.GetSentence());
        doc.Speak();
        kind.Melden(satz);
        doc.FunctionCode(91);
    }
}

long Warteschlangen(const std::string& ordner) {
    long n = 0;
    std::error_code ec;
    for (const auto& e : fs::recursive_directory_iterator(ordner, ec)) {
        if (e.path().extension() == ".warteschlange" && fs::file_size(e.path(), ec) > 0) ++n;
    }
    return n;
}

}  // namespace

int OhneHeim(const CArgumente& argumente) {
    const long runden = argumente.Zahl("--runden", 20);
    const std::uint64_t saat = argumente.Saat();
    CArbeitsordner ordner;
    const std::string benutzer = ordner.Datei("benutzer");
    const std::string lauf = ordner.Datei("lauf"), temp = ordner.Datei("tmp");
    for (const std::string& o : {benutzer, lauf, temp}) fs::create_directories(o);
    const std::string datei = benutzer + "/Toni.mdb";
    std::string fehler;
    if (!BenutzerAnlegen(datei, fehler)) {
        std::cerr << "Benutzerdatei nicht angelegt: " << fehler << '\n';
        return 2;
    }
    ::unsetenv("HOME");
    ::unsetenv("XDG_STATE_HOME");
    ::unsetenv("XDG_DATA_HOME");
    ::unsetenv("XDG_CONFIG_HOME");
    ::setenv("TMPDIR", temp.c_str(), 1);

    CZaehler z;
    for (long runde = 0; runde < runden; ++runde) {
        if (runde % 2 == 0) {
            ::setenv("XDG_RUNTIME_DIR", lauf.c_str(), 1);
        } else {
            ::unsetenv("XDG_RUNTIME_DIR");
        }
        ::chmod(benutzer.c_str(), 0555);
        CZufall zufall(saat ^ 0x6865696dULL, static_cast<std::uint64_t>(runde));
        std::vector<std::string> saetze;
        {
            CKind kind([&](CKind& k) { return Kind(k, datei, saat, runde); });
            kind.Starten();
            std::string zeile;
            const Zeitpunkt tod = In(std::chrono::milliseconds(zufall.Zahl(20, 200)));
            while (kind.NaechsteZeile(zeile, tod) == CKind::Lesen::Zeile) saetze.push_back(zeile);
            kind.Toeten();
            const CEnde ende = kind.Beenden(In(10s), &saetze);
            if (!ende.DurchSignal(SIGKILL)) {
                ++z.abstuerze;
                std::cerr << "Runde " << runde << ": Kind endete vor dem Töten: " << ende.Text()
                          << '\n';
            }
        }
        ++z.runden;
        z.bestaetigt += static_cast<long>(saetze.size());
        if (Warteschlangen(runde % 2 == 0 ? lauf : temp) > 0) ++z.imAusweich;
        ::chmod(benutzer.c_str(), 0755);
        if (!OeffnenUndNachholen(datei))
            std::cerr << "Runde " << runde << ": wartende Sätze blieben in der Warteschlange\n";
        const long fehlend = Fehlende(datei, saetze);
        if (fehlend > 0) {
            std::cerr << "Runde " << runde << (runde % 2 == 0 ? " (Laufzeitordner)" : " (temp)")
                      << ": " << fehlend << " von " << saetze.size() << " Sätzen fehlen\n";
        }
        z.verloren += fehlend;
    }
    std::cout << "ohneheim runden=" << z.runden << " bestaetigt=" << z.bestaetigt
              << " verloren=" << z.verloren << " im_ausweichort=" << z.imAusweich
              << " abstuerze=" << z.abstuerze << std::endl;
    return z.verloren + z.abstuerze == 0 ? 0 : 1;
}

}  // namespace sonde
