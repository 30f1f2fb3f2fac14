// Measures the sentence memory at a lifetime's scale.
//
//   sagwerk-bench [--sizes 10000,100000,1000000] [--queries 200] [--dir DIR]
//
// For every size it generates a German sentence memory into a fresh user
// file through the real store path (in batches), then measures on that file:
// suggestions from the index and from the plain statement, storing one
// sentence durably, the time until the user is ready to speak, the first
// entries of the list of all sentences, the index's memory and the file size.

#include <SQLiteCpp/SQLiteCpp.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "BenchHilfen.h"
#include "BenutzerAnlegen.h"
#include "CDatenbank.h"
#include "CSystemUhr.h"
#include "IDialoge.h"

namespace {

using bench::Dialoge;
using bench::Ms;
using bench::RssKb;
using bench::Werte;
using bench::Zahl;
using bench::Uhr;

// ------------------------------------------------------------ sentences

const std::vector<std::pair<const char*, double>> kSubjekte = {
    {"ich", 0.50}, {"du", 0.07},   {"wir", 0.07},  {"er", 0.04},     {"sie", 0.05},   {"es", 0.04},
    {"das", 0.09}, {"Mama", 0.03}, {"Papa", 0.03}, {"kannst", 0.04}, {"heute", 0.04},
};
const std::vector<const char*> kVerben = {
    "habe",    "bin",  "möchte", "will",  "brauche", "gehe",   "mag",   "kann",   "muss",  "esse",
    "trinke",  "sehe", "höre",   "mache", "fühle",   "weiß",   "finde", "spiele", "komme", "lese",
    "schlafe", "hole", "nehme",  "gebe",  "sage",    "warte",  "suche", "kaufe",  "koche", "liebe",
    "ist",     "hast", "sind",   "war",   "hatte",   "wollte", "gibt",  "geht",   "macht", "kommt"};
const std::vector<const char*> kKlein = {
    "der",  "die",  "das",   "ein",   "eine",   "einen", "mit",  "in",    "auf",   "zu",
    "und",  "noch", "heute", "jetzt", "morgen", "gern",  "sehr", "bitte", "auch",  "so",
    "mal",  "mehr", "viel",  "nach",  "im",     "am",    "zum",  "mir",   "dir",   "mich",
    "dich", "uns",  "etwas", "was",   "wo",     "wann",  "wie",  "warum", "schon", "gleich",
    "bald", "hier", "da",    "dort",  "oder",   "aber"};
const std::vector<const char*> kNomen = {
    "Hunger",    "Durst",    "Wasser",     "Tee",        "Kaffee",     "Saft",      "Milch",
    "Brot",      "Apfel",    "Suppe",      "Kuchen",     "Eis",        "Musik",     "Film",
    "Buch",      "Zeitung",  "Fenster",    "Tür",        "Licht",      "Bett",      "Stuhl",
    "Tisch",     "Garten",   "Haus",       "Auto",       "Bus",        "Zug",       "Arzt",
    "Schmerzen", "Kopf",     "Bauch",      "Rücken",     "Bein",       "Arm",       "Hand",
    "Fuß",       "Decke",    "Jacke",      "Schuhe",     "Mütze",      "Pause",     "Ruhe",
    "Hilfe",     "Toilette", "Dusche",     "Bad",        "Zimmer",     "Küche",     "Telefon",
    "Fernseher", "Radio",    "Brille",     "Zähne",      "Medizin",    "Tablette",  "Spaziergang",
    "Wetter",    "Sonne",    "Regen",      "Schnee",     "Wind",       "Freunde",   "Oma",
    "Opa",       "Bruder",   "Schwester",  "Tochter",    "Sohn",       "Nachbarin", "Pflegerin",
    "Therapie",  "Termin",   "Geburtstag", "Urlaub",     "Wochenende", "Abend",     "Morgen",
    "Mittag",    "Nacht",    "Frühstück",  "Abendessen", "Mittagessen"};
const std::vector<const char*> kZusatz = {"",       "",      "",      "",     "",       "",
                                          "",       "",      "",      "",     "tür",    "zeit",
                                          "tasche", "platz", "stück", "haus", "saft",   "licht",
                                          "karte",  "tag",   "buch",  "glas", "schale", "bild"};
const std::vector<const char*> kAdjektive = {
    "gut",  "schlecht", "müde",   "krank",   "froh",    "traurig",  "kalt",   "warm",
    "heiß", "laut",     "leise",  "schön",   "schwer",  "leicht",   "neu",    "alt",
    "groß", "klein",    "lecker", "schnell", "langsam", "wichtig",  "lustig", "nett",
    "böse", "satt",     "wach",   "fertig",  "allein",  "zufrieden"};

class Generator {
public:
    explicit Generator(unsigned seed) : m_zufall(seed) {
        std::vector<double> w;
        for (const auto& s : kSubjekte) w.push_back(s.second);
        m_subjekt = std::discrete_distribution<std::size_t>(w.begin(), w.end());
    }

    std::vector<std::string> Woerter(std::size_t mindestens = 3) {
        std::vector<std::string> w;
        std::uniform_int_distribution<int> laenge(3, 12);
        const std::size_t n =
            std::max<std::size_t>(mindestens, static_cast<std::size_t>(laenge(m_zufall)));
        w.emplace_back(kSubjekte[m_subjekt(m_zufall)].first);
        w.emplace_back(Zipf(kVerben, 1.0));
        if (Wurf(0.35)) w.emplace_back("nicht");
        while (w.size() < n) {
            const double r = Gleich();
            if (r < 0.45) {
                w.emplace_back(Zipf(kKlein, 1.0));
            } else if (r < 0.8) {
                w.emplace_back(std::string(Zipf(kNomen, 0.8)) + Zipf(kZusatz, 0.3));
            } else {
                w.emplace_back(Zipf(kAdjektive, 0.9));
            }
        }
        if (Wurf(0.3)) w.back() += Wurf(0.5) ? "?" : "!";
        return w;
    }

    std::string Satz(std::size_t mindestens = 3) {
        std::string s;
        for (const auto& w : Woerter(mindestens)) s += w + " ";
        return s;
    }

    bool Wurf(double p) { return Gleich() < p; }
    double Gleich() { return std::uniform_real_distribution<double>(0, 1)(m_zufall); }
    std::mt19937& Zufall() { return m_zufall; }

private:
    template <class V>
    const char* Zipf(const V& v, double s) {
        auto& verteilung = m_zipf[{static_cast<const void*>(&v), s}];
        if (verteilung.probabilities().size() != v.size()) {
            std::vector<double> w;
            for (std::size_t i = 0; i < v.size(); ++i) w.push_back(1.0 / std::pow(i + 1.0, s));
            verteilung = std::discrete_distribution<std::size_t>(w.begin(), w.end());
        }
        return v[verteilung(m_zufall)];
    }

    std::mt19937 m_zufall;
    std::discrete_distribution<std::size_t> m_subjekt;
    std::map<std::pair<const void*, double>, std::discrete_distribution<std::size_t>> m_zipf;
};

// ------------------------------------------------------------ figures


struct Ergebnis {
    long groesse;
    double suggestP95, plainP95, storeP95, historyMs;
};

bool g_behalten = false;

Ergebnis Messen(const std::filesystem::path& dir, long groesse, int abfragen) {
    Dialoge dialoge;
    CSystemUhr uhr;
    const std::string pfad = (dir / ("Bench" + std::to_string(groesse) + ".mdb")).string();
    const bool vorhanden = g_behalten && std::filesystem::exists(pfad);
    if (!vorhanden) std::filesystem::remove(pfad);
    std::string fehler;
    if (!vorhanden && !CreateUserDatabase(pfad, "Bench", "Nutzer", fehler)) {
        std::cerr << fehler << '\n';
        std::exit(1);
    }
    Generator gen(static_cast<unsigned>(groesse));

    // Generate: one store in seven repeats a favourite sentence, as people do.
    const auto start = Uhr::now();
    if (!vorhanden) {
        CDatenbank db(pfad, dialoge, uhr);
        std::vector<std::string> lieblinge;
        long long gespeichert = 0;
        while (gespeichert < groesse) {
            std::vector<std::pair<std::string, std::string>> stapel;
            const long rest = groesse - gespeichert;
            for (long i = 0; i < std::min<long>(rest, 20000); ++i) {
                if (!lieblinge.empty() && gen.Wurf(1.0 / 7)) {
                    std::geometric_distribution<std::size_t> g(0.01);
                    const auto& s = lieblinge[g(gen.Zufall()) % lieblinge.size()];
                    stapel.emplace_back(s, s);
                } else {
                    std::string s = gen.Satz();
                    if (lieblinge.size() < 2000 && gen.Wurf(0.05)) lieblinge.push_back(s);
                    stapel.emplace_back(s, s);
                }
            }
            if (!db.StoreSentences(stapel)) std::exit(1);
            gespeichert = db.CountSentences();
        }
    }
    const double erzeugtS = Ms(Uhr::now() - start) / 1000;

    // Ready to speak: open, read the user, the start page and the buttons.
    const long rssVorher = RssKb();
    const auto t0 = Uhr::now();
    // The plain statement is the reference here: it runs to its end.
    CDatenbank::Optionen optionen;
    optionen.statementFristMs = 0;
    CDatenbank db(pfad, dialoge, uhr, optionen);
    CBenutzer benutzer;
    CWortButton wort;
    CFunktionsTaste taste;
    CEmotionsButton emotion;
    db.LoadBenutzer(benutzer);
    db.FirstWortButton(wort, 1);
    db.FirstFTaste(taste);
    db.FirstEButton(emotion);
    const double bereitMs = Ms(Uhr::now() - t0);
    db.WaitForSentenceIndex();
    const double indexMs = Ms(Uhr::now() - t0);
    const long rssIndexKb = RssKb() - rssVorher;

    // The list of all sentences: its first screenful.
    const auto h0 = Uhr::now();
    std::vector<CDatenbank::Satz> seite;
    db.ListSentences("", 50, seite);
    const double historyMs = Ms(Uhr::now() - h0);

    // Suggestions for texts drawn like sentences being built.
    const int plainJeLaenge = groesse >= 1000000 ? 10 : (groesse >= 100000 ? 50 : abfragen);
    Werte alleNeu, allePlain;
    std::cout << "size=" << groesse << " generated_s=" << Zahl(erzeugtS, 1)
              << " ready_ms=" << Zahl(bereitMs) << " index_loaded_ms=" << Zahl(indexMs, 1)
              << " index_mb=" << Zahl(static_cast<double>(db.SentenceIndexBytes()) / 1048576.0, 1)
              << " index_rss_mb=" << Zahl(rssIndexKb / 1024.0, 1) << " file_mb="
              << Zahl(static_cast<double>(std::filesystem::file_size(pfad)) / 1048576.0, 1) << '\n';
    for (std::size_t laenge : {1u, 3u, 6u, 10u}) {
        Werte neu, plain;
        for (int i = 0; i < abfragen; ++i) {
            const auto woerter = gen.Woerter(laenge);
            std::string text;
            for (std::size_t j = 0; j < laenge; ++j) text += woerter[j] + " ";
            std::vector<std::string> s, p;
            auto a = Uhr::now();
            db.SuggestSentences(s, p, text);
            neu.ms.push_back(Ms(Uhr::now() - a));
            if (i < plainJeLaenge) {
                std::vector<std::string> s2, p2;
                a = Uhr::now();
                db.SuggestSentencesByStatement(s2, p2, text);
                plain.ms.push_back(Ms(Uhr::now() - a));
                if (s != s2) {
                    std::cerr << "Abweichung bei \"" << text << "\"\n";
                    std::exit(1);
                }
            }
        }
        std::cout << "  words=" << laenge << " new_median_ms=" << Zahl(neu.Quantil(0.5), 4)
                  << " new_p95_ms=" << Zahl(neu.Quantil(0.95), 4)
                  << " new_max_ms=" << Zahl(neu.Max(), 4)
                  << " plain_median_ms=" << Zahl(plain.Quantil(0.5), 2)
                  << " plain_p95_ms=" << Zahl(plain.Quantil(0.95), 2)
                  << " plain_max_ms=" << Zahl(plain.Max(), 2) << " plain_n=" << plain.ms.size()
                  << '\n';
        alleNeu.ms.insert(alleNeu.ms.end(), neu.ms.begin(), neu.ms.end());
        allePlain.ms.insert(allePlain.ms.end(), plain.ms.begin(), plain.ms.end());
    }

    // Storing one new sentence, committed to the disk.
    Werte speichern;
    for (int i = 0; i < 200; ++i) {
        const std::string s = gen.Satz() + "neu" + std::to_string(i) + " ";
        const auto a = Uhr::now();
        db.StoreSentence(s, s);
        speichern.ms.push_back(Ms(Uhr::now() - a));
    }
    std::cout << "  store_median_ms=" << Zahl(speichern.Quantil(0.5))
              << " store_p95_ms=" << Zahl(speichern.Quantil(0.95))
              << " store_max_ms=" << Zahl(speichern.Max())
              << " history_first_ms=" << Zahl(historyMs) << '\n'
              << std::flush;
    return {groesse, alleNeu.Quantil(0.95), allePlain.Quantil(0.95), speichern.Quantil(0.95),
            historyMs};
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<long> groessen = {10000, 100000, 1000000};
    int abfragen = 200;
    std::filesystem::path dir = std::filesystem::temp_directory_path() / "sagwerk-bench";
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string a = argv[i];
        if (a == "--sizes") {
            groessen.clear();
            std::stringstream ss(argv[i + 1]);
            std::string teil;
            while (std::getline(ss, teil, ',')) groessen.push_back(std::stol(teil));
        } else if (a == "--queries") {
            abfragen = std::stoi(argv[i + 1]);
        } else if (a == "--keep") {
            // Keep the generated files and reuse them in the next run.
            g_behalten = std::string(argv[i + 1]) == "1";
        } else if (a == "--dir") {
            dir = argv[i + 1];
        } else {
            std::cerr << "Aufruf: sagwerk-bench [--sizes N,N,...] [--queries N] [--dir "
                         "VERZEICHNIS] [--keep 1]\n";
            return 2;
        }
    }
    std::filesystem::create_directories(dir);
    std::vector<Ergebnis> ergebnisse;
    for (long g : groessen) ergebnisse.push_back(Messen(dir, g, abfragen));
    for (const auto& e : ergebnisse) {
        std::cout << "suggest size=" << e.groesse << " p95_ms=" << Zahl(e.suggestP95, 4)
                  << " plain_p95_ms=" << Zahl(e.plainP95, 2)
                  << " ratio=" << Zahl(e.plainP95 / std::max(e.suggestP95, 1e-6), 0) << '\n';
    }
    for (const auto& e : ergebnisse) {
        std::cout << "store size=" << e.groesse << " p95_ms=" << Zahl(e.storeP95) << '\n';
    }
    for (const auto& e : ergebnisse) {
        std::cout << "history size=" << e.groesse << " first_ms=" << Zahl(e.historyMs) << '\n';
    }
    if (!g_behalten) std::filesystem::remove_all(dir);
    return 0;
}
