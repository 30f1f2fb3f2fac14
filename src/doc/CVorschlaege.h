#pragma once

#include <cstddef>
#include <string>
#include <vector>

class CSpeicherung;

// The list of sentences offered beside the sentence being built, with its
// selection: either the suggestions for that sentence (the stored sentences
// sharing the most words with it, and those still waiting for the file), or
// the list of all stored sentences, read a page at a time and held as a
// window of pages, so that it opens at once however many there are.
//
// Reads the open file and the waiting sentences through the storage side,
// which must outlive it. Without an open file the list stays empty.
class CVorschlaege {
public:
    static constexpr std::size_t kVorschlaege = 10;
    static constexpr std::size_t kSeite = 200;
    // The list of all sentences holds at most this many: scrolled on, it
    // drops pages above, scrolled back up, it fetches them again (and drops
    // pages below), so memory stays the same at any depth.
    static constexpr std::size_t kFenster = 10 * kSeite;

    explicit CVorschlaege(CSpeicherung& speicherung) : m_speicherung(speicherung) {}

    // The suggestions for this sentence, none selected. The empty sentence
    // gets none (it would ask for every sentence).
    void Auffrischen(const std::string& satz);
    // The first page of all sentences, the first one selected (none when
    // there is none).
    void AlleZeigen();
    // True when the list of all sentences goes on below / above the window.
    bool HatMehr() const { return m_bMehr; }
    bool HatDavor() const { return m_bDavor; }
    // The next page appended, or the page before put in front; false when
    // there was nothing more.
    bool MehrHolen();
    bool DavorHolen();
    // Where the first sentence held stands, counted from a fixed point:
    // grows by the rows dropped above, shrinks by the rows put in front.
    long long GetAnfang() const { return m_nAnfang; }

    // Moving past the end of the window brings the next page, moving up
    // from its first entry the page before.
    void Naechster();
    void Voriger();
    void SetAuswahl(int index) { m_nAuswahl = index; }
    int GetAuswahl() const { return m_nAuswahl; }
    const std::vector<std::string>& GetGezeigt() const { return m_gezeigt; }
    const std::vector<std::string>& GetGesprochen() const { return m_gesprochen; }

private:
    // Sentences waiting for the file are suggested like stored ones.
    void MitWartenden(const std::string& satz);
    void Kuerzen(std::size_t n, bool vorne);
    void Leeren();

    CSpeicherung& m_speicherung;
    std::vector<std::string> m_gezeigt;
    std::vector<std::string> m_gesprochen;
    int m_nAuswahl = -1;
    std::string m_strNach;  // key of the last sentence fetched
    bool m_bMehr = false;
    bool m_bDavor = false;                  // sentences before the window
    std::vector<std::string> m_schluessel;  // key of each sentence held
    long long m_nAnfang = 0;
};
