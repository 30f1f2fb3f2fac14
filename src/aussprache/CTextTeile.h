#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// A text cut into the pieces the pronunciation rules look at: runs of
// letters (words), runs of digits (numbers), runs of white space, and every
// other character on its own (punctuation, currency and unit signs).
//
// Owns nothing but the list: the pieces point into the text given, which
// must outlive this object. Put together in order, the pieces give that text
// back byte for byte, so whatever no rule changes reaches the engine as it
// was typed. Bytes that are not UTF-8 become pieces of their own.
//
// Every access is safe: a position outside the text (also npos) reads as the
// end, a piece of kind Ende with no text.
class CTextTeile {
public:
    enum class Art { Leer, Wort, Zahl, Zeichen, Ende };
    struct Teil {
        Art art = Art::Ende;
        std::string_view text;
    };
    static constexpr std::size_t npos = static_cast<std::size_t>(-1);

    explicit CTextTeile(std::string_view text);

    std::size_t size() const { return m_teile.size(); }
    const Teil& operator[](std::size_t i) const { return i < m_teile.size() ? m_teile[i] : kEnde; }

    bool IstWort(std::size_t i) const { return (*this)[i].art == Art::Wort; }
    bool IstZahl(std::size_t i) const { return (*this)[i].art == Art::Zahl; }
    bool IstLeer(std::size_t i) const { return (*this)[i].art == Art::Leer; }
    bool IstEnde(std::size_t i) const { return (*this)[i].art == Art::Ende; }
    // A word or a number: what may not touch a rule's match on either side.
    bool IstAlnum(std::size_t i) const { return IstWort(i) || IstZahl(i); }
    bool Ist(std::size_t i, std::string_view text) const {
        return (*this)[i].art != Art::Ende && (*this)[i].text == text;
    }
    // A word that begins with a capital (A-Z, Ä, Ö, Ü): a noun or a name.
    bool IstGross(std::size_t i) const;

    // The next piece after i (the one before i) that is not white space;
    // size() (npos) when there is none.
    std::size_t Naechster(std::size_t i) const;
    std::size_t Vorheriger(std::size_t i) const;

    // The word at i in lower case (ASCII letters only; the words compared
    // this way are ASCII), empty when i is no word.
    std::string Klein(std::size_t i) const;

private:
    static const Teil kEnde;
    std::vector<Teil> m_teile;
};
