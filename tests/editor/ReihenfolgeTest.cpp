// Ordering: by caption, by use, the saved standard order, and ordering
// every category of the file at once.

#include <cmath>

#include "EditorFixture.h"
#include "Reihenfolge.h"

using Namen = std::vector<std::string>;

namespace {

// Days since 30 December 1899.
constexpr double k31Dez2025 = 46022;
constexpr double k1Jan2026 = 46023;
constexpr double k10Maerz2026 = 46091;

CWortelement Element(long anzahl, double datum, bool gueltig = true) {
    CWortelement e;
    e.SetAnzahl(anzahl);
    e.SetDatum({datum, gueltig});
    return e;
}

}  // namespace

TEST(Reihenfolge, CaptionsFollowTheGermanAlphabet) {
    const auto sortiert = [](std::vector<std::string> texte) {
        std::vector<std::unique_ptr<std::string>> liste;
        for (const auto& t : texte) liste.push_back(std::make_unique<std::string>(t));
        reihenfolge::SortiereNach(
            liste, [](const std::string& s) { return reihenfolge::CaptionKey(s); },
            [](const std::u32string& b, const std::u32string& a) { return a > b; });
        Namen aus;
        for (const auto& s : liste) aus.push_back(*s);
        return aus;
    };
    // ä as a, ö as o, ü as u, ß as ss, case aside; equal so far, the exact
    // text decides (capital first, plain letter before umlaut); a prefix first.
    const std::pair<Namen, Namen> faelle[] = {
        {{"Zitrone", "Kuchen", "Äpfel", "Käse", "Apfel"},
         {"Apfel", "Äpfel", "Käse", "Kuchen", "Zitrone"}},
        {{"Öl", "Ofen", "oben", "Übel", "Uhr", "Zug"},
         {"oben", "Ofen", "Öl", "Übel", "Uhr", "Zug"}},
        {{"Maß", "Masse", "Mast", "Mas"}, {"Mas", "Maß", "Masse", "Mast"}},
        {{"ä", "Ä", "a", "A", "", "Ab"}, {"", "A", "a", "Ä", "ä", "Ab"}},
        {{"Crème", "Creme", "Cremes"}, {"Creme", "Crème", "Cremes"}},
        {{"Mittags", "Mittag\u00ADessen"}, {"Mittag\u00ADessen", "Mittags"}},
    };
    for (const auto& [ein, aus] : faelle) EXPECT_EQ(sortiert(ein), aus);
    EXPECT_EQ(reihenfolge::Falten("Größe STRAẞE Ärger"), "grosse strasse arger");
}

TEST(Reihenfolge, UseScoreCountsEveryYearAs366Days) {
    EXPECT_EQ(reihenfolge::UseScore(Element(10, k10Maerz2026 - 10), k10Maerz2026 + 0.5), 1.0F);
    EXPECT_EQ(reihenfolge::UseScore(Element(3, k10Maerz2026 - 2), k10Maerz2026), 1.5F);
    // 31 December to 1 January: (1 - 365) + 366 = 2 days.
    EXPECT_EQ(reihenfolge::UseScore(Element(4, k31Dez2025), k1Jan2026), 2.0F);
    // 1 March 2025 to 1 March 2026 in days of the year: 60 - 60 + 366.
    EXPECT_EQ(reihenfolge::UseScore(Element(366, 45717), 46082), 1.0F);
    EXPECT_TRUE(std::isinf(reihenfolge::UseScore(Element(5, k1Jan2026 + 0.7), k1Jan2026 + 0.1)));
    EXPECT_TRUE(std::isnan(reihenfolge::UseScore(Element(0, k1Jan2026), k1Jan2026)));

    EXPECT_EQ(reihenfolge::JahrUndTag(k1Jan2026 + 0.99, true).jahr, 2026);
    EXPECT_EQ(reihenfolge::JahrUndTag(k31Dez2025, true).tag, 365);
    EXPECT_EQ(reihenfolge::JahrUndTag(-1.25, true).tag, 363);  // 29 December 1899
    EXPECT_EQ(reihenfolge::JahrUndTag(k1Jan2026, false).jahr, -1);
    EXPECT_EQ(reihenfolge::JahrUndTag(1e12, true).tag, -1);
}

TEST_F(EditorTest, OrderingTheShownCategoryChangesMemoryUntilTheCommit) {
    const long obst = Kategorie("Obst", {"birne", "Apfel", "Äpfel", "apfel", "Zitrone", "Apfel"});
    ASSERT_TRUE(m_daten->SelectKategorie("Obst"));
    long zweiterApfel = 0;
    for (CWortelement* e = m_daten->GetFirstWortelement(); e; e = m_daten->GetNextWortelement()) {
        if (e->GetAnzeigetext() == "Apfel") zweiterApfel = e->GetIndex();
    }
    m_ansicht.anzahl = 0;
    m_daten->OrderAlphabetical(false);
    EXPECT_EQ(Liste(), (Namen{"Apfel", "Apfel", "apfel", "Äpfel", "birne", "Zitrone"}));
    // Equal captions keep their order: the later "Apfel" stays second.
    EXPECT_EQ(m_daten->FindWortelement(zweiterApfel)->GetPosition(), 2);
    EXPECT_EQ(Positionen(), (std::vector<long>{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(m_ansicht.anzahl, 1);
    EXPECT_EQ(m_dialoge.warteAufrufe, 1);
    EXPECT_EQ(m_dialoge.wartend, 0);
    EXPECT_EQ(ImFile(obst)[0], "birne");
    ASSERT_TRUE(m_daten->CommitWortelemente());
    EXPECT_EQ(ImFile(obst), (Namen{"Apfel", "Apfel", "apfel", "Äpfel", "birne", "Zitrone"}));
}

TEST_F(EditorTest, OrderingByUseLeadsWithTheMostUsedPerDay) {
    m_uhr.Stellen(k10Maerz2026 + 0.4);
    Kategorie("Tun", {"A", "B", "C", "D", "E", "F"});
    auto db = Roh();
    // A: 1.0 a day; B: 1.5; C and D alike; E: created today, unused (stays
    // put); F: created today and used (to the front).
    db.exec("update Wortelement set Anzahl = 10, Datum = 46081 where Anzeigetext = 'A'");
    db.exec("update Wortelement set Anzahl = 3, Datum = 46089 where Anzeigetext = 'B'");
    db.exec("update Wortelement set Anzahl = 1, Datum = 46000 where Anzeigetext in ('C', 'D')");
    db.exec("update Wortelement set Anzahl = 0, Datum = 46091 where Anzeigetext = 'E'");
    db.exec("update Wortelement set Anzahl = 5, Datum = 46091 where Anzeigetext = 'F'");
    ASSERT_TRUE(m_daten->SelectKategorie("Tun"));
    m_daten->OrderByUse(false);
    // E never changes places: F passes only what is in front of E.
    EXPECT_EQ(Liste(), (Namen{"B", "A", "C", "D", "E", "F"}));

    db.exec("update Wortelement set Datum = 46000 where Anzeigetext = 'E'");
    ASSERT_TRUE(m_daten->SelectKategorie("Tun"));
    m_daten->OrderByUse(false);
    EXPECT_EQ(Liste(), (Namen{"F", "B", "A", "C", "D", "E"}));
}

TEST_F(EditorTest, TheStandardOrderIsSavedAndRestored) {
    // altePos 0 everywhere: every record is flagged, then none.
    Kategorie("Farben", {"rot", "grün", "blau"});
    ASSERT_TRUE(m_daten->SelectKategorie("Farben"));
    m_daten->SetWortelementStandard();
    EXPECT_EQ(Flags(), std::vector<bool>(3, true));
    ASSERT_TRUE(m_daten->CommitWortelemente());
    m_daten->SetWortelementStandard();
    EXPECT_EQ(Flags(), std::vector<bool>(3, false));

    m_daten->OrderAlphabetical(false);
    EXPECT_EQ(Liste(), (Namen{"blau", "grün", "rot"}));
    m_ansicht.anzahl = 0;
    m_daten->RestoreWortelementOrder();
    EXPECT_EQ(Liste(), (Namen{"rot", "grün", "blau"}));
    EXPECT_EQ(Positionen(), (std::vector<long>{1, 2, 3}));
    EXPECT_EQ(m_ansicht.anzahl, 1);

    // Equal altePos values change no order.
    for (CWortelement* e = m_daten->GetFirstWortelement(); e; e = m_daten->GetNextWortelement()) {
        e->SetAltePosition(4);
    }
    m_daten->OrderAlphabetical(false);
    m_daten->RestoreWortelementOrder();
    EXPECT_EQ(Liste(), (Namen{"blau", "grün", "rot"}));

    // The same for the emotion buttons, through the file.
    m_daten->SetEButtonStandard();
    m_daten->SelectEButton(0);
    m_daten->MoveEButton(false);
    m_daten->MoveEButton(false);
    ASSERT_TRUE(m_daten->CommitEButtons());
    m_daten->RestoreEButtonOrder();
    ASSERT_TRUE(m_daten->CommitEButtons());
    EXPECT_EQ(Zahl("select Pos from EButtons where Anzeigetext = 'Ja'"), 1);
    EXPECT_EQ(Zahl("select altePos from EButtons where Anzeigetext = 'Weiß nicht'"), 8);
}

TEST_F(EditorTest, OrderingAllCategoriesCommitsEachAndReportsProgress) {
    const long obst = Kategorie("Obst", {"Pflaume", "Kirsche", "Apfel"});
    const long leer = Kategorie("Leer", {});
    ASSERT_TRUE(m_daten->SelectKategorie("Obst"));
    // An unwritten change of the list shown survives the ordering.
    m_daten->GetFirstWortelement()->SetAnzeigetext("Zwetschge");
    m_daten->GetFirstWortelement()->SetChanged(true);
    m_ansicht.anzahl = 0;

    m_daten->OrderAlphabetical(true);
    EXPECT_EQ(ImFile(1), (Namen{"Ball", "Essen", "gehen", "Haus", "Kino"}));
    EXPECT_EQ(ImFile(m_nKategorie2), (Namen{"Apfel", "essen", "Start"}));
    EXPECT_EQ(ImFile(obst), (Namen{"Apfel", "Kirsche", "Zwetschge"}));
    EXPECT_EQ(ImFile(leer), Namen{});

    // Back on the category shown before, as the file has it now.
    EXPECT_EQ(m_daten->GetKategorie().GetIndex(), obst);
    EXPECT_EQ(Liste(), (Namen{"Apfel", "Kirsche", "Zwetschge"}));
    EXPECT_EQ(Flags(), std::vector<bool>(3, false));
    EXPECT_EQ(m_ansicht.anzahl, 1);
    EXPECT_EQ(m_dialoge.wartend, 0);

    const auto& s = m_fortschritt.schritte;
    ASSERT_EQ(s.size(), 5u);
    EXPECT_EQ(s[0].text, "HOME");
    EXPECT_EQ(s[2].text, "Obst");
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(s[i].erledigt, i);
        EXPECT_EQ(s[i].gesamt, 4u);
    }
    EXPECT_EQ(s[4].erledigt, 4u);
    EXPECT_EQ(s[4].text, "");

    m_daten->OrderByUse(true);
    EXPECT_TRUE(m_dialoge.fehler.empty());
}
