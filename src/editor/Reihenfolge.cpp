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

// The byte of a code point in code page 1252, A-Z folded to a-z; code points
// the code page lacks come after every byte.
char32_t Einheit(char32_t z) {
    if (z >= U'A' && z <= U'Z') return z + (U'a' - U'A');
    if (z < 0x80 || (z >= 0xA0 && z <= 0xFF)) return z;
    for (char32_t b = 0; b < 32; ++b) {
        if (kCp1252Oben[b] == z && z != 0) return 0x80 + b;
    }
    return 0x100 + z;
}

}  // namespace

std::u32string CaptionKey(std::string_view text) {
    std::u32string key;
    key.reserve(text.size());
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
            // A byte that is no UTF-8 is most likely a code-page letter itself.
            key.push_back(c);
            ++i;
        } else {
            key.push_back(Einheit(z));
            i += laenge;
        }
    }
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
