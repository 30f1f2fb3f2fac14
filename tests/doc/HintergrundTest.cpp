#include <gtest/gtest.h>

#include <chrono>

#include "CLangsameSyncs.h"
#include "DocFixture.h"

// Slow storage: each sync takes 50 ms more. A click still answers at once,
// and its count reaches the file in the background, in time for the editor.
TEST_F(DocTest, AClickNeverWaitsForTheDiskAndItsCountStillArrives) {
    m_doc.reset();
    CDatenbank::Optionen optionen;
    optionen.zaehlerImHintergrund = true;
    const long vorher = Zahl("select Anzahl from Wortelement where Anzeigetext = 'Kino'");
    {
        const CLangsameSyncs langsam(std::chrono::milliseconds(50));
        CSagwerkDoc doc(m_dialoge, m_uhr, std::make_unique<CAufnahmeEngine>(m_log));
        doc.SetDatenbankOptionen(optionen);
        ASSERT_TRUE(doc.OpenUser(m_pfad));
        // One click that waited for its commit would take two syncs, 100 ms.
        const auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < 5; ++i) doc.ElementClicked(kKino);
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(100));
        doc.GetDatabase()->WaitForWrites();
        EXPECT_GT(CLangsameSyncs::syncs, 0);
    }
    EXPECT_EQ(Zahl("select Anzahl from Wortelement where Anzeigetext = 'Kino'"), vorher + 5);
    EXPECT_TRUE(m_dialoge.fehler.empty());
}
