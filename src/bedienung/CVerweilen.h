#pragma once

// Pressing by resting: for a head or eye pointer that moves but cannot click.
// Resting on a button for the dwell time presses it; moving away before
// cancels. After a press the same button needs the pointer to leave before
// it can be pressed again, so a pointer left resting does not repeat.
//
// Targets are the caller's numbers (-1: none). Times are milliseconds from
// the caller's monotonic clock.
class CVerweilen {
public:
    explicit CVerweilen(int verweilMs = 1000) : m_nVerweilMs(verweilMs) {}
    void SetVerweilzeit(int ms) { m_nVerweilMs = ms; }

    // The pointer is over `ziel` now.
    void Bewegt(int ziel, long long jetzt);
    // Dwelling begins, or a window came or went: the target the pointer
    // rests on now is not pressed until the pointer has left it, so that a
    // question that opens under a resting pointer is never answered by it.
    void Ruhen();
    // The target pressed now that its time is up, once; else -1.
    int Takt(long long jetzt);
    // How far the time has run for the target, 0 to 1 (0 when there is none
    // or it waits for the pointer to leave): the fill the button shows.
    double Fortschritt(long long jetzt) const;
    // When Takt will press, or -1 when nothing runs.
    long long Faellig() const;
    int GetZiel() const { return m_nZiel; }
    // The caller numbered its targets anew: the same target, its time and
    // its press kept.
    void Umbenennen(int ziel) { m_nZiel = ziel; }

private:
    int m_nVerweilMs;
    int m_nZiel = -1;
    long long m_nSeit = 0;
    bool m_bGedrueckt = false;  // pressed; waits for the pointer to leave
    bool m_bRuhen = false;      // the next target waits for the pointer to leave
};
