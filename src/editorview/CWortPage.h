#pragma once

#include <array>

#include "CElementSeite.h"
#include "CNomen.h"

class QComboBox;
class QLabel;
class QLineEdit;

// A word element of kind "Wort": display text, the word that goes into the
// sentence (kept in Geg1PersE), phonetic text and picture. Complete when the
// display text and the word are filled in.
//
// A word may be a noun: its gender ("Nomen:") and its eight forms (cases in
// rows, singular and plural in columns), which the sentence takes when an
// article is latched. "Formen vorschlagen" fills them from the noun
// dictionary (CNomenformen); a noun it lacks gets empty forms and a note,
// never a guess.
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

    QComboBox* GetGeschlecht() const { return m_cmbGeschlecht; }
    QLineEdit* GetNomenform(int slot) const { return m_nomenformen[static_cast<std::size_t>(slot)]; }
    QLabel* GetNomenHinweis() const { return m_lblNomen; }

private:
    void OnNomenVorschlagen();

    QComboBox* m_cmbGeschlecht;
    std::array<QLineEdit*, CNomen::kFormen> m_nomenformen{};
    QLabel* m_lblNomen;
    QLineEdit* m_edtAnzeigetext;
    QLineEdit* m_edtWort;
    QLineEdit* m_edtPhonetisch;
};
