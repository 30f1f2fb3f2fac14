#include "CNomenformen.h"

#include <fstream>
#include <vector>

namespace {

using G = CNomen::Geschlecht;

bool EndetAuf(const std::string& s, const std::string& ende) {
    return s.size() >= ende.size() && s.compare(s.size() - ende.size(), ende.size(), ende) == 0;
}

// Entries of frequent nouns that mix two words of one spelling (the English
// "Tag", the young animal "das Junge") or give the plural for the singular.
struct CBerichtigt {
    const char* wort;
    G geschlecht;
    std::array<const char*, CNomen::kFormen> formen;
};
const CBerichtigt kBerichtigt[] = {
    {"Tag", G::Maennlich, {"Tag", "Tag", "Tag", "Tages", "Tage", "Tage", "Tagen", "Tage"}},
    {"Junge",
     G::Maennlich,
     {"Junge", "Jungen", "Jungen", "Jungen", "Jungen", "Jungen", "Jungen", "Jungen"}},
    {"Herr", G::Maennlich, {"Herr", "Herrn", "Herrn", "Herrn", "Herren", "Herren", "Herren", "Herren"}},
};

std::vector<std::string> Spalten(const std::string& zeile) {
    std::vector<std::string> feld;
    std::size_t anfang = 0;
    for (;;) {
        const std::size_t tab = zeile.find('\t', anfang);
        feld.push_back(zeile.substr(anfang, tab == std::string::npos ? tab : tab - anfang));
        if (tab == std::string::npos) return feld;
        anfang = tab + 1;
    }
}

// The first letter as a capital: a-z and the umlauts.
std::string GrossAnfang(const std::string& wort) {
    if (wort.empty()) return wort;
    std::string s = wort;
    if (s[0] >= 'a' && s[0] <= 'z') {
        s[0] = static_cast<char>(s[0] - 'a' + 'A');
    } else if (s.rfind("ä", 0) == 0) {
        s.replace(0, 2, "Ä");
    } else if (s.rfind("ö", 0) == 0) {
        s.replace(0, 2, "Ö");
    } else if (s.rfind("ü", 0) == 0) {
        s.replace(0, 2, "Ü");
    }
    return s;
}

}  // namespace

bool CNomenformen::Laden(const std::string& datei, std::string& fehler) {
    std::ifstream ein(datei);
    if (!ein) {
        fehler = "Das Nomenwörterbuch \u201E" + datei + "\u201C kann nicht gelesen werden.";
        return false;
    }
    m_nomen.clear();
    for (std::string zeile; std::getline(ein, zeile);) {
        if (zeile.empty() || zeile[0] == '#') continue;
        const std::vector<std::string> feld = Spalten(zeile);
        if (feld.size() != 9 || feld[0].empty()) continue;
        Eintrag e;
        for (std::size_t i = 0; i < e.size(); ++i) e[i] = feld[i + 1];
        m_nomen.emplace(feld[0], std::move(e));
    }
    if (m_nomen.empty()) {
        fehler = "Das Nomenwörterbuch \u201E" + datei + "\u201C enthält keine Nomen.";
        return false;
    }
    return true;
}

std::optional<CNomen> CNomenformen::Vorschlagen(const std::string& wort) const {
    if (auto n = Bilden(wort)) return n;
    const std::string gross = GrossAnfang(wort);
    if (gross != wort) return Bilden(gross);
    return std::nullopt;
}

std::optional<CNomen> CNomenformen::Bilden(const std::string& wort) const {
    const auto it = m_nomen.find(wort);
    if (it == m_nomen.end()) return std::nullopt;
    const Eintrag& e = it->second;
    CNomen n;
    n.SetGeschlecht(e[0].empty() ? G::NurMehrzahl : CNomen::AusKuerzel(e[0]));
    if (!n.IstNomen()) return std::nullopt;
    // Column i of the entry after the gender: AkkE, DatE, GenE, NomM, AkkM, DatM, GenM.
    const auto form = [&](std::size_t i, const std::string& leer) {
        const std::string& f = e[i];
        return f == "-" ? std::string() : f.empty() ? leer : f;
    };
    const bool einzahl = n.GetGeschlecht() != G::NurMehrzahl;
    n.SetForm(0, einzahl ? wort : std::string());
    for (std::size_t i = 1; i <= 3; ++i) n.SetForm(static_cast<int>(i), form(i, n.GetForm(0)));
    const std::string nomM = form(4, wort);
    n.SetForm(4, nomM);
    for (std::size_t i = 5; i <= 7; ++i) n.SetForm(static_cast<int>(i), form(i, nomM));
    return Berichtigen(wort, n);
}

CNomen CNomenformen::Berichtigen(const std::string& wort, CNomen n) {
    for (const CBerichtigt& b : kBerichtigt) {
        if (wort != b.wort) continue;
        n.SetGeschlecht(b.geschlecht);
        for (int i = 0; i < CNomen::kFormen; ++i) n.SetForm(i, b.formen[static_cast<std::size_t>(i)]);
        return n;
    }
    const int nom = CNomen::Slot(CNomen::Fall::Nominativ, false);
    const int akk = CNomen::Slot(CNomen::Fall::Akkusativ, false);
    const int dat = CNomen::Slot(CNomen::Fall::Dativ, false);
    const int gen = CNomen::Slot(CNomen::Fall::Genitiv, false);
    const std::string& grund = n.GetForm(nom);
    if (grund.empty()) return n;
    // "dem Zuge", "dem Rollstuhle": said without the -e today.
    if (n.GetForm(dat) == grund + "e" && !EndetAuf(grund, "e")) n.SetForm(dat, grund);
    // "des Tischs" -> "des Tisches"; "des Busses" stays.
    if (n.GetForm(gen) == grund + "s") {
        for (const char* zisch : {"s", "ß", "x", "z", "sch"}) {
            if (EndetAuf(grund, zisch)) {
                n.SetForm(gen, grund + "es");
                break;
            }
        }
    }
    // A weak masculine noun (accusative "den Studenten") keeps -en in the
    // genitive; "des Namens" (Akk "Namen") is left as it is.
    const std::string& akkusativ = n.GetForm(akk);
    if (n.GetGeschlecht() == G::Maennlich && akkusativ != grund &&
        (akkusativ == grund + "en" || akkusativ == grund + "n") && n.GetForm(gen) == grund + "s") {
        n.SetForm(gen, akkusativ);
    }
    return n;
}
