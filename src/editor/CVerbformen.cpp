#include "CVerbformen.h"

#include <algorithm>
#include <fstream>
#include <set>
#include <sstream>

#include "CWortelement.h"

namespace {

using Sechs = std::array<std::string, 6>;

constexpr std::size_t kPersonen = 6;
const Sechs kHaben = {"habe", "hast", "hat", "haben", "habt", "haben"};
const Sechs kSein = {"bin", "bist", "ist", "sind", "seid", "sind"};
const Sechs kWerden = {"werde", "wirst", "wird", "werden", "werdet", "werden"};
const Sechs kAkkusativ = {"mich", "dich", "sich", "uns", "euch", "sich"};
const Sechs kDativ = {"mir", "dir", "sich", "uns", "euch", "sich"};

// The verbs whose past is said in the Präteritum, with both tenses.
struct CBesonders {
    const char* infinitiv;
    Sechs praesens;
    Sechs praeteritum;
    const char* zukunft;  // the infinitive used in the future
};
const CBesonders kBesondere[] = {
    {"sein",
     {"bin", "bist", "ist", "sind", "seid", "sind"},
     {"war", "warst", "war", "waren", "wart", "waren"},
     "sein"},
    {"haben", kHaben, {"hatte", "hattest", "hatte", "hatten", "hattet", "hatten"}, "haben"},
    {"werden", kWerden, {"wurde", "wurdest", "wurde", "wurden", "wurdet", "wurden"}, "werden"},
    {"dürfen",
     {"darf", "darfst", "darf", "dürfen", "dürft", "dürfen"},
     {"durfte", "durftest", "durfte", "durften", "durftet", "durften"},
     "dürfen"},
    {"können",
     {"kann", "kannst", "kann", "können", "könnt", "können"},
     {"konnte", "konntest", "konnte", "konnten", "konntet", "konnten"},
     "können"},
    {"mögen",
     {"mag", "magst", "mag", "mögen", "mögt", "mögen"},
     {"mochte", "mochtest", "mochte", "mochten", "mochtet", "mochten"},
     "mögen"},
    {"müssen",
     {"muss", "musst", "muss", "müssen", "müsst", "müssen"},
     {"musste", "musstest", "musste", "mussten", "musstet", "mussten"},
     "müssen"},
    {"sollen",
     {"soll", "sollst", "soll", "sollen", "sollt", "sollen"},
     {"sollte", "solltest", "sollte", "sollten", "solltet", "sollten"},
     "sollen"},
    {"wollen",
     {"will", "willst", "will", "wollen", "wollt", "wollen"},
     {"wollte", "wolltest", "wollte", "wollten", "wolltet", "wollten"},
     "wollen"},
    {"wissen",
     {"weiß", "weißt", "weiß", "wissen", "wisst", "wissen"},
     {"wusste", "wusstest", "wusste", "wussten", "wusstet", "wussten"},
     "wissen"},
    // The present of the Konjunktiv of mögen; past and future as wollen.
    {"möchten",
     {"möchte", "möchtest", "möchte", "möchten", "möchtet", "möchten"},
     {"wollte", "wolltest", "wollte", "wollten", "wolltet", "wollten"},
     "wollen"},
};

// Verbs of movement and change of state: their Perfekt is formed with sein.
// A separable verb takes its base verb's auxiliary (mitkommen, hinfallen)
// unless it is listed itself; an inseparable one never inherits it
// (bekommen, verstehen).
const std::set<std::string> kMitSein = {
    "gehen",      "kommen",     "fahren",       "laufen",    "rennen",       "fliegen",
    "schwimmen",  "springen",   "fallen",       "bleiben",   "sein",         "werden",
    "passieren",  "sterben",    "wachsen",      "reisen",    "wandern",      "steigen",
    "klettern",   "reiten",     "gelingen",     "geschehen", "verschwinden", "erscheinen",
    "sinken",     "fliehen",    "kriechen",     "rutschen",  "stolpern",     "folgen",
    "begegnen",   "gleiten",    "schleichen",   "fließen",   "eilen",        "segeln",
    "entstehen",  "vergehen",   "verunglücken", "aufstehen", "einschlafen",  "aufwachen",
    "erwachen",   "umziehen",   "auswandern",   "platzen",   "schmelzen",    "landen",
    "abstürzen",  "zerbrechen", "explodieren",  "ertrinken", "erschrecken",  "aufwachsen",
    "einziehen",  "ausziehen",  "spazieren",    "stürzen",   "zurückkehren", "hüpfen",
    "schlendern", "radeln",     "ankommen",     "gelangen",  "aufbrechen",   "entkommen",
    "misslingen", "verfallen",  "zerfallen",    "erkranken"};

// Particles that the dictionary writes together with the verb although they
// are split off in the present ("lerne kennen", "gehe kaputt", "tut weh").
const char* const kZusammengesetzt[] = {
    "kennen",    "kaputt", "weh",    "fest",   "frei", "los",    "zusammen",
    "spazieren", "sauber", "fertig", "kalt",   "warm", "tot",    "schief",
    "heim",      "sitzen", "stehen", "liegen", "hoch", "weiter", "vorbei",
    "zurück",    "weg",    "hin",    "her",    "fern", "statt",  "teil"};

// Separable particles, longest first where one begins another.
const char* const kTrennbar[] = {
    "zusammen", "zurück",   "vorbei",   "weiter", "herein", "heraus", "herunter", "hinaus",
    "hinein",   "hinunter", "entgegen", "nieder", "voran",  "voraus", "empor",    "fort",
    "heim",     "hoch",     "auf",      "aus",    "ein",    "mit",    "nach",     "vor",
    "weg",      "los",      "fest",     "fern",   "her",    "hin",    "ab",       "an",
    "bei",      "zu",       "dabei",    "dazu",   "da",     "kaputt", "kennen",   "spazieren",
    "weh",      "sauber",   "fertig",   "frei",   "statt",  "teil"};

const char* const kUntrennbar[] = {"be", "ge", "er", "ver", "zer", "ent", "emp", "miss"};

const std::set<std::string> kDativVerben = {"wünschen",  "merken",  "vorstellen", "leisten",
                                            "überlegen", "ansehen", "anschauen",  "anhören"};

bool BeginntMit(const std::string& s, const std::string& anfang) {
    return s.size() > anfang.size() && s.compare(0, anfang.size(), anfang) == 0;
}

bool EndetMit(const std::string& s, const std::string& ende) {
    return s.size() >= ende.size() && s.compare(s.size() - ende.size(), ende.size(), ende) == 0;
}

// The last character of a UTF-8 text, as a code point.
char32_t Letztes(const std::string& s) {
    if (s.empty()) return 0;
    std::size_t i = s.size() - 1;
    while (i > 0 && (static_cast<unsigned char>(s[i]) & 0xC0) == 0x80) --i;
    const auto c = static_cast<unsigned char>(s[i]);
    if (c < 0x80) return c;
    if ((c & 0xE0) == 0xC0 && i + 1 < s.size()) {
        return ((c & 0x1F) << 6) | (static_cast<unsigned char>(s[i + 1]) & 0x3F);
    }
    return 0xFFFD;
}

bool IstVokal(char32_t c) {
    return c == U'a' || c == U'e' || c == U'i' || c == U'o' || c == U'u' || c == U'ä' ||
           c == U'ö' || c == U'ü' || c == U'y';
}

// Stems whose endings take an e: "arbeit-est", "öffn-et", "atm-et".
bool BrauchtE(const std::string& stamm) {
    const char32_t z = Letztes(stamm);
    if (z == U't' || z == U'd') return true;
    if (z != U'm' && z != U'n') return false;
    std::string vorne = stamm.substr(0, stamm.size() - 1);
    const char32_t davor = Letztes(vorne);
    return davor != 0 && !IstVokal(davor) && davor != U'l' && davor != U'r' && davor != U'h' &&
           davor != z;
}

std::string Mit(const std::string& a, const std::string& b) { return b.empty() ? a : a + " " + b; }

// The everyday participle of several: the strong one for a verb with sein
// ("gewachsen", not "gewachst"), the weak one otherwise ("geschafft", not
// "geschaffen"); then the one that keeps the stem ("gesendet", not
// "gesandt"), then today's spelling.
std::string Partizip(const std::vector<std::string>& partizipien, const std::string& stamm,
                     bool mitSein) {
    std::string gewaehlt;
    int best = -1;
    for (const std::string& p : partizipien) {
        const int wert = (EndetMit(p, mitSein ? "en" : "t") ? 4 : 0) +
                         (!stamm.empty() && p.find(stamm) != std::string::npos ? 2 : 0) +
                         (p.find("ß") == std::string::npos ? 1 : 0);
        if (wert > best) {
            best = wert;
            gewaehlt = p;
        }
    }
    return gewaehlt;
}

std::string Stamm(const std::string& infinitiv) {
    if (EndetMit(infinitiv, "en")) return infinitiv.substr(0, infinitiv.size() - 2);
    return infinitiv.substr(0, infinitiv.size() - 1);
}

bool IstInfinitiv(const std::string& wort) {
    if (wort.size() < 3 || !EndetMit(wort, "n")) return false;
    for (std::size_t i = 0; i < wort.size(); ++i) {
        const auto c = static_cast<unsigned char>(wort[i]);
        if (c >= 0x80) continue;  // umlauts and ß
        if (c < 'a' || c > 'z') return false;
    }
    const char32_t vor = Letztes(wort.substr(0, wort.size() - 1));
    return IstVokal(vor) || vor == U'l' || vor == U'r' || vor == U'h';
}

}  // namespace

bool CVerbformen::Laden(const std::string& datei, std::string& fehler) {
    std::ifstream ein(datei);
    if (!ein) {
        fehler = "Das Verbwörterbuch \u201E" + datei + "\u201C kann nicht gelesen werden.";
        return false;
    }
    m_verben.clear();
    for (std::string zeile; std::getline(ein, zeile);) {
        if (zeile.empty() || zeile[0] == '#') continue;
        std::vector<std::string> feld;
        std::stringstream teile(zeile);
        for (std::string f; std::getline(teile, f, '\t');) feld.push_back(f);
        if (feld.size() != 9) continue;
        CEintrag e;
        e.vorsilbe = feld[1];
        for (std::size_t i = 0; i < kPersonen; ++i) e.praesens[i] = feld[2 + i];
        std::stringstream p(feld[8]);
        for (std::string f; std::getline(p, f, ',');) e.partizipien.push_back(f);
        m_verben.emplace(feld[0], std::move(e));
    }
    if (m_verben.empty()) {
        fehler = "Das Verbwörterbuch \u201E" + datei + "\u201C enthält keine Verben.";
        return false;
    }
    return true;
}

const CVerbformen::CEintrag* CVerbformen::Finden(const std::string& infinitiv) const {
    const auto it = m_verben.find(infinitiv);
    return it == m_verben.end() ? nullptr : &it->second;
}

std::string CVerbformen::NeueSchreibung(const std::string& form, const std::string& infinitiv) {
    if (infinitiv.find("ss") == std::string::npos) return form;
    std::string neu = form;
    for (std::size_t pos = neu.find("ß"); pos != std::string::npos; pos = neu.find("ß", pos)) {
        // One vowel letter before it, not a diphthong or ie: a short vowel.
        const std::string vorne = neu.substr(0, pos);
        const char32_t v = Letztes(vorne);
        std::string davor = vorne;
        if (!davor.empty()) davor.erase(davor.size() - (v < 0x80 ? 1 : 2));
        const char32_t vv = Letztes(davor);
        if (IstVokal(v) && !IstVokal(vv)) {
            neu.replace(pos, 2, "ss");
            pos += 2;
        } else {
            pos += 2;
        }
    }
    return neu;
}

CVerbformen::CVerb CVerbformen::Regelmaessig(const std::string& infinitiv) {
    CVerb v;
    v.infinitiv = infinitiv;
    const bool elnErn = EndetMit(infinitiv, "eln") || EndetMit(infinitiv, "ern");
    const std::string stamm =
        infinitiv.substr(0, infinitiv.size() - (elnErn || !EndetMit(infinitiv, "en") ? 1 : 2));
    if (elnErn) {
        // "googeln": ich google; "wandern": ich wandere.
        const std::string ich =
            EndetMit(infinitiv, "eln") ? stamm.substr(0, stamm.size() - 2) + "le" : stamm + "e";
        v.praesens = {ich, stamm + "st", stamm + "t", infinitiv, stamm + "t", infinitiv};
    } else {
        const char32_t z = Letztes(stamm);
        const bool zischt = z == U's' || z == U'ß' || z == U'x' || z == U'z';
        const bool e = BrauchtE(stamm);
        v.praesens = {stamm + "e",
                      stamm + (e        ? "est"
                               : zischt ? "t"
                                        : "st"),
                      stamm + (e ? "et" : "t"),
                      infinitiv,
                      stamm + (e ? "et" : "t"),
                      infinitiv};
    }
    if (EndetMit(infinitiv, "ieren")) {
        v.partizip = stamm + "t";
    } else {
        v.partizip = "ge" + stamm + (BrauchtE(stamm) ? "et" : "t");
    }
    return v;
}

bool CVerbformen::MitSein(const std::string& infinitiv, const std::string& basis, bool trennbar) {
    if (kMitSein.count(infinitiv) != 0) return true;
    return trennbar && !basis.empty() && kMitSein.count(basis) != 0;
}

std::optional<CVerbformen::CVerb> CVerbformen::Bilden(const std::string& infinitiv) const {
    for (const CBesonders& b : kBesondere) {
        if (infinitiv != b.infinitiv) continue;
        CVerb v;
        v.praesens = b.praesens;
        v.praeteritum = b.praeteritum;
        v.infinitiv = b.zukunft;
        v.praeteritumStattPerfekt = true;
        v.bekannt = true;
        return v;
    }

    std::string basis;
    bool trennbar = false;
    CVerb v;
    v.infinitiv = infinitiv;
    const CEintrag* e = Finden(infinitiv);
    // The participle of several that fits the verb (basisInf: the verb
    // without a particle or prefix).
    const auto waehle = [&](const std::vector<std::string>& liste, const std::string& basisInf) {
        const bool sein = kMitSein.count(infinitiv) != 0 || kMitSein.count(basisInf) != 0;
        return Partizip(liste, Stamm(basisInf), sein);
    };

    const auto getrennt = [&](const CEintrag& b, const std::string& teilchen,
                              const std::string& partizip) {
        for (std::size_t i = 0; i < kPersonen; ++i) v.praesens[i] = Mit(b.praesens[i], teilchen);
        v.partizip = partizip;
        trennbar = true;
        v.bekannt = true;
    };

    if (e != nullptr && !e->vorsilbe.empty() && BeginntMit(infinitiv, e->vorsilbe)) {
        basis = infinitiv.substr(e->vorsilbe.size());
        std::string partizip = waehle(e->partizipien, basis);
        // The data splits every prefix; the participle tells the inseparable
        // ones: the base verb's participle without its ge- ("wiederholt"
        // beside "geholt", "übergeben" beside "gegeben").
        const CEintrag* b = Finden(basis);
        const std::string basisPartizip = b ? waehle(b->partizipien, basis) : "ge";
        // Where the data has both, the inseparable verb is the everyday one
        // ("übersetzt" beside "übergesetzt").
        if (b != nullptr && BeginntMit(basisPartizip, "ge")) {
            const std::string ohneGe = e->vorsilbe + basisPartizip.substr(2);
            if (std::find(e->partizipien.begin(), e->partizipien.end(), ohneGe) !=
                e->partizipien.end()) {
                partizip = ohneGe;
            }
        }
        const std::string rest =
            BeginntMit(partizip, e->vorsilbe) ? partizip.substr(e->vorsilbe.size()) : partizip;
        const bool untrennbar =
            BeginntMit(basisPartizip, "ge") &&
            (b != nullptr ? rest == basisPartizip.substr(2) : !BeginntMit(rest, "ge"));
        if (untrennbar) {
            for (std::size_t i = 0; i < kPersonen; ++i)
                v.praesens[i] = e->vorsilbe + e->praesens[i];
            v.partizip = partizip;
            v.bekannt = true;
        } else {
            getrennt(*e, e->vorsilbe, partizip);
        }
    } else {
        // Particles the data writes together, or a verb it lacks whose base
        // verb it has ("mitkommen" from "kommen").
        bool gefunden = false;
        const auto versuchen = [&](const char* const* liste, std::size_t n) {
            for (std::size_t i = 0; i < n && !gefunden; ++i) {
                const std::string teilchen = liste[i];
                if (!BeginntMit(infinitiv, teilchen)) continue;
                const std::string rest = infinitiv.substr(teilchen.size());
                const CEintrag* b = Finden(rest);
                if (b == nullptr || !b->vorsilbe.empty()) continue;
                basis = rest;
                const std::string partizip = e != nullptr ? waehle(e->partizipien, rest)
                                                          : teilchen + waehle(b->partizipien, rest);
                getrennt(*b, teilchen, partizip);
                gefunden = true;
            }
        };
        versuchen(kZusammengesetzt, std::size(kZusammengesetzt));
        if (!gefunden && e == nullptr) versuchen(kTrennbar, std::size(kTrennbar));
        if (!gefunden && e == nullptr) {
            for (const char* vorsilbe : kUntrennbar) {
                const std::string teil = vorsilbe;
                if (!BeginntMit(infinitiv, teil)) continue;
                const CEintrag* b = Finden(infinitiv.substr(teil.size()));
                if (b == nullptr || !b->vorsilbe.empty()) continue;
                std::string partizip = waehle(b->partizipien, infinitiv.substr(teil.size()));
                if (BeginntMit(partizip, "ge")) partizip.erase(0, 2);
                for (std::size_t i = 0; i < kPersonen; ++i) v.praesens[i] = teil + b->praesens[i];
                v.partizip = teil + partizip;
                v.bekannt = true;
                gefunden = true;
                break;
            }
        }
        if (!gefunden && e != nullptr) {
            v.praesens = e->praesens;
            v.partizip = waehle(e->partizipien, infinitiv);
            v.bekannt = true;
            gefunden = true;
        }
        if (!gefunden) v = Regelmaessig(infinitiv);
    }

    // The data writes "rutscht" for "du rutschst" in some verbs on -schen.
    const std::string du = v.praesens[1];
    const auto leer = du.find(' ');
    const std::string finit = du.substr(0, leer);
    if (EndetMit(finit, "scht") &&
        EndetMit(v.praesens[0].substr(0, v.praesens[0].find(' ')), "sche")) {
        v.praesens[1] = finit.substr(0, finit.size() - 1) + "st" +
                        (leer == std::string::npos ? std::string() : du.substr(leer));
    }
    v.mitSein = MitSein(infinitiv, basis, trennbar);
    for (std::string& f : v.praesens) f = NeueSchreibung(f, infinitiv);
    v.partizip = NeueSchreibung(v.partizip, infinitiv);
    return v;
}

std::optional<CVerbformen::CVorschlag> CVerbformen::Vorschlagen(const std::string& grundform,
                                                                Hilfsverb hilfsverb) const {
    std::string infinitiv = grundform;
    const auto a = infinitiv.find_first_not_of(' ');
    const auto b = infinitiv.find_last_not_of(' ');
    if (a == std::string::npos) return std::nullopt;
    infinitiv = infinitiv.substr(a, b - a + 1);
    const bool reflexiv = BeginntMit(infinitiv, "sich ");
    if (reflexiv) infinitiv = infinitiv.substr(5);
    if (!IstInfinitiv(infinitiv)) return std::nullopt;

    const std::optional<CVerb> verb = Bilden(infinitiv);
    if (!verb) return std::nullopt;
    const Sechs& pronomen = kDativVerben.count(infinitiv) != 0 ? kDativ : kAkkusativ;

    CVorschlag ergebnis;
    ergebnis.bekannt = verb->bekannt;
    ergebnis.mitSein = hilfsverb == Hilfsverb::Sein ||
                       (hilfsverb == Hilfsverb::Automatisch && verb->mitSein && !reflexiv);
    const Sechs& hilf = ergebnis.mitSein ? kSein : kHaben;
    for (std::size_t i = 0; i < kPersonen; ++i) {
        std::string gegenwart = verb->praesens[i];
        if (reflexiv) {
            // The pronoun follows the finite verb, before a split particle.
            const auto leer = gegenwart.find(' ');
            gegenwart = leer == std::string::npos ? gegenwart + " " + pronomen[i]
                                                  : gegenwart.substr(0, leer) + " " + pronomen[i] +
                                                        gegenwart.substr(leer);
        }
        const std::string sich = reflexiv ? pronomen[i] + " " : std::string();
        ergebnis.formen[i] = gegenwart;
        ergebnis.formen[6 + i] = verb->praeteritumStattPerfekt
                                     ? verb->praeteritum[i]
                                     : hilf[i] + " " + sich + verb->partizip;
        ergebnis.formen[12 + i] = kWerden[i] + " " + sich + verb->infinitiv;
    }
    return ergebnis;
}

void CVerbformen::Uebernehmen(const CVorschlag& vorschlag, CWortelement& element) {
    using Z = CWortelement::Zeit;
    const Z zeiten[3] = {Z::Gegenwart, Z::Vergangenheit, Z::Zukunft};
    for (int t = 0; t < 3; ++t) {
        for (int p = 0; p < 6; ++p) {
            const auto zahl = p < 3 ? CWortelement::Zahl::Einzahl : CWortelement::Zahl::Mehrzahl;
            element.SetForm(CWortelement::Slot(zeiten[t], zahl, p % 3 + 1),
                            vorschlag.formen[static_cast<std::size_t>(t * 6 + p)]);
        }
    }
}
