#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

// In-memory index of the sentence memory, so that suggestions stay instant
// however many sentences a user has spoken.
//
// For every word (folded to lower case) it keeps the sentences that contain
// it, as ascending dense numbers, and for every sentence its Satznummer and
// its Anzahl. A query returns the at most k sentences that contain the most
// distinct query words; among equal counts the higher Anzahl first, then the
// newer sentence (higher Satznummer). This is exactly the order of the plain
// statement the data store falls back to.
//
// Sentences must be added in ascending Satznummer. Not thread-safe: the data
// store fills it on one thread and hands it over when it is complete.
class CSatzIndex {
public:
    // Adds a sentence with its distinct folded words. A Satznummer not above
    // the highest one already held is ignored (it is there already).
    void Hinzufuegen(std::int64_t satznummer, std::uint32_t anzahl,
                     const std::vector<std::string>& woerter);
    // Adds one word of a sentence while loading: `wortId` from WortId().
    void Verknuepfen(std::uint32_t dokument, std::uint32_t wortId);
    // Starts a sentence while loading; returns its dense number.
    std::uint32_t NeuesDokument(std::int64_t satznummer, std::uint32_t anzahl);
    // Dense id of a folded word, created when new.
    std::uint32_t WortId(const std::string& gefaltet);

    // Sets the stored count of a sentence, whose distinct folded words are
    // given; unknown sentences are ignored.
    void AnzahlSetzen(std::int64_t satznummer, std::uint32_t anzahl,
                      const std::vector<std::string>& woerter);

    // A sentence removed from the memory is never answered again.
    void Entfernen(std::int64_t satznummer);

    // How a query is answered. Both give the same result; Automatisch picks
    // the one that is faster for the query at hand.
    enum class Verfahren { Automatisch, Listen, Zaehler };

    // Satznummern of the best sentences for the distinct folded words.
    std::vector<std::int64_t> Suchen(const std::vector<std::string>& woerter, std::size_t k = 10,
                                     Verfahren verfahren = Verfahren::Automatisch) const;

    std::size_t Saetze() const { return m_satznummer.size(); }
    std::int64_t HoechsteSatznummer() const {
        return m_satznummer.empty() ? 0 : m_satznummer.back();
    }
    // Bytes held by the index's own structures.
    std::size_t Speicherbedarf() const;

private:
    static constexpr std::uint32_t kBlock = 128;

    struct Liste {
        std::vector<std::uint32_t> dokumente;  // ascending
        std::vector<std::uint32_t> blockMax;   // highest Anzahl per kBlock entries
        // One bit per sentence, kept once a word is in at least one sentence
        // of 64: adding it to the counters is then cheaper than its entries.
        std::vector<std::uint64_t> bits;
    };

    void Eintragen(Liste& liste, std::uint32_t dokument);
    std::vector<std::int64_t> MitListen(std::vector<const Liste*>& listen, std::size_t k) const;
    std::vector<std::int64_t> MitZaehlern(const std::vector<const Liste*>& listen,
                                          std::size_t k) const;

    std::unordered_map<std::string, std::uint32_t> m_wortIds;
    // Removed sentences stay in the lists (they are few) and are left out of
    // every answer.
    std::unordered_set<std::int64_t> m_entfernt;
    std::vector<Liste> m_listen;
    std::vector<std::int64_t> m_satznummer;  // dense number -> Satznummer, ascending
    std::vector<std::uint32_t> m_anzahl;     // dense number -> Anzahl
    std::uint32_t m_maxAnzahl = 0;
    // Highest Anzahl of every 64 sentences, for the counting path.
    std::vector<std::uint32_t> m_wortMax;
    // Bit-sliced counters of the counting path, reused between queries.
    mutable std::vector<std::uint64_t> m_zaehler;
};
