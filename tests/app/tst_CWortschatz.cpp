#include <QApplication>
#include <QTest>
#include <filesystem>
#include <map>
#include <set>
#include <sstream>

#include "BenutzerAnlegen.h"
#include "CBildButton.h"
#include "CButtonsView.h"
#include "CDatenbank.h"
#include "CMainFrame.h"
#include "CSagwerkDoc.h"
#include "CSagwerkView.h"
#include "CTempVerzeichnis.h"
#include "CTestBenutzer.h"
#include "CTestDialoge.h"
#include "CTestEditorDialoge.h"
#include "CTestUhr.h"
#include "CVerbformen.h"
#include "CWortschatz.h"

namespace {
bool Lesen(CWortschatz& w, const std::string& text, std::string& fehler) {
    std::istringstream ein(text);
    return w.Lesen(ein, fehler);
}
}  // namespace

class tst_CWortschatz : public QObject {
    Q_OBJECT
private slots:
    void grundwortschatzIstVollstaendig();
    void jedesBildGehoertZuEinemWortUndIstDa();
    void kernwoerterZuerstUndDieWoerterEinerErstenWoche();
    void jedesVerbHatDieFormenDesVerbfuellers();
    void beschriftungenPassenAufEinenKnopfVon60Pixeln();
    void fehlerNennenDieZeile();
    void schreibtLinksVerbenUndKnoepfe();
    void kategorieAusDemGrundwortschatzUebernehmen();
    void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }
};

void tst_CWortschatz::grundwortschatzIstVollstaendig() {
    CWortschatz w;
    std::string fehler;
    QVERIFY2(w.LesenDatei(SAGWERK_RES_DIR "/wortschatz.txt", fehler), fehler.c_str());
    QVERIFY(w.AnzahlVerben() >= 28 + 40);
    QVERIFY(w.AnzahlWoerter() >= 161 + 300);
    QCOMPARE(w.GetSeiten().front().name, std::string("HOME"));
    QVERIFY(w.GetSeiten().front().eintraege.size() >= 10);
    QCOMPARE(int(w.GetFunktionen().size()), 16);
    QVERIFY(!w.GetEmotionen().empty());
    int mitBild = 0, themen = 0;
    for (const auto& s : w.GetSeiten()) {
        if (s.name == "HOME" || s.name == "Kernwörter") continue;
        // A topic page takes at most three pages of a 6 x 4 grid (21 + 20 +
        // 20), and nearly every topic word has a picture (none where none
        // would fit).
        QVERIFY2(s.eintraege.size() <= 61, s.name.c_str());
        for (const auto& e : s.eintraege) {
            ++themen;
            mitBild += !e.bild.empty();
        }
    }
    QVERIFY2(mitBild * 2 >= themen,
             (std::to_string(mitBild) + " / " + std::to_string(themen)).c_str());
}

void tst_CWortschatz::kernwoerterZuerstUndDieWoerterEinerErstenWoche() {
    CWortschatz w;
    std::string fehler;
    QVERIFY2(w.LesenDatei(SAGWERK_RES_DIR "/wortschatz.txt", fehler), fehler.c_str());
    const auto& seiten = w.GetSeiten();
    // The start page leads to the core words first and shows the most
    // frequent of them itself, all on the first page of a 6 x 4 grid.
    const auto& home = seiten.front().eintraege;
    QVERIFY(home.size() <= 22);
    QCOMPARE(int(home.front().art), int(CWortschatz::CEintrag::Link));
    QCOMPARE(home.front().text, std::string("Kernwörter"));
    const CWortschatz::CSeite* kern = nullptr;
    for (const auto& s : seiten) kern = s.name == "Kernwörter" ? &s : kern;
    QVERIFY(kern != nullptr);
    QVERIFY(kern->eintraege.size() >= 100 && kern->eintraege.size() <= 150);
    std::set<std::string> kernwoerter;
    for (const auto& e : kern->eintraege) kernwoerter.insert(e.text);
    for (const char* muss :
         {"ja",      "nein",   "bitte",  "danke", "nicht", "und",  "mit",   "was",   "wo",
          "mir",     "mich",   "der",    "die",   "das",   "ein",  "sein",  "haben", "können",
          "möchten", "wollen", "müssen", "auch",  "noch",  "mehr", "fertig"})
        QVERIFY2(kernwoerter.count(muss), muss);
    for (const auto& e : home)
        if (e.art == CWortschatz::CEintrag::Wort)
            QVERIFY2(kernwoerter.count(e.text), e.text.c_str());
    // The question words stand together on the first two pages of the core
    // page on 6 x 4 (21 + 20 places), and "ich möchte" starts on the start page.
    std::set<std::string> vorn;
    for (std::size_t i = 0; i < kern->eintraege.size() && i < 41; ++i)
        vorn.insert(kern->eintraege[i].text);
    for (const char* frage : {"was", "wie", "wo", "wer", "wann", "warum"})
        QVERIFY2(vorn.count(frage), frage);
    bool moechten = false;
    for (const auto& e : home)
        moechten = moechten || (e.art == CWortschatz::CEintrag::Verb && e.text == "möchten");
    QVERIFY(moechten);
    // The topics of a first week each have a page.
    std::set<std::string> namen;
    for (const auto& s : seiten) namen.insert(s.name);
    for (const char* thema : {"Essen", "Trinken", "Körper", "Gefühle", "Menschen", "Orte",
                              "Kleidung", "Zeit", "Freizeit", "Lernen", "Pflege", "Medizin"})
        QVERIFY2(namen.count(thema), thema);
}

void tst_CWortschatz::jedesVerbHatDieFormenDesVerbfuellers() {
    CWortschatz w;
    CVerbformen formen;
    std::string fehler;
    QVERIFY2(w.LesenDatei(SAGWERK_RES_DIR "/wortschatz.txt", fehler), fehler.c_str());
    QVERIFY2(formen.Laden(SAGWERK_RES_DIR "/verben.txt", fehler), fehler.c_str());
    // Each verb has the forms the verb page proposes, with the auxiliary
    // the verb's meaning needs (ausziehen: the clothes, with haben).
    using H = CVerbformen::Hilfsverb;
    for (const auto& s : w.GetSeiten()) {
        for (const auto& e : s.eintraege) {
            if (e.art != CWortschatz::CEintrag::Verb) continue;
            bool gleich = false;
            for (H h : {H::Automatisch, H::Haben, H::Sein}) {
                const auto v = formen.Vorschlagen(e.text, h);
                gleich = gleich || (v && std::vector<std::string>(v->formen.begin(),
                                                                  v->formen.end()) == e.formen);
            }
            QVERIFY2(gleich, e.text.c_str());
        }
    }
}

void tst_CWortschatz::beschriftungenPassenAufEinenKnopfVon60Pixeln() {
    CWortschatz w;
    std::string fehler;
    QVERIFY2(w.LesenDatei(SAGWERK_RES_DIR "/wortschatz.txt", fehler), fehler.c_str());
    // As the grid draws them (CButtonsView::kMindestSchrift): letters shrink
    // down to 10 pixels, and a caption that still does not fit goes on two
    // lines, a long word hyphenated, before any letter is cut off. Every
    // caption is whole on a button 60 pixels wide.
    QStringList zuLang, getrennt;
    for (const auto& s : w.GetSeiten()) {
        for (const auto& e : s.eintraege) {
            CBildButton knopf;
            knopf.SetMindestSchrift(CButtonsView::kMindestSchrift);
            knopf.resize(60, 60);
            knopf.SetCaption(e.anzeige);
            const QString gezeigt = knopf.GetCaption();
            if (gezeigt.contains(QLatin1String("-\n"))) getrennt << gezeigt;
            // Two lines give up a blank or a hyphen of their own, nothing else.
            if (QString(gezeigt)
                    .remove(QLatin1String("-\n"))
                    .remove(QLatin1Char('\n'))
                    .remove(QLatin1Char(' ')) !=
                QString::fromStdString(e.text).remove(QLatin1Char(' ')))
                zuLang << gezeigt;
        }
    }
    QVERIFY2(zuLang.isEmpty(), qPrintable(zuLang.join(QStringLiteral(", "))));
    // Compounds break where their parts meet; the syllable rule alone would
    // give "Mitta-gessen".
    QVERIFY2(getrennt.contains(QStringLiteral("Mittag-\nessen")),
             qPrintable(getrennt.join(QStringLiteral(", "))));
    QVERIFY(getrennt.contains(QStringLiteral("Kranken-\nhaus")));
}

void tst_CWortschatz::jedesBildGehoertZuEinemWortUndIstDa() {
    CWortschatz w;
    std::string fehler;
    QVERIFY2(w.LesenDatei(SAGWERK_RES_DIR "/wortschatz.txt", fehler), fehler.c_str());
    // A picture means one thing: a category and the link to it share one,
    // nothing else does.
    std::map<std::string, std::string> bedeutung;
    const auto pruefen = [&](const std::string& code, const std::string& was) {
        QVERIFY2(std::filesystem::exists(SAGWERK_RES_DIR "/openmoji/" + code + ".svg"),
                 code.c_str());
        const auto [it, neu] = bedeutung.emplace(code, was);
        QVERIFY2(neu || it->second == was, (code + ": " + it->second + " / " + was).c_str());
    };
    for (const auto& s : w.GetSeiten()) {
        pruefen(s.bild, "Kategorie " + s.name);
        for (const auto& e : s.eintraege) {
            // A word without a picture is shown by its caption alone.
            if (e.bild.empty() && e.art != CWortschatz::CEintrag::Link) continue;
            pruefen(e.bild, (e.art == CWortschatz::CEintrag::Link ? "Kategorie " : "") + e.text);
        }
    }
    for (const auto& f : w.GetFunktionen()) pruefen(f.bild, "Funktion " + f.anzeige);
    for (const auto& e : w.GetEmotionen()) pruefen(e.bild, "Emotion " + e.anzeige);
}

void tst_CWortschatz::fehlerNennenDieZeile() {
    CWortschatz w;
    std::string fehler;
    QVERIFY(!Lesen(w, "wort Apfel | 1F34E\n", fehler));
    QVERIFY(fehler.find("Zeile 1") != std::string::npos);
    QVERIFY(!Lesen(w, "kategorie A\nverb sein\n  gegenwart bin | bist\n", fehler));
    QVERIFY(fehler.find("Zeile 3") != std::string::npos);
    QVERIFY(!Lesen(w, "kategorie A\nverb sein\n", fehler));  // forms missing
    QVERIFY(!Lesen(w, "kategorie A\nlink B\n", fehler));     // unknown target
    QVERIFY(!Lesen(w, "kategorie A\nquatsch\n", fehler));
    QVERIFY(!Lesen(w, "funktion x | a | b | c\n", fehler));
    // A failed read keeps nothing.
    QVERIFY(w.GetSeiten().empty());
}

void tst_CWortschatz::schreibtLinksVerbenUndKnoepfe() {
    const std::string text =
        "kategorie HOME | 1F3E0\n"
        "link Essen | 1F37D\n"
        "kategorie Essen | 1F37D\n"
        "wort Joghurt | 1F963 | Jogurt\n"
        "wort Mittag~essen\n"
        "verb sein | 1F7F0\n"
        "  gegenwart bin | bist | ist | sind | seid | sind\n"
        "  vergangenheit war | warst | war | waren | wart | waren\n"
        "  zukunft werde sein | wirst sein | wird sein | werden sein | werdet sein | werden sein\n"
        "funktion 1 | ich | Ich | 1F64B\n"
        "emotion Ja. | Ja | 1F44D\n";
    CWortschatz w;
    std::string fehler;
    QVERIFY(Lesen(w, text, fehler));
    CTempVerzeichnis dir;
    CTestDialoge dialoge;
    CTestUhr uhr;
    QVERIFY(CreateUserDatabase(dir.Datei("A.mdb"), "A", "", fehler));
    CDatenbank db(dir.Datei("A.mdb"), dialoge, uhr);
    QVERIFY(w.Schreiben(db));

    CWortButton b;
    QVERIFY(db.FirstWortButton(b, 1));
    QVERIFY(b.IsLink());
    QCOMPARE(b.GetText(), std::string("Essen"));
    QCOMPARE(b.GetBild(), std::string("icons\\openmoji\\1F37D.svg"));
    const long essen = b.GetKategorie();
    QVERIFY(db.FirstWortButton(b, essen));
    CWortelement e;
    QVERIFY(db.LoadWortelement(e, b.GetIndex(), true));
    QCOMPARE(e.GetForm(0), std::string("Joghurt"));
    QCOMPARE(e.GetPhonetisch(), std::string("Jogurt"));
    // The caption may be hyphenated where the "~" stood; the word has no mark.
    QVERIFY(db.NextWortButton(b));
    QVERIFY(db.LoadWortelement(e, b.GetIndex(), true));
    QCOMPARE(e.GetForm(0), std::string("Mittagessen"));
    QCOMPARE(e.GetAnzeigetext(), std::string("Mittag\u00ADessen"));
    QVERIFY(db.NextWortButton(b));
    QVERIFY(db.LoadWortelement(e, b.GetIndex(), true));
    QCOMPARE(e.GetArt(), long(CWortelement::Verb));
    using Z = CWortelement::Zeit;
    using N = CWortelement::Zahl;
    QCOMPARE(e.GetForm(CWortelement::Slot(Z::Vergangenheit, N::Mehrzahl, 2)), std::string("wart"));
    QCOMPARE(e.GetForm(CWortelement::Slot(Z::Zukunft, N::Einzahl, 1)), std::string("werde sein"));

    CFunktionsTaste t;
    QVERIFY(db.FirstFTaste(t));
    QCOMPARE(t.GetBild(), std::string("icons\\openmoji\\1F64B.svg"));
    QCOMPARE(db.GetFTastenCount(), std::size_t(20));  // with the article and case latches
    CEmotionsButton em;
    QVERIFY(db.FirstEButton(em));
    QCOMPARE(db.GetEButtonCount(), std::size_t(1));
    QCOMPARE(em.GetText(), std::string("Ja."));
    QVERIFY(dialoge.fehler.empty());
}

namespace {
// Every category with the captions of its elements, in Pos order.
std::map<std::string, std::vector<std::string>> Inhalt(const std::string& datei) {
    CTestDialoge dialoge;
    CTestUhr uhr;
    CDatenbank db(datei, dialoge, uhr);
    std::map<std::string, std::vector<std::string>> inhalt;
    std::vector<CKategorie> kategorien;
    CKategorie k;
    for (bool da = db.FirstKategorie(k); da; da = db.NextKategorie(k)) kategorien.push_back(k);
    for (const auto& kat : kategorien) {
        auto& liste = inhalt[kat.GetName()];
        CWortButton b;
        for (bool da = db.FirstWortButton(b, kat.GetIndex()); da; da = db.NextWortButton(b))
            liste.push_back(b.GetText());
    }
    return inhalt;
}
}  // namespace

void tst_CWortschatz::kategorieAusDemGrundwortschatzUebernehmen() {
    CTestBenutzer benutzer;
    const auto vorher = Inhalt(benutzer.Datei());
    std::vector<std::string> gesprochen;
    CSagwerkDoc doc(benutzer.m_dialoge, benutzer.m_uhr, std::make_unique<CTestEngine>(gesprochen));
    CMainFrame frame(doc, QRect(0, 0, 1024, 768));
    CTestEditorDialoge editorDialoge;
    frame.SetEditorDialoge(&editorDialoge);
    QVERIFY(doc.OpenUser(benutzer.Datei()));
    frame.Zeigen(QRect(0, 0, 1024, 768));
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    frame.GetCommView()->OnInitialUpdate();

    // The carer's command only: nothing is asked outside the editor.
    QAction* befehl = frame.GetGrundwortschatzAction();
    QCOMPARE(befehl->text(), QStringLiteral("Kategorie aus dem &Grundwortschatz \u2026"));
    QVERIFY(!befehl->isEnabled());
    frame.OnKategorieAusGrundwortschatz();
    QVERIFY(editorDialoge.kategorien.isEmpty());
    editorDialoge.passwort = QString();
    frame.GetEditorAction()->trigger();
    QVERIFY(frame.IsEditor());
    QVERIFY(befehl->isEnabled());

    // Cancelled: the pages were offered, nothing changes.
    befehl->trigger();
    QVERIFY(editorDialoge.kategorien.contains(QStringLiteral("Kernwörter")));
    QVERIFY(editorDialoge.kategorien.contains(QStringLiteral("Trinken")));
    QVERIFY(!editorDialoge.kategorien.contains(QStringLiteral("HOME")));
    QCOMPARE(Inhalt(benutzer.Datei()), vorher);

    // "Trinken", twice: the second one is "Trinken 2", both linked from the
    // start page; every other category stays as it was.
    editorDialoge.kategorie = static_cast<int>(editorDialoge.kategorien.indexOf("Trinken"));
    befehl->trigger();
    befehl->trigger();
    QVERIFY(benutzer.m_dialoge.fehler.empty());
    QCOMPARE(benutzer.m_dialoge.hinweise.size(), std::size_t(2));
    QVERIFY2(benutzer.m_dialoge.hinweise[0].find(
                 "Die Kategorie \u201ETrinken\u201C ist aus dem Grundwortschatz "
                 "übernommen: 20 Einträge") == 0,
             benutzer.m_dialoge.hinweise[0].c_str());
    frame.GetEditorAction()->trigger();
    QVERIFY(!frame.IsEditor());
    auto nachher = Inhalt(benutzer.Datei());
    QCOMPARE(nachher["Trinken"].size(), std::size_t(20));
    QCOMPARE(nachher["Trinken"].front(), std::string("Wasser"));
    QCOMPARE(nachher["Trinken 2"], nachher["Trinken"]);
    auto home = nachher["HOME"];
    QCOMPARE(home.back(), std::string("Trinken 2"));
    home.pop_back();
    QCOMPARE(home.back(), std::string("Trinken"));
    home.pop_back();
    nachher["HOME"] = home;
    nachher.erase("Trinken");
    nachher.erase("Trinken 2");
    QCOMPARE(nachher, vorher);
    // The pictures came along into the user's folder.
    QVERIFY(std::filesystem::exists(benutzer.Verzeichnis().Datei("icons/openmoji/1F375.svg")));
}

QTEST_MAIN(tst_CWortschatz)
#include "tst_CWortschatz.moc"
