#include <gtest/gtest.h>

#include "CScanner.h"

namespace {

using Ids = std::vector<int>;

// The communication screen in the scan order's terms: eight emotions in a
// row, sixteen function buttons two by two, a grid of `spalten` x `zeilen`
// (ids from 100, row by row) and the sentence area (up, down, speak).
std::vector<CScanKnopf> Bildschirm(int spalten, int zeilen) {
    std::vector<CScanKnopf> k;
    for (int i = 0; i < 8; ++i) k.push_back({i, CScanKnopf::Emotionen, 10, 10 + 120 * i});
    for (int i = 0; i < 16; ++i)
        k.push_back({20 + i, CScanKnopf::Funktionen, 95 + 78 * (i / 2), 10 + 65 * (i % 2)});
    // Listed from the bottom right: the order comes from the places alone.
    for (int i = spalten * zeilen - 1; i >= 0; --i)
        k.push_back({100 + i, CScanKnopf::Raster, 95 + 50 * (i / spalten), 145 + 50 * (i % spalten)});
    k.push_back({90, CScanKnopf::Satz, 593, 954});
    k.push_back({91, CScanKnopf::Satz, 593, 880});
    k.push_back({92, CScanKnopf::Satz, 660, 880});
    return k;
}

}  // namespace

TEST(Scanner, GroupsRowsAndButtonsInTheOrderOfTheScreen) {
    const auto gruppen = CScanner::Gruppen(Bildschirm(20, 10));
    ASSERT_EQ(gruppen.size(), 4u);
    EXPECT_EQ(gruppen[0].zeilen, std::vector<Ids>{Ids({0, 1, 2, 3, 4, 5, 6, 7})});
    EXPECT_EQ(gruppen[1].zeilen.size(), 8u);
    EXPECT_EQ(gruppen[1].zeilen[7], Ids({34, 35}));
    ASSERT_EQ(gruppen[2].zeilen.size(), 10u);
    EXPECT_EQ(gruppen[2].zeilen[3].front(), 160);
    EXPECT_EQ(gruppen[2].zeilen[3].back(), 179);
    // Up and down share a column; "Sprechen" stands higher, beside up.
    EXPECT_EQ(gruppen[3].zeilen, (std::vector<Ids>{{91, 90}, {92}}));
}

TEST(Scanner, TwoSwitchesReachAButtonThroughGroupAndRowAndStartOverAtTheTop) {
    CScanner s;
    s.SetAnordnung(CScanner::Gruppen(Bildschirm(6, 4)), 0);
    s.Schritt(0);
    s.Schritt(0);  // the grid
    EXPECT_EQ(s.Markiert().size(), 24u);
    EXPECT_EQ(s.Waehlen(0), -1);
    s.Schritt(0);  // its second row
    EXPECT_EQ(s.Markiert(), Ids({106, 107, 108, 109, 110, 111}));
    EXPECT_EQ(s.Waehlen(0), -1);
    for (int i = 0; i < 4; ++i) s.Schritt(0);
    EXPECT_EQ(s.Markiert(), Ids({110}));
    EXPECT_EQ(s.Waehlen(0), 110);
    EXPECT_EQ(s.GetMarke().ebene, CScanner::Ebene::Gruppen);
    EXPECT_EQ(s.GetMarke().gruppe, 0);

    // A row of one button is pressed when chosen: the sentence area's second
    // row holds only "down".
    s.Schritt(0);
    s.Schritt(0);
    s.Schritt(0);
    EXPECT_EQ(s.Waehlen(0), -1);
    s.Schritt(0);
    EXPECT_EQ(s.Waehlen(0), 92);
    // The emotions are one row: chosen, the group goes straight to its buttons.
    EXPECT_EQ(s.Waehlen(0), -1);
    EXPECT_EQ(s.GetMarke().ebene, CScanner::Ebene::Knoepfe);
    EXPECT_EQ(s.Waehlen(0), 0);
}

TEST(Scanner, TheStepAfterTheLastLeavesARowOrAGroup) {
    CScanner s;
    s.SetAnordnung(CScanner::Gruppen(Bildschirm(6, 4)), 0);
    s.Schritt(0);
    s.Waehlen(0);  // the function buttons
    s.Waehlen(0);  // their first row: ich, du
    s.Schritt(0);
    s.Schritt(0);
    EXPECT_TRUE(s.GetMarke().zurueck);
    EXPECT_EQ(s.Markiert(), Ids({20, 21}));  // the whole row
    EXPECT_EQ(s.Waehlen(0), -1);
    EXPECT_EQ(s.GetMarke().ebene, CScanner::Ebene::Zeilen);
    for (int i = 0; i < 8; ++i) s.Schritt(0);
    EXPECT_TRUE(s.GetMarke().zurueck);
    EXPECT_EQ(s.Markiert().size(), 16u);  // the whole group
    EXPECT_EQ(s.Waehlen(0), -1);
    EXPECT_EQ(s.GetMarke().ebene, CScanner::Ebene::Gruppen);
    EXPECT_EQ(s.GetMarke().gruppe, 1);
}

TEST(Scanner, OneSwitchStepsByItselfAndTwoIdleRoundsGoBackToTheTop) {
    CScanner s(1000);
    s.SetAutomatisch(true);
    s.SetAnordnung(CScanner::Gruppen(Bildschirm(6, 4)), 5000);
    EXPECT_FALSE(s.Takt(5999));
    EXPECT_TRUE(s.Takt(6000));
    EXPECT_EQ(s.GetMarke().gruppe, 1);
    EXPECT_EQ(s.Faellig(), 7000);
    s.Waehlen(6500);  // into the function buttons: the time starts again
    EXPECT_EQ(s.Faellig(), 7500);
    long long t = 7500;
    int schritte = 0;
    while (s.GetMarke().ebene != CScanner::Ebene::Gruppen) {
        ASSERT_TRUE(s.Takt(t));
        t += 1000;
        ++schritte;
    }
    EXPECT_EQ(schritte, 2 * 9);  // eight rows and the step out, twice
    EXPECT_EQ(s.GetMarke().gruppe, 0);

    // Nothing to scan: nothing happens.
    s.SetAnordnung({CScanGruppe{{{}, {}}}}, 0);
    EXPECT_TRUE(s.IsLeer());
    EXPECT_FALSE(s.Takt(100000));
    EXPECT_EQ(s.Waehlen(0), -1);
    EXPECT_TRUE(s.Markiert().empty());
}

// After a choice the caller sets where scanning goes on: inside the group of
// the button pressed, on a group, or on one button (a suggestion taken:
// "Sprechen" next). The first item of each level waits the extra time.
TEST(Scanner, GoesOnWhereToldAndWaitsLongerOnTheFirstItem) {
    CScanner s(1000);
    s.SetAutomatisch(true);
    s.SetErstzeit(400);
    s.SetAnordnung(CScanner::Gruppen(Bildschirm(6, 4)), 0);
    EXPECT_EQ(s.GetGruppen()[2].bereich, CScanKnopf::Raster);
    EXPECT_EQ(s.Faellig(), 1400);  // the first group
    ASSERT_TRUE(s.Takt(1400));
    EXPECT_EQ(s.Faellig(), 2400);  // the second one: the step alone

    EXPECT_EQ(s.GruppeVon(110), 2);
    EXPECT_EQ(s.GruppeVon(999), -1);
    ASSERT_TRUE(s.Fortsetzen(2, true, 5000));
    EXPECT_EQ(s.GetMarke().ebene, CScanner::Ebene::Zeilen);
    EXPECT_EQ(s.Markiert(), Ids({100, 101, 102, 103, 104, 105}));
    EXPECT_EQ(s.Faellig(), 6400);
    ASSERT_TRUE(s.Fortsetzen(0, true, 5000));  // one row: straight to its buttons
    EXPECT_EQ(s.Markiert(), Ids({0}));
    ASSERT_TRUE(s.Fortsetzen(3, false, 5000));
    EXPECT_EQ(s.Markiert(), Ids({91, 90, 92}));
    EXPECT_FALSE(s.Fortsetzen(4, false, 5000));

    // "Sprechen" (90) stands in a row with up: the highlight holds it alone,
    // and one selection presses it; down (92) is a row of its own.
    ASSERT_TRUE(s.Auf(90, 6000));
    EXPECT_EQ(s.Markiert(), Ids({90}));
    EXPECT_EQ(s.Waehlen(6000), 90);
    ASSERT_TRUE(s.Auf(92, 6000));
    EXPECT_EQ(s.Markiert(), Ids({92}));
    EXPECT_EQ(s.Waehlen(6000), 92);
    EXPECT_FALSE(s.Auf(999, 6000));
}

// Inverse scanning: the caller turns the stepping on while the switch is
// held and selects when it is let go; a short press selects what is
// highlighted without a step.
TEST(Scanner, InverseStepsOnlyWhileHeld) {
    CScanner s(1000);
    s.SetAnordnung(CScanner::Gruppen(Bildschirm(6, 4)), 0);
    EXPECT_EQ(s.Faellig(), -1);
    s.SetAutomatisch(true, 5000);  // held at 5 s
    EXPECT_FALSE(s.Takt(5999));
    EXPECT_TRUE(s.Takt(6000));
    EXPECT_TRUE(s.Takt(7000));
    s.SetAutomatisch(false);  // let go: the grid is chosen
    EXPECT_EQ(s.Faellig(), -1);
    EXPECT_EQ(s.Waehlen(7300), -1);
    EXPECT_EQ(s.GetMarke().ebene, CScanner::Ebene::Zeilen);
    s.SetAutomatisch(true, 8000);
    s.SetAutomatisch(false);
    EXPECT_EQ(s.Waehlen(8100), -1);  // its first row
    EXPECT_EQ(s.Markiert(), Ids({100}));
}

// A window's buttons are one group: scanning starts on them, without a
// frame standing still on the whole window first, and only a group of
// several rows has a step out, back to its rows.
TEST(Scanner, OneGroupAloneIsScannedFromInside) {
    CScanner s(1000);
    s.SetAutomatisch(true);
    s.SetAnordnung(
        CScanner::Gruppen({{7, CScanKnopf::Raster, 0, 0}, {8, CScanKnopf::Raster, 0, 90}}), 0);
    EXPECT_EQ(s.GetMarke().ebene, CScanner::Ebene::Knoepfe);
    EXPECT_EQ(s.Markiert(), Ids({7}));
    for (long long t = 1000; t <= 6000; t += 1000) {
        ASSERT_TRUE(s.Takt(t));
        EXPECT_FALSE(s.GetMarke().zurueck);
        EXPECT_EQ(s.Markiert(), Ids({t % 2000 == 0 ? 7 : 8}));
    }
    EXPECT_EQ(s.Waehlen(6500), 7);
    EXPECT_EQ(s.Markiert(), Ids({7}));  // pressed: the first one again
    ASSERT_TRUE(s.Fortsetzen(0, false, 7000));
    EXPECT_EQ(s.GetMarke().ebene, CScanner::Ebene::Knoepfe);

    // Two rows (a question under a field): the rows first, then the buttons
    // of the one chosen and the step back to the rows.
    s.SetAnordnung(CScanner::Gruppen({{1, CScanKnopf::Raster, 0, 0},
                                      {2, CScanKnopf::Raster, 50, 0},
                                      {3, CScanKnopf::Raster, 50, 90}}),
                   10000);
    EXPECT_EQ(s.GetMarke().ebene, CScanner::Ebene::Zeilen);
    EXPECT_EQ(s.Waehlen(10000), 1);  // a row of one button is pressed
    s.Schritt(10000);
    EXPECT_EQ(s.Markiert(), Ids({2, 3}));
    s.Schritt(10000);
    EXPECT_EQ(s.Markiert(), Ids({1}));  // round again, no step out
    s.Schritt(10000);
    EXPECT_EQ(s.Waehlen(10000), -1);
    s.Schritt(10000);
    s.Schritt(10000);
    EXPECT_TRUE(s.GetMarke().zurueck);
    EXPECT_EQ(s.Waehlen(10000), -1);
    EXPECT_EQ(s.GetMarke().ebene, CScanner::Ebene::Zeilen);
    ASSERT_TRUE(s.Auf(3, 11000));
    EXPECT_EQ(s.Waehlen(11000), 3);
}
