#include "CMarkierung.h"

#include <QPainter>

namespace {
constexpr int kRand = 16;  // the widest frame reaches this far out, its label included

int Breite(CMarkierung::Stufe stufe) {
    switch (stufe) {
        case CMarkierung::Stufe::Gruppe:
            return 6;
        case CMarkierung::Stufe::Zeile:
            return 10;
        case CMarkierung::Stufe::Knopf:
            return 14;
        case CMarkierung::Stufe::Zurueck:
            return 8;
    }
    return 8;
}
}  // namespace

CMarkierung::CMarkierung(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
}

void CMarkierung::SetRahmen(const QRect& rahmen, Stufe stufe) {
    if (rahmen == m_rahmen && stufe == m_stufe) return;
    // What the old frame covered is drawn again as well.
    update(m_rahmen.adjusted(-kRand, -kRand - 30, kRand, kRand));
    m_rahmen = rahmen;
    m_stufe = stufe;
    update(m_rahmen.adjusted(-kRand, -kRand - 30, kRand, kRand));
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
    const int breite = Breite(m_stufe);
    const QRect r = m_rahmen.adjusted(-breite / 2, -breite / 2, breite / 2, breite / 2);
    p.setBrush(Qt::NoBrush);
    // Black edges first: every frame is seen on every fill colour.
    p.setPen(QPen(Qt::black, breite, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.drawRect(r);
    switch (m_stufe) {
        case Stufe::Gruppe:
            p.setPen(QPen(QColor(0, 255, 255), breite - 4, Qt::SolidLine, Qt::SquareCap,
                          Qt::MiterJoin));
            p.drawRect(r);
            break;
        case Stufe::Zeile:
            p.setPen(QPen(QColor(255, 230, 0), breite - 4, Qt::SolidLine, Qt::SquareCap,
                          Qt::MiterJoin));
            p.drawRect(r);
            break;
        case Stufe::Knopf:
            p.setPen(QPen(QColor(255, 120, 0), breite - 4, Qt::SolidLine, Qt::SquareCap,
                          Qt::MiterJoin));
            p.drawRect(r);
            p.setPen(QPen(Qt::white, 2));
            p.drawRect(m_rahmen.adjusted(2, 2, -3, -3));
            break;
        case Stufe::Zurueck: {
            p.setPen(QPen(Qt::white, breite - 4, Qt::DashLine, Qt::FlatCap, Qt::MiterJoin));
            p.drawRect(r);
            // The label sits on the frame's top edge, inside the screen.
            QFont schrift = p.font();
            schrift.setPixelSize(18);
            schrift.setBold(true);
            p.setFont(schrift);
            const QString text = QStringLiteral("\u25C0 zurück");
            QRect schild = p.fontMetrics().boundingRect(text).adjusted(-8, -4, 8, 4);
            schild.moveTopLeft(QPoint(r.left(), std::max(0, r.top() - schild.height() / 2)));
            p.fillRect(schild, Qt::black);
            p.setPen(Qt::white);
            p.drawText(schild, Qt::AlignCenter, text);
            break;
        }
    }
}
