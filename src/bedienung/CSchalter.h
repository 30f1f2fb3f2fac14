#pragma once

#include <map>
#include <vector>

// Filters the presses of switches (a key or a mouse button the person
// presses instead of pointing). A press counts when the switch goes down,
// and not again until the switch has been up for the debounce time, counted
// from the release: a tremor or a bouncing contact does not select twice.
//
// Holding a switch is one press, whatever the system's key repeat sends:
// the repeat arrives as a release and a press at (almost) the same moment,
// so an up shorter than kWiederholungMs is no release. The repeat flag of
// the events is not trusted. A release is therefore known only once the
// switch has stayed up that long; Takt reports it.
//
// With an acceptance time a press counts only once the switch has been held
// that long (for a person with a tremor who brushes the switch); Takt
// reports it then.
//
// Times are milliseconds from the caller's monotonic clock.
class CSchalter {
public:
    static constexpr int kWiederholungMs = 60;

    enum class Art {
        Gedrueckt,    // a press that counts
        Losgelassen,  // a press that counted has ended
    };
    struct CMeldung {
        int schalter;
        Art art;
        bool operator==(const CMeldung&) const = default;
    };

    explicit CSchalter(int entprellMs = 300, int annahmeMs = 0)
        : m_nEntprellMs(entprellMs), m_nAnnahmeMs(annahmeMs) {}
    void SetEntprellzeit(int ms) { m_nEntprellMs = ms; }
    void SetAnnahmezeit(int ms) { m_nAnnahmeMs = ms; }

    // The switch went down; what that means now (a release due before it
    // first).
    std::vector<CMeldung> Runter(int schalter, long long jetzt);
    // The switch was let go.
    void Hoch(int schalter, long long jetzt);
    // What has come due by now: presses held for the acceptance time,
    // releases that stayed releases.
    std::vector<CMeldung> Takt(long long jetzt);
    // When Takt will have something to say; -1 when nothing waits.
    long long Faellig() const;
    // Forgets every switch (another window, other settings): a switch held
    // now counts only once it was let go and pressed again.
    void Vergessen();

private:
    struct CZustand {
        bool unten = false;
        bool gezaehlt = false;  // this press has counted
        bool gesperrt = false;  // it came too soon after the release and never counts
        bool schwebt = false;   // let go, but perhaps only the key repeat
        bool war = false;       // the switch has been released before
        long long seit = 0;     // the press began
        long long oben = 0;     // the last release
    };
    void Pruefen(int schalter, CZustand& z, long long jetzt, std::vector<CMeldung>& meldungen);

    std::map<int, CZustand> m_schalter;
    int m_nEntprellMs;
    int m_nAnnahmeMs;
};
