#include "CSatzSchreiber.h"

#include <algorithm>
#include <chrono>

#include "IDialoge.h"

namespace {

// The writer tells nobody anything itself: the document gives the notice.
class CStilleDialoge : public IDialoge {
public:
    void ReportError(const std::string&) override {}
    void Hinweis(const std::string&) override {}
    Antwort ShowMessage(const std::string&, const std::string&, Symbol, Knoepfe) override {
        return Antwort::Abbrechen;
    }
    void BeginWait() override {}
    void EndWait() override {}
};

CStilleDialoge& Still() {
    static CStilleDialoge dialoge;
    return dialoge;
}

constexpr auto kNochmal = std::chrono::seconds(3);

}  // namespace

CSatzSchreiber::CSatzSchreiber(std::string pfad, const IUhr& uhr, int wartezeitMs,
                               std::function<void()> melden, std::function<void()> aufPlatte)
    : m_strPfad(std::move(pfad)),
      m_uhr(uhr),
      m_nWartezeitMs(wartezeitMs),
      m_melden(std::move(melden)),
      m_aufPlatte(std::move(aufPlatte)) {
    m_thread = std::thread([this] { Lauf(); });
}

void CSatzSchreiber::Beenden() {
    if (!m_thread.joinable()) return;
    {
        std::lock_guard<std::mutex> sperre(m_mutex);
        m_bEnde = true;
    }
    m_arbeit.notify_all();
    m_thread.join();
}

void CSatzSchreiber::Anhaengen(const Satz& satz, std::int64_t kennung) {
    {
        std::lock_guard<std::mutex> sperre(m_mutex);
        m_offen.push_back(satz);
        m_offenKennungen.push_back(kennung);
        ++m_nUnversucht;
    }
    m_arbeit.notify_one();
}

std::vector<CSatzSchreiber::Ergebnis> CSatzSchreiber::Abholen() {
    std::lock_guard<std::mutex> sperre(m_mutex);
    std::vector<Ergebnis> ergebnisse;
    ergebnisse.swap(m_ergebnisse);
    return ergebnisse;
}

void CSatzSchreiber::Warten() {
    std::unique_lock<std::mutex> sperre(m_mutex);
    if (m_bEnde || !m_thread.joinable()) return;
    // What failed before is tried again now, not in a few seconds.
    m_bJetzt = true;
    m_arbeit.notify_one();
    m_versucht.wait(sperre, [this] { return !m_bJetzt && m_nUnversucht == 0 && !m_bInArbeit; });
}

void CSatzSchreiber::Lauf() {
    std::unique_lock<std::mutex> sperre(m_mutex);
    bool gescheitert = false;
    for (;;) {
        // New sentences at once; after a failure the next try in a while.
        if (gescheitert) {
            m_arbeit.wait_for(sperre, kNochmal,
                              [this] { return m_bEnde || m_nUnversucht > 0 || m_bJetzt; });
        } else {
            m_arbeit.wait(sperre, [this] { return m_bEnde || !m_offen.empty() || m_bJetzt; });
        }
        if (m_offen.empty()) {
            m_bJetzt = false;
            m_versucht.notify_all();
            if (m_bEnde) break;
            continue;
        }
        const std::vector<Satz> saetze = m_offen;
        const std::vector<std::int64_t> kennungen = m_offenKennungen;
        m_nUnversucht = 0;
        m_bJetzt = false;
        m_bInArbeit = true;
        const bool ende = m_bEnde;
        sperre.unlock();
        Ergebnis ergebnis = Versuchen(saetze, kennungen, ende);
        sperre.lock();
        m_bInArbeit = false;
        gescheitert = ergebnis.gespeichert == 0;
        m_offen.erase(m_offen.begin(),
                      m_offen.begin() + static_cast<std::ptrdiff_t>(ergebnis.gespeichert));
        m_offenKennungen.erase(
            m_offenKennungen.begin(),
            m_offenKennungen.begin() + static_cast<std::ptrdiff_t>(ergebnis.gespeichert));
        m_ergebnisse.push_back(std::move(ergebnis));
        m_versucht.notify_all();
        if (m_melden) m_melden();
        if (ende) break;
    }
    m_pDb.reset();
}

CSatzSchreiber::Ergebnis CSatzSchreiber::Versuchen(const std::vector<Satz>& saetze,
                                                   const std::vector<std::int64_t>& kennungen,
                                                   bool kurz) {
    Ergebnis ergebnis;
    // The last try as the program ends is brief: what it cannot store waits
    // in the queue file for the next start, and nobody waits for an exit.
    const int wartezeit = kurz ? std::min(m_nWartezeitMs, 250) : m_nWartezeitMs;
    if (kurz) m_pDb.reset();
    if (!m_pDb) {
        CDatenbank::Optionen optionen;
        optionen.wartezeitMs = wartezeit;
        optionen.pruefen = false;  // the document hands in only after its check passed
        optionen.mitIndex = false;
        // Nobody waits for this thread: the counts' commit or a reader of
        // the file is waited for.
        optionen.stillWartezeitMs = wartezeit;
        m_pDb = std::make_unique<CDatenbank>(m_strPfad, Still(), m_uhr, optionen);
    }
    if (m_pDb->StoreSentencesStill(saetze, ergebnis.fehler, &ergebnis.aenderungen, &kennungen)) {
        ergebnis.gespeichert = saetze.size();
        ergebnis.fehler.clear();
        return ergebnis;
    }
    if (ergebnis.fehler.empty()) {
        // The writer's own connection did not open: mostly another program
        // holding the file at that moment.
        ergebnis.fehler = m_pDb->IsOpen()
                              ? "Die Benutzerdatei nimmt sie gerade nicht an."
                              : "Die Benutzerdatei lässt sich gerade nicht öffnen, vielleicht "
                                "weil ein anderes Programm sie benutzt.";
    }
    // They may wait long now: their file beside the user file reaches the
    // disk, and the user file is opened anew for the next try (it may have
    // become writable meanwhile).
    if (m_aufPlatte) m_aufPlatte();
    m_pDb.reset();
    return ergebnis;
}
