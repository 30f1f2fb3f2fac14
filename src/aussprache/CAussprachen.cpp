#include "CAussprachen.h"

#include <algorithm>

#include "CTextTeile.h"

namespace {

std::string_view Getrimmt(std::string_view s) {
    const auto a = s.find_first_not_of(" \t\r\n");
    if (a == std::string_view::npos) return {};
    const auto b = s.find_last_not_of(" \t\r\n");
    return s.substr(a, b - a + 1);
}

}  // namespace

void CAussprachen::Setzen(const Paare& paare) {
    m_eintraege.clear();
    m_nachAnfang.clear();
    for (const auto& [wortRoh, lautRoh] : paare) {
        const std::string_view wort = Getrimmt(wortRoh);
        const std::string_view laut = Getrimmt(lautRoh);
        if (wort.empty() || laut.empty() || laut == "NULL") continue;
        Eintrag e;
        const CTextTeile teile(wort);
        for (std::size_t k = 0; k < teile.size(); ++k) {
            e.teile.emplace_back(teile.IstLeer(k) ? std::string_view() : teile[k].text);
        }
        e.laut = laut;
        auto& liste = m_nachAnfang[e.teile[0]];
        const bool schonDa = std::any_of(liste.begin(), liste.end(), [&](std::size_t n) {
            return m_eintraege[n].teile == e.teile;
        });
        if (schonDa) continue;
        liste.push_back(m_eintraege.size());
        m_eintraege.push_back(std::move(e));
    }
    for (auto& [anfang, liste] : m_nachAnfang) {
        std::stable_sort(liste.begin(), liste.end(), [&](std::size_t a, std::size_t b) {
            return m_eintraege[a].teile.size() > m_eintraege[b].teile.size();
        });
    }
}

std::string CAussprachen::Anwenden(std::string_view text) const {
    if (m_eintraege.empty()) return std::string(text);
    const CTextTeile t(text);
    std::string aus;
    aus.reserve(text.size() + text.size() / 4);
    std::string schluessel;
    for (std::size_t i = 0; i < t.size();) {
        const Eintrag* gefunden = nullptr;
        std::size_t ende = i;
        // Whole words only: nothing glued before the first letter, ...
        const bool frei = !t.IstLeer(i) && !(i > 0 && t.IstAlnum(i - 1) && t.IstAlnum(i));
        const auto it = frei ? m_nachAnfang.find(schluessel.assign(t[i].text)) : m_nachAnfang.end();
        if (it != m_nachAnfang.end()) {
            for (const std::size_t n : it->second) {
                const Eintrag& e = m_eintraege[n];
                std::size_t j = i;
                bool passt = true;
                for (const std::string& teil : e.teile) {
                    passt = teil.empty() ? t.IstLeer(j) : t.Ist(j, teil);
                    if (!passt) break;
                    ++j;
                }
                // ... and nothing after the last.
                if (passt && t.IstAlnum(j - 1) && t.IstAlnum(j)) passt = false;
                if (passt) {
                    gefunden = &e;
                    ende = j;
                    break;
                }
            }
        }
        if (gefunden != nullptr) {
            aus += gefunden->laut;
            i = ende;
        } else {
            aus += t[i].text;
            ++i;
        }
    }
    return aus;
}
