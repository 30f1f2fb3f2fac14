#include "CVorhersageLader.h"

#include <SQLiteCpp/SQLiteCpp.h>

#include "CDatenbank.h"
#include "CWortliste.h"

namespace {

// Opens the file for reading only; throws SQLite::Exception, or
// std::runtime_error for a file that is no user file of this program.
std::unique_ptr<SQLite::Database> Oeffnen(const std::string& pfad) {
    auto db = std::make_unique<SQLite::Database>(pfad, SQLite::OPEN_READONLY);
    // A read must not wait for long on the program's own writes.
    db->setBusyTimeout(2000);
    if (db->execAndGet("pragma application_id").getInt() != CDatenbank::kApplicationId)
        throw std::runtime_error("keine Benutzerdatei von Sagwerk");
    return db;
}

std::string Meldung(const std::string& pfad, const std::string& was) {
    return "Die Wortvorhersage kann \u201E" + pfad + "\u201C nicht lesen (" + was + ").";
}

void WortschatzAus(SQLite::Database& db, std::vector<CWortelement>& gelesen) {
    std::string sql =
        "select [Index], Funktionscode, Anzeigetext, Anzahl, Bild, Phonetisch, "
        "Kategorie, Pos";
    for (int s = 0; s < CWortelement::kFormen; ++s) {
        sql += ", ";
        sql += CWortelement::SpaltenName(s);
    }
    sql += " from Wortelement where Funktionscode in (20, 30) order by Kategorie, Pos";
    SQLite::Statement q(db, sql);
    while (q.executeStep()) {
        CWortelement e;
        e.SetIndex(static_cast<long>(q.getColumn(0).getInt64()));
        e.SetArt(static_cast<long>(q.getColumn(1).getInt64()));
        e.SetAnzeigetext(q.getColumn(2).getText(""));
        e.SetAnzahl(static_cast<long>(q.getColumn(3).getInt64()));
        e.SetBild(q.getColumn(4).getText(""));
        e.SetPhonetisch(q.getColumn(5).getText(""));
        e.SetKategorie(static_cast<long>(q.getColumn(6).getInt64()));
        e.SetPosition(static_cast<long>(q.getColumn(7).getInt64()));
        for (int s = 0; s < CWortelement::kFormen; ++s)
            e.SetForm(s, q.getColumn(8 + s).getText(""));
        gelesen.push_back(std::move(e));
    }
}

// The sentences up to `hoechste` into the model, newest first, a batch at a
// time: each batch is a read of its own, so that the program's writes get in
// between (a read held for seconds would keep them waiting). After `erste`
// of them, while more follow, `zwischenstand` gets the model.
bool Lernen(SQLite::Database& db, std::int64_t hoechste, CVorhersage& modell,
            const std::atomic<bool>& abbrechen, std::size_t erste,
            const std::function<void(const CVorhersage&)>& zwischenstand) {
    constexpr int kStapel = 10000;
    SQLite::Statement q(db,
                        "select Satznummer, Satz, Anzahl from Satzspeicher "
                        "where Satznummer <= ? order by Satznummer desc limit ?");
    std::size_t n = 0;
    std::int64_t bis = hoechste;
    for (bool weiter = true; weiter;) {
        q.reset();
        q.bind(1, static_cast<std::int64_t>(bis));
        q.bind(2, kStapel);
        int zeilen = 0;
        while (q.executeStep()) {
            if ((n & 1023) == 0 && abbrechen.load(std::memory_order_relaxed)) {
                modell.Ordnen();
                return false;
            }
            if (n == erste && zwischenstand) {
                modell.Ordnen();
                zwischenstand(modell);
            }
            ++n;
            ++zeilen;
            const std::int64_t nummer = q.getColumn(0).getInt64();
            const char* satz = q.getColumn(1).getText("");
            const std::int64_t anzahl = std::max<std::int64_t>(1, q.getColumn(2).getInt64());
            // The newest sentence counts half a saying more, the oldest none.
            const std::int64_t bonus =
                hoechste > 0 ? nummer * (CVorhersage::kEinheit / 2) / hoechste : 0;
            const std::int64_t einheiten =
                std::min<std::int64_t>(anzahl, 1 << 24) * CVorhersage::kEinheit + bonus;
            modell.LernenEinheiten(satz, static_cast<std::uint32_t>(einheiten), false);
            bis = nummer - 1;
        }
        weiter = zeilen == kStapel;
    }
    q.reset();
    modell.Ordnen();
    return true;
}

}  // namespace

bool CVorhersageLader::SaetzeLernen(const std::string& pfad, CVorhersage& modell,
                                    const std::atomic<bool>& abbrechen, std::int64_t& bisSatznummer,
                                    std::string& fehler) {
    bisSatznummer = 0;
    try {
        auto db = Oeffnen(pfad);
        const std::int64_t hoechste =
            db->execAndGet("select ifnull(max(Satznummer), 0) from Satzspeicher").getInt64();
        if (!Lernen(*db, hoechste, modell, abbrechen, 0, {})) return false;
        bisSatznummer = hoechste;
        return true;
    } catch (const std::exception& e) {
        modell.Ordnen();
        fehler = Meldung(pfad, e.what());
        return false;
    }
}

bool CVorhersageLader::WortschatzLesen(const std::string& pfad,
                                       std::vector<CVorhersage::CElement>& elemente,
                                       std::string& fehler, std::vector<CWortelement>* ganz) {
    try {
        auto db = Oeffnen(pfad);
        std::vector<CWortelement> gelesen;
        WortschatzAus(*db, gelesen);
        elemente = CVorhersage::AusWortelementen(gelesen);
        if (ganz != nullptr) *ganz = std::move(gelesen);
        return true;
    } catch (const std::exception& e) {
        fehler = Meldung(pfad, e.what());
        return false;
    }
}

CVorhersageLader::CErgebnis CVorhersageLader::Laden(const std::string& pfad,
                                                    std::shared_ptr<const CWortliste> wortliste,
                                                    const std::atomic<bool>& abbrechen) {
    CAblauf ablauf;
    ablauf.wortliste = [&wortliste] { return wortliste; };
    return Laden(pfad, ablauf, abbrechen);
}

CVorhersageLader::CErgebnis CVorhersageLader::Laden(const std::string& pfad, const CAblauf& ablauf,
                                                    const std::atomic<bool>& abbrechen) {
    CErgebnis ergebnis;
    try {
        auto modell = std::make_unique<CVorhersage>();
        auto LexikonHolen = [&] {
            if (ablauf.wortliste) modell->SetWortliste(ablauf.wortliste());
        };
        std::unique_ptr<SQLite::Database> db;
        std::int64_t hoechste = 0;
        try {
            db = Oeffnen(pfad);
            // The newest sentence first: what is stored from now on is the
            // caller's.
            hoechste =
                db->execAndGet("select ifnull(max(Satznummer), 0) from Satzspeicher").getInt64();
            WortschatzAus(*db, ergebnis.elemente);
            modell->SetWortschatz(CVorhersage::AusWortelementen(ergebnis.elemente));
            LexikonHolen();
            const auto Zwischenstand = [&](const CVorhersage& bisher) {
                if (!ablauf.zwischenstand) return;
                CErgebnis erstes;
                erstes.modell = std::make_unique<CVorhersage>(bisher);
                erstes.bisSatznummer = hoechste;
                erstes.vollstaendig = false;
                erstes.elemente = ergebnis.elemente;
                ablauf.zwischenstand(std::move(erstes));
            };
            if (!Lernen(*db, hoechste, *modell, abbrechen, ablauf.ersteSaetze, Zwischenstand)) {
                return ergebnis;  // cancelled
            }
            ergebnis.bisSatznummer = hoechste;
        } catch (const std::runtime_error& e) {
            // The lexicon still answers, and what was learned is kept.
            if (!modell->HatWortliste()) LexikonHolen();
            modell->Ordnen();
            ergebnis.fehler = Meldung(pfad, e.what());
        }
        if (abbrechen.load()) return ergebnis;
        ergebnis.modell = std::move(modell);
    } catch (const std::exception&) {
        // Out of memory: no model rather than a half one.
        ergebnis.modell.reset();
        ergebnis.fehler = "Für die Wortvorhersage reicht der Speicher nicht.";
    }
    return ergebnis;
}
