#pragma once

#include "CEditorSeite.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QSlider;

// "Bedienung": how the person operates the communication screen — with the
// mouse, one switch, two switches, by dwelling or with the keyboard — and
// the times that go with it: the step of the highlight, the dwell on a
// button and the time within which a second press counts as the first, and
// whether the screen offers words (the rows of the word prediction). The
// page writes the settings when it is left after a change; the screen uses
// them once the editor is left.
class CBedienungPage : public CEditorSeite {
    Q_OBJECT
public:
    CBedienungPage(CEditorDaten& daten, IDialoge& dialoge, IEditorDialoge& editorDialoge,
                   QWidget* parent = nullptr);

    void Refresh() override;
    // Writes the settings when something changed; always true.
    bool Store() override;
    bool OnKillActive() override { return Store(); }
    bool Abschliessen() override { return Store(); }

    QComboBox* GetModus() const { return m_cmbModus; }
    QSlider* GetSchrittzeit() const { return m_sldSchritt; }
    QSlider* GetVerweilzeit() const { return m_sldVerweil; }
    QSlider* GetEntprellzeit() const { return m_sldEntprell; }
    QCheckBox* GetWortvorhersage() const { return m_chkWortvorhersage; }

private:
    QSlider* Regler(int von, int bis, const char* name, QLabel*& echo);
    void Anzeigen();

    bool m_bGeaendert = false;
    QComboBox* m_cmbModus;
    QSlider* m_sldSchritt;
    QSlider* m_sldVerweil;
    QSlider* m_sldEntprell;
    QCheckBox* m_chkWortvorhersage;
    QLabel* m_lblSchritt = nullptr;
    QLabel* m_lblVerweil = nullptr;
    QLabel* m_lblEntprell = nullptr;
    QLabel* m_lblHilfe;
};
