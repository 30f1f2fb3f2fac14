#include "CNGramme.h"

#include <algorithm>

namespace {

// A 64-bit mix (the finaliser of MurmurHash3): neighbouring word numbers
// land far apart.
std::uint64_t Streuen(std::uint64_t x) {
    x ^= x >> 33;
    x *= 0xff51afd7ed558ccdULL;
    x ^= x >> 33;
    x *= 0xc4ceb9fe1a85ec53ULL;
    x ^= x >> 33;
    return x;
}

std::uint64_t Paarschluessel(std::uint32_t a, std::uint32_t b) {
    return Streuen((static_cast<std::uint64_t>(a) << 32) | b);
}

constexpr std::size_t kErsteGroesse = 1024;

std::uint64_t Platz(std::uint64_t streuung, std::uint32_t eintrag) {
    return (streuung & 0xFFFFFFFF00000000ULL) | (static_cast<std::uint64_t>(eintrag) + 1);
}

}  // namespace

template <class T>
std::uint32_t CNGramme::CBloecke<T>::Neu(const T& t) {
    if ((anzahl >> kBits) >= bloecke.size()) bloecke.emplace_back(new T[std::size_t{1} << kBits]);
    (*this)[anzahl] = t;
    return anzahl++;
}

CNGramme::CNGramme() {
    m_woerter.push_back({"", "", 0, kKein, false});
    m_paarTabelle.plaetze.assign(kErsteGroesse, 0);
    m_tripelTabelle.plaetze.assign(kErsteGroesse, 0);
}

std::uint32_t CNGramme::Wort(std::string_view schluessel, std::string_view schreibung,
                             bool amAnfang) {
    auto it = m_nummern.find(schluessel);
    if (it == m_nummern.end()) {
        if (m_woerter.size() >= kHoechstensWoerter) return kKein;
        const auto n = static_cast<std::uint32_t>(m_woerter.size());
        m_woerter.push_back({std::string(schluessel), std::string(schreibung), 0, kKein, amAnfang});
        m_nummern.emplace(std::string(schluessel), n);
        return n;
    }
    CWort& w = m_woerter[it->second];
    // The spelling inside a sentence tells the capitals; the first word's
    // capital may only be the sentence's.
    if (!amAnfang || w.schreibungAmAnfang) {
        if (w.schreibung != schreibung) w.schreibung.assign(schreibung);
        w.schreibungAmAnfang = amAnfang;
    }
    return it->second;
}

std::uint32_t CNGramme::Finden(std::string_view schluessel) const {
    const auto it = m_nummern.find(schluessel);
    return it == m_nummern.end() ? kKein : it->second;
}

template <class Streuung>
void CNGramme::Wachsen(CTabelle& tabelle, std::uint32_t eintraege, Streuung streuung) {
    if ((static_cast<std::size_t>(eintraege) + 1) * 4 <= tabelle.plaetze.size() * 3) return;
    std::vector<std::uint64_t> neu(tabelle.plaetze.size() * 2, 0);
    const std::size_t maske = neu.size() - 1;
    for (std::uint32_t e = 0; e < eintraege; ++e) {
        const std::uint64_t h = streuung(e);
        std::size_t i = h & maske;
        while (neu[i] != 0) i = (i + 1) & maske;
        neu[i] = Platz(h, e);
    }
    tabelle.plaetze = std::move(neu);
}

std::uint32_t CNGramme::PaarSuchen(std::uint32_t u, std::uint32_t v) const {
    const std::size_t maske = m_paarTabelle.Maske();
    const std::uint64_t h = Paarschluessel(u, v);
    for (std::size_t i = h & maske;; i = (i + 1) & maske) {
        const std::uint64_t platz = m_paarTabelle.plaetze[i];
        if (platz == 0) return kKein;
        if ((platz >> 32) != (h >> 32)) continue;
        const auto e = static_cast<std::uint32_t>(platz) - 1;
        const CPaar& p = m_paare[e];
        if (p.u == u && p.v == v) return e;
    }
}

std::uint32_t CNGramme::TripelSuchen(std::uint32_t p, std::uint32_t w) const {
    const std::size_t maske = m_tripelTabelle.Maske();
    const std::uint64_t h = Paarschluessel(p, w);
    for (std::size_t i = h & maske;; i = (i + 1) & maske) {
        const std::uint64_t platz = m_tripelTabelle.plaetze[i];
        if (platz == 0) return kKein;
        if ((platz >> 32) != (h >> 32)) continue;
        const auto e = static_cast<std::uint32_t>(platz) - 1;
        const CTripel& t = m_tripel[e];
        if (t.paar == p && t.w == w) return e;
    }
}

std::uint32_t CNGramme::PaarHolen(std::uint32_t u, std::uint32_t v, bool anlegen) {
    const std::uint32_t da = PaarSuchen(u, v);
    if (da != kKein || !anlegen || m_paare.anzahl >= kHoechstensPaare) return da;
    Wachsen(m_paarTabelle, m_paare.anzahl,
            [this](std::uint32_t e) { return Paarschluessel(m_paare[e].u, m_paare[e].v); });
    const std::uint32_t n = m_paare.Neu({u, v, 0, m_woerter[u].erstesPaar, kKein});
    m_woerter[u].erstesPaar = n;
    const std::size_t maske = m_paarTabelle.Maske();
    const std::uint64_t h = Paarschluessel(u, v);
    std::size_t i = h & maske;
    while (m_paarTabelle.plaetze[i] != 0) i = (i + 1) & maske;
    m_paarTabelle.plaetze[i] = Platz(h, n);
    return n;
}

std::uint32_t CNGramme::TripelHolen(std::uint32_t p, std::uint32_t w, bool anlegen) {
    const std::uint32_t da = TripelSuchen(p, w);
    if (da != kKein || !anlegen || m_tripel.anzahl >= kHoechstensTripel) return da;
    Wachsen(m_tripelTabelle, m_tripel.anzahl,
            [this](std::uint32_t e) { return Paarschluessel(m_tripel[e].paar, m_tripel[e].w); });
    const std::uint32_t n = m_tripel.Neu({p, w, 0, m_paare[p].erstesTripel});
    m_paare[p].erstesTripel = n;
    const std::size_t maske = m_tripelTabelle.Maske();
    const std::uint64_t h = Paarschluessel(p, w);
    std::size_t i = h & maske;
    while (m_tripelTabelle.plaetze[i] != 0) i = (i + 1) & maske;
    m_tripelTabelle.plaetze[i] = Platz(h, n);
    return n;
}

void CNGramme::Aendern(std::uint32_t& anzahl, std::int64_t einheiten, std::uint32_t rest) {
    std::int64_t neu = static_cast<std::int64_t>(anzahl) + einheiten;
    if (einheiten < 0 && neu < static_cast<std::int64_t>(rest)) neu = 0;
    anzahl = static_cast<std::uint32_t>(std::clamp<std::int64_t>(neu, 0, UINT32_MAX));
}

void CNGramme::Zaehlen(const std::vector<std::uint32_t>& woerter, std::int64_t einheiten,
                       std::uint32_t rest) {
    const bool anlegen = einheiten > 0;
    std::uint32_t vorigesPaar = kKein;
    for (std::size_t i = 0; i < woerter.size(); ++i) {
        const std::uint32_t w = woerter[i];
        if (w >= m_woerter.size()) {
            vorigesPaar = kKein;
            continue;
        }
        const std::uint32_t alt = m_woerter[w].anzahl;
        Aendern(m_woerter[w].anzahl, einheiten, rest);
        if (w != kAnfang) m_summe = m_summe + m_woerter[w].anzahl - alt;
        std::uint32_t paar = kKein;
        if (i > 0 && woerter[i - 1] < m_woerter.size()) {
            paar = PaarHolen(woerter[i - 1], w, anlegen);
            if (paar != kKein) Aendern(m_paare[paar].anzahl, einheiten, rest);
        }
        if (vorigesPaar != kKein) {
            const std::uint32_t t = TripelHolen(vorigesPaar, w, anlegen);
            if (t != kKein) Aendern(m_tripel[t].anzahl, einheiten, rest);
        }
        vorigesPaar = paar;
    }
}

std::uint32_t CNGramme::Paar(std::uint32_t u, std::uint32_t v) const {
    const std::uint32_t p = PaarSuchen(u, v);
    return p == kKein ? 0 : m_paare[p].anzahl;
}

std::uint32_t CNGramme::Tripel(std::uint32_t u, std::uint32_t v, std::uint32_t w) const {
    const std::uint32_t p = PaarSuchen(u, v);
    if (p == kKein) return 0;
    const std::uint32_t t = TripelSuchen(p, w);
    return t == kKein ? 0 : m_tripel[t].anzahl;
}

std::size_t CNGramme::Speicherbedarf() const {
    std::size_t n = m_woerter.capacity() * sizeof(CWort);
    for (const CWort& w : m_woerter) {
        // Short strings live inside the object.
        if (w.schluessel.capacity() > 15) n += w.schluessel.capacity() + 1;
        if (w.schreibung.capacity() > 15) n += w.schreibung.capacity() + 1;
    }
    // A node of the map: the key, the number, the link and the hash.
    n += m_nummern.size() * (sizeof(std::string) + 24) + m_nummern.bucket_count() * 8;
    n += m_paare.bloecke.size() * (std::size_t{1} << 16) * sizeof(CPaar);
    n += m_tripel.bloecke.size() * (std::size_t{1} << 16) * sizeof(CTripel);
    n += (m_paarTabelle.plaetze.size() + m_tripelTabelle.plaetze.size()) * sizeof(std::uint64_t);
    return n;
}
