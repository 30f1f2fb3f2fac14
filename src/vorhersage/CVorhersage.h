#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

#include "CNGramme.h"

class CWortelement;
class CWortliste;

// Guesses the word being typed and the next word: from the sentences the
// user has said (word, pair and triple counts with the sentence start as a
// word of its own), the user's own vocabulary (every caption and verb form)
// and the base lexicon (CWortliste).
//
// Ranking: stupid back-off (Brants et al. 2007) over what was said: a word
// seen after the last two words scores its share of them, else 0.4 times its
// share after the last word. Words without such evidence follow in three
// tiers: the user's own vocabulary, then other words the user has said
// (more often first), then the base lexicon (more common first). Words are
// compared by key (Schluessel.h); what is offered keeps its capitals: the
// vocabulary's, else the lexicon's, else the spelling said; a typed capital
// at the start of the word makes the word's first letter a capital.
//
// The lexicon's everyday sentences (CWortliste::Saetze) are counted apart:
// on the keyboard the words that followed the context there come right
// after those the user said there; in the grid's row their share after the
// context is added to the user's. So a new user is offered "Hunger" after
// "ich habe", and what the user said comes first. A noun's next word also
// backs off to what followed the other nouns of its category ("mein Rücken"
// goes on like "mein Kopf").
//
// Owns the counts and a copy of the vocabulary; shares the lexicon, which is
// never changed. Not thread-safe: build it on one thread (CVorhersageLader
// does so in the background), then hand the finished object over and use it
// on that thread only.
//
// Errors: none. Without a lexicon the keyboard gets no words (Vorschlagen
// answers nothing), while the grid's row still does.
class CVorhersage {
public:
    // Units of a sentence said once: counts are kept in these, so that newer
    // sentences from the file can count a little more.
    static constexpr std::uint32_t kEinheit = 8;
    static constexpr std::size_t kVorschlaege = 6;
    // A longer word is neither learned nor completed.
    static constexpr std::size_t kLaengstesWort = 48;

    // One word element of the user's vocabulary.
    struct CElement {
        long element = 0;     // its Index in Wortelement
        std::string anzeige;  // caption
        // What a click adds without a person chosen (a word's Geg1PersE, a
        // verb's caption), and a verb's eighteen forms (CWortelement order).
        std::string wort;
        std::array<std::string, 18> formen;
        bool verb = false;
        long anzahl = 0;     // use count
        long kategorie = 0;  // the category it stands in
    };
    // One button of the grid's row.
    struct CElementVorschlag {
        long element = 0;
        std::string anzeige;
        std::string wort;  // what the click adds
    };

    // Also learns the lexicon's everyday sentences, once per lexicon.
    void SetWortliste(std::shared_ptr<const CWortliste> wortliste);
    bool HatWortliste() const;
    // The elements of kind word and verb; links are left out.
    static std::vector<CElement> AusWortelementen(const std::vector<CWortelement>& elemente);
    void SetWortschatz(std::vector<CElement> elemente);

    // A sentence said `gewicht` times (in steps of 1/kEinheit).
    void Lernen(std::string_view satz, double gewicht = 1.0);
    // Takes a sentence said `anzahl` times away again: what only it taught
    // is gone.
    void Vergessen(std::string_view satz, std::uint32_t anzahl = 1);

    // The words offered for the text typed so far, best first: completions
    // of its last word, or after a blank (and for the empty text) the next
    // words. Only the end of the text is read.
    std::vector<std::string> Vorschlagen(std::string_view text,
                                         std::size_t anzahl = kVorschlaege) const;
    // The user's elements most likely next after the sentence built so far.
    // `verbform`: the slot of the form a verb click takes now (see
    // CWortelement::Slot; the document's person and tense), or -1 when no
    // person is chosen and a verb adds its caption. No two offered add the
    // same word, and none adds a word of an element in `sichtbar` (the
    // elements the grid shows now: a click there costs the same).
    std::vector<CElementVorschlag> Elemente(std::string_view satz, int verbform = -1,
                                            std::size_t anzahl = kVorschlaege,
                                            const std::vector<long>& sichtbar = {}) const;
    // The present-tense slot after a personal pronoun at the end of the
    // sentence ("ich" gives ich-form), else -1: for callers that know no
    // person of their own.
    static int VerbformNachPerson(std::string_view satz);

    // Whether the word is a finite form of one of the vocabulary's verbs
    // ("möchte", "habe"): a word button with it stands for the verb.
    bool IstFiniteVerbform(std::string_view wort) const;

    const CNGramme& Zaehler() const { return m_zaehler; }
    std::size_t Speicherbedarf() const;

    // For CVorhersageLader: learns without keeping the said words in order
    // (Ordnen once at the end does that for all of them).
    void LernenEinheiten(std::string_view satz, std::uint32_t einheiten, bool ordnen);
    void Ordnen();

private:
    static constexpr double kRueckfall = 0.4;  // stupid back-off's factor
    static constexpr double kL2 = 0.4;         // the pair's weight in the grid's row
    struct CKontext {
        std::uint32_t u = CNGramme::kKein, v = CNGramme::kKein;
    };
    // The word numbers of a sentence with the sentence starts; unknown
    // words (when not created) as kKein.
    static std::vector<std::uint32_t> Nummern(CNGramme& zaehler, std::string_view satz,
                                              bool anlegen);
    // The context before position `ende` of the text.
    static CKontext KontextVor(const CNGramme& zaehler, std::string_view text, std::size_t ende);
    // Stupid back-off score of word w after the context; 0 without evidence.
    static double Kontextwert(const CNGramme& zaehler, const CKontext& k, std::uint32_t w);
    // The same down to the single word, and a small floor by lexicon rank,
    // for the grid: every element gets a score.
    double Wert(const CKontext& k, std::string_view schluessel) const;
    std::string Schreibung(const std::string& schluessel, std::uint32_t nummer) const;
    std::uint32_t Rang(std::string_view schluessel) const;

    CNGramme m_zaehler;
    // The lexicon's everyday sentences, counted apart: they answer where
    // what the user said has nothing to say.
    CNGramme m_grund;
    const CWortliste* m_grundVon = nullptr;  // the lexicon they came from
    std::shared_ptr<const CWortliste> m_wortliste;
    // The said words by Locker key, for completions.
    std::vector<std::pair<std::string, std::uint32_t>> m_gesagt;

    std::vector<CElement> m_elemente;
    // The words of the vocabulary by Locker key: Locker key, key, spelling.
    struct CEigenesWort {
        std::string locker, schluessel, schreibung;
    };
    std::vector<CEigenesWort> m_eigene;
    // Per element the key of its first word (a verb's caption), and the
    // words (not verbs) of each category: for the class back-off by category.
    std::vector<std::string> m_erstesWort;
    std::unordered_map<std::string, std::vector<std::size_t>> m_nachErstemWort;
    std::unordered_map<long, std::size_t> m_woerterJeKategorie;
    std::unordered_set<std::string> m_finit;
};
