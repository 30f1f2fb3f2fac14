#include "CButtonsView.h"

#include <QPainter>

#include "CBildButton.h"
#include "CBildCache.h"
#include "CSagwerkDoc.h"
#include "Farben.h"
#include "SystemBilder.h"

CButtonsView::CButtonsView(CSagwerkDoc& doc, QWidget* parent) : QWidget(parent), m_doc(doc) {
    setObjectName(QStringLiteral("Buttons"));
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

    const QSize raster = anordnung::RasterGroesse(m_doc.GetColumns(), m_doc.GetRows());
    const std::vector<QRect> zellen = anordnung::Rasterzellen(size(), raster);
    for (std::size_t k = 0; k < zellen.size(); ++k) {
        auto* knopf = new CBildButton(this);
        knopf->setGeometry(zellen[k].translated(1, 1));
        knopf->SetFillColor(farben::kWort);
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
    for (int k = 0; k < n; ++k) {
        CBildButton* knopf = m_buttons[static_cast<std::size_t>(k)];
        const B& b = m_seite.knoepfe[static_cast<std::size_t>(k)];
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
    // The pages next to this one are decoded while the user looks at it, so
    // that turning to them shows their pictures at once.
    if (!CBildCache::Instanz().IsImHintergrund()) return;
    for (const int seite : {m_nPage + 1, m_nPage - 1}) {
        if (seite < 0) continue;
        for (const B& b : anordnung::Seite(n, static_cast<int>(elemente.size()), seite).knoepfe) {
            if (b.art != B::Element) continue;
            const std::string pfad =
                m_doc.ResolvePath(elemente[static_cast<std::size_t>(b.element)]->GetBild());
            CBildButton::Vorladen(pfad);
        }
    }
}

void CButtonsView::OnButton(int b) {
    const anordnung::CKlick klick = anordnung::Klick(m_seite, b);
    if (klick.seitenwechsel != 0) {
        m_nPage += klick.seitenwechsel;
        ShowPage();
    } else if (klick.element >= 0) {
        m_doc.ElementClicked(klick.element);
    }
}
