#include "Schluessel.h"

#include "Utf8.h"

namespace schluessel {
namespace {

bool IstTrenner(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

// Punctuation a word may carry at either end: ASCII, and the German quotes,
// dashes and the ellipsis (all three bytes long, starting with E2 80).
std::size_t SatzzeichenVorne(std::string_view w) {
    if (w.empty()) return 0;
    const auto c = static_cast<unsigned char>(w[0]);
    if (c < 0x80) {
        static constexpr std::string_view kZeichen = ".,;:!?\"'()[]{}-";
        return kZeichen.find(static_cast<char>(c)) != std::string_view::npos ? 1 : 0;
    }
    if (c == 0xE2 && w.size() >= 3 && static_cast<unsigned char>(w[1]) == 0x80) {
        const auto d = static_cast<unsigned char>(w[2]);
        // – — ‘ ’ ‚ “ ” „ …
        if (d == 0x93 || d == 0x94 || (d >= 0x98 && d <= 0x9A) || (d >= 0x9C && d <= 0x9E) ||
            d == 0xA6)
            return 3;
    }
    if (c == 0xC2 && w.size() >= 2) {
        const auto d = static_cast<unsigned char>(w[1]);
        if (d == 0xAB || d == 0xBB) return 2;  // « »
    }
    return 0;
}

std::size_t SatzzeichenHinten(std::string_view w) {
    if (w.empty()) return 0;
    const auto c = static_cast<unsigned char>(w.back());
    if (c < 0x80) return SatzzeichenVorne(w.substr(w.size() - 1));
    for (std::size_t n : {std::size_t{3}, std::size_t{2}}) {
        if (w.size() >= n && SatzzeichenVorne(w.substr(w.size() - n)) == n) return n;
    }
    return 0;
}

}  // namespace

std::string Wort(std::string_view wort) {
    const std::string gefaltet = utf8::Falten(wort);
    if (gefaltet.find("\xC3\x9F") == std::string::npos) return gefaltet;
    std::string out;
    out.reserve(gefaltet.size() + 2);
    for (std::size_t i = 0; i < gefaltet.size(); ++i) {
        if (gefaltet[i] == '\xC3' && i + 1 < gefaltet.size() && gefaltet[i + 1] == '\x9F') {
            out += "ss";
            ++i;
        } else {
            out += gefaltet[i];
        }
    }
    return out;
}

std::string Locker(std::string_view wort) {
    const std::string w = Wort(wort);
    std::string out;
    out.reserve(w.size());
    for (std::size_t i = 0; i < w.size(); ++i) {
        if (w[i] == '\xC3' && i + 1 < w.size()) {
            const char d = w[i + 1];
            const char basis = d == '\xA4' ? 'a' : d == '\xB6' ? 'o' : d == '\xBC' ? 'u' : 0;
            if (basis != 0) {
                out += basis;
                ++i;
                continue;
            }
        }
        out += w[i];
    }
    return out;
}

bool BeginntMit(std::string_view kandidat, std::string_view praefix) {
    std::size_t k = 0;
    for (std::size_t p = 0; p < praefix.size(); ++p, ++k) {
        if (k >= kandidat.size()) return false;
        if (kandidat[k] == praefix[p]) continue;
        // ä ö ü are C3 A4, C3 B6, C3 BC; the typed base vowel stands for them.
        const char basis = praefix[p];
        if (kandidat[k] != '\xC3' || k + 1 >= kandidat.size()) return false;
        const char d = kandidat[k + 1];
        if (!((basis == 'a' && d == '\xA4') || (basis == 'o' && d == '\xB6') ||
              (basis == 'u' && d == '\xBC')))
            return false;
        ++k;
    }
    return true;
}

std::string_view Bereinigt(std::string_view wort) {
    for (std::size_t n = SatzzeichenVorne(wort); n > 0; n = SatzzeichenVorne(wort))
        wort.remove_prefix(n);
    for (std::size_t n = SatzzeichenHinten(wort); n > 0; n = SatzzeichenHinten(wort))
        wort.remove_suffix(n);
    return wort;
}

bool Satzende(std::string_view wort) {
    while (!wort.empty()) {
        const char c = wort.back();
        if (c == '.' || c == '!' || c == '?') return true;
        if (c != '"' && c != ')' && c != '\'') break;
        wort.remove_suffix(1);
    }
    // „…“ around the sentence: ”“ after the mark.
    if (wort.size() >= 4 && wort.substr(wort.size() - 3) == "\xE2\x80\x9C") {
        const char c = wort[wort.size() - 4];
        return c == '.' || c == '!' || c == '?';
    }
    return false;
}

bool GrossAmAnfang(std::string_view wort) {
    if (wort.empty()) return false;
    const auto c = static_cast<unsigned char>(wort[0]);
    if (c >= 'A' && c <= 'Z') return true;
    if (c == 0xC3 && wort.size() > 1) {
        const auto d = static_cast<unsigned char>(wort[1]);
        return d >= 0x80 && d <= 0x9E && d != 0x97;
    }
    return false;
}

std::string GrossAnfang(std::string_view wort) {
    std::string out(wort);
    if (out.empty()) return out;
    const auto c = static_cast<unsigned char>(out[0]);
    if (c >= 'a' && c <= 'z') {
        out[0] = static_cast<char>(c - 32);
    } else if (c == 0xC3 && out.size() > 1) {
        const auto d = static_cast<unsigned char>(out[1]);
        // ß has no capital in common use; ÷ (F7) is no letter.
        if (d >= 0xA0 && d <= 0xBE && d != 0xB7) out[1] = static_cast<char>(d - 0x20);
    }
    return out;
}

void Woerter(std::string_view text, std::vector<std::string_view>& woerter) {
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && IstTrenner(text[i])) ++i;
        const std::size_t a = i;
        while (i < text.size() && !IstTrenner(text[i])) ++i;
        if (i > a) woerter.push_back(text.substr(a, i - a));
    }
}

}  // namespace schluessel
