#pragma once

#include "CEditorSeite.h"

class QLineEdit;
class QSlider;

// "Benutzerdaten": the user's names and password, the size of the grid and
// the voice. Nothing is required; the page writes the user record when it
// is left after a change, and the communication screen then uses the new
// settings. "Test" speaks with the sliders' speed and pitch at once.
class CBenutzerPage : public CEditorSeite {
    Q_OBJECT
public:
    CBenutzerPage(CEditorDaten& daten, IDialoge& dialoge, IEditorDialoge& editorDialoge,
                  QWidget* parent = nullptr);

    void Refresh() override;
    // Writes the page into the user record and the file, when something
    // changed; false when the file could not take it (the page then stays
    // changed and may not be left).
    bool Store() override;
    bool OnKillActive() override { return Store(); }
    bool Abschliessen() override { return Store(); }

    bool IsChanged() const { return m_bGeaendert; }
    QSlider* GetZeilen() const { return m_sldZeilen; }
    QSlider* GetSpalten() const { return m_sldSpalten; }
    QSlider* GetSpeed() const { return m_sldSpeed; }
    QSlider* GetPitch() const { return m_sldPitch; }

private:
    QSlider* Regler(int von, int bis, int schritt, const char* name, QLineEdit*& echo);
    void OnRegler();
    void OnTest();

    bool m_bGeaendert = false;
    QLineEdit* m_edtName;
    QLineEdit* m_edtVorname;
    QLineEdit* m_edtPasswort;
    QSlider* m_sldZeilen;
    QSlider* m_sldSpalten;
    QSlider* m_sldSpeed;
    QSlider* m_sldPitch;
    QLineEdit* m_edtZeilen = nullptr;
    QLineEdit* m_edtSpalten = nullptr;
    QLineEdit* m_edtSpeed = nullptr;
    QLineEdit* m_edtPitch = nullptr;
};
