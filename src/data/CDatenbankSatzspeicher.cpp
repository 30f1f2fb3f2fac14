// The sentence memory of CDatenbank: storing sentences, the suggestion index
// and the list of all sentences.

#include <SQLiteCpp/SQLiteCpp.h>
#include <sqlite3.h>

#include <algorithm>
#include <chrono>
#include <limits>
#include <set>
#include <unordered_map>

#include "CDatenbank.h"
#include "CSatzIndex.h"
#include "DatenbankIntern.h"
#include "IUhr.h"
#include "Utf8.h"

using spalten::GetFieldText;

// German alphabetical order of the folded text: the umlauts are filed under
// their base letter (ä under a, ö under o, ü under u), ß as ss, and the
// accented letters of common loanwords (Café, Crème, Façade) likewise.
// Built from SQLite's own replace(), so that the index on it works in any
// SQLite tool as well.
std::string CDatenbank::DeutscheOrdnung(const std::string& ausdruck) {
    // Few enough to keep the statement within SQLite's parser depth.
    static const std::pair<const char*, const char*> kBuchstaben[] = {
        {"ä", "a"}, {"ö", "o"}, {"ü", "u"}, {"ß", "ss"},
        {"é", "e"}, {"è", "e"}, {"à", "a"}, {"ç", "c"}};
    std::string sql = ausdruck;
    for (const auto& [von, nach] : kBuchstaben) {
        sql = "replace(" + sql + ", '" + von + "', '" + nach + "')";
    }
    return sql;
}

// ---------------------------------------------------------------- sentence memory

std::string CDatenbank::NextWord(std::string& text) {
    for (;;) {
        const auto blank = text.find(' ');
        std::string wort = text.substr(0, blank);
        text = blank == std::string::npos ? std::string() : text.substr(blank + 1);
        if (!wort.empty() || text.empty()) return wort;
    }
}

std::vector<std::string> CDatenbank::Woerter(const std::string& text) {
    std::vector<std::string> woerter;
    std::set<std::string> gesehen;
    // One pass over the text (cutting words off the front would copy the
    // rest for every word: a pasted page would take seconds).
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t ende = std::min(text.find(' ', pos), text.size());
        if (ende > pos) {
            std::string f = utf8::Falten(std::string_view(text).substr(pos, ende - pos));
            if (gesehen.insert(f).second) woerter.push_back(std::move(f));
        }
        pos = ende + 1;
    }
    return woerter;
}

bool CDatenbank::Speichern(const std::string& satz, const std::string& psatz, Offen& aenderung) {
    const std::string suche = utf8::Falten(satz);
    aenderung.woerter = Woerter(satz);
    SQLite::Statement wieder(*m_pDb,
                             "update Satzspeicher set Anzahl = ifnull(Anzahl, 0) + 1 "
                             "where SatzSuche = ? returning Satznummer, Anzahl");
    wieder.bind(1, suche);
    if (wieder.executeStep()) {
        // Stored before: only the counter moves; the first spoken form and
        // the words stay as they are.
        aenderung.satznummer = wieder.getColumn(0).getInt64();
        aenderung.anzahl = static_cast<std::uint32_t>(wieder.getColumn(1).getInt64());
        while (wieder.executeStep()) {
        }
        return true;
    }
    SQLite::Statement satzEin(*m_pDb,
                              "insert into Satzspeicher (Satz, PSatz, Anzahl, SatzSuche) "
                              "values (?, ?, 1, ?)");
    satzEin.bind(1, satz);
    satzEin.bind(2, psatz);
    satzEin.bind(3, suche);
    satzEin.exec();
    aenderung.satznummer = m_pDb->getLastInsertRowid();
    aenderung.anzahl = 1;
    aenderung.satz = satz;
    aenderung.psatz = psatz;

    SQLite::Statement wortEin(*m_pDb,
                              "insert or ignore into Wortspeicher (Wort, WortSuche) values (?, ?)");
    SQLite::Statement wortNr(*m_pDb, "select Wortnummer from Wortspeicher where WortSuche = ?");
    SQLite::Statement link(*m_pDb,
                           "insert or ignore into Verbindung (Wortnummer, Satznummer) "
                           "values (?, ?)");
    // The first spelling of a word is the one kept in Wortspeicher.
    std::string rest = satz;
    for (std::string wort = NextWord(rest); !wort.empty(); wort = NextWord(rest)) {
        const std::string wortSuche = utf8::Falten(wort);
        wortEin.bind(1, wort);
        wortEin.bind(2, wortSuche);
        wortEin.exec();
        wortEin.reset();
        wortNr.bind(1, wortSuche);
        wortNr.executeStep();
        const std::int64_t wortnummer = wortNr.getColumn(0).getInt64();
        wortNr.reset();
        link.bind(1, wortnummer);
        link.bind(2, aenderung.satznummer);
        link.exec();
        link.reset();
    }
    return true;
}

bool CDatenbank::StoreSentence(const std::string& satz, const std::string& psatz) {
    return StoreSentences({{satz, psatz}});
}

bool CDatenbank::StoreSentencesStill(const std::vector<std::pair<std::string, std::string>>& saetze,
                                     std::string& fehler, std::vector<Gespeichert>* gespeichert,
                                     const std::vector<std::int64_t>* kennungen) {
    if (!m_pDb) {
        fehler = "Die Benutzerdatei ist nicht geöffnet.";
        return false;
    }
    if (m_bReadOnly) {
        fehler = "Die Benutzerdatei ist schreibgeschützt.";
        return false;
    }
    if (IsDamaged()) {
        fehler = "Die Benutzerdatei ist beschädigt.";
        return false;
    }
    if (!IsChecked()) {
        // A moment after the start: the sentence waits for the check,
        // nothing to tell anyone.
        fehler.clear();
        return false;
    }
    IndexUebernehmen();
    std::vector<Offen> aenderungen;
    aenderungen.reserve(saetze.size());
    // The person is waiting to be heard: another program holding the file
    // is not waited for long.
    sqlite3_busy_timeout(m_pDb->getHandle(), m_optionen.stillWartezeitMs);
    try {
        SQLite::Transaction t(*m_pDb);
        const bool mitKennung = kennungen != nullptr && kennungen->size() == saetze.size() &&
                                m_pDb->tableExists("Nachgeholt");
        const double jetzt = m_uhr.Jetzt();
        for (std::size_t i = 0; i < saetze.size(); ++i) {
            if (mitKennung && (*kennungen)[i] != 0) {
                // A number the file has taken before: that sentence is in
                // the file already (the program was killed before its queue
                // was trimmed). Its mark is kept for the next day.
                SQLite::Statement neu(*m_pDb,
                                      "INSERT OR IGNORE INTO Nachgeholt (Kennung, Zeit) "
                                      "VALUES (?, ?)");
                neu.bind(1, static_cast<std::int64_t>((*kennungen)[i]));
                neu.bind(2, jetzt);
                if (neu.exec() == 0) {
                    SQLite::Statement auffrischen(
                        *m_pDb, "UPDATE Nachgeholt SET Zeit = ? WHERE Kennung = ?");
                    auffrischen.bind(1, jetzt);
                    auffrischen.bind(2, static_cast<std::int64_t>((*kennungen)[i]));
                    auffrischen.exec();
                    continue;
                }
            }
            Speichern(saetze[i].first, saetze[i].second, aenderungen.emplace_back());
        }
        // A queue is trimmed a moment after its sentences are stored, or at
        // the next start: marks a day old are of no more use.
        if (mitKennung) {
            SQLite::Statement alt(*m_pDb, "DELETE FROM Nachgeholt WHERE Zeit < ?");
            alt.bind(1, jetzt - 1.0);
            alt.exec();
        }
        t.commit();
    } catch (const SQLite::Exception& e) {
        sqlite3_busy_timeout(m_pDb->getHandle(), m_optionen.wartezeitMs);
        SchadenBemerken(e);
        fehler = Fehlertext(e.getErrorCode());
        return false;
    }
    sqlite3_busy_timeout(m_pDb->getHandle(), m_optionen.wartezeitMs);
    for (const auto& a : aenderungen) IndexNachtragen(a);
    if (gespeichert != nullptr) {
        gespeichert->insert(gespeichert->end(), aenderungen.begin(), aenderungen.end());
    }
    return true;
}

void CDatenbank::TakeStored(const std::vector<Gespeichert>& gespeichert) {
    IndexUebernehmen();
    for (const auto& a : gespeichert) IndexNachtragen(a);
}

bool CDatenbank::StoreSentences(const std::vector<std::pair<std::string, std::string>>& saetze) {
    if (!Schreibbar()) return false;
    IndexUebernehmen();
    std::vector<Offen> aenderungen(saetze.size());
    const bool ok = Geschuetzt([&] {
        SQLite::Transaction t(*m_pDb);
        for (std::size_t i = 0; i < saetze.size(); ++i) {
            Speichern(saetze[i].first, saetze[i].second, aenderungen[i]);
        }
        t.commit();
        return true;
    });
    // The index learns only what the file holds for sure.
    if (ok) {
        for (const auto& a : aenderungen) IndexNachtragen(a);
    }
    return ok;
}

// ---------------------------------------------------------------- suggestion index

namespace {

constexpr std::int64_t kLadeSchritt = 20000;

// Reads every sentence up to `bis` with its words into a fresh index, on a
// connection of its own. Reads in steps, each a short read, so that the
// program can store sentences in between. Null when cancelled or failed.
std::unique_ptr<CSatzIndex> IndexLaden(const std::string& pfad, int wartezeitMs, std::int64_t bis,
                                       const std::atomic<bool>& abbrechen) {
    try {
        SQLite::Database db(pfad, SQLite::OPEN_READONLY, wartezeitMs);
        auto index = std::make_unique<CSatzIndex>();
        // Keys may be any 64-bit value (negative, huge): the memory follows
        // the rows, never the keys.
        std::unordered_map<std::int64_t, std::uint32_t> wortIds;  // Wortnummer -> word id
        {
            SQLite::Statement q(db, "select Wortnummer, WortSuche from Wortspeicher");
            while (q.executeStep()) {
                if (abbrechen) return nullptr;
                wortIds[q.getColumn(0).getInt64()] = index->WortId(q.getColumn(1).getString());
            }
        }
        // Steps of sentences in key order, each started after the last key
        // read, so the number of steps follows the rows as well.
        // Two statements, so that each seeks in the key (an "or" would make
        // SQLite scan the table for every step).
        SQLite::Statement anfang(db,
                                 "select Satznummer, Anzahl from Satzspeicher "
                                 "where Satznummer <= ?3 order by Satznummer limit ?2");
        SQLite::Statement weiter(db,
                                 "select Satznummer, Anzahl from Satzspeicher "
                                 "where Satznummer > ?1 and Satznummer <= ?3 "
                                 "order by Satznummer limit ?2");
        SQLite::Statement links(db,
                                "select Satznummer, Wortnummer from Verbindung "
                                "where Satznummer between ? and ? order by Satznummer");
        std::vector<std::pair<std::int64_t, std::uint32_t>> schritt;  // Satznummer, dense
        for (bool erster = true;; erster = false) {
            if (abbrechen) return nullptr;
            SQLite::Statement& saetze = erster ? anfang : weiter;
            if (!erster) saetze.bind(1, schritt.back().first);
            saetze.bind(2, kLadeSchritt);
            // Sentences stored after the file was opened wait for the
            // takeover instead (m_offen).
            saetze.bind(3, bis);
            schritt.clear();
            while (saetze.executeStep()) {
                const std::int64_t nr = saetze.getColumn(0).getInt64();
                const auto anzahl = static_cast<std::uint32_t>(saetze.getColumn(1).getInt64());
                schritt.emplace_back(nr, index->NeuesDokument(nr, anzahl));
            }
            saetze.reset();
            if (schritt.empty()) break;
            links.bind(1, schritt.front().first);
            links.bind(2, schritt.back().first);
            std::size_t pos = 0;
            while (links.executeStep()) {
                const std::int64_t nr = links.getColumn(0).getInt64();
                while (pos < schritt.size() && schritt[pos].first < nr) ++pos;
                if (pos == schritt.size() || schritt[pos].first != nr) continue;
                const auto wort = wortIds.find(links.getColumn(1).getInt64());
                if (wort != wortIds.end()) index->Verknuepfen(schritt[pos].second, wort->second);
            }
            links.reset();
            if (schritt.size() < static_cast<std::size_t>(kLadeSchritt)) break;
        }
        return index;
    } catch (const std::exception&) {
        return nullptr;
    }
}

}  // namespace

void CDatenbank::IndexStarten() {
    std::int64_t spanne = 0;
    std::int64_t bis = 0;
    try {
        // The span of the keys bounds the number of sentences: a small file
        // is indexed at once, anything else on the thread.
        // Two statements: min and max of the key together would scan the table.
        const SQLite::Column erste = m_pDb->execAndGet("select min(Satznummer) from Satzspeicher");
        if (!erste.isNull()) {
            const std::int64_t von = erste.getInt64();
            bis = m_pDb->execAndGet("select max(Satznummer) from Satzspeicher").getInt64();
            constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
            if (von < 0 && bis > kMax + von) {
                spanne = kMax;  // the difference itself would not fit
            } else {
                const std::int64_t d = bis - von;
                spanne = d == kMax ? d : d + 1;
            }
        }
    } catch (const SQLite::Exception&) {
        // A file too damaged to say how many sentences it has: the statement
        // answers, and reports what is wrong when it is asked.
        return;
    }
    if (spanne <= m_optionen.sofortLadenBis) {
        m_pIndex = IndexLaden(m_strLesePfad, m_optionen.wartezeitMs, bis, m_bAbbrechen);
        return;
    }
    m_bLaedt = true;
    m_lader = std::thread([this, bis] {
        auto index = IndexLaden(m_strLesePfad, m_optionen.wartezeitMs, bis, m_bAbbrechen);
        {
            std::lock_guard<std::mutex> sperre(m_mutex);
            m_pGeladen = std::move(index);
            m_bLaedt = false;
        }
        if (m_optionen.indexGeladen && !m_bAbbrechen) m_optionen.indexGeladen();
    });
}

void CDatenbank::IndexUebernehmen() {
    std::lock_guard<std::mutex> sperre(m_mutex);
    if (!m_pGeladen) return;
    m_pIndex = std::move(m_pGeladen);
    for (const auto& a : m_offen) IndexNachtragen(a);
    m_offen.clear();
}

void CDatenbank::IndexNachtragen(const Offen& a) {
    // A new sentence's text is known: suggesting it needs no read.
    if (!a.satz.empty()) m_satzTexte.emplace(a.satznummer, std::make_pair(a.satz, a.psatz));
    if (a.anzahl == 0) m_satzTexte.erase(a.satznummer);
    if (m_pIndex) {
        if (a.anzahl == 0) {
            m_pIndex->Entfernen(a.satznummer);
        } else if (a.anzahl == 1) {
            m_pIndex->Hinzufuegen(a.satznummer, a.anzahl, a.woerter);
        } else {
            m_pIndex->AnzahlSetzen(a.satznummer, a.anzahl, a.woerter);
        }
        return;
    }
    // Still loading: the sentence waits until the index is taken over.
    std::lock_guard<std::mutex> sperre(m_mutex);
    if (m_bLaedt || m_pGeladen) m_offen.push_back(a);
}

bool CDatenbank::IsSentenceIndexReady() {
    IndexUebernehmen();
    return m_pIndex != nullptr;
}

void CDatenbank::WaitForSentenceIndex() {
    if (m_lader.joinable()) m_lader.join();
    IndexUebernehmen();
}

std::size_t CDatenbank::SentenceIndexBytes() {
    IndexUebernehmen();
    return m_pIndex ? m_pIndex->Speicherbedarf() : 0;
}

// ---------------------------------------------------------------- suggestions

bool CDatenbank::SuggestSentences(std::vector<std::string>& saetze,
                                  std::vector<std::string>& psaetze, const std::string& text) {
    if (!Bereit()) return false;
    if (text.empty()) return SuggestSentencesByStatement(saetze, psaetze, text);
    IndexUebernehmen();
    if (!m_pIndex) {
        bool laedt = false;
        {
            std::lock_guard<std::mutex> sperre(m_mutex);
            laedt = m_bLaedt;
        }
        if (laedt) return true;
        return SuggestSentencesByStatement(saetze, psaetze, text);
    }
    std::vector<std::string> woerter = Woerter(text);
    if (woerter.size() > kHoechstensWoerter) woerter.resize(kHoechstensWoerter);
    const std::vector<std::int64_t> nummern = m_pIndex->Suchen(woerter);
    // The texts of sentences suggested before are kept (a sentence's text
    // never changes); the others are read without waiting: while the file
    // is held this moment (a commit in the background) they are left out
    // until the next click rather than keep the person waiting.
    if (m_satzTexte.size() > 20000) m_satzTexte.clear();
    sqlite3_busy_timeout(m_pDb->getHandle(), 0);
    bool belegt = false;
    for (const std::int64_t nr : nummern) {
        auto it = m_satzTexte.find(nr);
        if (it == m_satzTexte.end() && !belegt) {
            try {
                SQLite::Statement& q =
                    Anweisung("select Satz, PSatz from Satzspeicher where Satznummer = ?");
                const CZuruecksetzen zurueck(q);
                q.bind(1, nr);
                if (q.executeStep()) {
                    it = m_satzTexte
                             .emplace(nr, std::make_pair(GetFieldText(q, "Satz"),
                                                         GetFieldText(q, "PSatz")))
                             .first;
                }
            } catch (const SQLite::Exception& e) {
                const int code = e.getErrorCode() & 0xFF;
                belegt = true;
                if (code != SQLITE_BUSY && code != SQLITE_LOCKED) Melden(e);
            }
        }
        if (it != m_satzTexte.end()) {
            saetze.push_back(it->second.first);
            psaetze.push_back(it->second.second);
        }
    }
    sqlite3_busy_timeout(m_pDb->getHandle(), m_optionen.wartezeitMs);
    return true;
}

namespace {

// The plain statement answers only while the index cannot; it is bounded so
// that it never freezes the screen: the first words of a text count, and a
// statement that runs too long is stopped (no suggestions rather than a
// screen that does not answer).

class CFrist {
public:
    CFrist(sqlite3* db, int ms)
        : m_db(db), m_ende(std::chrono::steady_clock::now() + std::chrono::milliseconds(ms)) {
        if (ms > 0) sqlite3_progress_handler(m_db, 10000, &CFrist::Pruefen, this);
    }
    ~CFrist() { sqlite3_progress_handler(m_db, 0, nullptr, nullptr); }
    CFrist(const CFrist&) = delete;
    CFrist& operator=(const CFrist&) = delete;

private:
    static int Pruefen(void* frist) {
        return std::chrono::steady_clock::now() > static_cast<CFrist*>(frist)->m_ende ? 1 : 0;
    }
    sqlite3* m_db;
    std::chrono::steady_clock::time_point m_ende;
};

}  // namespace

bool CDatenbank::SuggestSentencesByStatement(std::vector<std::string>& saetze,
                                             std::vector<std::string>& psaetze,
                                             const std::string& text) {
    if (!Bereit()) return false;
    const CFrist frist(m_pDb->getHandle(), m_optionen.statementFristMs);
    try {
        return SuggestByStatement(saetze, psaetze, text);
    } catch (const SQLite::Exception& e) {
        if (e.getErrorCode() == SQLITE_INTERRUPT) {
            saetze.clear();
            psaetze.clear();
            return true;
        }
        Melden(e);
        return false;
    }
}

bool CDatenbank::SuggestByStatement(std::vector<std::string>& saetze,
                                    std::vector<std::string>& psaetze, const std::string& text) {
    {
        std::string sql;
        std::vector<std::string> woerter;
        if (text.empty()) {
            sql = "select Satz, PSatz from Satzspeicher order by " + DeutscheOrdnung("SatzSuche") +
                  ", SatzSuche, PSatz";
        } else {
            woerter = Woerter(text);
            if (woerter.empty()) return true;
            if (woerter.size() > kHoechstensWoerter) woerter.resize(kHoechstensWoerter);
            std::string platzhalter = "?";
            for (std::size_t i = 1; i < woerter.size(); ++i) platzhalter += ", ?";
            // Among equal counts the sentence spoken more often comes first,
            // then the one stored later, so the cut at ten is always the same.
            sql =
                "select s.Satz, s.PSatz from Verbindung v "
                "join Satzspeicher s on s.Satznummer = v.Satznummer "
                "where v.Wortnummer in (select Wortnummer from Wortspeicher where WortSuche in (" +
                platzhalter +
                ")) group by s.Satznummer "
                "order by count(*) desc, s.Anzahl desc, s.Satznummer desc limit 10";
        }
        SQLite::Statement q(*m_pDb, sql);
        for (std::size_t i = 0; i < woerter.size(); ++i) {
            q.bind(static_cast<int>(i + 1), woerter[i]);
        }
        while (q.executeStep()) {
            saetze.push_back(GetFieldText(q, "Satz"));
            psaetze.push_back(GetFieldText(q, "PSatz"));
        }
        return true;
    }
}

bool CDatenbank::ListSentences(const std::string& nach, std::size_t anzahl,
                               std::vector<Satz>& saetze) {
    return SaetzeNeben(nach, anzahl, true, saetze);
}

bool CDatenbank::ListSentencesBefore(const std::string& vor, std::size_t anzahl,
                                     std::vector<Satz>& saetze) {
    return SaetzeNeben(vor, anzahl, false, saetze);
}

bool CDatenbank::SaetzeNeben(const std::string& schluessel, std::size_t anzahl, bool danach,
                             std::vector<Satz>& saetze) {
    if (!Bereit()) return false;
    return Geschuetzt([&] {
        // Keyset paging on the index over (German order, folded text): the
        // key of an entry is its folded text, unique, and its place in the
        // German order follows from it. Before a key, the index is read
        // backwards and the page turned round.
        const std::string ordnung = DeutscheOrdnung("SatzSuche");
        // Written so that SQLite seeks to the start of the page in the index
        // (a row-value comparison would scan from the first entry).
        const std::string amSchluessel = DeutscheOrdnung("?1");
        const char* hinter = danach ? " > " : " < ";
        const char* richtung = danach ? "" : " desc";
        SQLite::Statement& q = Anweisung(
            "select Satz, PSatz, SatzSuche from Satzspeicher where " + ordnung +
            (danach ? " >= " : " <= ") + amSchluessel + " and (" + ordnung + hinter + amSchluessel +
            " or SatzSuche" + hinter + "?1) order by " + ordnung + richtung + ", SatzSuche" +
            richtung + " limit ?2");
        const CZuruecksetzen zurueck(q);
        q.bind(1, schluessel);
        q.bind(2, static_cast<std::int64_t>(anzahl));
        const std::size_t anfang = saetze.size();
        while (q.executeStep()) {
            saetze.push_back(
                {GetFieldText(q, "Satz"), GetFieldText(q, "PSatz"), GetFieldText(q, "SatzSuche")});
        }
        if (!danach) std::reverse(saetze.begin() + static_cast<std::ptrdiff_t>(anfang), saetze.end());
        return true;
    });
}

long long CDatenbank::CountSentences() {
    if (!Bereit()) return 0;
    long long n = 0;
    Geschuetzt([&] {
        n = m_pDb->execAndGet("select count(*) from Satzspeicher").getInt64();
        return true;
    });
    return n;
}
