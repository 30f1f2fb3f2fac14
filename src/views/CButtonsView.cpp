#include "CButtonsView.h"

#include <QElapsedTimer>
#include <QPainter>
#include <algorithm>
#include <iterator>

#include "CBildButton.h"
#include "CBildCache.h"
#include "CSagwerkDoc.h"
#include "Farben.h"
#include "SystemBilder.h"

CButtonsView::CButtonsView(CSagwerkDoc& doc, QWidget* parent) : QWidget(parent), m_doc(doc) {
    setObjectName(QStringLiteral("Buttons"));
    m_pProbe = new CBildButton(this);
    m_pProbe->SetMindestSchrift(kMindestSchrift);  // draws ahead what the grid shows
    m_pProbe->hide();
    m_leerlauf.setSingleShot(true);
    connect(&m_leerlauf, &QTimer::timeout, this, &CButtonsView::VorzeichnenSchritt);
}

void CButtonsView::paintEvent(QPaintEvent*) {
    // The grid is a window with a border; the cells lie inside it.
    QPainter p(this);
    p.setPen(palette().color(QPalette::Dark));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

void CButtonsView::CreateButtons() {
    // The old buttons may be the sender of the click that led here: they go
    // once control is back in the event loop.
    for (CBildButton* k : m_buttons) {
        k->hide();
        k->deleteLater();
    }
    m_buttons.clear();
    m_vorzeichnen.clear();

    const QSize raster = anordnung::RasterGroesse(m_doc.GetColumns(), m_doc.GetRows());
    const std::vector<QRect> zellen = anordnung::Rasterzellen(size(), raster);
    for (std::size_t k = 0; k < zellen.size(); ++k) {
        auto* knopf = new CBildButton(this);
        knopf->setGeometry(zellen[k].translated(1, 1));
        knopf->SetFillColor(farben::kWort);
        knopf->SetMindestSchrift(kMindestSchrift);
        knopf->hide();
        const int b = static_cast<int>(k);
        connect(knopf, &CBildButton::clicked, this, [this, b] { OnButton(b); });
        m_buttons.push_back(knopf);
    }
    m_seite = anordnung::CSeite{};
}

void CButtonsView::Navigation(CBildButton* knopf, const char* caption, const char* icon) {
    knopf->SetCaption(QString::fromUtf8(caption));
    knopf->SetFillColor(farben::kLink);
    knopf->SetPicture(SystemBild(m_doc, icon));
    knopf->show();
}

void CButtonsView::ShowPage() {
    const int n = GetButtonCount();
    std::vector<const CWortButton*> elemente;
    for (const CWortButton* e = m_doc.GetFirstElement(); e; e = m_doc.GetNextElement())
        elemente.push_back(e);
    m_seite = anordnung::Seite(n, static_cast<int>(elemente.size()), m_nPage);

    using B = anordnung::CBelegung;
    std::vector<long> sichtbar;
    for (int k = 0; k < n; ++k) {
        CBildButton* knopf = m_buttons[static_cast<std::size_t>(k)];
        const B& b = m_seite.knoepfe[static_cast<std::size_t>(k)];
        if (b.art == B::Element)
            sichtbar.push_back(elemente[static_cast<std::size_t>(b.element)]->GetIndex());
        switch (b.art) {
            case B::LetzteSeite:
                Navigation(knopf, "letzte Seite", "prev");
                break;
            case B::Startseite:
                Navigation(knopf, "Startseite", "home");
                break;
            case B::LetzteKategorie:
                Navigation(knopf, "letzte Kategorie", "back");
                break;
            case B::NaechsteSeite:
                Navigation(knopf, "nächste Seite", "next");
                break;
            case B::Element: {
                const CWortButton& e = *elemente[static_cast<std::size_t>(b.element)];
                knopf->SetCaption(e.GetText());
                knopf->SetFillColor(e.IsLink() ? farben::kLink : farben::kWort);
                knopf->SetPicture(m_doc.ResolvePath(e.GetBild()));
                knopf->show();
                break;
            }
            case B::Versteckt:
                knopf->hide();
                break;
        }
    }
    // The row of words offered leaves out what this page shows.
    m_doc.SetSichtbar(std::move(sichtbar));
    Vorbereiten(elemente);
}

void CButtonsView::Vorbereiten(const std::vector<const CWortButton*>& elemente) {
    // The pages next to this one are decoded and drawn while the user looks
    // at it, so that turning to them shows them whole at once.
    m_vorzeichnen.clear();
    if (!CBildCache::Instanz().IsImHintergrund()) return;
    using B = anordnung::CBelegung;
    const int n = GetButtonCount();
    for (const int seite : {m_nPage + 1, m_nPage - 1}) {
        if (seite < 0) continue;
        const anordnung::CSeite daneben =
            anordnung::Seite(n, static_cast<int>(elemente.size()), seite);
        for (int k = 0; k < n; ++k) {
            const B& b = daneben.knoepfe[static_cast<std::size_t>(k)];
            if (b.art != B::Element) continue;
            const CWortButton& e = *elemente[static_cast<std::size_t>(b.element)];
            CVorzeichnen v{k, e.GetText(), e.IsLink() ? farben::kLink : farben::kWort,
                           m_doc.ResolvePath(e.GetBild())};
            m_vorzeichnen.push_back(std::move(v));
        }
    }
    // The far end of the list first: taken from the back.
    std::reverse(m_vorzeichnen.begin(), m_vorzeichnen.end());
    m_bAngefordert = false;
    // After the page itself has been drawn.
    m_leerlauf.start(50);
}

void CButtonsView::VorzeichnenSchritt() {
    // A few milliseconds at a time, so that a click waits for none of it.
    if (!m_bAngefordert) {
        // First the pictures are asked for, nearest first.
        for (auto it = m_vorzeichnen.rbegin(); it != m_vorzeichnen.rend(); ++it)
            CBildButton::Vorladen(it->bild);
        m_bAngefordert = true;
        m_leerlauf.start(20);
        return;
    }
    QElapsedTimer uhr;
    uhr.start();
    std::vector<CVorzeichnen> spaeter;  // pictures not decoded yet
    while (!m_vorzeichnen.empty() && uhr.elapsed() < 4) {
        CVorzeichnen v = std::move(m_vorzeichnen.back());
        m_vorzeichnen.pop_back();
        if (!CBildButton::IsBildBereit(v.bild)) {
            spaeter.push_back(std::move(v));
            continue;
        }
        const std::size_t k = static_cast<std::size_t>(v.knopf);
        if (k >= m_buttons.size()) continue;
        m_pProbe->setGeometry(m_buttons[k]->geometry());
        m_pProbe->SetCaption(v.caption);
        m_pProbe->SetFillColor(v.farbe);
        m_pProbe->SetPicture(v.bild);
        m_pProbe->Vorzeichnen();
    }
    const bool weiter = !m_vorzeichnen.empty();
    m_vorzeichnen.insert(m_vorzeichnen.begin(), std::make_move_iterator(spaeter.begin()),
                         std::make_move_iterator(spaeter.end()));
    // Waiting only for pictures: look again a little later.
    if (!m_vorzeichnen.empty()) m_leerlauf.start(weiter ? 0 : 20);
}

void CButtonsView::OnButton(int b) {
    const anordnung::CKlick klick = anordnung::Klick(m_seite, b);
    if (klick.seitenwechsel != 0) {
        m_nPage += klick.seitenwechsel;
        ShowPage();
        emit SeiteGewechselt();
    } else if (klick.element >= 0) {
        m_doc.ElementClicked(klick.element);
    }
}
