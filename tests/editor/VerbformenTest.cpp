// The proposed verb forms against a table of everyday verbs written out and
// checked by hand (verbformen.txt beside this file).

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "CVerbformen.h"
#include "CWortelement.h"

namespace {

struct CZeile {
    std::string grundform;
    std::array<std::string, 18> formen;
};

std::vector<CZeile> Tabelle() {
    std::vector<CZeile> zeilen;
    std::ifstream ein(SAGWERK_TEST_DIR "/verbformen.txt");
    for (std::string zeile; std::getline(ein, zeile);) {
        if (zeile.empty() || zeile[0] == '#') continue;
        std::vector<std::string> feld;
        for (std::size_t a = 0;;) {
            const std::size_t b = zeile.find(" | ", a);
            feld.push_back(zeile.substr(a, b == std::string::npos ? std::string::npos : b - a));
            if (b == std::string::npos) break;
            a = b + 3;
        }
        if (feld.size() != 19) continue;
        CZeile z;
        z.grundform = feld[0];
        for (std::size_t i = 0; i < 18; ++i) z.formen[i] = feld[i + 1];
        zeilen.push_back(std::move(z));
    }
    return zeilen;
}

class VerbformenTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        std::string fehler;
        ASSERT_TRUE(s_formen.Laden(SAGWERK_RES_DIR "/verben.txt", fehler)) << fehler;
    }
    static CVerbformen s_formen;
};
CVerbformen VerbformenTest::s_formen;

}  // namespace

TEST_F(VerbformenTest, EveryVerbOfTheTableIsRight) {
    const std::vector<CZeile> tabelle = Tabelle();
    ASSERT_GE(tabelle.size(), 150u);
    std::size_t richtig = 0;
    for (const CZeile& z : tabelle) {
        const auto vorschlag = s_formen.Vorschlagen(z.grundform);
        ASSERT_TRUE(vorschlag.has_value()) << z.grundform;
        if (vorschlag->formen == z.formen) {
            ++richtig;
            continue;
        }
        for (std::size_t i = 0; i < 18; ++i) {
            EXPECT_EQ(vorschlag->formen[i], z.formen[i]) << z.grundform << ", Form " << i + 1;
        }
    }
    std::cout << "Verbformen: " << richtig << " von " << tabelle.size() << " Verben richtig\n";
}

TEST_F(VerbformenTest, TheAuxiliaryCanBeForcedAndNoVerbIsRefused) {
    const auto sein = s_formen.Vorschlagen("schwimmen", CVerbformen::Hilfsverb::Haben);
    ASSERT_TRUE(sein);
    EXPECT_EQ(sein->formen[6], "habe geschwommen");
    EXPECT_FALSE(sein->mitSein);
    EXPECT_EQ(s_formen.Vorschlagen("tanzen", CVerbformen::Hilfsverb::Sein)->formen[8],
              "ist getanzt");
    for (const char* kein : {"Haus", "", "  ", "sich", "schnell", "Äpfel essen", "2x"}) {
        EXPECT_FALSE(s_formen.Vorschlagen(kein).has_value()) << kein;
    }
    // A verb the dictionary lacks is formed and marked as a guess.
    const auto geraten = s_formen.Vorschlagen("zoomen");
    ASSERT_TRUE(geraten);
    EXPECT_FALSE(geraten->bekannt);
    EXPECT_EQ(geraten->formen[6], "habe gezoomt");

    CWortelement e;
    CVerbformen::Uebernehmen(*s_formen.Vorschlagen("gehen"), e);
    using Z = CWortelement::Zeit;
    EXPECT_EQ(e.GetForm(CWortelement::Slot(Z::Vergangenheit, CWortelement::Zahl::Mehrzahl, 2)),
              "seid gegangen");
    EXPECT_EQ(e.GetForm(CWortelement::Slot(Z::Zukunft, CWortelement::Zahl::Einzahl, 1)),
              "werde gehen");
}

TEST(Verbformen, TodaysSpelling) {
    EXPECT_EQ(CVerbformen::NeueSchreibung("muß", "müssen"), "muss");
    EXPECT_EQ(CVerbformen::NeueSchreibung("läßt", "lassen"), "lässt");
    EXPECT_EQ(CVerbformen::NeueSchreibung("weiß", "wissen"), "weiß");
    EXPECT_EQ(CVerbformen::NeueSchreibung("stößt", "stoßen"), "stößt");
    EXPECT_EQ(CVerbformen::NeueSchreibung("gewußt", "wissen"), "gewusst");
}
