#pragma once

#include <QObject>
#include <functional>

class CSagwerkDoc;
class IEditorDialoge;
class QAction;
class QMenu;
class QWidget;

// "Editor > Tafeln importieren …" and "Editor > Tafeln exportieren …": boards
// of other communication aids into the open user, and the user's vocabulary
// out as one package (the library in src/austausch does the work).
//
// Importing asks for the file, shows the German summary of what it holds
// and imports only when the carer confirms; the editor is left first (its
// page is committed), the import shows its progress when it is large, and
// the communication screen then shows the new vocabulary. Every question and
// message goes through the dialogs of the document and of the editor, so
// tests script them.
//
// Both commands are for the carer: they are enabled only while the editor
// (behind its password) is on. A child of the main window.
class CTafelMenue : public QObject {
    Q_OBJECT
public:
    // `dialoge` gives the editor's dialogs in use; `verlassen` leaves the
    // editor and says whether it was left.
    CTafelMenue(CSagwerkDoc& doc, QWidget* fenster, std::function<IEditorDialoge&()> dialoge,
                std::function<bool()> verlassen);

    // Adds the two commands to the menu, disabled.
    void Einhaengen(QMenu& menue);
    void SetAktiv(bool aktiv);
    QAction* GetImportAction() const { return m_pImport; }
    QAction* GetExportAction() const { return m_pExport; }

    void Importieren();
    void Exportieren();

    // Imports with more buttons than this show their progress.
    static constexpr long kFortschrittAb = 200;

private:
    CSagwerkDoc& m_doc;
    QWidget* m_pFenster;
    std::function<IEditorDialoge&()> m_dialoge;
    std::function<bool()> m_verlassen;
    QAction* m_pImport = nullptr;
    QAction* m_pExport = nullptr;
};
