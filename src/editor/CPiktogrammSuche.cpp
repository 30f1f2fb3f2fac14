#include "CPiktogrammSuche.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <tuple>

#include "Reihenfolge.h"

namespace {

std::string Trimmen(std::string_view s) {
    const auto anfang = s.find_first_not_of(" \t\r");
    if (anfang == std::string_view::npos) return {};
    const auto ende = s.find_last_not_of(" \t\r");
    return std::string(s.substr(anfang, ende - anfang + 1));
}

std::vector<std::string_view> Teilen(std::string_view zeile, char trenner) {
    std::vector<std::string_view> teile;
    std::size_t anfang = 0;
    for (;;) {
        const auto ende = zeile.find(trenner, anfang);
        teile.push_back(
            zeile.substr(anfang, ende == std::string_view::npos ? ende : ende - anfang));
        if (ende == std::string_view::npos) return teile;
        anfang = ende + 1;
    }
}

// A byte that ends a word: ASCII other than letters and digits, and the
// first byte of the general punctuation (U+2000-U+206F: dashes, quotes).
bool Trennt(std::string_view text, std::size_t i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c < 0x80) return !((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'));
    return c == 0xE2 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) == 0x80;
}

// Endings a German noun or verb takes: "Schmerzen" is "Schmerz" with "en".
constexpr std::string_view kEndungen[] = {"e", "n", "en", "s", "es", "er", "ern"};

bool MitEndung(std::string_view suche, std::string_view wort) {
    if (wort.size() < 3 || suche.size() <= wort.size() || !suche.starts_with(wort)) return false;
    const std::string_view rest = suche.substr(wort.size());
    return std::find(std::begin(kEndungen), std::end(kEndungen), rest) != std::end(kEndungen);
}

// How well a word of the search matches a list of words: 0 equal, 1 with an
// ending, 2 the start of a word, 3 not at all.
int Guete(std::string_view suche, const std::vector<std::string>& woerter) {
    int beste = 3;
    for (const std::string& w : woerter) {
        if (w == suche) return 0;
        if (MitEndung(suche, w)) {
            beste = std::min(beste, 1);
        } else if (w.size() > suche.size() && std::string_view(w).starts_with(suche)) {
            beste = std::min(beste, 2);
        }
    }
    return beste;
}

// The quality of a search word for a picture: 0 and 1 equal to a word of
// the name or the keywords, 2 and 3 with an ending, 4 and 5 a word's start,
// 6 and more no match.
template <class Eintrag>
int Bewerten(std::string_view wort, const Eintrag& e) {
    const int imNamen = Guete(wort, e.namenWoerter);
    if (imNamen == 0) return 0;
    return std::min(imNamen * 2, Guete(wort, e.stichwoerter) * 2 + 1);
}

// The word with ae, oe and ue taken as the umlauts they stand for (folded:
// a, o, u); empty when it has none. Not after q (Quelle) or e (Feuer).
std::string OhneUmschreibung(const std::string& wort) {
    std::string aus;
    bool ersetzt = false;
    for (std::size_t i = 0; i < wort.size(); ++i) {
        const char c = wort[i];
        if (i + 1 < wort.size() && wort[i + 1] == 'e' && (c == 'a' || c == 'o' || c == 'u') &&
            !(c == 'u' && i > 0 && (wort[i - 1] == 'q' || wort[i - 1] == 'e'))) {
            aus += c;
            ++i;
            ersetzt = true;
        } else {
            aus += c;
        }
    }
    return ersetzt ? aus : std::string();
}

}  // namespace

std::vector<std::string> CPiktogrammSuche::Woerter(std::string_view text) {
    const std::string gefaltet = reihenfolge::Falten(text);
    std::vector<std::string> woerter;
    std::string wort;
    for (std::size_t i = 0; i < gefaltet.size(); ++i) {
        if (Trennt(gefaltet, i)) {
            if (!wort.empty()) woerter.push_back(std::move(wort));
            wort.clear();
            if (static_cast<unsigned char>(gefaltet[i]) == 0xE2) i += 2;
        } else {
            wort += gefaltet[i];
        }
    }
    if (!wort.empty()) woerter.push_back(std::move(wort));
    return woerter;
}

void CPiktogrammSuche::Dazu(std::vector<std::string>& liste, std::string_view text) {
    for (std::string& w : Woerter(text)) {
        if (std::find(liste.begin(), liste.end(), w) == liste.end()) liste.push_back(std::move(w));
    }
}

CPiktogrammSuche::CEintrag& CPiktogrammSuche::Eintrag(const std::string& code) {
    const auto it = m_nachCode.find(code);
    if (it != m_nachCode.end()) return m_eintraege[it->second];
    CEintrag neu;
    neu.code = code;
    neu.bild = m_strOrdner + "/" + code + ".svg";
    neu.ordnung = m_eintraege.size();
    m_nachCode.emplace(code, m_eintraege.size());
    m_nachBild.emplace(neu.bild, m_eintraege.size());
    m_eintraege.push_back(std::move(neu));
    return m_eintraege.back();
}

bool CPiktogrammSuche::Laden(const std::string& ressourcen, std::string& fehler) {
    m_strOrdner = ressourcen + "/openmoji";
    const std::string datei = ressourcen + "/piktogramme-de.tsv";
    std::ifstream ein(datei);
    if (!ein) {
        fehler = "Die Namen der Piktogramme (\u201E" + datei +
                 "\u201C) können nicht gelesen werden; die Bildsuche findet nur die Bilder des "
                 "Benutzers und des Grundwortschatzes.";
        return false;
    }
    std::string zeile;
    while (std::getline(ein, zeile)) {
        if (zeile.empty() || zeile.front() == '#') continue;
        const auto teile = Teilen(zeile, '\t');
        if (teile.size() < 2 || teile[0].empty() || teile[1].empty()) continue;
        CEintrag& e = Eintrag(std::string(teile[0]));
        e.name = std::string(teile[1]);
        e.gefaltet = reihenfolge::Falten(e.name);
        Dazu(e.namenWoerter, e.name);
        if (teile.size() > 2) {
            for (std::string_view wort : Teilen(teile[2], '|')) Dazu(e.stichwoerter, wort);
        }
        e.variante = teile.size() > 3 && !Trimmen(teile[3]).empty();
    }
    return true;
}

bool CPiktogrammSuche::GrundwortschatzLaden(const std::string& datei, std::string& fehler) {
    std::ifstream ein(datei);
    if (!ein) {
        fehler = "Der Grundwortschatz (\u201E" + datei + "\u201C) kann nicht gelesen werden.";
        return false;
    }
    if (m_strOrdner.empty())
        m_strOrdner = std::filesystem::path(datei).parent_path().string() + "/openmoji";
    std::string zeile;
    while (std::getline(ein, zeile)) {
        const std::string t = Trimmen(zeile);
        if (t.empty() || t.front() == '#') continue;
        const auto felder = Teilen(t, '|');
        const std::string erstes = Trimmen(felder[0]);
        const auto leer = erstes.find(' ');
        const std::string art = erstes.substr(0, leer);
        const std::string rest =
            leer == std::string::npos ? std::string() : Trimmen(erstes.substr(leer));
        // Where each kind of line keeps its caption and its picture.
        std::string wort, code;
        if ((art == "kategorie" || art == "link" || art == "wort" || art == "verb") &&
            felder.size() >= 2) {
            wort = rest;
            std::erase(wort, '~');  // where a caption may be hyphenated
            code = Trimmen(felder[1]);
        } else if (art == "funktion" && felder.size() >= 4) {
            wort = Trimmen(felder[2]);
            code = Trimmen(felder[3]);
        } else if (art == "emotion" && felder.size() >= 3) {
            wort = Trimmen(felder[1]);
            code = Trimmen(felder[2]);
        }
        if (wort.empty() || code.empty() || wort == "HOME") continue;
        CEintrag& e = Eintrag(code);
        if (e.name.empty()) {
            e.name = wort;
            e.gefaltet = reihenfolge::Falten(wort);
        }
        Dazu(e.namenWoerter, wort);
        if (e.herkunft == Herkunft::OpenMoji) e.herkunft = Herkunft::Grundwortschatz;
    }
    return true;
}

void CPiktogrammSuche::EigenesBild(const std::string& pfad, const std::string& name) {
    if (pfad.empty() || name.empty()) return;
    std::string code = std::filesystem::path(pfad).stem().string();
    std::transform(code.begin(), code.end(), code.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    std::size_t platz = 0;
    if (const auto it = m_nachCode.find(code); it != m_nachCode.end()) {
        platz = it->second;
    } else if (const auto b = m_nachBild.find(pfad); b != m_nachBild.end()) {
        platz = b->second;
    } else {
        CEintrag neu;
        neu.name = name;
        neu.gefaltet = reihenfolge::Falten(name);
        neu.bild = pfad;
        neu.ordnung = m_eintraege.size();
        platz = m_eintraege.size();
        m_nachBild.emplace(pfad, platz);
        m_eintraege.push_back(std::move(neu));
    }
    CEintrag& e = m_eintraege[platz];
    Dazu(e.namenWoerter, name);
    e.herkunft = Herkunft::Benutzer;
}

std::vector<CPiktogrammSuche::Treffer> CPiktogrammSuche::Suchen(std::string_view text,
                                                                std::size_t hoechstens) const {
    const std::vector<std::string> suche = Woerter(text);
    std::string ganz;
    for (const std::string& w : suche) ganz += (ganz.empty() ? "" : " ") + w;
    // "Kaese" for "Käse", where a keyboard has no umlauts.
    std::vector<std::string> ersatz;
    for (const std::string& w : suche) ersatz.push_back(OhneUmschreibung(w));
    // Smaller is better, field by field (see the header).
    using Rang = std::tuple<int, int, int, int, int, std::size_t, std::size_t>;
    std::vector<std::pair<Rang, std::size_t>> gefunden;
    if (suche.empty() || hoechstens == 0) return {};
    for (std::size_t i = 0; i < m_eintraege.size(); ++i) {
        const CEintrag& e = m_eintraege[i];
        int summe = 0;
        int schlechteste = 0;
        bool passt = true;
        for (std::size_t k = 0; k < suche.size(); ++k) {
            int guete = Bewerten(suche[k], e);
            if (!ersatz[k].empty()) guete = std::min(guete, Bewerten(ersatz[k], e));
            if (guete >= 6) {
                passt = false;
                break;
            }
            summe += guete;
            schlechteste = std::max(schlechteste, guete);
        }
        if (!passt) continue;
        // 0 and 1: equal, 2 and 3: with an ending, 4 and 5: a start.
        const int klasse = schlechteste >= 4 ? 1 : 0;
        const int gleich = e.gefaltet == ganz ? 0 : 1;
        // Skin tones follow all other pictures of their class, in
        // Unicode's order (light to dark).
        gefunden.push_back({{klasse, e.variante ? 1 : 0, static_cast<int>(e.herkunft), gleich,
                             summe, e.variante ? 0 : e.name.size(), e.ordnung},
                            i});
    }
    const std::size_t anzahl = std::min(hoechstens, gefunden.size());
    std::partial_sort(gefunden.begin(), gefunden.begin() + static_cast<std::ptrdiff_t>(anzahl),
                      gefunden.end());
    std::vector<Treffer> treffer;
    treffer.reserve(anzahl);
    for (std::size_t k = 0; k < anzahl; ++k) {
        const CEintrag& e = m_eintraege[gefunden[k].second];
        treffer.push_back({e.code, e.name, e.bild, e.herkunft});
    }
    return treffer;
}
