#pragma once

#include <QApplication>
#include <QTimer>
#include <QTranslator>
#include <memory>

#include "CBenutzerWahl.h"
#include "CQtDialoge.h"
#include "CSystemUhr.h"

class CMainFrame;
class CSagwerkDoc;

// The application: Qt's German texts, the dialogs, the clock, the document
// with its user selection, and the main window on the whole screen. The user
// is chosen once the window is shown; when no user is opened (the person
// chose to quit, or the file did not open) the program ends.
//
// Owns everything it creates, for the whole run.
class CSagwerkApp {
public:
    CSagwerkApp(int& argc, char** argv);
    ~CSagwerkApp();
    int Run();

private:
    QApplication m_app;
    QTranslator m_uebersetzung;
    CQtDialoge m_dialoge;
    CSystemUhr m_uhr;
    std::unique_ptr<CBenutzerWahl> m_pWahl;
    std::unique_ptr<CSagwerkDoc> m_pDoc;
    std::unique_ptr<CMainFrame> m_pFrame;
    // Writes sentences that had to wait for the user file, once it is free.
    QTimer m_nachholen;
};
