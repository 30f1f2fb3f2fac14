#include <chrono>

#include "DatenbankFixture.h"

namespace {
std::vector<std::string> Vorschlaege(CDatenbank& db, const std::string& text,
                                     std::vector<std::string>* gesprochen = nullptr) {
    std::vector<std::string> s, p;
    EXPECT_TRUE(db.SuggestSentences(s, p, text));
    EXPECT_EQ(s.size(), p.size());
    if (gesprochen) *gesprochen = p;
    return s;
}
}  // namespace

TEST(NextWord, SplitsOnBlanksOnlyAndSkipsRuns) {
    std::string text = "  ich  habe, Hunger! ";
    EXPECT_EQ(CDatenbank::NextWord(text), "ich");
    EXPECT_EQ(CDatenbank::NextWord(text), "habe,");
    EXPECT_EQ(CDatenbank::NextWord(text), "Hunger!");
    EXPECT_EQ(CDatenbank::NextWord(text), "");
    EXPECT_EQ(text, "");
    std::string blanks = "   ";
    EXPECT_EQ(CDatenbank::NextWord(blanks), "");
    EXPECT_EQ(blanks, "");
}

TEST_F(DatenbankTest, StoringTwiceCountsAndKeepsOneRowPerWordAndLink) {
    ASSERT_TRUE(m_db->StoreSentence("ich habe Hunger ", "ich habe Hunger "));
    ASSERT_TRUE(m_db->StoreSentence("ich habe Hunger ", "ich hab Hunger "));
    EXPECT_EQ(Zahl("select count(*) from Satzspeicher"), 1);
    EXPECT_EQ(Zahl("select Anzahl from Satzspeicher"), 2);
    EXPECT_EQ(Zahl("select count(*) from Wortspeicher"), 3);
    EXPECT_EQ(Zahl("select count(*) from Verbindung"), 3);
    // The first spoken form stays.
    std::vector<std::string> p;
    Vorschlaege(*m_db, "Hunger", &p);
    EXPECT_EQ(p, std::vector<std::string>{"ich habe Hunger "});

    ASSERT_TRUE(m_db->StoreSentence("ich bin ich ", "ich bin ich "));
    EXPECT_EQ(Zahl("select count(*) from Wortspeicher"), 4);
    EXPECT_EQ(Zahl("select count(*) from Verbindung v join Wortspeicher w using (Wortnummer) "
                   "where w.Wort = 'ich'"),
              2);
}

TEST_F(DatenbankTest, SuggestionsRankBySharedDistinctWords) {
    ASSERT_TRUE(m_db->StoreSentence("ich habe Hunger ", "ich habe Hunger "));
    ASSERT_TRUE(m_db->StoreSentence("ich habe Durst ", "ich habe Durst "));
    for (int i = 0; i < 5; ++i) ASSERT_TRUE(m_db->StoreSentence("Guten Morgen ", "Guten Morgen "));

    EXPECT_EQ(Vorschlaege(*m_db, "ich habe Durst "),
              (std::vector<std::string>{"ich habe Durst ", "ich habe Hunger "}));
    // A repeated word counts once, and "Guten Morgen" shares nothing.
    EXPECT_EQ(Vorschlaege(*m_db, "Durst Durst Durst ich"),
              (std::vector<std::string>{"ich habe Durst ", "ich habe Hunger "}));
    EXPECT_TRUE(Vorschlaege(*m_db, "Abend").empty());
    // Blanks only: no words, no suggestions, no hang.
    EXPECT_TRUE(Vorschlaege(*m_db, "   ").empty());
}

TEST_F(DatenbankTest, MatchingIgnoresCaseOfAsciiAndGermanLetters) {
    ASSERT_TRUE(m_db->StoreSentence("Ärger über Öl ", "Ärger über Öl "));
    ASSERT_TRUE(m_db->StoreSentence("ärger ÜBER öl ", "anders gesprochen"));
    EXPECT_EQ(Zahl("select count(*) from Satzspeicher"), 1);
    EXPECT_EQ(Zahl("select Anzahl from Satzspeicher"), 2);
    EXPECT_EQ(Zahl("select count(*) from Wortspeicher"), 3);
    EXPECT_EQ(Vorschlaege(*m_db, "ÄRGER"), std::vector<std::string>{"Ärger über Öl "});
}

TEST_F(DatenbankTest, SentencesWithApostrophesAreStoredMatchedAndSuggested) {
    ASSERT_TRUE(m_db->StoreSentence("Geht's dir gut? ", "Gehts dir gut? "));
    ASSERT_TRUE(m_db->StoreSentence("Wie geht's ", "Wie gehts "));
    ASSERT_TRUE(m_db->StoreSentence("x') or 1=1 -- ", "x "));
    std::vector<std::string> p;
    EXPECT_EQ(Vorschlaege(*m_db, "geht's", &p),
              (std::vector<std::string>{"Wie geht's ", "Geht's dir gut? "}));
    EXPECT_EQ(p, (std::vector<std::string>{"Wie gehts ", "Gehts dir gut? "}));
    EXPECT_TRUE(Vorschlaege(*m_db, "') or 1=1 --").empty() == false);
    EXPECT_TRUE(m_dialoge.fehler.empty());
}

TEST_F(DatenbankTest, TiesCutAtTenByUseThenNewest) {
    for (int i = 0; i < 15; ++i) {
        const std::string s = "ich satz" + std::to_string(i) + " ";
        ASSERT_TRUE(m_db->StoreSentence(s, s));
    }
    ASSERT_TRUE(m_db->StoreSentence("ich satz3 ", "ich satz3 "));
    ASSERT_TRUE(m_db->StoreSentence("ich satz3 ", "ich satz3 "));
    ASSERT_TRUE(m_db->StoreSentence("ich satz7 ", "ich satz7 "));
    const auto v = Vorschlaege(*m_db, "ich");
    ASSERT_EQ(v.size(), 10u);
    EXPECT_EQ(v[0], "ich satz3 ");
    EXPECT_EQ(v[1], "ich satz7 ");
    EXPECT_EQ(v[2], "ich satz14 ");
    EXPECT_EQ(v[3], "ich satz13 ");
    EXPECT_EQ(v[9], "ich satz6 ");
}

TEST_F(DatenbankTest, EmptyTextListsAllSentencesAlphabetically) {
    for (const char* s : {"Zeit ", "apfel ", "Birne ", "Äpfel ", "Apfel essen "}) {
        ASSERT_TRUE(m_db->StoreSentence(s, s));
    }
    const auto alle = Vorschlaege(*m_db, "");
    EXPECT_EQ(alle,
              (std::vector<std::string>{"apfel ", "Äpfel ", "Apfel essen ", "Birne ", "Zeit "}));
}

TEST_F(DatenbankTest, ASentenceIsThereWithAllItsWordsOrNotAtAll) {
    // A word that cannot be written (NOT NULL violated through a trigger)
    // makes the whole sentence fail: no sentence row without its words.
    Roh().exec(
        "create trigger kaputt before insert on Wortspeicher when new.Wort = 'Absturz' "
        "begin select raise(abort, 'simulierter Absturz'); end");
    EXPECT_FALSE(m_db->StoreSentence("vor dem Absturz ", "vor dem Absturz "));
    EXPECT_EQ(m_dialoge.fehler.size(), 1u);
    EXPECT_EQ(Zahl("select count(*) from Satzspeicher"), 0);
    EXPECT_EQ(Zahl("select count(*) from Wortspeicher"), 0);
    EXPECT_EQ(Zahl("select count(*) from Verbindung"), 0);
    // The store stays usable afterwards.
    ASSERT_TRUE(m_db->StoreSentence("danach geht es ", "danach geht es "));
    EXPECT_EQ(Zahl("select count(*) from Satzspeicher"), 1);
}

TEST_F(DatenbankTest, TheStatementIsBoundedForAnyText) {
    ASSERT_TRUE(m_db->StoreSentence("wort7 und mehr ", "wort7 und mehr "));
    // A pasted page: tens of thousands of distinct words.
    std::string text;
    for (int i = 0; i < 40000; ++i) text += "wort" + std::to_string(i) + " ";
    const auto start = std::chrono::steady_clock::now();
    std::vector<std::string> s, p;
    EXPECT_TRUE(m_db->SuggestSentencesByStatement(s, p, text));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
    EXPECT_EQ(s, std::vector<std::string>{"wort7 und mehr "});
    EXPECT_TRUE(m_dialoge.fehler.empty());
}
