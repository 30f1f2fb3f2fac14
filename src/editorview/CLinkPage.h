#pragma once

#include "CElementSeite.h"

class QComboBox;
class QLineEdit;

// A word element of kind "Link": a button that leads to another category.
// Display text, picture and the target category, kept in Geg1PersE as "0"
// and the category's Index ("012" for category 12).
//
// Complete when the display text is filled in and the category box names a
// category that exists: a link is never stored without a target.
class CLinkPage : public CElementSeite {
    Q_OBJECT
public:
    CLinkPage(CEditorDaten& daten, IDialoge& dialoge, IEditorDialoge& editorDialoge,
              QWidget* parent = nullptr);

    void Load(CWortelement* element) override;
    bool Store() override;

private:
    QLineEdit* m_edtAnzeigetext;
    QComboBox* m_cboKategorie;
};
