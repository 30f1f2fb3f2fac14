#include "Utf8.h"

namespace utf8 {
namespace {

bool IstFolgebyte(unsigned char c) { return (c & 0xC0) == 0x80; }

// Length of the sequence that starts with c; 1 for a stray byte so that
// broken input still advances.
std::size_t SequenzLaenge(unsigned char c) {
    if (c < 0x80) return 1;
    if ((c & 0xE0) == 0xC0) return 2;
    if ((c & 0xF0) == 0xE0) return 3;
    if ((c & 0xF8) == 0xF0) return 4;
    return 1;
}

}  // namespace

std::size_t Laenge(std::string_view text) {
    std::size_t n = 0;
    for (unsigned char c : text) {
        if (!IstFolgebyte(c)) ++n;
    }
    return n;
}

std::string Anfang(std::string_view text, std::size_t n) {
    std::size_t pos = 0;
    while (pos < text.size() && n > 0) {
        pos += SequenzLaenge(static_cast<unsigned char>(text[pos]));
        --n;
    }
    return std::string(text.substr(0, pos < text.size() ? pos : text.size()));
}

bool LetztesEntfernen(std::string& text) {
    if (text.empty()) return false;
    std::size_t pos = text.size() - 1;
    while (pos > 0 && IstFolgebyte(static_cast<unsigned char>(text[pos]))) --pos;
    text.erase(pos);
    return true;
}

std::string AusCodepoint(char32_t z) {
    std::string s;
    if (z < 0x80) {
        s += static_cast<char>(z);
    } else if (z < 0x800) {
        s += static_cast<char>(0xC0 | (z >> 6));
        s += static_cast<char>(0x80 | (z & 0x3F));
    } else if (z < 0x10000) {
        if (z >= 0xD800 && z <= 0xDFFF) return {};
        s += static_cast<char>(0xE0 | (z >> 12));
        s += static_cast<char>(0x80 | ((z >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (z & 0x3F));
    } else if (z < 0x110000) {
        s += static_cast<char>(0xF0 | (z >> 18));
        s += static_cast<char>(0x80 | ((z >> 12) & 0x3F));
        s += static_cast<char>(0x80 | ((z >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (z & 0x3F));
    }
    return s;
}

bool IstEinZeichen(std::string_view text) {
    if (text.empty()) return false;
    const std::size_t n = SequenzLaenge(static_cast<unsigned char>(text[0]));
    if (n != text.size()) return false;
    if (n == 1) return static_cast<unsigned char>(text[0]) < 0x80;
    for (std::size_t i = 1; i < n; ++i) {
        if (!IstFolgebyte(static_cast<unsigned char>(text[i]))) return false;
    }
    return true;
}

std::string Falten(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c >= 'A' && c <= 'Z') {
            out += static_cast<char>(c + 32);
        } else if (c == 0xC3 && i + 1 < text.size()) {
            // U+00C0..U+00DE are the Latin-1 capitals, second byte 0x80..0x9E;
            // U+00D7 (multiplication sign) has no lower case.
            auto d = static_cast<unsigned char>(text[i + 1]);
            if (d >= 0x80 && d <= 0x9E && d != 0x97) d += 0x20;
            out += static_cast<char>(c);
            out += static_cast<char>(d);
            ++i;
        } else if (c == 0xE1 && i + 2 < text.size() &&
                   static_cast<unsigned char>(text[i + 1]) == 0xBA &&
                   static_cast<unsigned char>(text[i + 2]) == 0x9E) {
            out += "\xC3\x9F";  // capital sharp s (U+1E9E) to ß
            i += 2;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

char32_t ZuCodepoint(std::string_view zeichen) {
    const auto b = [&](std::size_t i) {
        return static_cast<char32_t>(static_cast<unsigned char>(zeichen[i]));
    };
    switch (zeichen.size()) {
        case 0:
            return 0;
        case 1:
            return b(0);
        case 2:
            return ((b(0) & 0x1F) << 6) | (b(1) & 0x3F);
        case 3:
            return ((b(0) & 0x0F) << 12) | ((b(1) & 0x3F) << 6) | (b(2) & 0x3F);
        default:
            return ((b(0) & 0x07) << 18) | ((b(1) & 0x3F) << 12) | ((b(2) & 0x3F) << 6) |
                   (b(3) & 0x3F);
    }
}

std::string OhneTrennstellen(std::string_view text) {
    static constexpr std::string_view kWeich = "\xC2\xAD";
    std::string out(text);
    for (std::size_t p = out.find(kWeich); p != std::string::npos; p = out.find(kWeich, p))
        out.erase(p, kWeich.size());
    return out;
}

}  // namespace utf8
