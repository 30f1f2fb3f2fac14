// The editor forgives: pictures found by a word, questions before deleting,
// links that go with their category, names never empty, focus that selects
// nothing, and nothing typed lost (the two-second store, a kill, a full disk).

#include <SQLiteCpp/SQLiteCpp.h>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <filesystem>

#include "CBildButton.h"
#include "CBildCache.h"
#include "CEditorAufbau.h"
#include "CEmotionsPage.h"
#include "CKategoriePage.h"
#include "CLinkPage.h"
#include "CListenBilder.h"
#include "CPiktogrammWahl.h"
#include "CVollePlatte.h"
#include "CWortPage.h"
#include "CWortelementPage.h"

class tst_Vergeben : public QObject, protected CEditorAufbau {
    Q_OBJECT
private slots:
    void init() { Aufbauen(); }
    void cleanup() { Abbauen(); }
    void bildSuchenUndWaehlen();
    void neuesElementBekommtBilderAngeboten();
    void loeschenFragtNeinBehaelt();
    void kategorieGehtMitIhrenLinks();
    void linkOhneKategorie();
    void namenSindNieLeer();
    void fokusWaehltNichts();
    void listeZeigtBilderUndDeutscheKnoepfe();
    void zweiSekundenNachDerLetztenTaste();
    void einKillVerliertHoechstensZweiSekunden();
    void volleplatteHaeltDenEditorOffen();

private:
    QListWidget* Liste() const {
        return Feld<QListWidget>(m_view->GetWortelementPage(), "elemente");
    }
    void Zeile(const QString& text) {
        for (int i = 0; i < Liste()->count(); ++i) {
            if (Liste()->item(i)->text() == text) Liste()->setCurrentRow(i);
        }
    }
    long long Zahl(const std::string& sql) const {
        SQLite::Database db(m_benutzer->Datei());
        return db.execAndGet(sql).getInt64();
    }
    std::string Text(const std::string& sql) const {
        SQLite::Database db(m_benutzer->Datei());
        SQLite::Statement q(db, sql);
        return q.executeStep() ? q.getColumn(0).getString() : std::string("(keiner)");
    }
};

void tst_Vergeben::bildSuchenUndWaehlen() {
    CWortelementPage* seite = m_view->GetWortelementPage();
    Zeile("Kino");
    CPiktogrammWahl* suche = seite->GetWortPage()->GetBildSuche();
    // The five words a new carer looks for, each found first, and chosen.
    const std::pair<const char*, const char*> woerter[] = {{"Toilette", "1F6BD"},
                                                           {"Rollstuhl", "1F9BD"},
                                                           {"Oma", "1F475"},
                                                           {"Schmerzen", "1F623"},
                                                           {"Geburtstag", "1F382"}};
    for (const auto& [wort, code] : woerter) {
        suche->GetFeld()->clear();
        QElapsedTimer uhr;
        uhr.start();
        QTest::keyClicks(suche->GetFeld(), wort);
        suche->repaint();
        QVERIFY2(uhr.elapsed() < 100 * static_cast<qint64>(qstrlen(wort)), wort);
        QVERIFY(!suche->GetTreffer().empty());
        QVERIFY2(suche->GetBild(0).endsWith(QStringLiteral("/%1.svg").arg(code)), wort);
    }
    // The grid of 20 paints within 100 ms, its pictures decoded in the
    // background as on the communication screen.
    CBildCache::Instanz().Leeren();
    CBildCache::Instanz().SetImHintergrund(true);
    QElapsedTimer uhr;
    uhr.start();
    suche->Suchen(QStringLiteral("Gesicht"));
    suche->repaint();
    const qint64 ms = uhr.elapsed();
    QCOMPARE(suche->GetTreffer().size(), std::size_t{20});
    QVERIFY2(ms < 100, QByteArray::number(ms));
    CBildCache::Instanz().WartenAufAlle();
    CBildCache::Instanz().SetImHintergrund(false);
    QVERIFY(suche->GetTreffer()[0]->HasPicture());
    QCOMPARE(suche->GetTreffer()[0]->GetCaption().isEmpty(), false);

    suche->Suchen(QStringLiteral("Toilette"));
    QTest::mouseClick(suche->GetTreffer()[0], Qt::LeftButton);
    QCOMPARE(seite->GetWortPage()->GetBild(), std::string("bilder\\1F6BD.svg"));
    QVERIFY(std::filesystem::exists(m_benutzer->Verzeichnis().Datei("bilder/1F6BD.svg")));
    QVERIFY(seite->GetWortPage()->GetVorschau()->HasPicture());
    QVERIFY(m_view->CanLeave());
    QCOMPARE(Text("select Bild from Wortelement where Anzeigetext = 'Kino'"),
             std::string("bilder\\1F6BD.svg"));
    // Nothing found is said.
    suche->Suchen(QStringLiteral("Qwxzy"));
    QVERIFY(suche->GetTreffer().empty());
    QVERIFY(Feld<QLabel>(suche, "keineTreffer")->isVisibleTo(suche));
}

void tst_Vergeben::neuesElementBekommtBilderAngeboten() {
    CWortelementPage* seite = m_view->GetWortelementPage();
    QTest::mouseClick(Feld<QPushButton>(seite, "neuesWortelement"), Qt::LeftButton);
    QLineEdit* anzeige = Feld<QLineEdit>(seite->GetWortPage(), "anzeigetext");
    anzeige->clear();
    QTest::keyClicks(anzeige, "Rollstuhl");
    CPiktogrammWahl* suche = seite->GetWortPage()->GetBildSuche();
    QCOMPARE(suche->GetFeld()->text(), QStringLiteral("Rollstuhl"));
    QVERIFY(suche->GetBild(0).endsWith(QStringLiteral("/1F9BD.svg")));
    // An element of the file is not searched for when renamed.
    QTest::keyClicks(Feld<QLineEdit>(seite->GetWortPage(), "wort"), "Rollstuhl");
    Zeile("Kino");
    QCOMPARE(Liste()->currentItem()->text(), QStringLiteral("Kino"));
    QVERIFY(suche->GetTreffer().empty());
    QTest::keyClicks(Feld<QLineEdit>(seite->GetWortPage(), "anzeigetext"), "s");
    QVERIFY(suche->GetTreffer().empty());
}

void tst_Vergeben::loeschenFragtNeinBehaelt() {
    auto& dialoge = m_benutzer->m_dialoge;
    CWortelementPage* seite = m_view->GetWortelementPage();
    Zeile("Kino");
    dialoge.NaechsteAntwort(IDialoge::Antwort::Nein);
    QTest::mouseClick(Feld<QPushButton>(seite, "wortelementLoeschen"), Qt::LeftButton);
    QCOMPARE(dialoge.meldungen.back().text,
             std::string("Soll das Wortelement \u201EKino\u201C gelöscht werden?"));
    QVERIFY(dialoge.meldungen.back().knoepfe == IDialoge::Knoepfe::JaNein);
    QCOMPARE(Zahl("select count(*) from Wortelement where Anzeigetext = 'Kino'"), 1LL);
    QCOMPARE(Liste()->currentItem()->text(), QStringLiteral("Kino"));

    QVERIFY(m_view->SetActivePage(CEditorView::kEmotionen));
    CEmotionsPage* emotionen = m_view->GetEmotionsPage();
    QListWidget* liste = Feld<QListWidget>(emotionen, "emotionen");
    liste->setCurrentRow(0);
    const QString erste = liste->item(0)->text();
    const int vorher = liste->count();
    dialoge.NaechsteAntwort(IDialoge::Antwort::Nein);
    QTest::mouseClick(Feld<QPushButton>(emotionen, "emotionLoeschen"), Qt::LeftButton);
    QCOMPARE(dialoge.meldungen.back().text,
             "Soll der Emotionsbutton \u201E" + erste.toStdString() + "\u201C gelöscht werden?");
    QCOMPARE(liste->count(), vorher);
    dialoge.NaechsteAntwort(IDialoge::Antwort::Ja);
    QTest::mouseClick(Feld<QPushButton>(emotionen, "emotionLoeschen"), Qt::LeftButton);
    QCOMPARE(liste->count(), vorher - 1);
}

void tst_Vergeben::kategorieGehtMitIhrenLinks() {
    auto& dialoge = m_benutzer->m_dialoge;
    // An empty category "Obst" with two links to it, one on the start page
    // and one among "Viele".
    long obst = 0;
    {
        SQLite::Database db(m_benutzer->Datei(), SQLite::OPEN_READWRITE);
        db.exec("insert into Kategorie (KatName, KatNummer) values ('Obst', 0)");
        obst = db.getLastInsertRowid();
        const long viele =
            db.execAndGet("select [Index] from Kategorie where KatName = 'Viele'").getInt();
        for (long kat : {1L, viele}) {
            SQLite::Statement q(db,
                                "insert into Wortelement (Anzeigetext, Geg1PersE, Funktionscode, "
                                "Kategorie, Pos) values ('zum Obst', ?, 25, ?, 99)");
            q.bind(1, "0" + std::to_string(obst));
            q.bind(2, static_cast<std::int64_t>(kat));
            q.exec();
        }
    }
    QCOMPARE(m_daten->LinksZu(obst).size(), std::size_t{2});
    QVERIFY(m_view->SetActivePage(CEditorView::kKategorie));
    CKategoriePage* seite = m_view->GetKategoriePage();
    QListWidget* liste = Feld<QListWidget>(seite, "kategorien");
    for (int i = 0; i < liste->count(); ++i) {
        if (liste->item(i)->text() == QStringLiteral("Obst")) liste->setCurrentRow(i);
    }
    QCOMPARE(m_daten->GetKategorie().GetName(), std::string("Obst"));
    dialoge.NaechsteAntwort(IDialoge::Antwort::Nein);
    QTest::mouseClick(Feld<QPushButton>(seite, "kategorieLoeschen"), Qt::LeftButton);
    QCOMPARE(dialoge.meldungen.back().text,
             std::string("Soll die Kategorie \u201EObst\u201C gelöscht werden? 2 Links führen zu "
                         "ihr; sie werden mit ihr gelöscht."));
    QCOMPARE(Zahl("select count(*) from Kategorie where KatName = 'Obst'"), 1LL);
    dialoge.NaechsteAntwort(IDialoge::Antwort::Ja);
    QTest::mouseClick(Feld<QPushButton>(seite, "kategorieLoeschen"), Qt::LeftButton);
    QCOMPARE(Zahl("select count(*) from Kategorie where KatName = 'Obst'"), 0LL);
    QCOMPARE(Zahl("select count(*) from Wortelement where Anzeigetext = 'zum Obst'"), 0LL);
}

void tst_Vergeben::linkOhneKategorie() {
    {
        SQLite::Database db(m_benutzer->Datei(), SQLite::OPEN_READWRITE);
        db.exec(
            "insert into Wortelement (Anzeigetext, Geg1PersE, Funktionscode, Kategorie, Pos) "
            "values ('verwaist', '0999', 25, 1, 9)");
    }
    Oeffnen();
    CWortelementPage* seite = m_view->GetWortelementPage();
    Zeile("verwaist");
    QCOMPARE(seite->GetSichtbar(), seite->GetLinkPage());
    QVERIFY(Feld<QLabel>(seite->GetLinkPage(), "ohneZiel")->isVisibleTo(seite->GetLinkPage()));
    // Untouched it blocks nothing; given a category it is stored.
    Zeile("Kino");
    QVERIFY(Meldungen().empty());
    QCOMPARE(Liste()->currentItem()->text(), QStringLiteral("Kino"));
    Zeile("verwaist");
    QComboBox* ziel = Feld<QComboBox>(seite->GetLinkPage(), "kategorie");
    ziel->setCurrentIndex(ziel->findText(QStringLiteral("Viele")));
    emit ziel->activated(ziel->currentIndex());
    QVERIFY(m_view->CanLeave());
    QVERIFY(Text("select Geg1PersE from Wortelement where Anzeigetext = 'verwaist'") != "0999");
}

void tst_Vergeben::namenSindNieLeer() {
    QVERIFY(m_view->SetActivePage(CEditorView::kKategorie));
    CKategoriePage* seite = m_view->GetKategoriePage();
    QLineEdit* name = Feld<QLineEdit>(seite, "name");
    QCOMPARE(name->text(), QStringLiteral("HOME"));
    name->clear();
    QTest::mouseClick(Feld<QPushButton>(seite, "nameUebernehmen"), Qt::LeftButton);
    QVERIFY(Meldungen().back().text.find("Startseite braucht einen Namen") != std::string::npos);
    QCOMPARE(Text("select KatName from Kategorie where [Index] = 1"), std::string("HOME"));
    QCOMPARE(name->text(), QStringLiteral("HOME"));
    name->setText(QStringLiteral("Start"));
    QTest::mouseClick(Feld<QPushButton>(seite, "nameUebernehmen"), Qt::LeftButton);
    QCOMPARE(Text("select KatName from Kategorie where [Index] = 1"), std::string("Start"));
    // Another category, and the model itself, refuse the empty name.
    QTest::mouseClick(Feld<QPushButton>(seite, "neueKategorie"), Qt::LeftButton);
    name->setText(QStringLiteral("   "));
    QTest::mouseClick(Feld<QPushButton>(seite, "nameUebernehmen"), Qt::LeftButton);
    QVERIFY(Meldungen().back().text.find("Kategorie braucht einen Namen") != std::string::npos);
    QCOMPARE(m_daten->GetKategorie().GetName(), std::string("neu"));
    m_daten->GetKategorie().SetName("");
    QVERIFY(!m_daten->CommitKategorie());
    QCOMPARE(Zahl("select count(*) from Kategorie where KatName = ''"), 0LL);
}

void tst_Vergeben::fokusWaehltNichts() {
    QVERIFY(m_view->SetActivePage(CEditorView::kEmotionen));
    QListWidget* liste = Feld<QListWidget>(m_view->GetEmotionsPage(), "emotionen");
    QCOMPARE(liste->currentRow(), -1);
    liste->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    QVERIFY(liste->hasFocus());
    QCOMPARE(liste->currentRow(), -1);
    QVERIFY(m_daten->GetCurrentEButton() == nullptr);
    // An arrow key chooses.
    QTest::keyClick(liste, Qt::Key_Down);
    QVERIFY(m_daten->GetCurrentEButton() != nullptr);
}

void tst_Vergeben::listeZeigtBilderUndDeutscheKnoepfe() {
    CWortelementPage* seite = m_view->GetWortelementPage();
    QCOMPARE(Feld<QPushButton>(seite, "up")->text(), QStringLiteral("Nach oben"));
    QCOMPARE(Feld<QPushButton>(seite, "down")->text(), QStringLiteral("Nach unten"));
    Zeile("Kino");
    seite->GetWortPage()->GetBildSuche()->Suchen(QStringLiteral("Kino"));
    QTest::mouseClick(seite->GetWortPage()->GetBildSuche()->GetTreffer()[0], Qt::LeftButton);
    QVERIFY(m_view->CanLeave());
    Oeffnen();
    QListWidgetItem* kino = nullptr;
    for (int i = 0; i < Liste()->count(); ++i) {
        if (Liste()->item(i)->text() == QStringLiteral("Kino")) kino = Liste()->item(i);
    }
    QVERIFY(kino != nullptr);
    QVERIFY(!kino->icon().isNull());
    QVERIFY(Liste()->item(1)->icon().isNull());  // gehen: no picture
}

void tst_Vergeben::zweiSekundenNachDerLetztenTaste() {
    CWortelementPage* seite = m_view->GetWortelementPage();
    Zeile("Kino");
    QLineEdit* anzeige = Feld<QLineEdit>(seite->GetWortPage(), "anzeigetext");
    QTest::keyClicks(anzeige, "s");
    QVERIFY(m_pWecker->IsGestellt());
    QCOMPARE(m_pWecker->GetMs(), 2000);
    const int gestellt = m_pWecker->gestellt;
    QTest::keyClicks(anzeige, "a");
    // Every key sets it anew: two seconds after the last one.
    QCOMPARE(m_pWecker->gestellt, gestellt + 1);
    QCOMPARE(Zahl("select count(*) from Wortelement where Anzeigetext = 'Kinosa'"), 0LL);
    QVERIFY(m_pWecker->Klingeln());
    QCOMPARE(Zahl("select count(*) from Wortelement where Anzeigetext = 'Kinosa'"), 1LL);
    // A new element and a move are written the same way.
    QTest::mouseClick(Feld<QPushButton>(seite, "neuesWortelement"), Qt::LeftButton);
    QVERIFY(m_pWecker->Klingeln());
    QCOMPARE(Zahl("select count(*) from Wortelement where Anzeigetext = 'neu'"), 0LL);
    QTest::keyClicks(Feld<QLineEdit>(seite->GetWortPage(), "wort"), "neu");
    QVERIFY(m_pWecker->Klingeln());
    QCOMPARE(Zahl("select count(*) from Wortelement where Anzeigetext = 'neu'"), 1LL);
    QVERIFY(Meldungen().empty());
}

void tst_Vergeben::einKillVerliertHoechstensZweiSekunden() {
    const std::string datei = m_benutzer->Datei();
    m_view.reset();
    m_daten.reset();
    m_doc.reset();  // the child has the file to itself
    QProcess kind;
    kind.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    kind.start(
        QStringLiteral(SAGWERK_TIPPER),
        {QString::fromStdString(datei), QStringLiteral("-platform"), QStringLiteral("offscreen")});
    QVERIFY(kind.waitForStarted());
    QByteArray gesagt;
    while (!gesagt.contains("getippt") && kind.waitForReadyRead(10000)) gesagt += kind.readAll();
    QVERIFY2(gesagt.contains("gespeichert\ngetippt"), gesagt.constData());
    kind.kill();  // SIGKILL: nothing of the program runs any more
    QVERIFY(kind.waitForFinished());
    // What was there when the two seconds had passed is in the file; the
    // key after it is what a kill may take.
    QCOMPARE(Zahl("select count(*) from Wortelement where Anzeigetext = 'KinoA'"), 1LL);
    QCOMPARE(Zahl("select count(*) from Wortelement where Anzeigetext = 'KinoAB'"), 0LL);
}

void tst_Vergeben::volleplatteHaeltDenEditorOffen() {
    CVollePlatte platte;
    Oeffnen();  // the file opened through the full disk's file system
    CWortelementPage* seite = m_view->GetWortelementPage();
    Zeile("Kino");
    QTest::keyClicks(Feld<QLineEdit>(seite->GetWortPage(), "anzeigetext"), "saal");
    platte.Voll();
    m_benutzer->m_dialoge.Vergessen();
    // Leaving fails: one message (the file's), the editor and the typing stay.
    QVERIFY(!m_view->CanLeave());
    QCOMPARE(m_benutzer->m_dialoge.fehler.size() + Meldungen().size(), std::size_t{1});
    QCOMPARE(Feld<QLineEdit>(seite->GetWortPage(), "anzeigetext")->text(),
             QStringLiteral("Kinosaal"));
    QVERIFY(!m_view->SetActivePage(CEditorView::kKategorie));
    // The next try after space came back writes it.
    // The timer tries again; once space is back it writes the change.
    platte.Frei();
    QVERIFY(m_pWecker->Klingeln());
    QCOMPARE(Zahl("select count(*) from Wortelement where Anzeigetext = 'Kinosaal'"), 1LL);
    QVERIFY(m_view->CanLeave());
    // The file goes before its file system does.
    m_view.reset();
    m_daten.reset();
    m_doc.reset();
}

QTEST_MAIN(tst_Vergeben)
#include "tst_Vergeben.moc"
