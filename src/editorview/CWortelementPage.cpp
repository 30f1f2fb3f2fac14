#include "CWortelementPage.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <functional>

#include "CAuswahlListe.h"
#include "CEditorDaten.h"
#include "CLinkPage.h"
#include "CListenBilder.h"
#include "CVerbenPage.h"
#include "CWortPage.h"
#include "KategorieNamen.h"
#include "SeitenTeile.h"

namespace {

// The kinds in the order of the kind box.
constexpr long kArten[3] = {CWortelement::Wort, CWortelement::Verb, CWortelement::Link};

int ArtEintrag(long code) {
    for (int i = 0; i < 3; ++i) {
        if (kArten[i] == code) return i;
    }
    return -1;
}

// The kind box stores the visible page before its list opens, so that what
// was typed reaches the element before the kind changes.
class CArtBox : public QComboBox {
public:
    CArtBox(std::function<void()> vorher, QWidget* parent)
        : QComboBox(parent), m_vorher(std::move(vorher)) {}
    void showPopup() override {
        m_vorher();
        QComboBox::showPopup();
    }

private:
    std::function<void()> m_vorher;
};

}  // namespace

CWortelementPage::CWortelementPage(CEditorDaten& daten, IDialoge& dialoge,
                                   IEditorDialoge& editorDialoge, QWidget* parent)
    : CEditorSeite(daten, dialoge, editorDialoge, parent) {
    m_cboKategorien = new QComboBox(this);
    m_cboKategorien->setObjectName(QStringLiteral("kategorien"));
    m_lstElemente = new CAuswahlListe(this);
    m_lstElemente->setObjectName(QStringLiteral("elemente"));
    m_pListenBilder = new CListenBilder(*m_lstElemente);
    m_btnUp = seitenteile::Knopf(this, "Nach oben", "up");
    m_btnUp->setToolTip(QStringLiteral("Das Wortelement eine Stelle nach oben schieben"));
    m_btnDown = seitenteile::Knopf(this, "Nach unten", "down");
    m_btnDown->setToolTip(QStringLiteral("Das Wortelement eine Stelle nach unten schieben"));
    m_cboArt = new CArtBox([this] { Store(); }, this);
    m_cboArt->setObjectName(QStringLiteral("elementart"));
    m_cboArt->addItems({QStringLiteral("Wort"), QStringLiteral("Verb"), QStringLiteral("Link")});
    m_cboArt->setCurrentIndex(-1);
    m_btnNeu = seitenteile::Knopf(this, "neues Wortelement", "neuesWortelement");
    m_btnLoeschen = seitenteile::Knopf(this, "Wortelement löschen", "wortelementLoeschen");

    m_pDetails = new QStackedWidget(this);
    m_pLeer = new QWidget(m_pDetails);
    m_pVerbenPage = new CVerbenPage(daten, dialoge, editorDialoge, m_pDetails);
    m_pLinkPage = new CLinkPage(daten, dialoge, editorDialoge, m_pDetails);
    m_pWortPage = new CWortPage(daten, dialoge, editorDialoge, m_pDetails);
    for (QWidget* seite :
         {m_pLeer, static_cast<QWidget*>(m_pVerbenPage), static_cast<QWidget*>(m_pLinkPage),
          static_cast<QWidget*>(m_pWortPage)}) {
        m_pDetails->addWidget(seite);
    }

    auto* links = new QVBoxLayout;
    links->addWidget(new QLabel(QStringLiteral("Kategorien:"), this));
    links->addWidget(m_cboKategorien);
    links->addWidget(new QLabel(QStringLiteral("Wortelemente:"), this));
    links->addWidget(m_lstElemente, 1);
    auto* pfeile = new QHBoxLayout;
    pfeile->addWidget(m_btnUp);
    pfeile->addWidget(m_btnDown);
    links->addLayout(pfeile);
    links->addWidget(new QLabel(QStringLiteral("Elementart:"), this));
    links->addWidget(m_cboArt);
    links->addWidget(m_btnNeu);
    links->addWidget(m_btnLoeschen);
    auto* ganz = new QHBoxLayout(this);
    ganz->addLayout(links, 2);
    ganz->addWidget(m_pDetails, 5);

    for (CElementSeite* seite :
         {static_cast<CElementSeite*>(m_pWortPage), static_cast<CElementSeite*>(m_pVerbenPage),
          static_cast<CElementSeite*>(m_pLinkPage)}) {
        connect(seite, &CElementSeite::AnzeigetextGeaendert, this, [this](const QString& text) {
            if (QListWidgetItem* eintrag = m_lstElemente->currentItem()) eintrag->setText(text);
        });
        connect(seite, &CEditorSeite::Bearbeitet, this, &CEditorSeite::Bearbeitet);
    }
    connect(m_lstElemente, &QListWidget::currentRowChanged, this,
            &CWortelementPage::OnElementGewaehlt);
    connect(m_btnUp, &QPushButton::clicked, this, [this] { OnVerschieben(true); });
    connect(m_btnDown, &QPushButton::clicked, this, [this] { OnVerschieben(false); });
    connect(m_btnNeu, &QPushButton::clicked, this, &CWortelementPage::OnNeu);
    connect(m_btnLoeschen, &QPushButton::clicked, this, &CWortelementPage::OnLoeschen);
    connect(m_cboKategorien, &QComboBox::activated, this, &CWortelementPage::OnKategorie);
    connect(m_cboArt, &QComboBox::activated, this, &CWortelementPage::OnArt);
}

CElementSeite* CWortelementPage::GetSichtbar() const {
    return dynamic_cast<CElementSeite*>(m_pDetails->currentWidget());
}

void CWortelementPage::Refresh() {
    KategorienZeigen();
    ListeZeigen();

    const QSignalBlocker sperreArt(m_cboArt);
    CWortelement* element = m_daten.GetCurrentWortelement();
    const int art = element ? ArtEintrag(element->GetArt()) : -1;
    m_cboArt->setCurrentIndex(art);
    CElementSeite* seite = art == 0   ? static_cast<CElementSeite*>(m_pWortPage)
                           : art == 1 ? static_cast<CElementSeite*>(m_pVerbenPage)
                           : art == 2 ? static_cast<CElementSeite*>(m_pLinkPage)
                                      : nullptr;
    if (seite != nullptr) {
        seite->Load(element);
        m_pDetails->setCurrentWidget(seite);
    } else {
        m_pDetails->setCurrentWidget(m_pLeer);
    }
}

void CWortelementPage::KategorienZeigen() {
    QStringList namen = KategorieNamen(m_daten);
    NamenSortieren(namen);
    const QSignalBlocker sperre(m_cboKategorien);
    QStringList bisher;
    for (int i = 0; i < m_cboKategorien->count(); ++i) bisher << m_cboKategorien->itemText(i);
    if (bisher != namen) {
        m_cboKategorien->clear();
        m_cboKategorien->addItems(namen);
    }
    m_cboKategorien->setCurrentIndex(
        m_cboKategorien->findText(QString::fromStdString(m_daten.GetKategorie().GetName())));
}

void CWortelementPage::ListeZeigen() {
    std::vector<long> indexe;
    QStringList texte;
    std::vector<QString> bilder;
    for (CWortelement* e = m_daten.GetFirstWortelement(); e; e = m_daten.GetNextWortelement()) {
        indexe.push_back(e->GetIndex());
        texte << QString::fromStdString(e->GetAnzeigetext());
        bilder.push_back(e->GetBild().empty()
                             ? QString()
                             : QString::fromStdString(m_daten.ResolvePath(e->GetBild())));
    }
    const QSignalBlocker sperre(m_lstElemente);
    // The same elements: only changed captions are written, so that a long
    // list is not built again for every selection.
    if (indexe != m_indexe || m_lstElemente->count() != texte.size()) {
        m_lstElemente->clear();
        m_lstElemente->addItems(texte);
        m_indexe = std::move(indexe);
    } else {
        for (int i = 0; i < texte.size(); ++i) {
            if (m_lstElemente->item(i)->text() != texte[i])
                m_lstElemente->item(i)->setText(texte[i]);
        }
    }
    if (bilder != m_bilder) {
        m_pListenBilder->Zeigen(bilder);
        m_bilder = std::move(bilder);
    }
    int zeile = -1;
    if (const CWortelement* aktuell = m_daten.GetCurrentWortelement()) {
        for (std::size_t i = 0; i < m_indexe.size(); ++i) {
            if (m_indexe[i] == aktuell->GetIndex()) zeile = static_cast<int>(i);
        }
    }
    m_lstElemente->setCurrentRow(zeile);
}

bool CWortelementPage::Store() {
    if (m_daten.GetCurrentWortelement() == nullptr) return true;
    switch (m_cboArt->currentIndex()) {
        case 0:
            return m_pWortPage->Store();
        case 1:
            return m_pVerbenPage->Store();
        case 2:
            return m_pLinkPage->Store();
        default:
            return true;
    }
}

bool CWortelementPage::OnKillActive() {
    // A commit that failed (reported by the file) keeps the page and what
    // the carer changed; the next try writes it.
    return Bewacht() && m_daten.CommitWortelemente();
}

bool CWortelementPage::Abschliessen() {
    // What the carer typed into an incomplete page is still only on the
    // page: the element is not written half (a new one as "neu" without its
    // word) but waits for it, and the others are written.
    CWortelement* element = Store() ? nullptr : m_daten.GetCurrentWortelement();
    const bool wartet = element != nullptr && element->GetChanged();
    if (wartet) element->SetChanged(false);
    const bool geschrieben = m_daten.CommitWortelemente();
    if (wartet) element->SetChanged(true);
    return geschrieben;
}

void CWortelementPage::OnElementGewaehlt(int zeile) {
    if (!Bewacht()) {
        // The selection goes back to the element being edited; what the
        // carer typed stays on the page.
        ListeZeigen();
        return;
    }
    if (zeile < 0 || static_cast<std::size_t>(zeile) >= m_indexe.size()) return;
    m_daten.SelectWortelement(m_indexe[static_cast<std::size_t>(zeile)]);
}

void CWortelementPage::OnVerschieben(bool hoch) {
    const int zeile = m_lstElemente->currentRow();
    if (!Bewacht() || m_daten.GetCurrentWortelement() == nullptr) return;
    if (hoch ? zeile != 0 : zeile != m_lstElemente->count() - 1) m_daten.MoveWortelement(hoch);
}

void CWortelementPage::OnNeu() {
    if (!Bewacht()) return;
    const int art = m_cboArt->currentIndex();
    m_daten.NewWortelement(art == 1 || art == 2 ? kArten[art] : CWortelement::Wort);
}

void CWortelementPage::OnLoeschen() {
    const CWortelement* element = m_daten.GetCurrentWortelement();
    if (element == nullptr) return;
    if (!LoeschenFragen("Soll das Wortelement \u201E" + element->GetAnzeigetext() +
                        "\u201C gelöscht werden?")) {
        return;
    }
    m_daten.RemoveWortelement();
    if (m_daten.GetCurrentWortelement() != nullptr) return;  // the file kept it (reported)
    if (m_lstElemente->count() == 0) return;
    {
        const QSignalBlocker sperre(m_lstElemente);
        m_lstElemente->setCurrentRow(0);
    }
    OnElementGewaehlt(0);
}

void CWortelementPage::OnKategorie(int eintrag) {
    const QString name = m_cboKategorien->itemText(eintrag);
    if (!Bewacht() || !m_daten.CommitWortelemente() ||
        !m_daten.SelectKategorie(name.toStdString())) {
        KategorienZeigen();  // the box shows the category that stays
    }
}

void CWortelementPage::OnArt(int eintrag) {
    CWortelement* element = m_daten.GetCurrentWortelement();
    if (element == nullptr || eintrag < 0 || eintrag > 2) return;
    // What the visible page holds reaches the element first, however the box
    // was changed (its list, or the keys on the closed box).
    if (CElementSeite* seite = GetSichtbar()) seite->Store();
    element->SetArt(kArten[eintrag]);
    element->SetChanged(true);
    Refresh();
}
