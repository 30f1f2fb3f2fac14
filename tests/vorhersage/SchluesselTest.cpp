#include <gtest/gtest.h>

#include "Schluessel.h"

TEST(Schluessel, FaltetGrossschreibungUndEszett) {
    EXPECT_EQ(schluessel::Wort("Straße"), "strasse");
    EXPECT_EQ(schluessel::Wort("STRASSE"), "strasse");
    EXPECT_EQ(schluessel::Wort("\xE1\xBA\x9E"), "ss");  // capital sharp s
    EXPECT_EQ(schluessel::Wort("Übel"), "übel");
    EXPECT_EQ(schluessel::Locker("Größe"), "grosse");
}

TEST(Schluessel, GetippterGrundvokalSuchtAuchDenUmlaut) {
    struct Fall {
        const char* kandidat;
        const char* praefix;
        bool passt;
    } faelle[] = {
        {"müde", "mud", true},   {"müde", "müd", true},    {"mude", "müd", false},
        {"schön", "scho", true}, {"schon", "schö", false}, {"zug", "zu", true},
        {"zu", "zug", false},    {"äpfel", "a", true},     {"strasse", "strass", true},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(schluessel::BeginntMit(f.kandidat, f.praefix), f.passt)
            << f.kandidat << " / " << f.praefix;
}

TEST(Schluessel, SatzzeichenUndGrossbuchstaben) {
    EXPECT_EQ(schluessel::Bereinigt("\xE2\x80\x9EHallo!\xE2\x80\x9C"), "Hallo");
    EXPECT_EQ(schluessel::Bereinigt("geht's?"), "geht's");
    EXPECT_EQ(schluessel::Bereinigt("..."), "");
    EXPECT_TRUE(schluessel::Satzende("Hunger."));
    EXPECT_TRUE(schluessel::Satzende("\xE2\x80\x9EJa!\xE2\x80\x9C"));
    EXPECT_FALSE(schluessel::Satzende("Hunger,"));
    EXPECT_EQ(schluessel::GrossAnfang("übel"), "Übel");
    EXPECT_EQ(schluessel::GrossAnfang("ß"), "ß");
    EXPECT_TRUE(schluessel::GrossAmAnfang("Ärger"));
    EXPECT_FALSE(schluessel::GrossAmAnfang("ärger"));
}
