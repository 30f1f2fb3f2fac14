// The speech object's contract over a recording engine, the user's own
// pronunciations from the user file, and the tool that shows what is said.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "CAufnahmeEngine.h"
#include "CSprachausgabe.h"
#include "CStummeEngine.h"
#include "DocFixture.h"

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

TEST(CSprachausgabe, HandsTheEngineTheTextAsItIsSaid) {
    std::vector<CAufnahmeEngine::Aufnahme> log;
    CSprachausgabe s("", 0, 0, std::make_unique<CAufnahmeEngine>(log));
    EXPECT_TRUE(s.Speak("Um 14:30 Uhr kommt Dr. Müller, z. B. am 24.12."));
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].text,
              "Um vierzehn Uhr dreißig kommt Doktor Müller, zum Beispiel am vierundzwanzigsten "
              "Zwölften.");
    EXPECT_EQ(s.Gesprochen("3,50 €"), "drei Euro fünfzig");
}

TEST(CSprachausgabe, SaysTheUsersOwnPronunciationsUntilOthersAreGiven) {
    std::vector<CAufnahmeEngine::Aufnahme> log;
    CSprachausgabe s("", 0, 0, std::make_unique<CAufnahmeEngine>(log));
    s.SetAussprachen({{"Wurst", "Wursst"}, {"Kino", "Ki-no"}});
    s.Speak("Ich möchte Wurst, keine Wurstsuppe, und ins Kino");
    s.SetAussprachen({{"Kino", "Kiino"}});
    s.Speak("Wurst im Kino");
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[0].text, "Ich möchte Wursst, keine Wurstsuppe, und ins Ki-no");
    EXPECT_EQ(log[1].text, "Wurst im Kiino");
}

// The user file's pronunciations: the word elements with a phonetic text,
// in the order they were made.
class AusspracheTest : public DocTest {};

TEST_F(AusspracheTest, LoadAussprachenTakesTheWordsWhoseButtonSpeaksAPhoneticText) {
    {
        SQLite::Database roh = Roh();
        roh.exec(
            "insert into Wortelement (Kategorie, Pos, Funktionscode, Geg1PersE, Phonetisch) "
            "values (1, 6, 30, 'Brot', '   '), (1, 7, NULL, 'Milch', 'Milsch'), "
            "(1, 8, 30, '', 'leer'), (1, 9, 30, 'Kino', 'Kiino')");
    }
    CTestDialoge dialoge;
    CTestUhr uhr;
    CDatenbank db(m_pfad, dialoge, uhr);
    std::vector<std::pair<std::string, std::string>> paare{{"alt", "alt"}};
    ASSERT_TRUE(db.LoadAussprachen(paare));
    // Not "Haus" ("NULL"), "Ball" (""), the verb's nor the links' texts.
    const std::vector<std::pair<std::string, std::string>> erwartet = {
        {"Kino", "Ki-no"}, {"Milch", "Milsch"}, {"Kino", "Kiino"}};
    EXPECT_EQ(paare, erwartet);
    EXPECT_TRUE(dialoge.fehler.empty());

    // The first of two for the same word counts.
    CSprachausgabe s("", 0, 0);
    s.SetAussprachen(paare);
    EXPECT_EQ(s.Gesprochen("Kino und Milch"), "Ki-no und Milsch");
}

#ifdef SAGWERK_SAY
namespace {
// The tool's standard output and its exit status.
std::pair<std::string, int> Ausgabe(const std::string& argumente) {
    const std::string befehl = std::string(SAGWERK_SAY) + " " + argumente + " 2>&1";
    FILE* p = popen(befehl.c_str(), "r");
    if (p == nullptr) return {"", -1};
    std::string aus;
    char puffer[256];
    while (std::fgets(puffer, sizeof puffer, p) != nullptr) aus += puffer;
    const int status = pclose(p);
    return {aus, WIFEXITED(status) ? WEXITSTATUS(status) : -1};
}
}  // namespace

TEST_F(AusspracheTest, SagwerkSayPrintsTheTextAsItIsSpokenWithTheUsersPronunciations) {
    EXPECT_EQ(Ausgabe("--text 'Um 14:30 Uhr kommt Dr. Müller, z. B. am 24.12.'"),
              std::make_pair(std::string("Um vierzehn Uhr dreißig kommt Doktor Müller, zum "
                                         "Beispiel am vierundzwanzigsten Zwölften.\n"),
                             0));
    EXPECT_EQ(Ausgabe("--text 'ins Kino'").first, "ins Kino\n");
    EXPECT_EQ(Ausgabe("--text --benutzer '" + m_pfad + "' 'ins Kino um 8:05'").first,
              "ins Ki-no um acht Uhr fünf\n");
    EXPECT_EQ(Ausgabe("--text \"$(printf 'eins\\nzwei')\"").first, "eins zwei\n");

    const auto [fehlt, status] =
        Ausgabe("--text --benutzer '" + m_dir.Datei("Fehlt.mdb") + "' Hallo");
    EXPECT_EQ(status, 1);
    EXPECT_NE(fehlt.find("Fehlt.mdb"), std::string::npos) << fehlt;
    EXPECT_NE(Ausgabe("--text --wav x.wav Hallo").second, 0);
    EXPECT_NE(Ausgabe("--text --benutzer").second, 0);
}
#endif
