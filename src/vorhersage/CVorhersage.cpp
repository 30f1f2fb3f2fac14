#include "CVorhersage.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>
#include <unordered_set>

#include "CWortelement.h"
#include "CWortliste.h"
#include "Schluessel.h"
#include "Utf8.h"

namespace {

// Weights of triple and word share for the grid's row (the pair's is kL2).
constexpr double kL3 = 0.5, kL1 = 0.1;

bool IstTrenner(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

bool LockerVor(const std::pair<std::string, std::uint32_t>& a, std::string_view b) {
    return a.first < b;
}

}  // namespace

void CVorhersage::SetWortliste(std::shared_ptr<const CWortliste> wortliste) {
    m_wortliste = std::move(wortliste);
    if (m_wortliste.get() == m_grundVon) return;
    m_grundVon = m_wortliste.get();
    m_grund = CNGramme();
    if (!m_wortliste) return;
    for (const std::string& satz : m_wortliste->Saetze()) {
        const std::vector<std::uint32_t> nummern = Nummern(m_grund, satz, true);
        if (nummern.size() >= 2) m_grund.Zaehlen(nummern, kEinheit);
    }
}

bool CVorhersage::HatWortliste() const { return m_wortliste && m_wortliste->IstGeladen(); }

std::vector<CVorhersage::CElement> CVorhersage::AusWortelementen(
    const std::vector<CWortelement>& elemente) {
    std::vector<CElement> aus;
    for (const CWortelement& e : elemente) {
        if (e.GetArt() != CWortelement::Wort && e.GetArt() != CWortelement::Verb) continue;
        CElement c;
        c.element = e.GetIndex();
        c.anzeige = e.GetAnzeigetext();
        c.verb = e.GetArt() == CWortelement::Verb;
        // A caption's soft hyphens show where its button breaks it; they are
        // no part of the word.
        c.wort = utf8::OhneTrennstellen(c.verb ? e.GetAnzeigetext() : e.GetForm(0));
        if (c.verb)
            for (int s = 0; s < CWortelement::kFormen; ++s) c.formen[s] = e.GetForm(s);
        c.anzahl = e.GetAnzahl();
        c.kategorie = e.GetKategorie();
        aus.push_back(std::move(c));
    }
    return aus;
}

void CVorhersage::SetWortschatz(std::vector<CElement> elemente) {
    m_elemente = std::move(elemente);
    m_eigene.clear();
    std::unordered_set<std::string> gesehen;
    std::vector<std::string_view> woerter;
    auto Aufnehmen = [&](const std::string& text) {
        woerter.clear();
        schluessel::Woerter(text, woerter);
        for (std::string_view roh : woerter) {
            const std::string_view w = schluessel::Bereinigt(roh);
            if (w.empty() || utf8::Laenge(w) > kLaengstesWort) continue;
            std::string s = schluessel::Wort(w);
            if (!gesehen.insert(s).second) continue;
            m_eigene.push_back({schluessel::Locker(w), std::move(s), std::string(w)});
        }
    };
    for (const CElement& e : m_elemente) {
        Aufnehmen(e.wort);
        Aufnehmen(utf8::OhneTrennstellen(e.anzeige));
        for (const std::string& f : e.formen) Aufnehmen(f);
    }
    std::sort(m_eigene.begin(), m_eigene.end(),
              [](const CEigenesWort& a, const CEigenesWort& b) { return a.locker < b.locker; });
    // The finite forms of the verbs: also a word button "möchte" is a verb.
    m_finit.clear();
    for (const CElement& e : m_elemente)
        if (e.verb)
            for (const std::string& f : e.formen)
                if (!f.empty()) m_finit.insert(schluessel::Wort(f.substr(0, f.find(' '))));
    m_erstesWort.clear();
    m_nachErstemWort.clear();
    m_woerterJeKategorie.clear();
    for (std::size_t i = 0; i < m_elemente.size(); ++i) {
        const CElement& e = m_elemente[i];
        woerter.clear();
        schluessel::Woerter(e.wort, woerter);
        std::string erstes =
            woerter.empty() ? std::string() : schluessel::Wort(schluessel::Bereinigt(woerter[0]));
        if (!e.verb && !erstes.empty()) {
            m_nachErstemWort[erstes].push_back(i);
            ++m_woerterJeKategorie[e.kategorie];
        }
        m_erstesWort.push_back(std::move(erstes));
    }
}

// ---------------------------------------------------------------- learning

std::vector<std::uint32_t> CVorhersage::Nummern(CNGramme& zaehler, std::string_view satz,
                                                bool anlegen) {
    std::vector<std::string_view> woerter;
    schluessel::Woerter(satz, woerter);
    std::vector<std::uint32_t> nummern;
    nummern.reserve(woerter.size() + 1);
    nummern.push_back(CNGramme::kAnfang);
    for (std::string_view roh : woerter) {
        const std::string_view w = schluessel::Bereinigt(roh);
        if (!w.empty()) {
            if (utf8::Laenge(w) > kLaengstesWort) {
                nummern.push_back(CNGramme::kKein);
            } else {
                const std::string s = schluessel::Wort(w);
                const bool amAnfang = nummern.back() == CNGramme::kAnfang;
                nummern.push_back(anlegen ? zaehler.Wort(s, w, amAnfang) : zaehler.Finden(s));
            }
        }
        if (schluessel::Satzende(roh) && nummern.back() != CNGramme::kAnfang)
            nummern.push_back(CNGramme::kAnfang);
    }
    if (nummern.size() > 1 && nummern.back() == CNGramme::kAnfang) nummern.pop_back();
    return nummern;
}

void CVorhersage::LernenEinheiten(std::string_view satz, std::uint32_t einheiten, bool ordnen) {
    const std::size_t vorher = m_zaehler.AnzahlWoerter();
    const std::vector<std::uint32_t> nummern = Nummern(m_zaehler, satz, true);
    if (nummern.size() < 2) return;
    m_zaehler.Zaehlen(nummern, einheiten);
    if (!ordnen) return;
    for (std::size_t n = vorher; n < m_zaehler.AnzahlWoerter(); ++n) {
        std::string l = schluessel::Locker(m_zaehler.Schluessel(static_cast<std::uint32_t>(n)));
        const auto it = std::lower_bound(m_gesagt.begin(), m_gesagt.end(), l, LockerVor);
        m_gesagt.emplace(it, std::move(l), static_cast<std::uint32_t>(n));
    }
}

void CVorhersage::Ordnen() {
    m_gesagt.clear();
    m_gesagt.reserve(m_zaehler.AnzahlWoerter());
    for (std::uint32_t n = 1; n < m_zaehler.AnzahlWoerter(); ++n)
        m_gesagt.emplace_back(schluessel::Locker(m_zaehler.Schluessel(n)), n);
    std::sort(m_gesagt.begin(), m_gesagt.end());
}

void CVorhersage::Lernen(std::string_view satz, double gewicht) {
    if (!(gewicht > 0)) return;
    const double einheiten = std::min(gewicht * kEinheit, 1e9);
    LernenEinheiten(satz, static_cast<std::uint32_t>(std::max(1.0, std::round(einheiten))), true);
}

void CVorhersage::Vergessen(std::string_view satz, std::uint32_t anzahl) {
    if (anzahl == 0) return;
    const std::vector<std::uint32_t> nummern = Nummern(m_zaehler, satz, false);
    if (nummern.size() < 2) return;
    // What newer sentences counted more than one unit each is left below a
    // whole saying: cleared with the rest.
    m_zaehler.Zaehlen(nummern, -static_cast<std::int64_t>(anzahl) * kEinheit, kEinheit);
}

// ---------------------------------------------------------------- scores

CVorhersage::CKontext CVorhersage::KontextVor(const CNGramme& zaehler, std::string_view text,
                                              std::size_t ende) {
    // Up to two words back, newest first; a sentence end or the text's start
    // before them is the sentence start.
    std::string_view woerter[2];
    std::size_t n = 0;
    bool anfang = false;
    std::size_t i = ende;
    while (n < 2) {
        while (i > 0 && IstTrenner(text[i - 1])) --i;
        if (i == 0) {
            anfang = true;
            break;
        }
        const std::size_t e = i;
        while (i > 0 && !IstTrenner(text[i - 1])) --i;
        const std::string_view roh = text.substr(i, e - i);
        if (schluessel::Satzende(roh)) {
            anfang = true;
            break;
        }
        const std::string_view w = schluessel::Bereinigt(roh);
        if (!w.empty()) woerter[n++] = w;
    }
    auto Nummer = [&](std::string_view w) {
        if (utf8::Laenge(w) > kLaengstesWort) return CNGramme::kKein;
        return zaehler.Finden(schluessel::Wort(w));
    };
    CKontext k;
    if (n == 2) {
        k.u = Nummer(woerter[1]);
        k.v = Nummer(woerter[0]);
    } else if (n == 1) {
        k.u = anfang ? CNGramme::kAnfang : CNGramme::kKein;
        k.v = Nummer(woerter[0]);
    } else {
        k.v = anfang ? CNGramme::kAnfang : CNGramme::kKein;
    }
    return k;
}

double CVorhersage::Kontextwert(const CNGramme& zaehler, const CKontext& k, std::uint32_t w) {
    if (k.v == CNGramme::kKein || w == CNGramme::kKein) return 0;
    if (k.u != CNGramme::kKein) {
        const std::uint32_t uvw = zaehler.Tripel(k.u, k.v, w);
        if (uvw > 0) return static_cast<double>(uvw) / std::max(1u, zaehler.Paar(k.u, k.v));
    }
    const std::uint32_t vw = zaehler.Paar(k.v, w);
    if (vw > 0) return kRueckfall * vw / std::max(1u, zaehler.Einzeln(k.v));
    return 0;
}

std::uint32_t CVorhersage::Rang(std::string_view schluessel) const {
    if (!m_wortliste) return CWortliste::kOhneRang;
    const auto f = m_wortliste->Finden(schluessel);
    return f ? f->rang : CWortliste::kOhneRang;
}

double CVorhersage::Wert(const CKontext& k, std::string_view schluessel) const {
    const std::uint32_t w = m_zaehler.Finden(schluessel);
    if (w != CNGramme::kKein && m_zaehler.Einzeln(w) > 0 && m_zaehler.Summe() > 0) {
        // Interpolated rather than backed off: with few sentences learned a
        // pair seen often says more than a triple seen once.
        double p3 = 0, p2 = 0;
        if (k.v != CNGramme::kKein) {
            if (k.u != CNGramme::kKein && m_zaehler.Paar(k.u, k.v) > 0)
                p3 = static_cast<double>(m_zaehler.Tripel(k.u, k.v, w)) / m_zaehler.Paar(k.u, k.v);
            if (m_zaehler.Einzeln(k.v) > 0)
                p2 = static_cast<double>(m_zaehler.Paar(k.v, w)) / m_zaehler.Einzeln(k.v);
        }
        const double p1 = static_cast<double>(m_zaehler.Einzeln(w)) / m_zaehler.Summe();
        return kL3 * p3 + kL2 * p2 + kL1 * p1;
    }
    // Never said: far below anything said, the more common word higher.
    const std::uint32_t rang = Rang(schluessel);
    return 1e-9 / (rang == CWortliste::kOhneRang ? 1e6 : rang);
}

std::string CVorhersage::Schreibung(const std::string& schluessel, std::uint32_t nummer) const {
    const std::string l = schluessel::Locker(schluessel);
    auto it =
        std::lower_bound(m_eigene.begin(), m_eigene.end(), l,
                         [](const CEigenesWort& e, const std::string& k) { return e.locker < k; });
    for (; it != m_eigene.end() && it->locker == l; ++it)
        if (it->schluessel == schluessel) return it->schreibung;
    if (m_wortliste) {
        if (const auto f = m_wortliste->Finden(schluessel)) return std::string(f->schreibung);
    }
    if (nummer != CNGramme::kKein) return m_zaehler.Schreibung(nummer);
    return schluessel;
}

// ---------------------------------------------------------------- answers

std::vector<std::string> CVorhersage::Vorschlagen(std::string_view text, std::size_t anzahl) const {
    std::vector<std::string> aus;
    if (!HatWortliste() || anzahl == 0) return aus;
    std::size_t anfang = text.size();
    while (anfang > 0 && !IstTrenner(text[anfang - 1])) --anfang;
    const std::string_view roh = text.substr(anfang);
    const std::string_view getippt = schluessel::Bereinigt(roh);
    if (!roh.empty() && getippt.empty()) return aus;  // punctuation only
    if (utf8::Laenge(getippt) > kLaengstesWort) return aus;
    const std::string praefix = schluessel::Wort(getippt);
    const bool gross = schluessel::GrossAmAnfang(getippt);
    const std::string locker = schluessel::Locker(getippt);
    const CKontext k = KontextVor(m_zaehler, text, anfang);

    std::unordered_set<std::string> genommen;
    auto Nehmen = [&](const std::string& s, std::uint32_t nummer) {
        if (aus.size() >= anzahl || !genommen.insert(s).second) return;
        const std::string w = Schreibung(s, nummer);
        aus.push_back(gross ? schluessel::GrossAnfang(w) : w);
    };
    // A capital typed inside a sentence means a noun: within a tier, words
    // written with a capital go first.
    const bool nomen = gross && k.v != CNGramme::kAnfang;
    std::vector<std::pair<std::string, std::uint32_t>> stufe;
    auto StufeNehmen = [&] {
        if (nomen)
            std::stable_partition(stufe.begin(), stufe.end(), [&](const auto& e) {
                return schluessel::GrossAmAnfang(Schreibung(e.first, e.second));
            });
        for (const auto& [s, nummer] : stufe) Nehmen(s, nummer);
        stufe.clear();
    };

    // Words said after the context, by their back-off score; then those that
    // followed it in the lexicon's everyday sentences.
    // The higher score first, then the word said more often.
    const auto BesserIn = [](const CNGramme& z) {
        return [&z](const std::pair<double, std::uint32_t>& a,
                    const std::pair<double, std::uint32_t>& b) {
            if (a.first != b.first) return a.first > b.first;
            const auto ca = z.Einzeln(a.second), cb = z.Einzeln(b.second);
            return ca != cb ? ca > cb : a.second < b.second;
        };
    };
    auto NachKontext = [&](const CNGramme& z, const CKontext& kz) {
        std::unordered_map<std::uint32_t, double> kontext;
        // Stupid back-off: a word seen after both words keeps that score.
        auto Folger = [&](double faktor, std::uint32_t nenner, bool zurueck) {
            return [&, faktor, nenner, zurueck](std::uint32_t w, std::uint32_t c) {
                if (!schluessel::BeginntMit(z.Schluessel(w), praefix)) return;
                if (zurueck && kontext.count(w) > 0) return;
                kontext[w] = faktor * c / std::max(1u, nenner);
            };
        };
        if (kz.v != CNGramme::kKein) {
            if (kz.u != CNGramme::kKein)
                z.NachTripel(kz.u, kz.v, Folger(1.0, z.Paar(kz.u, kz.v), false));
            z.NachPaar(kz.v, Folger(kRueckfall, z.Einzeln(kz.v), true));
        }
        std::vector<std::pair<double, std::uint32_t>> reihe;
        for (const auto& [w, wert] : kontext)
            if (w != CNGramme::kAnfang) reihe.emplace_back(wert, w);
        const std::size_t oben = std::min(reihe.size(), anzahl);
        std::partial_sort(reihe.begin(), reihe.begin() + static_cast<long>(oben), reihe.end(),
                          BesserIn(z));
        for (std::size_t i = 0; i < oben; ++i) {
            const std::string& s = z.Schluessel(reihe[i].second);
            Nehmen(s, &z == &m_zaehler ? reihe[i].second : m_zaehler.Finden(s));
        }
    };
    NachKontext(m_zaehler, k);
    if (aus.size() < anzahl) NachKontext(m_grund, KontextVor(m_grund, text, anfang));
    const auto Besser = BesserIn(m_zaehler);

    // The user's own words, the said ones (more often) first, then the common.
    if (aus.size() < anzahl) {
        std::vector<std::tuple<std::uint32_t, std::uint32_t, const CEigenesWort*>> eigene;
        auto it = std::lower_bound(
            m_eigene.begin(), m_eigene.end(), locker,
            [](const CEigenesWort& e, const std::string& p) { return e.locker < p; });
        for (; it != m_eigene.end() && it->locker.compare(0, locker.size(), locker) == 0; ++it) {
            if (!schluessel::BeginntMit(it->schluessel, praefix)) continue;
            const std::uint32_t w = m_zaehler.Finden(it->schluessel);
            const std::uint32_t c = w == CNGramme::kKein ? 0 : m_zaehler.Einzeln(w);
            eigene.emplace_back(UINT32_MAX - c, Rang(it->schluessel), &*it);
        }
        std::sort(eigene.begin(), eigene.end());
        for (const auto& [c, r, e] : eigene) stufe.emplace_back(e->schluessel, CNGramme::kKein);
        StufeNehmen();
    }
    // Other words said.
    if (aus.size() < anzahl) {
        std::vector<std::pair<double, std::uint32_t>> gesagt;
        auto it = std::lower_bound(m_gesagt.begin(), m_gesagt.end(), locker, LockerVor);
        for (; it != m_gesagt.end() && it->first.compare(0, locker.size(), locker) == 0; ++it) {
            const std::uint32_t c = m_zaehler.Einzeln(it->second);
            if (c > 0 && schluessel::BeginntMit(m_zaehler.Schluessel(it->second), praefix))
                gesagt.emplace_back(static_cast<double>(c), it->second);
        }
        const std::size_t n = std::min(gesagt.size(), nomen ? 4 * anzahl : anzahl);
        std::partial_sort(gesagt.begin(), gesagt.begin() + static_cast<long>(n), gesagt.end(),
                          Besser);
        for (std::size_t i = 0; i < n; ++i)
            stufe.emplace_back(m_zaehler.Schluessel(gesagt[i].second), gesagt[i].second);
        StufeNehmen();
    }
    // The base lexicon.
    if (aus.size() < anzahl) {
        std::vector<CWortliste::CForm> formen;
        m_wortliste->Vervollstaendigen(praefix, (nomen ? 8 : 1) * anzahl + genommen.size(), formen);
        for (const auto& f : formen) stufe.emplace_back(std::string(f.schluessel), CNGramme::kKein);
        StufeNehmen();
    }
    return aus;
}
