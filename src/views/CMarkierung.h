#pragma once

#include <QRect>
#include <QWidget>

// What the person operating without a mouse looks at, drawn over the
// communication screen (or a window): a frame around what the highlight
// covers, and for dwell the fill that shows the time running on a button.
// Lets every mouse event through to the buttons below.
//
// Each level has a frame of its own, told apart by colour, width and line
// (also without colour vision): a group thin and cyan, a row thick and
// yellow, a button thickest and orange with a white inner line, and the step
// out of a group or row dashed, with the word "zurück" on it.
class CMarkierung : public QWidget {
    Q_OBJECT
public:
    enum class Stufe { Gruppe, Zeile, Knopf, Zurueck };

    explicit CMarkierung(QWidget* parent);

    // The rectangle to frame (in the parent's coordinates); empty: none.
    void SetRahmen(const QRect& rahmen, Stufe stufe = Stufe::Gruppe);
    // The button being dwelt on and how far its time has run (0 to 1).
    void SetFuellung(const QRect& knopf, double anteil);
    QRect GetRahmen() const { return m_rahmen; }
    Stufe GetStufe() const { return m_stufe; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRect m_rahmen;
    Stufe m_stufe = Stufe::Gruppe;
    QRect m_knopf;
    double m_anteil = 0.0;
};
