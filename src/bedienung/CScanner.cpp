#include "CScanner.h"

#include <algorithm>
#include <tuple>

std::vector<CScanGruppe> CScanner::Gruppen(std::vector<CScanKnopf> knoepfe) {
    std::stable_sort(knoepfe.begin(), knoepfe.end(), [](const CScanKnopf& a, const CScanKnopf& b) {
        return std::tie(a.bereich, a.oben, a.links) < std::tie(b.bereich, b.oben, b.links);
    });
    std::vector<CScanGruppe> gruppen;
    for (std::size_t i = 0; i < knoepfe.size(); ++i) {
        const CScanKnopf& k = knoepfe[i];
        if (i == 0 || k.bereich != knoepfe[i - 1].bereich) {
            gruppen.emplace_back();
            gruppen.back().bereich = k.bereich;
        }
        auto& zeilen = gruppen.back().zeilen;
        if (zeilen.empty() || k.bereich != knoepfe[i - 1].bereich || k.oben != knoepfe[i - 1].oben)
            zeilen.emplace_back();
        zeilen.back().push_back(k.id);
    }
    return gruppen;
}

void CScanner::SetAnordnung(std::vector<CScanGruppe> gruppen, long long jetzt) {
    m_gruppen.clear();
    for (CScanGruppe& g : gruppen) {
        std::erase_if(g.zeilen, [](const std::vector<int>& z) { return z.empty(); });
        if (!g.zeilen.empty()) m_gruppen.push_back(std::move(g));
    }
    Oben(jetzt);
}

void CScanner::Oben(long long jetzt) {
    m_marke = CMarke{};
    // One group alone (a window's buttons): its rows or buttons are the top,
    // a frame standing still on the whole of it would only cost a press.
    if (!IsLeer() && m_gruppen.size() == 1) {
        Betreten(Zeilen().size() > 1 ? Ebene::Zeilen : Ebene::Knoepfe, jetzt);
    } else {
        Betreten(Ebene::Gruppen, jetzt);
    }
}

bool CScanner::Oberste() const {
    if (m_gruppen.size() != 1) return m_marke.ebene == Ebene::Gruppen;
    return m_marke.ebene == (Zeilen().size() > 1 ? Ebene::Zeilen : Ebene::Knoepfe);
}

void CScanner::Betreten(Ebene ebene, long long jetzt) {
    m_marke.ebene = ebene;
    m_marke.zurueck = false;
    m_nSchritte = 0;
    m_nLetzter = jetzt;
}

int CScanner::Stellen() const {
    switch (m_marke.ebene) {
        case Ebene::Gruppen:
            return static_cast<int>(m_gruppen.size());
        case Ebene::Zeilen:
            return static_cast<int>(Zeilen().size()) + (Oberste() ? 0 : 1);
        case Ebene::Knoepfe:
            return static_cast<int>(Zeilen()[m_marke.zeile].size()) + (Oberste() ? 0 : 1);
    }
    return 0;
}

int& CScanner::Stelle() {
    switch (m_marke.ebene) {
        case Ebene::Gruppen:
            return m_marke.gruppe;
        case Ebene::Zeilen:
            return m_marke.zeile;
        case Ebene::Knoepfe:
            break;
    }
    return m_marke.knopf;
}

void CScanner::Schritt(long long jetzt) {
    if (IsLeer()) return;
    const int stellen = Stellen();
    // Two rounds inside a group without a choice: back to the top.
    if (!Oberste() && ++m_nSchritte >= 2 * stellen) {
        Oben(jetzt);
        return;
    }
    m_nLetzter = jetzt;
    if (m_marke.zurueck) {
        m_marke.zurueck = false;
        Stelle() = 0;
        return;
    }
    int& stelle = Stelle();
    ++stelle;
    // The place after the last is the step out of a group or row.
    if (!Oberste() && stelle == stellen - 1) {
        m_marke.zurueck = true;
        stelle = 0;
    } else if (stelle >= stellen) {
        stelle = 0;
    }
}

int CScanner::Waehlen(long long jetzt) {
    if (IsLeer()) return -1;
    switch (m_marke.ebene) {
        case Ebene::Gruppen:
            if (Zeilen().size() > 1) {
                m_marke.zeile = 0;
                Betreten(Ebene::Zeilen, jetzt);
                return -1;
            }
            m_marke.zeile = 0;
            break;
        case Ebene::Zeilen:
            if (m_marke.zurueck) {
                Betreten(Ebene::Gruppen, jetzt);
                return -1;
            }
            break;
        case Ebene::Knoepfe: {
            if (m_marke.zurueck) {
                Betreten(Zeilen().size() > 1 ? Ebene::Zeilen : Ebene::Gruppen, jetzt);
                return -1;
            }
            const int id = Zeilen()[m_marke.zeile][m_marke.knopf];
            Oben(jetzt);
            return id;
        }
    }
    // A row chosen: its buttons, or the one button it has pressed.
    const std::vector<int>& zeile = Zeilen()[m_marke.zeile];
    if (zeile.size() == 1) {
        const int id = zeile.front();
        Oben(jetzt);
        return id;
    }
    m_marke.knopf = 0;
    Betreten(Ebene::Knoepfe, jetzt);
    return -1;
}

void CScanner::SetAutomatisch(bool ja, long long jetzt) {
    if (ja && !m_bAutomatisch && jetzt >= 0) m_nLetzter = jetzt;
    m_bAutomatisch = ja;
}

bool CScanner::Fortsetzen(int gruppe, bool hinein, long long jetzt) {
    if (gruppe < 0 || gruppe >= static_cast<int>(m_gruppen.size())) return false;
    if (m_gruppen.size() == 1) {
        Oben(jetzt);
        return true;
    }
    m_marke = CMarke{};
    m_marke.gruppe = gruppe;
    if (!hinein) {
        Betreten(Ebene::Gruppen, jetzt);
    } else if (Zeilen().size() > 1) {
        Betreten(Ebene::Zeilen, jetzt);
    } else {
        Betreten(Ebene::Knoepfe, jetzt);
    }
    return true;
}

int CScanner::GruppeVon(int id) const {
    for (std::size_t g = 0; g < m_gruppen.size(); ++g)
        for (const auto& zeile : m_gruppen[g].zeilen)
            if (std::find(zeile.begin(), zeile.end(), id) != zeile.end())
                return static_cast<int>(g);
    return -1;
}

bool CScanner::Auf(int id, long long jetzt) {
    const int g = GruppeVon(id);
    if (g < 0) return false;
    m_marke = CMarke{};
    m_marke.gruppe = g;
    const auto& zeilen = Zeilen();
    for (std::size_t z = 0; z < zeilen.size(); ++z) {
        const auto k = std::find(zeilen[z].begin(), zeilen[z].end(), id);
        if (k == zeilen[z].end()) continue;
        m_marke.zeile = static_cast<int>(z);
        m_marke.knopf = static_cast<int>(k - zeilen[z].begin());
        if (zeilen[z].size() > 1 || (m_gruppen.size() == 1 && zeilen.size() == 1)) {
            Betreten(Ebene::Knoepfe, jetzt);
        } else {
            Betreten(zeilen.size() > 1 ? Ebene::Zeilen : Ebene::Gruppen, jetzt);
        }
        break;
    }
    return true;
}

bool CScanner::AufErstem() const {
    if (m_marke.zurueck) return false;
    switch (m_marke.ebene) {
        case Ebene::Gruppen:
            return m_marke.gruppe == 0;
        case Ebene::Zeilen:
            return m_marke.zeile == 0;
        case Ebene::Knoepfe:
            return m_marke.knopf == 0;
    }
    return false;
}

bool CScanner::Takt(long long jetzt) {
    const long long faellig = Faellig();
    if (faellig < 0 || jetzt < faellig) return false;
    Schritt(jetzt);
    return true;
}

long long CScanner::Faellig() const {
    if (!m_bAutomatisch || IsLeer()) return -1;
    return m_nLetzter + m_nSchrittMs + (AufErstem() ? m_nErstMs : 0);
}

std::vector<int> CScanner::Markiert() const {
    if (IsLeer()) return {};
    std::vector<int> ids;
    const auto alle = [&] {
        for (const auto& z : Zeilen()) ids.insert(ids.end(), z.begin(), z.end());
    };
    const std::vector<int>& zeile = Zeilen()[m_marke.zeile];
    switch (m_marke.ebene) {
        case Ebene::Gruppen:
            alle();
            break;
        case Ebene::Zeilen:
            if (m_marke.zurueck) {
                alle();
            } else {
                ids = zeile;
            }
            break;
        case Ebene::Knoepfe:
            if (m_marke.zurueck) {
                ids = zeile;
            } else {
                ids.push_back(zeile[m_marke.knopf]);
            }
            break;
    }
    return ids;
}
