#pragma once

#include "CEditorSeite.h"

class QLineEdit;
class QListWidget;
class QPushButton;

// "Kategorie": the categories by name. Selecting one makes it the category
// the word-element page shows; new, delete and rename are written at once,
// so the page has nothing to store when it is left. The start category
// "HOME" is never listed. A delete is asked first (saying how many links lead
// there, which go with it); a name is never empty.
class CKategoriePage : public CEditorSeite {
    Q_OBJECT
public:
    CKategoriePage(CEditorDaten& daten, IDialoge& dialoge, IEditorDialoge& editorDialoge,
                   QWidget* parent = nullptr);

    void Refresh() override;

private:
    void OnGewaehlt();
    void OnNeu();
    void OnLoeschen();
    void OnUmbenennen();

    QListWidget* m_lstKategorien;
    QLineEdit* m_edtName;
};
