#include "CTextTeile.h"

#include <cstdint>

const CTextTeile::Teil CTextTeile::kEnde{};

namespace {

// One UTF-8 sequence at p: its length and code point; length 1 and a code
// point above Unicode's range for a byte that starts no valid sequence.
std::size_t Zeichen(std::string_view s, std::size_t p, std::uint32_t& cp) {
    const auto b = static_cast<unsigned char>(s[p]);
    std::size_t n = b < 0x80           ? 1
                    : (b >> 5) == 0x6  ? 2
                    : (b >> 4) == 0xE  ? 3
                    : (b >> 3) == 0x1E ? 4
                                       : 0;
    if (n == 0 || p + n > s.size()) {
        cp = 0x110000;
        return 1;
    }
    cp = n == 1 ? b : n == 2 ? (b & 0x1F) : n == 3 ? (b & 0x0F) : (b & 0x07);
    for (std::size_t k = 1; k < n; ++k) {
        const auto f = static_cast<unsigned char>(s[p + k]);
        if ((f & 0xC0) != 0x80) {
            cp = 0x110000;
            return 1;
        }
        cp = (cp << 6) | (f & 0x3F);
    }
    return n;
}

CTextTeile::Art ArtVon(std::uint32_t cp) {
    using Art = CTextTeile::Art;
    if (cp >= '0' && cp <= '9') return Art::Zahl;
    if ((cp >= 'a' && cp <= 'z') || (cp >= 'A' && cp <= 'Z')) return Art::Wort;
    if (cp == ' ' || cp == '\t' || cp == '\n' || cp == '\r' || cp == 0xA0 || cp == 0x202F)
        return Art::Leer;
    // Latin letters with their accents (not the signs x and / among them),
    // Greek and Cyrillic, the extended Latin block: parts of words.
    if (cp >= 0xC0 && cp <= 0x24F && cp != 0xD7 && cp != 0xF7) return Art::Wort;
    if ((cp >= 0x370 && cp <= 0x52F) || (cp >= 0x1E00 && cp <= 0x1EFF)) return Art::Wort;
    return Art::Zeichen;
}

}  // namespace

CTextTeile::CTextTeile(std::string_view text) {
    m_teile.reserve(text.size() / 3 + 1);
    std::size_t p = 0;
    while (p < text.size()) {
        std::uint32_t cp = 0;
        std::size_t n = Zeichen(text, p, cp);
        const Art art = ArtVon(cp);
        std::size_t ende = p + n;
        if (art != Art::Zeichen) {
            while (ende < text.size()) {
                const std::size_t m = Zeichen(text, ende, cp);
                if (ArtVon(cp) != art) break;
                ende += m;
            }
        }
        m_teile.push_back({art, text.substr(p, ende - p)});
        p = ende;
    }
}

bool CTextTeile::IstGross(std::size_t i) const {
    if (!IstWort(i)) return false;
    const std::string_view w = (*this)[i].text;
    if (w[0] >= 'A' && w[0] <= 'Z') return true;
    // Ä, Ö, Ü in UTF-8.
    return w.size() >= 2 && w[0] == '\xC3' && (w[1] == '\x84' || w[1] == '\x96' || w[1] == '\x9C');
}

std::size_t CTextTeile::Naechster(std::size_t i) const {
    ++i;
    while (i < m_teile.size() && m_teile[i].art == Art::Leer) ++i;
    return i < m_teile.size() ? i : m_teile.size();
}

std::size_t CTextTeile::Vorheriger(std::size_t i) const {
    if (i == npos || i == 0) return npos;
    if (i > m_teile.size()) i = m_teile.size();
    do {
        --i;
        if (m_teile[i].art != Art::Leer) return i;
    } while (i > 0);
    return npos;
}

std::string CTextTeile::Klein(std::size_t i) const {
    if (!IstWort(i)) return {};
    std::string s((*this)[i].text);
    for (char& c : s) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return s;
}
