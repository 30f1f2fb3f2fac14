#pragma once

#include <QWidget>
#include <string>
#include <vector>

class CBildButton;

// A row of up to six word buttons: the words the prediction offers, above
// the keyboard's keys or (with their pictures) above the grid. Buttons
// without a word are hidden. A press says which word was taken.
//
// Owns its buttons (as Qt children).
class CWortzeile : public QWidget {
    Q_OBJECT
public:
    static constexpr int kKnoepfe = 6;
    struct CWort {
        std::string text;
        std::string bild;  // a picture file, or empty
    };

    explicit CWortzeile(std::uint32_t farbe, QWidget* parent = nullptr);
    // Places the buttons for the current size.
    void Anordnen();
    // Shows these words (at most kKnoepfe); the same words again change
    // nothing, so that a row shown on every key costs nothing.
    void Zeigen(const std::vector<CWort>& woerter);
    CBildButton* GetKnopf(int i) const { return m_knoepfe.at(static_cast<std::size_t>(i)); }
    const std::vector<CBildButton*>& GetKnoepfe() const { return m_knoepfe; }

signals:
    void Gewaehlt(int i);

private:
    std::vector<CBildButton*> m_knoepfe;
    std::vector<CWort> m_gezeigt;
};
