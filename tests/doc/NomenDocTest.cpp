// Nouns in the sentence through the document: the article latches, the case
// from the words before, a possessive or number word, deleting, speaking,
// and the noun forms as the user file keeps them.

#include <filesystem>

#include "DocFixture.h"

using Woerter = std::vector<std::string>;

namespace {

// Positions in category 1 after the fixture's five elements.
constexpr int kMoechten = 5, kFahren = 6, kGehe = 7, kHaben = 8, kSpielen = 9, kMit = 10,
              kIn = 11, kMein = 12, kZwei = 13, kEinApfel = 14, kBus = 15, kBett = 16, kKatze = 17,
              kBruder = 18;
constexpr int kIch = 1, kWir = 6;

class NomenDocTest : public DocTest {
protected:
    void Vorbereiten() override {
        CTestDialoge dialoge;
        CTestUhr uhr;
        CDatenbank db(m_pfad, dialoge, uhr);
        long pos = 6;
        const auto verb = [&](const char* grundform, const char* ich, const char* wir) {
            CWortelement::Formen f;
            f[0] = ich;
            f[3] = wir;
            return CWortelement(f, pos++, 1, "", grundform, CWortelement::Verb, "");
        };
        const auto wort = [&](const char* text, const char* phonetisch = "") {
            CWortelement::Formen f;
            f[0] = text;
            return CWortelement(f, pos++, 1, "", text, CWortelement::Wort, phonetisch);
        };
        const auto nomen = [&](const char* text, CNomen::Geschlecht g,
                               std::array<const char*, 8> formen, const char* phonetisch = "") {
            CWortelement e = wort(text, phonetisch);
            CNomen n;
            n.SetGeschlecht(g);
            for (int i = 0; i < 8; ++i) n.SetForm(i, formen[static_cast<std::size_t>(i)]);
            e.SetNomen(n);
            return e;
        };
        using G = CNomen::Geschlecht;
        std::vector<CWortelement> neu = {
            verb("möchten", "möchte", "möchten"),
            verb("fahren", "fahre", "fahren"),
            verb("gehen", "gehe", "gehen"),
            verb("haben", "habe", "haben"),
            verb("spielen", "spiele", "spielen"),
            wort("mit"),
            wort("in"),
            wort("mein"),
            wort("zwei"),
            nomen("Apfel", G::Maennlich,
                  {"Apfel", "Apfel", "Apfel", "Apfels", "Äpfel", "Äpfel", "Äpfeln", "Äpfel"}),
            nomen("Bus", G::Maennlich,
                  {"Bus", "Bus", "Bus", "Busses", "Busse", "Busse", "Bussen", "Busse"}, "Buss"),
            nomen("Bett", G::Saechlich,
                  {"Bett", "Bett", "Bett", "Betts", "Betten", "Betten", "Betten", "Betten"}),
            nomen("Katze", G::Weiblich,
                  {"Katze", "Katze", "Katze", "Katze", "Katzen", "Katzen", "Katzen", "Katzen"}),
            nomen("Bruder", G::Maennlich,
                  {"Bruder", "Bruder", "Bruder", "Bruders", "Brüder", "Brüder", "Brüdern", "Brüder"}),
        };
        for (CWortelement& e : neu) ASSERT_TRUE(db.SaveWortelement(e, 0));
        ASSERT_TRUE(dialoge.fehler.empty());
    }

    void Klicks(std::initializer_list<std::pair<char, int>> folge) {
        m_doc->FunctionCode(91);
        for (const auto& [art, n] : folge) {
            if (art == 'f') m_doc->FunctionCode(n);
            if (art == 'e') m_doc->ElementClicked(n);
        }
    }
};

}  // namespace

TEST_F(NomenDocTest, TheFiveSentencesComeOutByButtonsOnly) {
    Klicks({{'f', kIch}, {'e', kMoechten}, {'f', 31}, {'e', kEinApfel}});
    EXPECT_EQ(m_doc->GetSentence(), "ich möchte einen Apfel ");
    Klicks({{'f', kIch}, {'e', kFahren}, {'e', kMit}, {'f', 30}, {'e', kBus}});
    EXPECT_EQ(m_doc->GetSentence(), "ich fahre mit dem Bus ");
    // The noun's own pronunciation stays where its form is the word itself.
    EXPECT_EQ(m_doc->GetSpokenSentence(), "ich fahre mit dem Buss ");
    Klicks({{'f', kIch}, {'e', kGehe}, {'e', kIn}, {'f', 30}, {'e', kBett}});
    EXPECT_EQ(m_doc->GetSentence(), "ich gehe ins Bett ");
    EXPECT_EQ(m_doc->GetSpokenSentence(), "ich gehe ins Bett ");
    Klicks({{'f', kWir}, {'e', kHaben}, {'e', kZwei}, {'e', kKatze}});
    EXPECT_EQ(m_doc->GetSentence(), "wir haben zwei Katzen ");
    Klicks({{'f', kIch}, {'e', kSpielen}, {'e', kMit}, {'e', kMein}, {'f', 30}, {'e', kBruder}});
    EXPECT_EQ(m_doc->GetSentence(), "ich spiele mit meinem Bruder ");
    // Spoken and stored as built: the memory learns "meinem Bruder".
    m_doc->Speak();
    ASSERT_FALSE(m_log.empty());
    EXPECT_EQ(m_log.back().text, "ich spiele mit meinem Bruder ");
    m_doc->WaitForWriter();
    EXPECT_EQ(Zahl("select count(*) from Satzspeicher where Satz = 'ich spiele mit meinem Bruder '"),
              1);
    EXPECT_EQ(Zahl("select count(*) from Wortspeicher where Wort = 'meinem'"), 1);
}

TEST_F(NomenDocTest, ALatchAppliesToOneNounAndWithoutOneTheWordGoesInAsItIs) {
    Klicks({{'e', kBus}});
    EXPECT_EQ(m_doc->GetSentence(), "Bus ");
    const CSatzglieder& g = m_doc->GetSatzglieder();
    m_doc->FunctionCode(30);
    EXPECT_TRUE(g.IsGedrueckt(30));
    m_doc->FunctionCode(31);  // the other article instead
    EXPECT_FALSE(g.IsGedrueckt(30));
    EXPECT_TRUE(g.IsGedrueckt(31));
    m_doc->FunctionCode(32);
    m_doc->ElementClicked(kMit);  // a plain word leaves the latches as they are
    EXPECT_TRUE(g.IsGedrueckt(31) && g.IsGedrueckt(32));
    m_doc->ElementClicked(kKatze);
    EXPECT_EQ(m_doc->GetSentence(), "Bus mit Katzen ");
    EXPECT_FALSE(g.IsGedrueckt(31) || g.IsGedrueckt(32) || g.IsGedrueckt(33));
    m_doc->ElementClicked(kKatze);
    EXPECT_EQ(m_doc->GetSentence(), "Bus mit Katzen Katze ");

    // Wem/Wen: dative, accusative, off.
    m_doc->FunctionCode(33);
    EXPECT_EQ(g.GetFall(), CNomen::Fall::Dativ);
    m_doc->FunctionCode(33);
    EXPECT_EQ(g.GetFall(), CNomen::Fall::Akkusativ);
    m_doc->FunctionCode(33);
    EXPECT_FALSE(g.GetFall().has_value());
    Klicks({{'f', kIch}, {'e', kFahren}, {'f', 33}, {'f', 30}, {'e', kBruder}, {'f', 31},
            {'e', kEinApfel}});
    EXPECT_EQ(m_doc->GetSentence(), "ich fahre dem Bruder einen Apfel ");
}

TEST_F(NomenDocTest, DeletingTheNounGivesTheWordsBeforeTheirTextBack) {
    Klicks({{'f', kIch}, {'e', kGehe}, {'e', kIn}, {'f', 30}, {'e', kBett}});
    m_doc->FunctionCode(90);
    EXPECT_EQ(m_doc->GetSentence(), "ich gehe in ");
    EXPECT_EQ(m_doc->GetSpokenSentence(), "ich gehe in ");
    m_doc->FunctionCode(31);
    m_doc->ElementClicked(kBett);
    EXPECT_EQ(m_doc->GetSentence(), "ich gehe in ein Bett ");

    Klicks({{'e', kMit}, {'e', kMein}, {'f', 32}, {'e', kBruder}});
    EXPECT_EQ(m_doc->GetSentence(), "mit meinen Brüdern ");
    m_doc->FunctionCode(90);
    EXPECT_EQ(m_doc->GetShownWords(), (Woerter{"mit ", "mein "}));
    m_doc->FunctionCode(90);
    EXPECT_EQ(m_doc->GetShownWords(), (Woerter{"mit "}));
}

TEST_F(NomenDocTest, TheUserFileKeepsTheFormsBesideTheElement) {
    SQLite::Database roh(m_pfad, SQLite::OPEN_READWRITE);
    EXPECT_EQ(roh.execAndGet("select count(*) from Nomen").getInt(), 5);
    EXPECT_EQ(roh.execAndGet("select DatM from Nomen join Wortelement on Element = [Index] "
                             "where Anzeigetext = 'Apfel'")
                  .getString(),
              "Äpfeln");
    // Read through the data store, changed and deleted with the element.
    CTestDialoge dialoge;
    CTestUhr uhr;
    CDatenbank db(m_pfad, dialoge, uhr);
    const long apfel = roh.execAndGet("select [Index] from Wortelement where Anzeigetext = 'Apfel' and Kategorie = 1")
                           .getInt();
    CWortelement e;
    ASSERT_TRUE(db.LoadWortelement(e, apfel, true));
    EXPECT_EQ(e.GetNomen().GetGeschlecht(), CNomen::Geschlecht::Maennlich);
    EXPECT_EQ(e.GetNomen().GetForm(CNomen::Fall::Genitiv, false), "Apfels");
    e.SetNomen(CNomen());
    ASSERT_TRUE(db.SaveWortelement(e, apfel));
    EXPECT_EQ(roh.execAndGet("select count(*) from Nomen").getInt(), 4);
    const long bus =
        roh.execAndGet("select [Index] from Wortelement where Anzeigetext = 'Bus'").getInt();
    ASSERT_TRUE(db.DeleteWortelement(bus));
    EXPECT_EQ(roh.execAndGet("select count(*) from Nomen").getInt(), 3);
    std::vector<CWortelement> elemente;
    std::vector<CWortButton> buttons;
    ASSERT_TRUE(db.LoadWortelemente(1, false, elemente, buttons));
    int nomen = 0;
    for (const CWortelement& w : elemente) nomen += w.GetNomen().IstNomen() ? 1 : 0;
    EXPECT_EQ(nomen, 3);
    EXPECT_TRUE(dialoge.fehler.empty());
}

// A file of schema 4 opened write-protected is not brought up: its words
// are plain words, as before.
TEST_F(NomenDocTest, AFileNotBroughtUpReadsItsElementsAsPlainWords) {
    m_doc.reset();
    {
        SQLite::Database roh(m_pfad, SQLite::OPEN_READWRITE);
        roh.exec("DROP TABLE Nomen; DROP TABLE Nachgeholt; DELETE FROM FTasten WHERE FCode BETWEEN 30 AND 33; "
                 "PRAGMA user_version = 4");
    }
    std::filesystem::permissions(m_pfad, std::filesystem::perms::owner_read);
    NeuesDokument();
    m_doc->FunctionCode(30);
    m_doc->ElementClicked(kBus);
    EXPECT_EQ(m_doc->GetSentence(), "Bus ");
    m_doc.reset();
    std::filesystem::permissions(m_pfad, std::filesystem::perms::owner_read |
                                             std::filesystem::perms::owner_write);
    EXPECT_EQ(Zahl("PRAGMA user_version"), 4);
    // Writable again, it is brought up after its check: the table and the
    // four buttons are there.
    NeuesDokument();
    ASSERT_NE(m_doc->GetDatabase(), nullptr);
    m_doc->GetDatabase()->WaitForCheck();
    m_doc.reset();
    EXPECT_EQ(Zahl("PRAGMA user_version"), CSchema::kVersion);
    EXPECT_EQ(Zahl("select count(*) from FTasten where FCode between 30 and 33"), 4);
    EXPECT_EQ(Zahl("select count(*) from Nomen"), 0);
}
