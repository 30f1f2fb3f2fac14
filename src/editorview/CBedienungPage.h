#pragma once

#include "CEditorSeite.h"

class CTastenWahl;
class QCheckBox;
class QComboBox;
class QLabel;
class QSlider;

// "Bedienung": how the person operates the communication screen — with the
// mouse, one switch, two switches, by dwelling, with the keyboard or by
// inverse scanning — and what goes with it: the step of the highlight, the
// dwell on a button, how long a switch must stay up before it counts again
// and how long it must be held to count, the extra time on the first item,
// where scanning goes on after a choice, the spoken cue, the two switch keys
// (chosen by pressing them), and whether the screen offers words (the rows
// of the word prediction). The page writes the settings when it is left
// after a change; the screen uses them once the editor is left.
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
    QSlider* GetAnnahmezeit() const { return m_sldAnnahme; }
    QSlider* GetErstzeit() const { return m_sldErst; }
    QComboBox* GetWeiter() const { return m_cmbWeiter; }
    QCheckBox* GetAnsage() const { return m_chkAnsage; }
    CTastenWahl* GetSchalter(int nummer) const { return nummer == 1 ? m_pSchalter1 : m_pSchalter2; }

private:
    QSlider* Regler(int von, int bis, const char* name, QLabel*& echo);
    void Anzeigen();
    void Geaendert();

    bool m_bGeaendert = false;
    QComboBox* m_cmbModus;
    QSlider* m_sldSchritt;
    QSlider* m_sldVerweil;
    QSlider* m_sldEntprell;
    QCheckBox* m_chkWortvorhersage;
    QSlider* m_sldAnnahme;
    QSlider* m_sldErst;
    QComboBox* m_cmbWeiter;
    QCheckBox* m_chkAnsage;
    CTastenWahl* m_pSchalter1;
    CTastenWahl* m_pSchalter2;
    QLabel* m_lblAnnahme = nullptr;
    QLabel* m_lblErst = nullptr;
    QLabel* m_lblSchritt = nullptr;
    QLabel* m_lblVerweil = nullptr;
    QLabel* m_lblEntprell = nullptr;
    QLabel* m_lblHilfe;
};
