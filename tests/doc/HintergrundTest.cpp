#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "CLangsameSyncs.h"
#include "DocFixture.h"

// Slow storage: each sync takes 50 ms more. A click still answers at once,
// and its count reaches the file in the background, in time for the editor.
TEST_F(DocTest, AClickNeverWaitsForTheDiskAndItsCountStillArrives) {
    m_doc.reset();
    const long vorher = Zahl("select Anzahl from Wortelement where Anzeigetext = 'Kino'");
    {
        const CLangsameSyncs langsam(std::chrono::milliseconds(50));
        CSagwerkDoc doc(m_dialoge, m_uhr, std::make_unique<CAufnahmeEngine>(m_log));
        ASSERT_TRUE(doc.OpenUser(m_pfad));
        // A click that waited for its commit would take two syncs, 100 ms.
        // (Each click is timed alone: one that reads while the count of the
        // one before is being committed waits for that commit.)
        for (int i = 0; i < 5; ++i) {
            const auto start = std::chrono::steady_clock::now();
            doc.ElementClicked(kKino);
            EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(50));
            doc.GetDatabase()->WaitForWrites();
        }
        EXPECT_GT(CLangsameSyncs::syncs, 0);
    }
    EXPECT_EQ(Zahl("select Anzahl from Wortelement where Anzeigetext = 'Kino'"), vorher + 5);
    EXPECT_TRUE(m_dialoge.fehler.empty());
}

// The same for "Sprechen": heard and kept beside the file at once, stored by
// the writer in the background, suggested before and after.
TEST_F(DocTest, SpeakingNeverWaitsForTheDiskAndTheWriterStoresTheSentence) {
    m_doc.reset();
    const CLangsameSyncs langsam(std::chrono::milliseconds(50));
    CSagwerkDoc doc(m_dialoge, m_uhr, std::make_unique<CAufnahmeEngine>(m_log));
    ASSERT_TRUE(doc.OpenUser(m_pfad));
    doc.ElementClicked(kKino);
    doc.ElementClicked(kBall);
    const auto start = std::chrono::steady_clock::now();
    doc.Speak();
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(50));
    EXPECT_EQ(m_log.size(), 1u);
    doc.FunctionCode(91);
    doc.ElementClicked(kBall);
    EXPECT_EQ(doc.GetSuggestions(), (std::vector<std::string>{"Kino Ball "}));

    doc.WaitForWriter();
    EXPECT_FALSE(doc.HatWartendeSaetze());
    EXPECT_FALSE(std::filesystem::exists(m_dir.Datei(".Anna.mdb.warteschlange")));
    EXPECT_EQ(Zahl("select count(*) from Satzspeicher where Satz = 'Kino Ball '"), 1);
    // Now from the index, once.
    doc.FunctionCode(91);
    doc.ElementClicked(kBall);
    EXPECT_EQ(doc.GetSuggestions(), (std::vector<std::string>{"Kino Ball "}));
    EXPECT_TRUE(m_dialoge.fehler.empty() && m_dialoge.hinweise.empty());
}

// A word clicked while the file is held outright (a commit, another
// program) is taken at once, as it was read with its category.
TEST_F(DocTest, AClickWhileTheFileIsHeldTakesTheElementAsItWasRead) {
    m_doc->ElementClicked(kKino);
    m_doc->Speak();
    m_doc->FunctionCode(91);
    m_doc->ElementClicked(kKino);  // its text is known now
    m_doc->FunctionCode(91);
    m_doc->WaitForPrediction();  // its reads of the file are done
    auto sperre = Roh();
    sperre.exec("BEGIN EXCLUSIVE");
    const auto start = std::chrono::steady_clock::now();
    m_doc->ElementClicked(kKino);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(100));
    EXPECT_EQ(m_doc->GetShownWords(), (std::vector<std::string>{"Kino "}));
    EXPECT_EQ(m_doc->GetSuggestions(), (std::vector<std::string>{"Kino "}));
    EXPECT_TRUE(m_dialoge.fehler.empty());
    sperre.exec("ROLLBACK");
}

// Person words and category changes never wait either: while another
// program holds the file they are taken as read last time, without a box.
TEST_F(DocTest, PersonWordsAndCategoriesWhileTheFileIsHeldNeitherWaitNorAsk) {
    m_doc->WaitForPrediction();
    m_doc->FunctionCode(1);  // the person word is known now
    const std::string ich = m_doc->GetShownWords().back();
    m_doc->FunctionCode(91);
    m_doc->ElementClicked(kLinkEssen);  // the second category, read once
    m_doc->ElementClicked(CSagwerkDoc::kStartseite);
    auto sperre = Roh();
    sperre.exec("BEGIN EXCLUSIVE");
    const auto start = std::chrono::steady_clock::now();
    m_doc->FunctionCode(1);
    m_doc->ElementClicked(kLinkEssen);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(100));
    EXPECT_EQ(m_doc->GetShownWords(), (std::vector<std::string>{ich}));
    EXPECT_EQ(m_doc->GetCategory(), m_nKategorie2);
    EXPECT_EQ(m_doc->GetElementCount(), 3);
    m_doc->Speak();
    EXPECT_EQ(m_log.back().text, ich);
    EXPECT_TRUE(m_dialoge.fehler.empty() && m_dialoge.meldungen.empty());
    sperre.exec("ROLLBACK");
}
