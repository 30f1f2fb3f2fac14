// The choice of engine: espeak-ng, or silence said once in German.

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <optional>
#include <string>

#include "CAufnahmeEngine.h"
#include "CSagwerkDoc.h"
#include "CStummeEngine.h"
#include "CTestDialoge.h"
#include "CTestUhr.h"
#include "SprachWahl.h"

namespace {

// Sets SAGWERK_SPEECH for one test and puts the old value back.
class CUmgebung {
public:
    explicit CUmgebung(const char* wert) {
        if (const char* alt = std::getenv("SAGWERK_SPEECH")) m_alt = alt;
        if (wert != nullptr) {
            setenv("SAGWERK_SPEECH", wert, 1);
        } else {
            unsetenv("SAGWERK_SPEECH");
        }
    }
    ~CUmgebung() {
        if (m_alt) {
            setenv("SAGWERK_SPEECH", m_alt->c_str(), 1);
        } else {
            unsetenv("SAGWERK_SPEECH");
        }
    }

private:
    std::optional<std::string> m_alt;
};

bool IstStumm(ISprachEngine* e) { return dynamic_cast<CStummeEngine*>(e) != nullptr; }

}  // namespace

TEST(SprachWahl, NoneMeansSilentWithoutAWord) {
    CUmgebung env("none");
    CTestDialoge dialoge;
    int gefragt = 0;
    CSprachWahlHilfen hilfen;
    hilfen.geraetVorhanden = [&] {
        ++gefragt;
        return true;
    };
    auto engine = WaehleSprachEngine(dialoge, hilfen);
    EXPECT_TRUE(IstStumm(engine.get()));
    EXPECT_EQ(gefragt, 0);
    EXPECT_TRUE(dialoge.meldungen.empty());
    EXPECT_TRUE(dialoge.fehler.empty());
}

TEST(SprachWahl, NoSoundDeviceIsSaidOnceAndGoesOnSilently) {
    CUmgebung env(nullptr);
    CTestDialoge dialoge;
    bool gestartet = false;
    CSprachWahlHilfen hilfen;
    hilfen.geraetVorhanden = [] { return false; };
    hilfen.espeakStarten = [&](std::string&) -> std::unique_ptr<ISprachEngine> {
        gestartet = true;
        return nullptr;
    };
    auto engine = WaehleSprachEngine(dialoge, hilfen);
    EXPECT_TRUE(IstStumm(engine.get()));
    EXPECT_FALSE(gestartet);
    // A notice that holds nothing up, never a box to be pressed.
    EXPECT_TRUE(dialoge.meldungen.empty());
    ASSERT_EQ(dialoge.hinweise.size(), 1u);
    EXPECT_NE(dialoge.hinweise[0].find("kein Tonausgabegerät"), std::string::npos);
    // Speaking afterwards says nothing more.
    EXPECT_TRUE(engine->Sprechen("Hallo", 100, 100));
    EXPECT_EQ(dialoge.hinweise.size(), 1u);
}

TEST(SprachWahl, AnEngineThatCannotStartIsSaidOnceWithItsReason) {
    CUmgebung env("espeak");
    CTestDialoge dialoge;
    CSprachWahlHilfen hilfen;
    hilfen.geraetVorhanden = [] { return true; };
    hilfen.espeakStarten = [](std::string& fehler) -> std::unique_ptr<ISprachEngine> {
        fehler = "keine Sprachdaten";
        return nullptr;
    };
    auto engine = WaehleSprachEngine(dialoge, hilfen);
    EXPECT_TRUE(IstStumm(engine.get()));
    EXPECT_TRUE(dialoge.meldungen.empty());
    ASSERT_EQ(dialoge.hinweise.size(), 1u);
    EXPECT_NE(dialoge.hinweise[0].find("keine Sprachdaten"), std::string::npos);
    EXPECT_NE(dialoge.hinweise[0].find("nicht gestartet"), std::string::npos);
}

TEST(SprachWahl, WithADeviceTheEngineThatStartedIsUsed) {
    CUmgebung env(nullptr);
    CTestDialoge dialoge;
    std::vector<CAufnahmeEngine::Aufnahme> log;
    CSprachWahlHilfen hilfen;
    hilfen.geraetVorhanden = [] { return true; };
    hilfen.espeakStarten = [&](std::string&) -> std::unique_ptr<ISprachEngine> {
        return std::make_unique<CAufnahmeEngine>(log);
    };
    auto engine = WaehleSprachEngine(dialoge, hilfen);
    ASSERT_NE(dynamic_cast<CAufnahmeEngine*>(engine.get()), nullptr);
    EXPECT_TRUE(dialoge.meldungen.empty());
}

TEST(SprachWahl, TheDeviceCheckIsQuick) {
    const auto anfang = std::chrono::steady_clock::now();
    for (int i = 0; i < 100; ++i) (void)TongeraetVorhanden();
    EXPECT_LT(std::chrono::steady_clock::now() - anfang, std::chrono::seconds(1));
}

TEST(SprachWahl, TheDocumentMakesTheChoiceWhenGivenNoEngine) {
    CTestUhr uhr;
    {
        CUmgebung env("none");
        CTestDialoge dialoge;
        CSagwerkDoc doc(dialoge, uhr);
        EXPECT_TRUE(IstStumm(&doc.GetSpeech().GetEngine()));
        EXPECT_TRUE(dialoge.meldungen.empty() && dialoge.hinweise.empty());
    }
    if (!TongeraetVorhanden()) {
        CUmgebung env(nullptr);
        CTestDialoge dialoge;
        CSagwerkDoc doc(dialoge, uhr);
        EXPECT_TRUE(IstStumm(&doc.GetSpeech().GetEngine()));
        EXPECT_TRUE(dialoge.meldungen.empty());
        EXPECT_EQ(dialoge.hinweise.size(), 1u);
        doc.Speak("Hallo");
        doc.Speak("Hallo");
        EXPECT_TRUE(dialoge.meldungen.empty());
        EXPECT_EQ(dialoge.hinweise.size(), 1u);
    }
}
