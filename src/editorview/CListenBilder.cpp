#include "CListenBilder.h"

#include <QListWidget>

#include "CBildButton.h"
#include "CBildCache.h"

namespace {

constexpr int kNachsehenMs = 50;
// A picture that has not come after ten seconds is not waited for.
constexpr int kHoechstensVersuche = 200;

bool IstIcon(const QString& pfad) { return pfad.toLower().contains(QLatin1String(".ico")); }

}  // namespace

CListenBilder::CListenBilder(QListWidget& liste) : QObject(&liste), m_liste(liste) {
    m_liste.setIconSize(QSize(32, 32));
    m_nachsehen.setInterval(kNachsehenMs);
    connect(&m_nachsehen, &QTimer::timeout, this, [this] {
        if (Einsetzen() || ++m_nVersuche > kHoechstensVersuche) m_nachsehen.stop();
    });
}

void CListenBilder::Zeigen(const std::vector<QString>& bilder) {
    m_bilder = bilder;
    m_fertig.assign(bilder.size(), false);
    m_nVersuche = 0;
    for (const QString& b : m_bilder) {
        if (!b.isEmpty()) CBildButton::Vorladen(b.toStdString());
    }
    if (Einsetzen()) {
        m_nachsehen.stop();
    } else if (!m_nachsehen.isActive()) {
        m_nachsehen.start();
    }
}

bool CListenBilder::Einsetzen() {
    CBildCache& cache = CBildCache::Instanz();
    bool alle = true;
    for (std::size_t i = 0; i < m_bilder.size(); ++i) {
        if (m_fertig[i]) continue;
        QListWidgetItem* eintrag = m_liste.item(static_cast<int>(i));
        if (eintrag == nullptr) {
            m_fertig[i] = true;
            continue;
        }
        const QString& pfad = m_bilder[i];
        if (pfad.isEmpty()) {
            eintrag->setIcon(QIcon());
            m_fertig[i] = true;
            continue;
        }
        const bool icon = IstIcon(pfad);
        std::optional<CBildCache::CBild> bild = cache.Bereit(pfad, icon);
        // Without the background (tests, tools) the picture is read here.
        if (!bild && !cache.IsImHintergrund()) bild = icon ? cache.Icon(pfad) : cache.Bitmap(pfad);
        if (!bild) {
            alle = false;
            continue;
        }
        eintrag->setIcon(bild->pixmap.isNull() ? QIcon() : QIcon(bild->pixmap));
        m_fertig[i] = true;
    }
    return alle;
}

int CListenBilder::Wartend() const {
    int n = 0;
    for (std::size_t i = 0; i < m_fertig.size(); ++i) n += m_fertig[i] ? 0 : 1;
    return n;
}
