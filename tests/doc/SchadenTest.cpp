#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "Beschaedigen.h"
#include "CSicherung.h"
#include "DocFixture.h"

namespace fs = std::filesystem;

using Saetze = std::vector<std::string>;

TEST_F(DocTest, ADamagedUserSpeaksAndItsBackupTakesTheSentencesSaidMeanwhile) {
    m_doc->SetTaeglicheSicherung(true);
    m_doc->Sichern();
    m_doc->WaitForBackup();
    ASSERT_EQ(CSicherung(m_pfad).Liste().size(), 1u);
    m_doc.reset();
    IndexSeiteZerstoeren(m_pfad, "VerbindungSatz");
    const std::string beschaedigt = Inhalt(m_pfad);
    m_dialoge.Vergessen();
    NeuesDokument();

    // Said once, with the backup's date and where to restore it.
    ASSERT_EQ(m_dialoge.hinweise.size(), 1u);
    EXPECT_NE(m_dialoge.hinweise[0].find("ist beschädigt"), std::string::npos);
    EXPECT_NE(m_dialoge.hinweise[0].find("vom 09.12.2025"), std::string::npos)
        << m_dialoge.hinweise[0];
    EXPECT_NE(m_dialoge.hinweise[0].find("Sicherung wiederherstellen"), std::string::npos);

    // The person speaks as ever: no box, nothing written, the sentence kept
    // and suggested.
    m_doc->ElementClicked(kKino);
    m_doc->ElementClicked(kBall);
    m_doc->Speak();
    m_doc->FunctionCode(91);
    m_doc->ElementClicked(kBall);
    EXPECT_EQ(m_log.size(), 1u);
    EXPECT_EQ(m_doc->GetSuggestions(), (Saetze{"Kino Ball "}));
    EXPECT_TRUE(m_dialoge.fehler.empty() && m_dialoge.meldungen.empty());
    EXPECT_EQ(m_dialoge.hinweise.size(), 1u);
    EXPECT_EQ(Inhalt(m_pfad), beschaedigt);

    std::string fehler;
    ASSERT_TRUE(m_doc->RestoreBackup(CSicherung(m_pfad).Liste().front(), fehler)) << fehler;
    m_doc->WaitForWriter();
    EXPECT_FALSE(m_doc->HatWartendeSaetze());
    EXPECT_EQ(Zahl("select count(*) from Satzspeicher where Satz = 'Kino Ball '"), 1);
    EXPECT_EQ(CSicherung::Pruefen(m_pfad, fehler), CSicherung::Befund::Gesund) << fehler;
    const auto liste = CSicherung(m_pfad).Liste();
    ASSERT_EQ(liste.size(), 2u);
    EXPECT_TRUE(liste[1].ersetzt);
    EXPECT_EQ(Inhalt(liste[1].pfad), beschaedigt);
}

TEST_F(DocTest, AWriteProtectedFolderIsSeenAtOnceAndItsSentencesWaitInTheStateFolder) {
    CTempVerzeichnis zustand;
    const char* bisher = std::getenv("XDG_STATE_HOME");
    const std::string alt = bisher != nullptr ? bisher : "";
    ::setenv("XDG_STATE_HOME", zustand.Pfad().c_str(), 1);
    m_doc.reset();
    fs::permissions(m_dir.Pfad(), fs::perms::owner_read | fs::perms::owner_exec);
    m_dialoge.Vergessen();
    NeuesDokument();
    ASSERT_FALSE(m_dialoge.hinweise.empty());
    EXPECT_EQ(m_dialoge.hinweise[0].rfind("Der Ordner der Benutzerdatei", 0), 0u);
    EXPECT_TRUE(m_doc->GetDatabase()->IsReadOnly());
    m_doc->ElementClicked(kKino);
    m_doc->Speak();
    m_doc.reset();
    EXPECT_TRUE(m_dialoge.fehler.empty() && m_dialoge.meldungen.empty());

    // Once the folder may be written again, the sentence reaches the file.
    fs::permissions(m_dir.Pfad(), fs::perms::owner_all);
    NeuesDokument();
    m_doc->WaitForWriter();
    EXPECT_FALSE(m_doc->HatWartendeSaetze());
    EXPECT_EQ(Zahl("select count(*) from Satzspeicher where Satz = 'Kino '"), 1);
    EXPECT_TRUE(fs::is_empty(zustand.Pfad() / "sagwerk"));
    if (bisher != nullptr) {
        ::setenv("XDG_STATE_HOME", alt.c_str(), 1);
    } else {
        ::unsetenv("XDG_STATE_HOME");
    }
}

namespace {

// Sets an environment variable (or removes it, for nullptr) for a scope.
class CUmgebung {
public:
    CUmgebung(const char* name, const char* wert) : m_name(name) {
        const char* bisher = std::getenv(name);
        if (bisher != nullptr) m_alt = bisher;
        m_bHatte = bisher != nullptr;
        if (wert != nullptr) {
            ::setenv(name, wert, 1);
        } else {
            ::unsetenv(name);
        }
    }
    ~CUmgebung() {
        if (m_bHatte) {
            ::setenv(m_name.c_str(), m_alt.c_str(), 1);
        } else {
            ::unsetenv(m_name.c_str());
        }
    }
    CUmgebung(const CUmgebung&) = delete;
    CUmgebung& operator=(const CUmgebung&) = delete;

private:
    std::string m_name;
    std::string m_alt;
    bool m_bHatte = false;
};

}  // namespace

// Without HOME (no state folder) a write-protected folder's sentences go to
// the runtime folder; where no place at all takes them, the notice does not
// promise they are kept.
TEST_F(DocTest, SentencesFindAPlaceWithoutHomeAndTheNoticeTellsTheTruthWhenNoneIs) {
    CTempVerzeichnis lauf;
    {
        const CUmgebung ohneHome("HOME", nullptr);
        const CUmgebung ohneState("XDG_STATE_HOME", nullptr);
        const CUmgebung runtime("XDG_RUNTIME_DIR", lauf.Pfad().c_str());
        m_doc.reset();
        fs::permissions(m_dir.Pfad(), fs::perms::owner_read | fs::perms::owner_exec);
        m_dialoge.Vergessen();
        NeuesDokument();
        m_doc->ElementClicked(kKino);
        m_doc->Speak();
        m_doc.reset();
        EXPECT_FALSE(fs::is_empty(lauf.Pfad() / "sagwerk"));
        fs::permissions(m_dir.Pfad(), fs::perms::owner_all);
        NeuesDokument();
        m_doc->WaitForWriter();
        EXPECT_FALSE(m_doc->HatWartendeSaetze());
        EXPECT_EQ(Zahl("select count(*) from Satzspeicher where Satz = 'Kino '"), 1);
        EXPECT_TRUE(fs::is_empty(lauf.Pfad() / "sagwerk"));
    }
    {
        // No state, no runtime folder, no temporary folder.
        const CUmgebung ohneHome("HOME", nullptr);
        const CUmgebung ohneState("XDG_STATE_HOME", nullptr);
        const CUmgebung ohneRuntime("XDG_RUNTIME_DIR", nullptr);
        const CUmgebung ohneTemp("TMPDIR", "/dev/null/nirgends");
        m_doc.reset();
        fs::permissions(m_dir.Pfad(), fs::perms::owner_read | fs::perms::owner_exec);
        m_dialoge.Vergessen();
        NeuesDokument();
        m_doc->ElementClicked(kHaus);
        m_doc->Speak();
        m_doc->WaitForWriter();
        EXPECT_EQ(m_log.size(), 1u);  // heard all the same
        EXPECT_TRUE(m_dialoge.fehler.empty() && m_dialoge.meldungen.empty());
        const bool ehrlich = std::any_of(
            m_dialoge.hinweise.begin(), m_dialoge.hinweise.end(), [](const std::string& h) {
                return h.find("nirgends gespeichert") != std::string::npos;
            });
        EXPECT_TRUE(ehrlich);
        for (const std::string& h : m_dialoge.hinweise) {
            EXPECT_EQ(h.find("gehen nicht verloren"), std::string::npos) << h;
        }
        m_doc.reset();
        fs::permissions(m_dir.Pfad(), fs::perms::owner_all);
    }
}

// A file another program holds at the start is held, not damaged: what is
// said meanwhile waits, and the user opens once the file is free.
TEST_F(DocTest, AFileHeldAtTheStartOpensOnceFreeAndKeepsWhatWasSaidMeanwhile) {
    std::string fehler;
    ASSERT_TRUE(CSicherung(m_pfad).Anlegen("2026-12-08", fehler)) << fehler;
    m_doc.reset();
    auto sperre = Roh();
    sperre.exec("BEGIN EXCLUSIVE");
    m_log.clear();
    m_dialoge.Vergessen();
    CSagwerkDoc doc(m_dialoge, m_uhr, std::make_unique<CAufnahmeEngine>(m_log));
    CDatenbank::Optionen optionen;
    optionen.wartezeitMs = 100;
    doc.SetDatenbankOptionen(optionen);
    EXPECT_FALSE(doc.OpenUser(m_pfad));
    EXPECT_TRUE(doc.WartetAufDatei());
    EXPECT_TRUE(m_dialoge.fehler.empty() && m_dialoge.meldungen.empty());
    ASSERT_EQ(m_dialoge.hinweise.size(), 1u);
    EXPECT_NE(m_dialoge.hinweise[0].find("anderen Programm benutzt"), std::string::npos);
    doc.FunctionCode(92);
    for (char c : std::string("Hallo ")) doc.KeyTyped(static_cast<char32_t>(c));
    doc.Speak();
    EXPECT_EQ(m_log.size(), 1u);
    EXPECT_FALSE(doc.Nachholen());
    EXPECT_TRUE(doc.HatWartendeSaetze());

    sperre.exec("ROLLBACK");
    doc.Nachholen();
    EXPECT_FALSE(doc.WartetAufDatei());
    ASSERT_NE(doc.GetDatabase(), nullptr);
    EXPECT_EQ(doc.GetElementCount(), 5);
    // The notice that it was held is answered.
    EXPECT_NE(m_dialoge.hinweise.back().find("jetzt frei und geöffnet"), std::string::npos);
    doc.WaitForWriter();
    EXPECT_FALSE(doc.HatWartendeSaetze());
    EXPECT_EQ(Zahl("select count(*) from Satzspeicher where Satz = 'Hallo '"), 1);
    for (const std::string& h : m_dialoge.hinweise) {
        EXPECT_EQ(h.find("beschädigt"), std::string::npos) << h;
    }
}

// A user table too damaged to read, and no backup: said in a notice, the
// program stays (it does not end without a word), and what is said waits.
TEST_F(DocTest, AFileWhoseUserCannotBeReadIsSaidAndWhatIsSaidWaits) {
    m_doc.reset();
    IndexSeiteZerstoeren(m_pfad, "Benutzer");
    m_dialoge.Vergessen();
    m_log.clear();
    CSagwerkDoc doc(m_dialoge, m_uhr, std::make_unique<CAufnahmeEngine>(m_log));
    EXPECT_FALSE(doc.OpenUser(m_pfad));
    EXPECT_TRUE(doc.IstDateiBeschaedigt());
    for (const auto& f : m_dialoge.fehler) ADD_FAILURE() << f;
    EXPECT_TRUE(m_dialoge.meldungen.empty());
    ASSERT_FALSE(m_dialoge.hinweise.empty());
    EXPECT_NE(m_dialoge.hinweise[0].find("beschädigt"), std::string::npos);
    doc.FunctionCode(92);
    for (char c : std::string("Hilfe ")) doc.KeyTyped(static_cast<char32_t>(c));
    doc.Speak();
    EXPECT_EQ(m_log.size(), 1u);
    EXPECT_TRUE(doc.HatWartendeSaetze());
}
