#include <cmath>

#include "DatenbankFixture.h"

TEST_F(DatenbankTest, NewUserFileHasStartCategoryButtonsAndUser) {
    CBenutzer b;
    ASSERT_TRUE(m_db->LoadBenutzer(b));
    EXPECT_EQ(b.GetVorname(), "Anna");
    EXPECT_EQ(b.GetNachname(), "Berg");
    EXPECT_EQ(b.GetSpalten(), 6);
    EXPECT_EQ(b.GetZeilen(), 4);
    EXPECT_EQ(b.GetSpeed(), 100);
    EXPECT_EQ(b.GetPitch(), 100);
    EXPECT_EQ(b.GetPasswort(), "");
    EXPECT_DOUBLE_EQ(Roh().execAndGet("select LetzteNutzung from Benutzer").getDouble(), 46000.75);

    CKategorie k;
    ASSERT_TRUE(m_db->FirstKategorie(k));
    EXPECT_EQ(k.GetIndex(), 1);
    EXPECT_EQ(k.GetName(), "HOME");

    std::vector<long> codes;
    CFunktionsTaste t;
    for (bool ok = m_db->FirstFTaste(t); ok; ok = m_db->NextFTaste(t)) codes.push_back(t.GetCode());
    EXPECT_EQ(codes, (std::vector<long>{1, 2, 3, 4, 5, 6, 7, 8, 20, 21, 22, 80, 90, 91, 92, 93, 30,
                                        31, 32, 33}));
    ASSERT_TRUE(m_db->FirstFTaste(t));
    EXPECT_EQ(t.GetText(), "ich");
    ASSERT_TRUE(m_db->NextFTaste(t, true, 7));
    EXPECT_EQ(t.GetText(), "sie");  // "sie (alle)"

    CEmotionsButton e;
    ASSERT_TRUE(m_db->FirstEButton(e));
    EXPECT_GE(m_db->GetEButtonCount(), 6u);
    EXPECT_LE(m_db->GetEButtonCount(), 8u);
    EXPECT_FALSE(e.GetText().empty());
    EXPECT_TRUE(m_dialoge.fehler.empty());
}

TEST_F(DatenbankTest, UserRoundTripKeepsIndexAndStampsEveryLoad) {
    CBenutzer b("Ben", "Öztürk", 8, 3, "geh'eim");
    b.SetSpeed(150);
    b.SetPitch(80);
    ASSERT_TRUE(m_db->SaveBenutzer(b));
    m_uhr.Stellen(46001.25);
    CBenutzer gelesen;
    ASSERT_TRUE(m_db->LoadBenutzer(gelesen));
    EXPECT_EQ(gelesen.GetNachname(), "Öztürk");
    EXPECT_EQ(gelesen.GetPasswort(), "geh'eim");
    EXPECT_EQ(gelesen.GetSpalten(), 8);
    EXPECT_EQ(gelesen.GetSpeed(), 150);
    EXPECT_EQ(gelesen.GetIndex(), 1);
    EXPECT_DOUBLE_EQ(Roh().execAndGet("select LetzteNutzung from Benutzer").getDouble(), 46001.25);
}

TEST_F(DatenbankTest, EmptyUserTableIsReportedNotCrashed) {
    Roh().exec("delete from Benutzer");
    CBenutzer b;
    EXPECT_FALSE(m_db->LoadBenutzer(b));
    EXPECT_FALSE(m_db->SaveBenutzer(b));
    EXPECT_EQ(m_dialoge.fehler.size(), 2u);
}

TEST_F(DatenbankTest, WordListWalksInPosOrderAndCursorBehavesAsDocumented) {
    NeuesElement(1, 3, "drei");
    NeuesElement(1, 1, "eins");
    NeuesElement(1, 2, "zwei");
    NeuesElement(2, 1, "anderswo");

    CWortButton b;
    ASSERT_TRUE(m_db->FirstWortButton(b, 1));
    EXPECT_EQ(b.GetText(), "eins");
    ASSERT_TRUE(m_db->NextWortButton(b));
    EXPECT_EQ(b.GetText(), "zwei");
    ASSERT_TRUE(m_db->NextWortButton(b));
    EXPECT_EQ(b.GetText(), "drei");
    // Past the end: false every time, the cursor keeps growing, record untouched.
    EXPECT_FALSE(m_db->NextWortButton(b));
    EXPECT_FALSE(m_db->NextWortButton(b));
    EXPECT_EQ(m_db->GetWordCursor(), 4);
    EXPECT_EQ(b.GetText(), "drei");
    // Jumping reads that element and continues from there.
    ASSERT_TRUE(m_db->NextWortButton(b, true, 1));
    EXPECT_EQ(b.GetText(), "zwei");
    ASSERT_TRUE(m_db->NextWortButton(b));
    EXPECT_EQ(b.GetText(), "drei");
    EXPECT_FALSE(m_db->NextWortButton(b, true, -1));

    // Category 0 reloads the current one.
    ASSERT_TRUE(m_db->FirstWortButton(b, 0));
    EXPECT_EQ(b.GetText(), "eins");
    EXPECT_EQ(m_db->GetCurrentCategory(), 1);

    // An empty category: false, record untouched, cursor 0, list empty.
    CWortButton leer;
    leer.SetText("unberührt");
    EXPECT_FALSE(m_db->FirstWortButton(leer, 7));
    EXPECT_EQ(leer.GetText(), "unberührt");
    EXPECT_EQ(m_db->GetWordCursor(), 0);
    EXPECT_EQ(m_db->GetWordCount(), 0u);
    EXPECT_EQ(m_db->GetCurrentCategory(), 7);
}

TEST_F(DatenbankTest, ButtonsOfLinksAndCaptionFallback) {
    CWortelement link = Element(1, 1, "", CWortelement::Link);
    link.SetForm(0, "012");
    link.SetAnzeigetext("");
    ASSERT_TRUE(m_db->SaveWortelement(link, 0));
    CWortelement ohneText = Element(1, 2, "Apfel", CWortelement::Wort);
    ohneText.SetAnzeigetext("");
    ohneText.SetBild("bilder\\apfel.ico");
    ASSERT_TRUE(m_db->SaveWortelement(ohneText, 0));
    Roh().exec("insert into Wortelement (Kategorie, Pos) values (1, 3)");  // all Null

    CWortButton b;
    ASSERT_TRUE(m_db->FirstWortButton(b, 1));
    EXPECT_TRUE(b.IsLink());
    EXPECT_EQ(b.GetKategorie(), 12);
    EXPECT_EQ(b.GetText(), "012");
    ASSERT_TRUE(m_db->NextWortButton(b));
    EXPECT_FALSE(b.IsLink());
    EXPECT_EQ(b.GetKategorie(), 1);
    EXPECT_EQ(b.GetText(), "Apfel");
    EXPECT_EQ(b.GetBild(), "bilder\\apfel.ico");
    ASSERT_TRUE(m_db->NextWortButton(b));
    EXPECT_EQ(b.GetText(), "");
    EXPECT_EQ(b.GetBild(), "");

    CWortelement nullen;
    ASSERT_TRUE(m_db->LoadWortelement(nullen, b.GetIndex(), true));
    EXPECT_EQ(nullen.GetAnzahl(), 0);
    EXPECT_EQ(nullen.GetForm(5), "");
    EXPECT_FALSE(nullen.GetDatum().m_bGueltig);
}

TEST_F(DatenbankTest, VerbListHoldsOnlyVerbsInPosOrder) {
    NeuesElement(1, 5, "gehen", CWortelement::Verb);
    NeuesElement(2, 1, "essen", CWortelement::Verb);
    NeuesElement(1, 2, "Brot");
    CWortButton b;
    ASSERT_TRUE(m_db->FirstVerb(b));
    EXPECT_EQ(b.GetText(), "essen");
    ASSERT_TRUE(m_db->NextVerb(b));
    EXPECT_EQ(b.GetText(), "gehen");
    EXPECT_FALSE(m_db->NextVerb(b));
    EXPECT_EQ(m_db->GetVerbCount(), 2u);
}

TEST_F(DatenbankTest, LoadingAnElementCountsUsesUnlessAskedNotTo) {
    const long i = NeuesElement(1, 1, "Wasser");
    CWortelement w;
    ASSERT_TRUE(m_db->LoadWortelement(w, i, false));
    EXPECT_EQ(w.GetAnzahl(), 0);  // the record keeps the value read
    ASSERT_TRUE(m_db->LoadWortelement(w, i, false));
    EXPECT_EQ(w.GetAnzahl(), 1);
    ASSERT_TRUE(m_db->LoadWortelement(w, i, true));
    EXPECT_EQ(Zahl("select Anzahl from Wortelement"), 2);

    CWortelement fehlt;
    fehlt.SetAnzeigetext("bleibt");
    EXPECT_FALSE(m_db->LoadWortelement(fehlt, 999, false));
    EXPECT_EQ(fehlt.GetAnzeigetext(), "bleibt");
}

TEST_F(DatenbankTest, SavingANewElementDatesItTodayAndMakesItsKeyKnown) {
    CWortelement w = Element(3, 1, "Hund", CWortelement::Wort);
    ASSERT_TRUE(m_db->SaveWortelement(w, 0));
    ASSERT_GT(w.GetIndex(), 0);
    EXPECT_DOUBLE_EQ(w.GetDatum().m_dTage, 46000.75);
    EXPECT_EQ(Zahl("select Datum from Wortelement"), 46000);
    EXPECT_EQ(Zahl("select alteKategorie from Wortelement"), 0);

    // Saved again with the key it was given: the same row, not a second one.
    w.SetAnzeigetext("Hündin");
    ASSERT_TRUE(m_db->SaveWortelement(w, w.GetIndex()));
    EXPECT_EQ(Zahl("select count(*) from Wortelement"), 1);

    // Moving from 3 to 5 keeps 3 as the old category, also over a second save.
    w.SetKategorie(5);
    ASSERT_TRUE(m_db->SaveWortelement(w, w.GetIndex()));
    EXPECT_EQ(Zahl("select alteKategorie from Wortelement"), 3);
    ASSERT_TRUE(m_db->SaveWortelement(w, w.GetIndex()));
    EXPECT_EQ(Zahl("select alteKategorie from Wortelement"), 3);

    EXPECT_FALSE(m_db->SaveWortelement(w, 4711));
    EXPECT_EQ(Zahl("select count(*) from Wortelement"), 1);
}

TEST_F(DatenbankTest, OnlyVerbsWriteTheSeventeenFurtherForms) {
    CWortelement w = Element(1, 1, "laufen", CWortelement::Verb);
    for (int s = 0; s < CWortelement::kFormen; ++s) w.SetForm(s, "form" + std::to_string(s));
    ASSERT_TRUE(m_db->SaveWortelement(w, 0));
    CWortelement gelesen;
    ASSERT_TRUE(m_db->LoadWortelement(gelesen, w.GetIndex(), true));
    for (int s = 0; s < CWortelement::kFormen; ++s) {
        EXPECT_EQ(gelesen.GetForm(s), "form" + std::to_string(s));
    }
    // The in-memory slots land in the columns of their names.
    const int zuk2m =
        CWortelement::Slot(CWortelement::Zeit::Zukunft, CWortelement::Zahl::Mehrzahl, 2);
    EXPECT_EQ(Roh().execAndGet("select Zuk2PersM from Wortelement").getString(),
              "form" + std::to_string(zuk2m));

    // As a plain word only Geg1PersE is written; the rest stays.
    gelesen.SetArt(CWortelement::Wort);
    for (int s = 0; s < CWortelement::kFormen; ++s) gelesen.SetForm(s, "neu");
    ASSERT_TRUE(m_db->SaveWortelement(gelesen, gelesen.GetIndex()));
    CWortelement wort;
    ASSERT_TRUE(m_db->LoadWortelement(wort, w.GetIndex(), true));
    EXPECT_EQ(wort.GetForm(0), "neu");
    for (int s = 1; s < CWortelement::kFormen; ++s)
        EXPECT_EQ(wort.GetForm(s), "form" + std::to_string(s));
}

TEST_F(DatenbankTest, ButtonsAndCategoriesSaveUpdateAndDelete) {
    CFunktionsTaste t;
    ASSERT_TRUE(m_db->FirstFTaste(t));
    t.SetAnzeigetext("Ich's");
    ASSERT_TRUE(m_db->SaveFTaste(t, t.GetIndex()));
    CFunktionsTaste neu;
    ASSERT_TRUE(m_db->FirstFTaste(neu));
    EXPECT_EQ(neu.GetAnzeigetext(), "Ich's");
    const long long vorher = Zahl("select count(*) from FTasten");
    EXPECT_FALSE(m_db->SaveFTaste(t, 9999));  // gone row: nothing written
    EXPECT_EQ(Zahl("select count(*) from FTasten"), vorher);

    CEmotionsButton e("Juhu!", "Juhu", "", 99);
    ASSERT_TRUE(m_db->SaveEButton(e, 0));
    ASSERT_GT(e.GetIndex(), 0);
    e.SetText("Hurra!");
    ASSERT_TRUE(m_db->SaveEButton(e, e.GetIndex()));
    EXPECT_EQ(Roh().execAndGet("select Text from EButtons where Pos = 99").getString(), "Hurra!");
    EXPECT_TRUE(m_db->DeleteEButton(e.GetIndex()));
    EXPECT_FALSE(m_db->DeleteEButton(e.GetIndex()));

    CKategorie k;
    k.SetName("Essen");
    ASSERT_TRUE(m_db->SaveKategorie(k, 0));
    EXPECT_EQ(Zahl("select KatNummer from Kategorie where KatName = 'Essen'"), 0);
    const long essen = k.GetIndex();
    EXPECT_FALSE(m_db->DeleteKategorie(0));
    EXPECT_TRUE(m_db->DeleteKategorie(essen));
    // Keys are never handed out again.
    CKategorie danach;
    danach.SetName("Trinken");
    ASSERT_TRUE(m_db->SaveKategorie(danach, 0));
    EXPECT_GT(danach.GetIndex(), essen);

    const long w = NeuesElement(1, 1, "weg");
    EXPECT_TRUE(m_db->DeleteWortelement(w));
    EXPECT_FALSE(m_db->DeleteWortelement(w));
    EXPECT_TRUE(m_dialoge.fehler.empty());
}

TEST_F(DatenbankTest, ApostrophesAndUmlautsAreJustText) {
    CKategorie k;
    k.SetName("Geht's'; drop table Kategorie; --");
    ASSERT_TRUE(m_db->SaveKategorie(k, 0));
    CKategorie gelesen;
    ASSERT_TRUE(m_db->FirstKategorie(gelesen));
    ASSERT_TRUE(m_db->NextKategorie(gelesen));
    EXPECT_EQ(gelesen.GetName(), "Geht's'; drop table Kategorie; --");
    EXPECT_TRUE(m_dialoge.fehler.empty());
}
