#include <random>
#include <set>
#include <tuple>

#include "CSatzIndex.h"

#include "DatenbankFixture.h"

namespace {

// A small vocabulary with umlauts, case variants, apostrophes and a few
// very common words, so that many sentences tie.
const std::vector<std::string> kWoerter = {
    "ich",  "Ich",  "ICH",    "habe",    "nicht",  "Hunger", "hunger", "Äpfel", "äpfel",
    "über", "ÜBER", "geht's", "Geht's",  "dir",    "gut?",   "Öl",     "öl",    "Straße",
    "du",   "wir",  "essen",  "trinken", "Wasser", "bitte",  "danke",  "ja",    "nein",
};

std::string Zufallssatz(std::mt19937& zufall, int minWoerter, int maxWoerter) {
    std::uniform_int_distribution<int> laenge(minWoerter, maxWoerter);
    // Skewed towards the first words: they become the common ones.
    std::geometric_distribution<int> wort(0.15);
    std::uniform_int_distribution<int> blanks(0, 5);
    std::string s;
    const int n = laenge(zufall);
    for (int i = 0; i < n; ++i) {
        s += kWoerter[static_cast<std::size_t>(wort(zufall)) % kWoerter.size()];
        s += blanks(zufall) == 0 ? "  " : " ";
    }
    if (blanks(zufall) == 0) s = " " + s;
    return s;
}

}  // namespace

class SatzIndexTest : public DatenbankTest {
protected:
    void Vergleichen(std::mt19937& zufall, int abfragen) {
        ASSERT_TRUE(m_db->IsSentenceIndexReady());
        for (int i = 0; i < abfragen; ++i) {
            const std::string text = i % 17 == 0 ? "   " : Zufallssatz(zufall, 1, 8);
            std::vector<std::string> schnell, schnellP, plain, plainP;
            ASSERT_TRUE(m_db->SuggestSentences(schnell, schnellP, text));
            ASSERT_TRUE(m_db->SuggestSentencesByStatement(plain, plainP, text));
            ASSERT_EQ(schnell, plain) << "Text: [" << text << "]";
            ASSERT_EQ(schnellP, plainP);
        }
    }
};

TEST_F(SatzIndexTest, AgreesWithTheStatementOverRandomMemories) {
    for (unsigned seed : {1u, 2u, 3u}) {
        SCOPED_TRACE(seed);
        Anlegen("Zufall" + std::to_string(seed) + ".mdb");
        std::mt19937 zufall(seed);
        std::vector<std::pair<std::string, std::string>> saetze;
        for (int i = 0; i < 400; ++i) {
            const std::string s = Zufallssatz(zufall, 1, 10);
            saetze.emplace_back(s, s);
        }
        // Repeats raise Anzahl, which decides among equal counts.
        for (int i = 0; i < 150; ++i)
            saetze.push_back(saetze[static_cast<std::size_t>(i * 7 % 400)]);
        ASSERT_TRUE(m_db->StoreSentences(saetze));
        Vergleichen(zufall, 150);

        // Reopened: the index is built from the file and still agrees.
        Oeffnen();
        Vergleichen(zufall, 100);
        EXPECT_TRUE(m_dialoge.fehler.empty());
    }
}

TEST_F(SatzIndexTest, AStoredSentenceIsSuggestedAtOnce) {
    std::vector<std::string> s, p;
    ASSERT_TRUE(m_db->StoreSentence("Geht's dir gut? ", "Gehts dir gut? "));
    ASSERT_TRUE(m_db->SuggestSentences(s, p, "GEHT'S"));
    EXPECT_EQ(s, std::vector<std::string>{"Geht's dir gut? "});
    EXPECT_EQ(p, std::vector<std::string>{"Gehts dir gut? "});
}

TEST_F(SatzIndexTest, BigMemoryLoadsInTheBackgroundAndKeepsWhatIsStoredMeanwhile) {
    std::mt19937 zufall(7);
    std::vector<std::pair<std::string, std::string>> saetze;
    for (int i = 0; i < 3000; ++i) {
        const std::string s = Zufallssatz(zufall, 2, 8) + std::to_string(i);
        saetze.emplace_back(s, s);
    }
    ASSERT_TRUE(m_db->StoreSentences(saetze));

    m_db.reset();
    CDatenbank::Optionen optionen;
    optionen.sofortLadenBis = 100;  // force the background load
    m_db = std::make_unique<CDatenbank>(m_pfad, m_dialoge, m_uhr, optionen);
    // Usable at once: store while the index may still be loading.
    ASSERT_TRUE(m_db->StoreSentence("ganz neu hier ", "ganz neu hier "));
    ASSERT_TRUE(m_db->StoreSentence(saetze[5].first, saetze[5].second));
    std::vector<std::string> s, p;
    ASSERT_TRUE(m_db->SuggestSentences(s, p, "neu"));
    m_db->WaitForSentenceIndex();
    ASSERT_TRUE(m_db->IsSentenceIndexReady());
    s.clear();
    p.clear();
    ASSERT_TRUE(m_db->SuggestSentences(s, p, "ganz neu"));
    ASSERT_FALSE(s.empty());
    EXPECT_EQ(s[0], "ganz neu hier ");
    Vergleichen(zufall, 100);
    EXPECT_GT(m_db->SentenceIndexBytes(), 0u);
}

TEST_F(DatenbankTest, AllSentencesArePagedInGermanOrder) {
    // Ä, Ö, Ü are filed under A, O, U and ß as ss, as a German dictionary does.
    const std::vector<std::string> deutsch = {
        "Apfel ",  "Äpfel essen ", "apfelbaum ",  "Öl ",  "Ost ",
        "Straße ", "Strasse gut ", "über alles ", "Uhr ", "Zeit "};
    for (auto it = deutsch.rbegin(); it != deutsch.rend(); ++it) {
        ASSERT_TRUE(m_db->StoreSentence(*it, *it));
    }
    std::vector<CDatenbank::Satz> seite;
    ASSERT_TRUE(m_db->ListSentences("", 3, seite));
    ASSERT_EQ(seite.size(), 3u);
    // Pages of three, each starting after the last entry of the one before.
    while (m_db->ListSentences(seite.back().schluessel, 3, seite) && seite.size() % 3 == 0) {
    }
    std::vector<std::string> gelesen;
    for (const auto& s : seite) gelesen.push_back(s.satz);
    EXPECT_EQ(gelesen, deutsch);
    EXPECT_EQ(m_db->CountSentences(), 10);

    std::vector<std::string> s, p;
    ASSERT_TRUE(m_db->SuggestSentencesByStatement(s, p, ""));
    EXPECT_EQ(s, deutsch);
}

TEST(CSatzIndex, BothPathsAgreeWithCountingByHand) {
    for (unsigned seed : {11u, 12u, 13u, 14u}) {
        SCOPED_TRACE(seed);
        std::mt19937 zufall(seed);
        std::geometric_distribution<int> wort(seed % 2 ? 0.08 : 0.3);
        std::uniform_int_distribution<int> laenge(1, 9);
        CSatzIndex index;
        std::vector<std::set<int>> saetze;
        std::vector<std::uint32_t> anzahl;
        std::vector<std::int64_t> nummer;
        std::int64_t nr = 0;
        for (int i = 0; i < 5000; ++i) {
            std::set<int> w;
            for (int j = laenge(zufall); j > 0; --j) w.insert(wort(zufall) % 60);
            std::vector<std::string> woerter;
            for (int x : w) woerter.push_back("w" + std::to_string(x));
            nr += 1 + static_cast<std::int64_t>(zufall() % 3);  // keys may have gaps
            index.Hinzufuegen(nr, 1, woerter);
            saetze.push_back(w);
            anzahl.push_back(1);
            nummer.push_back(nr);
        }
        // Some sentences spoken again.
        for (int i = 0; i < 800; ++i) {
            const std::size_t s = zufall() % (zufall() % 4 == 0 ? saetze.size() : 50);
            ++anzahl[s];
            std::vector<std::string> woerter;
            for (int x : saetze[s]) woerter.push_back("w" + std::to_string(x));
            index.AnzahlSetzen(nummer[s], anzahl[s], woerter);
        }
        for (int q = 0; q < 300; ++q) {
            std::set<int> frage;
            for (int j = 1 + q % 10; j > 0; --j) frage.insert(wort(zufall) % 70);
            std::vector<std::string> woerter;
            for (int x : frage) woerter.push_back("w" + std::to_string(x));

            std::vector<std::tuple<std::size_t, std::uint32_t, std::int64_t>> alle;
            for (std::size_t s = 0; s < saetze.size(); ++s) {
                std::size_t n = 0;
                for (int x : frage) n += saetze[s].count(x);
                if (n > 0) alle.emplace_back(n, anzahl[s], nummer[s]);
            }
            std::sort(alle.rbegin(), alle.rend());
            std::vector<std::int64_t> erwartet;
            for (std::size_t i = 0; i < std::min<std::size_t>(10, alle.size()); ++i) {
                erwartet.push_back(std::get<2>(alle[i]));
            }
            ASSERT_EQ(index.Suchen(woerter, 10, CSatzIndex::Verfahren::Listen), erwartet) << q;
            ASSERT_EQ(index.Suchen(woerter, 10, CSatzIndex::Verfahren::Zaehler), erwartet) << q;
        }
    }
}

TEST_F(DatenbankTest, AnyKeyValueLoadsWithMemoryForTheRowsOnly) {
    {
        // Keys a damaged or foreign tool may leave: negative, huge, 2^62.
        auto db = Roh();
        db.exec(
            "insert into Wortspeicher (Wortnummer, Wort, WortSuche) values "
            "(-1, 'tief', 'tief'), (2000000000, 'hoch', 'hoch');"
            "insert into Satzspeicher (Satznummer, Satz, PSatz, Anzahl, SatzSuche) values "
            "(-5, 'ganz tief ', 'ganz tief ', 1, 'ganz tief '), "
            "(4611686018427387904, 'ganz hoch ', 'ganz hoch ', 1, 'ganz hoch ');"
            "insert into Verbindung (Wortnummer, Satznummer) values "
            "(-1, -5), (2000000000, 4611686018427387904);");
    }
    Oeffnen();
    m_db->WaitForSentenceIndex();
    ASSERT_TRUE(m_db->IsSentenceIndexReady());
    EXPECT_LT(m_db->SentenceIndexBytes(), 1000000u);
    std::vector<std::string> s, p;
    ASSERT_TRUE(m_db->SuggestSentences(s, p, "tief"));
    EXPECT_EQ(s, std::vector<std::string>{"ganz tief "});
    s.clear();
    ASSERT_TRUE(m_db->SuggestSentences(s, p, "hoch"));
    EXPECT_EQ(s, std::vector<std::string>{"ganz hoch "});
}
