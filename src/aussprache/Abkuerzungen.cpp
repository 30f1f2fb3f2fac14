// Abbreviations written out: "z. B." "zum Beispiel", "Dr." "Doktor".

#include <algorithm>
#include <iterator>
#include <string>
#include <unordered_map>
#include <vector>

#include "Regeln.h"

namespace regeln {

namespace {

// When an entry applies.
enum class Wann {
    Immer,
    // Only where a date or a day is meant: "am So.", "3. Jan.", "Jan. 2024",
    // "Mo.–So."; "Jan." alone is a name, "So." a word.
    Termin,
    // Only before a name: "Fr. Berg" is Frau Berg, "am Fr." Freitag.
    VorName,
};

struct Kurzform {
    std::string_view kurz;  // as written, spaces after points optional
    std::string_view lang;
    Wann wann;
};
// Entries with the same beginning are tried longest first; of two entries
// for the same abbreviation the first whose condition holds is taken.
constexpr Kurzform kAbkuerzungen[] = {
    {"z. B.", "zum Beispiel", Wann::Immer},
    {"d. h.", "das heißt", Wann::Immer},
    {"u. a.", "unter anderem", Wann::Immer},
    {"u. Ä.", "und Ähnliches", Wann::Immer},
    {"o. Ä.", "oder Ähnliches", Wann::Immer},
    {"u. U.", "unter Umständen", Wann::Immer},
    {"v. a.", "vor allem", Wann::Immer},
    {"z. T.", "zum Teil", Wann::Immer},
    {"z. Zt.", "zurzeit", Wann::Immer},
    {"z. Hd.", "zu Händen", Wann::Immer},
    {"i. d. R.", "in der Regel", Wann::Immer},
    {"s. o.", "siehe oben", Wann::Immer},
    {"s. u.", "siehe unten", Wann::Immer},
    {"usw.", "und so weiter", Wann::Immer},
    {"bzw.", "beziehungsweise", Wann::Immer},
    {"ca.", "zirka", Wann::Immer},  // "circa" is read with a k
    {"evtl.", "eventuell", Wann::Immer},
    {"etc.", "et zetera", Wann::Immer},
    {"ggf.", "gegebenenfalls", Wann::Immer},
    {"inkl.", "inklusive", Wann::Immer},
    {"exkl.", "exklusive", Wann::Immer},
    {"zzgl.", "zuzüglich", Wann::Immer},
    {"bzgl.", "bezüglich", Wann::Immer},
    {"bspw.", "beispielsweise", Wann::Immer},
    {"vgl.", "vergleiche", Wann::Immer},
    {"mind.", "mindestens", Wann::Immer},
    {"max.", "maximal", Wann::Immer},
    {"allg.", "allgemein", Wann::Immer},
    {"ugs.", "umgangssprachlich", Wann::Immer},
    {"geb.", "geboren", Wann::Immer},
    {"gest.", "gestorben", Wann::Immer},
    {"Nr.", "Nummer", Wann::Immer},
    {"Str.", "Straße", Wann::Immer},
    {"Dr.", "Doktor", Wann::Immer},
    {"Prof.", "Professor", Wann::Immer},
    {"Fr.", "Frau", Wann::VorName},
    {"Fr.", "Freitag", Wann::Immer},
    {"Hr.", "Herr", Wann::Immer},
    {"Hrn.", "Herrn", Wann::Immer},
    {"St.", "Sankt", Wann::Immer},
    {"Tel.-Nr.", "Telefonnummer", Wann::Immer},
    {"Tel.", "Telefon", Wann::Immer},
    {"Std.", "Stunde", Wann::Immer},
    {"Min.", "Minute", Wann::Immer},
    {"Sek.", "Sekunde", Wann::Immer},
    {"Mio.", "Millionen", Wann::Immer},
    {"Mrd.", "Milliarden", Wann::Immer},
    {"Tsd.", "tausend", Wann::Immer},
    {"Jh.", "Jahrhundert", Wann::Immer},
    {"Hbf.", "Hauptbahnhof", Wann::Immer},
    {"Abs.", "Absatz", Wann::Immer},
    {"Abt.", "Abteilung", Wann::Immer},
    {"Ing.", "Ingenieur", Wann::Immer},
    {"Dipl.", "Diplom", Wann::Immer},
    {"Mo.", "Montag", Wann::Immer},
    {"Di.", "Dienstag", Wann::Immer},
    {"Mi.", "Mittwoch", Wann::Immer},
    {"Do.", "Donnerstag", Wann::Immer},
    {"Sa.", "Samstag", Wann::Immer},
    {"So.", "Sonntag", Wann::Termin},
    {"Jan.", "Januar", Wann::Termin},
    {"Feb.", "Februar", Wann::Immer},
    {"Mär.", "März", Wann::Immer},
    {"Apr.", "April", Wann::Immer},
    {"Jun.", "Juni", Wann::Immer},
    {"Jul.", "Juli", Wann::Immer},
    {"Aug.", "August", Wann::Termin},
    {"Sep.", "September", Wann::Immer},
    {"Sept.", "September", Wann::Immer},
    {"Okt.", "Oktober", Wann::Immer},
    {"Nov.", "November", Wann::Immer},
    {"Dez.", "Dezember", Wann::Immer},
    {"Mo", "Montag", Wann::Termin},
    {"Di", "Dienstag", Wann::Termin},
    {"Mi", "Mittwoch", Wann::Termin},
    {"Do", "Donnerstag", Wann::Termin},
    {"Fr", "Freitag", Wann::Termin},
    {"Sa", "Samstag", Wann::Termin},
};

constexpr std::string_view kWochentage[] = {
    "Mo",     "Di",       "Mi",       "Do",         "Fr",      "Sa",      "So",
    "Montag", "Dienstag", "Mittwoch", "Donnerstag", "Freitag", "Samstag", "Sonntag"};

// Words before a day or a month that make it one.
constexpr std::string_view kTerminWoerter[] = {"am",  "ab", "bis",  "jeden",  "vom",
                                               "zum", "im", "seit", "Anfang", "Ende"};

// An entry prepared for matching: its pieces without the spaces, once as
// written and once with a capital first letter (at a sentence's start).
struct Eintrag {
    std::vector<std::string> teile;
    std::string lang;
    Wann wann;
    bool endetMitPunkt;
};

struct Tabelle {
    std::vector<Eintrag> eintraege;
    std::unordered_map<std::string_view, std::vector<std::size_t>> nachAnfang;
};

std::string Gross(std::string_view s) {
    std::string g(s);
    if (!g.empty() && g[0] >= 'a' && g[0] <= 'z') g[0] = static_cast<char>(g[0] - 'a' + 'A');
    return g;
}

Tabelle Aufbauen() {
    Tabelle tab;
    tab.eintraege.reserve(std::size(kAbkuerzungen) * 2);
    for (const Kurzform& a : kAbkuerzungen) {
        for (const bool gross : {false, true}) {
            if (gross && !(a.kurz[0] >= 'a' && a.kurz[0] <= 'z')) continue;
            const std::string kurz = gross ? Gross(a.kurz) : std::string(a.kurz);
            Eintrag e;
            const CTextTeile teile(kurz);
            for (std::size_t k = 0; k < teile.size(); ++k) {
                if (!teile.IstLeer(k)) e.teile.emplace_back(teile[k].text);
            }
            e.lang = gross ? Gross(a.lang) : std::string(a.lang);
            e.wann = a.wann;
            e.endetMitPunkt = e.teile.back() == ".";
            tab.eintraege.push_back(std::move(e));
        }
    }
    // The map points into the entries, which no longer move.
    for (std::size_t n = 0; n < tab.eintraege.size(); ++n) {
        tab.nachAnfang[tab.eintraege[n].teile[0]].push_back(n);
    }
    for (auto& [anfang, liste] : tab.nachAnfang) {
        std::stable_sort(liste.begin(), liste.end(), [&](std::size_t a, std::size_t b) {
            return tab.eintraege[a].teile.size() > tab.eintraege[b].teile.size();
        });
    }
    return tab;
}

const Tabelle& Abkuerzungen() {
    static const Tabelle tab = Aufbauen();
    return tab;
}

// A day or a month is meant by what stands before it: "am", "3.", "–", and
// in a list also ",".
bool TerminDavor(const CTextTeile& t, std::size_t i, bool liste) {
    const std::size_t p = t.Vorheriger(i);
    if (t.IstWort(p)) {
        const std::string_view w = t[p].text;
        for (const std::string_view v : kTerminWoerter) {
            if (w == v || Gross(v) == w) return true;
        }
    }
    if (t.Ist(p, "–") || t.Ist(p, "-") || t.Ist(p, "/")) return true;
    if (liste && t.Ist(p, ",")) return true;
    return t.Ist(p, ".") && p > 0 && t.IstZahl(p - 1);  // "3. Jan."
}

bool Termin(const CTextTeile& t, std::size_t i, std::size_t ende) {
    if (TerminDavor(t, i, true)) return true;
    const std::size_t n = t.Naechster(ende - 1);
    return t.IstZahl(n) || t.Ist(n, "–") || t.Ist(n, "-") || t.Ist(n, ",") || t.Ist(n, "/");
}

bool VorName(const CTextTeile& t, std::size_t i, std::size_t ende) {
    const std::size_t n = t.Naechster(ende - 1);
    return t.IstGross(n) && !IstWochentag(t, n) && !TerminDavor(t, i, false);
}

// The pieces of the entry from i on; the piece after them, or 0.
std::size_t Passt(const CTextTeile& t, std::size_t i, const Eintrag& e) {
    std::size_t j = i;
    for (std::size_t k = 0; k < e.teile.size(); ++k) {
        if (k > 0 && e.teile[k - 1] == "." && t.Ist(j, " ")) ++j;  // "z. B." and "z.B."
        if (!t.Ist(j, e.teile[k])) return 0;
        ++j;
    }
    if (!e.endetMitPunkt && t.IstAlnum(j)) return 0;
    return j;
}

}  // namespace

bool IstWochentag(const CTextTeile& t, std::size_t i) {
    if (t.Ist(i, ".") && i > 0) --i;
    if (!t.IstWort(i)) return false;
    for (const std::string_view w : kWochentage) {
        if (t[i].text == w) return true;
    }
    return false;
}

std::size_t Abkuerzung(const CTextTeile& t, std::size_t i, std::string& aus) {
    if (!t.IstWort(i) || (i > 0 && t.IstZahl(i - 1))) return 0;
    const Tabelle& tab = Abkuerzungen();
    const auto it = tab.nachAnfang.find(t[i].text);
    if (it == tab.nachAnfang.end()) {
        // "Hauptstr." "Hauptstraße"
        const std::string_view w = t[i].text;
        if (w.size() > 3 && w.substr(w.size() - 3) == "str" && t.Ist(i + 1, ".")) {
            aus += w.substr(0, w.size() - 3);
            aus += "straße";
            PunktZurueck(t, i + 2, aus);
            return 2;
        }
        return 0;
    }
    for (const std::size_t n : it->second) {
        const Eintrag& e = tab.eintraege[n];
        const std::size_t ende = Passt(t, i, e);
        if (ende == 0) continue;
        if (e.wann == Wann::Termin && !Termin(t, i, ende)) continue;
        if (e.wann == Wann::VorName && !VorName(t, i, ende)) continue;
        aus += e.lang;
        if (t.IstWort(ende)) aus += ' ';  // "z.B.Hallo"
        if (e.endetMitPunkt) PunktZurueck(t, ende, aus);
        return ende - i;
    }
    return 0;
}

}  // namespace regeln
