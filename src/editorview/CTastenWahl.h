#pragma once

#include <QPushButton>

// A button that names a key and, once clicked, takes the next key pressed
// as the new one: how the carer chooses a switch key by pressing it. Escape
// while it waits keeps the key it had; "Keine" (only where a key may be
// missing) is Delete or Backspace.
class CTastenWahl : public QPushButton {
    Q_OBJECT
public:
    // `ohne`: the key may be none (0).
    CTastenWahl(bool ohne, QWidget* parent = nullptr);

    void SetTaste(int taste);
    int GetTaste() const { return m_nTaste; }
    bool IsWartend() const { return m_bWartend; }
    // The German name of a key code; "keine" for 0.
    static QString Name(int taste);

signals:
    void Gewaehlt(int taste);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void Anzeigen();

    bool m_bOhne;
    bool m_bWartend = false;
    int m_nTaste = 0;
};
