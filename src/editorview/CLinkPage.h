#pragma once

#include "CElementSeite.h"

class QComboBox;
class QLabel;
class QLineEdit;

// A word element of kind "Link": a button that leads to another category.
// Display text, picture and the target category, kept in Geg1PersE as "0"
// and the category's Index ("012" for category 12).
//
// Complete when the display text is filled in and the category box names a
// category that exists: a link is never stored without a target. A link in
// the file whose category is gone is shown as such ("führt zu keiner
// Kategorie"); left untouched it is complete as it is, so that the carer can
// go on, change it or delete it.
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
    QLabel* m_lblOhneZiel;
    bool m_bOhneZiel = false;
    bool m_bBearbeitet = false;  // by the carer, since Load
};
