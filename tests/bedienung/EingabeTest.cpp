#include <gtest/gtest.h>

#include "CSchalter.h"
#include "CVerweilen.h"

namespace {
using M = CSchalter::CMeldung;
using Art = CSchalter::Art;
const M kDruck{1, Art::Gedrueckt};
const M kLos{1, Art::Losgelassen};
}  // namespace

TEST(Schalter, HeldOrPressedAgainWithinTheDebounceTimeCountsOnce) {
    CSchalter s(300);
    EXPECT_EQ(s.Runter(1, 1000), std::vector<M>{kDruck});
    EXPECT_TRUE(s.Runter(1, 1030).empty());  // a repeat without its release
    s.Hoch(1, 1100);
    EXPECT_EQ(s.Takt(1200), std::vector<M>{kLos});
    EXPECT_TRUE(s.Runter(1, 1350).empty());  // a bounce: 250 ms after the release
    s.Hoch(1, 1360);
    EXPECT_TRUE(s.Takt(1500).empty());  // it never counted, so it does not end either
    EXPECT_EQ(s.Runter(2, 1370), (std::vector<M>{{2, Art::Gedrueckt}}));  // a switch of its own
    EXPECT_EQ(s.Runter(1, 1700), std::vector<M>{kDruck});  // up 340 ms since the last release
}

// The X server repeats a held key as release/press pairs at the same moment,
// without the repeat flag the program could trust: held five seconds, the
// switch counts once, and once again after a real release.
TEST(Schalter, HeldFiveSecondsUnderTheKeyRepeatCountsOnce) {
    for (const int entprell : {0, 300}) {
        CSchalter s(entprell);
        int druecke = 0, losgelassen = 0;
        const auto zaehlen = [&](const std::vector<M>& m) {
            for (const M& x : m) (x.art == Art::Gedrueckt ? druecke : losgelassen)++;
        };
        zaehlen(s.Runter(1, 0));
        for (long long t = 660; t < 5000; t += 40) {
            s.Hoch(1, t);
            zaehlen(s.Takt(t));
            zaehlen(s.Runter(1, t + 1));
            zaehlen(s.Takt(t + 20));
        }
        EXPECT_EQ(druecke, 1);
        EXPECT_EQ(losgelassen, 0);
        s.Hoch(1, 5000);
        EXPECT_EQ(s.Faellig(), 5000 + CSchalter::kWiederholungMs);
        zaehlen(s.Takt(5000 + CSchalter::kWiederholungMs));
        EXPECT_EQ(losgelassen, 1);
        zaehlen(s.Runter(1, 5400));
        EXPECT_EQ(druecke, 2);
    }
}

// With an acceptance time a brush does not count; a press counts once it
// has been held that long, and the debounce counts from the release.
TEST(Schalter, AnAcceptanceTimeCountsOnlyPressesHeldThatLong) {
    CSchalter s(200, 300);
    EXPECT_TRUE(s.Runter(1, 1000).empty());
    EXPECT_EQ(s.Faellig(), 1300);
    s.Hoch(1, 1150);  // brushed
    EXPECT_TRUE(s.Takt(1400).empty());
    EXPECT_TRUE(s.Runter(1, 1500).empty());
    EXPECT_TRUE(s.Takt(1799).empty());
    EXPECT_EQ(s.Takt(1800), std::vector<M>{kDruck});
    EXPECT_TRUE(s.Takt(3000).empty());  // held on: nothing more
    s.Hoch(1, 3000);
    // Pressed again 150 ms after the release: within the debounce time, so
    // however long it is held it does not count.
    EXPECT_EQ(s.Runter(1, 3150), std::vector<M>{kLos});
    EXPECT_EQ(s.Faellig(), -1);
    EXPECT_TRUE(s.Takt(4000).empty());
    s.Hoch(1, 4000);
    EXPECT_TRUE(s.Runter(1, 4250).empty());
    EXPECT_EQ(s.Takt(4550), std::vector<M>{kDruck});

    // A switch held while the window changed counts only after it was let go.
    s.Vergessen();
    s.Hoch(1, 4600);
    EXPECT_TRUE(s.Takt(5000).empty());
    EXPECT_TRUE(s.Runter(1, 5000).empty());
    EXPECT_EQ(s.Takt(5300), std::vector<M>{kDruck});
}

TEST(Verweilen, RestingPressesOnceMovingAwayCancelsAndLeavingAllowsAgain) {
    CVerweilen v(1000);
    EXPECT_EQ(v.Takt(0), -1);
    v.Bewegt(7, 0);
    EXPECT_DOUBLE_EQ(v.Fortschritt(250), 0.25);
    v.Bewegt(8, 900);  // moved on before the time was up
    EXPECT_EQ(v.Takt(1500), -1);
    EXPECT_EQ(v.Faellig(), 1900);
    EXPECT_EQ(v.Takt(1900), 8);
    // Left resting, it does not press again; the fill is empty.
    EXPECT_EQ(v.Takt(5000), -1);
    EXPECT_DOUBLE_EQ(v.Fortschritt(5000), 0.0);
    v.Bewegt(8, 5000);  // still the same button
    EXPECT_EQ(v.Takt(7000), -1);
    v.Bewegt(-1, 7000);
    v.Bewegt(8, 7100);
    EXPECT_EQ(v.Takt(8100), 8);
}

// A window that opens under a resting pointer: its button is not pressed
// until the pointer has left it; where the pointer rested on nothing, the
// next button counts as always.
TEST(Verweilen, AfterAWindowCameTheRestingPointerMustLeaveFirst) {
    CVerweilen v(1000);
    v.Bewegt(3, 0);
    v.Ruhen();
    v.Bewegt(3, 100);  // the question's button came under the pointer
    EXPECT_EQ(v.Takt(5000), -1);
    EXPECT_DOUBLE_EQ(v.Fortschritt(5000), 0.0);
    v.Bewegt(4, 5000);
    EXPECT_EQ(v.Takt(6000), 4);
    v.Ruhen();
    v.Bewegt(-1, 6000);
    v.Bewegt(5, 6100);
    EXPECT_EQ(v.Takt(7100), 5);
}
