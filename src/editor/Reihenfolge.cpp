#include "Reihenfolge.h"

#include <chrono>
#include <cmath>
#include <limits>

#include "CWortelement.h"

namespace reihenfolge {
namespace {

// Code points of the bytes 0x80-0x9F of code page 1252; 0 where the byte is
// unassigned.
constexpr char32_t kCp1252Oben[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

// The code points of a text; a byte that is no UTF-8 is most likely a letter
// of code page 1252 itself.
std::u32string Zeichen(std::string_view text) {
    std::u32string zeichen;
    zeichen.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const auto c = static_cast<unsigned char>(text[i]);
        std::size_t laenge = 0;
        char32_t z = 0;
        if (c < 0x80) {
            laenge = 1;
            z = c;
        } else if ((c & 0xE0) == 0xC0) {
            laenge = 2;
            z = c & 0x1F;
        } else if ((c & 0xF0) == 0xE0) {
            laenge = 3;
            z = c & 0x0F;
        } else if ((c & 0xF8) == 0xF0) {
            laenge = 4;
            z = c & 0x07;
        }
        for (std::size_t k = 1; k < laenge; ++k) {
            const auto f = i + k < text.size() ? static_cast<unsigned char>(text[i + k]) : 0;
            if ((f & 0xC0) != 0x80) {
                laenge = 0;
                break;
            }
            z = (z << 6) | (f & 0x3F);
        }
        if (laenge == 0) {
            zeichen.push_back(
                c >= 0x80 && c < 0xA0 && kCp1252Oben[c - 0x80] != 0 ? kCp1252Oben[c - 0x80] : c);
            ++i;
        } else {
            zeichen.push_back(z);
            i += laenge;
        }
    }
    return zeichen;
}

// The letters of Latin-1 from U+00C0 on without their accents, in small
// letters; 0 for the two signs among them, "ss" for ß and "ae" for æ.
constexpr const char* kLatin1[64] = {
    "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i",  "i",
    "d", "n", "o", "o", "o", "o", "o",  0,   "o", "u", "u", "u", "u", "y", "th", "ss",
    "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i",  "i",
    "d", "n", "o", "o", "o", "o", "o",  0,   "o", "u", "u", "u", "u", "y", "th", "y"};

void Anhaengen(std::string& aus, char32_t z) {
    if (z < 0x80) {
        aus += static_cast<char>(z);
    } else if (z < 0x800) {
        aus += static_cast<char>(0xC0 | (z >> 6));
        aus += static_cast<char>(0x80 | (z & 0x3F));
    } else if (z < 0x10000) {
        aus += static_cast<char>(0xE0 | (z >> 12));
        aus += static_cast<char>(0x80 | ((z >> 6) & 0x3F));
        aus += static_cast<char>(0x80 | (z & 0x3F));
    } else {
        aus += static_cast<char>(0xF0 | (z >> 18));
        aus += static_cast<char>(0x80 | ((z >> 12) & 0x3F));
        aus += static_cast<char>(0x80 | ((z >> 6) & 0x3F));
        aus += static_cast<char>(0x80 | (z & 0x3F));
    }
}

}  // namespace

std::string Falten(std::string_view text) {
    std::string aus;
    aus.reserve(text.size());
    for (const char32_t z : Zeichen(text)) {
        if (z >= U'A' && z <= U'Z') {
            aus += static_cast<char>(z + (U'a' - U'A'));
        } else if (z >= 0xC0 && z <= 0xFF && kLatin1[z - 0xC0] != nullptr) {
            aus += kLatin1[z - 0xC0];
        } else if (z == 0x00AD) {
            // A soft hyphen marks where a caption may break; it is no letter.
        } else if (z == 0x1E9E) {
            aus += "ss";  // the capital sharp s
        } else if (z == 0x0152 || z == 0x0153) {
            aus += "oe";
        } else if (z == 0x0160 || z == 0x0161) {
            aus += 's';
        } else if (z == 0x017D || z == 0x017E) {
            aus += 'z';
        } else {
            Anhaengen(aus, z);
        }
    }
    return aus;
}

std::u32string CaptionKey(std::string_view text) {
    // The folded text decides; U+0000 after it sorts a prefix first and
    // leaves equal folded texts to their exact letters.
    std::u32string key = Zeichen(Falten(text));
    key.push_back(U'\0');
    key += Zeichen(text);
    return key;
}

JahrTag JahrUndTag(double tage, bool gueltig) {
    // The range of the old date type: 1 January 100 to 31 December 9999.
    if (!gueltig || !std::isfinite(tage) || tage < -657434.0 || tage >= 2958466.0) return {-1, -1};
    using namespace std::chrono;
    // Before 1900 the whole day is the part before the point, also below zero.
    const auto tag = static_cast<long>(std::trunc(tage));
    const sys_days datum = sys_days(1899y / December / 30) + days(tag);
    const year_month_day ymd(datum);
    const sys_days neujahr(ymd.year() / January / 1);
    return {static_cast<int>(ymd.year()), static_cast<int>((datum - neujahr).count()) + 1};
}

float UseScore(const CWortelement& element, double heute) {
    const JahrTag jetzt = JahrUndTag(heute, true);
    const JahrTag erstellt = JahrUndTag(element.GetDatum().m_dTage, element.GetDatum().m_bGueltig);
    const long long tage = (static_cast<long long>(jetzt.tag) - erstellt.tag) +
                           366LL * (static_cast<long long>(jetzt.jahr) - erstellt.jahr);
    const auto d = static_cast<float>(tage);
    const auto anzahl = static_cast<float>(element.GetAnzahl());
    if (d == 0.0F) {
        if (anzahl > 0.0F) return std::numeric_limits<float>::infinity();
        if (anzahl < 0.0F) return -std::numeric_limits<float>::infinity();
        return std::numeric_limits<float>::quiet_NaN();
    }
    return anzahl / d;
}

}  // namespace reihenfolge
