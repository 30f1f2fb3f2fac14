// "toeten": the program is killed (SIGKILL) while it speaks and stores.
//
// Every round a child opens the user file through the document and says one
// typed sentence after the other; once Speak() has returned, it sends the
// sentence to the parent: from then on the sentence must not be lost. The
// parent kills the child after 5 to 200 ms. Then the file must pass
// integrity_check, and after a fresh document has stored what waits beside
// the file, every sentence sent must be in Satzspeicher.
//
// With --gesperrt another connection holds the write lock during the round,
// so the sentences go to the waiting file; the lock ends after the kill.
//
// Counted as a crash: a child that ends in any other way than by the kill.

#include <signal.h>
#include <unistd.h>

#include <SQLiteCpp/SQLiteCpp.h>

#include <filesystem>
#include <iostream>
#include <optional>
#include <thread>

#include "SondeBenutzer.h"
#include "SondeProben.h"

namespace sonde {

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

// The child: speaks until it is killed. Returns only when something is wrong.
int SprechenBisZumTod(CKind& kind, const std::string& datei, std::uint64_t saat, long runde) {
    if (!kind.AufStartWarten()) return 3;
    CStillesDokument still;
    CSagwerkDoc& doc = *still.doc;
    if (!doc.OpenUser(datei)) {
        std::cerr << "Runde " << runde << ": die Benutzerdatei öffnet nicht: "
                  << (still.dialoge.fehler.empty() ? "" : still.dialoge.fehler.back()) << '\n';
        return 4;
    }
    CZufall zufall(saat, static_cast<std::uint64_t>(runde));
    for (long n = 0;; ++n) {
        // Now and then a word from the grid first: its use count is written
        // too, and a link turns the page.
        if (zufall.Mal(30) && doc.GetElementCount() > 0) {
            doc.ElementClicked(static_cast<int>(zufall.Zahl(0, doc.GetElementCount() - 1)));
        }
        if (zufall.Mal(10)) doc.ElementClicked(CSagwerkDoc::kStartseite);
        // The number makes every sentence one of its own: an earlier one
        // with the same words cannot stand in for a lost one.
        Tippen(doc, ZufallsSatz(zufall) + " " + std::to_string(runde) + "-" + std::to_string(n));
        const std::string satz = Getrimmt(doc.GetSentence());
        doc.Speak();
        kind.Melden(satz);
        doc.FunctionCode(91);  // a new sentence
    }
}

// A connection that holds the write lock of the file.
class CSperrer {
public:
    explicit CSperrer(const std::string& datei) : m_db(datei, SQLite::OPEN_READWRITE, 5000) {
        m_db.exec("BEGIN IMMEDIATE");
    }
    ~CSperrer() {
        try {
            m_db.exec("ROLLBACK");
        } catch (const SQLite::Exception&) {
        }
    }

private:
    SQLite::Database m_db;
};

struct CZaehler {
    long bestaetigt = 0;
    long verloren = 0;
    long integritaet = 0;
    long abstuerze = 0;
};

// Stores what waits beside the file, as the program does when it opens it.
// False when sentences still wait after that.
bool Nachholen(const std::string& datei) {
    CStillesDokument still;
    CSagwerkDoc& doc = *still.doc;
    doc.OpenUser(datei);
    if (doc.GetDatabase() != nullptr) doc.GetDatabase()->WaitForCheck();
    for (int versuch = 0; versuch < 100 && doc.HatWartendeSaetze(); ++versuch) {
        if (!doc.Nachholen()) std::this_thread::sleep_for(10ms);
    }
    return !doc.HatWartendeSaetze();
}

long Fehlende(const std::string& datei, const std::vector<std::string>& saetze) {
    long fehlend = 0;
    try {
        SQLite::Database db(datei, SQLite::OPEN_READONLY, 2000);
        SQLite::Statement q(db, "select count(*) from Satzspeicher where trim(Satz) = ?");
        for (const std::string& satz : saetze) {
            q.bind(1, satz);
            q.executeStep();
            if (q.getColumn(0).getInt64() == 0) {
                ++fehlend;
                std::cerr << "  verloren: \"" << satz << "\"\n";
            }
            q.reset();
        }
    } catch (const SQLite::Exception& e) {
        std::cerr << "  Satzspeicher nicht lesbar: " << e.what() << '\n';
        return static_cast<long>(saetze.size());
    }
    return fehlend;
}

void Runde(const std::string& datei, std::uint64_t saat, long runde, bool gesperrt,
           CZaehler& zaehler, CFunde& funde) {
    CZufall zufall(saat ^ 0x746f6574656eULL, static_cast<std::uint64_t>(runde));
    CKind kind([&](CKind& k) { return SprechenBisZumTod(k, datei, saat, runde); });
    std::optional<CSperrer> sperre;
    if (gesperrt) sperre.emplace(datei);
    kind.Starten();

    std::vector<std::string> saetze;
    std::string zeile;
    const Zeitpunkt tod = In(std::chrono::milliseconds(zufall.Zahl(5, 200)));
    while (kind.NaechsteZeile(zeile, tod) == CKind::Lesen::Zeile) saetze.push_back(zeile);
    kind.Toeten();
    const CEnde ende = kind.Beenden(In(10s), &saetze);
    sperre.reset();
    zaehler.bestaetigt += static_cast<long>(saetze.size());

    const std::string name = "toeten-" + std::to_string(saat) + "-" + std::to_string(runde);
    if (!ende.DurchSignal(SIGKILL)) {
        ++zaehler.abstuerze;
        std::cerr << "Runde " << runde << ": Kind endete vor dem Töten: " << ende.Text() << '\n';
    }
    const std::string befund = Integritaet(datei, false);
    if (befund != "ok") {
        ++zaehler.integritaet;
        std::cerr << "Runde " << runde << ": integrity_check: " << befund << '\n';
        funde.Kopieren(name + ".mdb", datei);
    }
    if (!Nachholen(datei)) {
        std::cerr << "Runde " << runde << ": wartende Sätze blieben in der Warteschlange\n";
    }
    const long fehlend = Fehlende(datei, saetze);
    if (fehlend > 0) {
        zaehler.verloren += fehlend;
        std::cerr << "Runde " << runde << ": " << fehlend << " bestätigte Sätze fehlen\n";
        funde.Kopieren(name + ".mdb", datei);
    }
}

}  // namespace

int Toeten(const CArgumente& argumente) {
    const long runden = argumente.Zahl("--runden", 100);
    const bool gesperrt = argumente.Schalter("--gesperrt");
    const std::uint64_t saat = argumente.Saat();
    CFunde funde(argumente.Text("--funde", ""));
    CArbeitsordner ordner;
    const std::string datei = ordner.Datei("Toni.mdb");

    CZaehler zaehler;
    for (long runde = 0; runde < runden; ++runde) {
        // A new user now and then; in between the file grows from round to
        // round, as a user's file does.
        if (runde % 100 == 0) {
            std::error_code ec;
            for (const auto& e : fs::directory_iterator(ordner.Pfad(), ec)) fs::remove_all(e, ec);
            std::string fehler;
            if (!BenutzerAnlegen(datei, fehler)) {
                std::cerr << "Benutzerdatei nicht angelegt: " << fehler << '\n';
                return 2;
            }
        }
        Runde(datei, saat, runde, gesperrt, zaehler, funde);
    }

    std::cout << "toeten runden=" << runden << " gesperrt=" << (gesperrt ? 1 : 0)
              << " bestaetigt=" << zaehler.bestaetigt << " verloren=" << zaehler.verloren
              << " integritaet_fehler=" << zaehler.integritaet << " abstuerze=" << zaehler.abstuerze
              << std::endl;
    return zaehler.verloren + zaehler.integritaet + zaehler.abstuerze == 0 ? 0 : 1;
}

}  // namespace sonde
