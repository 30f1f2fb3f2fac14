#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

// The user's own pronunciations: a word (or a few words) as written, and the
// text the speech engine says instead, the phonetic text the carer gave an
// element.
//
// Owns a copy of the pairs, looked up by their first word. Only whole words
// match, with their case as written: "Wurst" is not "wurst", nor part of
// "Wurstbrot". Words and texts are trimmed; a pair with an empty word or text,
// or with the text "NULL", is none. Of two pairs for the same word the first
// counts. Nothing here fails.
class CAussprachen {
public:
    using Paare = std::vector<std::pair<std::string, std::string>>;

    // Replaces all pairs.
    void Setzen(const Paare& paare);
    bool Leer() const { return m_eintraege.empty(); }

    // The text with every word that has a pronunciation replaced by it.
    std::string Anwenden(std::string_view text) const;

private:
    struct Eintrag {
        std::vector<std::string> teile;  // the word's pieces; "" for white space
        std::string laut;
    };
    std::vector<Eintrag> m_eintraege;
    // Indexes into m_eintraege by first piece, the longest first.
    std::unordered_map<std::string, std::vector<std::size_t>> m_nachAnfang;
};
