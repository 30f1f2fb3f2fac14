#include "CNomenphrase.h"

#include <array>
#include <cstring>

namespace {

using Fall = CNomenphrase::Fall;
using G = CNomen::Geschlecht;
using Wort = CNomenphrase::CWort;

// ASCII and the umlauts in small letters: "Mit", "ÜBER" -> "mit", "über".
std::string Klein(const std::string& s) {
    std::string k;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(s[i]);
        if (c >= 'A' && c <= 'Z') {
            k += static_cast<char>(c - 'A' + 'a');
        } else if (c == 0xC3 && i + 1 < s.size() &&
                   std::strchr("\x84\x96\x9C", s[i + 1]) != nullptr) {
            k += static_cast<char>(c);
            k += static_cast<char>(s[++i] + 0x20);  // Ä Ö Ü -> ä ö ü
        } else {
            k += static_cast<char>(c);
        }
    }
    return k;
}

bool GrossAnfang(const std::string& s) {
    const unsigned char c = s.empty() ? 0 : static_cast<unsigned char>(s[0]);
    return (c >= 'A' && c <= 'Z') ||
           (c == 0xC3 && s.size() > 1 && std::strchr("\x84\x96\x9C", s[1]) != nullptr);
}

std::string Gross(const std::string& s) {
    if (s.empty()) return s;
    std::string g = s;
    if (g[0] >= 'a' && g[0] <= 'z') g[0] = static_cast<char>(g[0] - 'a' + 'A');
    return g;
}

bool In(const std::string& wort, std::initializer_list<const char*> liste) {
    for (const char* w : liste)
        if (wort == w) return true;
    return false;
}

bool EndetAuf(const std::string& s, const std::string& ende) {
    return s.size() >= ende.size() && s.compare(s.size() - ende.size(), ende.size(), ende) == 0;
}

enum class Rektion { Keine, Dativ, Akkusativ, Wechsel, Genitiv };

Rektion Praeposition(const std::string& wort) {
    const std::string w = Klein(wort);
    if (In(w, {"mit", "zu", "bei", "von", "aus", "nach", "seit", "gegenüber", "ab", "außer"}))
        return Rektion::Dativ;
    if (In(w, {"für", "durch", "gegen", "ohne", "um"})) return Rektion::Akkusativ;
    if (In(w, {"in", "an", "auf", "über", "unter", "vor", "hinter", "neben", "zwischen"}))
        return Rektion::Wechsel;
    if (In(w, {"wegen", "trotz", "während", "statt", "anstatt", "innerhalb", "außerhalb"}))
        return Rektion::Genitiv;
    return Rektion::Keine;
}

// A preposition that already holds the definite article, with its case.
std::optional<Fall> Verschmolzen(const std::string& wort) {
    const std::string w = Klein(wort);
    if (In(w, {"zum", "zur", "beim", "vom", "im", "am"})) return Fall::Dativ;
    if (In(w, {"ins", "ans", "aufs"})) return Fall::Akkusativ;
    return std::nullopt;
}

// Preposition and definite article that German says as one word.
const char* Verschmelzung(const std::string& praeposition, const std::string& artikel) {
    struct Paar {
        const char *p, *a, *zusammen;
    };
    static constexpr Paar kPaare[] = {{"zu", "dem", "zum"}, {"zu", "der", "zur"},
                                      {"in", "dem", "im"},  {"in", "das", "ins"},
                                      {"an", "dem", "am"},  {"an", "das", "ans"},
                                      {"bei", "dem", "beim"}, {"von", "dem", "vom"}};
    const std::string p = Klein(praeposition);
    for (const Paar& paar : kPaare)
        if (p == paar.p && artikel == paar.a) return paar.zusammen;
    return nullptr;
}

// Verbs of motion: with them in, an, auf ... say where to (accusative). A
// separable verb of one counts ("hinlegen", "sich setzen"), an inseparable
// one does not ("bestellen").
bool Bewegung(const std::string& grundform) {
    static constexpr const char* kVerben[] = {
        "gehen",   "fahren",  "laufen",  "kommen",   "fliegen", "rennen",  "springen",
        "steigen", "klettern", "reisen", "ziehen",   "legen",   "stellen", "setzen",
        "bringen", "tragen",  "werfen",  "schieben", "fallen",  "schauen", "gucken",
        "kriechen", "rutschen", "krabbeln", "rollen", "hüpfen",  "schicken", "stecken"};
    static constexpr const char* kVorsilben[] = {
        "",     "sich ", "hin",    "her",    "rein",   "rauf",  "runter", "raus", "hinein",
        "herein", "hinauf", "hinunter", "heraus", "weg", "los", "mit", "zurück", "an",
        "auf",  "aus",   "ein",    "ab",     "vor",    "weiter", "nach"};
    const std::string g = Klein(grundform);
    for (const char* v : kVerben) {
        if (!EndetAuf(g, v)) continue;
        const std::string vorne = g.substr(0, g.size() - std::strlen(v));
        for (const char* vs : kVorsilben)
            if (vorne == vs) return true;
    }
    return false;
}

Fall FallNachVerb(const std::string& grundform) {
    std::string g = Klein(grundform);
    if (g.rfind("sich ", 0) == 0) g = g.substr(5);
    if (In(g, {"sein", "werden", "bleiben", "heißen"})) return Fall::Nominativ;
    if (In(g, {"helfen", "danken", "gehören", "gefallen", "folgen", "antworten", "gratulieren",
               "vertrauen", "zuhören", "schmecken", "passen", "begegnen", "wehtun", "weh tun"}))
        return Fall::Dativ;
    return Fall::Akkusativ;
}

// The "ein" words before a noun: the stem, or empty.
std::string Stamm(const std::string& wort) {
    const std::string w = Klein(wort);
    for (const char* s : {"mein", "dein", "sein", "ihr", "unser", "euer", "kein"}) {
        const std::string stamm = s;
        for (const char* e : {"", "e", "en", "em", "er", "es"}) {
            if (w == stamm + e) return stamm;
            if (stamm == "euer" && *e != '\0' && w == std::string("eur") + e) return stamm;
        }
    }
    return {};
}

bool Zahlwort(const std::string& wort) {
    const std::string w = Klein(wort);
    return In(w, {"zwei", "drei", "vier", "fünf", "sechs", "sieben", "acht", "neun", "zehn", "elf",
                  "zwölf", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12"});
}

bool Begleiter(const Wort& w) {
    return w.art == Wort::Sonst && (!Stamm(w.text).empty() || Zahlwort(w.text));
}

int Spalte(G g, bool mehrzahl) {
    if (mehrzahl || g == G::NurMehrzahl) return 3;
    return g == G::Maennlich ? 0 : g == G::Weiblich ? 1 : 2;
}

}  // namespace

bool CNomenphrase::Bestimmt(const std::vector<CWort>& davor) {
    if (davor.empty() || davor.back().art != CWort::Sonst) return false;
    return Zahlwort(davor.back().text) || Stamm(davor.back().text) == "kein";
}

CNomenphrase::Fall CNomenphrase::FallNach(const std::vector<CWort>& davor) {
    int p = static_cast<int>(davor.size()) - 1;
    if (p >= 0 && Begleiter(davor[static_cast<std::size_t>(p)])) --p;
    if (p >= 0) {
        const CWort& w = davor[static_cast<std::size_t>(p)];
        if (w.art == CWort::Sonst) {
            if (const auto f = Verschmolzen(w.text)) return *f;
            switch (Praeposition(w.text)) {
                case Rektion::Dativ:
                    return Fall::Dativ;
                case Rektion::Akkusativ:
                    return Fall::Akkusativ;
                case Rektion::Genitiv:
                    return Fall::Genitiv;
                case Rektion::Wechsel:
                    for (int i = p - 1; i >= 0; --i) {
                        const CWort& v = davor[static_cast<std::size_t>(i)];
                        if (v.art != CWort::Sonst && v.art != CWort::Nomen && Bewegung(v.grundform))
                            return Fall::Akkusativ;
                    }
                    return Fall::Dativ;
                case Rektion::Keine:
                    break;
            }
            const std::string k = Klein(w.text);
            if ((k == "und" || k == "oder") && p >= 1 &&
                davor[static_cast<std::size_t>(p - 1)].art == CWort::Nomen)
                return davor[static_cast<std::size_t>(p - 1)].fall;
        }
    }
    for (int i = static_cast<int>(davor.size()) - 1; i >= 0; --i) {
        const CWort& v = davor[static_cast<std::size_t>(i)];
        if (v.art == CWort::VerbFinit) return FallNachVerb(v.grundform);
    }
    return Fall::Nominativ;
}

std::string CNomenphrase::Endung(G geschlecht, Fall fall, bool mehrzahl) {
    static constexpr std::array<std::array<const char*, 4>, 4> kEndungen = {{
        {"", "en", "em", "es"},  // masculine: nominative, accusative, dative, genitive
        {"e", "e", "er", "er"},  // feminine
        {"", "", "em", "es"},    // neuter
        {"e", "e", "en", "er"},  // plural
    }};
    return kEndungen[static_cast<std::size_t>(Spalte(geschlecht, mehrzahl))]
                    [static_cast<std::size_t>(fall)];
}

std::string CNomenphrase::ArtikelFuer(Artikel artikel, G geschlecht, Fall fall, bool mehrzahl) {
    static constexpr std::array<std::array<const char*, 4>, 4> kBestimmt = {{
        {"der", "den", "dem", "des"},
        {"die", "die", "der", "der"},
        {"das", "das", "dem", "des"},
        {"die", "die", "den", "der"},
    }};
    const int spalte = Spalte(geschlecht, mehrzahl);
    if (artikel == Artikel::Bestimmt)
        return kBestimmt[static_cast<std::size_t>(spalte)][static_cast<std::size_t>(fall)];
    if (artikel == Artikel::Unbestimmt && spalte != 3)
        return "ein" + Endung(geschlecht, fall, false);
    return {};
}

CNomenphrase::CErgebnis CNomenphrase::Bilden(const std::vector<CWort>& davor, const CNomen& nomen,
                                             const CWahl& wahl, const std::string& ersatz) {
    CErgebnis e;
    const G g = nomen.GetGeschlecht();
    e.fall = wahl.fall ? *wahl.fall : FallNach(davor);
    const int letzter = static_cast<int>(davor.size()) - 1;
    const CWort* begleiter = letzter >= 0 && Begleiter(davor.back()) ? &davor.back() : nullptr;
    const std::string stamm = begleiter ? Stamm(begleiter->text) : std::string();
    const bool zahl = begleiter != nullptr && stamm.empty();

    e.mehrzahl = wahl.mehrzahl || zahl ||
                 (stamm == "kein" && wahl.artikel == Artikel::Keiner) || g == G::NurMehrzahl;
    // A noun said only in the singular ("Musik") stays so.
    if (e.mehrzahl && nomen.GetForm(Fall::Nominativ, true).empty() && g != G::NurMehrzahl)
        e.mehrzahl = false;
    e.nomen = nomen.GetForm(e.fall, e.mehrzahl);
    if (e.nomen.empty()) e.nomen = nomen.GetForm(Fall::Nominativ, e.mehrzahl);
    if (e.nomen.empty()) e.nomen = ersatz;
    e.text = e.nomen;

    if (zahl) {
        // "die zwei Katzen": the article goes before the number.
        const std::string a = ArtikelFuer(wahl.artikel, g, e.fall, true);
        if (!a.empty()) {
            e.geaendert = letzter;
            e.neu = a + " " + begleiter->text;
        }
        return e;
    }
    if (begleiter != nullptr) {
        // "mein" -> "meinem"; "euer" loses its e before an ending ("eurem").
        const std::string endung = Endung(g, e.fall, e.mehrzahl);
        std::string wort = stamm == "euer" && !endung.empty() ? "eur" + endung : stamm + endung;
        if (GrossAnfang(begleiter->text)) wort = Gross(wort);
        e.geaendert = letzter;
        e.neu = wort;
        return e;
    }
    const std::string artikel = ArtikelFuer(wahl.artikel, g, e.fall, e.mehrzahl);
    if (artikel.empty()) return e;
    if (letzter >= 0 && davor.back().art == CWort::Sonst) {
        if (Verschmolzen(davor.back().text) && wahl.artikel == Artikel::Bestimmt) {
            return e;  // "zum" already holds the article
        }
        if (const char* eins = Verschmelzung(davor.back().text, artikel)) {
            e.geaendert = letzter;
            e.neu = GrossAnfang(davor.back().text) ? Gross(eins) : eins;
            return e;
        }
    }
    e.text = artikel + " " + e.nomen;
    return e;
}
