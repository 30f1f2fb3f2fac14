#pragma once

#include <optional>
#include <string>
#include <vector>

#include "CNomenphrase.h"

class CWortelement;

// What the document knows of the words of the sentence being built beyond
// their text (which were verbs, in which form; which were nouns, in which
// case), and the three latches that choose how the next noun goes in:
// article (function codes 30 "der/die/das", 31 "ein/eine"), plural (32
// "mehrere") and case (33 "Wem/Wen": dative, then accusative, then off).
// The latches apply to one noun, as the person applies to one verb.
//
// Kept beside the document's word lists, entry by entry; an entry whose
// text is no longer what was noted (typed over, deleted) counts as a plain
// word. No Qt.
class CSatzglieder {
public:
    static constexpr int kBestimmt = 30;
    static constexpr int kUnbestimmt = 31;
    static constexpr int kMehrere = 32;
    static constexpr int kFall = 33;

    // A latch button; false for any other code.
    bool Taste(int code);
    CNomenphrase::Artikel GetArtikel() const { return m_wahl.artikel; }
    bool IsMehrzahl() const { return m_wahl.mehrzahl; }
    std::optional<CNomen::Fall> GetFall() const { return m_wahl.fall; }
    // Whether the button with this code shows pressed.
    bool IsGedrueckt(int code) const;

    // Notes what the entry just appended to `gezeigt` is.
    void Merken(const std::vector<std::string>& gezeigt, CNomenphrase::CWort::Art art,
                const std::string& grundform = {});
    // The sentence so far as the grammar reads it (empty entries left out).
    std::vector<CNomenphrase::CWort> Woerter(const std::vector<std::string>& gezeigt) const;

    // Appends a noun with its article and the right form when a latch is
    // set or the word before asks for it ("kein", "zwei"); an earlier word
    // may change with it ("in" -> "ins", "mein" -> "meinem"). The latches
    // are then released. False, with nothing changed, for anything else:
    // the element goes in as a plain word.
    bool NomenAnhaengen(const CWortelement& element, std::vector<std::string>& gezeigt,
                        std::vector<std::string>& gesprochen);
    // Before the last entry is deleted: an earlier word changed with it
    // gets its text back ("ins" -> "in").
    void VorDemLoeschen(std::vector<std::string>& gezeigt, std::vector<std::string>& gesprochen);

private:
    struct CEintrag {
        std::string eintrag;  // the entry's text as noted
        CNomenphrase::CWort wort;
        int geaendert = -1;  // entry changed with this one
        std::string vorherGezeigt, vorherGesprochen, neuGezeigt, neuGesprochen;
    };
    CNomenphrase::CWahl m_wahl;
    std::vector<CEintrag> m_eintraege;
};
