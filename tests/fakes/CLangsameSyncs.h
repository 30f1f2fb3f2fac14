#pragma once

#include <sqlite3.h>

#include <atomic>
#include <chrono>
#include <list>
#include <mutex>
#include <thread>

// While it lives, every sync SQLite makes to the disk takes `dauer` longer:
// slow storage (an SD card, an old disk, a busy machine) for the tests of
// what must never wait for it. Registers itself as SQLite's default file
// system and puts the one before back at the end; one at a time.
class CLangsameSyncs {
public:
    explicit CLangsameSyncs(std::chrono::milliseconds dauer) {
        s_dauer = dauer;
        s_echt = sqlite3_vfs_find(nullptr);
        m_vfs = *s_echt;
        m_vfs.zName = "langsam";
        m_vfs.xOpen = &Oeffnen;
        sqlite3_vfs_register(&m_vfs, 1);
    }
    ~CLangsameSyncs() {
        sqlite3_vfs_unregister(&m_vfs);
        sqlite3_vfs_register(s_echt, 1);
    }
    CLangsameSyncs(const CLangsameSyncs&) = delete;
    CLangsameSyncs& operator=(const CLangsameSyncs&) = delete;

    // Syncs made so far.
    static inline std::atomic<int> syncs{0};

private:
    static int Oeffnen(sqlite3_vfs*, sqlite3_filename name, sqlite3_file* datei, int flags,
                       int* aus) {
        const int rc = s_echt->xOpen(s_echt, name, datei, flags, aus);
        if (rc != SQLITE_OK || datei->pMethods == nullptr) return rc;
        // Each kind of file keeps its own methods (a journal locks nothing,
        // the database does): only the sync is replaced.
        const std::lock_guard<std::mutex> sperre(s_mutex);
        for (const Paar& p : s_paare) {
            if (p.echt == datei->pMethods) {
                datei->pMethods = &p.langsam;
                return rc;
            }
        }
        Paar& neu = s_paare.emplace_back();
        neu.echt = datei->pMethods;
        neu.langsam = *datei->pMethods;
        neu.langsam.xSync = &Sync;
        datei->pMethods = &neu.langsam;
        return rc;
    }
    static int Sync(sqlite3_file* datei, int flags) {
        ++syncs;
        std::this_thread::sleep_for(s_dauer);
        const sqlite3_io_methods* echt = nullptr;
        {
            const std::lock_guard<std::mutex> sperre(s_mutex);
            for (const Paar& p : s_paare) {
                if (&p.langsam == datei->pMethods) echt = p.echt;
            }
        }
        return echt->xSync(datei, flags);
    }

    struct Paar {
        const sqlite3_io_methods* echt = nullptr;
        sqlite3_io_methods langsam{};
    };

    sqlite3_vfs m_vfs{};
    static inline sqlite3_vfs* s_echt = nullptr;
    static inline std::chrono::milliseconds s_dauer{0};
    static inline std::mutex s_mutex;
    static inline std::list<Paar> s_paare;  // never moves an element
};
