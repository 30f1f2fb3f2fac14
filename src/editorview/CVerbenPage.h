#pragma once

#include <array>

#include "CElementSeite.h"
#include "CWortelement.h"

class QLineEdit;

// A word element of kind "Verb": the base form on the button, the phonetic
// text, the picture and the eighteen forms, six persons by three tenses.
// Complete when the base form and the "Ich" present form are filled in.
class CVerbenPage : public CElementSeite {
    Q_OBJECT
public:
    CVerbenPage(CEditorDaten& daten, IDialoge& dialoge, IEditorDialoge& editorDialoge,
                QWidget* parent = nullptr);

    void Load(CWortelement* element) override;
    bool Store() override;

    // The edit of tense t (0 present, 1 past, 2 future) and row r (0 "Ich"
    // to 5 "Sie").
    QLineEdit* GetForm(int zeit, int zeile) const;

protected:
    std::string Phonetisch() const override;

private:
    QLineEdit* m_edtGrundform;
    QLineEdit* m_edtPhonetisch;
    // By the element's slot (present, future, past; see CWortelement).
    std::array<QLineEdit*, CWortelement::kFormen> m_formen{};
};
