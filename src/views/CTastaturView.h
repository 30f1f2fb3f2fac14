#pragma once

#include <QWidget>
#include <array>

#include "Anordnung.h"

class CBildButton;
class CSagwerkDoc;
class CWortzeile;

// The on-screen German keyboard: three rows of letters in QWERTZ order with
// the umlauts, a space bar ("Leertaste") and a delete key ("Löschen"). Each
// press sends one lower-case character to the document's KeyTyped; delete
// sends '<'. With the word prediction on, a row of the words offered lies
// above the keys (a press takes the word, see CSagwerkDoc), and a shift key
// ("Groß") makes the next letter a capital, then lets go by itself.
//
// Owns its 31 keys (as Qt children). The document must outlive the view.
class CTastaturView : public QWidget {
    Q_OBJECT
public:
    CTastaturView(CSagwerkDoc& doc, QWidget* parent = nullptr);

    // Places the keys for the current window size, with the row of words
    // and the shift key when the document's prediction is on. Called when
    // the user (and so the setting) changes; a resize does not move them.
    void CreateKeys();
    // The words offered now into the row.
    void ZeileZeigen();

    CBildButton* GetKey(int i) const { return m_keys.at(static_cast<std::size_t>(i)); }
    CBildButton* GetShiftKey() const { return m_pShift; }
    CWortzeile* GetWortzeile() const { return m_pZeile; }
    bool IsShift() const { return m_bShift; }

private:
    void OnKey(int i);
    void Beschriften(CBildButton* taste, const QRect& feld, const QString& text);

    CSagwerkDoc& m_doc;
    std::array<CBildButton*, anordnung::kTasten> m_keys{};
    CBildButton* m_pShift = nullptr;
    CWortzeile* m_pZeile = nullptr;
    bool m_bShift = false;
};
