#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "CVorhersage.h"

class CWortliste;

// Builds the word prediction of a user file: reads its sentence memory
// (table Satzspeicher, each sentence weighted by its Anzahl, newer ones a
// little more) and its vocabulary (the word and verb elements) on a
// read-only connection of its own, so that it can run on a thread of its own
// while the program uses the file. The newest sentences are learned first:
// if the counts reach their bounds (CNGramme), it is the oldest that are
// left out.
//
// Errors: no exception leaves this class. A file that cannot be read, is no
// user file of this program or breaks off while being read gives a German
// message in `fehler`; what was learned until then is kept. Cancelling (the
// flag set from any thread) stops within a few milliseconds.
class CVorhersageLader {
public:
    struct CErgebnis {
        // The finished model, with the lexicon and the vocabulary; null when
        // cancelled.
        std::unique_ptr<CVorhersage> modell;
        // The highest Satznummer learned: sentences stored after the read
        // began are above it, and the caller learns them itself.
        std::int64_t bisSatznummer = 0;
        std::string fehler;  // empty when everything was read
    };

    // Everything at once, as the program needs it after opening a file.
    static CErgebnis Laden(const std::string& benutzerdatei,
                           std::shared_ptr<const CWortliste> wortliste,
                           const std::atomic<bool>& abbrechen);

    // The sentence memory into a model. False when cancelled or failed.
    static bool SaetzeLernen(const std::string& benutzerdatei, CVorhersage& modell,
                             const std::atomic<bool>& abbrechen, std::int64_t& bisSatznummer,
                             std::string& fehler);
    // The word and verb elements of the file.
    static bool WortschatzLesen(const std::string& benutzerdatei,
                                std::vector<CVorhersage::CElement>& elemente, std::string& fehler);
};
