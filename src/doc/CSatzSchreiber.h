#pragma once

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "CDatenbank.h"

class IUhr;

// Stores the sentences said on a thread and a connection of its own, in
// their order, so that "Sprechen" never waits for the disk. The document
// keeps every sentence in its waiting queue (and the file beside the user
// file) until the writer reports it stored.
//
// A batch the file does not take (held, write-protected, full) is tried
// again every few seconds, and the waiting file is synced to the disk. The
// writer is only given sentences once the user file has passed its check.
class CSatzSchreiber {
public:
    using Satz = std::pair<std::string, std::string>;  // as shown, as spoken
    struct Ergebnis {
        std::size_t gespeichert = 0;  // the first so many handed in are stored
        std::vector<CDatenbank::Gespeichert> aenderungen;
        std::string fehler;  // why not, when nothing was stored
    };

    // `melden` is called on the writer's thread after every attempt; the
    // owner then fetches the results on its own thread (Abholen).
    // `aufPlatte` is called there when the file did not take the sentences:
    // the waiting file then reaches the disk.
    CSatzSchreiber(std::string pfad, const IUhr& uhr, int wartezeitMs,
                   std::function<void()> melden, std::function<void()> aufPlatte);
    ~CSatzSchreiber() { Beenden(); }
    // Tries once more what waits, then ends the thread; the results stay to
    // be fetched.
    void Beenden();
    CSatzSchreiber(const CSatzSchreiber&) = delete;
    CSatzSchreiber& operator=(const CSatzSchreiber&) = delete;

    // `kennung`: the sentence's number in the waiting queue (0: none); the
    // file stores a number once only.
    void Anhaengen(const Satz& satz, std::int64_t kennung = 0);
    // The results since the last call, in their order.
    std::vector<Ergebnis> Abholen();
    // Has every sentence handed in and not stored yet tried once more now,
    // and waits for that try.
    void Warten();

private:
    void Lauf();
    Ergebnis Versuchen(const std::vector<Satz>& saetze, const std::vector<std::int64_t>& kennungen,
                       bool kurz);

    std::string m_strPfad;
    const IUhr& m_uhr;
    int m_nWartezeitMs;
    std::function<void()> m_melden;
    std::function<void()> m_aufPlatte;
    std::unique_ptr<CDatenbank> m_pDb;  // used on the writer's thread only

    std::mutex m_mutex;
    std::condition_variable m_arbeit;
    std::condition_variable m_versucht;
    std::vector<Satz> m_offen;       // handed in, not stored yet
    std::vector<std::int64_t> m_offenKennungen;
    std::size_t m_nUnversucht = 0;   // of those, never tried
    bool m_bInArbeit = false;
    bool m_bEnde = false;
    bool m_bJetzt = false;  // someone waits: try now
    std::vector<Ergebnis> m_ergebnisse;
    std::thread m_thread;
};
