// Numbers as words, ranges, telephone numbers and signs, and what the other
// rules share about amounts.

#include <array>

#include "Regeln.h"
#include "Zahlwoerter.h"

namespace regeln {

namespace {

using zahlwort::Kardinal;
using zahlwort::Wert;

// Size words after a number; 1 before them is "eine" (or "ein").
constexpr Groessenwort kGroessen[] = {
    {"Mio.", "Million", "Millionen", "eine"},
    {"Million", "Million", "Millionen", "eine"},
    {"Millionen", "Million", "Millionen", "eine"},
    {"Mrd.", "Milliarde", "Milliarden", "eine"},
    {"Milliarde", "Milliarde", "Milliarden", "eine"},
    {"Milliarden", "Milliarde", "Milliarden", "eine"},
    {"Tsd.", "tausend", "tausend", "ein"},
    {"Tausend", "tausend", "tausend", "ein"},
};

// Words before a number that make it a telephone number.
constexpr std::string_view kTelefonWoerter[] = {"Tel",   "Telefon",     "Telefonnummer",
                                                "Handy", "Handynummer", "Mobil",
                                                "Fax",   "Rufnummer",   "Notruf"};

// Signs said as words where no other rule took them.
struct Zeichenwort {
    std::string_view zeichen;
    std::string_view wort;
};
constexpr Zeichenwort kZeichen[] = {
    {"€", "Euro"},     {"$", "Dollar"},  {"£", "Pfund"},    {"&", "und"},
    {"§", "Paragraf"}, {"%", "Prozent"}, {"‰", "Promille"},
};

// The digits of a number a person types at most; longer ones are read digit
// by digit (customer numbers, codes).
constexpr std::size_t kMaxStellen = 12;

bool Telefonkontext(const CTextTeile& t, std::size_t i) {
    std::size_t p = t.Vorheriger(i);
    // "Tel.: 0221", "Tel.-Nr. 12 34 56"
    for (int n = 0; n < 2 && (t.Ist(p, ":") || t.Ist(p, ".")); ++n) p = t.Vorheriger(p);
    if (t.Ist(p, "Nr") && t.Ist(p - 1, "-")) p = t.Vorheriger(p - 1);
    if (t.Ist(p, ".")) p = t.Vorheriger(p);
    if (!t.IstWort(p)) return false;
    for (const std::string_view w : kTelefonWoerter) {
        if (t[p].text == w) return true;
    }
    return false;
}

}  // namespace

bool FreiLinks(const CTextTeile& t, std::size_t i) {
    if (i == 0) return true;
    if (t.IstAlnum(i - 1)) return false;
    if ((t.Ist(i - 1, ".") || t.Ist(i - 1, ":")) && i >= 2 && t.IstZahl(i - 2)) return false;
    return true;
}

void PunktZurueck(const CTextTeile& t, std::size_t ende, std::string& aus) {
    if (ende > 0 && t.Ist(ende - 1, ".") && t.Naechster(ende - 1) >= t.size()) aus += '.';
}

bool BetragLesen(const CTextTeile& t, std::size_t i, Betrag& b, bool punktAlsKomma) {
    b = Betrag{};
    std::size_t j = i;
    if ((t.Ist(j, "-") || t.Ist(j, "−")) && t.IstZahl(j + 1)) {
        // A minus sign only where a number starts: "3-5" and "3 - 5" are ranges.
        if (j > 0 && !t.IstLeer(j - 1) && !t.Ist(j - 1, "(")) return false;
        if (t.IstZahl(t.Vorheriger(j))) return false;
        b.minus = true;
        ++j;
    }
    if (!t.IstZahl(j) || (!b.minus && !FreiLinks(t, j))) return false;
    const std::string_view erste = t[j].text;
    if (erste.size() > kMaxStellen) return false;
    std::uint64_t wert = Wert(erste);
    b.ziffern = erste;
    // "1,2,3" is a list, not a number with decimals.
    const bool liste = j >= 2 && t.Ist(j - 1, ",") && t.IstZahl(j - 2);
    ++j;
    if (erste.size() <= 3 && t.Ist(j, ".") && t.IstZahl(j + 1) && t[j + 1].text.size() == 3) {
        std::size_t k = j;
        int gruppen = 0;
        while (gruppen < 3 && t.Ist(k, ".") && t.IstZahl(k + 1) && t[k + 1].text.size() == 3) {
            wert = wert * 1000 + Wert(t[k + 1].text);
            k += 2;
            ++gruppen;
        }
        // Another point with digits: a version or an address, not a number.
        if ((t.Ist(k, ".") || t.Ist(k, ":")) && t.IstZahl(k + 1)) return false;
        j = k;
        b.punkte = true;
        b.ziffern = {};
    } else if (punktAlsKomma && t.Ist(j, ".") && t.IstZahl(j + 1) && t[j + 1].text.size() == 2 &&
               !(t.Ist(j + 2, ".") && t.IstZahl(j + 3))) {
        b.nachkomma = t[j + 1].text;
        j += 2;
    }
    if (b.nachkomma.empty() && !liste && t.Ist(j, ",")) {
        if (t.IstZahl(j + 1) && t[j + 1].text.size() <= kMaxStellen &&
            !(t.Ist(j + 2, ",") && t.IstZahl(j + 3))) {
            b.nachkomma = t[j + 1].text;
            j += 2;
        } else if (t.Ist(j + 1, "-") || t.Ist(j + 1, "–")) {
            b.strich = true;
            j += 2;
            if (t.Ist(j, "-")) ++j;  // "3,--"
        }
    }
    b.ganz = wert;
    b.ende = j;
    return true;
}

std::string BetragWorte(const Betrag& b, std::string_view eins) {
    std::string aus = b.minus ? "minus " : "";
    if (b.nachkomma.empty()) {
        aus += Kardinal(b.ganz, eins);
    } else {
        aus += Kardinal(b.ganz);
        aus += " Komma ";
        aus += zahlwort::Ziffern(b.nachkomma);
    }
    return aus;
}

const Groessenwort* GroesseLesen(const CTextTeile& t, std::size_t j, std::size_t& ende) {
    if (t.IstLeer(j)) ++j;
    if (!t.IstWort(j)) return nullptr;
    for (const Groessenwort& g : kGroessen) {
        const bool punkt = g.geschrieben.back() == '.';
        const std::string_view wort =
            punkt ? g.geschrieben.substr(0, g.geschrieben.size() - 1) : g.geschrieben;
        if (t[j].text != wort || (punkt && !t.Ist(j + 1, "."))) continue;
        ende = j + (punkt ? 2 : 1);
        return &g;
    }
    return nullptr;
}

std::size_t Telefonnummer(const CTextTeile& t, std::size_t i, std::string& aus) {
    const bool plus = t.Ist(i, "+") && t.IstZahl(i + 1) && !t.IstAlnum(i - 1);
    const std::size_t start = plus ? i + 1 : i;
    if (!t.IstZahl(start) || !FreiLinks(t, start)) return 0;
    const bool kontext = !plus && Telefonkontext(t, i);
    const bool vorwahl = plus || (t[start].text.size() >= 2 && t[start].text[0] == '0');
    if (!kontext && !vorwahl) return 0;
    // The groups as written, apart by one space, a slash or a hyphen.
    std::array<std::string_view, 8> gruppen{};
    std::size_t anzahl = 0;
    std::size_t ziffern = 0;
    std::size_t j = start;
    while (anzahl < gruppen.size() && t.IstZahl(j)) {
        gruppen[anzahl++] = t[j].text;
        ziffern += t[j].text.size();
        std::size_t k = j + 1;
        if (t.Ist(k, " ")) ++k;
        if (t.Ist(k, "/") || t.Ist(k, "-")) ++k;
        if (k > j + 2 && t.Ist(k, " ")) ++k;  // " / "
        if (k == j + 1 || !t.IstZahl(k)) {
            ++j;
            break;
        }
        j = k;
    }
    if (t.IstWort(j) || ((t.Ist(j, ".") || t.Ist(j, ",") || t.Ist(j, ":")) && t.IstZahl(j + 1)))
        return 0;
    if (ziffern < (kontext ? 3u : 6u) || ziffern > 20) return 0;
    // The country and the area code digit by digit, the number in pairs,
    // a pause between the groups.
    std::string text = plus ? "plus " : "";
    for (std::size_t g = 0; g < anzahl; ++g) {
        if (g > 0) text += ", ";
        const bool einzeln = (plus && g < 2) || (vorwahl && !plus && g == 0);
        text += einzeln ? zahlwort::Ziffern(gruppen[g]) : zahlwort::Paare(gruppen[g]);
    }
    aus += text;
    return j - i;
}

std::size_t Zahl(const CTextTeile& t, std::size_t i, std::string& aus) {
    Betrag b;
    if (!BetragLesen(t, i, b, false)) {
        // Too long for a number: a code, said digit by digit.
        if (t.IstZahl(i) && t[i].text.size() > kMaxStellen && FreiLinks(t, i) &&
            !t.IstWort(i + 1)) {
            aus += zahlwort::Ziffern(t[i].text);
            return 1;
        }
        return 0;
    }
    std::size_t j = b.ende;
    // "3D", "10er", "1.2.3", "14:30:15": kept as written.
    if (t.IstWort(j)) return 0;
    if ((t.Ist(j, ".") || t.Ist(j, ":")) && t.IstZahl(j + 1)) return 0;
    std::size_t ende = j;
    if (const Groessenwort* g = GroesseLesen(t, j, ende)) {
        const bool eins = b.ganz == 1 && b.nachkomma.empty();
        aus += BetragWorte(b, g->eins);
        aus += ' ';
        aus += eins ? g->einzahl : g->mehrzahl;
        PunktZurueck(t, ende, aus);
        return ende - i;
    }
    const bool einfach = !b.minus && !b.punkte && b.nachkomma.empty() && !b.strich;
    if (einfach && b.ziffern.size() >= 2 && b.ziffern[0] == '0') {
        aus += zahlwort::Ziffern(b.ziffern);  // "007", "0815"
    } else if (einfach && b.ziffern.size() == 4) {
        aus += zahlwort::Jahr(b.ganz);
    } else {
        aus += BetragWorte(b, "eins");
    }
    return j - i;
}

std::size_t Bereich(const CTextTeile& t, std::size_t i, std::string& aus) {
    const bool strich = t.Ist(i, "-");
    if (!strich && !t.Ist(i, "–")) return 0;
    // A hyphen with spaces is a minus or a dash in a sentence.
    if (strich && (t.IstLeer(i - 1) || t.IstLeer(i + 1))) return 0;
    const std::size_t p = t.Vorheriger(i);
    const std::size_t n = t.Naechster(i);
    const bool links = t.IstZahl(p) || IstWochentag(t, p);
    const bool rechts = t.IstZahl(n) || IstWochentag(t, n);
    if (!links || !rechts) return 0;
    if (!t.IstLeer(i - 1)) aus += ' ';
    aus += "bis ";
    return n - i;
}

std::size_t Zeichen(const CTextTeile& t, std::size_t i, std::string& aus) {
    if (t[i].art != CTextTeile::Art::Zeichen) return 0;
    for (const Zeichenwort& z : kZeichen) {
        if (t[i].text != z.zeichen) continue;
        if (i > 0 && t.IstAlnum(i - 1)) aus += ' ';
        aus += z.wort;
        if (t.IstAlnum(i + 1)) aus += ' ';
        return 1;
    }
    return 0;
}

}  // namespace regeln
