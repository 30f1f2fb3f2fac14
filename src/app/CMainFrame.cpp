#include "CMainFrame.h"

#include <QMenuBar>
#include <QStackedWidget>

#include "CAboutDlg.h"
#include "CSagwerkDoc.h"
#include "CSagwerkView.h"

CMainFrame::CMainFrame(CSagwerkDoc& doc, const QRect& desktop, QWidget* parent)
    : QMainWindow(parent), m_doc(doc) {
    // Caption and close box, no minimize or maximize box.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setWindowTitle(QStringLiteral("Sagwerk"));
    m_pStapel = new QStackedWidget(this);
    m_pCommView = new CSagwerkView(doc, desktop, m_pStapel);
    m_pStapel->addWidget(m_pCommView);
    setCentralWidget(m_pStapel);
    MenueBauen();
    m_doc.AddObserver(this);
}

CMainFrame::~CMainFrame() { m_doc.RemoveObserver(this); }

void CMainFrame::MenueBauen() {
    QMenu* datei = menuBar()->addMenu(QStringLiteral("&Datei"));
    datei->addAction(QStringLiteral("&Beenden"), this, &QWidget::close);

    // The editor's commands are there and stay disabled until the editor is.
    QMenu* editor = menuBar()->addMenu(QStringLiteral("&Editor"));
    for (const char* text :
         {"Wortelemente &alphabetisch anordnen", "Wortelemente &statistisch anordnen", "",
          "R&eihenfolge als Standard setzten", "alte &Reihenfolge wiederherstellen"}) {
        if (!*text) {
            editor->addSeparator();
            continue;
        }
        editor->addAction(QString::fromUtf8(text))->setEnabled(false);
    }

    QMenu* ansicht = menuBar()->addMenu(QStringLiteral("&Ansicht"));
    m_pEditor = ansicht->addAction(QStringLiteral("Editor"));
    m_pEditor->setCheckable(true);
    m_pEditor->setEnabled(false);

    QMenu* hilfe = menuBar()->addMenu(QStringLiteral("&?"));
    hilfe->addAction(QStringLiteral("Inf&o über Sagwerk..."), this, &CMainFrame::OnAppAbout);
}

void CMainFrame::OnAppAbout() {
    CAboutDlg dlg(this);
    dlg.exec();
}

void CMainFrame::OnUpdate() {
    const std::string& titel = m_doc.GetTitle();
    QString t = QString::fromStdString(titel).trimmed();
    setWindowTitle(t.isEmpty() ? QStringLiteral("Sagwerk") : QStringLiteral("Sagwerk - ") + t);
}

void CMainFrame::Zeigen(const QRect& bereich) {
    // Without a window manager (under Xvfb) showMaximized alone leaves a
    // small window: the geometry is given as well.
    setGeometry(bereich);
    showMaximized();
}
