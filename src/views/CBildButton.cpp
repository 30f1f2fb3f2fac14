#include "CBildButton.h"

#include <qdrawutil.h>
#include <QEvent>
#include <QFontInfo>
#include <QFontMetrics>
#include <QPainter>

#include "Anordnung.h"
#include "CBildCache.h"

CBildButton::CBildButton(QWidget* parent) : QAbstractButton(parent) { setFocusPolicy(Qt::NoFocus); }

void CBildButton::SetCaption(const std::string& text) { SetCaption(QString::fromStdString(text)); }

void CBildButton::SetCaption(const QString& text) {
    m_strVoll = text;
    m_nEingepasst = -1;
    update();
}

QString CBildButton::GetCaption() const {
    Einpassen();
    return m_strCaption;
}

void CBildButton::Einpassen() const {
    // A held button's frame takes room from the caption on both sides.
    const int grenze = width() - (m_bHeld ? 16 : 5);
    if (m_nEingepasst == grenze) return;
    m_nEingepasst = grenze;
    m_strCaption = m_strVoll;
    m_schrift = font();
    if (m_nMindestPixel > 0) {
        // Smaller letters before fewer letters, down to the smallest size
        // allowed.
        int pixel = QFontInfo(m_schrift).pixelSize();
        while (pixel > m_nMindestPixel &&
               QFontMetrics(m_schrift).horizontalAdvance(m_strCaption) > grenze) {
            m_schrift.setPixelSize(--pixel);
        }
    }
    const QFontMetrics fm(m_schrift);
    while (!m_strCaption.isEmpty() && fm.horizontalAdvance(m_strCaption) > grenze) {
        // One character is one code point: never leave half a surrogate pair.
        int weg = 1;
        if (m_strCaption.size() >= 2 && m_strCaption.back().isLowSurrogate() &&
            m_strCaption.at(m_strCaption.size() - 2).isHighSurrogate())
            weg = 2;
        m_strCaption.chop(weg);
    }
}

void CBildButton::SetMindestSchrift(int pixel) {
    m_nMindestPixel = pixel;
    m_nEingepasst = -1;
    update();
}

void CBildButton::changeEvent(QEvent* event) {
    // Another font measures differently: fit the caption again.
    if (event->type() == QEvent::FontChange) m_nEingepasst = -1;
    QAbstractButton::changeEvent(event);
}

void CBildButton::SetFillColor(std::uint32_t farbe) {
    m_nFarbe = farbe;
    update();
}

void CBildButton::SetPicture(const std::string& pfad) {
    const QString voll = QString::fromStdString(pfad);
    const QString klein = voll.toLower();
    m_bild = QPixmap();
    m_natuerlich = QSize();
    m_bIcon = false;
    // ".ico" is tested first: a name holding both is an icon.
    if (klein.contains(QLatin1String(".ico"))) {
        const CBildCache::CBild bild = CBildCache::Instanz().Icon(voll);
        m_bild = bild.pixmap;
        m_natuerlich = bild.natuerlich;
        m_bIcon = true;
    } else if (klein.contains(QLatin1String(".bmp")) || klein.endsWith(QLatin1String(".png")) ||
               klein.endsWith(QLatin1String(".jpg")) || klein.endsWith(QLatin1String(".jpeg")) ||
               klein.endsWith(QLatin1String(".svg"))) {
        const CBildCache::CBild bild = CBildCache::Instanz().Bitmap(voll);
        m_bild = bild.pixmap;
        m_natuerlich = bild.natuerlich;
    }
    update();
}

void CBildButton::SetHeld(bool gehalten) {
    if (m_bHeld == gehalten) return;
    m_bHeld = gehalten;
    m_nEingepasst = -1;
    update();
}

QSize CBildButton::Textgroesse() const {
    Einpassen();
    // Measured also for an empty caption, so an empty caption still keeps
    // one line of room at the bottom, as the picture rule expects.
    const QFontMetrics fm(m_schrift);
    return QSize(fm.horizontalAdvance(m_strCaption), fm.height());
}

QRect CBildButton::GetPictureRect() const {
    if (m_bild.isNull()) return QRect();
    return anordnung::BildZiel(size(), Textgroesse().height(), m_natuerlich, m_bIcon);
}

void CBildButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect r = rect();
    const QPalette& pal = palette();
    qDrawWinButton(&p, r, pal, isDown() || m_bHeld, &pal.brush(QPalette::Button));

    if (m_nFarbe != 0) {
        const QColor farbe(static_cast<int>(m_nFarbe & 0xFF),
                           static_cast<int>((m_nFarbe >> 8) & 0xFF),
                           static_cast<int>((m_nFarbe >> 16) & 0xFF));
        p.fillRect(r.adjusted(2, 2, -2, -2), farbe);
    }

    // Latched: a thick dark frame inside the bevel, seen from across a room.
    if (m_bHeld) {
        p.setPen(QPen(QColor(20, 20, 20), 5));
        p.setBrush(Qt::NoBrush);
        p.drawRect(r.adjusted(5, 5, -5, -5));
    }

    const QSize text = Textgroesse();
    if (!m_strCaption.isEmpty()) {
        p.setFont(m_schrift);
        p.setPen(pal.color(QPalette::ButtonText));
        p.drawText(QRect(anordnung::TextPosition(size(), text), text),
                   Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, m_strCaption);
    }

    if (!m_bild.isNull()) {
        const QRect ziel = GetPictureRect();
        if (!ziel.isEmpty()) {
            p.setRenderHint(QPainter::SmoothPixmapTransform);
            p.drawPixmap(ziel, m_bild);
        }
    }
}
