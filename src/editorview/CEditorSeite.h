#pragma once

#include <QWidget>
#include <optional>
#include <string>

class CEditorDaten;
class IDialoge;
class IEditorDialoge;

// What every page of the editor shares: the model it shows, the dialogs it
// speaks through, and the page pattern.
//
// Refresh shows the model again; Store copies what the carer typed into the
// current record and is false, copying nothing, while a required field is
// empty. Actions that would leave the current record are guarded: they run
// Store first and are refused with "Der Dialog ist unvollständig
// ausgefüllt." while it fails.
//
// The model and the dialogs are not owned and must outlive the page.
class CEditorSeite : public QWidget {
    Q_OBJECT
public:
    CEditorSeite(CEditorDaten& daten, IDialoge& dialoge, IEditorDialoge& editorDialoge,
                 QWidget* parent = nullptr);

    virtual void Refresh() {}
    virtual bool Store() { return true; }
    // The page comes to the front of the sheet.
    virtual void OnSetActive() { Refresh(); }
    // The page is to be left (another tab, or the editor closes): true
    // allows it. Pages that keep records store and commit them here.
    virtual bool OnKillActive() { return true; }
    // Store and commit what can be, without a message of the page's own (a
    // file that fails reports that itself): two seconds after the carer's
    // last change, and when the editor goes with this page in front. False
    // when the file refused the commit (an incomplete page waits for the
    // carer and is no failure).
    virtual bool Abschliessen() { return true; }
    // Store, and the message when it fails; true when the action may go on.
    bool Bewacht();

signals:
    // The carer changed something on the page that is not written yet: the
    // view writes it two seconds after the last change.
    void Bearbeitet();

protected:
    void Unvollstaendig();
    // The picture choice: the chosen file in the form the user file stores
    // (copied into the user's folder when it lies elsewhere); nothing when
    // the carer cancelled or the file could not be taken.
    std::optional<std::string> BildWaehlen();
    // The question before a delete, "Nein" the default; true for "Ja".
    bool LoeschenFragen(const std::string& frage);

    CEditorDaten& m_daten;
    IDialoge& m_dialoge;
    IEditorDialoge& m_editorDialoge;
};
