#pragma once

#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

// Raises the use counts of the elements taken, on a thread and a connection
// of its own: a click never waits for the disk, also not on slow storage or
// while another program holds the file for a moment.
//
// Counts are written in the order they came, many in one durable commit,
// once the clicks pause for a moment (so that the next click's reads do not
// meet the commit).
// While the file cannot take them (held, write-protected) they wait and are
// tried again; a damaged file ends counting. What is still waiting when the
// program ends is tried once more, briefly; a count is a side matter and
// not kept across a crash.
class CZaehlerSchreiber {
public:
    CZaehlerSchreiber(std::string pfad, int wartezeitMs);
    ~CZaehlerSchreiber();
    CZaehlerSchreiber(const CZaehlerSchreiber&) = delete;
    CZaehlerSchreiber& operator=(const CZaehlerSchreiber&) = delete;

    // One more use of the element; returns at once.
    void Zaehlen(long index);
    // Waits until every count handed in so far is in the file, or could not
    // be written within `wartezeitMs`. Before the carer's editor reads counts.
    void Warten();
    // The file is damaged: nothing more is written, what waits is dropped.
    void Aufgeben();

private:
    void Lauf();
    bool Schreiben(const std::vector<long>& indexe);

    std::string m_strPfad;
    int m_nWartezeitMs;
    std::mutex m_mutex;
    std::condition_variable m_arbeit;
    std::condition_variable m_fertig;
    std::vector<long> m_offen;
    bool m_bInArbeit = false;
    bool m_bEnde = false;
    bool m_bJetzt = false;       // someone waits: no pause first
    bool m_bAufgegeben = false;  // damaged or write-protected: nothing more
    std::thread m_thread;
};
