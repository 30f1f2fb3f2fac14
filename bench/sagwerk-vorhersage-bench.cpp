// Measures the word prediction as a person using it would feel it.
//
//   sagwerk-vorhersage-bench [--saetze bench/alltagssaetze.txt]
//                            [--wortschatz res/wortschatz.txt] [--woerter res/woerter.txt]
//                            [--grundsaetze res/grundsaetze.txt]
//                            [--groesse 1000000] [--dir DIR] [--keep 1]
//
// Savings: a fresh user file gets the starter vocabulary and learns every
// other everyday sentence (said through the real store path, then read as
// the program reads a file); for each of the others, a person who always
// takes a right word offered counts keystrokes with the six offers of the
// keyboard against letter by letter (a capital is two keys: shift and the
// letter; a word taken brings its blank), and selections on the grid (8 x 5,
// as the grid pages) with the row of word elements against without it. The
// same for a new user (nothing learned; with and without the lexicon's
// everyday sentences, leaving out those tested), and for the keyboard with
// the base lexicon alone.
// Scale: a generated memory of --groesse sentences: how long until the first
// model (the newest sentences) is handed over and until the whole one is
// done, its memory, and the time of every prediction (p95).

#include <SQLiteCpp/SQLiteCpp.h>
#include <cstdlib>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <memory>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "BenchHilfen.h"
#include "BenutzerAnlegen.h"
#include "CDatenbank.h"
#include "CSystemUhr.h"
#include "CVorhersage.h"
#include "CVorhersageLader.h"
#include "CWortliste.h"
#include "CWortschatz.h"
#include "Schluessel.h"
#include "Utf8.h"

namespace {

using bench::Dialoge;
using bench::Ms;
using bench::RssKb;
using bench::Uhr;
using bench::Werte;
using bench::Zahl;

std::map<std::string, std::string> g_args = {{"--saetze", "bench/alltagssaetze.txt"},
                                             {"--wortschatz", "res/wortschatz.txt"},
                                             {"--woerter", "res/woerter.txt"},
                                             {"--grundsaetze", "res/grundsaetze.txt"},
                                             {"--groesse", "1000000"},
                                             {"--dir", ""},
                                             {"--keep", "0"}};

[[noreturn]] void Abbruch(const std::string& text) {
    std::cerr << text << '\n';
    std::exit(1);
}

std::vector<std::string> Woerter(const std::string& satz) {
    std::vector<std::string_view> w;
    schluessel::Woerter(satz, w);
    return {w.begin(), w.end()};
}

std::unique_ptr<CVorhersage> Modell(const std::string& datei,
                                    const std::shared_ptr<const CWortliste>& wortliste) {
    const std::atomic<bool> nie{false};
    auto e = CVorhersageLader::Laden(datei, wortliste, nie);
    if (!e.modell || !e.fehler.empty()) Abbruch(e.fehler);
    return std::move(e.modell);
}

// ------------------------------------------------------------ keyboard

struct Tasten {
    long mit = 0, ohne = 0;
};

// A capital costs the shift key too.
int Kosten(const std::string& zeichen) { return schluessel::GrossAmAnfang(zeichen) ? 2 : 1; }

Tasten Tippen(const CVorhersage& modell, const std::string& satz) {
    Tasten t;
    std::string text;
    for (const std::string& wort : Woerter(satz)) {
        std::vector<std::string> zeichen;
        for (std::size_t i = 0; i < wort.size();) {
            std::size_t n = 1;
            while (i + n < wort.size() && (static_cast<unsigned char>(wort[i + n]) & 0xC0) == 0x80)
                ++n;
            zeichen.push_back(wort.substr(i, n));
            i += n;
        }
        for (const auto& z : zeichen) t.ohne += Kosten(z);
        t.ohne += 1;  // the blank
        std::string getippt;
        for (std::size_t i = 0;; ++i) {
            const auto angebot = modell.Vorschlagen(text + getippt);
            if (std::find(angebot.begin(), angebot.end(), wort) != angebot.end()) {
                t.mit += 1;
                break;
            }
            if (i == zeichen.size()) {
                t.mit += 1;
                break;
            }
            t.mit += Kosten(zeichen[i]);
            getippt += zeichen[i];
        }
        text += wort + " ";
    }
    return t;
}

// ------------------------------------------------------------ grid

constexpr int kKnoepfe = 8 * 5;

struct Element {
    long index = 0;
    long art = 0;
    long kategorie = 0, pos = 0;  // pos from 0 in the category
    CWortelement ganz;
};

struct Raster {
    std::map<long, std::vector<Element>> seiten;  // category -> elements in Pos order
    std::map<long, int> tiefe;                    // selections from HOME to the category
};

Raster RasterLesen(const std::string& datei) {
    Dialoge dialoge;
    CSystemUhr uhr;
    CDatenbank db(datei, dialoge, uhr);
    Raster r;
    std::vector<long> kategorien = {1};
    CKategorie k;
    for (bool da = db.FirstKategorie(k); da; da = db.NextKategorie(k))
        if (k.GetIndex() != 1) kategorien.push_back(k.GetIndex());
    std::map<long, std::vector<long>> links;
    for (long kat : kategorien) {
        std::vector<CWortelement> el;
        std::vector<CWortButton> buttons;
        db.LoadWortelemente(kat, false, el, buttons);
        for (std::size_t i = 0; i < el.size(); ++i) {
            r.seiten[kat].push_back(
                {el[i].GetIndex(), el[i].GetArt(), kat, static_cast<long>(i), el[i]});
            if (buttons[i].IsLink()) links[kat].push_back(buttons[i].GetKategorie());
        }
    }
    std::vector<long> rand = {1};
    r.tiefe[1] = 0;
    while (!rand.empty()) {
        const long k0 = rand.front();
        rand.erase(rand.begin());
        for (long z : links[k0])
            if (!r.tiefe.count(z)) {
                r.tiefe[z] = r.tiefe[k0] + 1;
                rand.push_back(z);
            }
    }
    return r;
}

// The page of the grid that shows position p of a list of n entries.
int SeiteVon(long p, long n) {
    if (n <= kKnoepfe - 2 || p < kKnoepfe - 3) return 0;
    return 1 + static_cast<int>((p - (kKnoepfe - 3)) / (kKnoepfe - 4));
}

struct Auswahl {
    long mit = 0, ohne = 0, woerter = 0, fehlend = 0;
};

Auswahl Bauen(const CVorhersage& modell, const Raster& raster, const std::string& satz) {
    static const std::map<std::string, int> kPersonen = {
        {"ich", 0}, {"du", 1}, {"er", 2}, {"sie", 3}, {"es", 4}, {"wir", 5}, {"ihr", 6}};
    Auswahl a;
    const auto w = Woerter(satz);
    std::string gebaut;
    int person = -1;
    long katOhne = 1, katMit = 1;
    int seiteOhne = 0, seiteMit = 0;
    for (std::size_t i = 0; i < w.size();) {
        const std::string f = schluessel::Wort(w[i]);
        if (auto p = kPersonen.find(f); p != kPersonen.end()) {
            a.mit += 1;
            a.ohne += 1;
            a.woerter += 1;
            person = p->second;
            gebaut += w[i] + " ";
            ++i;
            continue;
        }
        // The slot a verb click takes, as the document does.
        int slot = -1;
        if (person >= 0) {
            const bool einzahl = person < 5;
            slot = CWortelement::Slot(
                CWortelement::Zeit::Gegenwart,
                einzahl ? CWortelement::Zahl::Einzahl : CWortelement::Zahl::Mehrzahl,
                einzahl ? std::min(person, 2) + 1 : person - 5 + 1);
        }
        const Element* treffer = nullptr;
        std::size_t laenge = 0;
        for (const auto& [kat, elemente] : raster.seiten) {
            if (!raster.tiefe.count(kat)) continue;
            for (const Element& e : elemente) {
                if (e.art != CWortelement::Wort && e.art != CWortelement::Verb) continue;
                const std::string text =
                    e.art == CWortelement::Verb
                        ? (slot >= 0 ? e.ganz.GetForm(slot) : e.ganz.GetAnzeigetext())
                        : e.ganz.GetForm(0);
                const auto tw = Woerter(text);
                if (tw.empty() || tw.size() <= laenge || i + tw.size() > w.size()) continue;
                bool gleich = true;
                for (std::size_t j = 0; j < tw.size() && gleich; ++j)
                    gleich = schluessel::Wort(tw[j]) == schluessel::Wort(w[i + j]);
                if (gleich) {
                    treffer = &e;
                    laenge = tw.size();
                }
            }
        }
        if (treffer == nullptr) {
            a.fehlend += 1;
            gebaut += w[i] + " ";
            ++i;
            continue;
        }
        const int seite =
            SeiteVon(treffer->pos, static_cast<long>(raster.seiten.at(treffer->kategorie).size()));
        auto Weg = [&](long& kat, int& s) {
            long kosten = 0;
            if (kat == treffer->kategorie) {
                kosten = std::abs(s - seite);
            } else {
                kosten = (kat != 1 ? 1 : 0) + raster.tiefe.at(treffer->kategorie) + seite;
            }
            kat = treffer->kategorie;
            s = seite;
            return kosten + 1;
        };
        a.ohne += Weg(katOhne, seiteOhne);
        // The row leaves out what the page the user looks at shows.
        std::vector<long> sichtbar;
        if (const auto seiten = raster.seiten.find(katMit); seiten != raster.seiten.end()) {
            const long n = static_cast<long>(seiten->second.size());
            for (const Element& e : seiten->second)
                if (SeiteVon(e.pos, n) == seiteMit) sichtbar.push_back(e.index);
        }
        const auto reihe = modell.Elemente(gebaut, slot, CVorhersage::kVorschlaege, sichtbar);
        // A right word is one that adds the words of the sentence, whichever
        // element brings it ("tut" of the core page or of the verb "tun").
        std::string gesucht;
        for (std::size_t j = 0; j < laenge; ++j) gesucht += (j ? " " : "") + w[i + j];
        bool angeboten = false;
        for (const auto& r : reihe)
            angeboten = angeboten || r.element == treffer->index ||
                        schluessel::Wort(CWortschatz::Trimmen(r.wort)) == schluessel::Wort(gesucht);
        const long kostet = angeboten ? 1 : Weg(katMit, seiteMit);
        if (std::getenv("HV_DEBUG") && !angeboten && kostet > 1) {
            std::cerr << "MISS" << kostet << " [" << gebaut << "] " << treffer->ganz.GetAnzeigetext() << " :";
            for (const auto& r : reihe) std::cerr << " " << r.wort;
            std::cerr << "\n";
        }
        a.mit += kostet;
        a.woerter += static_cast<long>(laenge);
        if (treffer->art == CWortelement::Verb) person = -1;
        for (std::size_t j = 0; j < laenge; ++j) gebaut += w[i + j] + " ";
        i += laenge;
    }
    return a;
}

// ------------------------------------------------------------ scale

// Sentences of a lifetime, in the manner of sagwerk-bench: a subject, a verb,
// then small words, nouns (some compounds) and adjectives.
class Generator {
public:
    explicit Generator(unsigned seed) : m_zufall(seed) {}
    std::string Satz() {
        static const std::vector<std::string> subjekte = {"ich", "ich",  "ich", "du",  "wir",
                                                          "das", "Mama", "er",  "sie", "heute"};
        static const std::vector<std::string> verben = {
            "habe",  "bin",    "möchte", "will", "brauche", "gehe",  "mag",   "kann",
            "muss",  "esse",   "trinke", "sehe", "höre",    "mache", "fühle", "weiß",
            "finde", "spiele", "komme",  "lese", "ist",     "hast",  "sind",  "war",
            "hatte", "wollte", "gibt",   "geht", "macht",   "kommt"};
        static const std::vector<std::string> klein = {
            "der",    "die",  "das",  "ein",   "eine",  "einen",  "mit",  "in",   "auf",
            "zu",     "und",  "noch", "heute", "jetzt", "morgen", "gern", "sehr", "bitte",
            "auch",   "so",   "mal",  "mehr",  "nach",  "im",     "am",   "zum",  "mir",
            "dir",    "mich", "uns",  "etwas", "was",   "wo",     "wann", "wie",  "schon",
            "gleich", "bald", "hier", "da",    "oder",  "aber",   "nicht"};
        static const std::vector<std::string> nomen = {
            "Hunger",    "Durst",     "Wasser",    "Tee",        "Kaffee",    "Saft",
            "Milch",     "Brot",      "Apfel",     "Suppe",      "Kuchen",    "Eis",
            "Musik",     "Film",      "Buch",      "Zeitung",    "Fenster",   "Tür",
            "Licht",     "Bett",      "Stuhl",     "Tisch",      "Garten",    "Haus",
            "Auto",      "Bus",       "Zug",       "Arzt",       "Schmerzen", "Kopf",
            "Bauch",     "Rücken",    "Bein",      "Arm",        "Hand",      "Fuß",
            "Decke",     "Jacke",     "Schuhe",    "Pause",      "Ruhe",      "Hilfe",
            "Toilette",  "Dusche",    "Bad",       "Zimmer",     "Küche",     "Telefon",
            "Fernseher", "Radio",     "Brille",    "Medizin",    "Tablette",  "Wetter",
            "Sonne",     "Regen",     "Freunde",   "Oma",        "Opa",       "Bruder",
            "Schwester", "Therapie",  "Termin",    "Geburtstag", "Urlaub",    "Wochenende",
            "Abend",     "Frühstück", "Abendessen"};
        static const std::vector<std::string> zusatz = {
            "",     "",       "",      "",      "",     "",     "",      "",      "tür",
            "zeit", "tasche", "platz", "stück", "haus", "saft", "licht", "karte", "tag"};
        static const std::vector<std::string> adjektive = {
            "gut",    "schlecht", "müde",  "krank",  "froh",    "traurig", "kalt",
            "warm",   "heiß",     "laut",  "leise",  "schön",   "schwer",  "neu",
            "alt",    "groß",     "klein", "lecker", "schnell", "langsam", "wichtig",
            "lustig", "nett",     "satt",  "wach",   "fertig"};
        std::string s = Zipf(subjekte) + " " + Zipf(verben) + " ";
        const int n = std::uniform_int_distribution<int>(1, 10)(m_zufall);
        for (int i = 0; i < n; ++i) {
            const double r = std::uniform_real_distribution<double>(0, 1)(m_zufall);
            if (r < 0.45)
                s += Zipf(klein);
            else if (r < 0.8)
                s += Zipf(nomen) + Zipf(zusatz);
            else
                s += Zipf(adjektive);
            s += " ";
        }
        return s;
    }

private:
    const std::string& Zipf(const std::vector<std::string>& v) {
        auto& d = m_verteilungen[&v];
        if (d.probabilities().size() != v.size()) {
            std::vector<double> w;
            for (std::size_t i = 0; i < v.size(); ++i) w.push_back(1.0 / (i + 1.0));
            d = std::discrete_distribution<std::size_t>(w.begin(), w.end());
        }
        return v[d(m_zufall)];
    }
    std::mt19937 m_zufall;
    std::map<const void*, std::discrete_distribution<std::size_t>> m_verteilungen;
};

std::string NeueDatei(const std::string& pfad, const std::string& wortschatzDatei) {
    std::filesystem::remove(pfad);
    std::string fehler;
    if (!CreateUserDatabase(pfad, "Bench", "Nutzer", fehler)) Abbruch(fehler);
    CWortschatz ws;
    if (!ws.LesenDatei(wortschatzDatei, fehler)) Abbruch(fehler);
    Dialoge dialoge;
    CSystemUhr uhr;
    CDatenbank db(pfad, dialoge, uhr);
    if (!ws.Schreiben(db)) Abbruch("Der Grundwortschatz kann nicht geschrieben werden.");
    return pfad;
}

void Speichern(const std::string& pfad, const std::vector<std::string>& saetze) {
    Dialoge dialoge;
    CSystemUhr uhr;
    CDatenbank::Optionen o;
    o.mitIndex = false;
    CDatenbank db(pfad, dialoge, uhr, o);
    db.WaitForCheck();
    std::vector<std::pair<std::string, std::string>> stapel;
    for (const auto& s : saetze) {
        stapel.emplace_back(s, s);
        if (stapel.size() == 20000) {
            if (!db.StoreSentences(stapel)) Abbruch("Speichern fehlgeschlagen.");
            stapel.clear();
        }
    }
    if (!stapel.empty() && !db.StoreSentences(stapel)) Abbruch("Speichern fehlgeschlagen.");
}

}  // namespace

int main(int argc, char** argv) {
    for (int i = 1; i + 1 < argc; i += 2) {
        if (!g_args.count(argv[i])) Abbruch(std::string("Unbekannte Option ") + argv[i]);
        g_args[argv[i]] = argv[i + 1];
    }
    auto wortliste = std::make_shared<CWortliste>();
    std::string fehler;
    if (!wortliste->Laden(g_args["--woerter"], fehler)) Abbruch(fehler);

    std::vector<std::string> lernen, pruefen;
    std::map<std::string, int> situationen;
    {
        std::ifstream ein(g_args["--saetze"]);
        if (!ein) Abbruch("Die Sätze fehlen: " + g_args["--saetze"]);
        int n = 0;
        for (std::string zeile; std::getline(ein, zeile);) {
            if (zeile.empty() || zeile[0] == '#') continue;
            const auto strich = zeile.find('|');
            if (strich == std::string::npos) Abbruch("Ohne Situation: " + zeile);
            situationen[CWortschatz::Trimmen(zeile.substr(0, strich))]++;
            const std::string satz = CWortschatz::Trimmen(zeile.substr(strich + 1)) + " ";
            (n++ % 2 == 0 ? lernen : pruefen).push_back(satz);
        }
    }
    const std::filesystem::path dir = g_args["--dir"].empty()
                                          ? std::filesystem::temp_directory_path()
                                          : std::filesystem::path(g_args["--dir"]);
    const std::string datei =
        NeueDatei((dir / "VorhersageBench.mdb").string(), g_args["--wortschatz"]);
    const Raster raster = RasterLesen(datei);

    // The lexicon with its everyday sentences, but none that is tested: what
    // is measured is guessing, not remembering.
    auto grund = std::make_shared<CWortliste>(*wortliste);
    std::size_t ausgelassen = 0;
    {
        std::vector<std::string> saetze, behalten;
        if (!CWortliste::SaetzeLesen(g_args["--grundsaetze"], saetze, fehler)) Abbruch(fehler);
        std::set<std::string> geprueft;
        for (const auto& s : pruefen) geprueft.insert(schluessel::Wort(s));
        for (auto& s : saetze) {
            if (geprueft.count(schluessel::Wort(s)) > 0)
                ++ausgelassen;
            else
                behalten.push_back(std::move(s));
        }
        grund->SetSaetze(std::move(behalten));
    }
    auto ohneSaetze = Modell(datei, wortliste);
    auto neu = Modell(datei, grund);
    CVorhersage nurLexikon;
    nurLexikon.SetWortliste(wortliste);
    Speichern(datei, lernen);
    auto gelernt = Modell(datei, grund);
    std::cout << "Sätze: " << lernen.size() + pruefen.size() << " in " << situationen.size()
              << " Situationen; gelernt " << lernen.size() << ", geprüft " << pruefen.size()
              << "; Grundsätze " << grund->Saetze().size() << " (" << ausgelassen
              << " geprüfte ausgelassen)\n\n";
    std::cout
        << "| Benutzer | Tasten mit Vorhersage | Tasten Buchstabe für Buchstabe | Ersparnis |\n"
           "|---|---:|---:|---:|\n";
    auto TastenZeile = [&](const char* name, const CVorhersage& m) {
        Tasten summe;
        for (const auto& s : pruefen) {
            const Tasten t = Tippen(m, s);
            summe.mit += t.mit;
            summe.ohne += t.ohne;
        }
        std::cout << "| " << name << " | " << summe.mit << " | " << summe.ohne << " | "
                  << Zahl(100.0 * (1.0 - static_cast<double>(summe.mit) / summe.ohne), 1)
                  << " % |\n";
    };
    TastenZeile("nur Grundlexikon", nurLexikon);
    TastenZeile("neu ohne Grundsätze (Grundlexikon und Grundwortschatz)", *ohneSaetze);
    TastenZeile("neu (Grundlexikon, Grundsätze und Grundwortschatz)", *neu);
    TastenZeile("nach 100 gelernten Sätzen", *gelernt);

    std::cout << "\n| Benutzer | Auswahlen je Wort mit Wortvorschlägen | ohne | weniger | Wörter "
                 "im Raster | "
                 "nicht im Raster |\n|---|---:|---:|---:|---:|---:|\n";
    auto RasterZeile = [&](const char* name, const CVorhersage& m) {
        Auswahl summe;
        if (std::getenv("HV_DEBUG")) std::cerr << "----\n";
        for (const auto& s : pruefen) {
            const Auswahl a = Bauen(m, raster, s);
            summe.mit += a.mit;
            summe.ohne += a.ohne;
            summe.woerter += a.woerter;
            summe.fehlend += a.fehlend;
        }
        const double mit = static_cast<double>(summe.mit) / summe.woerter;
        const double ohne = static_cast<double>(summe.ohne) / summe.woerter;
        std::cout << "| " << name << " | " << Zahl(mit, 2) << " | " << Zahl(ohne, 2) << " | "
                  << Zahl(100.0 * (1.0 - mit / ohne), 1) << " % | " << summe.woerter << " | "
                  << summe.fehlend << " |\n";
    };
    RasterZeile("neu ohne Grundsätze", *ohneSaetze);
    RasterZeile("neu", *neu);
    RasterZeile("nach 100 gelernten Sätzen", *gelernt);

    // ---- scale
    const long groesse = std::stol(g_args["--groesse"]);
    const std::string gross =
        (dir / ("VorhersageBench" + std::to_string(groesse) + ".mdb")).string();
    if (g_args["--keep"] != "1" || !std::filesystem::exists(gross)) {
        NeueDatei(gross, g_args["--wortschatz"]);
        Generator gen(7);
        std::vector<std::string> saetze;
        for (long i = 0; i < groesse; ++i) saetze.push_back(gen.Satz());
        Speichern(gross, saetze);
    }
    const long rssVorher = RssKb();
    const auto t0 = Uhr::now();
    // As the program loads it: a first model after the newest sentences,
    // handed over while the rest is learned.
    double bereit = -1;
    std::size_t ersteBytes = 0;
    CVorhersageLader::CAblauf ablauf;
    ablauf.wortliste = [&] { return grund; };
    ablauf.zwischenstand = [&](CVorhersageLader::CErgebnis erstes) {
        bereit = Ms(Uhr::now() - t0);
        ersteBytes = erstes.modell->Speicherbedarf();
    };
    const std::atomic<bool> nie{false};
    auto ergebnis = CVorhersageLader::Laden(gross, ablauf, nie);
    if (!ergebnis.modell || !ergebnis.fehler.empty()) Abbruch(ergebnis.fehler);
    auto modell = std::move(ergebnis.modell);
    const double vollstaendig = Ms(Uhr::now() - t0);
    if (bereit < 0) bereit = vollstaendig;
    const long rssNachher = RssKb();

    Generator gen(99);
    std::mt19937 zufall(5);
    Werte tippen, naechste, elemente;
    for (int i = 0; i < 2000; ++i) {
        const std::string s = gen.Satz();
        std::uniform_int_distribution<std::size_t> schnitt(0, s.size() - 1);
        std::size_t c = schnitt(zufall);
        while (c > 0 && (static_cast<unsigned char>(s[c]) & 0xC0) == 0x80) --c;
        const std::string text = s.substr(0, c);
        const auto a = Uhr::now();
        modell->Vorschlagen(text);
        ((text.empty() || text.back() == ' ') ? naechste : tippen).ms.push_back(Ms(Uhr::now() - a));
        const std::string bis = s.substr(0, s.rfind(' ', c == 0 ? 0 : c - 1) + 1);
        const auto b = Uhr::now();
        modell->Elemente(bis, CVorhersage::VerbformNachPerson(bis));
        elemente.ms.push_back(Ms(Uhr::now() - b));
    }
    // The bounds: a typed text of 200 KB, and 1,000 words pasted.
    std::string lang;
    while (lang.size() < 200 * 1024) lang += gen.Satz();
    std::string eingefuegt;
    for (int i = 0; i < 1000; ++i) eingefuegt += std::string(i % 2 ? "Kaffee" : "möchte") + " ";
    Werte grenzen;
    for (const std::string& t :
         {lang + "Ka", lang, eingefuegt, eingefuegt + "Ka", std::string(200 * 1024, 'a')}) {
        const auto a = Uhr::now();
        modell->Vorschlagen(t);
        modell->Elemente(t);
        grenzen.ms.push_back(Ms(Uhr::now() - a));
    }

    std::cout << "\n| Sätze | bereit nach (ms) | vollständig nach (ms) | Modell (MB) | Speicher "
                 "(RSS, MB) | Paare | Tripel | "
                 "Ergänzen p95 (ms) | nächstes Wort p95 (ms) | Wortvorschläge p95 (ms) | "
                 "200 KB / 1000 Wörter max (ms) |\n"
                 "|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|\n";
    std::cout << "| " << groesse << " | " << Zahl(bereit, 0) << " | " << Zahl(vollstaendig, 0)
              << " | " << Zahl(modell->Speicherbedarf() / 1048576.0, 1) << " | "
              << Zahl((rssNachher - rssVorher) / 1024.0, 1) << " | "
              << modell->Zaehler().AnzahlPaare() << " | " << modell->Zaehler().AnzahlTripel()
              << " | " << Zahl(tippen.Quantil(0.95)) << " | " << Zahl(naechste.Quantil(0.95))
              << " | " << Zahl(elemente.Quantil(0.95)) << " | " << Zahl(grenzen.Max()) << " |\n";
    std::cout << "\nErstes Modell (die neuesten " << CVorhersageLader::kErsteSaetze
              << " Sätze): " << Zahl(ersteBytes / 1048576.0, 1) << " MB\n";
    std::cout << "\nGrundlexikon: " << wortliste->Anzahl() << " Formen, davon "
              << wortliste->AnzahlMitRang() << " mit Rang, "
              << Zahl(wortliste->Speicherbedarf() / 1048576.0, 1) << " MB\n";
    return 0;
}
