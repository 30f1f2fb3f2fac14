#pragma once

#include <QMainWindow>
#include <QRect>
#include <array>
#include <memory>

#include "CQtEditorDialoge.h"
#include "ISagwerkBeobachter.h"

class CEditorDaten;
class CEditorView;
class CVerbformen;
class CSagwerkDoc;
class CSagwerkView;
class CTafelMenue;
class IEditorDialoge;
class QAction;
class QLabel;
class QStackedWidget;

// The main window: title "Sagwerk - <user>", the German menu, and a stack
// that holds the communication view and, while a carer works, the editor.
//
// "Ansicht > Editor" switches between the two: entering asks for the
// password and builds the editor model and view anew; leaving needs the page
// in front to be complete, and the document then reloads its category. The
// communication view is only hidden, so the sentence being built, the
// suggestions and the modes are there again afterwards. Closing the window
// is refused while the editor cannot be left.
//
// Owns the communication view (as a Qt child), and the editor model and view
// while the editor is on. The document must outlive the frame; the frame
// observes it to keep the title current.
class CMainFrame : public QMainWindow, public ISagwerkBeobachter {
    Q_OBJECT
public:
    CMainFrame(CSagwerkDoc& doc, const QRect& desktop, QWidget* parent = nullptr);
    ~CMainFrame() override;

    CSagwerkView* GetCommView() const { return m_pCommView; }
    QAction* GetEditorAction() const { return m_pEditor; }
    // The four commands of the menu "Editor", in the menu's order:
    // alphabetical, by use, set as standard, restore.
    QAction* GetOrderAction(int nummer) const {
        return m_ordnen.at(static_cast<std::size_t>(nummer));
    }
    void OnUpdate() override;

    // The editor's dialogs; the program's own when none is set. Not owned.
    void SetEditorDialoge(IEditorDialoge* dialoge) { m_pEditorDialoge = dialoge; }
    // "Ansicht > Editor": into the editor, or out of it.
    void OnEditor();
    bool IsEditor() const { return m_bEditor; }
    // "Datei > Sicherung wiederherstellen …": the carer picks a backup, gives
    // the password (of the open user or of the backup) and confirms the
    // question that names the backup's date.
    void OnSicherungWiederherstellen();
    QAction* GetSicherungAction() const { return m_pSicherung; }
    CEditorView* GetEditorView() const { return m_pEditorView; }

    // Shows a notice over the list of suggestions (in the editor along the
    // bottom of the window) until it is closed; a second notice is added to
    // it. Nothing waits for it, and it hides no button.
    void ZeigeHinweis(const QString& text);
    QWidget* GetHinweisLeiste() const { return m_pHinweis; }

    // Fills the given screen area, also where no window manager maximizes.
    void Zeigen(const QRect& bereich);

    // "Editor > Kategorie aus dem Grundwortschatz …" (CWortschatzUebernahme):
    // while the editor is on, the carer chooses a page of the starter
    // vocabulary and the open user gets it as a new category.
    void OnKategorieAusGrundwortschatz();
    QAction* GetGrundwortschatzAction() const { return m_pGrundwortschatz; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void MenueBauen();
    void EditorEntfernen();
    void BefehleAktualisieren();
    void OnOrdnen(std::size_t befehl);
    void OnAppAbout();

    CSagwerkDoc& m_doc;
    QStackedWidget* m_pStapel;
    CSagwerkView* m_pCommView;
    QAction* m_pEditor = nullptr;
    QAction* m_pSicherung = nullptr;
    QWidget* m_pHinweis = nullptr;
    QLabel* m_pHinweisText = nullptr;
    std::array<QAction*, 4> m_ordnen{};
    CTafelMenue* m_pTafeln = nullptr;  // "Tafeln importieren / exportieren", a child
    QAction* m_pGrundwortschatz = nullptr;

    bool m_bEditor = false;
    std::unique_ptr<CEditorDaten> m_pEditorModel;
    CEditorView* m_pEditorView = nullptr;  // a child of the stack while the editor is on
    CQtEditorDialoge m_qtEditorDialoge;
    // Read at the first visit to the editor and kept for the next ones.
    std::unique_ptr<CVerbformen> m_pVerbformen;
    bool m_bVerbformenGeladen = false;
    IEditorDialoge* m_pEditorDialoge = &m_qtEditorDialoge;
};
