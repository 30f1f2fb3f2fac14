#pragma once

#include <string>

#include "CEditorSeite.h"

class CBildButton;
class CListenBilder;
class CPiktogrammWahl;
class QLineEdit;
class QListWidget;

// "Emotionsbuttons": the buttons along the top of the communication screen
// that speak a short expression at once ("Ich muss auf die Toilette.",
// "Aua!"). The carer creates, deletes and reorders them and edits caption,
// spoken text and picture (a file, or found by a word); the preview speaks as
// the button would. Complete
// when both texts are filled in; leaving commits.
//
// The list is shown when the sheet is built and after each change the
// model reports; coming to the front does not show it again.
class CEmotionsPage : public CEditorSeite {
    Q_OBJECT
public:
    CEmotionsPage(CEditorDaten& daten, IDialoge& dialoge, IEditorDialoge& editorDialoge,
                  QWidget* parent = nullptr);

    void Refresh() override;
    bool Store() override;
    void OnSetActive() override {}
    bool OnKillActive() override;
    bool Abschliessen() override;

    CBildButton* GetVorschau() const { return m_pVorschau; }
    CPiktogrammWahl* GetBildSuche() const { return m_pBildSuche; }

private:
    void ListeZeigen();
    void OnGewaehlt(int zeile);
    void OnVerschieben(bool hoch);
    void OnNeu();
    void OnLoeschen();
    void OnBildWaehlen();
    void BildSetzen(const std::string& bild);
    void Geaendert();

    std::string m_strBild;
    QListWidget* m_lstEmotionen;
    QLineEdit* m_edtAnzeigetext;
    QLineEdit* m_edtPhonetisch;
    CBildButton* m_pVorschau;
    CPiktogrammWahl* m_pBildSuche;
    CListenBilder* m_pListenBilder;
};
