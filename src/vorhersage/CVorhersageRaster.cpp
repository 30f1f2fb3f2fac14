// The grid's row of CVorhersage: the user's elements most likely next.
#include "CVorhersage.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>

#include "CWortelement.h"
#include "CWortliste.h"
#include "Schluessel.h"
#include "Utf8.h"

namespace {

// After a person word or a modal the next word is mostly a verb: the share
// of the back-off mass the verbs take there, and what is left to the rest.
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

}  // namespace

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
