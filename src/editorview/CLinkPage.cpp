#include "CLinkPage.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "CBildButton.h"
#include "CEditorDaten.h"
#include "CKategorie.h"
#include "CWortelement.h"
#include "Farben.h"
#include "KategorieNamen.h"

CLinkPage::CLinkPage(CEditorDaten& daten, IDialoge& dialoge, IEditorDialoge& editorDialoge,
                     QWidget* parent)
    : CElementSeite(daten, dialoge, editorDialoge, farben::kLink, false, parent) {
    m_edtAnzeigetext = new QLineEdit(this);
    m_edtAnzeigetext->setObjectName(QStringLiteral("anzeigetext"));
    m_cboKategorie = new QComboBox(this);
    m_cboKategorie->setObjectName(QStringLiteral("kategorie"));
    m_lblOhneZiel = new QLabel(QStringLiteral("Dieser Link führt zu keiner Kategorie. Bitte wählen "
                                              "Sie eine Kategorie oder löschen Sie den Link."),
                               this);
    m_lblOhneZiel->setObjectName(QStringLiteral("ohneZiel"));
    m_lblOhneZiel->setWordWrap(true);
    m_lblOhneZiel->setVisible(false);
    auto* raster = new QGridLayout(this);
    raster->addWidget(new QLabel(QStringLiteral("Anzeigetext:"), this), 0, 0);
    raster->addWidget(m_edtAnzeigetext, 0, 1, 1, 2);
    raster->addWidget(new QLabel(QStringLiteral("Kategorie:"), this), 1, 0);
    raster->addWidget(m_cboKategorie, 1, 1, 1, 2);
    raster->addWidget(m_lblOhneZiel, 4, 1, 1, 2);
    raster->addWidget(new QLabel(QStringLiteral("Vorschau:"), this), 2, 0, Qt::AlignTop);
    raster->addWidget(m_pVorschau, 2, 1, Qt::AlignLeft);
    raster->addWidget(m_pBildSpalte, 2, 2, 2, 1, Qt::AlignLeft | Qt::AlignTop);
    raster->setColumnStretch(2, 1);
    raster->setRowStretch(3, 1);

    connect(m_edtAnzeigetext, &QLineEdit::textEdited, this, [this](const QString& text) {
        m_bBearbeitet = true;
        AnzeigetextBearbeitet(text);
    });
    connect(m_cboKategorie, &QComboBox::activated, this, [this] {
        m_bBearbeitet = true;
        m_lblOhneZiel->setVisible(false);
        Geaendert();
    });
}

void CLinkPage::Load(CWortelement* element) {
    m_pElement = element;
    m_edtAnzeigetext->setText(element ? QString::fromStdString(element->GetAnzeigetext())
                                      : QString());
    m_strBild = element ? element->GetBild() : std::string();
    KategorienEintragen(m_daten, *m_cboKategorie);
    m_cboKategorie->setCurrentIndex(-1);
    m_bBearbeitet = false;
    m_bOhneZiel = false;
    if (element != nullptr) {
        const auto [link, ziel] = element->GetLinkTarget();
        CKategorie gefunden;
        if (link && m_daten.FindKategorieByIndex(gefunden, ziel)) {
            m_cboKategorie->setCurrentIndex(
                m_cboKategorie->findText(QString::fromStdString(gefunden.GetName())));
        } else {
            // Written before its category went: said, and left as it is
            // until the carer gives it one or deletes it.
            m_bOhneZiel = element->GetIndex() > 0;
        }
    }
    m_lblOhneZiel->setVisible(m_bOhneZiel);
    VorschauZeigen(m_edtAnzeigetext->text());
}

bool CLinkPage::Store() {
    if (m_pElement == nullptr) return true;
    CKategorie ziel;
    const bool gefunden =
        m_cboKategorie->currentIndex() >= 0 &&
        m_daten.FindKategorieByName(ziel, m_cboKategorie->currentText().toStdString());
    if (!gefunden && m_bOhneZiel && !m_bBearbeitet) return true;
    if (m_edtAnzeigetext->text().isEmpty() || !gefunden) return false;
    m_pElement->SetBild(m_strBild);
    m_pElement->SetAnzeigetext(m_edtAnzeigetext->text().toStdString());
    m_pElement->SetForm(0, "0" + std::to_string(ziel.GetIndex()));
    return true;
}
