// The document against a real user file: opening, element list, history,
// paths and sentence building and speaking.

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>

#include "DocFixture.h"
#include "IBenutzerAuswahl.h"
#include "Utf8.h"

using Woerter = std::vector<std::string>;

namespace {

class CFesteAuswahl : public IBenutzerAuswahl {
public:
    explicit CFesteAuswahl(std::string datei) : m_datei(std::move(datei)) {}
    std::string BenutzerWaehlen() override {
        ++gefragt;
        return m_datei;
    }
    int gefragt = 0;

private:
    std::string m_datei;
};

}  // namespace

// --- opening a user ------------------------------------------------------------

TEST_F(DocTest, OpenUserReadsTheUserAndLoadsTheStartCategory) {
    EXPECT_TRUE(m_doc->IsUserOpen());
    EXPECT_TRUE(m_doc->IsUserChanged());
    EXPECT_TRUE(m_doc->IsElementsChanged());
    EXPECT_EQ(m_doc->GetTitle(), "Anna Berg");
    EXPECT_EQ(m_doc->GetColumns(), 6);
    EXPECT_EQ(m_doc->GetRows(), 4);
    EXPECT_EQ(m_doc->GetSpeech().GetSpeed(), 100);
    EXPECT_EQ(m_doc->GetSpeech().GetPitch(), 100);
    EXPECT_EQ(m_doc->GetCategory(), 1);
    EXPECT_EQ(Texte(), (Woerter{"Kino", "Haus", "Ball", "gehen", "Essen"}));
    EXPECT_EQ(m_doc->GetElementCount(), 5);
    EXPECT_EQ(m_doc->GetPerson(), CSagwerkDoc::kKeinePerson);
    EXPECT_EQ(m_doc->GetTense(), 0);
    EXPECT_EQ(m_doc->GetSelection(), -1);
    EXPECT_TRUE(m_dialoge.fehler.empty());
    EXPECT_TRUE(m_dialoge.meldungen.empty());
    // Reading the user stamped its last use with the clock.
    EXPECT_DOUBLE_EQ(Roh().execAndGet("select LetzteNutzung from Benutzer").getDouble(), 46000.75);
}

TEST_F(DocTest, ANewDocumentIsEmptyAndSafeBeforeAUserIsOpen) {
    std::vector<CAufnahmeEngine::Aufnahme> log;
    CSagwerkDoc doc(m_dialoge, m_uhr, std::make_unique<CAufnahmeEngine>(log));
    EXPECT_FALSE(doc.IsUserOpen());
    EXPECT_TRUE(doc.IsUserChanged());
    EXPECT_EQ(doc.GetColumns(), 0);
    EXPECT_EQ(doc.GetUser(), nullptr);
    EXPECT_EQ(doc.GetFirstElement(), nullptr);
    EXPECT_EQ(doc.GetSpeech().GetSpeed(), 0);
    doc.ElementClicked(0);
    doc.FunctionCode(1);
    doc.FunctionCode(93);
    doc.KeyTyped(U'a');
    doc.EmotionClicked(1);
    doc.Speak();
    EXPECT_EQ(doc.CountEmotions(), 0);
    EXPECT_EQ(doc.GetSentence(), " a");
    EXPECT_EQ(doc.GetSpokenSentence(), " a");
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].text, " a");
    EXPECT_TRUE(m_dialoge.fehler.empty());
}

TEST_F(DocTest, OpenUserAsksTheSelectionSeam) {
    std::vector<CAufnahmeEngine::Aufnahme> log;
    CSagwerkDoc doc(m_dialoge, m_uhr, std::make_unique<CAufnahmeEngine>(log));
    EXPECT_FALSE(doc.OpenUser());  // no seam: nothing to ask
    EXPECT_FALSE(doc.IsUserOpen());
    CFesteAuswahl auswahl(m_pfad);
    doc.SetBenutzerAuswahl(&auswahl);
    EXPECT_TRUE(doc.OpenUser());
    EXPECT_EQ(auswahl.gefragt, 1);
    EXPECT_TRUE(doc.IsUserOpen());
    EXPECT_EQ(doc.GetTitle(), "Anna Berg");
}

TEST_F(DocTest, OpenUserTakesANameRelativeToTheCurrentDirectory) {
    const auto vorher = std::filesystem::current_path();
    std::filesystem::current_path(m_dir.Pfad());
    std::vector<CAufnahmeEngine::Aufnahme> log;
    {
        CSagwerkDoc doc(m_dialoge, m_uhr, std::make_unique<CAufnahmeEngine>(log));
        EXPECT_TRUE(doc.OpenUser("Anna.mdb"));
        EXPECT_EQ(doc.GetElementCount(), 5);
        EXPECT_EQ(doc.GetBaseDir(), std::filesystem::current_path().string() + "/");
        EXPECT_EQ(doc.ResolvePath("icons\\system\\home.ico"),
                  m_dir.Pfad().string() + "/icons/system/home.ico");
    }
    std::filesystem::current_path(vorher);
}

TEST_F(DocTest, AFileThatDoesNotOpenIsReportedOnceAndLeavesAnEmptyScreen) {
    std::vector<CAufnahmeEngine::Aufnahme> log;
    CSagwerkDoc doc(m_dialoge, m_uhr, std::make_unique<CAufnahmeEngine>(log));
    m_dialoge.Vergessen();
    EXPECT_FALSE(doc.OpenUser(m_dir.Datei("Fehlt.mdb")));
    EXPECT_EQ(m_dialoge.fehler.size() + m_dialoge.meldungen.size(), 1u);
    EXPECT_TRUE(doc.IsUserOpen());
    EXPECT_EQ(doc.GetElementCount(), 0);
    EXPECT_EQ(doc.GetTitle(), " ");
    CFunktionsTaste taste;
    EXPECT_FALSE(doc.FirstFunctionKey(taste));
    doc.FunctionCode(1);
    doc.Speak();
    EXPECT_EQ(m_dialoge.fehler.size() + m_dialoge.meldungen.size(), 1u);
    EXPECT_FALSE(std::filesystem::exists(m_dir.Datei("Fehlt.mdb")));
}

TEST_F(DocTest, NoChoiceAndAFileWithoutItsUserEndQuietlyAndWriteNothing) {
    std::vector<CAufnahmeEngine::Aufnahme> log;
    CSagwerkDoc doc(m_dialoge, m_uhr, std::make_unique<CAufnahmeEngine>(log));
    m_dialoge.Vergessen();
    // The person chose to quit (or cancelled the new user): no file, no word.
    CFesteAuswahl keine("");
    doc.SetBenutzerAuswahl(&keine);
    EXPECT_FALSE(doc.OpenUser());
    EXPECT_TRUE(m_dialoge.fehler.empty() && m_dialoge.meldungen.empty());
    EXPECT_EQ(doc.GetDatabase(), nullptr);

    // A file without its user row is said once and not used at all.
    Roh().exec("delete from Benutzer");
    EXPECT_FALSE(doc.OpenUser(m_pfad));
    EXPECT_EQ(m_dialoge.fehler.size(), 1u);
    EXPECT_EQ(doc.GetDatabase(), nullptr);
    doc.ElementClicked(0);
    doc.Speak();
    EXPECT_EQ(Zahl("select count(*) from Satzspeicher"), 0);
}

TEST_F(DocTest, ALockedFileNeverDelaysOrLosesASentence) {
    const std::string warteschlange = m_dir.Datei(".Anna.mdb.warteschlange");
    {
        // Another program holds the file, as the sqlite3 tool does.
        auto sperre = Roh();
        sperre.exec("BEGIN IMMEDIATE");
        m_dialoge.Vergessen();
        for (int k : {kKino, kHaus, kBall}) {
            m_doc->FunctionCode(91);
            m_doc->ElementClicked(k);
            const auto start = std::chrono::steady_clock::now();
            m_doc->Speak();
            EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
        }
        // Heard at once, no box, one notice, kept beside the file.
        m_doc->WaitForWriter();
        ASSERT_EQ(m_log.size(), 3u);
        EXPECT_TRUE(m_dialoge.fehler.empty() && m_dialoge.meldungen.empty());
        EXPECT_EQ(m_dialoge.hinweise.size(), 1u);
        EXPECT_TRUE(m_doc->HatWartendeSaetze());
        EXPECT_TRUE(std::filesystem::exists(warteschlange));
        EXPECT_FALSE(m_doc->Nachholen());
        // Suggested meanwhile like the stored ones.
        m_doc->FunctionCode(91);
        m_doc->ElementClicked(kHaus);
        EXPECT_EQ(m_doc->GetSuggestions(), (Woerter{"Haus "}));
        sperre.exec("ROLLBACK");
    }
    // Written in their order once the file is free.
    m_doc->WaitForWriter();
    EXPECT_TRUE(m_doc->Nachholen());
    auto db = Roh();
    SQLite::Statement q(db, "select Satz from Satzspeicher order by Satznummer");
    std::vector<std::string> saetze;
    while (q.executeStep()) saetze.push_back(q.getColumn(0).getString());
    EXPECT_EQ(saetze, (Woerter{"Kino ", "Haus ", "Ball "}));
    EXPECT_FALSE(std::filesystem::exists(warteschlange));
}

TEST_F(DocTest, WaitingSentencesOutliveTheProgram) {
    {
        auto sperre = Roh();
        sperre.exec("BEGIN IMMEDIATE");
        m_doc->ElementClicked(kKino);
        m_doc->Speak();
        m_doc.reset();  // the program ends while the file is held
        sperre.exec("ROLLBACK");
    }
    NeuesDokument();
    m_doc->WaitForWriter();
    EXPECT_FALSE(m_doc->HatWartendeSaetze());
    EXPECT_EQ(Zahl("select count(*) from Satzspeicher where Satz = 'Kino '"), 1);
}

// Killed after the write-back's commit and before the queue was trimmed:
// the next start finds the sentence in the queue and in the file.
TEST_F(DocTest, AQueueLeftBehindAfterItsWriteBackIsNotStoredTwice) {
    const std::string warteschlange = m_dir.Datei(".Anna.mdb.warteschlange");
    {
        auto sperre = Roh();
        sperre.exec("BEGIN IMMEDIATE");
        m_doc->ElementClicked(kKino);
        m_doc->Speak();
        m_doc.reset();
        sperre.exec("ROLLBACK");
    }
    const std::string kopie = m_dir.Datei("warteschlange.kopie");
    std::filesystem::copy_file(warteschlange, kopie);
    for (int start = 0; start < 2; ++start) {
        NeuesDokument();
        m_doc->WaitForWriter();
        EXPECT_FALSE(m_doc->HatWartendeSaetze());
        m_doc.reset();
        if (start == 0)
            std::filesystem::copy_file(kopie, warteschlange,
                                       std::filesystem::copy_options::overwrite_existing);
    }
    EXPECT_EQ(Zahl("select Anzahl from Satzspeicher where Satz = 'Kino '"), 1);
}

TEST_F(DocTest, AWriteProtectedUserSpeaksWithoutABox) {
    m_doc.reset();
    std::filesystem::permissions(m_pfad, std::filesystem::perms::owner_read);
    NeuesDokument();
    m_doc->ElementClicked(kKino);
    m_doc->Speak();
    m_doc->FunctionCode(91);
    m_doc->ElementClicked(kHaus);
    m_doc->Speak();
    m_doc->WaitForWriter();
    EXPECT_EQ(m_log.size(), 2u);
    EXPECT_TRUE(m_dialoge.fehler.empty() && m_dialoge.meldungen.empty());
    EXPECT_EQ(m_dialoge.hinweise.size(), 2u);  // write-protected; sentences wait
}

class DocOhneSpeedTest : public DocTest {
    void Vorbereiten() override { Roh().exec("update Benutzer set Speed = 0, Pitch = 120"); }
};

TEST_F(DocOhneSpeedTest, AUserWithoutSpeedKeepsThePreviousSpeed) {
    EXPECT_EQ(m_doc->GetSpeech().GetSpeed(), 0);
    EXPECT_EQ(m_doc->GetSpeech().GetPitch(), 120);
}

TEST_F(DocTest, SetUserChangedRereadsTheUserButNotTheVoice) {
    // The last use is stamped without waiting: not while the prediction
    // reads the memory.
    m_doc->WaitForPrediction();
    Roh().exec("update Benutzer set AnzButtonB = 8, AnzButtonH = 5, BVorname = 'Ben', Speed = 150");
    m_uhr.Stellen(46001.25);
    m_doc->SetUserChanged(false);
    EXPECT_FALSE(m_doc->IsUserChanged());
    EXPECT_EQ(m_doc->GetColumns(), 6);
    m_doc->SetUserChanged(true);
    EXPECT_TRUE(m_doc->IsUserChanged());
    EXPECT_EQ(m_doc->GetColumns(), 8);
    EXPECT_EQ(m_doc->GetRows(), 5);
    EXPECT_EQ(m_doc->GetTitle(), "Ben Berg");
    EXPECT_EQ(m_doc->GetUser()->GetSpeed(), 150);
    EXPECT_EQ(m_doc->GetSpeech().GetSpeed(), 100);
    EXPECT_DOUBLE_EQ(Roh().execAndGet("select LetzteNutzung from Benutzer").getDouble(), 46001.25);
}

TEST_F(DocTest, SetVoicePassesSpeedThenPitchAndZeroKeepsAValue) {
    m_doc->SetVoice(150, 0);
    EXPECT_EQ(m_doc->GetSpeech().GetSpeed(), 150);
    EXPECT_EQ(m_doc->GetSpeech().GetPitch(), 100);
    m_doc->Speak("Dies ist ein Test");
    ASSERT_EQ(m_log.size(), 1u);
    EXPECT_EQ(m_log[0].text, "Dies ist ein Test");
    EXPECT_EQ(m_log[0].speed, 150);
    EXPECT_EQ(m_log[0].pitch, 100);
    EXPECT_EQ(Zahl("select count(*) from Satzspeicher"), 0);
}

// --- element list, history, paths ----------------------------------------------------

TEST_F(DocTest, ElementIterationStopsAtTheEnd) {
    const CWortButton* b = m_doc->GetFirstElement();
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->GetText(), "Kino");
    for (int i = 1; i < 5; ++i) ASSERT_NE(m_doc->GetNextElement(), nullptr);
    EXPECT_EQ(m_doc->GetNextElement(), nullptr);
    EXPECT_EQ(m_doc->GetNextElement(), nullptr);
    EXPECT_EQ(m_doc->GetFirstElement()->GetText(), "Kino");
}

TEST_F(DocTest, ALinkMovesToItsCategoryCountsAndLeavesTheSentence) {
    m_doc->SetElementsChanged(false);
    m_doc->ElementClicked(kLinkEssen);
    EXPECT_EQ(m_doc->GetCategory(), m_nKategorie2);
    EXPECT_EQ(Texte(), (Woerter{"Apfel", "essen", "Start"}));
    EXPECT_TRUE(m_doc->IsElementsChanged());
    EXPECT_EQ(m_doc->GetHistory(), (std::vector<std::uint16_t>{1}));
    EXPECT_TRUE(m_doc->GetShownWords().empty());
    EXPECT_EQ(m_beobachter.anzahl, 1);
    m_doc->WaitForWriter();
    EXPECT_EQ(Zahl("select Anzahl from Wortelement where [Index] = " +
                   std::to_string(m_indexe[kLinkEssen])),
              1);

    m_doc->ElementClicked(CSagwerkDoc::kLetzteKategorie);
    EXPECT_EQ(m_doc->GetCategory(), 1);
    EXPECT_TRUE(m_doc->GetHistory().empty());
    // Nothing to go back to: the category stays, the views are updated.
    m_doc->ElementClicked(CSagwerkDoc::kLetzteKategorie);
    EXPECT_EQ(m_doc->GetCategory(), 1);
    EXPECT_EQ(m_doc->GetElementCount(), 5);
    EXPECT_EQ(m_beobachter.anzahl, 3);
}

TEST_F(DocTest, StartseitePushesAndGoesToCategoryOne) {
    m_doc->ElementClicked(kLinkEssen);
    m_doc->ElementClicked(CSagwerkDoc::kStartseite);
    EXPECT_EQ(m_doc->GetCategory(), 1);
    EXPECT_EQ(m_doc->GetHistory(),
              (std::vector<std::uint16_t>{1, static_cast<std::uint16_t>(m_nKategorie2)}));
    m_doc->ElementClicked(CSagwerkDoc::kLetzteKategorie);
    EXPECT_EQ(m_doc->GetCategory(), m_nKategorie2);
}

TEST_F(DocTest, HistoryKeepsTheNewestHundredCategories) {
    // 101 changes, alternating 1 -> 2 -> 1 ...: pushed are 1, 2, 1, ..., 1.
    for (int i = 0; i < 101; ++i) {
        m_doc->ElementClicked(m_doc->GetCategory() == 1 ? kLinkEssen : kLinkStart);
    }
    const auto& h = m_doc->GetHistory();
    ASSERT_EQ(h.size(), 100u);
    EXPECT_EQ(h.front(), m_nKategorie2);  // the first 1 has gone
    EXPECT_EQ(h.back(), 1);
    for (int i = 0; i < 100; ++i) m_doc->ElementClicked(CSagwerkDoc::kLetzteKategorie);
    EXPECT_TRUE(m_doc->GetHistory().empty());
    EXPECT_EQ(m_doc->GetCategory(), m_nKategorie2);
    EXPECT_EQ(m_doc->PopCategory(), 0);
}

TEST_F(DocTest, ResolvePath) {
    const std::string basis = std::filesystem::current_path().string() + "/";
    EXPECT_EQ(m_doc->GetBaseDir(), basis);
    EXPECT_EQ(m_doc->ResolvePath(""), "");
    EXPECT_EQ(m_doc->ResolvePath("bilder\\a.bmp"), basis + "bilder/a.bmp");
    EXPECT_EQ(m_doc->ResolvePath("a.ico"), basis + "a.ico");
    EXPECT_EQ(m_doc->ResolvePath("C:\\bilder\\a.bmp"), "C:/bilder/a.bmp");
    EXPECT_EQ(m_doc->ResolvePath("d:x.ico"), "d:x.ico");
    EXPECT_EQ(m_doc->ResolvePath("/usr/share/a.ico"), "/usr/share/a.ico");
    EXPECT_EQ(m_doc->ResolvePath("Bär\\Öl.ico"), basis + "Bär/Öl.ico");
}

TEST_F(DocTest, EmotionsAndFunctionKeysAreWalkedInPosOrder) {
    EXPECT_EQ(m_doc->CountEmotions(), 8);
    int n = 0;
    long pos = 0;
    CFunktionsTaste taste;
    for (bool da = m_doc->FirstFunctionKey(taste); da; da = m_doc->NextFunctionKey(taste)) {
        EXPECT_GT(taste.GetPosition(), pos);
        pos = taste.GetPosition();
        ++n;
    }
    EXPECT_EQ(n, 20);
    CEmotionsButton e;
    ASSERT_TRUE(m_doc->FirstEmotion(e));
    EXPECT_EQ(e.GetPosition(), 1);
    ASSERT_TRUE(m_doc->NextEmotion(e));
    EXPECT_EQ(e.GetPosition(), 2);
}

// --- words, phonetic texts ------------------------------------------------------------

TEST_F(DocTest, PhoneticTextsAndNull) {
    m_doc->ElementClicked(kKino);
    m_doc->ElementClicked(kHaus);
    m_doc->ElementClicked(kBall);
    EXPECT_EQ(m_doc->GetShownWords(), (Woerter{"Kino ", "Haus ", "Ball "}));
    EXPECT_EQ(m_doc->GetSpokenWords(), (Woerter{"Ki-no ", "Haus ", "Ball "}));
    EXPECT_EQ(m_doc->GetSentence(), "Kino Haus Ball ");
    EXPECT_EQ(m_beobachter.anzahl, 3);
    // Each click counted the element.
    m_doc->WaitForWriter();
    EXPECT_EQ(
        Zahl("select Anzahl from Wortelement where [Index] = " + std::to_string(m_indexe[kKino])),
        1);
}

TEST_F(DocTest, AVerbsPhoneticTextIsNotUsed) {
    m_doc->ElementClicked(kGehen);
    EXPECT_EQ(m_doc->GetShownWords(), (Woerter{"gehen "}));
    EXPECT_EQ(m_doc->GetSpokenWords(), (Woerter{"gehen "}));
}

TEST_F(DocTest, PositionsBeyondTheListAreIgnored) {
    m_doc->ElementClicked(5);
    m_doc->ElementClicked(-1);
    m_doc->ElementClicked(9999);
    EXPECT_TRUE(m_doc->GetShownWords().empty());
    EXPECT_EQ(m_beobachter.anzahl, 0);
}

TEST_F(DocTest, AnElementWhoseRowHasGoneAddsNothing) {
    Roh().exec("delete from Wortelement where [Index] = " + std::to_string(m_indexe[kKino]));
    m_doc->ElementClicked(kKino);
    EXPECT_TRUE(m_doc->GetShownWords().empty());
    EXPECT_TRUE(m_doc->GetSpokenWords().empty());
    EXPECT_EQ(m_beobachter.anzahl, 1);
}

// --- persons and tenses -------------------------------------------------------------------

TEST_F(DocTest, DuVergangenheitThenVerbTakesVer2PersEOnce) {
    m_doc->FunctionCode(2);
    EXPECT_EQ(m_doc->GetPerson(), 1);
    m_doc->FunctionCode(21);
    EXPECT_EQ(m_doc->GetTense(), 1);
    m_doc->ElementClicked(kGehen);
    EXPECT_EQ(m_doc->GetShownWords(), (Woerter{"du ", "gehen:Ver2PersE "}));
    EXPECT_EQ(m_doc->GetSpokenWords(), (Woerter{"du ", "gehen:Ver2PersE "}));
    EXPECT_EQ(m_doc->GetPerson(), CSagwerkDoc::kKeinePerson);
    EXPECT_EQ(m_doc->GetTense(), 1);
    m_doc->ElementClicked(kGehen);
    EXPECT_EQ(m_doc->GetShownWords().back(), "gehen ");
}

TEST_F(DocTest, EveryPersonAndTenseSelectsItsColumn) {
    const char* personen[] = {"ich", "du", "er", "sie", "es", "wir", "ihr", "sie"};
    const char* spalten[] = {"1PersE", "2PersE", "3PersE", "3PersE",
                             "3PersE", "1PersM", "2PersM", "3PersM"};
    const char* zeiten[] = {"Geg", "Ver", "Zuk"};
    for (int zeit = 0; zeit < 3; ++zeit) {
        for (int code = 1; code <= 8; ++code) {
            m_doc->FunctionCode(91);
            m_doc->FunctionCode(20 + zeit);
            m_doc->FunctionCode(code);
            m_doc->ElementClicked(kGehen);
            const std::string erwartet =
                std::string("gehen:") + zeiten[zeit] + spalten[code - 1] + " ";
            EXPECT_EQ(m_doc->GetShownWords(),
                      (Woerter{std::string(personen[code - 1]) + " ", erwartet}))
                << "Zeit " << zeit << ", Code " << code;
            EXPECT_EQ(m_doc->GetPerson(), CSagwerkDoc::kKeinePerson);
        }
    }
}

TEST_F(DocTest, APersonAppliesToTheNextVerbOnlyAndNotToWords) {
    m_doc->FunctionCode(6);
    m_doc->ElementClicked(kKino);
    EXPECT_EQ(m_doc->GetPerson(), 5);  // a plain word does not use it
    m_doc->ElementClicked(kGehen);
    EXPECT_EQ(m_doc->GetShownWords(), (Woerter{"wir ", "Kino ", "gehen:Geg1PersM "}));
    EXPECT_EQ(m_doc->GetSpokenWords(), (Woerter{"wir ", "Ki-no ", "gehen:Geg1PersM "}));
}

TEST_F(DocTest, TenseCodesDoNotUpdateTheViews) {
    m_doc->FunctionCode(22);
    EXPECT_EQ(m_doc->GetTense(), 2);
    m_doc->FunctionCode(20);
    EXPECT_EQ(m_doc->GetTense(), 0);
    EXPECT_EQ(m_beobachter.anzahl, 0);
}

TEST_F(DocTest, PersonCodeWithoutItsButtonRowInsertsABlank) {
    Roh().exec("delete from FTasten where FCode = 3");
    m_doc->FunctionCode(3);
    EXPECT_EQ(m_doc->GetPerson(), 2);
    EXPECT_EQ(m_doc->GetShownWords(), (Woerter{" "}));
    EXPECT_EQ(m_doc->GetSpokenWords(), (Woerter{" "}));
    // A sentence of one blank is handed over but not remembered.
    m_doc->Speak();
    ASSERT_EQ(m_log.size(), 1u);
    EXPECT_EQ(m_log[0].text, " ");
    EXPECT_EQ(Zahl("select count(*) from Satzspeicher"), 0);
}

TEST_F(DocTest, UndefinedCodesChangeNothing) {
    m_doc->FunctionCode(4);
    m_doc->FunctionCode(22);
    m_beobachter.anzahl = 0;
    const Woerter vorher = m_doc->GetShownWords();
    for (int code : {0, 9, 10, 15, 19, 23, 25, 29, 34, 79, 81, 89, 94, 200, -1, -20}) {
        m_doc->FunctionCode(code);
        EXPECT_EQ(m_doc->GetPerson(), 3) << code;
        EXPECT_EQ(m_doc->GetTense(), 2) << code;
    }
    EXPECT_EQ(m_doc->GetShownWords(), vorher);
    EXPECT_FALSE(m_doc->IsKeyboard() || m_doc->IsVerbList() || m_doc->IsHistoryMode());
    EXPECT_EQ(m_beobachter.anzahl, 0);
}

// --- deleting ---------------------------------------------------------------------------------

TEST_F(DocTest, DeleteWordAndSentence) {
    m_doc->ElementClicked(kKino);
    m_doc->ElementClicked(kBall);
    m_doc->FunctionCode(90);
    EXPECT_EQ(m_doc->GetShownWords(), (Woerter{"Kino "}));
    EXPECT_EQ(m_doc->GetSpokenWords(), (Woerter{"Ki-no "}));
    m_doc->FunctionCode(90);
    m_doc->FunctionCode(90);  // on empty lists: nothing
    EXPECT_TRUE(m_doc->GetShownWords().empty());
    EXPECT_TRUE(m_doc->GetSpokenWords().empty());
    m_doc->ElementClicked(kHaus);
    m_doc->ElementClicked(kHaus);
    m_doc->FunctionCode(91);
    EXPECT_TRUE(m_doc->GetShownWords().empty());
    EXPECT_TRUE(m_doc->GetSpokenWords().empty());
    EXPECT_EQ(m_beobachter.anzahl, 8);  // every click and every deletion
}

// --- keyboard -------------------------------------------------------------------------------

TEST_F(DocTest, KeyboardTypingABlankAndErasing) {
    m_doc->FunctionCode(92);
    EXPECT_TRUE(m_doc->IsKeyboard());
    EXPECT_EQ(m_doc->GetShownWords(), (Woerter{""}));
    m_doc->KeyTyped(U'j');
    m_doc->KeyTyped(U'a');
    m_doc->KeyTyped(U' ');
    EXPECT_EQ(m_doc->GetShownWords(), (Woerter{"ja ", ""}));
    EXPECT_EQ(m_doc->GetSpokenWords(), (Woerter{"ja ", ""}));
    m_doc->KeyTyped(U'<');
    EXPECT_EQ(m_doc->GetShownWords(), (Woerter{"ja"}));
    EXPECT_EQ(m_doc->GetSpokenWords(), (Woerter{"ja"}));
    m_doc->KeyTyped(U'<');
    EXPECT_EQ(m_doc->GetShownWords(), (Woerter{"j"}));
    m_doc->KeyTyped(U'<');
    EXPECT_EQ(m_doc->GetShownWords(), (Woerter{""}));
    m_doc->KeyTyped(U'<');  // nothing left to erase
    EXPECT_EQ(m_doc->GetShownWords(), (Woerter{""}));
    EXPECT_EQ(m_doc->GetSpokenWords(), (Woerter{""}));
}

TEST_F(DocTest, ABlankOnAnEmptyWordEndsNothing) {
    m_doc->FunctionCode(92);
    m_doc->KeyTyped(U' ');
    m_doc->KeyTyped(U' ');
    EXPECT_EQ(m_doc->GetShownWords(), (Woerter{""}));
}

TEST_F(DocTest, KeyboardOnThenDeleteWordLeavesBothListsEmpty) {
    m_doc->FunctionCode(92);
    m_doc->FunctionCode(90);
    EXPECT_TRUE(m_doc->GetShownWords().empty());
    EXPECT_TRUE(m_doc->GetSpokenWords().empty());
}

TEST_F(DocTest, KeyboardOffEndsTheTypedWordWithOneBlank) {
    m_doc->FunctionCode(92);
    for (char32_t c : std::u32string(U"hallo")) m_doc->KeyTyped(c);
    m_doc->FunctionCode(92);
    EXPECT_FALSE(m_doc->IsKeyboard());
    EXPECT_EQ(m_doc->GetShownWords(), (Woerter{"hallo "}));
    EXPECT_EQ(m_doc->GetSpokenWords(), (Woerter{"hallo "}));
}

TEST_F(DocTest, KeyboardOffAfterABlankDoesNotDoubleIt) {
    m_doc->ElementClicked(kKino);
    m_doc->FunctionCode(92);
    m_doc->KeyTyped(U'j');
    m_doc->KeyTyped(U'a');
    m_doc->KeyTyped(U' ');
    m_doc->FunctionCode(92);
    EXPECT_EQ(m_doc->GetShownWords(), (Woerter{"Kino ", "ja "}));
    EXPECT_EQ(m_doc->GetSpokenWords(), (Woerter{"Ki-no ", "ja "}));
    // On and straight off again: the clicked word keeps its one blank.
    m_doc->FunctionCode(92);
    m_doc->FunctionCode(92);
    EXPECT_EQ(m_doc->GetSentence(), "Kino ja ");
}

TEST_F(DocTest, TypingAfterAClickedWordKeepsTheListsParallel) {
    m_doc->ElementClicked(kKino);
    m_doc->FunctionCode(92);
    m_doc->KeyTyped(U'x');
    EXPECT_EQ(m_doc->GetShownWords(), (Woerter{"Kino ", "x"}));
    EXPECT_EQ(m_doc->GetSpokenWords(), (Woerter{"Ki-no ", "x"}));
    m_doc->KeyTyped(U'<');
    m_doc->KeyTyped(U'<');  // erases into the clicked word
    EXPECT_EQ(m_doc->GetShownWords(), (Woerter{"Kino"}));
    EXPECT_EQ(m_doc->GetSpokenWords(), (Woerter{"Ki-no"}));
}

TEST_F(DocTest, UmlautsAreTypedAndErasedWhole) {
    m_doc->FunctionCode(92);
    m_doc->KeyTyped(U'B');
    m_doc->KeyTyped(U'ä');
    m_doc->KeyTyped("r");
    m_doc->KeyTyped("ö");
    m_doc->KeyTyped(std::string("ß"));
    m_doc->KeyTyped(U'€');
    EXPECT_EQ(m_doc->GetSentence(), "Bäröß€");
    m_doc->KeyTyped(U'<');
    EXPECT_EQ(m_doc->GetSentence(), "Bäröß");
    m_doc->KeyTyped(U'<');
    m_doc->KeyTyped(U'<');
    EXPECT_EQ(m_doc->GetSentence(), "Bär");
    m_doc->KeyTyped(U'<');
    EXPECT_EQ(m_doc->GetSentence(), "Bä");
    m_doc->KeyTyped(U'<');
    EXPECT_EQ(m_doc->GetSentence(), "B");
    EXPECT_EQ(m_doc->GetSpokenSentence(), "B");
}

TEST_F(DocTest, KeysThatAreNotOneCharacterAreIgnored) {
    m_doc->FunctionCode(92);
    m_beobachter.anzahl = 0;
    m_doc->KeyTyped("ab");
    m_doc->KeyTyped("");
    m_doc->KeyTyped("\xC3");  // half of an umlaut
    m_doc->KeyTyped(U'\n');
    m_doc->KeyTyped(static_cast<char32_t>(0xD800));
    m_doc->KeyTyped(static_cast<char32_t>(0x110000));
    EXPECT_EQ(m_doc->GetShownWords(), (Woerter{""}));
    EXPECT_EQ(m_beobachter.anzahl, 0);
    m_doc->KeyTyped("<");
    m_doc->KeyTyped(" ");
    EXPECT_EQ(m_beobachter.anzahl, 2);
}

TEST_F(DocTest, KeysUpdateTheViewsButOnlyABlankRefreshes) {
    m_doc->ElementClicked(kKino);
    m_doc->Speak();
    m_doc->FunctionCode(91);
    m_doc->FunctionCode(92);
    m_beobachter.anzahl = 0;
    for (char32_t c : std::u32string(U"kino")) m_doc->KeyTyped(c);
    EXPECT_TRUE(m_doc->GetSuggestions().empty());
    m_doc->KeyTyped(U' ');
    EXPECT_EQ(m_doc->GetSuggestions(), (Woerter{"Kino "}));
    EXPECT_EQ(m_doc->GetSuggestionsSpoken(), (Woerter{"Ki-no "}));
    m_doc->SetSelection(0);
    m_doc->KeyTyped(U'<');  // erasing does not refresh
    EXPECT_EQ(m_doc->GetSelection(), 0);
    EXPECT_EQ(m_beobachter.anzahl, 6);
}

TEST_F(DocTest, AnUnfinishedEmptyWordDoesNotListEverySentence) {
    m_doc->ElementClicked(kKino);
    m_doc->Speak();
    m_doc->FunctionCode(91);
    m_doc->FunctionCode(92);
    m_doc->KeyTyped(U' ');
    EXPECT_TRUE(m_doc->GetSuggestions().empty());
}

// --- verb list -------------------------------------------------------------------------------

TEST_F(DocTest, VerbListInAndOut) {
    m_doc->ElementClicked(kLinkEssen);
    m_doc->SetElementsChanged(false);
    m_beobachter.anzahl = 0;
    m_doc->FunctionCode(80);
    EXPECT_TRUE(m_doc->IsVerbList());
    EXPECT_TRUE(m_doc->IsElementsChanged());
    EXPECT_EQ(Texte(), (Woerter{"essen", "gehen"}));  // pos 2 before pos 4
    EXPECT_EQ(m_doc->GetHistory().size(), 2u);
    EXPECT_EQ(m_beobachter.anzahl, 1);
    m_doc->FunctionCode(4);
    m_doc->ElementClicked(1);
    EXPECT_EQ(m_doc->GetSentence(), "sie gehen:Geg3PersE ");
    EXPECT_TRUE(m_doc->IsVerbList());
    m_doc->FunctionCode(80);
    EXPECT_FALSE(m_doc->IsVerbList());
    EXPECT_EQ(m_doc->GetCategory(), m_nKategorie2);
    EXPECT_EQ(Texte(), (Woerter{"Apfel", "essen", "Start"}));
    EXPECT_EQ(m_doc->GetHistory().size(), 1u);
}

TEST_F(DocTest, NavigationLeavesTheVerbList) {
    m_doc->FunctionCode(80);
    m_doc->ElementClicked(CSagwerkDoc::kStartseite);
    EXPECT_FALSE(m_doc->IsVerbList());
    EXPECT_EQ(Texte(), (Woerter{"Kino", "Haus", "Ball", "gehen", "Essen"}));
    m_doc->FunctionCode(80);
    m_doc->ElementClicked(CSagwerkDoc::kLetzteKategorie);
    EXPECT_FALSE(m_doc->IsVerbList());
    EXPECT_EQ(m_doc->GetElementCount(), 5);
}

TEST_F(DocTest, LeavingTheVerbListWithAnEmptyHistoryShowsTheCategoryAgain) {
    m_doc->ElementClicked(kLinkEssen);
    m_doc->FunctionCode(80);
    EXPECT_EQ(m_doc->PopCategory(), m_nKategorie2);
    EXPECT_EQ(m_doc->PopCategory(), 1);
    m_doc->FunctionCode(80);
    EXPECT_FALSE(m_doc->IsVerbList());
    EXPECT_EQ(m_doc->GetCategory(), m_nKategorie2);
    EXPECT_EQ(Texte(), (Woerter{"Apfel", "essen", "Start"}));
}

// --- speaking and suggestions --------------------------------------------------------------

TEST_F(DocTest, SpeakStoresAndSpeaksTheBuiltSentenceWhichStays) {
    m_doc->ElementClicked(kKino);
    m_doc->ElementClicked(kBall);
    m_beobachter.anzahl = 0;
    m_doc->Speak();
    ASSERT_EQ(m_log.size(), 1u);
    EXPECT_EQ(m_log[0].text, "Ki-no Ball ");
    EXPECT_EQ(m_log[0].speed, 100);
    EXPECT_EQ(m_doc->GetSentence(), "Kino Ball ");
    EXPECT_EQ(m_beobachter.anzahl, 0);
    m_doc->WaitForWriter();
    EXPECT_EQ(Zahl("select count(*) from Satzspeicher"), 1);
    SQLite::Database roh = Roh();
    SQLite::Statement q(roh, "select Satz, PSatz from Satzspeicher");
    ASSERT_TRUE(q.executeStep());
    EXPECT_EQ(q.getColumn(0).getString(), "Kino Ball ");
    EXPECT_EQ(q.getColumn(1).getString(), "Ki-no Ball ");
}

TEST_F(DocTest, SpeakingNothingHandsNothingOverAndStoresNothing) {
    m_doc->Speak();
    EXPECT_TRUE(m_log.empty());  // the speech object refuses the empty text
    EXPECT_EQ(Zahl("select count(*) from Satzspeicher"), 0);
}

TEST_F(DocTest, SpeakingASuggestionSpeaksItsSpokenFormAndStoresNothing) {
    m_doc->ElementClicked(kKino);
    m_doc->ElementClicked(kHaus);
    m_doc->Speak();
    m_doc->FunctionCode(91);
    m_doc->ElementClicked(kKino);
    ASSERT_EQ(m_doc->GetSuggestions(), (Woerter{"Kino Haus "}));
    EXPECT_EQ(m_doc->GetSelection(), -1);
    m_doc->SelectNext();
    EXPECT_EQ(m_doc->GetSelection(), 0);
    m_log.clear();
    m_doc->Speak();
    ASSERT_EQ(m_log.size(), 1u);
    EXPECT_EQ(m_log[0].text, "Ki-no Haus ");
    m_doc->WaitForWriter();
    EXPECT_EQ(Zahl("select count(*) from Satzspeicher"), 1);
    EXPECT_EQ(Zahl("select Anzahl from Satzspeicher"), 1);
    EXPECT_EQ(m_doc->GetSentence(), "Kino ");
    EXPECT_EQ(m_doc->GetSelection(), 0);
    // Back to no selection: the built sentence is stored and spoken.
    m_doc->SelectPrevious();
    EXPECT_EQ(m_doc->GetSelection(), -1);
    m_doc->Speak();
    EXPECT_EQ(m_log.back().text, "Ki-no ");
    m_doc->WaitForWriter();
    EXPECT_EQ(Zahl("select count(*) from Satzspeicher"), 2);
}

TEST_F(DocTest, SelectionMovesWithinTheSuggestions) {
    m_doc->SelectNext();
    EXPECT_EQ(m_doc->GetSelection(), -1);
    m_doc->SelectPrevious();
    EXPECT_EQ(m_doc->GetSelection(), -1);
    for (int p : {kKino, kHaus, kBall}) {
        m_doc->FunctionCode(91);
        m_doc->ElementClicked(kKino);
        if (p != kKino) m_doc->ElementClicked(p);
        m_doc->Speak();
    }
    m_doc->FunctionCode(91);
    m_doc->ElementClicked(kKino);
    ASSERT_EQ(m_doc->GetSuggestions().size(), 3u);
    m_doc->SelectNext();
    m_doc->SelectNext();
    m_doc->SelectNext();
    m_doc->SelectNext();
    EXPECT_EQ(m_doc->GetSelection(), 2);
    m_doc->SetSelection(0);
    EXPECT_EQ(m_doc->GetSelection(), 0);
    m_doc->SelectPrevious();
    EXPECT_EQ(m_doc->GetSelection(), -1);
    m_doc->SetSelection(1);
    m_doc->ElementClicked(kBall);  // a new word refreshes: no selection
    EXPECT_EQ(m_doc->GetSelection(), -1);
    EXPECT_EQ(m_doc->GetSuggestions().front(), "Kino Ball ");
}

TEST_F(DocTest, HistoryModeListsEverySentenceUntilTheSentenceChanges) {
    // No sentence stored yet: nothing to select.
    m_doc->FunctionCode(93);
    EXPECT_TRUE(m_doc->IsHistoryMode());
    EXPECT_TRUE(m_doc->GetSuggestions().empty());
    EXPECT_EQ(m_doc->GetSelection(), -1);
    m_doc->FunctionCode(93);
    EXPECT_FALSE(m_doc->IsHistoryMode());

    m_doc->ElementClicked(kHaus);
    m_doc->Speak();
    m_doc->FunctionCode(91);
    m_doc->ElementClicked(kKino);
    m_doc->Speak();
    m_doc->FunctionCode(91);
    m_beobachter.anzahl = 0;
    m_doc->WaitForWriter();

    m_doc->FunctionCode(93);
    EXPECT_EQ(m_beobachter.anzahl, 1);
    EXPECT_EQ(m_doc->GetSuggestions(), (Woerter{"Haus ", "Kino "}));
    EXPECT_EQ(m_doc->GetSuggestionsSpoken(), (Woerter{"Haus ", "Ki-no "}));
    EXPECT_EQ(m_doc->GetSelection(), 0);
    m_doc->SelectNext();
    m_log.clear();
    m_doc->Speak();
    ASSERT_EQ(m_log.size(), 1u);
    EXPECT_EQ(m_log[0].text, "Ki-no ");
    m_doc->WaitForWriter();
    EXPECT_EQ(Zahl("select sum(Anzahl) from Satzspeicher"), 2);

    // A change of the sentence replaces the list by the prediction.
    m_doc->ElementClicked(kBall);
    EXPECT_TRUE(m_doc->IsHistoryMode());
    EXPECT_TRUE(m_doc->GetSuggestions().empty());
    m_doc->FunctionCode(93);
    EXPECT_FALSE(m_doc->IsHistoryMode());
    EXPECT_EQ(m_doc->GetSelection(), -1);
}

TEST_F(DocTest, HistoryKeepsAWindowAndPagesBackUp) {
    const int n = static_cast<int>(CSagwerkDoc::kHistoryFenster + 450);
    std::vector<std::pair<std::string, std::string>> saetze;
    char s[32];
    for (int i = 0; i < n; ++i) {
        std::snprintf(s, sizeof s, "Satz %04d ", i);
        saetze.emplace_back(s, std::string("gesprochen ") + s);
    }
    ASSERT_TRUE(m_doc->GetDatabase()->StoreSentences(saetze));
    m_doc->FunctionCode(93);
    const auto gewaehlt = [&] {
        return m_doc->GetSuggestions().at(static_cast<std::size_t>(m_doc->GetSelection()));
    };
    for (int i = 1; i < n; ++i) {
        m_doc->SelectNext();
        ASSERT_LE(m_doc->GetSuggestions().size(), CSagwerkDoc::kHistoryFenster);
        std::snprintf(s, sizeof s, "Satz %04d ", i);
        ASSERT_EQ(gewaehlt(), s);
    }
    EXPECT_FALSE(m_doc->HasMoreHistory());
    EXPECT_TRUE(m_doc->HasEarlierHistory());
    for (int i = n - 2; i >= 0; --i) {
        m_doc->SelectPrevious();
        ASSERT_LE(m_doc->GetSuggestions().size(), CSagwerkDoc::kHistoryFenster);
        std::snprintf(s, sizeof s, "Satz %04d ", i);
        ASSERT_EQ(gewaehlt(), s);
    }
    EXPECT_FALSE(m_doc->HasEarlierHistory());
    m_log.clear();
    m_doc->Speak();
    ASSERT_EQ(m_log.size(), 1u);
    // Its number is said digit by digit.
    EXPECT_EQ(m_log[0].text, "gesprochen Satz null null null null ");
    // Down again past the window's end fetches what was dropped below.
    for (int i = 0; i < n - 1; ++i) m_doc->SelectNext();
    EXPECT_EQ(gewaehlt(), "Satz 2449 ");
}

TEST_F(DocTest, AChangedSentenceInHistoryModeNeverPagesInOtherSentences) {
    // More than one page of stored sentences, none of them about a ball.
    std::vector<std::pair<std::string, std::string>> saetze;
    for (int i = 0; i < 450; ++i) {
        const std::string s = "Satz " + std::to_string(i) + " ";
        saetze.emplace_back(s, s);
    }
    ASSERT_TRUE(m_doc->GetDatabase()->StoreSentences(saetze));
    m_doc->ElementClicked(kBall);
    m_doc->Speak();
    m_doc->FunctionCode(91);
    m_doc->FunctionCode(93);
    ASSERT_EQ(m_doc->GetSuggestions().size(), CSagwerkDoc::kHistorySeite);
    EXPECT_TRUE(m_doc->HasMoreHistory());

    m_doc->ElementClicked(kBall);  // the prediction replaces the list
    ASSERT_EQ(m_doc->GetSuggestions(), (Woerter{"Ball "}));
    EXPECT_FALSE(m_doc->HasMoreHistory());
    for (int i = 0; i < 3; ++i) m_doc->SelectNext();
    EXPECT_EQ(m_doc->GetSuggestions().size(), 1u);
    m_log.clear();
    m_doc->Speak();
    ASSERT_EQ(m_log.size(), 1u);
    EXPECT_EQ(m_log[0].text, "Ball ");
}

TEST_F(DocTest, SuggestionsAppearWhenABigMemorysIndexIsReady) {
    std::vector<std::pair<std::string, std::string>> saetze;
    for (int i = 0; i < 300; ++i) saetze.emplace_back("Ball " + std::to_string(i) + " ", "x ");
    ASSERT_TRUE(m_doc->GetDatabase()->StoreSentences(saetze));
    std::vector<std::function<void()>> nachgereicht;
    m_doc->SetNachreicher([&](std::function<void()> f) { nachgereicht.push_back(std::move(f)); });
    CDatenbank::Optionen klein;
    klein.sofortLadenBis = 10;  // loaded on a thread, as a big memory is
    m_doc->SetDatenbankOptionen(klein);
    ASSERT_TRUE(m_doc->OpenUser(m_pfad));
    m_doc->ElementClicked(kBall);
    m_doc->GetDatabase()->WaitForSentenceIndex();
    m_doc->WaitForPrediction();  // the word prediction hands its news over too
    // The loader's news, run on the document's thread, brings the suggestions.
    ASSERT_FALSE(nachgereicht.empty());
    m_beobachter.anzahl = 0;
    for (const auto& f : nachgereicht) f();
    EXPECT_EQ(m_doc->GetSuggestions().size(), 10u);
    EXPECT_EQ(m_beobachter.anzahl, 1);

    // News that arrives after the document has gone is dropped.
    nachgereicht.clear();
    ASSERT_TRUE(m_doc->OpenUser(m_pfad));
    m_doc->GetDatabase()->WaitForSentenceIndex();
    m_doc->WaitForPrediction();
    ASSERT_FALSE(nachgereicht.empty());
    m_doc.reset();
    for (const auto& f : nachgereicht) f();
}

TEST_F(DocTest, LeavingHistoryModeRefreshesForTheBuiltSentence) {
    m_doc->ElementClicked(kHaus);
    m_doc->Speak();
    m_doc->FunctionCode(91);
    m_doc->ElementClicked(kKino);
    m_doc->Speak();
    m_doc->WaitForWriter();
    m_doc->FunctionCode(93);
    EXPECT_EQ(m_doc->GetSuggestions().size(), 2u);
    m_doc->FunctionCode(93);
    EXPECT_EQ(m_doc->GetSuggestions(), (Woerter{"Kino "}));
    EXPECT_EQ(m_doc->GetSelection(), -1);
}

TEST_F(DocTest, AnOutOfRangeSelectionSpeaksTheBuiltSentence) {
    m_doc->ElementClicked(kBall);
    m_doc->SetSelection(7);
    m_doc->Speak();
    ASSERT_EQ(m_log.size(), 1u);
    EXPECT_EQ(m_log[0].text, "Ball ");
}

TEST_F(DocTest, EmotionsSpeakTheirTextOnly) {
    m_doc->ElementClicked(kKino);
    m_beobachter.anzahl = 0;
    m_doc->EmotionClicked(1);
    m_doc->EmotionClicked(8);
    m_doc->EmotionClicked(99);
    m_doc->EmotionClicked(0);
    ASSERT_EQ(m_log.size(), 2u);
    EXPECT_EQ(m_log[0].text, "Ja.");
    EXPECT_EQ(m_log[1].text, "Das weiß ich nicht.");
    EXPECT_EQ(m_doc->GetSentence(), "Kino ");
    EXPECT_EQ(m_beobachter.anzahl, 0);
    EXPECT_EQ(Zahl("select count(*) from Satzspeicher"), 0);
}

TEST_F(DocTest, ObserversAreToldAndCanLeave) {
    CZaehlBeobachter zweiter;
    m_doc->AddObserver(&zweiter);
    m_doc->AddObserver(&zweiter);  // once only
    m_doc->FunctionCode(91);
    EXPECT_EQ(m_beobachter.anzahl, 1);
    EXPECT_EQ(zweiter.anzahl, 1);
    m_doc->RemoveObserver(&zweiter);
    m_doc->FunctionCode(91);
    EXPECT_EQ(m_beobachter.anzahl, 2);
    EXPECT_EQ(zweiter.anzahl, 1);
}
