#include "CBedienungsSteuerung.h"

#include <QAbstractButton>
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

namespace {

const char* Bereichsname(int bereich) {
    switch (bereich) {
        case CScanKnopf::Hinweis:
            return "Hinweis";
        case CScanKnopf::Wortvorschlaege:
            return "Wortvorschläge";
        case CScanKnopf::Emotionen:
            return "Gefühle";
        case CScanKnopf::Funktionen:
            return "Funktionen";
        case CScanKnopf::Raster:
            return "Wörter";
        case CScanKnopf::Tastatur:
            return "Tastatur";
        case CScanKnopf::Sprechen:
            return "Sprechen";
        case CScanKnopf::Satz:
            return "Sätze";
        default:
            return "";
    }
}

bool Scannt(int modus) {
    return modus == CBedienung::EinSchalter || modus == CBedienung::ZweiSchalter ||
           modus == CBedienung::Invers;
}

}  // namespace

CBedienungsSteuerung::CBedienungsSteuerung(QWidget& flaeche,
                                           std::function<std::vector<CKnopf>()> knoepfe)
    : QObject(&flaeche), m_flaeche(flaeche) {
    m_start.start();
    m_uhr = [this] { return m_start.elapsed(); };
    m_bildschirm.quelle = std::move(knoepfe);
    m_takt.setSingleShot(true);
    connect(&m_takt, &QTimer::timeout, this, &CBedienungsSteuerung::Takt);
    // A head or eye pointer moves the system's pointer: looked at 25 times a
    // second, whatever widget it is over.
    m_zeiger.setInterval(40);
    connect(&m_zeiger, &QTimer::timeout, this, &CBedienungsSteuerung::Zeiger);
    // Windows and the notice line come and go without telling the screen.
    m_waechter.setInterval(250);
    connect(&m_waechter, &QTimer::timeout, this, [this] {
        if (Aktiv()) Neu();
    });
}

CBedienungsSteuerung::~CBedienungsSteuerung() {
    if (m_bFilter) qApp->removeEventFilter(this);
    if (m_pFenster && m_pFenster->markierung) delete m_pFenster->markierung;
}

std::vector<CBedienungsSteuerung::CKnopf> CBedienungsSteuerung::Fensterknoepfe(QWidget& fenster) {
    std::vector<CKnopf> knoepfe;
    for (QAbstractButton* k : fenster.findChildren<QAbstractButton*>()) {
        if (k->window() != &fenster || !k->isVisibleTo(&fenster) || !k->isEnabled() ||
            k->property("sagwerkOhneSchalter").toBool())
            continue;
        knoepfe.push_back(CKnopf::Fuer(k, CScanKnopf::Raster));
    }
    return knoepfe;
}

void CBedienungsSteuerung::Einstellen(CScanner& scanner) const {
    scanner.SetSchrittzeit(m_bedienung.schrittzeit);
    scanner.SetErstzeit(m_bedienung.erstzeit);
    scanner.SetAutomatisch(m_bedienung.modus == CBedienung::EinSchalter, Jetzt());
}

void CBedienungsSteuerung::SetBedienung(const CBedienung& bedienung) {
    m_bedienung = bedienung.Begrenzt();
    Einstellen(m_bildschirm.scanner);
    if (m_pFenster) Einstellen(m_pFenster->scanner);
    m_schalter.SetEntprellzeit(m_bedienung.entprellzeit);
    m_schalter.SetAnnahmezeit(m_bedienung.annahmezeit);
    m_schalter.Vergessen();
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
    if (filter) {
        m_waechter.start();
    } else {
        m_waechter.stop();
    }
    if (m_bedienung.modus == CBedienung::Verweilen) {
        if (!m_zeiger.isActive()) m_verweilen.Ruhen();
        m_zeiger.start();
    } else {
        m_zeiger.stop();
        m_verweilen.Bewegt(-1, Jetzt());
    }
    // Read the buttons again and start over.
    m_bildschirm.stand.clear();
    m_bildschirm.fokus = -1;
    if (m_pFenster) {
        m_pFenster->stand.clear();
        m_pFenster->fokus = -1;
    }
    Neu();
}

void CBedienungsSteuerung::Neu() {
    Wechseln();
    Auffrischen();
}

void CBedienungsSteuerung::Auffrischen() {
    Lesen(m_bildschirm);
    if (m_pFenster) Lesen(*m_pFenster);
    Zeigen();
    Planen();
}

void CBedienungsSteuerung::Lesen(CFlaeche& f) {
    if (&f == &m_bildschirm) f.wurzel = m_flaeche.window();
    std::vector<CKnopf> knoepfe;
    if (m_bedienung.modus != CBedienung::Maus && f.wurzel) knoepfe = f.quelle();
    std::vector<std::pair<QRect, int>> stand;
    std::vector<CScanKnopf> scan;
    for (std::size_t i = 0; i < knoepfe.size(); ++i) {
        const CKnopf& k = knoepfe[i];
        QWidget* w = k.knopf != nullptr ? static_cast<QWidget*>(k.knopf) : k.auf;
        if (w == nullptr || f.wurzel.isNull() || !(w == f.wurzel || f.wurzel->isAncestorOf(w)))
            continue;
        const QRect rechteck = k.knopf != nullptr ? QRect(QPoint(0, 0), w->size()) : k.rechteck;
        const QRect ort(w->mapTo(f.wurzel, rechteck.topLeft()), rechteck.size());
        stand.emplace_back(ort, static_cast<int>(k.bereich) * 100000 + k.reihe);
        scan.push_back({static_cast<int>(scan.size()), k.bereich, k.reihe >= 0 ? k.reihe : ort.top(),
                        ort.left()});
        knoepfe[scan.size() - 1] = k;
    }
    knoepfe.resize(scan.size());
    if (stand == f.stand && knoepfe.size() == f.knoepfe.size()) {
        // The same places: what choosing them does may be new (another
        // sentence in the same row of the list).
        f.knoepfe = std::move(knoepfe);
        return;
    }
    // The arrow keys' button and the one dwelt on stay what they are
    // (a button just pressed by dwelling stays pressed while the pointer
    // rests on it), whatever number they have now.
    const auto ziel = [&](int id) -> QPointer<QWidget> {
        if (!Gueltig(f, id)) return nullptr;
        return f.lebt[static_cast<std::size_t>(id)];
    };
    const QPointer<QWidget> fokus = ziel(f.fokus);
    const QPointer<QWidget> verweilt = &f == &F() ? ziel(m_verweilen.GetZiel()) : nullptr;
    f.stand = std::move(stand);
    f.knoepfe = std::move(knoepfe);
    f.lebt.clear();
    for (const CKnopf& k : f.knoepfe)
        f.lebt.emplace_back(k.knopf != nullptr ? static_cast<QWidget*>(k.knopf) : k.auf);
    const auto nummer = [&](const QWidget* w) {
        for (std::size_t i = 0; i < f.knoepfe.size() && w != nullptr; ++i)
            if (f.knoepfe[i].knopf == w) return static_cast<int>(i);
        return -1;
    };
    f.fokus = std::max(nummer(fokus), f.knoepfe.empty() ? -1 : 0);
    if (&f == &F() && m_verweilen.GetZiel() >= 0) m_verweilen.Umbenennen(nummer(verweilt));
    f.scanner.SetAnordnung(CScanner::Gruppen(std::move(scan)), Jetzt());
}

bool CBedienungsSteuerung::Gueltig(const CFlaeche& f, int id) const {
    return id >= 0 && id < static_cast<int>(f.knoepfe.size()) &&
           !f.lebt[static_cast<std::size_t>(id)].isNull();
}

int CBedienungsSteuerung::Nummer(const QObject* ziel) const {
    const CFlaeche& f = F();
    for (std::size_t i = 0; i < f.knoepfe.size() && ziel != nullptr; ++i)
        if (f.knoepfe[i].knopf == ziel && !f.lebt[i].isNull()) return static_cast<int>(i);
    return -1;
}

bool CBedienungsSteuerung::Aktiv() const {
    return m_flaeche.isVisible() && QApplication::activePopupWidget() == nullptr;
}

QWidget* CBedienungsSteuerung::OffenesFenster() const {
    QWidget* fenster = QApplication::activeModalWidget();
    if (fenster == nullptr || fenster == m_flaeche.window() || fenster->isAncestorOf(&m_flaeche))
        return nullptr;
    return fenster;
}

void CBedienungsSteuerung::Wechseln() {
    QWidget* fenster = Aktiv() ? OffenesFenster() : nullptr;
    if (fenster == (m_pFenster ? m_pFenster->wurzel.data() : nullptr) &&
        (fenster != nullptr || !m_pFenster))
        return;
    if (m_pFenster && m_pFenster->markierung) m_pFenster->markierung->deleteLater();
    m_pFenster.reset();
    if (fenster != nullptr) {
        m_pFenster = std::make_unique<CFlaeche>();
        m_pFenster->wurzel = fenster;
        m_pFenster->quelle = [fenster = QPointer<QWidget>(fenster)] {
            return fenster ? Fensterknoepfe(*fenster) : std::vector<CKnopf>();
        };
        Einstellen(m_pFenster->scanner);
    }
    // A switch held while the window came or went counts only once it was
    // let go; inverse scanning stands still until the next press.
    m_schalter.Vergessen();
    m_bildschirm.scanner.SetAutomatisch(m_bedienung.modus == CBedienung::EinSchalter, Jetzt());
    m_verweilen.Ruhen();
    m_angesagt.clear();
    Auffrischen();
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
        // Enter on the number block is Enter.
        const int k = taste->key() == Qt::Key_Enter ? Qt::Key_Return : taste->key();
        const bool tastatur = modus == CBedienung::Tastatur;
        const bool schalter = (k != 0 && (k == m_bedienung.schalter1 || k == m_bedienung.schalter2)) ||
                              (tastatur && (k == Qt::Key_Space || k == Qt::Key_Return));
        const bool pfeil =
            k == Qt::Key_Left || k == Qt::Key_Right || k == Qt::Key_Up || k == Qt::Key_Down;
        if (!schalter && !(pfeil && tastatur)) return QObject::eventFilter(objekt, ereignis);
        Wechseln();
        if (art == QEvent::KeyRelease) {
            if (!pfeil) {
                m_schalter.Hoch(k, Jetzt());
                Verarbeiten(m_schalter.Takt(Jetzt()));
                Planen();
            }
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
        Verarbeiten(m_schalter.Runter(k, Jetzt()));
        Planen();
        return true;
    }
    if ((art == QEvent::MouseButtonPress || art == QEvent::MouseButtonRelease ||
         art == QEvent::MouseButtonDblClick) &&
        static_cast<QMouseEvent*>(ereignis)->button() == Qt::RightButton) {
        // The events of one click reach the filter once per widget on their
        // way up; the switch filter counts the first.
        if (!objekt->isWidgetType()) return QObject::eventFilter(objekt, ereignis);
        Wechseln();
        if (art == QEvent::MouseButtonRelease) {
            m_schalter.Hoch(kMaustaste, Jetzt());
            Verarbeiten(m_schalter.Takt(Jetzt()));
        } else {
            Verarbeiten(m_schalter.Runter(kMaustaste, Jetzt()));
        }
        Planen();
        return true;
    }
    return QObject::eventFilter(objekt, ereignis);
}

void CBedienungsSteuerung::Verarbeiten(const std::vector<CSchalter::CMeldung>& meldungen) {
    for (const CSchalter::CMeldung& m : meldungen) {
        if (m_bedienung.modus == CBedienung::Invers) {
            // Held, the highlight steps; let go, what it holds is chosen.
            CScanner& scanner = F().scanner;
            if (m.art == CSchalter::Art::Gedrueckt) {
                Lesen(F());
                scanner.SetAutomatisch(true, Jetzt());
            } else if (scanner.IsAutomatisch()) {
                scanner.SetAutomatisch(false);
                Schalten(Auswahl);
            }
            continue;
        }
        if (m.art != CSchalter::Art::Gedrueckt) continue;
        const bool schritt =
            m_bedienung.modus == CBedienung::ZweiSchalter && m.schalter == m_bedienung.schalter1;
        Schalten(schritt ? Schritt : Auswahl);
    }
}

void CBedienungsSteuerung::Schalten(int schalter) {
    Neu();  // what is highlighted is what the screen shows now
    const long long jetzt = Jetzt();
    if (m_bedienung.modus == CBedienung::Tastatur) {
        Druecken(F().fokus, false);
        return;
    }
    if (schalter == Schritt) {
        F().scanner.Schritt(jetzt);
    } else {
        Druecken(F().scanner.Waehlen(jetzt), true);
    }
    Zeigen();
    Planen();
}

void CBedienungsSteuerung::Druecken(int id, bool gescannt) {
    CFlaeche& f = F();
    if (!Gueltig(f, id)) return;
    // Copied: a window that the press opens runs its own loop before the
    // press returns, and one that it closes takes its entries with it.
    const CKnopf k = f.knoepfe[static_cast<std::size_t>(id)];
    const bool bildschirm = &f == &m_bildschirm;
    const QPointer<QAbstractButton> danach = k.danach;
    const long long seite = bildschirm && m_seite ? m_seite() : 0;
    if (k.knopf != nullptr) {
        if (!k.knopf->isVisible() || !k.knopf->isEnabled()) return;
        k.knopf->click();
    } else if (k.druecken) {
        k.druecken();
    }
    Wechseln();
    // The press may have changed the screen (another page, the keyboard).
    Neu();
    if (!gescannt || !bildschirm || m_pFenster) return;
    // Where the person goes next: "Sprechen" after a sentence taken from
    // the list; a word of the page just opened; with the setting, the group
    // just used, but after a function button (a person, a tense, an
    // article) the word that goes with it: the words offered, else the grid
    // or the keyboard.
    CScanner& scanner = m_bildschirm.scanner;
    const auto hinein = [&](int bereich) {
        const auto& gruppen = scanner.GetGruppen();
        for (std::size_t g = 0; g < gruppen.size(); ++g)
            if (gruppen[g].bereich == bereich)
                return scanner.Fortsetzen(static_cast<int>(g), true, Jetzt());
        return false;
    };
    const int ziel = Nummer(danach.data());
    const bool neueSeite = m_seite && m_seite() != seite;
    if (ziel >= 0) {
        scanner.Auf(ziel, Jetzt());
    } else if (!(neueSeite && hinein(CScanKnopf::Raster)) &&
               m_bedienung.weiter == CBedienung::Gruppe) {
        if (k.bereich != CScanKnopf::Funktionen ||
            !(hinein(CScanKnopf::Wortvorschlaege) || hinein(CScanKnopf::Raster) ||
              hinein(CScanKnopf::Tastatur)))
            hinein(k.bereich);
    }
    Zeigen();
    Planen();
}

void CBedienungsSteuerung::Pfeil(int dx, int dy) {
    Neu();
    CFlaeche& f = F();
    if (f.knoepfe.empty()) return;
    // The nearest button in that direction, the way along it counting less
    // than the way across.
    const QPoint von = Ort(f, f.fokus).center();
    int beste = -1;
    long long besteWeite = std::numeric_limits<long long>::max();
    for (int i = 0; i < static_cast<int>(f.knoepfe.size()); ++i) {
        if (i == f.fokus) continue;
        const QPoint d = Ort(f, i).center() - von;
        const long long entlang = dx != 0 ? d.x() * dx : d.y() * dy;
        const long long quer = std::abs(dx != 0 ? d.y() : d.x());
        if (entlang <= 0) continue;
        const long long weite = entlang + 3 * quer;
        if (weite < besteWeite) {
            besteWeite = weite;
            beste = i;
        }
    }
    if (beste >= 0) f.fokus = beste;
    Zeigen();
}

void CBedienungsSteuerung::Zeiger() {
    if (!Aktiv()) {
        m_verweilen.Bewegt(-1, Jetzt());
        if (F().markierung) F().markierung->SetFuellung({}, 0.0);
        return;
    }
    Wechseln();
    // What is under the pointer, if it is operated now: a button, else a
    // place on the widget under it.
    int ziel = -1;
    QWidget* unter = QApplication::widgetAt(QCursor::pos());
    for (QWidget* w = unter; w != nullptr && ziel < 0; w = w->parentWidget())
        ziel = Nummer(qobject_cast<QAbstractButton*>(w));
    const CFlaeche& f = F();
    for (std::size_t i = 0; i < f.knoepfe.size() && ziel < 0 && unter != nullptr; ++i) {
        const CKnopf& k = f.knoepfe[i];
        if (k.knopf != nullptr || k.auf == nullptr || f.lebt[i].isNull()) continue;
        if ((k.auf == unter || k.auf->isAncestorOf(unter)) &&
            k.rechteck.contains(k.auf->mapFromGlobal(QCursor::pos())))
            ziel = static_cast<int>(i);
    }
    m_verweilen.Bewegt(ziel, Jetzt());
    Takt();
    Zeigen();
}

void CBedienungsSteuerung::Takt() {
    const long long jetzt = Jetzt();
    Verarbeiten(m_schalter.Takt(jetzt));
    if (m_bedienung.modus == CBedienung::Verweilen) {
        const int id = m_verweilen.Takt(jetzt);
        if (id >= 0) Druecken(id, false);
    } else if (F().scanner.Takt(jetzt)) {
        Zeigen();
    }
    Planen();
}

void CBedienungsSteuerung::Planen() {
    long long faellig = m_schalter.Faellig();
    if (m_bedienung.modus == CBedienung::EinSchalter || m_bedienung.modus == CBedienung::Invers) {
        const long long schritt = F().scanner.Faellig();
        if (schritt >= 0) faellig = faellig < 0 ? schritt : std::min(faellig, schritt);
    }
    if (m_bedienung.modus == CBedienung::Maus || faellig < 0) {
        m_takt.stop();
        return;
    }
    m_takt.start(static_cast<int>(std::max<long long>(faellig - Jetzt(), 0)));
}

QRect CBedienungsSteuerung::Ort(const CFlaeche& f, int id) const {
    if (id < 0 || id >= static_cast<int>(f.stand.size())) return {};
    return f.stand[static_cast<std::size_t>(id)].first;
}

std::vector<int> CBedienungsSteuerung::Markiert() const {
    if (Scannt(m_bedienung.modus)) return F().scanner.Markiert();
    if (m_bedienung.modus == CBedienung::Tastatur) return {F().fokus};
    return {};
}

std::vector<QAbstractButton*> CBedienungsSteuerung::GetMarkierteKnoepfe() const {
    std::vector<QAbstractButton*> knoepfe;
    const CFlaeche& f = F();
    for (const int id : Markiert())
        if (Gueltig(f, id) && f.knoepfe[static_cast<std::size_t>(id)].knopf != nullptr)
            knoepfe.push_back(f.knoepfe[static_cast<std::size_t>(id)].knopf);
    return knoepfe;
}

std::vector<CBildButton*> CBedienungsSteuerung::GetMarkiert() const {
    std::vector<CBildButton*> knoepfe;
    for (QAbstractButton* k : GetMarkierteKnoepfe())
        if (auto* b = qobject_cast<CBildButton*>(k)) knoepfe.push_back(b);
    return knoepfe;
}

const CScanner& CBedienungsSteuerung::GetScanner() const { return F().scanner; }

QWidget* CBedienungsSteuerung::GetFenster() const {
    return m_pFenster ? m_pFenster->wurzel.data() : nullptr;
}

const CMarkierung* CBedienungsSteuerung::GetMarkierung() const { return F().markierung; }

void CBedienungsSteuerung::Zeigen() {
    const int modus = m_bedienung.modus;
    CFlaeche& f = F();
    // Only the frame of what is operated now shows.
    CFlaeche& andere = &f == &m_bildschirm && m_pFenster ? *m_pFenster : m_bildschirm;
    if (&andere != &f && andere.markierung) andere.markierung->hide();
    if (modus == CBedienung::Maus || f.wurzel.isNull()) {
        if (f.markierung) f.markierung->hide();
        return;
    }
    if (!f.markierung) f.markierung = new CMarkierung(f.wurzel);
    if (f.markierung->parentWidget() != f.wurzel) f.markierung->setParent(f.wurzel);
    CMarkierung& m = *f.markierung;
    m.setGeometry(f.wurzel->rect());
    m.raise();
    m.show();
    QRect rahmen;
    CMarkierung::Stufe stufe = CMarkierung::Stufe::Knopf;
    if (modus == CBedienung::Verweilen) {
        rahmen = Ort(f, m_verweilen.GetZiel());
        m.SetFuellung(rahmen, m_verweilen.Fortschritt(Jetzt()));
    } else if (Scannt(modus) && !f.scanner.IsLeer()) {
        const CScanner::CMarke& marke = f.scanner.GetMarke();
        if (marke.zurueck) {
            stufe = CMarkierung::Stufe::Zurueck;
        } else if (marke.ebene == CScanner::Ebene::Gruppen) {
            stufe = CMarkierung::Stufe::Gruppe;
        } else if (marke.ebene == CScanner::Ebene::Zeilen) {
            stufe = CMarkierung::Stufe::Zeile;
        }
    }
    const std::vector<int> markiert = Markiert();
    // A group or row of one button is that button.
    if (markiert.size() == 1 && stufe != CMarkierung::Stufe::Zurueck) stufe = CMarkierung::Stufe::Knopf;
    for (const int id : markiert) rahmen |= Ort(f, id);
    m.SetRahmen(rahmen, stufe);
    Ansagen();
}

QString CBedienungsSteuerung::Text(int id) const {
    const CFlaeche& f = F();
    if (!Gueltig(f, id)) return {};
    const CKnopf& k = f.knoepfe[static_cast<std::size_t>(id)];
    if (!k.text.isEmpty()) return k.text;
    if (const auto* b = qobject_cast<const CBildButton*>(k.knopf)) return b->GetCaption();
    QString text = k.knopf != nullptr ? k.knopf->text() : QString();
    return text.remove(QLatin1Char('&'));
}

void CBedienungsSteuerung::Ansagen() {
    if (!m_bedienung.ansage || !m_ansage || !Scannt(m_bedienung.modus) || F().scanner.IsLeer())
        return;
    const CFlaeche& f = F();
    const CScanner& s = f.scanner;
    const CScanner::CMarke& marke = s.GetMarke();
    const std::vector<int> markiert = s.Markiert();
    QString text;
    if (marke.zurueck) {
        text = QStringLiteral("zurück");
    } else if (markiert.size() == 1) {
        text = Text(markiert.front());
    } else if (marke.ebene == CScanner::Ebene::Gruppen) {
        text = m_pFenster ? f.wurzel->windowTitle()
                          : QString::fromUtf8(Bereichsname(s.GetGruppen()[static_cast<std::size_t>(
                                                                               marke.gruppe)]
                                                               .bereich));
    } else if (marke.ebene == CScanner::Ebene::Zeilen) {
        text = QStringLiteral("Zeile %1").arg(marke.zeile + 1);
    } else {
        text = Text(markiert.empty() ? -1 : markiert.front());
    }
    // Each arrival once: the same highlight drawn again says nothing.
    const QString schluessel = QStringLiteral("%1/%2/%3/%4/%5/%6")
                                   .arg(m_pFenster ? 1 : 0)
                                   .arg(static_cast<int>(marke.ebene))
                                   .arg(marke.gruppe)
                                   .arg(marke.zeile)
                                   .arg(marke.knopf)
                                   .arg(marke.zurueck ? 1 : 0) +
                               text;
    if (schluessel == m_angesagt) return;
    // A window that has just come says what it is before its first button.
    if (m_pFenster && m_angesagt.isEmpty() && !f.wurzel->windowTitle().isEmpty() && !text.isEmpty())
        text = f.wurzel->windowTitle() + QStringLiteral(": ") + text;
    m_angesagt = schluessel;
    if (!text.isEmpty()) m_ansage(text);
}
