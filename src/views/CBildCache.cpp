#include "CBildCache.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QImageReader>
#include <QPixmapCache>

#include <algorithm>
#include <utility>

#ifdef __linux__
#include <sys/resource.h>
#include <unistd.h>
#endif

#include "CBildButton.h"
#include "Konvertierung.h"

CBildCache& CBildCache::Instanz() {
    static CBildCache cache;
    return cache;
}

CBildCache::CBildCache() {
    // One core stays with the screen; on one core the thread still keeps
    // the decoding out of the click.
    m_pool.setMaxThreadCount(std::max(1, QThread::idealThreadCount() - 1));
    m_sammeln.setSingleShot(true);
    m_sammeln.setInterval(30);
    connect(&m_sammeln, &QTimer::timeout, this, &CBildCache::Uebernehmen);
    m_starten.setSingleShot(true);
    m_starten.setInterval(16);
    connect(&m_starten, &QTimer::timeout, this, &CBildCache::Starten);
}

CBildCache::~CBildCache() { SetImHintergrund(false); }

void CBildCache::SetImHintergrund(bool ja) {
    if (!ja) {
        m_starten.stop();
        m_sammeln.stop();
        m_anstehend.clear();
        m_pool.clear();
        m_pool.waitForDone();
        // What the threads had finished is posted to this object; it is not
        // taken in any more.
        QCoreApplication::removePostedEvents(this, QEvent::MetaCall);
        m_angekommen.clear();
        m_unterwegs.clear();
        m_wartende.clear();
    }
    m_bHintergrund = ja;
}

QString CBildCache::Schluessel(const QString& pfad, bool icon) {
    // Icons and bitmaps of one name are different entries: the size rule
    // differs, so the kind is part of the key.
    return (icon ? QStringLiteral("i:") : QStringLiteral("b:")) + pfad;
}

void CBildCache::Leeren() {
    m_eintraege.clear();
    m_nDekodiert = 0;
    QPixmapCache::clear();
}

std::optional<CBildCache::CBild> CBildCache::Bereit(const QString& pfad, bool icon) {
    auto it = m_eintraege.find(Schluessel(pfad, icon));
    if (it == m_eintraege.end()) return std::nullopt;
    // A picture decoded is not looked for again; a file that could not be
    // read is, since it may be there now.
    if (it->generation == m_nGeneration && !it->bild.pixmap.isNull()) return it->bild;
    if (it->geaendert != QFileInfo(pfad).lastModified()) return std::nullopt;
    it->generation = m_nGeneration;
    return it->bild;
}

CBildCache::CGelesen CBildCache::Lesen(const QString& pfad, bool icon) {
    CGelesen gelesen;
    const QFileInfo info(pfad);
    gelesen.geaendert = info.lastModified();
    // Only a regular file is read: a pipe named like a picture would hold
    // the program for ever.
    if (!info.isFile()) {
        if (icon) gelesen.natuerlich = QSize(32, 32);
        return gelesen;
    }
    QImageReader leser(pfad);
    // A drawing has no size of its own worth keeping: it is drawn at 256
    // pixels, so the button only ever shrinks it.
    if (leser.format() == "svg") {
        const QSize gross = leser.size().scaled(256, 256, Qt::KeepAspectRatio);
        if (!gross.isEmpty()) leser.setScaledSize(gross);
    }
    // The first image of the file is the one whose size bytes are read.
    gelesen.bild = leser.read();
    // In the form a pixmap keeps, so that the screen's thread only takes it.
    if (!gelesen.bild.isNull()) {
        gelesen.bild.convertTo(gelesen.bild.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                              : QImage::Format_RGB32);
    }
    if (icon) {
        const auto [breite, hoehe] = ReadIconSize(pfad.toStdString());
        gelesen.natuerlich = QSize(breite == 0 ? 256 : breite, hoehe == 0 ? 256 : hoehe);
    } else {
        gelesen.natuerlich = gelesen.bild.size();
    }
    gelesen.dekodiert = true;
    return gelesen;
}

CBildCache::CBild CBildCache::Aufnehmen(const QString& schluessel, CGelesen gelesen) {
    CEintrag eintrag;
    eintrag.geaendert = gelesen.geaendert;
    eintrag.generation = m_nGeneration;
    eintrag.bild.natuerlich = gelesen.natuerlich;
    if (gelesen.dekodiert) ++m_nDekodiert;
    if (!gelesen.bild.isNull()) eintrag.bild.pixmap = QPixmap::fromImage(std::move(gelesen.bild));
    if (m_eintraege.size() > 4000) m_eintraege.clear();  // a bound, never reached in practice
    return m_eintraege.insert(schluessel, eintrag)->bild;
}

CBildCache::CBild CBildCache::Holen(const QString& pfad, bool icon) {
    if (std::optional<CBild> bild = Bereit(pfad, icon)) return *bild;
    return Aufnehmen(Schluessel(pfad, icon), Lesen(pfad, icon));
}

namespace {

// The decoding threads give way to the screen's thread: a click is answered
// first, pictures come when a core is free.
void Nachrangig() {
#ifdef __linux__
    thread_local bool gesetzt = false;
    if (gesetzt) return;
    gesetzt = true;
    setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), 10);
#endif
}

}  // namespace

void CBildCache::Einreihen(const QString& pfad, bool icon, int prioritaet) {
    if (!m_bHintergrund) return;
    const QString schluessel = Schluessel(pfad, icon);
    if (m_unterwegs.contains(schluessel) || Bereit(pfad, icon)) return;
    m_unterwegs.insert(schluessel);
    m_anstehend.push_back({schluessel, pfad, icon, prioritaet});
    // The threads start a frame later, once the page is on the screen: where
    // two cores share one (hyper-threading), decoding beside the drawing
    // would slow the drawing down.
    if (!m_starten.isActive()) m_starten.start();
}

void CBildCache::Starten() {
    m_starten.stop();
    for (CAuftrag& a : std::exchange(m_anstehend, {})) {
        m_pool.start(
            [this, a] {
                Nachrangig();
                CGelesen gelesen = Lesen(a.pfad, a.icon);
                QMetaObject::invokeMethod(
                    this,
                    [this, a, gelesen = std::move(gelesen)]() mutable {
                        m_angekommen.push_back({a.schluessel, a.pfad, a.icon, std::move(gelesen)});
                        // Taken in together: a few repaints for a page, not
                        // one per picture.
                        if (!m_sammeln.isActive()) m_sammeln.start();
                    },
                    Qt::QueuedConnection);
            },
            a.prioritaet);
    }
}

void CBildCache::Uebernehmen() {
    m_sammeln.stop();
    for (CAngekommen& a : std::exchange(m_angekommen, {})) {
        m_unterwegs.remove(a.schluessel);
        const CBild bild = Aufnehmen(a.schluessel, std::move(a.gelesen));
        for (const QPointer<CBildButton>& knopf : m_wartende.take(a.schluessel)) {
            if (knopf) knopf->BildFertig(a.pfad, a.icon, bild);
        }
    }
}

void CBildCache::Anfordern(const QString& pfad, bool icon, CBildButton* knopf) {
    m_wartende[Schluessel(pfad, icon)].append(knopf);
    Einreihen(pfad, icon, 1);
}

void CBildCache::WartenAufAlle() {
    Starten();
    m_pool.waitForDone();
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
    Uebernehmen();
}
