#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "CVorhersage.h"
#include "CWortelement.h"

class CWortliste;

// Builds the word prediction of a user file: reads its sentence memory
// (table Satzspeicher, each sentence weighted by its Anzahl, newer ones a
// little more) and its vocabulary (the word and verb elements) on a
// read-only connection of its own, so that it can run on a thread of its own
// while the program uses the file. The newest sentences are learned first:
// if the counts reach their bounds (CNGramme), it is the oldest that are
// left out. A big memory hands over a first model after its newest
// sentences (kErsteSaetze), so that the user's own words are offered within
// a second or two, and the whole one when it is done.
//
// The memory is read up to its newest sentence when the loading begins, in
// batches, so that the program's writes are never kept waiting: a sentence
// stored after that is not read (its Satznummer is above bisSatznummer), and
// the caller learns what was said meanwhile itself. (A sentence said again
// meanwhile may have its raised Anzahl read as well, and then counts once
// more until the file is opened again.)
//
// Errors: no exception leaves this class. A file that cannot be read, is no
// user file of this program or breaks off while being read gives a German
// message in `fehler`; what was learned until then is kept. Cancelling (the
// flag set from any thread) stops within a few milliseconds.
class CVorhersageLader {
public:
    // Sentences in the first model of a big memory: about a second's work.
    static constexpr std::size_t kErsteSaetze = 200'000;

    struct CErgebnis {
        // The finished model, with the lexicon and the vocabulary; null when
        // cancelled.
        std::unique_ptr<CVorhersage> modell;
        // The highest Satznummer learned: sentences stored after the read
        // began are above it, and the caller learns them itself.
        std::int64_t bisSatznummer = 0;
        std::string fehler;  // empty when everything was read
        // False for the first model of a big memory: the whole one follows.
        bool vollstaendig = true;
        // The word and verb elements as read, whole (for a click on one).
        std::vector<CWortelement> elemente;
    };

    struct CAblauf {
        // Gives the lexicon once the newest sentence is known (it may take a
        // moment to read); without it the model has none.
        std::function<std::shared_ptr<const CWortliste>()> wortliste;
        // Gets the first model of a memory of more than `ersteSaetze`
        // sentences, on the loading thread.
        std::function<void(CErgebnis)> zwischenstand;
        std::size_t ersteSaetze = kErsteSaetze;
    };

    // Everything at once, as the program needs it after opening a file.
    static CErgebnis Laden(const std::string& benutzerdatei,
                           std::shared_ptr<const CWortliste> wortliste,
                           const std::atomic<bool>& abbrechen);
    // The same with a first model handed over on the way.
    static CErgebnis Laden(const std::string& benutzerdatei, const CAblauf& ablauf,
                           const std::atomic<bool>& abbrechen);

    // The sentence memory into a model. False when cancelled or failed.
    static bool SaetzeLernen(const std::string& benutzerdatei, CVorhersage& modell,
                             const std::atomic<bool>& abbrechen, std::int64_t& bisSatznummer,
                             std::string& fehler);
    // The word and verb elements of the file; `ganz` (when given) gets them
    // whole, in the same order.
    static bool WortschatzLesen(const std::string& benutzerdatei,
                                std::vector<CVorhersage::CElement>& elemente, std::string& fehler,
                                std::vector<CWortelement>* ganz = nullptr);
};
