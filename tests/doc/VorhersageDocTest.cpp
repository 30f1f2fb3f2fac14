// The word prediction as the document offers it: the keyboard's row and the
// grid's row, learned from the file and from what is said.

#include <algorithm>
#include <chrono>

#include "DocFixture.h"

namespace {

using Woerter = std::vector<std::string>;

class VorhersageDocTest : public DocTest {
protected:
    void Tippen(const std::string& text) {
        for (std::size_t i = 0; i < text.size();) {
            std::size_t n = 1;
            while (i + n < text.size() && (static_cast<unsigned char>(text[i + n]) & 0xC0) == 0x80)
                ++n;
            m_doc->KeyTyped(std::string_view(text).substr(i, n));
            i += n;
        }
    }
    // Says a sentence typed on the keyboard.
    void Sagen(const std::string& text) {
        m_doc->FunctionCode(92);
        Tippen(text);
        m_doc->FunctionCode(92);
        m_doc->Speak();
        m_doc->FunctionCode(91);
    }
    std::vector<std::string> Raster() {
        std::vector<std::string> r;
        for (const auto& v : m_doc->GetRasterVorschlaege()) r.push_back(v.anzeige);
        return r;
    }
    long long Anzahl(int position) {
        m_doc->WaitForWriter();
        return Zahl("select Anzahl from Wortelement where [Index] = " +
                    std::to_string(m_indexe[static_cast<std::size_t>(position)]));
    }
};

}  // namespace

// What the file holds is learned in the background, and what is said while
// it is read is not lost: both are offered once the model is there.
TEST_F(VorhersageDocTest, LearnsTheFileAndWhatIsSaidMeanwhile) {
    std::vector<std::pair<std::string, std::string>> saetze;
    for (int i = 0; i < 3; ++i) saetze.emplace_back("ich trinke Tee ", "");
    ASSERT_TRUE(m_doc->GetDatabase()->StoreSentences(saetze));
    ASSERT_TRUE(m_doc->OpenUser(m_pfad));
    Sagen("wir essen Suppe");  // before the model has arrived, maybe
    m_doc->WaitForPrediction();
    EXPECT_TRUE(m_doc->IsPredictionComplete());

    m_doc->FunctionCode(92);
    Tippen("ich trinke ");
    ASSERT_FALSE(m_doc->GetWortvorschlaege().empty());
    EXPECT_EQ(m_doc->GetWortvorschlaege()[0], "Tee");
    m_doc->FunctionCode(91);
    m_doc->FunctionCode(92);
    Tippen("wir essen ");
    ASSERT_FALSE(m_doc->GetWortvorschlaege().empty());
    EXPECT_EQ(m_doc->GetWortvorschlaege()[0], "Suppe");
    EXPECT_TRUE(m_dialoge.hinweise.empty());
}

// A word taken from the keyboard's row replaces the letters typed, with its
// capital, and typing goes on after its blank; a capital typed (the shift
// key) asks for a noun.
TEST_F(VorhersageDocTest, TakingAWordReplacesTheLettersTyped) {
    m_doc->WaitForPrediction();
    Sagen("ich möchte einen Kaffee");
    m_doc->FunctionCode(92);
    Tippen("ich möchte einen ka");
    const Woerter angebot = m_doc->GetWortvorschlaege();
    ASSERT_FALSE(angebot.empty());
    EXPECT_EQ(angebot[0], "Kaffee");
    m_doc->WortvorschlagGewaehlt(0);
    EXPECT_EQ(m_doc->GetSentence(), "ich möchte einen Kaffee ");
    Tippen("u");
    EXPECT_EQ(m_doc->GetSentence(), "ich möchte einen Kaffee u");
    m_doc->FunctionCode(91);
    m_doc->FunctionCode(92);
    // After a blank the next word is added, not put in place of the last.
    Tippen("ich möchte ");
    ASSERT_EQ(m_doc->GetWortvorschlaege().at(0), "einen");
    m_doc->WortvorschlagGewaehlt(0);
    EXPECT_EQ(m_doc->GetSentence(), "ich möchte einen ");
    m_doc->WortvorschlagGewaehlt(99);  // no such word: nothing happens
    EXPECT_EQ(m_doc->GetSentence(), "ich möchte einen ");
    m_doc->FunctionCode(92);
    m_doc->Speak();
    EXPECT_EQ(m_log.back().text, "ich möchte einen ");
}

// The grid's row takes an element exactly as a click on it would: its
// word, its verb form for the person chosen, its use count; also one of
// another category than the one shown.
TEST_F(VorhersageDocTest, TheGridsRowIsAClickOnTheElement) {
    m_doc->WaitForPrediction();
    for (int i = 0; i < 2; ++i) {
        m_doc->ElementClicked(kBall);
        m_doc->ElementClicked(kGehen);
        m_doc->Speak();
        m_doc->FunctionCode(91);
    }
    m_doc->ElementClicked(kBall);
    ASSERT_FALSE(Raster().empty());
    EXPECT_EQ(Raster()[0], "gehen");
    const long long vorher = Anzahl(kGehen);
    m_doc->RasterVorschlagGewaehlt(0);
    EXPECT_EQ(m_doc->GetShownWords(), (Woerter{"Ball ", "gehen "}));
    EXPECT_EQ(Anzahl(kGehen), vorher + 1);

    // With a person the verb comes in its form, as the click brings it.
    m_doc->FunctionCode(91);
    m_doc->FunctionCode(1);
    const auto reihe = m_doc->GetRasterVorschlaege();
    std::size_t gehen = 0;
    while (gehen < reihe.size() && reihe[gehen].anzeige.rfind("gehen:", 0) != 0) ++gehen;
    ASSERT_LT(gehen, reihe.size());
    m_doc->RasterVorschlagGewaehlt(gehen);
    const Woerter mitZeile = m_doc->GetShownWords();
    ASSERT_FALSE(mitZeile.empty());
    EXPECT_EQ(mitZeile.back(), reihe[gehen].anzeige + " ");  // the caption is the form
    m_doc->FunctionCode(91);
    m_doc->FunctionCode(1);
    m_doc->ElementClicked(kGehen);
    EXPECT_EQ(mitZeile, m_doc->GetShownWords());
    EXPECT_EQ(m_doc->GetPerson(), CSagwerkDoc::kKeinePerson);

    // Apfel is in category 2; the grid shows category 1.
    m_doc->FunctionCode(91);
    m_doc->ElementClicked(kLinkEssen);
    m_doc->ElementClicked(kApfel);
    m_doc->Speak();
    m_doc->FunctionCode(91);
    m_doc->ElementClicked(kLinkStart);
    const auto start = m_doc->GetRasterVorschlaege();
    std::size_t apfel = 0;
    while (apfel < start.size() && start[apfel].anzeige != "Apfel") ++apfel;
    ASSERT_LT(apfel, start.size());
    m_doc->RasterVorschlagGewaehlt(apfel);
    EXPECT_EQ(m_doc->GetShownWords(), (Woerter{"Apfel "}));
    EXPECT_TRUE(m_dialoge.fehler.empty());
}

// The carer's setting turns both rows off; learning goes on, so that they
// come back as good as ever.
TEST_F(VorhersageDocTest, TheSettingOffOffersNothing) {
    m_doc->WaitForPrediction();
    m_doc->ElementClicked(kBall);
    ASSERT_FALSE(m_doc->GetRasterVorschlaege().empty());
    CBedienung aus = m_doc->GetBedienung();
    aus.wortvorhersage = false;
    ASSERT_TRUE(m_doc->GetDatabase()->SaveBedienung(aus));
    m_doc->SetUserChanged(true);
    EXPECT_FALSE(m_doc->IsWortvorhersage());
    EXPECT_TRUE(m_doc->GetRasterVorschlaege().empty());
    m_doc->FunctionCode(92);
    Tippen("k");
    EXPECT_TRUE(m_doc->GetWortvorschlaege().empty());
    m_doc->WortvorschlagGewaehlt(0);
    EXPECT_EQ(m_doc->GetSentence(), "Ball k");
}

// "Ich" and a word button that is a finite form of a verb of the vocabulary
// (the core page's "möchte"): the verb has come, so a verb after it stays
// the infinitive ("ich möchte trinken", not "ich möchte trinke").
TEST_F(VorhersageDocTest, AWordThatIsAFiniteVerbFormTakesThePersonAlong) {
    m_doc->WaitForPrediction();
    CWortelement finit = Wort(1, 6, std::string("essen:") + CWortelement::SpaltenName(0), "");
    ASSERT_TRUE(m_doc->GetDatabase()->SaveWortelement(finit, 0));
    m_doc->SetUserChanged(true);
    m_doc->LoadElements(false);
    ASSERT_EQ(m_doc->GetElementCount(), 6);
    m_doc->FunctionCode(1);
    m_doc->ElementClicked(5);
    EXPECT_EQ(m_doc->GetPerson(), CSagwerkDoc::kKeinePerson);
    m_doc->ElementClicked(kGehen);
    EXPECT_EQ(m_doc->GetShownWords().back(), "gehen ");
}

// A vocabulary changed by the carer is offered at once.
TEST_F(VorhersageDocTest, ANewElementIsOfferedAfterTheCarersChange) {
    m_doc->WaitForPrediction();
    CWortelement neu = Wort(1, 6, "Zucker", "");
    ASSERT_TRUE(m_doc->GetDatabase()->SaveWortelement(neu, 0));
    m_doc->SetUserChanged(true);
    m_doc->FunctionCode(92);
    Tippen("zuc");
    ASSERT_FALSE(m_doc->GetWortvorschlaege().empty());
    EXPECT_EQ(m_doc->GetWortvorschlaege()[0], "Zucker");
}

// Closing (another user, the program ending) does not wait for a big
// memory to be read.
TEST_F(VorhersageDocTest, ClosingCancelsTheLoading) {
    // Written directly: the memory only has to be big (some seconds' reading).
    m_doc.reset();
    Roh().exec(
        "with recursive n(i) as (select 1 union all select i + 1 from n where i < 60000) "
        "insert into Satzspeicher (Satz, PSatz, Anzahl, SatzSuche) "
        "select 'ich sehe ' || i || ' Bälle ', '', 1, 'ich sehe ' || i || ' bälle ' from n");
    NeuesDokument();
    ASSERT_TRUE(m_doc->OpenUser(m_pfad));
    const auto start = std::chrono::steady_clock::now();
    m_doc.reset();
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(100));
}

// A sentence the carer removes is gone from the file, from the suggestions
// and from the prediction; a word another sentence still holds stays.
TEST_F(VorhersageDocTest, ARemovedSentenceIsForgottenEverywhere) {
    m_doc->WaitForPrediction();
    Sagen("wir essen Zwieback");
    Sagen("wir essen Suppe");
    m_doc->WaitForWriter();
    CDatenbank& db = *m_doc->GetDatabase();
    std::vector<CDatenbank::CGesagterSatz> gefunden, entfernt;
    ASSERT_TRUE(db.SaetzeFinden("ZWIEBACK", 10, gefunden));
    ASSERT_EQ(gefunden.size(), 1u);
    ASSERT_TRUE(db.SaetzeEntfernen({gefunden[0].satznummer}, entfernt));
    m_doc->SaetzeVergessen();

    EXPECT_EQ(Zahl("select count(*) from Satzspeicher where Satz like '%Zwieback%'"), 0);
    EXPECT_EQ(Zahl("select count(*) from Wortspeicher where WortSuche = 'zwieback'"), 0);
    EXPECT_EQ(Zahl("select count(*) from Wortspeicher where WortSuche = 'essen'"), 1);
    m_doc->FunctionCode(92);
    Tippen("wir essen ");
    EXPECT_EQ(m_doc->GetSuggestions(), (Woerter{"wir essen Suppe "}));
    const Woerter angebot = m_doc->GetWortvorschlaege();
    EXPECT_EQ(std::find(angebot.begin(), angebot.end(), "Zwieback"), angebot.end());
    ASSERT_FALSE(angebot.empty());
    EXPECT_EQ(angebot[0], "Suppe");
}
