#include <random>

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

TEST_F(DatenbankTest, AllSentencesArePagedInOrderByKey) {
    for (const char* s : {"c ", "A ", "b ", "ä ", "D "}) ASSERT_TRUE(m_db->StoreSentence(s, s));
    std::vector<CDatenbank::Satz> seite;
    ASSERT_TRUE(m_db->ListSentences("", 2, seite));
    ASSERT_EQ(seite.size(), 2u);
    EXPECT_EQ(seite[0].satz, "A ");
    EXPECT_EQ(seite[1].satz, "b ");
    ASSERT_TRUE(m_db->ListSentences(seite.back().schluessel, 10, seite));
    ASSERT_EQ(seite.size(), 5u);
    EXPECT_EQ(seite[4].satz, "ä ");
    EXPECT_EQ(m_db->CountSentences(), 5);
}
