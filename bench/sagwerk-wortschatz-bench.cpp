// How much of everyday speech the starter vocabulary holds, and how many
// selections a word costs on the grid.
//
//   sagwerk-wortschatz-bench [--saetze bench/grundwortschatz-saetze.txt]
//                            [--vorher FILE] [--nachher res/wortschatz.txt] [--fehlend 1]
//
// Each vocabulary is written into a fresh user file as a new user gets it and
// read back as the program reads it. For each sentence (a person starts on
// the start page) every word is looked for among the word elements, the
// verbs in the form the person and tense buttons before it give, and the
// person buttons; the longest run of words an element gives is taken. A
// word found costs the shortest way on the screen, as a breadth-first
// search over what the screen can show: the grid's pages with their paging
// buttons ("letzte Seite", "nächste Seite", as the grid pages), the links,
// "Startseite", "letzte Kategorie" (one step back), the button "Verben"
// with the list of all verbs, a tense button when the verb's form needs
// another tense, and the click on the element itself. Without the row of
// word suggestions. A word not found is typed: the keyboard on, its letters,
// the blank, the keyboard off.
// For 6 x 4 (a new user's grid) and 8 x 5.

#include <cstdlib>

#include <deque>
#include <filesystem>
#include <iomanip>
#include <iostream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "BenchHilfen.h"
#include "BenutzerAnlegen.h"
#include "CDatenbank.h"
#include "CSystemUhr.h"
#include "CWortschatz.h"
#include "Schluessel.h"

namespace {

std::map<std::string, std::string> g_args = {{"--saetze", "bench/grundwortschatz-saetze.txt"},
                                             {"--vorher", ""},
                                             {"--nachher", "res/wortschatz.txt"},
                                             {"--fehlend", "0"}};

[[noreturn]] void Abbruch(const std::string& text) {
    std::cerr << text << '\n';
    std::exit(1);
}

std::vector<std::string> Woerter(const std::string& satz) {
    std::vector<std::string_view> w;
    schluessel::Woerter(satz, w);
    std::vector<std::string> r;
    for (auto x : w) {
        const auto b = schluessel::Bereinigt(x);
        if (!b.empty()) r.push_back(schluessel::Wort(b));
    }
    return r;
}

constexpr long kVerben = -1;  // the list of all verbs, as a category of its own

struct Element {
    CWortelement ganz;
    long ziel = 0;  // a link's target, else 0
};

struct Wortschatz {
    std::map<long, std::vector<Element>> listen;  // category (or kVerben) -> Pos order
};

Wortschatz Lesen(const std::string& datei) {
    const std::string ordner = (std::filesystem::temp_directory_path() /
                                ("sagwerk-wortschatz-bench-" + std::to_string(::getpid())))
                                   .string();
    std::filesystem::create_directories(ordner);
    const std::string pfad = ordner + "/Bench.mdb";
    std::filesystem::remove(pfad);
    bench::Dialoge dialoge;
    CSystemUhr uhr;
    std::string fehler;
    CWortschatz w;
    if (!w.LesenDatei(datei, fehler)) Abbruch(fehler);
    if (!CreateUserDatabase(pfad, "Bench", "", fehler)) Abbruch(fehler);
    Wortschatz r;
    {
        CDatenbank db(pfad, dialoge, uhr);
        if (!db.BeginTransaction() || !w.Schreiben(db) || !db.EndTransaction(true))
            Abbruch("Der Wortschatz " + datei + " ließ sich nicht schreiben.");
        std::vector<long> kategorien;
        CKategorie k;
        for (bool da = db.FirstKategorie(k); da; da = db.NextKategorie(k))
            kategorien.push_back(k.GetIndex());
        kategorien.push_back(kVerben);
        for (long kat : kategorien) {
            std::vector<CWortelement> el;
            std::vector<CWortButton> knoepfe;
            db.LoadWortelemente(kat == kVerben ? 0 : kat, kat == kVerben, el, knoepfe);
            for (std::size_t i = 0; i < el.size(); ++i)
                r.listen[kat].push_back(
                    {el[i], knoepfe[i].IsLink() ? knoepfe[i].GetKategorie() : 0});
        }
    }
    std::filesystem::remove_all(ordner);
    return r;
}

// What the screen shows: a list, its page, and where "letzte Kategorie" leads.
struct Zustand {
    long liste = 1;
    int seite = 0;
    long zurueck = 0;
    bool operator<(const Zustand& o) const {
        return std::tie(liste, seite, zurueck) < std::tie(o.liste, o.seite, o.zurueck);
    }
};

class Raster {
public:
    Raster(const Wortschatz& w, int knoepfe) : m_w(w), m_n(knoepfe) {}

    // The positions shown on the page, as the grid fills it.
    std::pair<long, long> Sichtbar(long liste, int seite) const {
        const long l = Laenge(liste);
        const long erstes = seite == 0 ? 0 : (m_n - 4) * (seite - 1) + m_n - 3;
        const long vorne = seite > 0 ? 3 : 2;
        const bool weiter = l - erstes > m_n - vorne;
        return {erstes, std::min(l, erstes + m_n - vorne - (weiter ? 1 : 0))};
    }
    bool Weiter(long liste, int seite) const {
        return Sichtbar(liste, seite).second < Laenge(liste);
    }

    // Selections from `start` until element `pos` of `liste` is on screen;
    // the state then shown in `ende`.
    int Weg(const Zustand& start, long liste, long pos, Zustand& ende) const {
        std::map<Zustand, int> tiefe{{start, 0}};
        std::deque<Zustand> rand{start};
        while (!rand.empty()) {
            const Zustand z = rand.front();
            rand.pop_front();
            const int d = tiefe[z];
            if (z.liste == liste) {
                const auto [a, b] = Sichtbar(z.liste, z.seite);
                if (pos >= a && pos < b) {
                    ende = z;
                    return d;
                }
            }
            if (d >= 30) continue;
            std::vector<Zustand> nach;
            if (z.seite > 0) nach.push_back({z.liste, z.seite - 1, z.zurueck});
            if (Weiter(z.liste, z.seite)) nach.push_back({z.liste, z.seite + 1, z.zurueck});
            const long hier = z.liste == kVerben ? z.zurueck : z.liste;
            nach.push_back({1, 0, hier});                           // Startseite
            if (z.zurueck != 0) nach.push_back({z.zurueck, 0, 0});  // letzte Kategorie
            if (z.liste == kVerben) {
                if (z.zurueck != 0) nach.push_back({z.zurueck, 0, 0});  // Verben again
            } else {
                nach.push_back({kVerben, 0, z.liste});  // Verben
                const auto [a, b] = Sichtbar(z.liste, z.seite);
                const auto& el = m_w.listen.at(z.liste);
                for (long i = a; i < b; ++i)
                    if (el[static_cast<std::size_t>(i)].ziel != 0)
                        nach.push_back({el[static_cast<std::size_t>(i)].ziel, 0, z.liste});
            }
            for (const Zustand& n : nach) {
                if (tiefe.count(n)) continue;
                tiefe[n] = d + 1;
                rand.push_back(n);
            }
        }
        return -1;
    }

private:
    long Laenge(long liste) const {
        const auto it = m_w.listen.find(liste);
        return it == m_w.listen.end() ? 0 : static_cast<long>(it->second.size());
    }
    const Wortschatz& m_w;
    int m_n;
};

struct Zaehler {
    long woerter = 0, gefunden = 0, auswahlen = 0, getippt = 0;
    std::map<std::string, int> fehlend;
};

void Bauen(const Wortschatz& w, const Raster& raster, const std::string& satz, Zaehler& z) {
    static const std::map<std::string, int> kPersonen = {
        {"ich", 0}, {"du", 1}, {"er", 2}, {"sie", 3}, {"es", 4}, {"wir", 5}, {"ihr", 6}};
    const auto wort = Woerter(satz);
    Zustand jetzt;
    int person = -1, zeit = 0;
    for (std::size_t i = 0; i < wort.size();) {
        if (auto p = kPersonen.find(wort[i]); p != kPersonen.end()) {
            z.woerter += 1;
            z.gefunden += 1;
            z.auswahlen += 1;
            person = p->second;
            ++i;
            continue;
        }
        // The element giving the longest run of words, and of those the
        // shortest way; a verb in each tense its person can take.
        std::size_t laenge = 0;
        int kosten = 0, neueZeit = zeit;
        Zustand nachher;
        bool verb = false;
        for (const auto& [liste, elemente] : w.listen) {
            for (std::size_t pos = 0; pos < elemente.size(); ++pos) {
                const Element& e = elemente[pos];
                const long art = e.ganz.GetArt();
                if (art != CWortelement::Wort && art != CWortelement::Verb) continue;
                std::vector<std::pair<std::string, int>> texte;  // text, tense
                if (art == CWortelement::Wort) {
                    texte.push_back({e.ganz.GetForm(0), zeit});
                } else if (person < 0) {
                    texte.push_back({e.ganz.GetAnzeigetext(), zeit});
                } else {
                    using Z = CWortelement::Zeit;
                    const bool einzahl = person < 5;
                    for (int t = 0; t < 3; ++t) {
                        const Z zt = t == 0 ? Z::Gegenwart : t == 1 ? Z::Vergangenheit : Z::Zukunft;
                        texte.push_back({e.ganz.GetForm(CWortelement::Slot(
                                             zt,
                                             einzahl ? CWortelement::Zahl::Einzahl
                                                     : CWortelement::Zahl::Mehrzahl,
                                             einzahl ? std::min(person, 2) + 1 : person - 5 + 1)),
                                         t});
                    }
                }
                for (const auto& [text, t] : texte) {
                    const auto tw = Woerter(text);
                    if (tw.empty() || tw.size() < laenge || i + tw.size() > wort.size()) continue;
                    bool gleich = true;
                    for (std::size_t j = 0; j < tw.size() && gleich; ++j)
                        gleich = tw[j] == wort[i + j];
                    if (!gleich) continue;
                    Zustand ende;
                    const int d = raster.Weg(jetzt, liste, static_cast<long>(pos), ende);
                    if (d < 0) continue;
                    const int k = d + 1 + (t != zeit ? 1 : 0);
                    if (tw.size() > laenge || k < kosten) {
                        laenge = tw.size();
                        kosten = k;
                        nachher = ende;
                        neueZeit = t;
                        verb = art == CWortelement::Verb;
                    }
                }
            }
        }
        if (laenge == 0) {
            z.woerter += 1;
            z.getippt +=
                static_cast<long>(wort[i].size()) + 3;  // bytes: umlauts count as one key below
            for (unsigned char c : wort[i]) z.getippt -= (c & 0xC0) == 0x80;
            z.fehlend[wort[i]] += 1;
            ++i;
            continue;
        }
        z.woerter += static_cast<long>(laenge);
        z.gefunden += static_cast<long>(laenge);
        z.auswahlen += kosten;
        jetzt = nachher;
        zeit = neueZeit;
        if (verb) person = -1;
        i += laenge;
    }
}

}  // namespace

int main(int argc, char** argv) {
    for (int i = 1; i + 1 < argc; i += 2) {
        if (!g_args.count(argv[i])) Abbruch(std::string("Unbekannte Option ") + argv[i]);
        g_args[argv[i]] = argv[i + 1];
    }
    std::vector<std::pair<std::string, std::string>> saetze;  // situation, sentence
    {
        std::ifstream ein(g_args["--saetze"]);
        if (!ein) Abbruch("Die Sätze " + g_args["--saetze"] + " fehlen.");
        for (std::string zeile; std::getline(ein, zeile);) {
            if (zeile.empty() || zeile[0] == '#') continue;
            const auto strich = zeile.find('|');
            if (strich == std::string::npos) continue;
            saetze.push_back({CWortschatz::Trimmen(zeile.substr(0, strich)),
                              CWortschatz::Trimmen(zeile.substr(strich + 1))});
        }
    }
    std::cout << saetze.size() << " Sätze aus " << g_args["--saetze"] << "\n\n";
    std::cout << "| Wortschatz | Raster | Wörter im Wortschatz | Auswahlen je Wort "
                 "(gefundene) | Auswahlen je Wort (mit Tippen) |\n|---|---|---:|---:|---:|\n";
    std::map<std::string, int> fehlend;
    for (const auto& [name, datei] : std::vector<std::pair<std::string, std::string>>{
             {"vorher", g_args["--vorher"]}, {"nachher", g_args["--nachher"]}}) {
        if (datei.empty()) continue;
        const Wortschatz w = Lesen(datei);
        long eintraege = 0;
        for (const auto& [k, l] : w.listen)
            if (k != kVerben) eintraege += static_cast<long>(l.size());
        for (const auto& [spalten, zeilen] : std::vector<std::pair<int, int>>{{6, 4}, {8, 5}}) {
            const Raster raster(w, spalten * zeilen);
            Zaehler z;
            for (const auto& s : saetze) Bauen(w, raster, s.second, z);
            std::cout << "| " << name << " (" << eintraege << " Knöpfe) | " << spalten << " × "
                      << zeilen << " | " << std::fixed << std::setprecision(1)
                      << 100.0 * static_cast<double>(z.gefunden) / static_cast<double>(z.woerter)
                      << " % | " << std::setprecision(2)
                      << static_cast<double>(z.auswahlen) / static_cast<double>(z.gefunden) << " | "
                      << static_cast<double>(z.auswahlen + z.getippt) /
                             static_cast<double>(z.woerter)
                      << " |\n";
            if (name == "nachher" && spalten == 6) fehlend = z.fehlend;
        }
    }
    if (g_args["--fehlend"] != "0") {
        std::multimap<int, std::string, std::greater<>> nach;
        for (const auto& [w, n] : fehlend) nach.insert({n, w});
        std::cout << "\nNicht im Wortschatz (nachher):";
        for (const auto& [n, w] : nach) std::cout << ' ' << w << " (" << n << ')';
        std::cout << '\n';
    }
    return 0;
}
