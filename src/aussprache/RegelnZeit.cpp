// Times, dates, ordinals and the Roman numerals after names.

#include "Regeln.h"
#include "Zahlwoerter.h"

namespace regeln {

namespace {

using zahlwort::Kardinal;
using zahlwort::Ordinal;
using zahlwort::Wert;

// Words before an ordinal and the ending they call for.
struct Begleiter {
    std::string_view wort;  // in lower case
    std::string_view endung;
};
constexpr Begleiter kBegleiter[] = {
    {"der", "e"},     {"die", "e"},      {"das", "e"},    {"ins", "e"},    {"ans", "e"},
    {"aufs", "e"},    {"fürs", "e"},     {"jede", "e"},   {"jeder", "e"},  {"jedes", "e"},
    {"diese", "e"},   {"dieser", "e"},   {"dieses", "e"}, {"den", "en"},   {"dem", "en"},
    {"des", "en"},    {"am", "en"},      {"im", "en"},    {"zum", "en"},   {"zur", "en"},
    {"vom", "en"},    {"beim", "en"},    {"jedem", "en"}, {"jeden", "en"}, {"diesem", "en"},
    {"diesen", "en"}, {"hinterm", "en"}, {"überm", "en"},
};
// The stems of "ein", "mein", ...: the ending follows the article's own.
constexpr std::string_view kEinStaemme[] = {"ein",   "mein", "dein", "sein", "ihr",
                                            "unser", "eur",  "euer", "kein"};
// After these, "der" is dative or genitive: "mit der zweiten Hand".
constexpr std::string_view kPraepositionen[] = {
    "mit",   "von",     "bei",   "aus",    "nach",      "zu",    "seit",  "an",
    "in",    "auf",     "vor",   "hinter", "über",      "unter", "neben", "zwischen",
    "wegen", "während", "trotz", "statt",  "gegenüber", "außer", "samt",  "entgegen"};
// Capitalised words that start a sentence rather than follow an ordinal:
// "Er wurde 3. Dann ..." keeps the cardinal.
constexpr std::string_view kKeinNomen[] = {
    "Ich",   "Du",    "Er",   "Sie",  "Es",    "Wir",  "Ihr",   "Der",   "Die", "Das",
    "Dann",  "Und",   "Aber", "Oder", "Jetzt", "Da",   "Hier",  "Heute", "Ja",  "Nein",
    "Bitte", "Danke", "Wie",  "Was",  "Wo",    "Wann", "Warum", "Wer"};
// Names read with "die": "Elisabeth II." "Elisabeth die Zweite".
constexpr std::string_view kFrauennamen[] = {"Elisabeth", "Elizabeth", "Katharina", "Maria",
                                             "Victoria",  "Viktoria",  "Christina", "Margarethe",
                                             "Margrethe", "Isabella",  "Juliana",   "Beatrix"};
// Nouns a Roman numeral counts rather than names: "Teil II." stays as it is.
constexpr std::string_view kZaehlnomen[] = {"Teil", "Kapitel",   "Band",  "Akt",
                                            "Buch", "Abschnitt", "Stufe", "Klasse"};
// Words after which a point-separated time is a time: "um 14.30".
constexpr std::string_view kZeitWoerter[] = {"um",       "gegen", "ab",  "bis", "von",
                                             "zwischen", "seit",  "und", "nach"};
// Words before a date written without its last point: "am 24.12".
constexpr std::string_view kDatumWoerter[] = {"am", "vom", "zum", "den", "dem", "der", "ab"};

template <std::size_t N>
bool In(const std::string_view (&liste)[N], std::string_view wort) {
    for (const std::string_view w : liste) {
        if (w == wort) return true;
    }
    return false;
}

// "ein Uhr", not "eins Uhr".
std::string Stunde(std::uint64_t h) { return Kardinal(h, "ein"); }

// A year after a date: four digits (or two) with nothing that makes it
// something else.
bool IstJahr(const CTextTeile& t, std::size_t j, bool zweistellig) {
    if (!t.IstZahl(j)) return false;
    const std::size_t n = t[j].text.size();
    if (n != 4 && !(zweistellig && n == 2)) return false;
    if (t.IstAlnum(j + 1)) return false;
    return !((t.Ist(j + 1, ".") || t.Ist(j + 1, ":") || t.Ist(j + 1, ",")) && t.IstZahl(j + 2));
}

// The value of a Roman numeral of I, V and X up to 39 (the kings and popes);
// 0 for anything else, also for a numeral not written the usual way.
unsigned Roemisch(std::string_view r) {
    static constexpr std::string_view kEiner[] = {"",  "I",  "II",  "III",  "IV",
                                                  "V", "VI", "VII", "VIII", "IX"};
    if (r.empty() || r.size() > 7 || r.find_first_not_of("IVX") != std::string_view::npos) return 0;
    for (unsigned n = 1; n < 40; ++n) {
        std::string s(n / 10, 'X');
        s += kEiner[n % 10];
        if (s == r) return n;
    }
    return 0;
}

}  // namespace

std::string_view Endung(const CTextTeile& t, std::size_t i) {
    const std::size_t p = t.Vorheriger(i);
    const std::string wort = t.Klein(p);
    if (wort.empty()) return {};
    if (wort == "der" && In(kPraepositionen, t.Klein(t.Vorheriger(p)))) return "en";
    for (const Begleiter& b : kBegleiter) {
        if (b.wort == wort) return b.endung;
    }
    for (const std::string_view stamm : kEinStaemme) {
        if (wort.compare(0, stamm.size(), stamm) != 0) continue;
        const std::string_view rest = std::string_view(wort).substr(stamm.size());
        if (rest.empty()) return "er";
        if (rest == "e") return "e";
        if (rest == "em" || rest == "en" || rest == "er" || rest == "es") return "en";
    }
    return {};
}

std::size_t Datum(const CTextTeile& t, std::size_t i, std::string& aus) {
    if (!t.IstZahl(i) || !FreiLinks(t, i)) return 0;
    const auto endung = [&] {
        const std::string_view e = Endung(t, i);
        return e.empty() ? std::string_view("er") : e;
    };
    // 2024-12-24
    if (t[i].text.size() == 4 && t.Ist(i + 1, "-") && t.IstZahl(i + 2) &&
        t[i + 2].text.size() == 2 && t.Ist(i + 3, "-") && t.IstZahl(i + 4) &&
        t[i + 4].text.size() == 2 && !t.IstAlnum(i + 5)) {
        const std::uint64_t m = Wert(t[i + 2].text);
        const std::uint64_t d = Wert(t[i + 4].text);
        if (m < 1 || m > 12 || d < 1 || d > 31) return 0;
        aus += Ordinal(d, endung()) + " " + zahlwort::Gross(Ordinal(m, endung())) + " " +
               zahlwort::Jahr(Wert(t[i].text));
        return 5;
    }
    if (t[i].text.size() > 2 || !t.Ist(i + 1, ".") || !t.IstZahl(i + 2) || t[i + 2].text.size() > 2)
        return 0;
    const std::uint64_t d = Wert(t[i].text);
    const std::uint64_t m = Wert(t[i + 2].text);
    if (d < 1 || d > 31 || m < 1 || m > 12) return 0;
    const std::string vor = t.Klein(t.Vorheriger(i));
    if (vor == "um" || vor == "gegen") return 0;  // "um 10.10." is a time
    std::size_t j = i + 3;
    std::string jahr;
    if (t.Ist(j, ".")) {
        ++j;
        if (IstJahr(t, j, true)) {
            jahr = zahlwort::Jahr(Wert(t[j].text));
            ++j;
        } else if (t.Ist(j, " ") && IstJahr(t, j + 1, false) && !t.Ist(t.Naechster(j + 1), "Uhr")) {
            jahr = zahlwort::Jahr(Wert(t[j + 1].text));
            j += 2;
        } else if (t.IstZahl(j)) {
            return 0;  // "1.2.3"
        }
    } else {
        // Without its last point only after a word that asks for a date.
        if (t.IstAlnum(j) || ((t.Ist(j, ":") || t.Ist(j, ",")) && t.IstZahl(j + 1))) return 0;
        if (!In(kDatumWoerter, vor) || t.Ist(t.Naechster(j - 1), "Uhr")) return 0;
    }
    aus += Ordinal(d, endung());
    aus += ' ';
    aus += zahlwort::Gross(Ordinal(m, endung()));
    if (!jahr.empty()) {
        aus += ' ';
        aus += jahr;
    }
    PunktZurueck(t, j, aus);
    return j - i;
}

std::size_t Uhrzeit(const CTextTeile& t, std::size_t i, std::string& aus) {
    if (!t.IstZahl(i) || !FreiLinks(t, i) || t[i].text.size() > 3) return 0;
    const std::uint64_t h = Wert(t[i].text);
    const bool doppelpunkt = t.Ist(i + 1, ":");
    // "2:1" is a score or a scale.
    if (doppelpunkt && t.IstZahl(i + 2) && !t.IstAlnum(i + 3) &&
        !(t.Ist(i + 3, ":") && t.IstZahl(i + 4)) &&
        (t[i + 2].text.size() != 2 || h > 24 || Wert(t[i + 2].text) > 59) &&
        t[i + 2].text.size() <= 9) {
        aus += Kardinal(h) + " zu " + Kardinal(Wert(t[i + 2].text));
        return 3;
    }
    if (h > 24 || t[i].text.size() > 2) return 0;
    // "14 Uhr"
    if (t.IstLeer(i + 1) && t.Ist(i + 2, "Uhr")) {
        aus += Stunde(h) + " Uhr";
        return 3;
    }
    const bool punkt = t.Ist(i + 1, ".");
    if (!(doppelpunkt || punkt) || !t.IstZahl(i + 2) || t[i + 2].text.size() != 2) return 0;
    const std::uint64_t m = Wert(t[i + 2].text);
    if (m > 59) return 0;
    std::size_t j = i + 3;
    if ((t.Ist(j, ":") || t.Ist(j, ".") || t.Ist(j, ",")) && t.IstZahl(j + 1)) return 0;
    std::size_t k = t.IstLeer(j) ? j + 1 : j;
    const bool uhr = t.Ist(k, "Uhr") || t.Ist(k, "h");
    if (!uhr && t.IstAlnum(j)) return 0;
    if (punkt && !uhr && !In(kZeitWoerter, t.Klein(t.Vorheriger(i)))) return 0;
    aus += Stunde(h) + " Uhr";
    if (m != 0) aus += " " + Kardinal(m);
    return (uhr ? k + 1 : j) - i;
}

std::size_t Ordnungszahl(const CTextTeile& t, std::size_t i, std::string& aus) {
    if (!t.IstZahl(i) || !FreiLinks(t, i) || t[i].text.size() > 4 || !t.Ist(i + 1, ".") ||
        t.IstZahl(i + 2))
        return 0;
    const std::size_t n = t.Naechster(i + 1);
    const std::string_view e = Endung(t, i);
    const bool nomen = t.IstGross(n) && !In(kKeinNomen, t[n].text);
    // "der 3. Platz", "am 1. Mai", "1. Mai", "der 3. große Tag", "Ich bin der 1."
    if (!nomen && e.empty()) return 0;
    aus += Ordinal(Wert(t[i].text), e.empty() ? "er" : e);
    if (t.IstWort(i + 2)) aus += ' ';
    PunktZurueck(t, i + 2, aus);
    return 2;
}

std::size_t RoemischeZahl(const CTextTeile& t, std::size_t i, std::string& aus) {
    if (!t.IstWort(i) || !t.Ist(i + 1, ".") || i < 2 || !t.Ist(i - 1, " ")) return 0;
    const unsigned n = Roemisch(t[i].text);
    const std::size_t name = i - 2;
    if (n == 0 || !t.IstGross(name) || In(kZaehlnomen, t[name].text)) return 0;
    // A single letter after a name is more often its initial: "Anna M.".
    if (t[i].text.size() == 1 && t[i].text != "I" && t[i].text != "V") return 0;
    const bool weiblich = In(kFrauennamen, t[name].text);
    // "von Ludwig dem Zweiten"
    const bool dativ = In(kPraepositionen, t.Klein(t.Vorheriger(name)));
    aus += dativ ? (weiblich ? "der " : "dem ") : (weiblich ? "die " : "der ");
    aus += zahlwort::Gross(Ordinal(n, dativ ? "en" : "e"));
    PunktZurueck(t, i + 2, aus);
    return 2;
}

}  // namespace regeln
