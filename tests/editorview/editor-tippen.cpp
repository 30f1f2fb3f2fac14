// A carer typing in the editor, for the test that kills it: opens the user
// file given, types "A" after the word "Kino" and lets the two seconds pass
// (the timer rung), says "gespeichert", types "B" and says "getippt", then
// waits to be killed.
//
//   editor-tippen <Benutzerdatei>

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <cstdio>
#include <memory>

#include "CEditorDaten.h"
#include "CEditorView.h"
#include "CSagwerkDoc.h"
#include "CTestBenutzer.h"
#include "CTestEditorDialoge.h"
#include "CTestWecker.h"
#include "CWortPage.h"
#include "CWortelementPage.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) return 2;
    const QString datei = QString::fromLocal8Bit(argv[1]);
    QDir::setCurrent(QFileInfo(datei).absolutePath());
    CTestDialoge dialoge;
    CTestUhr uhr;
    std::vector<std::string> gesprochen;
    CSagwerkDoc doc(dialoge, uhr, std::make_unique<CTestEngine>(gesprochen));
    if (!doc.OpenUser(datei.toStdString())) return 1;
    CEditorDaten daten(doc);
    CTestEditorDialoge editorDialoge;
    auto eigener = std::make_unique<CTestWecker>();
    CTestWecker& wecker = *eigener;
    CEditorView view(daten, dialoge, editorDialoge, nullptr, std::move(eigener));
    daten.SetEditorView(&view);
    view.show();
    view.Starten();
    CWortelementPage* seite = view.GetWortelementPage();
    auto* liste = seite->findChild<QListWidget*>(QStringLiteral("elemente"));
    liste->setCurrentRow(2);  // Kino
    auto* anzeige = seite->GetWortPage()->findChild<QLineEdit*>(QStringLiteral("anzeigetext"));
    anzeige->setFocus();
    anzeige->end(false);
    QTest::keyClicks(anzeige, "A");
    if (!wecker.Klingeln()) return 1;
    std::printf("gespeichert\n");
    std::fflush(stdout);
    QTest::keyClicks(anzeige, "B");
    std::printf("getippt\n");
    std::fflush(stdout);
    return app.exec();
}
