// The editor model against a real user file: loading, moves and
// renumbering, new and removed records, commits, categories, the user.

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "EditorFixture.h"

using Namen = std::vector<std::string>;

TEST_F(EditorTest, OpensOnTheStartCategoryWithNothingCurrent) {
    EXPECT_EQ(m_daten->GetKategorie().GetIndex(), 1);
    EXPECT_EQ(m_daten->GetKategorie().GetName(), "HOME");
    EXPECT_EQ(Liste(), (Namen{"Kino", "Haus", "Ball", "gehen", "Essen"}));
    EXPECT_EQ(Flags(), std::vector<bool>(5, false));
    EXPECT_EQ(m_daten->GetEButtonCount(), 8u);
    EXPECT_EQ(m_daten->GetFTasteCount(), 20u);  // with the four of the articles
    EXPECT_EQ(m_daten->GetCurrentWortelement(), nullptr);
    EXPECT_EQ(m_daten->GetCurrentEButton(), nullptr);
    EXPECT_EQ(m_daten->GetCurrentFTaste(), nullptr);
    // Loading did not count as using the words.
    EXPECT_EQ(Zahl("select sum(Anzahl) from Wortelement"), 0);
    EXPECT_EQ(m_ansicht.anzahl, 0);
}

TEST_F(EditorTest, MovesExchangeNeighboursAndFlagOnlyThem) {
    m_daten->SelectWortelement(m_indexe[1]);  // Haus
    ASSERT_NE(m_daten->GetCurrentWortelement(), nullptr);
    m_daten->MoveWortelement(true);
    EXPECT_EQ(Liste(), (Namen{"Haus", "Kino", "Ball", "gehen", "Essen"}));
    EXPECT_EQ(Positionen(), (std::vector<long>{1, 2, 3, 4, 5}));
    EXPECT_EQ(Flags(), (std::vector<bool>{true, true, false, false, false}));
    EXPECT_EQ(m_ansicht.anzahl, 2);

    // At the head it stays, and nothing is refreshed.
    m_daten->MoveWortelement(true);
    EXPECT_EQ(Liste()[0], "Haus");
    EXPECT_EQ(m_ansicht.anzahl, 2);

    m_daten->SelectWortelement(m_indexe[4]);  // the link, at the tail
    m_daten->MoveWortelement(false);
    EXPECT_EQ(Liste()[4], "Essen");
    m_daten->SelectWortelement(12345);
    EXPECT_EQ(m_daten->GetCurrentWortelement(), nullptr);
    m_daten->MoveWortelement(false);
    EXPECT_EQ(m_ansicht.anzahl, 4);

    // Nothing is written before the commit; the commit writes the two.
    EXPECT_EQ(ImFile(1)[0], "Kino");
    EXPECT_TRUE(m_daten->CommitWortelemente());
    EXPECT_EQ(ImFile(1), (Namen{"Haus", "Kino", "Ball", "gehen", "Essen"}));
    EXPECT_EQ(Flags(), std::vector<bool>(5, false));
    EXPECT_EQ(m_dialoge.wartend, 0);
    EXPECT_TRUE(m_dialoge.fehler.empty());
}

TEST_F(EditorTest, NewElementsAreInsertedOnceAndKeepTheirRowAfterTheCommit) {
    m_daten->NewWortelement(CWortelement::Wort);
    CWortelement* erstes = m_daten->GetCurrentWortelement();
    ASSERT_NE(erstes, nullptr);
    EXPECT_EQ(erstes->GetIndex(), -1);
    EXPECT_EQ(erstes->GetPosition(), 7);
    EXPECT_EQ(erstes->GetAnzeigetext(), "neu");
    EXPECT_EQ(erstes->GetAnzahl(), 0);
    EXPECT_EQ(erstes->GetKategorie(), 1);
    EXPECT_EQ(erstes->GetArt(), CWortelement::Wort);
    m_daten->NewWortelement(CWortelement::Verb);
    EXPECT_EQ(m_daten->GetCurrentWortelement()->GetIndex(), -2);
    EXPECT_EQ(m_daten->GetCurrentWortelement()->GetPosition(), 8);
    EXPECT_EQ(Liste().size(), 7u);
    EXPECT_EQ(m_daten->FindWortelement(-1), erstes);

    erstes->SetForm(0, "Tee");
    m_daten->FindWortelement(m_indexe[2])->SetAnzeigetext("Fußball");
    m_daten->FindWortelement(m_indexe[2])->SetChanged(true);
    const long long vorher = Zahl("select count(*) from Wortelement");
    Roh().exec(
        "create table geschrieben (i); create trigger protokoll after update on Wortelement "
        "begin insert into geschrieben values (new.[Index]); end");
    ASSERT_TRUE(m_daten->CommitWortelemente());
    EXPECT_EQ(Zahl("select count(*) from Wortelement"), vorher + 2);
    // Exactly the flagged rows: the edited one and the two new ones.
    EXPECT_EQ(Zahl("select count(distinct i) from geschrieben"), 3);
    EXPECT_EQ(Zahl("select count(*) from geschrieben where i = " + std::to_string(m_indexe[2])), 1);
    EXPECT_EQ(ImFile(1), (Namen{"Kino", "Haus", "Fußball", "gehen", "Essen", "neu", "neu"}));
    EXPECT_EQ(Flags(), std::vector<bool>(7, false));

    // The record knows its row now: changed and committed again before the
    // list is loaded anew, it updates that row instead of adding another.
    EXPECT_GT(erstes->GetIndex(), 0);
    erstes->SetAnzeigetext("Tee");
    erstes->SetChanged(true);
    ASSERT_TRUE(m_daten->CommitWortelemente());
    EXPECT_EQ(Zahl("select count(*) from Wortelement"), vorher + 2);
    EXPECT_EQ(Zahl("select count(*) from Wortelement where Anzeigetext = 'Tee'"), 1);

    m_daten->NewWortelement(CWortelement::Link);
    EXPECT_EQ(m_daten->GetCurrentWortelement()->GetIndex(), -1);
}

TEST_F(EditorTest, AFailedCommitWritesNothingAndKeepsTheChanges) {
    // One row refuses its update, as a damaged or full file would.
    Roh().exec(
        "create trigger nein before update on Wortelement when new.Anzeigetext = 'Fehler' "
        "begin select raise(abort, 'abgelehnt'); end");
    m_daten->NewWortelement(CWortelement::Wort);
    CWortelement* neu = m_daten->GetCurrentWortelement();
    m_daten->SelectWortelement(m_indexe[1]);
    m_daten->MoveWortelement(true);  // Haus before Kino
    m_daten->FindWortelement(m_indexe[3])->SetAnzeigetext("Fehler");
    m_daten->FindWortelement(m_indexe[3])->SetChanged(true);
    const long long vorher = Zahl("select count(*) from Wortelement");

    EXPECT_FALSE(m_daten->CommitWortelemente());
    EXPECT_EQ(m_dialoge.fehler.size(), 1u);
    EXPECT_EQ(Zahl("select count(*) from Wortelement"), vorher);
    EXPECT_EQ(ImFile(1), (Namen{"Kino", "Haus", "Ball", "gehen", "Essen"}));
    EXPECT_EQ(neu->GetIndex(), -1);
    EXPECT_EQ(Flags(), (std::vector<bool>{true, true, false, true, false, true}));
    // The temporary index is still taken.
    m_daten->NewWortelement(CWortelement::Wort);
    EXPECT_EQ(m_daten->GetCurrentWortelement()->GetIndex(), -2);

    // Once the cause is gone, the next commit writes all of it.
    m_daten->FindWortelement(m_indexe[3])->SetAnzeigetext("laufen");
    ASSERT_TRUE(m_daten->CommitWortelemente());
    EXPECT_EQ(Zahl("select count(*) from Wortelement"), vorher + 2);
    EXPECT_EQ(ImFile(1), (Namen{"Haus", "Kino", "Ball", "laufen", "Essen", "neu", "neu"}));
}

TEST_F(EditorTest, AThousandFlaggedElementsCommitInOneQuickTransaction) {
    ASSERT_TRUE(m_daten->NewKategorie("Viele"));
    for (int i = 0; i < 1000; ++i) {
        m_daten->NewWortelement(CWortelement::Wort);
        m_daten->GetCurrentWortelement()->SetAnzeigetext("Wort " + std::to_string(i));
    }
    const auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE(m_daten->CommitWortelemente());
    const auto ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    EXPECT_EQ(ImFile(m_daten->GetKategorie().GetIndex()).size(), 1000u);
    EXPECT_LT(ms, 1000.0);
}

TEST_F(EditorTest, RemovingTheOnlyElementEmptiesTheCategoryForRemoval) {
    ASSERT_TRUE(m_daten->NewKategorie("Trinken"));
    const long trinken = m_daten->GetKategorie().GetIndex();
    EXPECT_EQ(m_daten->GetKategorie().GetName(), "Trinken");
    m_daten->NewWortelement(CWortelement::Wort);
    ASSERT_TRUE(m_daten->CommitWortelemente());
    const long wasser = m_daten->GetFirstWortelement()->GetIndex();

    // With an element the category stays, and so does everything else.
    m_ansicht.anzahl = 0;
    EXPECT_FALSE(m_daten->RemoveKategorie());
    EXPECT_EQ(m_daten->GetKategorie().GetIndex(), trinken);
    EXPECT_EQ(Liste().size(), 1u);

    m_daten->SelectWortelement(wasser);
    m_daten->RemoveWortelement();
    EXPECT_TRUE(Liste().empty());
    EXPECT_EQ(m_daten->GetCurrentWortelement(), nullptr);
    EXPECT_EQ(Zahl("select count(*) from Wortelement where Kategorie = " + std::to_string(trinken)),
              0);
    // Without a current element removing does nothing.
    m_daten->RemoveWortelement();

    EXPECT_TRUE(m_daten->RemoveKategorie());
    EXPECT_EQ(Zahl("select count(*) from Kategorie where [Index] = " + std::to_string(trinken)), 0);
    EXPECT_EQ(m_daten->GetKategorie().GetIndex(), 1);
    EXPECT_EQ(Liste().size(), 5u);
    EXPECT_TRUE(m_dialoge.fehler.empty());
}

TEST_F(EditorTest, TheStartCategoryIsNeverRemoved) {
    Roh().exec("delete from Wortelement where Kategorie = 1");
    NeuesModell();
    ASSERT_TRUE(Liste().empty());
    EXPECT_FALSE(m_daten->RemoveKategorie());
    EXPECT_EQ(Zahl("select count(*) from Kategorie where [Index] = 1"), 1);
}

TEST_F(EditorTest, AnElementNeverCommittedLeavesNoTraceWhenRemoved) {
    m_daten->NewWortelement(CWortelement::Wort);
    m_daten->RemoveWortelement();
    EXPECT_EQ(Liste().size(), 5u);
    EXPECT_TRUE(m_daten->CommitWortelemente());
    EXPECT_EQ(ImFile(1).size(), 5u);
    EXPECT_TRUE(m_dialoge.fehler.empty());
}

TEST_F(EditorTest, SelectingCategoriesByNameFallsBackToTheStart) {
    EXPECT_TRUE(m_daten->SelectKategorie("Essen"));
    EXPECT_EQ(m_daten->GetKategorie().GetIndex(), m_nKategorie2);
    EXPECT_EQ(Liste(), (Namen{"Apfel", "essen", "Start"}));
    EXPECT_EQ(m_ansicht.anzahl, 1);

    m_daten->SelectWortelement(m_indexe[5]);
    EXPECT_TRUE(m_daten->SelectKategorie("essen"));  // letter case counts
    EXPECT_EQ(m_daten->GetKategorie().GetIndex(), 1);
    EXPECT_EQ(m_daten->GetCurrentWortelement(), nullptr);
    EXPECT_EQ(Liste().size(), 5u);

    CKategorie k;
    EXPECT_TRUE(m_daten->FindKategorieByIndex(k, m_nKategorie2));
    EXPECT_EQ(k.GetName(), "Essen");
    EXPECT_FALSE(m_daten->FindKategorieByIndex(k, 999));
    EXPECT_FALSE(m_daten->FindKategorieByName(k, "Nirgends"));
}

TEST_F(EditorTest, ChangingTheCategoryWritesTheListShownFirst) {
    m_daten->SelectWortelement(m_indexe[2]);
    m_daten->MoveWortelement(true);
    ASSERT_TRUE(m_daten->SelectKategorie("Essen"));
    EXPECT_EQ(ImFile(1), (Namen{"Kino", "Ball", "Haus", "gehen", "Essen"}));
}

TEST_F(EditorTest, NewCategoriesOfTheSameNameAreEachMadeCurrent) {
    ASSERT_TRUE(m_daten->NewKategorie("neu"));
    const long erste = m_daten->GetKategorie().GetIndex();
    ASSERT_TRUE(m_daten->NewKategorie("neu"));
    const long zweite = m_daten->GetKategorie().GetIndex();
    EXPECT_NE(erste, zweite);
    EXPECT_EQ(Zahl("select count(*) from Kategorie where KatName = 'neu'"), 2);
    EXPECT_EQ(m_ansicht.anzahl, 2);

    m_daten->GetKategorie().SetName("Kleidung");
    EXPECT_TRUE(m_daten->CommitKategorie());
    EXPECT_EQ(Zahl("select count(*) from Kategorie where KatName = 'Kleidung' and [Index] = " +
                   std::to_string(zweite)),
              1);
}

TEST_F(EditorTest, EmotionButtonsAreCreatedSelectedMovedAndRemoved) {
    m_daten->SelectEButton(-1);
    EXPECT_EQ(m_daten->GetCurrentEButton(), nullptr);
    m_daten->SelectEButton(8);
    EXPECT_EQ(m_daten->GetCurrentEButton(), nullptr);
    m_daten->SelectEButton(7);
    ASSERT_NE(m_daten->GetCurrentEButton(), nullptr);
    EXPECT_EQ(m_daten->GetCurrentEButton()->GetAnzeigetext(), "Weiß nicht");

    m_daten->NewEButton();
    CEmotionsButton* neu = m_daten->GetCurrentEButton();
    EXPECT_EQ(neu->GetPosition(), 9);
    EXPECT_EQ(neu->GetIndex(), -1);
    EXPECT_EQ(neu->GetAnzeigetext(), "neu");
    EXPECT_EQ(neu->GetText(), "");
    neu->SetText("Ich muss auf die Toilette.");
    neu->SetAnzeigetext("Toilette");
    m_daten->MoveEButton(true);
    EXPECT_EQ(neu->GetPosition(), 8);

    m_doc->SetUserChanged(false);
    ASSERT_TRUE(m_daten->CommitEButtons());
    EXPECT_TRUE(m_doc->IsUserChanged());
    EXPECT_EQ(Zahl("select Pos from EButtons where Anzeigetext = 'Toilette'"), 8);
    EXPECT_EQ(Zahl("select Pos from EButtons where Anzeigetext = 'Weiß nicht'"), 9);
    EXPECT_GT(neu->GetIndex(), 0);

    m_daten->SelectEButton(0);  // "Ja"
    m_daten->RemoveEButton();
    EXPECT_EQ(m_daten->GetEButtonCount(), 8u);
    EXPECT_EQ(m_daten->GetFirstEButton()->GetPosition(), 1);
    ASSERT_TRUE(m_daten->CommitEButtons());
    EXPECT_EQ(Zahl("select count(*) from EButtons"), 8);
    EXPECT_EQ(Zahl("select Pos from EButtons where Anzeigetext = 'Toilette'"), 7);
    EXPECT_EQ(Zahl("select count(*) from EButtons where Anzeigetext = 'Ja'"), 0);
}

TEST_F(EditorTest, FunctionButtonsMoveAndCommit) {
    m_daten->SelectFTaste(20);
    EXPECT_EQ(m_daten->GetCurrentFTaste(), nullptr);
    m_daten->SelectFTaste(0);
    CFunktionsTaste* erste = m_daten->GetCurrentFTaste();
    ASSERT_NE(erste, nullptr);
    const long code = erste->GetCode();
    m_daten->MoveFTaste(false);
    erste->SetText("I");
    m_doc->SetUserChanged(false);
    ASSERT_TRUE(m_daten->CommitFTasten());
    EXPECT_TRUE(m_doc->IsUserChanged());
    EXPECT_EQ(Zahl("select Pos from FTasten where FCode = " + std::to_string(code)), 2);
    EXPECT_EQ(Zahl("select count(*) from FTasten"), 20);
}

TEST_F(EditorTest, UserPasswordPathsAndSpeech) {
    m_daten->GetBenutzer().SetPasswort("Geheim");
    EXPECT_TRUE(m_daten->CheckPasswort("Geheim"));
    EXPECT_FALSE(m_daten->CheckPasswort("geheim"));
    EXPECT_FALSE(m_daten->CheckPasswort(""));
    m_daten->GetBenutzer().SetName("Lena", "Berg");
    m_daten->GetBenutzer().SetSpalten(8);
    ASSERT_TRUE(m_daten->CommitBenutzer());
    EXPECT_EQ(m_doc->GetTitle(), "Lena Berg");
    EXPECT_EQ(m_doc->GetColumns(), 8);
    EXPECT_EQ(Zahl("select count(*) from Benutzer where Passwort = 'Geheim'"), 1);

    const std::string basis = m_doc->GetBaseDir();
    EXPECT_EQ(m_daten->MakeRelativePath(basis + "icons/tiere/hund.ico"), "icons\\tiere\\hund.ico");
    EXPECT_EQ(m_daten->MakeRelativePath("/anderswo/hund.ico"), "/anderswo/hund.ico");
    // The base directory inside another path is no reason to cut it.
    EXPECT_EQ(m_daten->MakeRelativePath("/mnt" + basis + "hund.ico"), "/mnt" + basis + "hund.ico");
    EXPECT_EQ(m_daten->ResolvePath("icons\\tiere\\hund.ico"), basis + "icons/tiere/hund.ico");

    m_daten->SetVoice(150, 80);
    m_daten->Speak("Dies ist ein Test");
    m_daten->Speak("");
    ASSERT_EQ(m_log.size(), 1u);
    EXPECT_EQ(m_log[0].text, "Dies ist ein Test");
    EXPECT_EQ(m_log[0].speed, 150);
    EXPECT_EQ(m_log[0].pitch, 80);
    EXPECT_EQ(Zahl("select count(*) from Satzspeicher"), 0);
}

TEST_F(EditorTest, PicturesFromElsewhereAreCopiedIntoTheUsersFolder) {
    // The user's folder is the working directory the document starts in.
    const auto vorher = std::filesystem::current_path();
    std::filesystem::current_path(m_dir.Pfad());
    NeuesDokument();
    NeuesModell();
    std::filesystem::current_path(vorher);
    const std::string basis = m_doc->GetBaseDir();
    ASSERT_EQ(basis, m_dir.Pfad().string() + "/");
    CTempVerzeichnis woanders;
    const auto schreiben = [](const std::string& pfad, const std::string& inhalt) {
        std::ofstream(pfad, std::ios::binary) << inhalt;
    };
    schreiben(woanders.Datei("hund.png"), "wau");
    EXPECT_EQ(m_daten->BildUebernehmen(woanders.Datei("hund.png")), "bilder\\hund.png");
    EXPECT_TRUE(std::filesystem::exists(basis + "bilder/hund.png"));
    // The same file again is the same picture; another one of that name is
    // copied beside it, never over it.
    EXPECT_EQ(m_daten->BildUebernehmen(woanders.Datei("hund.png")), "bilder\\hund.png");
    CTempVerzeichnis dritter;
    schreiben(dritter.Datei("hund.png"), "wuff");
    EXPECT_EQ(m_daten->BildUebernehmen(dritter.Datei("hund.png")), "bilder\\hund-2.png");
    std::ifstream alt(basis + "bilder/hund.png");
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(alt), {}), "wau");

    EXPECT_EQ(m_daten->BildUebernehmen(basis + "bilder/hund-2.png"), "bilder\\hund-2.png");
    EXPECT_EQ(m_daten->BildUebernehmen(woanders.Datei("fehlt.png")), "");
    EXPECT_EQ(m_dialoge.meldungen.size(), 1u);
}
