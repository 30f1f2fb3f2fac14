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

constexpr double kRueckfall = 0.4;  // stupid back-off's factor
// After a person word or a modal the next word is mostly a verb: the share
// of the back-off mass the verbs take there, and what is left to the rest.
// Weights of triple, pair and word share for the grid's row.
constexpr double kL3 = 0.5, kL2 = 0.4, kL1 = 0.1;
constexpr double kVerbanteil = 0.8;
// An element whose word the sentence already holds is seldom said twice.
// The same when the modal stood further back and its infinitive is due.
constexpr double kOffenAnteil = 1.5;
// A verb never seen there, in a clause that holds one already.
constexpr double kZweitesVerb = 0.2;
constexpr double kSchonGesagt = 0.2;
// The class back-off on the word before: its weight, the sayings of a noun
// below which it is used, and the followers it walks at most.
constexpr double kKlasse = 0.4;
constexpr std::uint32_t kSelten = 20;
constexpr std::size_t kHoechstensFolger = 20'000;
// The weight of the lexicon's everyday sentences against the user's own.
constexpr double kGrund = 1.0;

// Forms after which an infinitive follows (modals and "werden").
bool IstModal(std::string_view schluessel) {
    static const std::unordered_set<std::string_view> kModal = {
        "möchte", "möchtest", "möchten", "möchtet", "will",   "willst", "wollen",  "wollt",
        "kann",   "kannst",   "können",  "könnt",   "muss",   "musst",  "müssen",  "müsst",
        "darf",   "darfst",   "dürfen",  "dürft",   "soll",   "sollst", "sollen",  "sollt",
        "werde",  "wirst",    "wird",    "werden",  "werdet", "würde",  "würdest", "würden"};
    return kModal.count(schluessel) > 0;
}

// What a click on the element adds: a verb's form for the person and tense
// chosen, else its word.
const std::string& Klicktext(const CVorhersage::CElement& e, int verbform) {
    if (e.verb && verbform >= 0 && verbform < static_cast<int>(e.formen.size()) &&
        !e.formen[static_cast<std::size_t>(verbform)].empty())
        return e.formen[static_cast<std::size_t>(verbform)];
    return e.wort;
}

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
        auto Besser = [&z](const std::pair<double, std::uint32_t>& a,
                           const std::pair<double, std::uint32_t>& b) {
            if (a.first != b.first) return a.first > b.first;
            const auto ca = z.Einzeln(a.second), cb = z.Einzeln(b.second);
            return ca != cb ? ca > cb : a.second < b.second;
        };
        const std::size_t oben = std::min(reihe.size(), anzahl);
        std::partial_sort(reihe.begin(), reihe.begin() + static_cast<long>(oben), reihe.end(),
                          Besser);
        for (std::size_t i = 0; i < oben; ++i) {
            const std::string& s = z.Schluessel(reihe[i].second);
            Nehmen(s, &z == &m_zaehler ? reihe[i].second : m_zaehler.Finden(s));
        }
    };
    NachKontext(m_zaehler, k);
    if (aus.size() < anzahl) NachKontext(m_grund, KontextVor(m_grund, text, anfang));
    auto Besser = [this](const std::pair<double, std::uint32_t>& a,
                         const std::pair<double, std::uint32_t>& b) {
        if (a.first != b.first) return a.first > b.first;
        const auto ca = m_zaehler.Einzeln(a.second), cb = m_zaehler.Einzeln(b.second);
        return ca != cb ? ca > cb : a.second < b.second;
    };

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

std::vector<CVorhersage::CElementVorschlag> CVorhersage::Elemente(
    std::string_view satz, int verbform, std::size_t anzahl,
    const std::vector<long>& sichtbar) const {
    const CKontext k = KontextVor(m_zaehler, satz, satz.size());
    const CKontext gk = KontextVor(m_grund, satz, satz.size());
    // The user's counts and the everyday sentences' at their weight: for the
    // class back-offs below.
    struct CQuelle {
        const CNGramme& z;
        const CKontext& k;
        double gewicht;
    };
    const CQuelle quellen[] = {{m_zaehler, k, 1.0}, {m_grund, gk, kGrund}};
    // Class back-off: how often a noun (a word written with a capital)
    // followed the last word. A word never seen after it takes the share of
    // its class, so that "der Bus" is likely once "der Tee" was said.
    double nomen = 0.5;
    if (k.v != CNGramme::kKein || gk.v != CNGramme::kKein) {
        double gross = 0, alle = 0;
        for (const CQuelle& q : quellen) {
            if (q.k.v == CNGramme::kKein) continue;
            q.z.NachPaar(q.k.v, [&](std::uint32_t w, std::uint32_t c) {
                alle += q.gewicht * c;
                if (schluessel::GrossAmAnfang(q.z.Schreibung(w))) gross += q.gewicht * c;
            });
        }
        nomen = (gross + kEinheit / 2.0) / (alle + kEinheit);
    }
    // After a person word or a modal: verbs take most of the back-off mass,
    // shared by how often the user took them and by their lexicon rank, so
    // that "ich" offers the user's verbs even before anything was learned.
    std::unordered_set<std::string> imSatz;
    bool verbkontext = VerbformNachPerson(satz) >= 0;
    bool person = verbkontext;
    bool offen = false;
    bool verbImSatz = false;
    std::string_view letztesRoh;
    std::string letztes;  // the key of the last word
    {
        std::vector<std::string_view> ws;
        schluessel::Woerter(satz.substr(satz.size() > 400 ? satz.size() - 400 : 0), ws);
        for (std::string_view roh : ws) {
            const std::string_view w = schluessel::Bereinigt(roh);
            if (!w.empty() && utf8::Laenge(w) <= kLaengstesWort) imSatz.insert(schluessel::Wort(w));
        }
        // "das weiß ich": a person word inside the clause mostly follows its
        // verb (the verb stands second); only at the clause's start or after
        // "und", "aber", "oder" the verb comes next.
        if (verbkontext && ws.size() >= 2 && !schluessel::Satzende(ws[ws.size() - 2])) {
            const std::string vor = schluessel::Wort(schluessel::Bereinigt(ws[ws.size() - 2]));
            verbkontext = vor == "und" || vor == "aber" || vor == "oder" || vor == "denn";
        }
        person = verbkontext;
        if (!ws.empty() && !schluessel::Satzende(ws.back())) {
            letztesRoh = schluessel::Bereinigt(ws.back());
            letztes = schluessel::Wort(letztesRoh);
        }
        if (!ws.empty() && !schluessel::Satzende(ws.back()))
            verbkontext =
                verbkontext || IstModal(schluessel::Wort(schluessel::Bereinigt(ws.back())));
        // A modal earlier in the sentence whose infinitive has not come yet:
        // it stands at the end ("ich möchte etwas trinken").
        if (!verbkontext) {
            std::unordered_set<std::string> infinitive;
            for (const CElement& e : m_elemente)
                if (e.verb) infinitive.insert(schluessel::Wort(e.anzeige));
            for (std::string_view roh : ws) {
                const std::string w = schluessel::Wort(schluessel::Bereinigt(roh));
                if (IstModal(w))
                    offen = true;
                else if (infinitive.count(w) > 0)
                    offen = false;
                if (schluessel::Satzende(roh)) offen = false;
            }
        }
        // A clause that holds a finite verb seldom takes a second one.
        if (!verbkontext && !offen) {
            const std::unordered_set<std::string>& finit = m_finit;
            std::size_t imTeilsatz = 0;
            for (std::string_view roh : ws) {
                ++imTeilsatz;
                if (finit.count(schluessel::Wort(schluessel::Bereinigt(roh))) > 0)
                    verbImSatz = true;
                if (schluessel::Satzende(roh)) {
                    verbImSatz = false;
                    imTeilsatz = 0;
                }
            }
            // Three words in, the verb has come (it stands second).
            verbImSatz = verbImSatz || imTeilsatz >= 3;
        }
    }
    // Class back-off by category: the words said after the last word that
    // are the user's elements give their categories' share, so that "mein
    // Kopf" makes "mein Rücken" likely, not "mein Kaffee".
    std::unordered_map<long, double> kategorieAnteil;
    if (!m_nachErstemWort.empty()) {
        double alle = 0;
        std::unordered_map<long, double> masse;
        for (const CQuelle& q : quellen) {
            if (q.k.v == CNGramme::kKein) continue;
            q.z.NachPaar(q.k.v, [&](std::uint32_t w, std::uint32_t c) {
                alle += q.gewicht * c;
                const auto it = m_nachErstemWort.find(q.z.Schluessel(w));
                if (it == m_nachErstemWort.end()) return;
                std::unordered_set<long> kategorien;
                for (std::size_t i : it->second) kategorien.insert(m_elemente[i].kategorie);
                for (long kat : kategorien)
                    masse[kat] += q.gewicht * static_cast<double>(c) / kategorien.size();
            });
        }
        for (const auto& [kat, m] : masse)
            kategorieAnteil[kat] = m / alle / static_cast<double>(m_woerterJeKategorie.at(kat));
    }
    // Class back-off on the word before: after a noun of the user's
    // vocabulary a word takes what followed the other nouns of its category,
    // so that "mein Rücken" goes on with "tut" once "mein Kopf tut weh" was
    // said.
    // By word number, one map for each source; a share of all that followed
    // the category's nouns.
    std::unordered_map<std::uint32_t, double> nachKlasse[2];
    // Only for a noun said seldom (what was said after it is evidence
    // enough otherwise), and within a bound of followers walked.
    const bool selten = k.v == CNGramme::kKein || m_zaehler.Einzeln(k.v) < kSelten * kEinheit;
    if (!letztes.empty() && selten && schluessel::GrossAmAnfang(letztesRoh)) {
        if (const auto it = m_nachErstemWort.find(letztes); it != m_nachErstemWort.end()) {
            std::size_t gegangen = 0;
            std::unordered_set<long> kategorien;
            for (std::size_t i : it->second) kategorien.insert(m_elemente[i].kategorie);
            double nachbarn = 0;
            for (std::size_t j = 0; j < m_elemente.size(); ++j) {
                const CElement& e = m_elemente[j];
                if (e.verb || m_erstesWort[j] == letztes || kategorien.count(e.kategorie) == 0)
                    continue;
                for (std::size_t q = 0; q < 2; ++q) {
                    const CNGramme& z = quellen[q].z;
                    const std::uint32_t x = z.Finden(m_erstesWort[j]);
                    if (x == CNGramme::kKein || z.Einzeln(x) == 0 || gegangen > kHoechstensFolger)
                        continue;
                    const double g = quellen[q].gewicht;
                    z.NachPaar(x, [&](std::uint32_t w, std::uint32_t c) {
                        nachKlasse[q][w] += g * static_cast<double>(c);
                        ++gegangen;
                    });
                    nachbarn += g * z.Einzeln(x);
                }
            }
            for (auto& karte : nachKlasse)
                for (auto& [w, p] : karte) p /= nachbarn;
        }
    }
    const bool mitKlasse = !nachKlasse[0].empty() || !nachKlasse[1].empty();
    std::vector<double> verbgewicht(m_elemente.size(), 0);
    double verbsumme = 0;
    if (verbkontext || offen) {
        for (std::size_t i = 0; i < m_elemente.size(); ++i) {
            const CElement& e = m_elemente[i];
            // After a modal comes an infinitive, not a second modal.
            if (!e.verb || ((offen || !person) && IstModal(schluessel::Wort(e.anzeige)))) continue;
            std::string_view erstes = e.wort;
            if (verbform >= 0 && verbform < static_cast<int>(e.formen.size()) &&
                !e.formen[static_cast<std::size_t>(verbform)].empty())
                erstes = e.formen[static_cast<std::size_t>(verbform)];
            erstes = erstes.substr(0, erstes.find(' '));
            const std::string s = schluessel::Wort(schluessel::Bereinigt(erstes));
            const std::uint32_t w = m_zaehler.Finden(s);
            const std::uint32_t g = m_grund.Finden(s);
            const double gesagt =
                ((w == CNGramme::kKein ? 0 : static_cast<double>(m_zaehler.Einzeln(w))) +
                 (g == CNGramme::kKein ? 0 : kGrund * m_grund.Einzeln(g))) /
                kEinheit;
            const std::uint32_t rang = std::min(Rang(s), Rang(schluessel::Wort(e.anzeige)));
            const double haeufig =
                rang == CWortliste::kOhneRang ? 0.05 : 1.0 / (1.0 + rang / 500.0);
            // What the user said or took outweighs the lexicon's rank.
            verbgewicht[i] = haeufig + gesagt + static_cast<double>(std::max(0L, e.anzahl));
            verbsumme += verbgewicht[i];
        }
    }
    struct CWertung {
        double wert;
        double allein;  // without the context: among equals the more common word
        long anzahl;
        std::size_t reihe;
        std::string wort;
    };
    std::vector<CWertung> wertungen;
    std::vector<std::string_view> woerter;
    for (std::size_t i = 0; i < m_elemente.size(); ++i) {
        const CElement& e = m_elemente[i];
        std::string wort = Klicktext(e, verbform);
        // A text of several words ("nach Hause", "habe gegessen"): each word
        // after the ones before it.
        woerter.clear();
        schluessel::Woerter(wort, woerter);
        double wert = woerter.empty() ? 0 : 1;
        double allein = wert;
        CKontext kk = k, gkk = gk;
        for (std::string_view roh : woerter) {
            const std::string_view w = schluessel::Bereinigt(roh);
            const std::string s = schluessel::Wort(w);
            const bool erstes = roh.data() == woerter.front().data();
            const double klasse = schluessel::GrossAmAnfang(w) ? nomen : 1 - nomen;
            const bool belegt = Kontextwert(m_zaehler, kk, m_zaehler.Finden(s)) > 0;
            double einzeln = Wert(kk, s) * (erstes && !belegt ? klasse : 1);
            if (erstes && !belegt && verbkontext)
                einzeln =
                    e.verb && verbsumme > 0
                        ? std::max(einzeln, kRueckfall * kVerbanteil * verbgewicht[i] / verbsumme)
                        : einzeln * (1 - kVerbanteil);
            else if (erstes && !belegt && offen && verbform < 0 && e.verb && verbsumme > 0)
                einzeln = std::max(
                    einzeln, kRueckfall * kOffenAnteil * (1 - nomen) * verbgewicht[i] / verbsumme);
            else if (erstes && !belegt && verbImSatz &&
                     (e.verb || (!e.verb && m_finit.count(s) > 0)))
                einzeln *= kZweitesVerb;
            if (erstes && !belegt && !e.verb && !kategorieAnteil.empty()) {
                const auto it = kategorieAnteil.find(e.kategorie);
                if (it != kategorieAnteil.end())
                    einzeln = std::max(einzeln, kL2 * kRueckfall * it->second);
            }
            if (erstes && !belegt && mitKlasse) {
                double p = 0;
                for (std::size_t q = 0; q < 2; ++q) {
                    const auto it = nachKlasse[q].find(quellen[q].z.Finden(s));
                    if (it != nachKlasse[q].end()) p += it->second;
                }
                if (p > 0) einzeln = std::max(einzeln, kKlasse * kRueckfall * p);
            }
            // Interpolated with what the everyday sentences know there.
            einzeln += kGrund * Kontextwert(m_grund, gkk, m_grund.Finden(s));
            if (erstes && imSatz.count(s) > 0) einzeln *= kSchonGesagt;
            wert *= einzeln;
            allein *= Wert({}, s);
            kk = {kk.v, m_zaehler.Finden(s)};
            gkk = {gkk.v, m_grund.Finden(s)};
        }
        if (wert > 0) wertungen.push_back({wert, allein, e.anzahl, i, std::move(wort)});
    }
    std::sort(wertungen.begin(), wertungen.end(), [](const CWertung& a, const CWertung& b) {
        if (a.wert != b.wert) return a.wert > b.wert;
        if (a.allein != b.allein) return a.allein > b.allein;
        if (a.anzahl != b.anzahl) return a.anzahl > b.anzahl;
        return a.reihe < b.reihe;
    });
    // One button per word: the words the grid shows, and those offered
    // already, are taken.
    std::unordered_set<std::string> vergeben;
    for (std::size_t i = 0; i < m_elemente.size() && !sichtbar.empty(); ++i) {
        if (std::find(sichtbar.begin(), sichtbar.end(), m_elemente[i].element) == sichtbar.end())
            continue;
        const CElement& e = m_elemente[i];
        std::string wort = Klicktext(e, verbform);
        vergeben.insert(utf8::Falten(wort));
    }
    std::vector<CElementVorschlag> aus;
    std::unordered_map<std::string, std::size_t> angeboten;  // word -> place in aus
    std::vector<bool> istVerb;
    for (std::size_t i = 0; i < wertungen.size(); ++i) {
        const CElement& e = m_elemente[wertungen[i].reihe];
        const std::string gefaltet = utf8::Falten(wertungen[i].wort);
        if (const auto it = angeboten.find(gefaltet); it != angeboten.end()) {
            // "möchte" as a word of the core page and as the form of
            // "möchten": the verb, which takes the person chosen along (and
            // brings its picture).
            if (e.verb && !istVerb[it->second]) {
                aus[it->second] = {e.element, e.anzeige, aus[it->second].wort};
                istVerb[it->second] = true;
            }
            continue;
        }
        if (aus.size() >= anzahl || !vergeben.insert(gefaltet).second) continue;
        angeboten.emplace(gefaltet, aus.size());
        aus.push_back({e.element, e.anzeige, wertungen[i].wort});
        istVerb.push_back(e.verb);
    }
    return aus;
}

bool CVorhersage::IstFiniteVerbform(std::string_view wort) const {
    return m_finit.count(schluessel::Wort(schluessel::Bereinigt(wort))) > 0;
}

int CVorhersage::VerbformNachPerson(std::string_view satz) {
    std::vector<std::string_view> woerter;
    schluessel::Woerter(satz.substr(satz.size() > 64 ? satz.size() - 64 : 0), woerter);
    if (woerter.empty()) return -1;
    const std::string w = schluessel::Wort(schluessel::Bereinigt(woerter.back()));
    using Z = CWortelement::Zeit;
    using N = CWortelement::Zahl;
    if (w == "ich") return CWortelement::Slot(Z::Gegenwart, N::Einzahl, 1);
    if (w == "du") return CWortelement::Slot(Z::Gegenwart, N::Einzahl, 2);
    if (w == "er" || w == "sie" || w == "es")
        return CWortelement::Slot(Z::Gegenwart, N::Einzahl, 3);
    if (w == "wir") return CWortelement::Slot(Z::Gegenwart, N::Mehrzahl, 1);
    if (w == "ihr") return CWortelement::Slot(Z::Gegenwart, N::Mehrzahl, 2);
    return -1;
}

std::size_t CVorhersage::Speicherbedarf() const {
    std::size_t n = m_zaehler.Speicherbedarf();
    n += m_gesagt.capacity() * sizeof(m_gesagt[0]);
    n += m_eigene.capacity() * sizeof(CEigenesWort) + m_elemente.capacity() * sizeof(CElement);
    return n;
}
