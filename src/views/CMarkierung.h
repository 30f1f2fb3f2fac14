#pragma once

#include <QRect>
#include <QWidget>

// What the person operating without a mouse looks at, drawn over the
// communication screen: a thick frame in a colour no button has (cyan with
// black edges, seen from across a room) around the buttons the highlight
// covers, and for dwell the fill that shows the time running on a button.
// Lets every mouse event through to the buttons below.
class CMarkierung : public QWidget {
    Q_OBJECT
public:
    explicit CMarkierung(QWidget* parent);

    // The rectangle to frame (in the parent's coordinates); empty: none.
    void SetRahmen(const QRect& rahmen);
    // The button being dwelt on and how far its time has run (0 to 1).
    void SetFuellung(const QRect& knopf, double anteil);
    QRect GetRahmen() const { return m_rahmen; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRect m_rahmen;
    QRect m_knopf;
    double m_anteil = 0.0;
};
