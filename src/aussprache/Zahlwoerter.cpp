#include "Zahlwoerter.h"

#include <array>

namespace zahlwort {

namespace {

constexpr std::array<std::string_view, 20> kKlein = {
    "null",     "eins",     "zwei",     "drei",     "vier",     "fünf",    "sechs",
    "sieben",   "acht",     "neun",     "zehn",     "elf",      "zwölf",   "dreizehn",
    "vierzehn", "fünfzehn", "sechzehn", "siebzehn", "achtzehn", "neunzehn"};
constexpr std::array<std::string_view, 10> kZehner = {"",        "zehn",    "zwanzig", "dreißig",
                                                      "vierzig", "fünfzig", "sechzig", "siebzig",
                                                      "achtzig", "neunzig"};
// Ordinal stems below 20 that are not simply the cardinal with "t".
constexpr std::array<std::string_view, 20> kOrdinalKlein = {
    "nullt",     "erst",      "zweit",     "dritt",     "viert",     "fünft",    "sechst",
    "siebt",     "acht",      "neunt",     "zehnt",     "elft",      "zwölft",   "dreizehnt",
    "vierzehnt", "fünfzehnt", "sechzehnt", "siebzehnt", "achtzehnt", "neunzehnt"};

// 1 to 99; `eins` is the word for a 1 standing alone.
void Unter100(unsigned n, std::string_view eins, std::string& aus) {
    if (n == 1) {
        aus += eins;
    } else if (n < 20) {
        aus += kKlein[n];
    } else {
        const unsigned e = n % 10;
        if (e == 1) aus += "einund";
        if (e > 1) {
            aus += kKlein[e];
            aus += "und";
        }
        aus += kZehner[n / 10];
    }
}

// 1 to 999. "hundert" at the head of the whole number, "einhundert" after
// thousands, where "tausendhundert" would be heard as a slip.
void Unter1000(unsigned n, bool vorne, std::string_view eins, std::string& aus) {
    const unsigned h = n / 100;
    if (h == 1) aus += vorne ? "hundert" : "einhundert";
    if (h > 1) {
        aus += kKlein[h];
        aus += "hundert";
    }
    if (n % 100 != 0) Unter100(n % 100, eins, aus);
}

// A count of millions or billions, with the noun after it.
void Grosszahl(unsigned n, std::string_view einzahl, std::string_view mehrzahl, std::string& aus) {
    if (!aus.empty()) aus += ' ';
    if (n == 1) {
        aus += "eine ";
        aus += einzahl;
        return;
    }
    Unter1000(n, true, "ein", aus);
    aus += ' ';
    aus += mehrzahl;
}

}  // namespace

std::string Kardinal(std::uint64_t n) { return Kardinal(n, "eins"); }

std::string Kardinal(std::uint64_t n, std::string_view eins) {
    if (n == 0) return "null";
    if (n >= kGrenze) return Ziffern(std::to_string(n));
    std::string aus;
    const auto milliarden = static_cast<unsigned>(n / 1'000'000'000);
    const auto millionen = static_cast<unsigned>(n / 1'000'000 % 1000);
    const auto tausend = static_cast<unsigned>(n / 1000 % 1000);
    const auto rest = static_cast<unsigned>(n % 1000);
    if (milliarden != 0) Grosszahl(milliarden, "Milliarde", "Milliarden", aus);
    if (millionen != 0) Grosszahl(millionen, "Million", "Millionen", aus);
    if (tausend == 0 && rest == 0) return aus;
    if (!aus.empty()) aus += ' ';
    const bool vorne = aus.empty();
    if (tausend == 1) aus += vorne ? "tausend" : "eintausend";
    if (tausend > 1) {
        Unter1000(tausend, true, "ein", aus);
        aus += "tausend";
    }
    // Written as one word, but espeak-ng splits "zweitausendvierundzwanzig"
    // wrongly ("tausEnd"); apart it says what a person says.
    if (tausend != 0 && rest != 0) aus += ' ';
    if (rest != 0) Unter1000(rest, vorne && tausend == 0, eins, aus);
    return aus;
}

std::string Ordinal(std::uint64_t n, std::string_view endung) {
    std::string aus;
    const unsigned r = static_cast<unsigned>(n % 100);
    if (n < kGrenze && r < 20 && (r != 0 || n == 0)) {
        // "hundertdritte", "tausenderste": the last two digits carry the stem,
        // glued to "hundert" and "tausend", apart from "Million".
        if (n > r) {
            aus = Kardinal(n - r);
            if (aus.back() == 'n' || aus.back() == 'e') aus += ' ';
        }
        aus += kOrdinalKlein[r];
    } else {
        aus = Kardinal(n);
        aus += "st";
    }
    aus += endung;
    return aus;
}

std::string Jahr(std::uint64_t n) {
    if (n < 1100 || n > 1999) return Kardinal(n);
    std::string aus;
    Unter100(static_cast<unsigned>(n / 100), "eins", aus);
    aus += "hundert";
    if (n % 100 != 0) Unter100(static_cast<unsigned>(n % 100), "eins", aus);
    return aus;
}

std::string Ziffern(std::string_view ziffern) {
    std::string aus;
    for (const char c : ziffern) {
        if (c < '0' || c > '9') continue;
        if (!aus.empty()) aus += ' ';
        aus += kKlein[static_cast<unsigned>(c - '0')];
    }
    return aus;
}

std::string Paare(std::string_view ziffern) {
    if (ziffern.size() <= 3 && ziffern.size() != 2) return Ziffern(ziffern);
    std::string aus;
    std::size_t p = 0;
    if (ziffern.size() % 2 == 1) {
        aus = Ziffern(ziffern.substr(0, 1));
        p = 1;
    }
    for (; p + 1 < ziffern.size(); p += 2) {
        if (!aus.empty()) aus += ' ';
        if (ziffern[p] == '0') {
            aus += Ziffern(ziffern.substr(p, 2));
        } else {
            Unter100(static_cast<unsigned>((ziffern[p] - '0') * 10 + (ziffern[p + 1] - '0')),
                     "eins", aus);
        }
    }
    return aus;
}

bool Wert(std::string_view ziffern, std::uint64_t& wert) {
    if (ziffern.empty() || ziffern.size() > 19) return false;
    wert = 0;
    for (const char c : ziffern) {
        if (c < '0' || c > '9') return false;
        wert = wert * 10 + static_cast<std::uint64_t>(c - '0');
    }
    return true;
}

std::uint64_t Wert(std::string_view ziffern) {
    std::uint64_t wert = 0;
    return Wert(ziffern, wert) ? wert : 0;
}

std::string Gross(std::string wort) {
    if (!wort.empty() && wort[0] >= 'a' && wort[0] <= 'z')
        wort[0] = static_cast<char>(wort[0] - 32);
    return wort;
}

}  // namespace zahlwort
