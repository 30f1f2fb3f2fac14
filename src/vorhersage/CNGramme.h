#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// The counts of the word prediction: how often each word, each pair and each
// triple of words was said, in units (see CVorhersage::kEinheit), with the
// sentence start as a word of its own (kAnfang).
//
// Owns the words (by key, with the spelling last seen) and the counts. Pairs
// and triples are kept in open hash tables of compact entries, and each
// context links its followers, so that the words said after a context are
// walked without searching. Counts that fall to zero leave their entry in
// place (it is skipped, and taken again when the words are said again).
//
// Bounded: at most kHoechstensWoerter words, kHoechstensPaare pairs and
// kHoechstensTripel triples; beyond that nothing new is taken in, while the
// counts of what is held still grow. Not thread-safe.
class CNGramme {
public:
    static constexpr std::uint32_t kAnfang = 0;
    static constexpr std::uint32_t kKein = UINT32_MAX;
    static constexpr std::uint32_t kHoechstensWoerter = 1u << 20;
    static constexpr std::uint32_t kHoechstensPaare = 3'000'000;
    static constexpr std::uint32_t kHoechstensTripel = 5'000'000;

    CNGramme();

    // The number of a word's key, created when new; kKein when full.
    std::uint32_t Wort(std::string_view schluessel, std::string_view schreibung, bool amAnfang);
    // The number of a key, or kKein.
    std::uint32_t Finden(std::string_view schluessel) const;

    // Adds `einheiten` to every word, pair and triple of the word numbers
    // (the first is kAnfang), or takes them away (negative; a count never
    // goes below zero, and what is left of less than `rest` is cleared).
    void Zaehlen(const std::vector<std::uint32_t>& woerter, std::int64_t einheiten,
                 std::uint32_t rest = 0);

    std::uint32_t Einzeln(std::uint32_t w) const { return m_woerter[w].anzahl; }
    // Units of all words said (the sentence starts not counted).
    std::uint64_t Summe() const { return m_summe; }
    std::uint32_t Paar(std::uint32_t u, std::uint32_t v) const;
    std::uint32_t Tripel(std::uint32_t u, std::uint32_t v, std::uint32_t w) const;

    // Calls f(w, count) for every word said after u, or after u and v.
    template <class F>
    void NachPaar(std::uint32_t u, F&& f) const {
        if (u >= m_woerter.size()) return;
        for (std::uint32_t p = m_woerter[u].erstesPaar; p != kKein; p = PaarEintrag(p).naechstes) {
            const auto& e = PaarEintrag(p);
            if (e.anzahl > 0) f(e.v, e.anzahl);
        }
    }
    template <class F>
    void NachTripel(std::uint32_t u, std::uint32_t v, F&& f) const {
        const std::uint32_t p = PaarSuchen(u, v);
        if (p == kKein) return;
        for (std::uint32_t t = PaarEintrag(p).erstesTripel; t != kKein;
             t = TripelEintrag(t).naechstes) {
            const auto& e = TripelEintrag(t);
            if (e.anzahl > 0) f(e.w, e.anzahl);
        }
    }

    std::size_t AnzahlWoerter() const { return m_woerter.size(); }
    const std::string& Schluessel(std::uint32_t w) const { return m_woerter[w].schluessel; }
    const std::string& Schreibung(std::uint32_t w) const { return m_woerter[w].schreibung; }
    std::size_t AnzahlPaare() const { return m_paare.anzahl; }
    std::size_t AnzahlTripel() const { return m_tripel.anzahl; }
    // Bytes held.
    std::size_t Speicherbedarf() const;

private:
    struct CWort {
        std::string schluessel;
        std::string schreibung;
        std::uint32_t anzahl = 0;
        std::uint32_t erstesPaar = kKein;
        bool schreibungAmAnfang = true;  // seen only at the start of a sentence
    };
    struct CPaar {
        std::uint32_t u, v, anzahl, naechstes, erstesTripel;
    };
    struct CTripel {
        std::uint32_t paar, w, anzahl, naechstes;
    };
    // Entries in blocks that never move, so that growing copies nothing.
    template <class T>
    struct CBloecke {
        static constexpr std::uint32_t kBits = 16;
        std::vector<std::unique_ptr<T[]>> bloecke;
        std::uint32_t anzahl = 0;
        CBloecke() = default;
        // A copy of its own (the loader hands a first model over while it
        // goes on counting in its own).
        CBloecke(const CBloecke& andere) : anzahl(andere.anzahl) {
            for (const auto& b : andere.bloecke) {
                bloecke.emplace_back(new T[std::size_t{1} << kBits]);
                std::copy(b.get(), b.get() + (std::size_t{1} << kBits), bloecke.back().get());
            }
        }
        CBloecke& operator=(const CBloecke& andere) {
            if (this != &andere) *this = CBloecke(andere);
            return *this;
        }
        CBloecke(CBloecke&&) noexcept = default;
        CBloecke& operator=(CBloecke&&) noexcept = default;
        T& operator[](std::uint32_t i) { return bloecke[i >> kBits][i & ((1u << kBits) - 1)]; }
        const T& operator[](std::uint32_t i) const {
            return bloecke[i >> kBits][i & ((1u << kBits) - 1)];
        }
        std::uint32_t Neu(const T& t);
    };
    // An open hash table: per place the entry number plus one (0 is empty)
    // in the low half and the upper half of the entry's hash in the high
    // half, so that a search touches only the entry it is after.
    struct CTabelle {
        std::vector<std::uint64_t> plaetze;
        std::size_t Maske() const { return plaetze.size() - 1; }
    };

    const CPaar& PaarEintrag(std::uint32_t p) const { return m_paare[p]; }
    const CTripel& TripelEintrag(std::uint32_t t) const { return m_tripel[t]; }
    std::uint32_t PaarSuchen(std::uint32_t u, std::uint32_t v) const;
    std::uint32_t TripelSuchen(std::uint32_t p, std::uint32_t w) const;
    std::uint32_t PaarHolen(std::uint32_t u, std::uint32_t v, bool anlegen);
    std::uint32_t TripelHolen(std::uint32_t p, std::uint32_t w, bool anlegen);
    template <class Streuung>
    static void Wachsen(CTabelle& tabelle, std::uint32_t eintraege, Streuung streuung);
    static void Aendern(std::uint32_t& anzahl, std::int64_t einheiten, std::uint32_t rest);

    // Looks a key up without copying it.
    struct CStreuung {
        using is_transparent = void;
        std::size_t operator()(std::string_view s) const {
            return std::hash<std::string_view>{}(s);
        }
    };
    std::vector<CWort> m_woerter;
    std::unordered_map<std::string, std::uint32_t, CStreuung, std::equal_to<>> m_nummern;
    std::uint64_t m_summe = 0;  // units of every word but kAnfang
    CBloecke<CPaar> m_paare;
    CBloecke<CTripel> m_tripel;
    CTabelle m_paarTabelle;
    CTabelle m_tripelTabelle;
};
