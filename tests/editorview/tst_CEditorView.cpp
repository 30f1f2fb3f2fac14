// The editor's sheet and pages on a real user file, driven through their
// widgets; every dialog is scripted.

#include <SQLiteCpp/SQLiteCpp.h>
#include <QComboBox>
#include <QElapsedTimer>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabBar>
#include <QTest>
#include <filesystem>
#include <memory>

#include <QCheckBox>
#include <QLabel>
#include "CBildButton.h"
#include "CEditorAufbau.h"
#include "CEditorDaten.h"
#include "CEditorView.h"
#include "CKategoriePage.h"
#include "CLinkPage.h"
#include "CSagwerkDoc.h"
#include "CTestBenutzer.h"
#include "CTestEditorDialoge.h"
#include "CVerbenPage.h"
#include "CVerbformen.h"
#include "CWortPage.h"
#include "CWortelementPage.h"
#include "CSaetzePage.h"

namespace {
const std::string kUnvollstaendig = "Der Dialog ist unvollständig ausgefüllt.";
}

class tst_CEditorView : public QObject, protected CEditorAufbau {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void ohneAktuellesElementIstNichtsZuSpeichern();
    void unvollstaendigesWortHaeltAuswahlUndReiter();
    void neuesElementOhneArtIstEinWort();
    void verbWirdZumWort();
    void verbSeiteFuelltDieFormen();
    void loeschenMachtDasErsteAktuell();
    void verschiebenAnDenEnden();
    void linkOhneKategorieWirdNichtGespeichert();
    void bildVonAnderswoWirdKopiert();
    void vorschauSprichtDenPhonetischenText();
    void kategorieSeite();
    void formenVorschlagen();
    void tausendElementeAntwortenSchnell();
    void gesagteSaetzeLoeschenNurNachJa();

private:
    QListWidget* Liste() const;
    QStringList Zeilen() const;
    void Zeile(const QString& text);
    QStringList ImFile(long kategorie) const;
};

void tst_CEditorView::init() { Aufbauen(); }

void tst_CEditorView::cleanup() { Abbauen(); }

QListWidget* tst_CEditorView::Liste() const {
    return Feld<QListWidget>(m_view->GetWortelementPage(), "elemente");
}

QStringList tst_CEditorView::Zeilen() const {
    QStringList z;
    for (int i = 0; i < Liste()->count(); ++i) z << Liste()->item(i)->text();
    return z;
}

void tst_CEditorView::Zeile(const QString& text) {
    Liste()->setCurrentRow(static_cast<int>(Zeilen().indexOf(text)));
}

QStringList tst_CEditorView::ImFile(long kategorie) const {
    SQLite::Database db(m_benutzer->Datei());
    SQLite::Statement q(db, "select Anzeigetext from Wortelement where Kategorie = ? order by Pos");
    q.bind(1, static_cast<std::int64_t>(kategorie));
    QStringList texte;
    while (q.executeStep()) texte << QString::fromStdString(q.getColumn(0).getString());
    return texte;
}

void tst_CEditorView::ohneAktuellesElementIstNichtsZuSpeichern() {
    CWortelementPage* seite = m_view->GetWortelementPage();
    QCOMPARE(m_view->GetTabBar()->count(), 7);
    QCOMPARE(m_view->GetTabBar()->tabText(0), QStringLiteral("Wortelemente"));
    QCOMPARE(m_view->GetTabBar()->tabText(4), QStringLiteral("Benutzerdaten"));
    QCOMPARE(m_view->GetTabBar()->tabText(5), QStringLiteral("Bedienung"));
    QCOMPARE(m_view->GetTabBar()->tabText(6), QStringLiteral("Gesagte Sätze"));
    QCOMPARE(Zeilen(), QStringList({"Viele", "gehen", "Kino"}));
    QCOMPARE(Feld<QComboBox>(seite, "kategorien")->currentText(), QStringLiteral("HOME"));
    QCOMPARE(Feld<QComboBox>(seite, "elementart")->currentIndex(), -1);
    QVERIFY(seite->GetSichtbar() == nullptr);
    QVERIFY(seite->Store());
    QVERIFY(m_view->CanLeave());
}

void tst_CEditorView::unvollstaendigesWortHaeltAuswahlUndReiter() {
    CWortelementPage* seite = m_view->GetWortelementPage();
    Zeile("Kino");
    QCOMPARE(seite->GetSichtbar(), seite->GetWortPage());
    QLineEdit* wort = Feld<QLineEdit>(seite->GetWortPage(), "wort");
    QLineEdit* anzeige = Feld<QLineEdit>(seite->GetWortPage(), "anzeigetext");
    QCOMPARE(wort->text(), QStringLiteral("Kino"));
    QCOMPARE(Feld<QLineEdit>(seite->GetWortPage(), "phonetisch")->text(), QStringLiteral("Ki-no"));

    // Typing marks the element and renames the preview at each key.
    QTest::keyClicks(anzeige, "s");
    QCOMPARE(seite->GetWortPage()->GetVorschau()->GetCaption(), QStringLiteral("Kinos"));
    QCOMPARE(Liste()->currentItem()->text(), QStringLiteral("Kinos"));
    QVERIFY(m_daten->GetCurrentWortelement()->GetChanged());
    wort->clear();

    // Another element, the tab and leaving are refused; the typing stays.
    Zeile("gehen");
    QCOMPARE(m_benutzer->m_dialoge.meldungen.size(), std::size_t{1});
    QCOMPARE(m_benutzer->m_dialoge.meldungen[0].text, kUnvollstaendig);
    QCOMPARE(m_benutzer->m_dialoge.meldungen[0].caption, std::string("Information"));
    QCOMPARE(Liste()->currentItem()->text(), QStringLiteral("Kino"));
    QCOMPARE(anzeige->text(), QStringLiteral("Kinos"));
    QVERIFY(!m_view->SetActivePage(CEditorView::kKategorie));
    QCOMPARE(m_view->GetTabBar()->currentIndex(), 0);
    QVERIFY(!m_view->CanLeave());
    QCOMPARE(m_benutzer->m_dialoge.meldungen.size(), std::size_t{3});

    // Complete again, the tab changes and the element is written.
    QTest::keyClicks(wort, "Kinosaal");
    QVERIFY(m_view->SetActivePage(CEditorView::kKategorie));
    QCOMPARE(ImFile(1), QStringList({"Viele", "gehen", "Kinos"}));
}

void tst_CEditorView::neuesElementOhneArtIstEinWort() {
    CWortelementPage* seite = m_view->GetWortelementPage();
    QTest::mouseClick(Feld<QPushButton>(seite, "neuesWortelement"), Qt::LeftButton);
    CWortelement* neu = m_daten->GetCurrentWortelement();
    QVERIFY(neu != nullptr);
    QCOMPARE(neu->GetArt(), long{CWortelement::Wort});
    QCOMPARE(Zeilen().last(), QStringLiteral("neu"));
    QCOMPARE(Liste()->currentRow(), 3);
    QCOMPARE(Feld<QComboBox>(seite, "elementart")->currentText(), QStringLiteral("Wort"));
    // The word is still missing: leaving is refused until it is there.
    QVERIFY(!m_view->CanLeave());
    QTest::keyClicks(Feld<QLineEdit>(seite->GetWortPage(), "wort"), "Tee");
    QVERIFY(m_view->CanLeave());
    QCOMPARE(ImFile(1), QStringList({"Viele", "gehen", "Kino", "neu"}));
}

void tst_CEditorView::verbWirdZumWort() {
    CWortelementPage* seite = m_view->GetWortelementPage();
    Zeile("gehen");
    QCOMPARE(seite->GetSichtbar(), seite->GetVerbenPage());
    QComboBox* art = Feld<QComboBox>(seite, "elementart");
    art->setCurrentIndex(0);
    emit art->activated(0);
    QCOMPARE(seite->GetSichtbar(), seite->GetWortPage());
    QCOMPARE(Feld<QLineEdit>(seite->GetWortPage(), "wort")->text(), QStringLiteral("gehe"));
    QCOMPARE(Feld<QLineEdit>(seite->GetWortPage(), "anzeigetext")->text(), QStringLiteral("gehen"));
    QCOMPARE(m_daten->GetCurrentWortelement()->GetArt(), long{CWortelement::Wort});
    QVERIFY(m_view->CanLeave());
}

void tst_CEditorView::verbSeiteFuelltDieFormen() {
    CWortelementPage* seite = m_view->GetWortelementPage();
    Zeile("gehen");
    CVerbenPage* verb = seite->GetVerbenPage();
    QCOMPARE(verb->GetForm(0, 0)->text(), QStringLiteral("gehe"));
    QCOMPARE(verb->GetForm(1, 2)->text(), QStringLiteral("ist gegangen"));
    QCOMPARE(verb->GetForm(2, 5)->text(), QStringLiteral("werden gehen"));
    QTest::keyClicks(verb->GetForm(1, 4), "x");
    QVERIFY(m_daten->GetCurrentWortelement()->GetChanged());
    verb->GetForm(0, 0)->clear();
    QVERIFY(!seite->Store());
    verb->GetForm(0, 0)->setText(QStringLiteral("gehe"));
    QVERIFY(m_view->CanLeave());
    SQLite::Database db(m_benutzer->Datei());
    QCOMPARE(
        db.execAndGet("select Ver2PersM from Wortelement where Anzeigetext = 'gehen'").getString(),
        std::string("seid gegangenx"));
}

void tst_CEditorView::loeschenMachtDasErsteAktuell() {
    CWortelementPage* seite = m_view->GetWortelementPage();
    QPushButton* loeschen = Feld<QPushButton>(seite, "wortelementLoeschen");
    Zeile("Kino");
    QTest::mouseClick(loeschen, Qt::LeftButton);
    QCOMPARE(Zeilen(), QStringList({"Viele", "gehen"}));
    QCOMPARE(Liste()->currentRow(), 0);
    QCOMPARE(m_daten->GetCurrentWortelement()->GetAnzeigetext(), std::string("Viele"));
    QCOMPARE(ImFile(1), QStringList({"Viele", "gehen"}));

    // The only element of a category.
    m_daten->SelectKategorie("Viele");
    for (int i = 0; i < 29; ++i) {
        Liste()->setCurrentRow(0);
        QTest::mouseClick(loeschen, Qt::LeftButton);
    }
    QCOMPARE(Zeilen(), QStringList({"w29"}));
    QTest::mouseClick(loeschen, Qt::LeftButton);
    QVERIFY(Zeilen().isEmpty());
    QVERIFY(m_daten->GetCurrentWortelement() == nullptr);
    QVERIFY(seite->GetSichtbar() == nullptr);
    // Each delete was asked, and nothing else was said.
    QCOMPARE(Meldungen().size(), std::size_t{31});
    QCOMPARE(Meldungen().back().text, std::string("Soll das Wortelement „w29“ gelöscht werden?"));
    QVERIFY(Meldungen().back().knoepfe == IDialoge::Knoepfe::JaNein);
}

void tst_CEditorView::verschiebenAnDenEnden() {
    CWortelementPage* seite = m_view->GetWortelementPage();
    QPushButton* up = Feld<QPushButton>(seite, "up");
    QPushButton* down = Feld<QPushButton>(seite, "down");
    Zeile("Viele");
    QTest::mouseClick(up, Qt::LeftButton);
    Zeile("Kino");
    QTest::mouseClick(down, Qt::LeftButton);
    QCOMPARE(Zeilen(), QStringList({"Viele", "gehen", "Kino"}));
    QTest::mouseClick(up, Qt::LeftButton);
    QCOMPARE(Zeilen(), QStringList({"Viele", "Kino", "gehen"}));
    QCOMPARE(Liste()->currentItem()->text(), QStringLiteral("Kino"));
    QVERIFY(m_view->CanLeave());
    QCOMPARE(ImFile(1), QStringList({"Viele", "Kino", "gehen"}));
}

void tst_CEditorView::linkOhneKategorieWirdNichtGespeichert() {
    CWortelementPage* seite = m_view->GetWortelementPage();
    Feld<QComboBox>(seite, "elementart")->setCurrentIndex(2);
    QTest::mouseClick(Feld<QPushButton>(seite, "neuesWortelement"), Qt::LeftButton);
    QCOMPARE(seite->GetSichtbar(), seite->GetLinkPage());
    QComboBox* ziel = Feld<QComboBox>(seite->GetLinkPage(), "kategorie");
    QCOMPARE(ziel->currentIndex(), -1);
    QCOMPARE(ziel->count(), 2);
    QLineEdit* anzeige = Feld<QLineEdit>(seite->GetLinkPage(), "anzeigetext");
    QCOMPARE(anzeige->text(), QStringLiteral("neu"));
    anzeige->clear();
    QTest::keyClicks(anzeige, "mehr");
    QVERIFY(!seite->Store());
    QTest::mouseClick(Feld<QPushButton>(seite, "neuesWortelement"), Qt::LeftButton);
    QCOMPARE(m_benutzer->m_dialoge.meldungen.back().text, kUnvollstaendig);

    ziel->setCurrentIndex(ziel->findText(QStringLiteral("Viele")));
    QVERIFY(m_view->CanLeave());

    CKategorie viele;
    QVERIFY(m_daten->FindKategorieByName(viele, "Viele"));
    SQLite::Database db(m_benutzer->Datei());
    QCOMPARE(
        db.execAndGet("select Geg1PersE from Wortelement where Anzeigetext = 'mehr'").getString(),
        "0" + std::to_string(viele.GetIndex()));
}

void tst_CEditorView::bildVonAnderswoWirdKopiert() {
    CTempVerzeichnis woanders;
    QImage bild(40, 40, QImage::Format_ARGB32);
    bild.fill(Qt::blue);
    const QString pfad = QString::fromStdString(woanders.Datei("Ball.png"));
    QVERIFY(bild.save(pfad));

    CWortelementPage* seite = m_view->GetWortelementPage();
    Zeile("Kino");
    // Cancelled: nothing changes.
    QTest::mouseClick(Feld<QPushButton>(seite->GetWortPage(), "bildWaehlen"), Qt::LeftButton);
    QVERIFY(!m_daten->GetCurrentWortelement()->GetChanged());
    m_editorDialoge.bild = pfad;
    QTest::mouseClick(Feld<QPushButton>(seite->GetWortPage(), "bildWaehlen"), Qt::LeftButton);
    QVERIFY(seite->GetWortPage()->GetVorschau()->HasPicture());
    QCOMPARE(seite->GetWortPage()->GetBild(), std::string("bilder\\Ball.png"));
    QVERIFY(std::filesystem::exists(m_benutzer->Verzeichnis().Datei("bilder/Ball.png")));
    QVERIFY(m_view->CanLeave());
    SQLite::Database db(m_benutzer->Datei());
    QCOMPARE(db.execAndGet("select Bild from Wortelement where Anzeigetext = 'Kino'").getString(),
             std::string("bilder\\Ball.png"));
}

void tst_CEditorView::vorschauSprichtDenPhonetischenText() {
    CWortelementPage* seite = m_view->GetWortelementPage();
    Zeile("Kino");
    QTest::mouseClick(seite->GetWortPage()->GetVorschau(), Qt::LeftButton);
    QCOMPARE(m_gesprochen, std::vector<std::string>({"Ki-no"}));
    // Without a phonetic text the display text is said, as the screen says
    // it; nothing is stored as a sentence.
    Feld<QLineEdit>(seite->GetWortPage(), "phonetisch")->clear();
    QTest::mouseClick(seite->GetWortPage()->GetVorschau(), Qt::LeftButton);
    QCOMPARE(m_gesprochen, std::vector<std::string>({"Ki-no", "Kino"}));
    QCOMPARE(m_doc->GetDatabase()->CountSentences(), 0LL);
}

void tst_CEditorView::kategorieSeite() {
    {
        SQLite::Database db(m_benutzer->Datei(), SQLite::OPEN_READWRITE);
        db.exec("insert into Kategorie (KatName, KatNummer) values ('home', 0), ('HOMEpage', 0)");
    }
    QVERIFY(m_view->SetActivePage(CEditorView::kKategorie));
    CKategoriePage* seite = m_view->GetKategoriePage();
    QListWidget* liste = Feld<QListWidget>(seite, "kategorien");
    QLineEdit* name = Feld<QLineEdit>(seite, "name");
    auto namen = [&] {
        QStringList n;
        for (int i = 0; i < liste->count(); ++i) n << liste->item(i)->text();
        return n;
    };
    QCOMPARE(namen(), QStringList({"home", "HOMEpage", "Viele"}));
    QCOMPARE(liste->currentRow(), -1);
    QCOMPARE(name->text(), QStringLiteral("HOME"));

    // The start category stays, and so does a category with elements.
    QTest::mouseClick(Feld<QPushButton>(seite, "kategorieLoeschen"), Qt::LeftButton);
    QCOMPARE(m_benutzer->m_dialoge.meldungen.back().text,
             std::string("Die Startseite kann nicht gelöscht werden."));
    liste->setCurrentRow(2);
    QCOMPARE(m_daten->GetKategorie().GetName(), std::string("Viele"));
    QTest::mouseClick(Feld<QPushButton>(seite, "kategorieLoeschen"), Qt::LeftButton);
    QCOMPARE(m_benutzer->m_dialoge.meldungen.back().text,
             std::string("Die Kategorie kann nicht gelöscht werden, da sie nicht leer ist."));

    name->setText(QStringLiteral("Zahlen"));
    QTest::mouseClick(Feld<QPushButton>(seite, "nameUebernehmen"), Qt::LeftButton);
    QCOMPARE(namen(), QStringList({"home", "HOMEpage", "Zahlen"}));
    QCOMPARE(liste->currentItem()->text(), QStringLiteral("Zahlen"));

    QTest::mouseClick(Feld<QPushButton>(seite, "neueKategorie"), Qt::LeftButton);
    QCOMPARE(namen(), QStringList({"home", "HOMEpage", "neu", "Zahlen"}));
    QCOMPARE(liste->currentItem()->text(), QStringLiteral("neu"));
    QTest::mouseClick(Feld<QPushButton>(seite, "kategorieLoeschen"), Qt::LeftButton);
    QCOMPARE(namen(), QStringList({"home", "HOMEpage", "Zahlen"}));
    QCOMPARE(m_daten->GetKategorie().GetName(), std::string("HOME"));

    // The word-element page shows the category chosen here.
    liste->setCurrentRow(2);
    QVERIFY(m_view->SetActivePage(CEditorView::kWortelemente));
    QCOMPARE(Zeilen().size(), 30);
    QCOMPARE(Feld<QComboBox>(m_view->GetWortelementPage(), "kategorien")->currentText(),
             QStringLiteral("Zahlen"));
}

void tst_CEditorView::formenVorschlagen() {
    CVerbformen verbformen;
    std::string fehler;
    QVERIFY2(verbformen.Laden(SAGWERK_RES_DIR "/verben.txt", fehler), fehler.c_str());
    m_view->SetVerbformen(&verbformen);
    CWortelementPage* seite = m_view->GetWortelementPage();
    Feld<QComboBox>(seite, "elementart")->setCurrentIndex(1);
    QTest::mouseClick(Feld<QPushButton>(seite, "neuesWortelement"), Qt::LeftButton);
    CVerbenPage* verb = seite->GetVerbenPage();
    QLineEdit* grundform = Feld<QLineEdit>(verb, "grundform");
    const auto eingeben = [&](const QString& text) {
        grundform->setText(text);
        emit grundform->textEdited(text);
    };

    eingeben(QStringLiteral("aufstehen"));
    QTest::mouseClick(verb->GetVorschlagen(), Qt::LeftButton);
    QCOMPARE(verb->GetForm(0, 0)->text(), QStringLiteral("stehe auf"));
    QCOMPARE(verb->GetForm(1, 2)->text(), QStringLiteral("ist aufgestanden"));
    QCOMPARE(verb->GetForm(2, 5)->text(), QStringLiteral("werden aufstehen"));
    QVERIFY(verb->GetMitSein()->isChecked());
    QVERIFY(verb->GetHinweis()->text().isEmpty());

    // The auxiliary switched: the past column anew, the rest as it was.
    QTest::mouseClick(verb->GetMitSein(), Qt::LeftButton);
    QCOMPARE(verb->GetForm(1, 0)->text(), QStringLiteral("habe aufgestanden"));
    QTest::mouseClick(verb->GetMitSein(), Qt::LeftButton);
    QCOMPARE(verb->GetForm(1, 0)->text(), QStringLiteral("bin aufgestanden"));

    // A form the carer typed stays unless the carer agrees.
    verb->GetForm(0, 1)->clear();
    QTest::keyClicks(verb->GetForm(0, 1), "stehst bald auf");
    eingeben(QStringLiteral("sich anziehen"));
    m_benutzer->m_dialoge.NaechsteAntwort(IDialoge::Antwort::Nein);
    QTest::mouseClick(verb->GetVorschlagen(), Qt::LeftButton);
    QCOMPARE(Meldungen().back().caption, std::string("Frage"));
    QCOMPARE(verb->GetForm(0, 0)->text(), QStringLiteral("ziehe mich an"));
    QCOMPARE(verb->GetForm(0, 1)->text(), QStringLiteral("stehst bald auf"));
    QVERIFY(!verb->GetMitSein()->isChecked());
    m_benutzer->m_dialoge.NaechsteAntwort(IDialoge::Antwort::Ja);
    QTest::mouseClick(verb->GetVorschlagen(), Qt::LeftButton);
    QCOMPARE(verb->GetForm(0, 1)->text(), QStringLiteral("ziehst dich an"));

    eingeben(QStringLiteral("frühstücken"));
    QTest::mouseClick(verb->GetVorschlagen(), Qt::LeftButton);
    QVERIFY(verb->GetHinweis()->text().contains(QStringLiteral("nicht im Wörterbuch")));
    QCOMPARE(verb->GetForm(1, 0)->text(), QStringLiteral("habe gefrühstückt"));
    eingeben(QStringLiteral("Haus"));
    QTest::mouseClick(verb->GetVorschlagen(), Qt::LeftButton);
    QVERIFY(verb->GetHinweis()->text().contains(QStringLiteral("kein Verb")));
    QCOMPARE(verb->GetForm(1, 0)->text(), QStringLiteral("habe gefrühstückt"));

    eingeben(QStringLiteral("frühstücken"));
    QVERIFY(m_view->CanLeave());
    SQLite::Database db(m_benutzer->Datei());
    QCOMPARE(db.execAndGet("select Ver1PersE from Wortelement where Anzeigetext = 'frühstücken'")
                 .getString(),
             std::string("habe gefrühstückt"));
    m_view->SetVerbformen(nullptr);
    QVERIFY(!verb->GetVorschlagen()->isVisibleTo(verb));
}

void tst_CEditorView::tausendElementeAntwortenSchnell() {
    {
        SQLite::Database db(m_benutzer->Datei(), SQLite::OPEN_READWRITE);
        SQLite::Transaction t(db);
        SQLite::Statement e(db,
                            "insert into Wortelement (Kategorie, alteKategorie, Pos, altePos, "
                            "Anzeigetext, Geg1PersE, Funktionscode, Anzahl) "
                            "values (1, 0, ?, 0, ?, ?, 30, 0)");
        for (int i = 0; i < 1000; ++i) {
            const std::string w = "Wort " + std::to_string(i);
            e.bind(1, 10 + i);
            e.bind(2, w);
            e.bind(3, w);
            e.exec();
            e.reset();
        }
        t.commit();
    }
    QElapsedTimer uhr;
    uhr.start();
    Oeffnen();
    const qint64 oeffnen = uhr.restart();
    QCOMPARE(Liste()->count(), 1003);
    Liste()->setCurrentRow(500);
    const qint64 waehlen = uhr.restart();
    QCOMPARE(m_daten->GetCurrentWortelement()->GetAnzeigetext(), std::string("Wort 497"));
    QComboBox* kategorien = Feld<QComboBox>(m_view->GetWortelementPage(), "kategorien");
    emit kategorien->activated(kategorien->findText(QStringLiteral("Viele")));
    const qint64 wechseln = uhr.restart();
    emit kategorien->activated(kategorien->findText(QStringLiteral("HOME")));
    const qint64 zurueck = uhr.elapsed();
    QCOMPARE(Liste()->count(), 1003);
    qInfo(
        "1000 Elemente: oeffnen %lld ms, waehlen %lld ms, Kategorie wechseln %lld ms, zurueck "
        "%lld ms",
        oeffnen, waehlen, wechseln, zurueck);
    QVERIFY(oeffnen < 1000 && waehlen < 1000 && zurueck < 1000);
}

// A sentence goes from the memory only after "Ja", and the suggestions
// forget it once the editor is left.
void tst_CEditorView::gesagteSaetzeLoeschenNurNachJa() {
    QVERIFY(m_doc->GetDatabase()->StoreSentences({{"ich gehe ins Kino ", ""}, {"Kino heute ", ""}}));
    m_view->GetTabBar()->setCurrentIndex(6);
    CSaetzePage* seite = m_view->GetSaetzePage();
    auto* suche = Feld<QLineEdit>(seite, "suche");
    auto* liste = Feld<QListWidget>(seite, "saetze");
    suche->setText(QStringLiteral("gehe"));
    QCOMPARE(liste->count(), 1);
    liste->setCurrentRow(0);
    auto* loeschen = Feld<QPushButton>(seite, "entfernen");
    QVERIFY(loeschen->isEnabled());
    m_benutzer->m_dialoge.NaechsteAntwort(IDialoge::Antwort::Nein);
    QTest::mouseClick(loeschen, Qt::LeftButton);
    QCOMPARE(liste->count(), 1);
    liste->setCurrentRow(0);
    m_benutzer->m_dialoge.NaechsteAntwort(IDialoge::Antwort::Ja);
    QTest::mouseClick(loeschen, Qt::LeftButton);
    QCOMPARE(liste->count(), 0);
    m_doc->SaetzeVergessen();
    std::vector<std::string> gezeigt, gesprochen;
    m_doc->GetDatabase()->SuggestSentences(gezeigt, gesprochen, "Kino");
    QCOMPARE(gezeigt, std::vector<std::string>({"Kino heute "}));
}

QTEST_MAIN(tst_CEditorView)
#include "tst_CEditorView.moc"

