#pragma once

#include <vector>

// A group the highlight visits, its buttons row by row (the caller's
// numbers for them), and the screen area it stands for (-1: none).
struct CScanGruppe {
    std::vector<std::vector<int>> zeilen;
    int bereich = -1;
};

// A button as the screen places it, for the scan order: the screen area it
// belongs to and its place there. A notice waiting to be closed comes first,
// then the words offered: scanning starts over at the top after a choice, so
// that the word most likely next is the first group reached once a word has
// been chosen. The sentence area comes last: "Sprechen" as a group of its
// own, which one selection presses, then the suggestions one by one.
struct CScanKnopf {
    enum Bereich {
        Hinweis,
        Wortvorschlaege,
        Emotionen,
        Funktionen,
        Raster,
        Tastatur,
        Sprechen,
        Satz
    };
    int id;
    Bereich bereich;
    int oben;   // top edge: buttons with the same top form a row
    int links;  // left edge: the order in the row
};

// Switch scanning over the screen, in steps a person can follow. The
// highlight moves from group to group; selecting enters the group, then a
// row of it, then presses a button, and scanning starts over at the top.
// A group of one row goes straight to its buttons, a row of one button
// presses it.
//
// Inside a group and inside a row, one more step after the last covers the
// whole group or row again: selecting there leaves it, one level up. Two
// full rounds without a choice inside a group go back to the top as well.
// Where there is one group alone (the buttons of a window), scanning starts
// inside it, on its rows or its buttons, and there is no step out of it.
//
// With one switch the highlight steps by itself (Takt, at the step time)
// and the switch selects; with two switches one steps (Schritt), the other
// selects (Waehlen); inverse scanning steps by itself only while the switch
// is held (SetAutomatisch on its press and release). The first item of a
// group, of a row and of the groups waits the extra time on top of the step.
// Times are milliseconds from the caller's monotonic clock.
class CScanner {
public:
    enum class Ebene { Gruppen, Zeilen, Knoepfe };
    struct CMarke {
        Ebene ebene = Ebene::Gruppen;
        int gruppe = 0;
        int zeile = 0;
        int knopf = 0;
        bool zurueck = false;  // on the step that leaves the group or row
    };

    explicit CScanner(int schrittMs = 1500) : m_nSchrittMs(schrittMs) {}
    void SetSchrittzeit(int ms) { m_nSchrittMs = ms; }
    void SetErstzeit(int ms) { m_nErstMs = ms; }
    // Steps by itself from now on, or no longer. Turned on, the first step
    // comes a step time from `jetzt`.
    void SetAutomatisch(bool ja, long long jetzt = -1);
    bool IsAutomatisch() const { return m_bAutomatisch; }

    // The scan order of a screen: a group per area in the order of
    // CScanKnopf::Bereich, rows from the top, buttons from the left.
    static std::vector<CScanGruppe> Gruppen(std::vector<CScanKnopf> knoepfe);

    // New buttons to scan (empty rows and groups are left out); scanning
    // starts over at the top.
    void SetAnordnung(std::vector<CScanGruppe> gruppen, long long jetzt);
    // One step on.
    void Schritt(long long jetzt);
    // Selects what the highlight is on: the number of the button pressed,
    // or -1 when the highlight went into or out of a group or row.
    int Waehlen(long long jetzt);
    // After a choice: the highlight on group `gruppe`, or inside it on its
    // first row (its buttons when it has one row). False when there is no
    // such group; the highlight is then where it was.
    bool Fortsetzen(int gruppe, bool hinein, long long jetzt);
    // The highlight on the button `id` alone (or on its row or group where
    // that holds nothing else), so that one selection presses it. False when
    // it is not scanned.
    bool Auf(int id, long long jetzt);
    // The group of a button; -1 when it is not scanned.
    int GruppeVon(int id) const;
    // Steps when the step time is up (one switch); true when the highlight
    // moved.
    bool Takt(long long jetzt);
    // When Takt will step next; -1 when it will not.
    long long Faellig() const;

    const CMarke& GetMarke() const { return m_marke; }
    // The buttons the highlight covers: a group, a row or one button.
    std::vector<int> Markiert() const;
    bool IsLeer() const { return m_gruppen.empty(); }
    const std::vector<CScanGruppe>& GetGruppen() const { return m_gruppen; }

private:
    void Oben(long long jetzt);
    // On the level scanning starts at: the groups, or inside the one group
    // there is (no step out there).
    bool Oberste() const;
    void Betreten(Ebene ebene, long long jetzt);
    int Stellen() const;  // places on this level, the step out included
    int& Stelle();
    const std::vector<std::vector<int>>& Zeilen() const { return m_gruppen[m_marke.gruppe].zeilen; }

    std::vector<CScanGruppe> m_gruppen;
    CMarke m_marke;
    bool AufErstem() const;

    int m_nSchrittMs;
    int m_nErstMs = 0;
    bool m_bAutomatisch = false;
    long long m_nLetzter = 0;  // when the highlight last moved
    int m_nSchritte = 0;       // steps on this level since it was entered
};
