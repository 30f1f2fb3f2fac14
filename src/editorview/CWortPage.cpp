#include "CWortPage.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "CBildButton.h"
#include "CWortelement.h"
#include "Farben.h"
#include "SeitenTeile.h"

using seitenteile::Feld;

CWortPage::CWortPage(CEditorDaten& daten, IDialoge& dialoge, IEditorDialoge& editorDialoge,
                     QWidget* parent)
    : CElementSeite(daten, dialoge, editorDialoge, farben::kWort, true, parent) {
    m_edtAnzeigetext = Feld(this, "anzeigetext");
    m_edtWort = Feld(this, "wort");
    m_edtPhonetisch = Feld(this, "phonetisch");
    auto* raster = new QGridLayout(this);
    raster->addWidget(new QLabel(QStringLiteral("Anzeigetext:"), this), 0, 0);
    raster->addWidget(m_edtAnzeigetext, 0, 1, 1, 2);
    raster->addWidget(new QLabel(QStringLiteral("Wort:"), this), 1, 0);
    raster->addWidget(m_edtWort, 1, 1, 1, 2);
    raster->addWidget(new QLabel(QStringLiteral("Phonetisch:"), this), 2, 0);
    raster->addWidget(m_edtPhonetisch, 2, 1, 1, 2);
    raster->addWidget(new QLabel(QStringLiteral("Vorschau:"), this), 3, 0, Qt::AlignTop);
    raster->addWidget(m_pVorschau, 3, 1, Qt::AlignLeft);
    raster->addWidget(m_pBildSpalte, 3, 2, 2, 1, Qt::AlignLeft | Qt::AlignTop);
    raster->setColumnStretch(2, 1);
    raster->setRowStretch(4, 1);

    // Only what the carer types marks the element; Load does not.
    connect(m_edtAnzeigetext, &QLineEdit::textEdited, this, &CWortPage::AnzeigetextBearbeitet);
    connect(m_edtWort, &QLineEdit::textEdited, this, &CWortPage::Geaendert);
    connect(m_edtPhonetisch, &QLineEdit::textEdited, this, &CWortPage::Geaendert);
}

void CWortPage::Load(CWortelement* element) {
    m_pElement = element;
    const auto text = [](const std::string& s) { return QString::fromStdString(s); };
    m_edtAnzeigetext->setText(element ? text(element->GetAnzeigetext()) : QString());
    m_edtPhonetisch->setText(element ? text(element->GetPhonetisch()) : QString());
    m_edtWort->setText(element ? text(element->GetForm(0)) : QString());
    m_strBild = element ? element->GetBild() : std::string();
    VorschauZeigen(m_edtAnzeigetext->text());
}

bool CWortPage::Store() {
    if (m_pElement == nullptr) return true;
    if (m_edtAnzeigetext->text().isEmpty() || m_edtWort->text().isEmpty()) return false;
    m_pElement->SetBild(m_strBild);
    m_pElement->SetAnzeigetext(m_edtAnzeigetext->text().toStdString());
    m_pElement->SetPhonetisch(m_edtPhonetisch->text().toStdString());
    m_pElement->SetForm(0, m_edtWort->text().toStdString());
    return true;
}

std::string CWortPage::Phonetisch() const { return m_edtPhonetisch->text().toStdString(); }

std::string CWortPage::Anzeigetext() const { return m_edtAnzeigetext->text().toStdString(); }
