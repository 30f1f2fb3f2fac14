// The speech object's contract over a recording engine.

#include <gtest/gtest.h>

#include <memory>

#include "CAufnahmeEngine.h"
#include "CSprachausgabe.h"
#include "CStummeEngine.h"

TEST(CSprachausgabe, StartsAtZeroAndKeepsTheConstructorsValues) {
    CSprachausgabe a("/irgendwo", 0, 0);
    EXPECT_EQ(a.GetSpeed(), 0);
    EXPECT_EQ(a.GetPitch(), 0);
    CSprachausgabe b("", 120, 80);
    EXPECT_EQ(b.GetSpeed(), 120);
    EXPECT_EQ(b.GetPitch(), 80);
}

TEST(CSprachausgabe, SpeakReportsWhetherThereWasAnythingToSay) {
    std::vector<CAufnahmeEngine::Aufnahme> log;
    CSprachausgabe s("", 0, 0, std::make_unique<CAufnahmeEngine>(log));
    EXPECT_FALSE(s.Speak(""));
    EXPECT_TRUE(log.empty());
    EXPECT_TRUE(s.Speak(" "));
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].text, " ");
}

TEST(CSprachausgabe, SettersKeepNonZeroValuesAndReturnTheOldOne) {
    std::vector<CAufnahmeEngine::Aufnahme> log;
    CSprachausgabe s("", 0, 0, std::make_unique<CAufnahmeEngine>(log));
    EXPECT_EQ(s.SetSpeed(7), 0);
    EXPECT_EQ(s.SetSpeed(0), 7);
    EXPECT_EQ(s.GetSpeed(), 7);
    EXPECT_EQ(s.SetSpeed(9), 7);
    EXPECT_EQ(s.GetSpeed(), 9);
    EXPECT_EQ(s.SetPitch(150), 0);
    EXPECT_EQ(s.SetPitch(0), 150);
    EXPECT_EQ(s.GetPitch(), 150);
    s.Speak("Ich möchte Äpfel");
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].text, "Ich möchte Äpfel");
    EXPECT_EQ(log[0].speed, 9);
    EXPECT_EQ(log[0].pitch, 150);
}

TEST(CSprachausgabe, StopsItsEngineWhenItGoes) {
    std::vector<CAufnahmeEngine::Aufnahme> log;
    int angehalten = 0;
    { CSprachausgabe s("", 0, 0, std::make_unique<CAufnahmeEngine>(log, &angehalten)); }
    EXPECT_EQ(angehalten, 1);
}

TEST(CSprachausgabe, WithoutAnEngineItIsSilentButKeepsTheContract) {
    CSprachausgabe s("", 0, 0);
    EXPECT_NE(dynamic_cast<CStummeEngine*>(&s.GetEngine()), nullptr);
    EXPECT_TRUE(s.Speak("Hallo"));
    EXPECT_FALSE(s.Speak(""));
}
