#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <fstream>
#include <memory>

#include "BenutzerAnlegen.h"
#include "CDatenbank.h"
#include "CTempVerzeichnis.h"
#include "CTestDialoge.h"
#include "CTestUhr.h"
#include "CVorhersage.h"
#include "CWortelement.h"
#include "CVorhersageLader.h"
#include "CWortliste.h"

namespace {

// A small lexicon in the file format scripts/wortliste writes.
std::shared_ptr<CWortliste> Lexikon(const CTempVerzeichnis& tmp) {
    const std::string pfad = tmp.Datei("woerter.txt");
    std::ofstream(pfad) << "# Sagwerk-Wortliste 1\n# Test\n=rang\nzu\nich\nZug\nToilette\n"
                           "möchte\n=rest\n0Straße\n0Zucker\n0zum\n0zusammen\n=ende 9\n";
    auto w = std::make_shared<CWortliste>();
    std::string fehler;
    EXPECT_TRUE(w->Laden(pfad, fehler)) << fehler;
    return w;
}

std::vector<std::string> V(std::initializer_list<const char*> l) { return {l.begin(), l.end()}; }

// A word element of the vocabulary, as the model takes it.
CVorhersage::CElement Wort(long element, const char* wort, long kategorie = 0) {
    CVorhersage::CElement e;
    e.element = element;
    e.anzeige = e.wort = wort;
    e.kategorie = kategorie;
    return e;
}

class Vorhersage : public ::testing::Test {
protected:
    CTempVerzeichnis tmp;
    CVorhersage m;
    void SetUp() override { m.SetWortliste(Lexikon(tmp)); }
};

}  // namespace

TEST_F(Vorhersage, ZaehltWoerterPaareUndTripelMitSatzanfang) {
    m.Lernen("Ich habe Durst. Ich habe Hunger ");
    const CNGramme& z = m.Zaehler();
    const auto ich = z.Finden("ich"), habe = z.Finden("habe"), durst = z.Finden("durst");
    const auto e = CVorhersage::kEinheit;
    EXPECT_EQ(z.Einzeln(CNGramme::kAnfang), 2 * e);  // two sentence starts
    EXPECT_EQ(z.Einzeln(ich), 2 * e);
    EXPECT_EQ(z.Paar(CNGramme::kAnfang, ich), 2 * e);
    EXPECT_EQ(z.Tripel(CNGramme::kAnfang, ich, habe), 2 * e);
    EXPECT_EQ(z.Tripel(ich, habe, durst), e);
    EXPECT_EQ(z.Paar(durst, ich), 0u);  // the full stop ends the sentence
    EXPECT_EQ(z.Schreibung(durst), "Durst");
}

TEST_F(Vorhersage, StupidBackoffTripelVorPaarVorEinzelwort) {
    for (int i = 0; i < 3; ++i) m.Lernen("wir trinken Tee");
    m.Lernen("ich trinke Saft");
    m.Lernen("ich trinke Wasser");
    m.Lernen("ich trinke Wasser");
    m.Lernen("du trinkst Saft");
    m.Lernen("er trinke Kakao");  // only the pair (trinke, Kakao) applies after "ich trinke"
    EXPECT_EQ(m.Vorschlagen("ich trinke ", 3), V({"Wasser", "Saft", "Kakao"}));
    // Unknown last word: no context; the words said, more often first.
    EXPECT_EQ(m.Vorschlagen("Blub ", 2), V({"trinke", "wir"}));
}

TEST_F(Vorhersage, ErgaenztMitRichtigerGrossschreibung) {
    // Ranked forms first, then the others, shorter first.
    EXPECT_EQ(m.Vorschlagen("zu"), V({"zu", "Zug", "zum", "Zucker", "zusammen"}));
    EXPECT_EQ(m.Vorschlagen("toi"), V({"Toilette"}));
    // A capital typed: the word's first letter is a capital; inside the
    // sentence the nouns first.
    EXPECT_EQ(m.Vorschlagen("Zu"), V({"Zu", "Zug", "Zum", "Zucker", "Zusammen"}));
    EXPECT_EQ(m.Vorschlagen("der Zu"), V({"Zug", "Zucker", "Zu", "Zum", "Zusammen"}));
    m.Lernen("ich fahre mit dem zug");
    EXPECT_EQ(m.Vorschlagen("mit dem z", 1), V({"Zug"}));  // the lexicon knows the capital
}

TEST_F(Vorhersage, UmlauteUndEszett) {
    m.Lernen("ich bin müde");
    m.Lernen("das ist schön");
    EXPECT_EQ(m.Vorschlagen("ich bin mu", 1), V({"müde"}));
    EXPECT_EQ(m.Vorschlagen("ich bin MÜ", 1), V({"Müde"}));
    EXPECT_EQ(m.Vorschlagen("scho"), V({"schön"}));
    EXPECT_EQ(m.Vorschlagen("mö"), V({"möchte"}));
    EXPECT_EQ(m.Vorschlagen("mo"), V({"möchte"}));
    EXPECT_EQ(m.Vorschlagen("stras"), V({"Straße"}));
    EXPECT_EQ(m.Vorschlagen("STRASSE"), V({"Straße"}));
}

TEST_F(Vorhersage, EigenerWortschatzVorGesagtemVorLexikon) {
    CVorhersage::CElement zucker;
    zucker.element = 7;
    zucker.anzeige = zucker.wort = "Zucker";
    m.SetWortschatz({zucker});
    m.Lernen("ich mag Zunge");
    // No context after "Blub": vocabulary, then said, then the lexicon.
    EXPECT_EQ(m.Vorschlagen("Blub zu", 3), V({"Zucker", "Zunge", "zu"}));
}

TEST_F(Vorhersage, VergessenNimmtNurDenSatzWeg) {
    m.Lernen("ich mag Zitronen");
    m.Lernen("ich mag Zimt", 2);
    m.Vergessen("ich mag Zitronen");
    EXPECT_EQ(m.Vorschlagen("ich mag ", 1), V({"Zimt"}));
    EXPECT_EQ(m.Zaehler().Einzeln(m.Zaehler().Finden("zitronen")), 0u);
    for (const auto& w : m.Vorschlagen("ich mag zi", 6)) EXPECT_NE(w, "Zitronen");
    m.Vergessen("ich mag Zimt", 2);
    EXPECT_EQ(m.Zaehler().Paar(m.Zaehler().Finden("ich"), m.Zaehler().Finden("mag")), 0u);
}

TEST_F(Vorhersage, GrenzenLangerTexte) {
    m.Lernen("ich möchte Tee");
    std::string text;
    while (text.size() < 200 * 1024) text += "ich möchte Tee ";
    std::string wurm(200 * 1024, 'a');
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(m.Vorschlagen(text + "ich möchte ", 1), V({"Tee"}));
    EXPECT_TRUE(m.Vorschlagen(wurm).empty());  // no word is that long
    m.Elemente(text);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(20));
}

TEST_F(Vorhersage, RasterZeileMitVerbformUndKlick) {
    CVorhersage::CElement moechten, wasser;
    moechten.element = 3;
    moechten.verb = true;
    moechten.anzeige = moechten.wort = "möchten";
    moechten.formen[0] = "möchte";
    moechten.formen[6] = "werde wollen";
    wasser.element = 5;
    wasser.anzeige = wasser.wort = "Wasser";
    m.SetWortschatz({wasser, moechten});
    m.Lernen("ich möchte Wasser");
    const int ichForm = CVorhersage::VerbformNachPerson("ich ");
    EXPECT_EQ(ichForm, 0);
    const auto nachIch = m.Elemente("ich ", ichForm, 1);
    ASSERT_EQ(nachIch.size(), 1u);
    EXPECT_EQ(nachIch[0].element, 3);
    EXPECT_EQ(nachIch[0].wort, "möchte");
    const auto danach = m.Elemente("ich möchte ", -1, 1);
    ASSERT_EQ(danach.size(), 1u);
    EXPECT_EQ(danach[0].anzeige, "Wasser");
}

// A word never said after the last word takes its category's share: after
// "mein Kopf" another body part comes before a noun said more often elsewhere.
TEST_F(Vorhersage, RasterZeileNachKategorie) {
    m.SetWortschatz({Wort(1, "Kopf", 4), Wort(2, "Bauch", 4), Wort(3, "Kaffee", 5)});
    m.Lernen("mein Kopf tut weh");
    m.Lernen("ich möchte Kaffee", 3);
    const auto reihe = m.Elemente("mein ", -1, 3);
    ASSERT_EQ(reihe.size(), 3u);
    EXPECT_EQ(reihe[0].anzeige, "Kopf");
    EXPECT_EQ(reihe[1].anzeige, "Bauch");
    // Without the context the more often said noun leads.
    EXPECT_EQ(m.Elemente("ja ", -1, 1).at(0).anzeige, "Kaffee");
}

// One button per word, and none for what the grid shows: the start page's
// "das" and the core page's "das" are one word, and a word on the page
// needs no second button.
TEST_F(Vorhersage, RasterZeileOhneDoppelteUndSichtbare) {
    m.SetWortschatz({Wort(1, "das"), Wort(2, "das"), Wort(3, "ist"), Wort(4, "gut")});
    m.Lernen("das ist gut", 3);
    std::vector<std::string> reihe;
    for (const auto& e : m.Elemente("", -1, 6)) reihe.push_back(e.anzeige);
    EXPECT_EQ(reihe, V({"das", "ist", "gut"}));
    reihe.clear();
    for (const auto& e : m.Elemente("", -1, 6, {2, 4})) reihe.push_back(e.anzeige);
    EXPECT_EQ(reihe, V({"ist"}));
}

// A new user: nothing learned, yet after a person word and after a modal the
// row offers the user's verbs, in the form the click takes, before common
// small words; the keyboard's completions stay as they were.
TEST_F(Vorhersage, NeuerBenutzerBekommtVerbenNachPersonUndModal) {
    auto Verb = [](long i, const char* inf, const char* ich) {
        CVorhersage::CElement e;
        e.element = i;
        e.verb = true;
        e.anzeige = e.wort = inf;
        e.formen[0] = ich;
        return e;
    };
    m.SetWortschatz({Wort(1, "zu"), Wort(2, "Zug"), Wort(3, "ich"), Verb(4, "trinken", "trinke"),
                     Verb(5, "möchten", "möchte"), Verb(6, "essen", "esse")});
    const int ichForm = CVorhersage::VerbformNachPerson("ich ");
    const auto nachIch = m.Elemente("ich ", ichForm, 3);
    ASSERT_EQ(nachIch.size(), 3u);
    std::vector<std::string> woerter;
    for (const auto& e : nachIch) woerter.push_back(e.wort);
    std::sort(woerter.begin(), woerter.end());
    EXPECT_EQ(woerter, V({"esse", "möchte", "trinke"}));
    woerter.clear();
    // After a modal the infinitives, not a second modal.
    for (const auto& e : m.Elemente("ich möchte ", -1, 2)) woerter.push_back(e.wort);
    std::sort(woerter.begin(), woerter.end());
    EXPECT_EQ(woerter, V({"essen", "trinken"}));
    // Not after a verb in front of the person word, nor on the keyboard.
    EXPECT_EQ(m.Elemente("das esse ich ", -1, 1).at(0).wort, "zu");
    EXPECT_EQ(m.Vorschlagen("zu", 2), V({"zu", "Zug"}));
}

// The core page's word "möchte" and the verb "möchten" add the same word
// after "ich": the row offers the verb, which takes the person along.
TEST_F(Vorhersage, RasterZeileNimmtDasVerbVorDerVerbformAlsWort) {
    CVorhersage::CElement wort;
    wort.element = 1;
    wort.anzeige = wort.wort = "möchte";
    wort.anzahl = 5;
    CVorhersage::CElement verb;
    verb.element = 2;
    verb.verb = true;
    verb.anzeige = verb.wort = "möchten";
    verb.formen[0] = "möchte";
    m.SetWortschatz({wort, verb});
    const auto reihe = m.Elemente("ich ", CVorhersage::VerbformNachPerson("ich "), 6);
    ASSERT_EQ(reihe.size(), 1u);
    EXPECT_EQ(reihe[0].element, 2);
    EXPECT_EQ(reihe[0].wort, "möchte");
    EXPECT_TRUE(m.IstFiniteVerbform("Möchte"));
    EXPECT_FALSE(m.IstFiniteVerbform("möchten!"));
}

// A caption's soft hyphen (where its button breaks it) is never offered as
// part of the word, on the keyboard nor by a verb's click.
TEST_F(Vorhersage, WeicheTrennstellenSindKeinTeilDesWortes) {
    CWortelement::Formen formen;
    formen[0] = "Abendessen";
    CWortelement::Formen verbformen;
    verbformen[0] = "räume auf";
    m.SetWortschatz(CVorhersage::AusWortelementen(
        {CWortelement(formen, 1, 1, "", "Abend\u00ADessen", CWortelement::Wort, ""),
         CWortelement(verbformen, 2, 1, "", "auf\u00ADräumen", CWortelement::Verb, "")}));
    EXPECT_EQ(m.Vorschlagen("Abende", 6), V({"Abendessen"}));
    const auto reihe = m.Elemente("ja ", -1, 6);
    for (const auto& e : reihe) EXPECT_EQ(e.wort.find("\u00AD"), std::string::npos) << e.wort;
}

// After a noun never followed by anything, the next word is what followed
// the other nouns of its category: "mein Rücken" goes on like "mein Kopf".
TEST_F(Vorhersage, RasterZeileNachKategorieDesWortesDavor) {
    m.SetWortschatz({Wort(1, "Kopf", 4), Wort(2, "Rücken", 4), Wort(3, "tut", 1),
                     Wort(4, "ist", 1), Wort(5, "Kaffee", 5)});
    m.Lernen("mein Kopf tut weh");
    m.Lernen("der Kaffee ist heiß", 3);
    EXPECT_EQ(m.Elemente("mein Rücken ", -1, 1).at(0).anzeige, "tut");
    EXPECT_EQ(m.Elemente("der Kaffee ", -1, 1).at(0).anzeige, "ist");
}

// The lexicon's everyday sentences answer where the user said nothing yet;
// what the user said comes first, on the keyboard and in the grid's row.
TEST_F(Vorhersage, GrundsaetzeNachDemEigenen) {
    const std::string pfad = tmp.Datei("grundsaetze.txt");
    std::ofstream(pfad) << "# Kopf\nBedürfnis | ich habe Hunger\n\n  ich habe Angst  # x\n";
    std::vector<std::string> saetze;
    std::string fehler;
    ASSERT_TRUE(CWortliste::SaetzeLesen(pfad, saetze, fehler)) << fehler;
    EXPECT_EQ(saetze, V({"ich habe Hunger ", "ich habe Angst "}));
    auto lexikon = Lexikon(tmp);
    lexikon->SetSaetze({"ich habe Hunger ", "ich habe Hunger ", "ich habe Angst "});
    CVorhersage neu;
    neu.SetWortliste(lexikon);
    neu.SetWortschatz({Wort(1, "Hunger"), Wort(2, "Angst"), Wort(3, "Durst")});
    EXPECT_EQ(neu.Vorschlagen("ich habe ", 2), V({"Hunger", "Angst"}));
    EXPECT_EQ(neu.Elemente("ich habe ", -1, 1).at(0).anzeige, "Hunger");
    EXPECT_EQ(neu.Zaehler().Finden("hunger"), CNGramme::kKein);  // not the user's
    neu.Lernen("ich habe Durst");
    EXPECT_EQ(neu.Vorschlagen("ich habe ", 2), V({"Durst", "Hunger"}));
    EXPECT_EQ(neu.Elemente("ich habe ", -1, 1).at(0).anzeige, "Durst");

    EXPECT_FALSE(CWortliste::SaetzeLesen(tmp.Datei("fehlt.txt"), saetze, fehler));
    EXPECT_NE(fehler.find("fehlen"), std::string::npos) << fehler;
    std::ofstream(pfad) << std::string(500, 'a') << "\n";
    EXPECT_FALSE(CWortliste::SaetzeLesen(pfad, saetze, fehler));
    EXPECT_TRUE(saetze.empty());
    EXPECT_NE(fehler.find("beschädigt"), std::string::npos) << fehler;
}

TEST(Wortliste, FehlendOderBeschaedigtGibtMeldungUndKeineErgaenzung) {
    CTempVerzeichnis tmp;
    struct Fall {
        const char* inhalt;
        const char* meldung;
    } faelle[] = {
        {nullptr, "fehlt"},
        {"kein Kopf\n", "keine Wortliste"},
        {"# Sagwerk-Wortliste 1\n=rang\nich\n=rest\n0b\n0a\n=ende 3\n", "Ordnung"},
        {"# Sagwerk-Wortliste 1\n=rang\nich\n=rest\n0a\n", "zu früh"},
        {"# Sagwerk-Wortliste 1\n=rang\nich\n=rest\n5a\n=ende 2\n", "keine Form"},
        {"# Sagwerk-Wortliste 1\n=rang\nich\n=rest\n=ende 7\n", "Zahl"},
    };
    for (const auto& f : faelle) {
        const std::string pfad = tmp.Datei("w.txt");
        std::remove(pfad.c_str());
        if (f.inhalt) std::ofstream(pfad) << f.inhalt;
        auto w = std::make_shared<CWortliste>();
        std::string fehler;
        EXPECT_FALSE(w->Laden(pfad, fehler));
        EXPECT_NE(fehler.find(f.meldung), std::string::npos) << fehler;
        CVorhersage m;
        m.SetWortliste(w);
        m.Lernen("ich habe Durst");
        EXPECT_TRUE(m.Vorschlagen("ich h").empty());
    }
}

TEST(VorhersageLader, LerntDenSatzspeicherGewichtetUndBrichtAb) {
    CTempVerzeichnis tmp;
    CTestDialoge dialoge;
    CTestUhr uhr;
    const std::string pfad = tmp.Datei("B.mdb");
    std::string fehler;
    ASSERT_TRUE(CreateUserDatabase(pfad, "Test", "Nutzer", fehler)) << fehler;
    {
        CDatenbank db(pfad, dialoge, uhr);
        ASSERT_TRUE(db.StoreSentences({{"ich trinke Tee ", ""}, {"ich trinke Saft ", ""}}));
        ASSERT_TRUE(db.StoreSentence("ich trinke Tee ", ""));  // Anzahl 2
        CWortelement e;
        e.SetArt(CWortelement::Wort);
        e.SetKategorie(1);
        e.SetAnzeigetext("Saft");
        e.SetForm(0, "Saft");
        ASSERT_TRUE(db.SaveWortelement(e, 0));
    }
    auto lexikon = Lexikon(tmp);
    std::atomic<bool> abbrechen{false};
    auto ergebnis = CVorhersageLader::Laden(pfad, lexikon, abbrechen);
    ASSERT_TRUE(ergebnis.modell);
    EXPECT_EQ(ergebnis.fehler, "");
    EXPECT_EQ(ergebnis.bisSatznummer, 2);
    EXPECT_EQ(ergebnis.modell->Vorschlagen("ich trinke ", 2), V({"Tee", "Saft"}));
    const CNGramme& z = ergebnis.modell->Zaehler();
    // In units: the older sentence a quarter of a saying more, the newest half.
    EXPECT_EQ(z.Einzeln(z.Finden("tee")), 2 * CVorhersage::kEinheit + 2);
    EXPECT_EQ(z.Einzeln(z.Finden("saft")), CVorhersage::kEinheit + 4);
    EXPECT_EQ(ergebnis.modell->Elemente("ich trinke ", -1, 1).at(0).anzeige, "Saft");

    abbrechen = true;
    EXPECT_EQ(CVorhersageLader::Laden(pfad, lexikon, abbrechen).modell, nullptr);
    std::ofstream(tmp.Datei("kaputt.mdb")) << "kein SQLite";
    abbrechen = false;
    auto kaputt = CVorhersageLader::Laden(tmp.Datei("kaputt.mdb"), lexikon, abbrechen);
    EXPECT_NE(kaputt.fehler.find("nicht lesen"), std::string::npos) << kaputt.fehler;
}
