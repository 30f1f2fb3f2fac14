#pragma once

#include <QWidget>
#include <array>

#include "Anordnung.h"

class CBildButton;
class CSagwerkDoc;

// The on-screen German keyboard: three rows of letters in QWERTZ order with
// the umlauts, a space bar ("Leertaste") and a delete key ("Löschen"). Each
// press sends one lower-case character to the document's KeyTyped; delete
// sends '<'.
//
// Owns its 31 keys (as Qt children). The document must outlive the view.
class CTastaturView : public QWidget {
    Q_OBJECT
public:
    CTastaturView(CSagwerkDoc& doc, QWidget* parent = nullptr);

    // Places the keys for the current window size. Called once; a later
    // resize does not move them.
    void CreateKeys();

    CBildButton* GetKey(int i) const { return m_keys.at(static_cast<std::size_t>(i)); }

private:
    void OnKey(int i);

    CSagwerkDoc& m_doc;
    std::array<CBildButton*, anordnung::kTasten> m_keys{};
};
