#pragma once

#include <map>

// Filters the presses of switches (a key or a mouse button the person
// presses instead of pointing). A switch held down counts once, however
// often the keyboard repeats it; a press within the debounce time after the
// last one of the same switch that counted does not count, so a tremor or a
// bouncing contact does not select twice.
//
// Times are milliseconds from the caller's monotonic clock.
class CSchalter {
public:
    explicit CSchalter(int entprellMs = 300) : m_nEntprellMs(entprellMs) {}
    void SetEntprellzeit(int ms) { m_nEntprellMs = ms; }

    // The switch went down; true when this is a press that counts.
    bool Runter(int schalter, long long jetzt);
    // The switch was let go.
    void Hoch(int schalter);

private:
    struct CZustand {
        bool unten = false;
        bool gezaehlt = false;  // a press of it has counted
        long long zuletzt = 0;  // when that was
    };
    std::map<int, CZustand> m_schalter;
    int m_nEntprellMs;
};
