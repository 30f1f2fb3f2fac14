#pragma once

#include <sqlite3.h>

#include <atomic>
#include <list>
#include <mutex>

// While it lives, SQLite's default file system can be made to answer every
// write with "disk full" (Voll), and made to take writes again (Frei): a
// full disk and the space coming back, for the tests of what the editor does
// then. Registered before the file is opened; one at a time.
class CVollePlatte {
public:
    CVollePlatte() {
        s_echt = sqlite3_vfs_find(nullptr);
        m_vfs = *s_echt;
        m_vfs.zName = "voll";
        m_vfs.xOpen = &Oeffnen;
        sqlite3_vfs_register(&m_vfs, 1);
    }
    ~CVollePlatte() {
        s_voll = false;
        sqlite3_vfs_unregister(&m_vfs);
        sqlite3_vfs_register(s_echt, 1);
    }
    CVollePlatte(const CVollePlatte&) = delete;
    CVollePlatte& operator=(const CVollePlatte&) = delete;

    void Voll() { s_voll = true; }
    void Frei() { s_voll = false; }

private:
    static int Oeffnen(sqlite3_vfs*, sqlite3_filename name, sqlite3_file* datei, int flags,
                       int* aus) {
        const int rc = s_echt->xOpen(s_echt, name, datei, flags, aus);
        if (rc != SQLITE_OK || datei->pMethods == nullptr) return rc;
        const std::lock_guard<std::mutex> sperre(s_mutex);
        for (const Paar& p : s_paare) {
            if (p.echt == datei->pMethods) {
                datei->pMethods = &p.voll;
                return rc;
            }
        }
        Paar& neu = s_paare.emplace_back();
        neu.echt = datei->pMethods;
        neu.voll = *datei->pMethods;
        neu.voll.xWrite = &Schreiben;
        datei->pMethods = &neu.voll;
        return rc;
    }
    static int Schreiben(sqlite3_file* datei, const void* daten, int menge, sqlite3_int64 wo) {
        if (s_voll) return SQLITE_FULL;
        const sqlite3_io_methods* echt = nullptr;
        {
            const std::lock_guard<std::mutex> sperre(s_mutex);
            for (const Paar& p : s_paare) {
                if (&p.voll == datei->pMethods) echt = p.echt;
            }
        }
        return echt->xWrite(datei, daten, menge, wo);
    }

    struct Paar {
        const sqlite3_io_methods* echt = nullptr;
        sqlite3_io_methods voll{};
    };

    sqlite3_vfs m_vfs{};
    static inline sqlite3_vfs* s_echt = nullptr;
    static inline std::atomic<bool> s_voll{false};
    static inline std::mutex s_mutex;
    static inline std::list<Paar> s_paare;
};
