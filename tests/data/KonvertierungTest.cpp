#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "CTempVerzeichnis.h"
#include "CWortelement.h"
#include "Konvertierung.h"
#include "Utf8.h"

TEST(VariantToText, RendersNullNumbersAndText) {
    EXPECT_EQ(VariantToText(std::monostate{}), "");
    EXPECT_EQ(VariantToText(-5LL), "-5");
    EXPECT_EQ(VariantToText(std::string("Grüße")), "Grüße");
    EXPECT_EQ(VariantToText(1.5), "1.500000e+00");
}

TEST(ParseDecimal, ReadsLinkDigitsTheWayStoredLinksWereRead) {
    EXPECT_EQ(ParseDecimal("012"), 12);
    EXPECT_EQ(ParseDecimal(""), 0);
    EXPECT_EQ(ParseDecimal("1a"), 59);
    // Wraps in 32 bits instead of being undefined.
    EXPECT_EQ(ParseDecimal("4294967297"), 1);
}

TEST(LinkTarget, OnlyLinksHaveATarget) {
    CWortelement link;
    link.SetArt(CWortelement::Link);
    link.SetForm(0, "012");
    EXPECT_EQ(link.GetLinkTarget(), std::make_pair(true, 12L));
    link.SetForm(0, "");
    EXPECT_EQ(link.GetLinkTarget(), std::make_pair(true, 0L));
    CWortelement wort;
    wort.SetArt(CWortelement::Wort);
    wort.SetForm(0, "012");
    EXPECT_EQ(wort.GetLinkTarget(), std::make_pair(false, 0L));
}

TEST(ReadIconSize, ReadsSizeBytesAndNeverNeedsWriteAccess) {
    CTempVerzeichnis dir;
    EXPECT_EQ(ReadIconSize(dir.Datei("fehlt.ico")), std::make_pair(32, 32));
    // Something that is not a file counts as missing.
    std::filesystem::create_directory(dir.Datei("ordner.ico"));
    EXPECT_EQ(ReadIconSize(dir.Datei("ordner.ico")), std::make_pair(32, 32));

    const std::string ico = dir.Datei("a.ico");
    {
        std::ofstream f(ico, std::ios::binary);
        const char kopf[] = {0, 0, 1, 0, 1, 0, 48, 0, 0, 0};
        f.write(kopf, sizeof kopf);
    }
    EXPECT_EQ(ReadIconSize(ico), std::make_pair(48, 0));

    // A read-only icon has its real size.
    std::filesystem::permissions(ico, std::filesystem::perms::owner_read);
    EXPECT_EQ(ReadIconSize(ico), std::make_pair(48, 0));

    const std::string kurz = dir.Datei("kurz.ico");
    {
        std::ofstream f(kurz, std::ios::binary);
        f.write("\0\0\1\0\1\0\x10", 7);
    }
    EXPECT_EQ(ReadIconSize(kurz), std::make_pair(16, -1));
}

TEST(Utf8, CutsAndErasesWholeCharacters) {
    std::string s = "Bär";
    ASSERT_TRUE(utf8::LetztesEntfernen(s));
    EXPECT_EQ(s, "Bä");
    ASSERT_TRUE(utf8::LetztesEntfernen(s));
    EXPECT_EQ(s, "B");
    EXPECT_EQ(utf8::Laenge("Grüße"), 5u);
    EXPECT_EQ(utf8::Anfang("Grüße", 3), "Grü");
    EXPECT_EQ(utf8::AusCodepoint(U'ß'), "ß");
    EXPECT_TRUE(utf8::IstEinZeichen("ö"));
    EXPECT_FALSE(utf8::IstEinZeichen("öl"));
    EXPECT_FALSE(utf8::IstEinZeichen("\xC3"));
    std::string leer;
    EXPECT_FALSE(utf8::LetztesEntfernen(leer));
}

TEST(Utf8, FoldsAsciiAndGermanLettersOnly) {
    EXPECT_EQ(utf8::Falten("ÄRGER Über ÖL"), "ärger über öl");
    EXPECT_EQ(utf8::Falten("Geht's DIR gut?"), "geht's dir gut?");
    EXPECT_EQ(utf8::Falten("\u1E9E"), "ß");
    EXPECT_EQ(utf8::Falten("3×4"), "3×4");
}
