#pragma once

#include <string>

#include "CEditorSeite.h"

class CBildButton;
class CListenBilder;
class CPiktogrammWahl;
class QLineEdit;
class QListWidget;

// "Funktionsbuttons": the person, tense and command buttons of the
// communication screen. Their set is fixed by the user file: the carer
// reorders them and changes display text, word and picture; the function
// itself is only described. The "Wort:" edit is open for the person buttons
// alone. Complete when the display text is filled in; leaving commits.
class CFunktionsPage : public CEditorSeite {
    Q_OBJECT
public:
    CFunktionsPage(CEditorDaten& daten, IDialoge& dialoge, IEditorDialoge& editorDialoge,
                   QWidget* parent = nullptr);

    void Refresh() override;
    bool Store() override;
    bool OnKillActive() override;
    bool Abschliessen() override;

    // The description of a function code and its preview colour; empty and
    // 0 (no fill) for a code the program does not know.
    static std::string Beschreibung(long code);
    static std::uint32_t Farbe(long code);

    CBildButton* GetVorschau() const { return m_pVorschau; }

private:
    void ListeZeigen();
    void OnGewaehlt(int zeile);
    void OnVerschieben(bool hoch);
    void OnBildWaehlen();
    void BildSetzen(const std::string& bild);
    void Geaendert();

    CPiktogrammWahl* m_pBildSuche;
    CListenBilder* m_pListenBilder;
    std::string m_strBild;
    QListWidget* m_lstFunktionen;
    QLineEdit* m_edtAnzeigetext;
    QLineEdit* m_edtWort;
    QLineEdit* m_edtBeschreibung;
    CBildButton* m_pVorschau;
};
