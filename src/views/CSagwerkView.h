#pragma once

#include <QModelIndex>
#include <QRect>
#include <QWidget>
#include <array>
#include <vector>

#include "Anordnung.h"
#include "CBedienungsSteuerung.h"
#include "ISagwerkBeobachter.h"

class CBildButton;
class CButtonsView;
class CSagwerkDoc;
class CTastaturView;
class CWortzeile;
class QLineEdit;
class QListView;
class CVorschlagModell;

// The communication screen: sentence field, suggestion list, up, down and
// "Sprechen", up to sixteen function buttons on the left, the emotion
// buttons along the top, and in the middle the grid or the keyboard. With
// the user's word prediction on, the row "Wortvorschläge" lies above the
// grid, which gives up one row's height for it (see anordnung::MitWortzeile).
//
// Observes the document and rebuilds what it shows from the document's state
// on every update; it keeps no sentence or selection of its own. All
// positions come from the desktop rectangle given at construction.
//
// Owns its controls and child views (as Qt children). The document must
// outlive the view; the view unregisters itself when it goes.
class CSagwerkView : public QWidget, public ISagwerkBeobachter {
    Q_OBJECT
public:
    CSagwerkView(CSagwerkDoc& doc, const QRect& desktop, QWidget* parent = nullptr);
    ~CSagwerkView() override;

    // The first update (which lets the document open a user), then the keys.
    void OnInitialUpdate();
    void OnUpdate() override;

    // For the frame and for tests.
    CButtonsView* GetButtonsView() const { return m_pButtonsView; }
    CTastaturView* GetKeyboardView() const { return m_pKeyboardView; }
    CWortzeile* GetWortzeile() const { return m_pWortzeile; }
    QLineEdit* GetSentenceField() const { return m_edtSentence; }
    QListView* GetSuggestionList() const { return m_lstSuggest; }
    CBildButton* GetUpButton() const { return m_btnUp; }
    CBildButton* GetDownButton() const { return m_btnDown; }
    CBildButton* GetSpeakButton() const { return m_btnSpeak; }
    CBedienungsSteuerung* GetBedienung() const { return m_pBedienung; }
    // The shown function button with this function code, or null.
    CBildButton* GetFunctionButton(long code) const;
    const std::vector<CBildButton*>& GetEmotionButtons() const { return m_emotionButtons; }
    // Auditory scanning: the cue voice says what the highlight arrived on
    // (also for the user selection, before a user is open).
    void Ansagen(const QString& text);

private:
    struct CFunktionsKnopf {
        CBildButton* knopf = nullptr;
        long code = -1;  // -1: no row, hidden
        QString anzeige;  // the caption as stored
    };
    void BuildFunctionButtons();
    // An article, plural or case latch shown as the document has it.
    void LatchZeigen(const CFunktionsKnopf& f);
    // The grid and its row of words as the user's setting wants them.
    void RasterAnordnen();
    void WortzeileZeigen();
    void BuildEmotionButtons();
    void OnFunction(std::size_t platz);
    void OnEmotion(int platz);
    void AuswahlZeigen();
    std::vector<CBedienungsSteuerung::CKnopf> SichtbareKnoepfe() const;
    // The document's selection in the list, without scrolling; the row.
    QModelIndex AuswahlAngleichen();

    CSagwerkDoc& m_doc;
    QRect m_desktop;
    anordnung::CHauptansicht m_layout;
    QLineEdit* m_edtSentence = nullptr;
    QListView* m_lstSuggest = nullptr;
    CBedienungsSteuerung* m_pBedienung = nullptr;
    bool m_bAnsageZuletzt = false;  // the engine's last text was a cue
    int m_nObenVorher = 0;  // the list's top row before its window moved
    CVorschlagModell* m_pVorschlaege = nullptr;
    CBildButton* m_btnUp = nullptr;
    CBildButton* m_btnDown = nullptr;
    CBildButton* m_btnSpeak = nullptr;
    std::array<CFunktionsKnopf, 20> m_functionButtons{};
    std::vector<CBildButton*> m_emotionButtons;
    CTastaturView* m_pKeyboardView = nullptr;
    CButtonsView* m_pButtonsView = nullptr;
    CWortzeile* m_pWortzeile = nullptr;
};
