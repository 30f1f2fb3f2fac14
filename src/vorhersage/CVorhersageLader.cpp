#include "CVorhersageLader.h"

#include <SQLiteCpp/SQLiteCpp.h>

#include "CDatenbank.h"
#include "CWortelement.h"
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

}  // namespace

bool CVorhersageLader::SaetzeLernen(const std::string& pfad, CVorhersage& modell,
                                    const std::atomic<bool>& abbrechen, std::int64_t& bisSatznummer,
                                    std::string& fehler) {
    bisSatznummer = 0;
    try {
        auto db = Oeffnen(pfad);
        // One read from the newest sentence back: a snapshot of the file.
        SQLite::Transaction lesen(*db, SQLite::TransactionBehavior::DEFERRED);
        const std::int64_t hoechste =
            db->execAndGet("select ifnull(max(Satznummer), 0) from Satzspeicher").getInt64();
        SQLite::Statement q(*db,
                            "select Satznummer, Satz, Anzahl from Satzspeicher "
                            "order by Satznummer desc");
        std::size_t n = 0;
        while (q.executeStep()) {
            if ((n++ & 1023) == 0 && abbrechen.load(std::memory_order_relaxed)) {
                modell.Ordnen();
                return false;
            }
            const std::int64_t nummer = q.getColumn(0).getInt64();
            const char* satz = q.getColumn(1).getText("");
            const std::int64_t anzahl = std::max<std::int64_t>(1, q.getColumn(2).getInt64());
            // The newest sentence counts half a saying more, the oldest none.
            const std::int64_t bonus =
                hoechste > 0 ? nummer * (CVorhersage::kEinheit / 2) / hoechste : 0;
            const std::int64_t einheiten =
                std::min<std::int64_t>(anzahl, 1 << 24) * CVorhersage::kEinheit + bonus;
            modell.LernenEinheiten(satz, static_cast<std::uint32_t>(einheiten), false);
        }
        bisSatznummer = hoechste;
        modell.Ordnen();
        return true;
    } catch (const std::exception& e) {
        modell.Ordnen();
        fehler = Meldung(pfad, e.what());
        return false;
    }
}

bool CVorhersageLader::WortschatzLesen(const std::string& pfad,
                                       std::vector<CVorhersage::CElement>& elemente,
                                       std::string& fehler) {
    try {
        auto db = Oeffnen(pfad);
        std::string sql = "select [Index], Funktionscode, Anzeigetext, Anzahl";
        for (int s = 0; s < CWortelement::kFormen; ++s) {
            sql += ", ";
            sql += CWortelement::SpaltenName(s);
        }
        sql += " from Wortelement where Funktionscode in (20, 30) order by Kategorie, Pos";
        SQLite::Statement q(*db, sql);
        std::vector<CWortelement> gelesen;
        while (q.executeStep()) {
            CWortelement e;
            e.SetIndex(static_cast<long>(q.getColumn(0).getInt64()));
            e.SetArt(static_cast<long>(q.getColumn(1).getInt64()));
            e.SetAnzeigetext(q.getColumn(2).getText(""));
            e.SetAnzahl(static_cast<long>(q.getColumn(3).getInt64()));
            for (int s = 0; s < CWortelement::kFormen; ++s)
                e.SetForm(s, q.getColumn(4 + s).getText(""));
            gelesen.push_back(std::move(e));
        }
        elemente = CVorhersage::AusWortelementen(gelesen);
        return true;
    } catch (const std::exception& e) {
        fehler = Meldung(pfad, e.what());
        return false;
    }
}

CVorhersageLader::CErgebnis CVorhersageLader::Laden(const std::string& pfad,
                                                    std::shared_ptr<const CWortliste> wortliste,
                                                    const std::atomic<bool>& abbrechen) {
    CErgebnis ergebnis;
    try {
        auto modell = std::make_unique<CVorhersage>();
        modell->SetWortliste(std::move(wortliste));
        std::vector<CVorhersage::CElement> elemente;
        if (WortschatzLesen(pfad, elemente, ergebnis.fehler))
            modell->SetWortschatz(std::move(elemente));
        std::string fehler;
        if (!SaetzeLernen(pfad, *modell, abbrechen, ergebnis.bisSatznummer, fehler)) {
            if (abbrechen.load()) return ergebnis;
            if (ergebnis.fehler.empty()) ergebnis.fehler = fehler;
        }
        ergebnis.modell = std::move(modell);
    } catch (const std::exception&) {
        // Out of memory: no model rather than a half one.
        ergebnis.modell.reset();
        ergebnis.fehler = "Für die Wortvorhersage reicht der Speicher nicht.";
    }
    return ergebnis;
}
