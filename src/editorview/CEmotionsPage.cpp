#include "CEmotionsPage.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

#include "CAuswahlListe.h"
#include "CBildButton.h"
#include "CEditorDaten.h"
#include "CEmotionsButton.h"
#include "CListenBilder.h"
#include "CPiktogrammWahl.h"
#include "Farben.h"
#include "SeitenTeile.h"

CEmotionsPage::CEmotionsPage(CEditorDaten& daten, IDialoge& dialoge, IEditorDialoge& editorDialoge,
                             QWidget* parent)
    : CEditorSeite(daten, dialoge, editorDialoge, parent) {
    m_lstEmotionen = new CAuswahlListe(this);
    m_lstEmotionen->setObjectName(QStringLiteral("emotionen"));
    m_pListenBilder = new CListenBilder(*m_lstEmotionen);
    m_edtAnzeigetext = seitenteile::Feld(this, "anzeigetext");
    m_edtPhonetisch = seitenteile::Feld(this, "phonetisch");
    m_pVorschau = seitenteile::Vorschau(this, farben::kEmotion);
    QPushButton* neu = seitenteile::Knopf(this, "neue Emotion", "neueEmotion");
    QPushButton* loeschen = seitenteile::Knopf(this, "Emotion löschen", "emotionLoeschen");
    QPushButton* bild = seitenteile::Knopf(this, "Bild wählen", "bildWaehlen");
    QPushButton* up = seitenteile::Knopf(this, "Nach oben", "up");
    QPushButton* down = seitenteile::Knopf(this, "Nach unten", "down");
    m_pBildSuche = new CPiktogrammWahl(daten, this);

    auto* raster = new QGridLayout(this);
    raster->addWidget(neu, 0, 2);
    raster->addWidget(loeschen, 0, 3);
    raster->addWidget(new QLabel(QStringLiteral("Emotionen:"), this), 0, 0, 1, 2);
    raster->addWidget(m_lstEmotionen, 1, 0, 5, 2);
    raster->addWidget(up, 6, 0);
    raster->addWidget(down, 6, 1);
    raster->addWidget(new QLabel(QStringLiteral("Anzeigetext:"), this), 1, 2);
    raster->addWidget(m_edtAnzeigetext, 1, 3, 1, 2);
    raster->addWidget(new QLabel(QStringLiteral("Phonetisch:"), this), 2, 2);
    raster->addWidget(m_edtPhonetisch, 2, 3, 1, 2);
    raster->addWidget(new QLabel(QStringLiteral("Vorschau:"), this), 3, 2, Qt::AlignTop);
    raster->addWidget(m_pVorschau, 3, 3, Qt::AlignLeft);
    raster->addWidget(bild, 3, 4, Qt::AlignLeft | Qt::AlignTop);
    raster->addWidget(m_pBildSuche, 4, 3, 2, 2);
    raster->setRowStretch(5, 1);
    raster->setColumnStretch(4, 1);

    connect(m_lstEmotionen, &QListWidget::currentRowChanged, this, &CEmotionsPage::OnGewaehlt);
    connect(up, &QPushButton::clicked, this, [this] { OnVerschieben(true); });
    connect(down, &QPushButton::clicked, this, [this] { OnVerschieben(false); });
    connect(neu, &QPushButton::clicked, this, &CEmotionsPage::OnNeu);
    connect(loeschen, &QPushButton::clicked, this, &CEmotionsPage::OnLoeschen);
    connect(bild, &QPushButton::clicked, this, &CEmotionsPage::OnBildWaehlen);
    connect(m_edtAnzeigetext, &QLineEdit::textEdited, this, [this](const QString& text) {
        m_pVorschau->SetCaption(text);
        Geaendert();
        if (QListWidgetItem* eintrag = m_lstEmotionen->currentItem()) eintrag->setText(text);
    });
    connect(m_edtPhonetisch, &QLineEdit::textEdited, this, &CEmotionsPage::Geaendert);
    connect(m_pVorschau, &CBildButton::clicked, this, [this] {
        Store();
        const QString text = m_edtPhonetisch->text();
        m_daten.Speak((text.isEmpty() ? m_edtAnzeigetext->text() : text).toStdString());
    });
    connect(m_pBildSuche, &CPiktogrammWahl::Gewaehlt, this, [this](const QString& pfad) {
        if (m_daten.GetCurrentEButton() == nullptr) return;
        const std::string bild = m_daten.BildUebernehmen(pfad.toStdString());
        if (!bild.empty()) BildSetzen(bild);
    });
    Refresh();
}

void CEmotionsPage::ListeZeigen() {
    QStringList texte;
    std::vector<QString> bilder;
    int zeile = -1;
    const CEmotionsButton* aktuell = m_daten.GetCurrentEButton();
    for (CEmotionsButton* e = m_daten.GetFirstEButton(); e; e = m_daten.GetNextEButton()) {
        if (e == aktuell) zeile = static_cast<int>(texte.size());
        texte << QString::fromStdString(e->GetAnzeigetext());
        bilder.push_back(e->GetBild().empty()
                             ? QString()
                             : QString::fromStdString(m_daten.ResolvePath(e->GetBild())));
    }
    seitenteile::ListeFuellen(*m_lstEmotionen, texte, zeile);
    m_pListenBilder->Zeigen(bilder);
}

void CEmotionsPage::Refresh() {
    ListeZeigen();
    const CEmotionsButton* aktuell = m_daten.GetCurrentEButton();
    m_edtAnzeigetext->setText(aktuell ? QString::fromStdString(aktuell->GetAnzeigetext())
                                      : QString());
    m_edtPhonetisch->setText(aktuell ? QString::fromStdString(aktuell->GetText()) : QString());
    m_strBild = aktuell ? aktuell->GetBild() : std::string();
    m_pVorschau->SetCaption(m_edtAnzeigetext->text());
    m_pVorschau->SetPicture(m_daten.ResolvePath(m_strBild));
    m_pBildSuche->Leeren();
}

bool CEmotionsPage::Store() {
    CEmotionsButton* button = m_daten.GetCurrentEButton();
    if (button == nullptr) return true;
    if (m_edtAnzeigetext->text().isEmpty() || m_edtPhonetisch->text().isEmpty()) return false;
    button->SetAnzeigetext(m_edtAnzeigetext->text().toStdString());
    button->SetText(m_edtPhonetisch->text().toStdString());
    button->SetBild(m_strBild);
    return true;
}

bool CEmotionsPage::OnKillActive() { return Bewacht() && m_daten.CommitEButtons(); }

bool CEmotionsPage::Abschliessen() {
    // An incomplete button waits for the carer, as on the word-element page.
    auto* aktuell = Store() ? nullptr : m_daten.GetCurrentEButton();
    const bool wartet = aktuell != nullptr && aktuell->GetChanged();
    if (wartet) aktuell->SetChanged(false);
    const bool geschrieben = m_daten.CommitEButtons();
    if (wartet) aktuell->SetChanged(true);
    return geschrieben;
}

void CEmotionsPage::OnGewaehlt(int zeile) {
    if (!Bewacht()) {
        ListeZeigen();  // back to the button being edited; the typing stays
        return;
    }
    m_daten.SelectEButton(zeile);
}

void CEmotionsPage::OnVerschieben(bool hoch) {
    const int zeile = m_lstEmotionen->currentRow();
    if (!Bewacht() || m_daten.GetCurrentEButton() == nullptr) return;
    if (hoch ? zeile != 0 : zeile != m_lstEmotionen->count() - 1) m_daten.MoveEButton(hoch);
}

void CEmotionsPage::OnNeu() {
    if (Bewacht()) m_daten.NewEButton();
}

void CEmotionsPage::OnLoeschen() {
    const CEmotionsButton* button = m_daten.GetCurrentEButton();
    if (button == nullptr) return;
    if (!LoeschenFragen("Soll der Emotionsbutton \u201E" + button->GetAnzeigetext() +
                        "\u201C gelöscht werden?")) {
        return;
    }
    m_daten.RemoveEButton();
    if (m_daten.GetCurrentEButton() != nullptr) return;  // the file kept it (reported)
    if (m_lstEmotionen->count() == 0) return;
    {
        const QSignalBlocker sperre(m_lstEmotionen);
        m_lstEmotionen->setCurrentRow(0);
    }
    OnGewaehlt(0);
}

void CEmotionsPage::OnBildWaehlen() {
    if (m_daten.GetCurrentEButton() == nullptr) return;
    const auto bild = BildWaehlen();
    if (bild) BildSetzen(*bild);
}

void CEmotionsPage::BildSetzen(const std::string& bild) {
    m_strBild = bild;
    Geaendert();
    m_pVorschau->SetPicture(m_daten.ResolvePath(m_strBild));
}

void CEmotionsPage::Geaendert() {
    CEmotionsButton* button = m_daten.GetCurrentEButton();
    if (button == nullptr) return;
    button->SetChanged(true);
    emit Bearbeitet();
}
