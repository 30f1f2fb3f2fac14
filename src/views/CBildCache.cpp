#include "CBildCache.h"

#include <QFileInfo>
#include <QImageReader>
#include <QPixmapCache>

#include "Konvertierung.h"

CBildCache& CBildCache::Instanz() {
    static CBildCache cache;
    return cache;
}

CBildCache::CBild CBildCache::Icon(const QString& pfad) { return Holen(pfad, true); }

CBildCache::CBild CBildCache::Bitmap(const QString& pfad) { return Holen(pfad, false); }

void CBildCache::Leeren() {
    m_eintraege.clear();
    m_nDekodiert = 0;
    QPixmapCache::clear();
}

CBildCache::CBild CBildCache::Holen(const QString& pfad, bool icon) {
    // Icons and bitmaps of one name are different entries: the size rule
    // differs, so the kind is part of the key.
    const QString schluessel = (icon ? QStringLiteral("i:") : QStringLiteral("b:")) + pfad;
    auto it = m_eintraege.find(schluessel);
    // A picture decoded is not looked for again; a file that could not be
    // read is, since it may be there now.
    if (it != m_eintraege.end() && it->generation == m_nGeneration && !it->bild.pixmap.isNull()) {
        return it->bild;
    }
    const QDateTime geaendert = QFileInfo(pfad).lastModified();
    if (it != m_eintraege.end() && it->geaendert == geaendert) {
        it->generation = m_nGeneration;
        return it->bild;
    }

    CEintrag eintrag;
    eintrag.geaendert = geaendert;
    eintrag.generation = m_nGeneration;
    // Only a regular file is read: a pipe named like a picture would hold
    // the program for ever.
    if (!QFileInfo(pfad).isFile()) {
        if (icon) eintrag.bild.natuerlich = QSize(32, 32);
        it = m_eintraege.insert(schluessel, eintrag);
        return it->bild;
    }
    QImageReader leser(pfad);
    // A drawing has no size of its own worth keeping: it is drawn at 256
    // pixels, so the button only ever shrinks it.
    if (leser.format() == "svg") {
        const QSize gross = leser.size().scaled(256, 256, Qt::KeepAspectRatio);
        if (!gross.isEmpty()) leser.setScaledSize(gross);
    }
    // The first image of the file is the one whose size bytes are read.
    const QImage bild = leser.read();
    ++m_nDekodiert;
    if (!bild.isNull()) eintrag.bild.pixmap = QPixmap::fromImage(bild);
    if (icon) {
        const auto [breite, hoehe] = ReadIconSize(pfad.toStdString());
        eintrag.bild.natuerlich = QSize(breite == 0 ? 256 : breite, hoehe == 0 ? 256 : hoehe);
    } else {
        eintrag.bild.natuerlich = bild.size();
    }
    if (m_eintraege.size() > 4000) m_eintraege.clear();  // a bound, never reached in practice
    it = m_eintraege.insert(schluessel, eintrag);
    return it->bild;
}
