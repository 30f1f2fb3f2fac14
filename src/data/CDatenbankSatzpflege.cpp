// The sentence memory as the carer keeps it: finding sentences and removing
// them, with what only they taught.

#include <SQLiteCpp/SQLiteCpp.h>

#include <algorithm>

#include "CDatenbank.h"
#include "CSatzIndex.h"
#include "DatenbankIntern.h"
#include "Utf8.h"

bool CDatenbank::SaetzeFinden(const std::string& text, std::size_t hoechstens,
                              std::vector<CGesagterSatz>& saetze) {
    if (!m_pDb) return false;
    return Geschuetzt([&] {
        // Found inside the folded text; % and _ typed are letters, not patterns.
        std::string muster;
        for (char c : utf8::Falten(text)) {
            if (c == '%' || c == '_' || c == '\\') muster += '\\';
            muster += c;
        }
        SQLite::Statement q(*m_pDb,
                            "select Satznummer, Satz, Anzahl from Satzspeicher "
                            "where SatzSuche like ? escape '\\' order by " +
                                DeutscheOrdnung("SatzSuche") + ", Satznummer limit ?");
        q.bind(1, "%" + muster + "%");
        q.bind(2, static_cast<std::int64_t>(hoechstens));
        while (q.executeStep()) {
            CGesagterSatz s;
            s.satznummer = q.getColumn(0).getInt64();
            s.satz = q.getColumn(1).getText("");
            s.anzahl = static_cast<std::uint32_t>(std::max<long long>(0, q.getColumn(2).getInt64()));
            saetze.push_back(std::move(s));
        }
        return true;
    });
}

bool CDatenbank::SaetzeEntfernen(const std::vector<std::int64_t>& nummern,
                                 std::vector<CGesagterSatz>& entfernt) {
    if (m_bTransaktion || !Schreibbar()) return false;
    WaitForWrites();
    IndexUebernehmen();
    std::vector<CGesagterSatz> weg;
    const bool ok = Geschuetzt([&] {
        SQLite::Transaction t(*m_pDb);
        SQLite::Statement lesen(*m_pDb,
                                "select Satz, Anzahl from Satzspeicher where Satznummer = ?");
        SQLite::Statement satz(*m_pDb, "delete from Satzspeicher where Satznummer = ?");
        SQLite::Statement links(*m_pDb, "delete from Verbindung where Satznummer = ?");
        for (std::int64_t n : nummern) {
            lesen.bind(1, static_cast<std::int64_t>(n));
            if (lesen.executeStep()) {
                weg.push_back({n, lesen.getColumn(0).getText(""),
                               static_cast<std::uint32_t>(
                                   std::max<long long>(0, lesen.getColumn(1).getInt64()))});
            }
            lesen.reset();
            links.bind(1, static_cast<std::int64_t>(n));
            links.exec();
            links.reset();
            satz.bind(1, static_cast<std::int64_t>(n));
            satz.exec();
            satz.reset();
        }
        // A word no sentence holds any more is gone too.
        m_pDb->exec(
            "delete from Wortspeicher where not exists (select 1 from Verbindung "
            "where Verbindung.Wortnummer = Wortspeicher.Wortnummer)");
        t.commit();
        return true;
    });
    if (!ok) return false;
    for (const CGesagterSatz& s : weg) {
        Offen a;
        a.satznummer = s.satznummer;
        a.anzahl = 0;  // removed
        IndexNachtragen(a);
    }
    entfernt.insert(entfernt.end(), weg.begin(), weg.end());
    m_entfernt.insert(m_entfernt.end(), weg.begin(), weg.end());
    return true;
}

std::vector<CDatenbank::CGesagterSatz> CDatenbank::EntfernteAbholen() {
    std::vector<CGesagterSatz> aus;
    aus.swap(m_entfernt);
    return aus;
}
