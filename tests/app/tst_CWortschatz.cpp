#include <QTest>
#include <filesystem>
#include <map>
#include <sstream>

#include "BenutzerAnlegen.h"
#include "CDatenbank.h"
#include "CTempVerzeichnis.h"
#include "CTestDialoge.h"
#include "CTestUhr.h"
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
    void fehlerNennenDieZeile();
    void schreibtLinksVerbenUndKnoepfe();
};

void tst_CWortschatz::grundwortschatzIstVollstaendig() {
    CWortschatz w;
    std::string fehler;
    QVERIFY2(w.LesenDatei(SAGWERK_RES_DIR "/wortschatz.txt", fehler), fehler.c_str());
    QCOMPARE(w.AnzahlVerben(), 28);
    QVERIFY(w.AnzahlWoerter() >= 140);
    QCOMPARE(w.GetSeiten().front().name, std::string("HOME"));
    QVERIFY(w.GetSeiten().front().eintraege.size() >= 10);
    QCOMPARE(int(w.GetFunktionen().size()), 16);
    QVERIFY(!w.GetEmotionen().empty());
    for (const auto& s : w.GetSeiten()) {
        // Every page fits on the first page of a 6 x 4 grid, and everything has a picture.
        QVERIFY2(s.eintraege.size() <= 22 || s.name == "Tun", s.name.c_str());
        for (const auto& e : s.eintraege) QVERIFY2(!e.bild.empty(), e.text.c_str());
    }
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
    QCOMPARE(db.GetFTastenCount(), std::size_t(16));
    CEmotionsButton em;
    QVERIFY(db.FirstEButton(em));
    QCOMPARE(db.GetEButtonCount(), std::size_t(1));
    QCOMPARE(em.GetText(), std::string("Ja."));
    QVERIFY(dialoge.fehler.empty());
}

QTEST_MAIN(tst_CWortschatz)
#include "tst_CWortschatz.moc"
