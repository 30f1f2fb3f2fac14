// The proposed noun forms from the shipped dictionary, with its mends.

#include <gtest/gtest.h>

#include "CNomenformen.h"

namespace {

class NomenformenTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        s_formen = new CNomenformen;
        std::string fehler;
        ASSERT_TRUE(s_formen->Laden(SAGWERK_RES_DIR "/nomen.txt", fehler)) << fehler;
    }
    static void TearDownTestSuite() { delete s_formen; }

    static std::string Formen(const std::string& wort) {
        const auto n = s_formen->Vorschlagen(wort);
        if (!n) return "-";
        std::string s = CNomen::Kuerzel(n->GetGeschlecht());
        for (const std::string& f : n->GetFormen()) s += " " + (f.empty() ? std::string("_") : f);
        return s;
    }
    static CNomenformen* s_formen;
};
CNomenformen* NomenformenTest::s_formen = nullptr;

}  // namespace

TEST_F(NomenformenTest, TodaysFormsAreProposed) {
    EXPECT_GT(s_formen->Anzahl(), 60000u);
    // The old dative -e goes; the genitive after a hissing sound takes -es.
    EXPECT_EQ(Formen("Rollstuhl"),
              "m Rollstuhl Rollstuhl Rollstuhl Rollstuhls Rollstühle Rollstühle Rollstühlen Rollstühle");
    EXPECT_EQ(Formen("Zug"), "m Zug Zug Zug Zugs Züge Züge Zügen Züge");
    EXPECT_EQ(Formen("Tisch"), "m Tisch Tisch Tisch Tisches Tische Tische Tischen Tische");
    EXPECT_EQ(Formen("Apfel"), "m Apfel Apfel Apfel Apfels Äpfel Äpfel Äpfeln Äpfel");
    EXPECT_EQ(Formen("Katze"), "f Katze Katze Katze Katze Katzen Katzen Katzen Katzen");
    EXPECT_EQ(Formen("Bett"), "n Bett Bett Bett Betts Betten Betten Betten Betten");
    // Weak nouns keep their -en; mixed-up entries are given as said.
    EXPECT_EQ(Formen("Student"),
              "m Student Studenten Studenten Studenten Studenten Studenten Studenten Studenten");
    EXPECT_EQ(Formen("Name"), "m Name Namen Namen Namens Namen Namen Namen Namen");
    EXPECT_EQ(Formen("Tag"), "m Tag Tag Tag Tages Tage Tage Tagen Tage");
    EXPECT_EQ(Formen("Herr"), "m Herr Herrn Herrn Herrn Herren Herren Herren Herren");
    // Only plural, only singular, a small first letter.
    EXPECT_EQ(Formen("Eltern"), "p _ _ _ _ Eltern Eltern Eltern Eltern");
    EXPECT_EQ(Formen("Musik"), "f Musik Musik Musik Musik _ _ _ _");
    EXPECT_EQ(Formen("mädchen"), "n Mädchen Mädchen Mädchen Mädchens Mädchen Mädchen Mädchen Mädchen");
}

TEST_F(NomenformenTest, ANounTheDictionaryLacksGetsNoGuess) {
    EXPECT_EQ(Formen("Schnurzelpurz"), "-");
    EXPECT_EQ(Formen("Hause"), "-");  // "nach Hause" is a word of its own
    EXPECT_EQ(Formen(""), "-");
    CNomenformen leer;
    std::string fehler;
    EXPECT_FALSE(leer.Laden("/nicht/da/nomen.txt", fehler));
    EXPECT_NE(fehler.find("Nomenwörterbuch"), std::string::npos);
}
