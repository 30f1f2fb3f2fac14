#include "CBedienungsSteuerung.h"

#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMouseEvent>
#include <QWidget>
#include <algorithm>
#include <cstdlib>
#include <limits>

#include "CBildButton.h"
#include "CMarkierung.h"

CBedienungsSteuerung::CBedienungsSteuerung(QWidget& flaeche,
                                           std::function<std::vector<CKnopf>()> knoepfe)
    : QObject(&flaeche), m_flaeche(flaeche), m_quelle(std::move(knoepfe)) {
    m_start.start();
    m_uhr = [this] { return m_start.elapsed(); };
    m_pMarkierung = new CMarkierung(&flaeche);
    m_pMarkierung->hide();
    m_takt.setSingleShot(true);
    connect(&m_takt, &QTimer::timeout, this, &CBedienungsSteuerung::Takt);
    // A head or eye pointer moves the system's pointer: looked at 25 times a
    // second, whatever widget it is over.
    m_zeiger.setInterval(40);
    connect(&m_zeiger, &QTimer::timeout, this, &CBedienungsSteuerung::Zeiger);
}

CBedienungsSteuerung::~CBedienungsSteuerung() {
    if (m_bFilter) qApp->removeEventFilter(this);
}

void CBedienungsSteuerung::SetBedienung(const CBedienung& bedienung) {
    m_bedienung = bedienung.Begrenzt();
    m_scanner.SetSchrittzeit(m_bedienung.schrittzeit);
    m_scanner.SetAutomatisch(m_bedienung.modus == CBedienung::EinSchalter);
    m_schalter.SetEntprellzeit(m_bedienung.entprellzeit);
    m_verweilen.SetVerweilzeit(m_bedienung.verweilzeit);
    const bool filter = m_bedienung.modus != CBedienung::Maus;
    if (filter != m_bFilter) {
        if (filter) {
            qApp->installEventFilter(this);
        } else {
            qApp->removeEventFilter(this);
        }
        m_bFilter = filter;
    }
    if (m_bedienung.modus == CBedienung::Verweilen) {
        m_zeiger.start();
    } else {
        m_zeiger.stop();
        m_verweilen.Bewegt(-1, Jetzt());
    }
    m_stand.clear();  // read the buttons again and start over
    m_nFokus = -1;
    Neu();
}

void CBedienungsSteuerung::Neu() {
    std::vector<CKnopf> knoepfe;
    if (m_bedienung.modus != CBedienung::Maus) knoepfe = m_quelle();
    std::vector<std::pair<QRect, int>> stand;
    std::vector<CScanKnopf> scan;
    for (std::size_t i = 0; i < knoepfe.size(); ++i) {
        const QRect ort(knoepfe[i].knopf->mapTo(&m_flaeche, QPoint(0, 0)),
                        knoepfe[i].knopf->size());
        stand.emplace_back(ort, static_cast<int>(knoepfe[i].bereich));
        scan.push_back({static_cast<int>(i), knoepfe[i].bereich, ort.top(), ort.left()});
    }
    if (stand != m_stand || knoepfe.size() != m_knoepfe.size()) {
        // The arrow keys' button and the one dwelt on stay what they are
        // (a button just pressed by dwelling stays pressed while the pointer
        // rests on it), whatever number they have now.
        const QPointer<CBildButton> fokus = Knopf(m_nFokus);
        const QPointer<CBildButton> verweilt = Knopf(m_verweilen.GetZiel());
        m_stand = std::move(stand);
        m_knoepfe.clear();
        for (const CKnopf& k : knoepfe) m_knoepfe.emplace_back(k.knopf);
        m_nFokus = std::max(Nummer(fokus), m_knoepfe.empty() ? -1 : 0);
        if (m_verweilen.GetZiel() >= 0) m_verweilen.Umbenennen(Nummer(verweilt));
        m_scanner.SetAnordnung(CScanner::Gruppen(std::move(scan)), Jetzt());
    }
    Zeigen();
    Planen();
}

CBildButton* CBedienungsSteuerung::Knopf(int id) const {
    if (id < 0 || id >= static_cast<int>(m_knoepfe.size())) return nullptr;
    return m_knoepfe[static_cast<std::size_t>(id)];
}

int CBedienungsSteuerung::Nummer(const CBildButton* knopf) const {
    for (std::size_t i = 0; i < m_knoepfe.size() && knopf != nullptr; ++i)
        if (m_knoepfe[i] == knopf) return static_cast<int>(i);
    return -1;
}

bool CBedienungsSteuerung::Aktiv() const {
    return m_flaeche.isVisible() && QApplication::activeModalWidget() == nullptr &&
           QApplication::activePopupWidget() == nullptr;
}

bool CBedienungsSteuerung::eventFilter(QObject* objekt, QEvent* ereignis) {
    const int modus = m_bedienung.modus;
    if (!Aktiv() || modus == CBedienung::Maus || modus == CBedienung::Verweilen)
        return QObject::eventFilter(objekt, ereignis);
    const QEvent::Type art = ereignis->type();
    if (art == QEvent::KeyPress || art == QEvent::KeyRelease) {
        const auto* taste = static_cast<QKeyEvent*>(ereignis);
        // Alt and the menu's letters stay with the menu bar, and so do the
        // keys while Alt has put it in charge.
        if ((taste->modifiers() & (Qt::AltModifier | Qt::ControlModifier)) ||
            qobject_cast<QMenuBar*>(QApplication::focusWidget()) != nullptr)
            return QObject::eventFilter(objekt, ereignis);
        const int k = taste->key();
        const bool schalter = k == Qt::Key_Space || k == Qt::Key_Return || k == Qt::Key_Enter;
        const bool pfeil =
            k == Qt::Key_Left || k == Qt::Key_Right || k == Qt::Key_Up || k == Qt::Key_Down;
        if (!schalter && !(pfeil && modus == CBedienung::Tastatur))
            return QObject::eventFilter(objekt, ereignis);
        if (art == QEvent::KeyRelease) {
            m_schalter.Hoch(k, Jetzt());
            return true;
        }
        if (pfeil) {
            Pfeil(k == Qt::Key_Left    ? -1
                  : k == Qt::Key_Right ? 1
                                       : 0,
                  k == Qt::Key_Up     ? -1
                  : k == Qt::Key_Down ? 1
                                      : 0);
            return true;
        }
        for (const CSchalter::CMeldung& m : m_schalter.Runter(k, Jetzt()))
            if (m.art == CSchalter::Art::Gedrueckt)
                Schalten(m.schalter == Qt::Key_Space && modus == CBedienung::ZweiSchalter ? Schritt
                                                                                           : Auswahl);
        return true;
    }
    if ((art == QEvent::MouseButtonPress || art == QEvent::MouseButtonRelease ||
         art == QEvent::MouseButtonDblClick) &&
        static_cast<QMouseEvent*>(ereignis)->button() == Qt::RightButton) {
        // The events of one click reach the filter once per widget on their
        // way up: only those of the widget that got them count.
        if (!objekt->isWidgetType()) return QObject::eventFilter(objekt, ereignis);
        if (art == QEvent::MouseButtonRelease) {
            m_schalter.Hoch(Qt::RightButton, Jetzt());
        } else {
            for (const CSchalter::CMeldung& m : m_schalter.Runter(Qt::RightButton, Jetzt()))
                if (m.art == CSchalter::Art::Gedrueckt) Schalten(Auswahl);
        }
        return true;
    }
    return QObject::eventFilter(objekt, ereignis);
}

void CBedienungsSteuerung::Schalten(int schalter) {
    Neu();  // what is highlighted is what the screen shows now
    const long long jetzt = Jetzt();
    if (m_bedienung.modus == CBedienung::Tastatur) {
        Druecken(m_nFokus);
        return;
    }
    if (schalter == Schritt) {
        m_scanner.Schritt(jetzt);
    } else {
        Druecken(m_scanner.Waehlen(jetzt));
    }
    Zeigen();
    Planen();
}

void CBedienungsSteuerung::Druecken(int id) {
    CBildButton* knopf = Knopf(id);
    if (knopf == nullptr || !knopf->isVisible()) return;
    knopf->click();
    // The press may have changed the screen (another page, the keyboard).
    Neu();
}

void CBedienungsSteuerung::Pfeil(int dx, int dy) {
    Neu();
    if (m_knoepfe.empty()) return;
    // The nearest button in that direction, the way along it counting less
    // than the way across.
    const QPoint von = Ort(m_nFokus).center();
    int beste = -1;
    long long besteWeite = std::numeric_limits<long long>::max();
    for (int i = 0; i < static_cast<int>(m_knoepfe.size()); ++i) {
        if (i == m_nFokus) continue;
        const QPoint d = Ort(i).center() - von;
        const long long entlang = dx != 0 ? d.x() * dx : d.y() * dy;
        const long long quer = std::abs(dx != 0 ? d.y() : d.x());
        if (entlang <= 0) continue;
        const long long weite = entlang + 3 * quer;
        if (weite < besteWeite) {
            besteWeite = weite;
            beste = i;
        }
    }
    if (beste >= 0) m_nFokus = beste;
    Zeigen();
}

void CBedienungsSteuerung::Zeiger() {
    if (!Aktiv()) {
        m_verweilen.Bewegt(-1, Jetzt());
        m_pMarkierung->SetFuellung({}, 0.0);
        return;
    }
    // The button under the pointer, if it is one of the screen's.
    int ziel = -1;
    for (QWidget* w = QApplication::widgetAt(QCursor::pos()); w != nullptr && ziel < 0;
         w = w->parentWidget()) {
        ziel = Nummer(qobject_cast<CBildButton*>(w));
    }
    m_verweilen.Bewegt(ziel, Jetzt());
    Takt();
    Zeigen();
}

void CBedienungsSteuerung::Takt() {
    const long long jetzt = Jetzt();
    if (m_bedienung.modus == CBedienung::Verweilen) {
        const int id = m_verweilen.Takt(jetzt);
        if (id >= 0) Druecken(id);
    } else if (m_scanner.Takt(jetzt)) {
        Zeigen();
    }
    Planen();
}

void CBedienungsSteuerung::Planen() {
    const long long faellig = m_scanner.Faellig();
    if (m_bedienung.modus != CBedienung::EinSchalter || faellig < 0) {
        m_takt.stop();
        return;
    }
    m_takt.start(static_cast<int>(std::max<long long>(faellig - Jetzt(), 0)));
}

QRect CBedienungsSteuerung::Ort(int id) const {
    if (id < 0 || id >= static_cast<int>(m_stand.size())) return {};
    return m_stand[static_cast<std::size_t>(id)].first;
}

std::vector<int> CBedienungsSteuerung::Markiert() const {
    switch (m_bedienung.modus) {
        case CBedienung::EinSchalter:
        case CBedienung::ZweiSchalter:
            return m_scanner.Markiert();
        case CBedienung::Tastatur:
            return {m_nFokus};
        default:
            return {};
    }
}

std::vector<CBildButton*> CBedienungsSteuerung::GetMarkiert() const {
    std::vector<CBildButton*> knoepfe;
    for (const int id : Markiert())
        if (CBildButton* k = Knopf(id)) knoepfe.push_back(k);
    return knoepfe;
}

void CBedienungsSteuerung::Zeigen() {
    const int modus = m_bedienung.modus;
    if (modus == CBedienung::Maus) {
        m_pMarkierung->hide();
        return;
    }
    m_pMarkierung->setGeometry(m_flaeche.rect());
    m_pMarkierung->raise();
    m_pMarkierung->show();
    QRect rahmen;
    if (modus == CBedienung::Verweilen) {
        rahmen = Ort(m_verweilen.GetZiel());
        m_pMarkierung->SetFuellung(rahmen, m_verweilen.Fortschritt(Jetzt()));
    }
    for (const int id : Markiert()) rahmen |= Ort(id);
    m_pMarkierung->SetRahmen(rahmen);
}
