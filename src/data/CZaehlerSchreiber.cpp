#include "CZaehlerSchreiber.h"

#include <SQLiteCpp/SQLiteCpp.h>
#include <sqlite3.h>

#include <chrono>
#include <cstdint>

CZaehlerSchreiber::CZaehlerSchreiber(std::string pfad, int wartezeitMs)
    : m_strPfad(std::move(pfad)), m_nWartezeitMs(wartezeitMs) {
    m_thread = std::thread([this] { Lauf(); });
}

CZaehlerSchreiber::~CZaehlerSchreiber() {
    {
        std::lock_guard<std::mutex> sperre(m_mutex);
        m_bEnde = true;
    }
    m_arbeit.notify_all();
    m_thread.join();
}

void CZaehlerSchreiber::Zaehlen(long index) {
    {
        std::lock_guard<std::mutex> sperre(m_mutex);
        if (m_bAufgegeben) return;
        m_offen.push_back(index);
    }
    m_arbeit.notify_one();
}

void CZaehlerSchreiber::Warten() {
    std::unique_lock<std::mutex> sperre(m_mutex);
    m_bJetzt = true;
    m_arbeit.notify_all();
    m_fertig.wait_for(sperre, std::chrono::milliseconds(m_nWartezeitMs) + std::chrono::seconds(1),
                      [this] { return (m_offen.empty() || m_bAufgegeben) && !m_bInArbeit; });
}

void CZaehlerSchreiber::Aufgeben() {
    {
        std::lock_guard<std::mutex> sperre(m_mutex);
        m_bAufgegeben = true;
        m_offen.clear();
    }
    m_arbeit.notify_all();
}

void CZaehlerSchreiber::Lauf() {
    std::unique_lock<std::mutex> sperre(m_mutex);
    for (;;) {
        // A file that did not take the counts is tried again after a while.
        m_arbeit.wait_for(sperre, std::chrono::seconds(2),
                          [this] { return m_bEnde || !m_offen.empty(); });
        if (m_offen.empty() || m_bAufgegeben) {
            m_offen.clear();
            m_fertig.notify_all();
            if (m_bEnde) return;
            continue;
        }
        // Written once the clicks pause: a commit holds the file for a
        // moment, and the next click's reads should not meet it. At most
        // two seconds late, and at once for someone who waits for it.
        const auto anfang = std::chrono::steady_clock::now();
        while (!m_bEnde && !m_bJetzt &&
               std::chrono::steady_clock::now() - anfang < std::chrono::seconds(2)) {
            const std::size_t bisher = m_offen.size();
            m_arbeit.wait_for(sperre, std::chrono::milliseconds(300), [&] {
                return m_bEnde || m_bJetzt || m_offen.size() != bisher;
            });
            if (m_offen.size() == bisher) break;
        }
        m_bJetzt = false;
        std::vector<long> indexe;
        indexe.swap(m_offen);
        m_bInArbeit = true;
        const bool ende = m_bEnde;
        sperre.unlock();
        const bool geschrieben = Schreiben(indexe);
        sperre.lock();
        m_bInArbeit = false;
        if (!geschrieben && !m_bAufgegeben && !ende) {
            // Not now: in front of the ones that came meanwhile.
            m_offen.insert(m_offen.begin(), indexe.begin(), indexe.end());
        }
        m_fertig.notify_all();
        if (ende) return;
        if (!geschrieben && !m_bAufgegeben) {
            m_arbeit.wait_for(sperre, std::chrono::seconds(2), [this] { return m_bEnde; });
        }
    }
}

bool CZaehlerSchreiber::Schreiben(const std::vector<long>& indexe) {
    try {
        SQLite::Database db(m_strPfad, SQLite::OPEN_READWRITE, m_nWartezeitMs);
        db.exec("PRAGMA synchronous = EXTRA");
        SQLite::Transaction t(db);
        SQLite::Statement q(db,
                            "update Wortelement set Anzahl = ifnull(Anzahl, 0) + 1 where [Index] = ?");
        for (long index : indexe) {
            q.bind(1, static_cast<std::int64_t>(index));
            q.exec();
            q.reset();
        }
        t.commit();
        return true;
    } catch (const SQLite::Exception& e) {
        const int code = e.getErrorCode() & 0xFF;
        if (code == SQLITE_CORRUPT || code == SQLITE_NOTADB || code == SQLITE_READONLY ||
            code == SQLITE_CANTOPEN) {
            std::lock_guard<std::mutex> sperre(m_mutex);
            m_bAufgegeben = true;
        }
        return false;
    }
}
