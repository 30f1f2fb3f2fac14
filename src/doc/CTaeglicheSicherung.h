#pragma once

#include <atomic>
#include <functional>
#include <string>
#include <thread>

// Makes the day's backup of a user file (CSicherung) on a thread of its own,
// so that copying and checking a big file never keeps anyone from speaking.
// When the copy fails its check, the user file itself is checked in full:
// damage found there is handed back, so that nothing more is written to it.
class CTaeglicheSicherung {
public:
    struct Ergebnis {
        bool angelegt = false;
        bool dateiBeschaedigt = false;  // the user file failed the full check
        std::string fehler;
    };
    // Called on the backup thread when done (not when stopped).
    using Fertig = std::function<void(const Ergebnis&)>;

    ~CTaeglicheSicherung() { Stoppen(); }
    // Stops a running backup (nothing half done is left) and waits for it;
    // its callback is not called then.
    void Stoppen();

    // Starts the backup of the day `datum` unless one is running.
    void Starten(const std::string& benutzerdatei, const std::string& datum, Fertig fertig);
    // Waits for a running backup; for tests and tools.
    void Warten();
    bool IsAktiv() const { return m_thread.joinable() && !m_bFertig; }

private:
    std::thread m_thread;
    std::atomic<bool> m_bFertig{false};
    std::atomic<bool> m_bAbbrechen{false};
};
