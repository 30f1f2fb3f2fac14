#pragma once

#include <array>

#include "CElementSeite.h"
#include "CWortelement.h"

class CVerbformen;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

// A word element of kind "Verb": the base form on the button, the phonetic
// text, the picture and the eighteen forms, six persons by three tenses.
// Complete when the base form and the "Ich" present form are filled in.
//
// "Formen vorschlagen" fills the forms from the base form (CVerbformen);
// forms the carer has typed are only overwritten when the carer agrees. The
// check box "Vergangenheit mit „sein“" switches the auxiliary and fills the
// past column anew. A verb the dictionary does not know, or a text that is
// no verb, is said in a line on the page.
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

    // The verb dictionary the proposals come from; without one the button
    // is hidden. Not owned.
    void SetVerbformen(const CVerbformen* verbformen);
    QPushButton* GetVorschlagen() const { return m_btnVorschlagen; }
    QCheckBox* GetMitSein() const { return m_chkSein; }
    QLabel* GetHinweis() const { return m_lblHinweis; }

protected:
    std::string Phonetisch() const override;
    std::string Anzeigetext() const override;

private:
    QLineEdit* m_edtGrundform;
    QLineEdit* m_edtPhonetisch;
    // By the element's slot (present, future, past; see CWortelement).
    std::array<QLineEdit*, CWortelement::kFormen> m_formen{};

    void OnVorschlagen();
    void OnMitSein();
    // Fills the forms of the tenses from `von` to `bis` (0 present, 1 past,
    // 2 future), asking first when that would replace what the carer typed.
    void Fuellen(const std::array<std::string, 18>& formen, int von, int bis);

    const CVerbformen* m_pVerbformen = nullptr;
    QPushButton* m_btnVorschlagen;
    QCheckBox* m_chkSein;
    QLabel* m_lblHinweis;
    std::array<bool, CWortelement::kFormen> m_getippt{};  // by slot, since Load
};
