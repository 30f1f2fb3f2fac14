#include "CSatzIndex.h"

#include <algorithm>
#include <tuple>

namespace {

// Rank of a sentence among equals: more shared words, then higher Anzahl,
// then newer (the dense number grows with the Satznummer).
struct Rang {
    std::uint32_t treffer;
    std::uint32_t anzahl;
    std::uint32_t dokument;
    bool operator<(const Rang& o) const {
        return std::tie(treffer, anzahl, dokument) < std::tie(o.treffer, o.anzahl, o.dokument);
    }
};

// Largest position <= von whose entry is <= ziel, or -1. Cursors only move
// towards the front, so an exponential step keeps long lists cheap.
long Zurueck(const std::vector<std::uint32_t>& v, long von, std::uint32_t ziel) {
    if (von < 0 || v[static_cast<std::size_t>(von)] <= ziel) return von;
    long schritt = 1;
    long hoch = von;  // v[hoch] > ziel
    long tief = von - schritt;
    while (tief >= 0 && v[static_cast<std::size_t>(tief)] > ziel) {
        hoch = tief;
        schritt *= 2;
        tief = von - schritt;
    }
    if (tief < 0) tief = -1;
    // v[tief] <= ziel (or tief == -1), v[hoch] > ziel
    while (hoch - tief > 1) {
        const long mitte = tief + (hoch - tief) / 2;
        if (v[static_cast<std::size_t>(mitte)] <= ziel) {
            tief = mitte;
        } else {
            hoch = mitte;
        }
    }
    return tief;
}

// The best first, as Satznummern.
std::vector<std::int64_t> Ergebnis(std::vector<Rang>& besten,
                                   const std::vector<std::int64_t>& satznummer) {
    std::sort(besten.begin(), besten.end(), [](const Rang& a, const Rang& b) { return b < a; });
    std::vector<std::int64_t> ergebnis;
    ergebnis.reserve(besten.size());
    for (const auto& r : besten) ergebnis.push_back(satznummer[r.dokument]);
    return ergebnis;
}

}  // namespace

std::uint32_t CSatzIndex::WortId(const std::string& gefaltet) {
    auto [it, neu] = m_wortIds.try_emplace(gefaltet, static_cast<std::uint32_t>(m_listen.size()));
    if (neu) m_listen.emplace_back();
    return it->second;
}

std::uint32_t CSatzIndex::NeuesDokument(std::int64_t satznummer, std::uint32_t anzahl) {
    m_satznummer.push_back(satznummer);
    m_anzahl.push_back(anzahl);
    m_maxAnzahl = std::max(m_maxAnzahl, anzahl);
    const auto dokument = static_cast<std::uint32_t>(m_satznummer.size() - 1);
    if (dokument / 64 >= m_wortMax.size()) m_wortMax.push_back(0);
    m_wortMax[dokument / 64] = std::max(m_wortMax[dokument / 64], anzahl);
    return dokument;
}

void CSatzIndex::Eintragen(Liste& liste, std::uint32_t dokument) {
    if (!liste.dokumente.empty() && liste.dokumente.back() >= dokument) return;
    if (liste.dokumente.size() % kBlock == 0) liste.blockMax.push_back(0);
    liste.dokumente.push_back(dokument);
    liste.blockMax.back() = std::max(liste.blockMax.back(), m_anzahl[dokument]);
    if (liste.bits.empty()) {
        // Dense enough: from now on the word also keeps its bits.
        if (liste.dokumente.size() * 64 < m_satznummer.size() || liste.dokumente.size() < 256) {
            return;
        }
        for (const std::uint32_t d : liste.dokumente) {
            if (d / 64 >= liste.bits.size()) liste.bits.resize(d / 64 + 1, 0);
            liste.bits[d / 64] |= std::uint64_t{1} << (d % 64);
        }
        return;
    }
    if (dokument / 64 >= liste.bits.size()) liste.bits.resize(dokument / 64 + 1, 0);
    liste.bits[dokument / 64] |= std::uint64_t{1} << (dokument % 64);
}

void CSatzIndex::Verknuepfen(std::uint32_t dokument, std::uint32_t wortId) {
    Eintragen(m_listen[wortId], dokument);
}

void CSatzIndex::Hinzufuegen(std::int64_t satznummer, std::uint32_t anzahl,
                             const std::vector<std::string>& woerter) {
    if (!m_satznummer.empty() && satznummer <= m_satznummer.back()) return;
    const std::uint32_t dokument = NeuesDokument(satznummer, anzahl);
    for (const auto& w : woerter) Verknuepfen(dokument, WortId(w));
}

void CSatzIndex::AnzahlSetzen(std::int64_t satznummer, std::uint32_t anzahl,
                              const std::vector<std::string>& woerter) {
    const auto it = std::lower_bound(m_satznummer.begin(), m_satznummer.end(), satznummer);
    if (it == m_satznummer.end() || *it != satznummer) return;
    const auto dokument = static_cast<std::uint32_t>(it - m_satznummer.begin());
    m_anzahl[dokument] = anzahl;
    m_maxAnzahl = std::max(m_maxAnzahl, anzahl);
    m_wortMax[dokument / 64] = std::max(m_wortMax[dokument / 64], anzahl);
    for (const auto& w : woerter) {
        const auto wort = m_wortIds.find(w);
        if (wort == m_wortIds.end()) continue;
        Liste& liste = m_listen[wort->second];
        const auto pos = std::lower_bound(liste.dokumente.begin(), liste.dokumente.end(), dokument);
        if (pos == liste.dokumente.end() || *pos != dokument) continue;
        auto& max =
            liste.blockMax[static_cast<std::size_t>(pos - liste.dokumente.begin()) / kBlock];
        max = std::max(max, anzahl);
    }
}

std::vector<std::int64_t> CSatzIndex::Suchen(const std::vector<std::string>& woerter, std::size_t k,
                                             Verfahren verfahren) const {
    std::vector<const Liste*> listen;
    for (const auto& w : woerter) {
        const auto it = m_wortIds.find(w);
        if (it == m_wortIds.end() || m_listen[it->second].dokumente.empty()) continue;
        const Liste* l = &m_listen[it->second];
        if (std::find(listen.begin(), listen.end(), l) == listen.end()) listen.push_back(l);
    }
    if (listen.empty() || k == 0) return {};
    if (verfahren == Verfahren::Automatisch) {
        // Walking the lists wins for few words; with many, counting every
        // sentence at once costs the same whatever the words are.
        verfahren = listen.size() >= 4 && m_satznummer.size() >= 50000 ? Verfahren::Zaehler
                                                                       : Verfahren::Listen;
    }
    if (m_entfernt.empty()) {
        if (verfahren == Verfahren::Zaehler) return MitZaehlern(listen, k);
        return MitListen(listen, k);
    }
    std::vector<std::int64_t> aus = verfahren == Verfahren::Zaehler
                                        ? MitZaehlern(listen, k + m_entfernt.size())
                                        : MitListen(listen, k + m_entfernt.size());
    std::erase_if(aus, [this](std::int64_t n) { return m_entfernt.count(n) > 0; });
    if (aus.size() > k) aus.resize(k);
    return aus;
}

void CSatzIndex::Entfernen(std::int64_t satznummer) {
    if (std::binary_search(m_satznummer.begin(), m_satznummer.end(), satznummer))
        m_entfernt.insert(satznummer);
}

std::vector<std::int64_t> CSatzIndex::MitListen(std::vector<const Liste*>& listen,
                                                std::size_t k) const {
    // Rare words first: they decide which sentences are worth looking at.
    std::sort(listen.begin(), listen.end(), [](const Liste* a, const Liste* b) {
        return a->dokumente.size() < b->dokumente.size();
    });
    const auto m = static_cast<std::uint32_t>(listen.size());
    std::vector<long> cursor(m);
    for (std::uint32_t i = 0; i < m; ++i)
        cursor[i] = static_cast<long>(listen[i]->dokumente.size()) - 1;

    // The best k so far, the worst of them at the front.
    std::vector<Rang> besten;
    auto schlechter = [](const Rang& a, const Rang& b) { return b < a; };
    auto voll = [&] { return besten.size() >= k; };
    auto schwelle = [&] { return besten.front(); };

    // Sentences are visited newest first, so a later one never wins a full
    // tie: it has to beat the worst of the best in count or in Anzahl.
    auto kannGewinnen = [&](std::uint32_t obergrenze, std::uint32_t anzahl) {
        if (!voll()) return true;
        const Rang s = schwelle();
        return obergrenze > s.treffer || (obergrenze == s.treffer && anzahl > s.anzahl);
    };

    // Lists [0, wesentlich) produce candidates; the rest, holding the most
    // common words, are only consulted for candidates. A sentence found in
    // none of the first could at best match all the rest, so they may be
    // left out as long as that cannot beat the worst of the best.
    std::uint32_t wesentlich = m;
    auto neuBerechnen = [&] {
        while (wesentlich > 0) {
            const std::uint32_t rest = m - (wesentlich - 1);
            if (!voll()) break;
            const Rang s = schwelle();
            if (rest < s.treffer || (rest == s.treffer && m_maxAnzahl <= s.anzahl)) {
                --wesentlich;
            } else {
                break;
            }
        }
    };

    for (;;) {
        if (wesentlich == 0) break;
        // Next candidate: the highest number at any candidate cursor.
        long kandidat = -1;
        for (std::uint32_t i = 0; i < wesentlich; ++i) {
            if (cursor[i] >= 0) {
                kandidat = std::max<long>(
                    kandidat, listen[i]->dokumente[static_cast<std::size_t>(cursor[i])]);
            }
        }
        if (kandidat < 0) break;
        const auto d = static_cast<std::uint32_t>(kandidat);
        const std::uint32_t anzahl = m_anzahl[d];

        std::uint32_t treffer = 0;
        for (std::uint32_t i = 0; i < wesentlich; ++i) {
            if (cursor[i] >= 0 && listen[i]->dokumente[static_cast<std::size_t>(cursor[i])] == d) {
                ++treffer;
                --cursor[i];
            }
        }
        // When even all words together cannot beat the worst of the best
        // except by Anzahl, whole blocks whose highest Anzahl is too low are
        // passed over in every candidate list.
        if (voll() && m <= schwelle().treffer) {
            const std::uint32_t grenze = schwelle().anzahl;
            for (std::uint32_t i = 0; i < wesentlich; ++i) {
                const auto& l = *listen[i];
                while (cursor[i] >= 0 &&
                       l.blockMax[static_cast<std::size_t>(cursor[i]) / kBlock] <= grenze) {
                    cursor[i] =
                        static_cast<long>(static_cast<std::size_t>(cursor[i]) / kBlock * kBlock) -
                        1;
                }
            }
        }
        if (!kannGewinnen(treffer + (m - wesentlich), anzahl)) continue;
        for (std::uint32_t j = wesentlich; j < m; ++j) {
            if (!kannGewinnen(treffer + (m - j), anzahl)) break;
            cursor[j] = Zurueck(listen[j]->dokumente, cursor[j], d);
            if (cursor[j] >= 0 && listen[j]->dokumente[static_cast<std::size_t>(cursor[j])] == d) {
                ++treffer;
            }
        }
        if (!kannGewinnen(treffer, anzahl)) continue;
        const Rang neu{treffer, anzahl, d};
        if (voll()) {
            std::pop_heap(besten.begin(), besten.end(), schlechter);
            besten.back() = neu;
        } else {
            besten.push_back(neu);
        }
        std::push_heap(besten.begin(), besten.end(), schlechter);
        neuBerechnen();
    }

    return Ergebnis(besten, m_satznummer);
}

std::vector<std::int64_t> CSatzIndex::MitZaehlern(const std::vector<const Liste*>& listen,
                                                  std::size_t k) const {
    // Every sentence gets a counter of P bits, stored bit-sliced: plane p of
    // 64 neighbouring sentences is one word, so a word's bits are added to
    // 64 counters at once.
    const auto m = static_cast<std::uint32_t>(listen.size());
    std::size_t P = 1;
    while ((std::uint32_t{1} << P) <= m) ++P;
    const std::size_t W = (m_satznummer.size() + 63) / 64;
    m_zaehler.assign(W * P, 0);
    std::uint64_t* z = m_zaehler.data();

    for (const Liste* l : listen) {
        if (!l->bits.empty()) {
            const std::size_t n = std::min(W, l->bits.size());
            for (std::size_t w = 0; w < n; ++w) {
                std::uint64_t uebertrag = l->bits[w];
                for (std::size_t p = 0; p < P && uebertrag; ++p) {
                    const std::uint64_t x = z[w * P + p];
                    z[w * P + p] = x ^ uebertrag;
                    uebertrag &= x;
                }
            }
        } else {
            for (const std::uint32_t d : l->dokumente) {
                const std::uint64_t bit = std::uint64_t{1} << (d % 64);
                std::uint64_t* c = z + (d / 64) * P;
                for (std::size_t p = 0; p < P; ++p) {
                    const std::uint64_t x = c[p];
                    c[p] = x ^ bit;
                    if (!(x & bit)) break;
                }
            }
        }
    }

    std::vector<Rang> besten;
    auto schlechter = [](const Rang& a, const Rang& b) { return b < a; };
    // Newest first, as on the list path: a later sentence never wins a full
    // tie, it must beat the worst of the best in count or in Anzahl.
    for (std::size_t w = W; w-- > 0;) {
        const std::uint64_t* c = z + w * P;
        std::uint64_t kandidaten = 0;
        if (besten.size() < k) {
            for (std::size_t p = 0; p < P; ++p) kandidaten |= c[p];
        } else {
            const Rang s = besten.front();
            // Counters above and equal to the threshold, compared plane by plane.
            std::uint64_t groesser = 0;
            std::uint64_t gleich = ~std::uint64_t{0};
            for (std::size_t p = P; p-- > 0;) {
                if ((s.treffer >> p) & 1u) {
                    gleich &= c[p];
                } else {
                    groesser |= gleich & c[p];
                    gleich &= ~c[p];
                }
            }
            if (s.treffer >> P) groesser = gleich = 0;
            kandidaten = groesser | (m_wortMax[w] > s.anzahl ? gleich : 0);
        }
        while (kandidaten) {
            const int bit = 63 - __builtin_clzll(kandidaten);
            kandidaten &= ~(std::uint64_t{1} << bit);
            std::uint32_t treffer = 0;
            for (std::size_t p = 0; p < P; ++p)
                treffer |= static_cast<std::uint32_t>((c[p] >> bit) & 1u) << p;
            const auto d = static_cast<std::uint32_t>(w * 64 + static_cast<std::size_t>(bit));
            const Rang neu{treffer, m_anzahl[d], d};
            if (besten.size() < k) {
                besten.push_back(neu);
                std::push_heap(besten.begin(), besten.end(), schlechter);
            } else if (besten.front().treffer < treffer ||
                       (besten.front().treffer == treffer && besten.front().anzahl < neu.anzahl)) {
                std::pop_heap(besten.begin(), besten.end(), schlechter);
                besten.back() = neu;
                std::push_heap(besten.begin(), besten.end(), schlechter);
            }
        }
    }
    return Ergebnis(besten, m_satznummer);
}

std::size_t CSatzIndex::Speicherbedarf() const {
    std::size_t bytes = m_satznummer.capacity() * sizeof(std::int64_t) +
                        m_anzahl.capacity() * sizeof(std::uint32_t) +
                        m_listen.capacity() * sizeof(Liste);
    for (const auto& l : m_listen) {
        bytes += l.dokumente.capacity() * sizeof(std::uint32_t) +
                 l.blockMax.capacity() * sizeof(std::uint32_t) +
                 l.bits.capacity() * sizeof(std::uint64_t);
    }
    bytes +=
        m_wortMax.capacity() * sizeof(std::uint32_t) + m_zaehler.capacity() * sizeof(std::uint64_t);
    for (const auto& [wort, id] : m_wortIds) bytes += sizeof(id) + 32 + wort.capacity();
    return bytes;
}
