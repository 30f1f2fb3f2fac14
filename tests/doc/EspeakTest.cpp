// espeak-ng synthesised into memory, the WAV writer and the sagwerk-say tool.
// Nothing here plays sound.

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "CEspeakEngine.h"
#include "CTempVerzeichnis.h"
#include "WavDatei.h"

namespace {

std::size_t Samples(const std::string& text, int speed, int pitch = 100) {
    std::vector<std::int16_t> samples;
    int rate = 0;
    std::string fehler;
    EXPECT_TRUE(CEspeakEngine::Synthetisieren(text, speed, pitch, samples, rate, fehler)) << fehler;
    return samples.size();
}

std::string Lesen(const std::string& pfad) {
    std::ifstream datei(pfad, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(datei), {});
}

std::uint32_t U32(const std::string& s, std::size_t pos) {
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(s[pos + i]);
    return v;
}

std::uint16_t U16(const std::string& s, std::size_t pos) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(s[pos]) |
                                      (static_cast<unsigned char>(s[pos + 1]) << 8));
}

}  // namespace

TEST(Espeak, MapsPercentOntoRateAndPitch) {
    EXPECT_EQ(CEspeakEngine::Rate(100), 175);
    EXPECT_EQ(CEspeakEngine::Rate(0), 175);
    EXPECT_EQ(CEspeakEngine::Rate(50), 88);
    EXPECT_EQ(CEspeakEngine::Rate(200), 350);
    EXPECT_EQ(CEspeakEngine::Rate(20), 88);
    EXPECT_EQ(CEspeakEngine::Rate(500), 350);
    EXPECT_EQ(CEspeakEngine::Tonhoehe(100), 50);
    EXPECT_EQ(CEspeakEngine::Tonhoehe(0), 50);
    EXPECT_EQ(CEspeakEngine::Tonhoehe(50), 25);
    EXPECT_EQ(CEspeakEngine::Tonhoehe(200), 100);
}

TEST(Espeak, SynthesisesIntoMemoryAndHigherSpeedGivesFewerSamples) {
    std::vector<std::int16_t> samples;
    int rate = 0;
    std::string fehler;
    ASSERT_TRUE(CEspeakEngine::Synthetisieren("Dies ist ein Test", 100, 100, samples, rate, fehler))
        << fehler;
    EXPECT_GT(rate, 8000);
    // About a second of speech, and not silence.
    EXPECT_GT(samples.size(), static_cast<std::size_t>(rate) / 2);
    EXPECT_LT(samples.size(), static_cast<std::size_t>(rate) * 3);
    int spitze = 0;
    for (std::int16_t s : samples) spitze = std::max(spitze, std::abs(static_cast<int>(s)));
    EXPECT_GT(spitze, 1000);

    const std::size_t langsam = Samples("Dies ist ein Test", 50);
    const std::size_t schnell = Samples("Dies ist ein Test", 150);
    EXPECT_GT(schnell, 0u);
    EXPECT_LT(schnell * 10, langsam * 6) << "schnell " << schnell << ", langsam " << langsam;
}

TEST(Espeak, UmlautsArePassedAsUtf8) {
    // Read as Latin-1 the two bytes of each umlaut would become two letters
    // each and the text noticeably longer to say than its ASCII spelling.
    const std::size_t utf8 = Samples("Äpfel über Öl, süß", 100);
    const std::size_t umschrieben = Samples("Aepfel ueber Oel, suess", 100);
    EXPECT_GT(utf8, 0u);
    EXPECT_LT(utf8, umschrieben * 12 / 10);
}

TEST(Espeak, SynthesisIsRepeatable) {
    // espeak-ng varies a little from run to run; the length stays within 5 %.
    const std::size_t a = Samples("Hallo", 100);
    const std::size_t b = Samples("Hallo", 100);
    EXPECT_GT(a, 0u);
    EXPECT_LT(a > b ? a - b : b - a, a / 20);
}

TEST(WavDatei, WritesAMonoPcmHeader) {
    CTempVerzeichnis dir;
    const std::string pfad = dir.Datei("x.wav");
    std::string fehler;
    ASSERT_TRUE(WavSchreiben(pfad, {0, 1, -1, 32767, -32768}, 22050, fehler)) << fehler;
    const std::string d = Lesen(pfad);
    ASSERT_EQ(d.size(), 44u + 10u);
    EXPECT_EQ(d.substr(0, 4), "RIFF");
    EXPECT_EQ(U32(d, 4), 36u + 10u);
    EXPECT_EQ(d.substr(8, 8), "WAVEfmt ");
    EXPECT_EQ(U16(d, 20), 1);  // PCM
    EXPECT_EQ(U16(d, 22), 1);  // mono
    EXPECT_EQ(U32(d, 24), 22050u);
    EXPECT_EQ(U32(d, 28), 44100u);
    EXPECT_EQ(U16(d, 34), 16);
    EXPECT_EQ(d.substr(36, 4), "data");
    EXPECT_EQ(U32(d, 40), 10u);
    EXPECT_EQ(static_cast<std::int16_t>(U16(d, 50)), 32767);
    EXPECT_EQ(static_cast<std::int16_t>(U16(d, 52)), -32768);
    EXPECT_FALSE(WavSchreiben(dir.Datei("fehlt/x.wav"), {}, 22050, fehler));
    EXPECT_FALSE(fehler.empty());
}

#ifdef SAGWERK_SAY
TEST(SagwerkSay, WritesAWavOfAboutASecond) {
    CTempVerzeichnis dir;
    const std::string pfad = dir.Datei("x.wav");
    const std::string befehl =
        std::string(SAGWERK_SAY) + " --wav '" + pfad + "' --speed 100 'Dies ist ein Test'";
    ASSERT_EQ(std::system(befehl.c_str()), 0);
    const std::string d = Lesen(pfad);
    ASSERT_GT(d.size(), 44u);
    const double sekunden = U32(d, 40) / 2.0 / U32(d, 24);
    EXPECT_GT(sekunden, 0.5);
    EXPECT_LT(sekunden, 2.0);

    const std::string schnell = dir.Datei("s.wav");
    ASSERT_EQ(std::system((std::string(SAGWERK_SAY) + " --speed 200 --pitch 150 --wav '" + schnell +
                           "' 'Dies ist ein Test'")
                              .c_str()),
              0);
    EXPECT_LT(Lesen(schnell).size(), d.size());
}

TEST(SagwerkSay, RefusesBadArguments) {
    const std::string say = SAGWERK_SAY;
    const std::string still = " >/dev/null 2>&1";
    EXPECT_NE(std::system((say + still).c_str()), 0);
    EXPECT_NE(std::system((say + " --speed 300 Hallo" + still).c_str()), 0);
    EXPECT_NE(std::system((say + " --speed schnell Hallo" + still).c_str()), 0);
    EXPECT_NE(std::system((say + " --pitch" + still).c_str()), 0);
    EXPECT_NE(std::system((say + " --laut Hallo" + still).c_str()), 0);
    EXPECT_NE(std::system((say + " --wav /gibt/es/nicht/x.wav Hallo" + still).c_str()), 0);
    EXPECT_EQ(std::system((say + " --help" + still).c_str()), 0);
}
#endif

TEST(Espeak, AProcessThatSynthesisesCannotAlsoPlay) {
    ASSERT_GT(Samples("Hallo", 100), 0u);
    std::string fehler;
    EXPECT_EQ(CEspeakEngine::Starten(fehler), nullptr);
    EXPECT_NE(fehler.find("Speicher"), std::string::npos);
}
