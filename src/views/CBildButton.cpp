#include "CBildButton.h"

#include <qdrawutil.h>

#include <algorithm>
#include <cstdlib>
#include <vector>
#include <QEvent>
#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPixmapCache>

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
    m_strCaption = OhneTrennzeichen(m_strVoll);
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
    if (m_nMindestPixel > 0 && QFontMetrics(m_schrift).horizontalAdvance(m_strCaption) > grenze &&
        ZweiZeilen(grenze))
        return;
    const QFontMetrics fm(m_schrift);
    while (!m_strCaption.isEmpty() && fm.horizontalAdvance(m_strCaption) > grenze) {
        // One character is one code point: never leave half a surrogate pair.
        int weg = 1;
        if (m_strCaption.size() >= 2 && m_strCaption.back().isLowSurrogate() &&
            m_strCaption.at(m_strCaption.size() - 2).isHighSurrogate())
            weg = 2;
        m_strCaption.chop(weg);
    }
    // Measured also for an empty caption, so an empty caption still keeps
    // one line of room at the bottom, as the picture rule expects.
    m_textGroesse = QSize(fm.horizontalAdvance(m_strCaption), fm.height());
}

namespace {

// Shown nowhere; where the caption may be hyphenated.
constexpr QChar kWeichesTrennzeichen(0x00AD);

bool IstVokal(QChar c) { return QStringLiteral("aeiouyäöüAEIOUYÄÖÜ").contains(c); }

// Where a word of letters may be hyphenated the German way: between two
// vowels the last consonant begins the next syllable, ch, ck, ph and sch
// going together ("Kran-ken-haus", "schme-cken"); at least two letters on
// either line. Compounds whose second part begins with a vowel
// ("Mittag-essen") need a soft hyphen in the caption.
std::vector<int> Silbengrenzen(const QString& wort) {
    std::vector<int> grenzen;
    const int n = static_cast<int>(wort.size());
    for (int b = 1; b < n; ++b) {
        if (!wort.at(b).isLetter() || !IstVokal(wort.at(b))) continue;
        int a = b;
        while (a > 0 && wort.at(a - 1).isLetter() && !IstVokal(wort.at(a - 1))) --a;
        if (a == b || a == 0 || !IstVokal(wort.at(a - 1))) continue;
        const QString mitte = wort.mid(a, b - a).toLower();
        int k = b - 1;
        if (mitte.endsWith(QLatin1String("sch")))
            k = b - 3;
        else if (mitte.endsWith(QLatin1String("ch")) || mitte.endsWith(QLatin1String("ck")) ||
                 mitte.endsWith(QLatin1String("ph")))
            k = b - 2;
        if (k >= 2 && n - k >= 2) grenzen.push_back(std::max(k, a));
    }
    return grenzen;
}

}  // namespace

QString CBildButton::OhneTrennzeichen(QString text) { return text.remove(kWeichesTrennzeichen); }

bool CBildButton::ZweiZeilen(int grenze) const {
    // "der/die/das" on a narrow button: two whole lines, broken after a
    // slash or at a blank; a single word is hyphenated at a soft hyphen it
    // carries or else between syllables, rather than letters cut off. Of
    // the places, the one whose longer line is shortest.
    struct CBruch {
        QString oben, unten;
    };
    std::vector<CBruch> brueche;
    const QString& voll = m_strVoll;
    for (int i = 1; i + 1 < voll.size(); ++i) {
        if (voll.at(i - 1) == QLatin1Char('/') || voll.at(i) == QLatin1Char(' '))
            brueche.push_back({OhneTrennzeichen(voll.left(i)).trimmed(),
                               OhneTrennzeichen(voll.mid(i)).trimmed()});
    }
    for (int i = 1; brueche.empty() && i + 1 < voll.size(); ++i) {
        if (voll.at(i) == kWeichesTrennzeichen)
            brueche.push_back({OhneTrennzeichen(voll.left(i)) + QLatin1Char('-'),
                               OhneTrennzeichen(voll.mid(i + 1))});
    }
    if (brueche.empty() && !voll.contains(kWeichesTrennzeichen)) {
        for (int k : Silbengrenzen(voll))
            brueche.push_back({voll.left(k) + QLatin1Char('-'), voll.mid(k)});
    }
    if (brueche.empty()) return false;
    QFont schrift = font();
    auto Breite = [&](const CBruch& b) {
        const QFontMetrics fm(schrift);
        return std::max(fm.horizontalAdvance(b.oben), fm.horizontalAdvance(b.unten));
    };
    const CBruch* bester = &brueche.front();
    for (const CBruch& b : brueche)
        if (Breite(b) < Breite(*bester)) bester = &b;
    int pixel = QFontInfo(schrift).pixelSize();
    while (pixel > m_nMindestPixel && Breite(*bester) > grenze) schrift.setPixelSize(--pixel);
    if (Breite(*bester) > grenze) return false;
    m_schrift = schrift;
    m_strCaption = bester->oben + QLatin1Char('\n') + bester->unten;
    m_textGroesse = QSize(Breite(*bester), 2 * QFontMetrics(schrift).height());
    return true;
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

namespace {

enum class Bildart { Keins, Icon, Bitmap };

// The lower-cased name decides; ".ico" is tested first: a name holding both
// is an icon.
Bildart ArtDesBildes(const QString& voll) {
    const QString klein = voll.toLower();
    if (klein.contains(QLatin1String(".ico"))) return Bildart::Icon;
    if (klein.contains(QLatin1String(".bmp")) || klein.endsWith(QLatin1String(".png")) ||
        klein.endsWith(QLatin1String(".jpg")) || klein.endsWith(QLatin1String(".jpeg")) ||
        klein.endsWith(QLatin1String(".svg")))
        return Bildart::Bitmap;
    return Bildart::Keins;
}

}  // namespace

void CBildButton::SetPicture(const std::string& pfad) {
    const QString voll = QString::fromStdString(pfad);
    const Bildart art = ArtDesBildes(voll);
    m_bild = QPixmap();
    m_natuerlich = QSize();
    m_strWartet.clear();
    m_bIcon = art == Bildart::Icon;
    CBildCache& cache = CBildCache::Instanz();
    if (art != Bildart::Keins) {
        if (!cache.IsImHintergrund()) {
            Uebernehmen(m_bIcon ? cache.Icon(voll) : cache.Bitmap(voll));
        } else if (const auto bild = cache.Bereit(voll, m_bIcon)) {
            Uebernehmen(*bild);
        } else {
            // Shown without its picture until the picture has come.
            m_strWartet = voll;
            cache.Anfordern(voll, m_bIcon, this);
        }
    }
    update();
}

bool CBildButton::IsBildBereit(const std::string& pfad) {
    const QString voll = QString::fromStdString(pfad);
    const Bildart art = ArtDesBildes(voll);
    CBildCache& cache = CBildCache::Instanz();
    return art == Bildart::Keins || !cache.IsImHintergrund() ||
           cache.Bereit(voll, art == Bildart::Icon).has_value();
}

void CBildButton::Vorladen(const std::string& pfad) {
    const QString voll = QString::fromStdString(pfad);
    const Bildart art = ArtDesBildes(voll);
    if (art != Bildart::Keins) CBildCache::Instanz().Vorladen(voll, art == Bildart::Icon);
}

void CBildButton::Uebernehmen(const CBildCache::CBild& bild) {
    m_bild = bild.pixmap;
    m_natuerlich = bild.natuerlich;
}

void CBildButton::BildFertig(const QString& pfad, bool icon, const CBildCache::CBild& bild) {
    if (m_strWartet.isEmpty() || pfad != m_strWartet || icon != m_bIcon) return;
    m_strWartet.clear();
    Uebernehmen(bild);
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
    return m_textGroesse;
}

QRect CBildButton::GetPictureRect() const {
    if (m_bild.isNull()) return QRect();
    return anordnung::BildZiel(size(), Textgroesse().height(), m_natuerlich, m_bIcon);
}

void CBildButton::paintEvent(QPaintEvent*) { QPainter(this).drawPixmap(0, 0, Abbild()); }

void CBildButton::Vorzeichnen() const { Abbild(); }

QPixmap CBildButton::Abbild() const {
    // A button looks the same wherever it shows the same thing: drawn once
    // into a pixmap shared by all buttons (a page seen before is copied, not
    // drawn), with the same pixels as drawing it on the button itself.
    const bool gedrueckt = isDown() || m_bHeld;
    const QSize text = Textgroesse();
    const QString schluessel = QStringLiteral("sagwerk-knopf:%1x%2:%3:%4:%5:%6:%7:%8:%9")
                                   .arg(width())
                                   .arg(height())
                                   .arg(static_cast<int>(gedrueckt) + 2 * static_cast<int>(m_bHeld))
                                   .arg(m_nFarbe)
                                   .arg(palette().cacheKey())
                                   .arg(m_bild.cacheKey())
                                   .arg(m_bIcon)
                                   .arg(m_schrift.key(), m_strCaption);
    QPixmap fertig;
    if (!QPixmapCache::find(schluessel, &fertig)) {
        // A 20 x 10 grid fits many times over.
        if (QPixmapCache::cacheLimit() < 64 * 1024) QPixmapCache::setCacheLimit(64 * 1024);
        // The caption and the picture on a copy of the frame.
        QImage bild = Grund(gedrueckt).toImage();
        QPainter p(&bild);
        Inhalt(p, text);
        p.end();
        fertig = QPixmap::fromImage(std::move(bild));
        QPixmapCache::insert(schluessel, fertig);
    }
    return fertig;
}

QPixmap CBildButton::Grund(bool gedrueckt) const {
    // The frame and the fill, the same for every button of a size and
    // colour: drawn once.
    const QString schluessel = QStringLiteral("sagwerk-grund:%1x%2:%3:%4:%5")
                                   .arg(width())
                                   .arg(height())
                                   .arg(static_cast<int>(gedrueckt) + 2 * static_cast<int>(m_bHeld))
                                   .arg(m_nFarbe)
                                   .arg(palette().cacheKey());
    QPixmap grund;
    if (!QPixmapCache::find(schluessel, &grund)) {
        // Opaque like the window it is copied to (the bevel covers every
        // pixel): pictures with soft edges then blend exactly as there. In
        // the form a pixmap keeps an opaque picture, so that it is taken as
        // it is, neither searched for transparent pixels nor converted.
        QImage bild(size(), QImage::Format_RGB32);
        bild.fill(palette().color(QPalette::Button));
        QPainter p(&bild);
        Rahmen(p, gedrueckt);
        p.end();
        grund = QPixmap::fromImage(std::move(bild));
        QPixmapCache::insert(schluessel, grund);
    }
    return grund;
}

void CBildButton::Rahmen(QPainter& p, bool gedrueckt) const {
    const QRect r = rect();
    const QPalette& pal = palette();
    qDrawWinButton(&p, r, pal, gedrueckt, &pal.brush(QPalette::Button));

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
}

void CBildButton::Inhalt(QPainter& p, QSize text) const {
    const QPalette& pal = palette();
    if (!m_strCaption.isEmpty()) {
        p.setFont(m_schrift);
        p.setPen(pal.color(QPalette::ButtonText));
        p.drawText(QRect(anordnung::TextPosition(size(), text), text),
                   m_strCaption.contains(QLatin1Char('\n')) ? Qt::AlignHCenter | Qt::AlignTop
                                                             : Qt::AlignLeft | Qt::AlignTop |
                                                                   Qt::TextSingleLine,
                   m_strCaption);
    }

    if (!m_bild.isNull()) {
        const QRect ziel = GetPictureRect();
        if (!ziel.isEmpty()) {
            p.setRenderHint(QPainter::SmoothPixmapTransform);
            p.drawPixmap(ziel, m_bild);
        }
    }
}
