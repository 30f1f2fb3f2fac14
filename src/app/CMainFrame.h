#pragma once

#include <QMainWindow>
#include <QRect>

#include "ISagwerkBeobachter.h"

class CSagwerkDoc;
class CSagwerkView;
class QAction;
class QStackedWidget;

// The main window: title "Sagwerk - <user>", the German menu, and a stack
// that holds the communication view (and the editor, once there is one).
//
// Owns the communication view (as a Qt child). The document must outlive the
// frame; the frame observes it to keep the title current.
class CMainFrame : public QMainWindow, public ISagwerkBeobachter {
    Q_OBJECT
public:
    CMainFrame(CSagwerkDoc& doc, const QRect& desktop, QWidget* parent = nullptr);
    ~CMainFrame() override;

    CSagwerkView* GetCommView() const { return m_pCommView; }
    QAction* GetEditorAction() const { return m_pEditor; }
    void OnUpdate() override;

    // Fills the given screen area, also where no window manager maximizes.
    void Zeigen(const QRect& bereich);

private:
    void MenueBauen();
    void OnAppAbout();

    CSagwerkDoc& m_doc;
    QStackedWidget* m_pStapel;
    CSagwerkView* m_pCommView;
    QAction* m_pEditor = nullptr;
};
