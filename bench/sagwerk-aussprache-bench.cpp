// How long saying a text the German way takes: a text of 1,000 words full of
// times, money, dates, numbers, units, telephone numbers and abbreviations,
// with a user file's worth of own pronunciations, normalised again and again.
//
//   sagwerk-aussprache-bench [--woerter 1000] [--runden 2000] [--aussprachen 200]
//
// Target: at most 1 ms for 1,000 words (the median), so that no click waits
// for it.

#include <cstdlib>
#include <iostream>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "BenchHilfen.h"
#include "CNormalisierer.h"

namespace {

// One paragraph as a person might type it; repeated up to the word count.
constexpr std::string_view kAbsatz =
    "Um 14:30 Uhr kommt Dr. Müller, z. B. am 24.12. zum Essen. Das kostet 3,50 € und "
    "die Suppe 0,99 €. Am 3. Oktober 1990 war ich im 2. Stock bei Fr. Berg, ca. 5 min "
    "zu Fuß, bzw. 2 km mit 30 km/h. Ruf mich unter 0221 123456 an, Tel. 12 34 56, "
    "usw. Es sind -5 °C und 50 % Regen, d. h. wir bleiben Mo.–Fr. von 9-17 Uhr zu Hause. "
    "Ich möchte Wurst und Käse, ein Glas Wasser und 1,5 l Saft, evtl. auch Tee. "
    "Ludwig II. baute 1869 ein Schloss für 1.250.000 Euro. ";

std::string Text(std::size_t woerter) {
    std::string text;
    std::size_t n = 0;
    while (n < woerter) {
        std::istringstream in{std::string(kAbsatz)};
        for (std::string wort; n < woerter && in >> wort; ++n) {
            if (!text.empty()) text += ' ';
            text += wort;
        }
    }
    return text;
}

long Zahl(char** argv, int i, int argc, long vorgabe) {
    return i + 1 < argc ? std::strtol(argv[i + 1], nullptr, 10) : vorgabe;
}

}  // namespace

int main(int argc, char** argv) {
    long woerter = 1000;
    long runden = 2000;
    long aussprachen = 200;
    for (int i = 1; i < argc; ++i) {
        const std::string_view a = argv[i];
        if (a == "--woerter") woerter = Zahl(argv, i, argc, woerter);
        if (a == "--runden") runden = Zahl(argv, i, argc, runden);
        if (a == "--aussprachen") aussprachen = Zahl(argv, i, argc, aussprachen);
    }
    if (woerter < 1 || runden < 1 || aussprachen < 0) {
        std::cerr << "Aufruf: sagwerk-aussprache-bench [--woerter N] [--runden N] "
                     "[--aussprachen N]\n";
        return 2;
    }

    // Words of a user file with phonetic texts; one of them is in the text.
    std::vector<std::pair<std::string, std::string>> paare;
    for (long k = 0; k < aussprachen; ++k) {
        paare.emplace_back("Wort" + std::to_string(k), "Woort" + std::to_string(k));
    }
    if (aussprachen > 0) paare.emplace_back("Wurst", "Wursst");
    CNormalisierer normalisierer;
    normalisierer.SetAussprachen(paare);

    const std::string text = Text(static_cast<std::size_t>(woerter));
    std::size_t laenge = 0;
    for (int k = 0; k < 20; ++k) laenge += normalisierer.Normalisieren(text).size();

    bench::Werte werte;
    for (long r = 0; r < runden; ++r) {
        const auto start = bench::Uhr::now();
        laenge += normalisierer.Normalisieren(text).size();
        werte.ms.push_back(bench::Ms(bench::Uhr::now() - start));
    }
    std::cout << "Normalisieren: " << woerter << " Wörter (" << text.size() << " Bytes), "
              << aussprachen << " eigene Aussprachen, " << runden << " Runden\n"
              << "  Median " << bench::Zahl(werte.Quantil(0.5)) << " ms, 95 % "
              << bench::Zahl(werte.Quantil(0.95)) << " ms, höchstens " << bench::Zahl(werte.Max())
              << " ms (Ziel: Median bis 1 ms)\n"
              << "  Anfang: " << normalisierer.Normalisieren(text.substr(0, 120)) << "\n";
    return laenge > 0 ? 0 : 1;
}
