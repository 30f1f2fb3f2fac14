#pragma once

#include "CElementSeite.h"

class QLineEdit;

// A word element of kind "Wort": display text, the word that goes into the
// sentence (kept in Geg1PersE), phonetic text and picture. Complete when the
// display text and the word are filled in.
class CWortPage : public CElementSeite {
    Q_OBJECT
public:
    CWortPage(CEditorDaten& daten, IDialoge& dialoge, IEditorDialoge& editorDialoge,
              QWidget* parent = nullptr);

    void Load(CWortelement* element) override;
    bool Store() override;

protected:
    std::string Phonetisch() const override;
    std::string Anzeigetext() const override;

private:
    QLineEdit* m_edtAnzeigetext;
    QLineEdit* m_edtWort;
    QLineEdit* m_edtPhonetisch;
};
