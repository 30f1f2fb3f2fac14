#include "CMarkierung.h"

#include <QPainter>

namespace {
constexpr int kBreite = 8;  // of the frame, black edges included
}

CMarkierung::CMarkierung(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
}

void CMarkierung::SetRahmen(const QRect& rahmen) {
    if (rahmen == m_rahmen) return;
    // What the old frame covered is drawn again as well.
    update(m_rahmen.adjusted(-kBreite, -kBreite, kBreite, kBreite));
    m_rahmen = rahmen;
    update(m_rahmen.adjusted(-kBreite, -kBreite, kBreite, kBreite));
}

void CMarkierung::SetFuellung(const QRect& knopf, double anteil) {
    if (knopf == m_knopf && anteil == m_anteil) return;
    update(m_knopf);
    m_knopf = knopf;
    m_anteil = anteil;
    update(m_knopf);
}

void CMarkierung::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (!m_knopf.isEmpty() && m_anteil > 0.0) {
        // Rising from the bottom edge, dark enough to be seen on every fill
        // colour, light enough to keep the picture in sight.
        const int hoehe = static_cast<int>(m_knopf.height() * m_anteil);
        p.fillRect(QRect(m_knopf.left(), m_knopf.bottom() - hoehe + 1, m_knopf.width(), hoehe),
                   QColor(0, 0, 0, 110));
    }
    if (m_rahmen.isEmpty()) return;
    const QRect r = m_rahmen.adjusted(-kBreite / 2, -kBreite / 2, kBreite / 2, kBreite / 2);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::black, kBreite, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.drawRect(r);
    p.setPen(QPen(QColor(0, 255, 255), kBreite - 4, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.drawRect(r);
}
