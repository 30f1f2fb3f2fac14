#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

#include "CAboutDlg.h"
#include "CMainFrame.h"
#include "CPasswortDlg.h"
#include "CSagwerkDoc.h"
#include "CSagwerkView.h"
#include "CStummeEngine.h"
#include "CTestBenutzer.h"

class tst_CMainFrame : public QObject {
    Q_OBJECT
private slots:
    void titelUndMenue();
    void infoNenntOpenMoji();
    void passwortWirdErstMitOkUebernommen();
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
    QCOMPARE(editor.size(), 5);
    QCOMPARE(editor[0]->text(), QStringLiteral("Wortelemente &alphabetisch anordnen"));
    for (QAction* a : editor) QVERIFY(a->isSeparator() || !a->isEnabled());
    QVERIFY(!frame.GetEditorAction()->isEnabled());
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

QTEST_MAIN(tst_CMainFrame)
#include "tst_CMainFrame.moc"
