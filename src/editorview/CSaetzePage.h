#pragma once

#include <cstdint>
#include <vector>

#include "CEditorSeite.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// The sentences the user has said, as the carer keeps them: found by a
// piece of their text, and removed after a question, so that Sagwerk no
// longer suggests them and the word prediction forgets what only they
// taught (a sentence said by mistake, something private).
//
// A removal is written at once, in one transaction of its own; the
// communication screen takes it over when the editor is left. The list
// shows at most kHoechstens sentences; a longer text finds fewer.
class CSaetzePage : public CEditorSeite {
    Q_OBJECT
public:
    static constexpr std::size_t kHoechstens = 500;

    CSaetzePage(CEditorDaten& daten, IDialoge& dialoge, IEditorDialoge& editorDialoge,
                QWidget* parent = nullptr);

    void Refresh() override;

private:
    void OnEntfernen();

    QLineEdit* m_edtSuche;
    QListWidget* m_lstSaetze;
    QLabel* m_lblAnzahl;
    QPushButton* m_btnEntfernen;
    std::vector<std::int64_t> m_nummern;  // per row of the list
};
