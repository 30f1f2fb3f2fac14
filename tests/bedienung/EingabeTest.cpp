#include <gtest/gtest.h>

#include "CSchalter.h"
#include "CVerweilen.h"

TEST(Schalter, HeldOrPressedAgainWithinTheDebounceTimeCountsOnce) {
    CSchalter s(300);
    EXPECT_TRUE(s.Runter(1, 1000));
    EXPECT_FALSE(s.Runter(1, 1030));  // the keyboard repeats while held
    EXPECT_FALSE(s.Runter(1, 1500));
    s.Hoch(1);
    EXPECT_TRUE(s.Runter(1, 1600));  // 600 ms after the press that counted
    s.Hoch(1);
    EXPECT_FALSE(s.Runter(1, 1750));  // a tremor: 150 ms later
    s.Hoch(1);
    EXPECT_TRUE(s.Runter(2, 1760));  // the other switch is its own
    s.Hoch(2);
    EXPECT_TRUE(s.Runter(1, 1900));
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
