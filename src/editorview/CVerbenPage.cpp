#include "CVerbenPage.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "CBildButton.h"
#include "Farben.h"

namespace {

// Columns of the page in their order, and the element's tense for each.
constexpr CWortelement::Zeit kSpalten[3] = {
    CWortelement::Zeit::Gegenwart, CWortelement::Zeit::Vergangenheit, CWortelement::Zeit::Zukunft};
constexpr const char* kSpaltenTitel[3] = {"Gegenwart:", "Vergangenheit:", "Zukunft:"};
constexpr const char* kZeilenTitel[6] = {"Ich:", "Du:", "Er/Sie/Es:", "Wir:", "Ihr:", "Sie:"};

int Slot(int zeit, int zeile) {
    return CWortelement::Slot(
        kSpalten[zeit], zeile < 3 ? CWortelement::Zahl::Einzahl : CWortelement::Zahl::Mehrzahl,
        zeile % 3 + 1);
}

}  // namespace

CVerbenPage::CVerbenPage(CEditorDaten& daten, IDialoge& dialoge, IEditorDialoge& editorDialoge,
                         QWidget* parent)
    : CElementSeite(daten, dialoge, editorDialoge, farben::kWort, true, parent) {
    m_edtGrundform = new QLineEdit(this);
    m_edtGrundform->setObjectName(QStringLiteral("grundform"));
    m_edtPhonetisch = new QLineEdit(this);
    m_edtPhonetisch->setObjectName(QStringLiteral("phonetisch"));

    auto* raster = new QGridLayout(this);
    raster->addWidget(new QLabel(QStringLiteral("Grundform:"), this), 0, 0);
    raster->addWidget(m_edtGrundform, 0, 1);
    raster->addWidget(new QLabel(QStringLiteral("Phonetisch:"), this), 0, 2, Qt::AlignRight);
    raster->addWidget(m_edtPhonetisch, 0, 3);
    for (int zeit = 0; zeit < 3; ++zeit) {
        raster->addWidget(new QLabel(QString::fromUtf8(kSpaltenTitel[zeit]), this), 1, zeit + 1);
    }
    for (int zeile = 0; zeile < 6; ++zeile) {
        raster->addWidget(new QLabel(QString::fromUtf8(kZeilenTitel[zeile]), this), zeile + 2, 0);
        for (int zeit = 0; zeit < 3; ++zeit) {
            auto* feld = new QLineEdit(this);
            feld->setObjectName(QStringLiteral("form%1%2").arg(zeit).arg(zeile));
            m_formen[static_cast<std::size_t>(Slot(zeit, zeile))] = feld;
            raster->addWidget(feld, zeile + 2, zeit + 1);
            connect(feld, &QLineEdit::textEdited, this, &CVerbenPage::Geaendert);
        }
    }
    raster->addWidget(new QLabel(QStringLiteral("Vorschau:"), this), 8, 0, Qt::AlignTop);
    raster->addWidget(m_pVorschau, 8, 1, Qt::AlignLeft);
    raster->addWidget(m_pBildKnopf, 8, 2, Qt::AlignLeft | Qt::AlignTop);
    raster->setRowStretch(9, 1);

    connect(m_edtGrundform, &QLineEdit::textEdited, this, &CVerbenPage::AnzeigetextBearbeitet);
    connect(m_edtPhonetisch, &QLineEdit::textEdited, this, &CVerbenPage::Geaendert);
}

QLineEdit* CVerbenPage::GetForm(int zeit, int zeile) const {
    return m_formen[static_cast<std::size_t>(Slot(zeit, zeile))];
}

void CVerbenPage::Load(CWortelement* element) {
    m_pElement = element;
    const auto text = [](const std::string& s) { return QString::fromStdString(s); };
    m_edtGrundform->setText(element ? text(element->GetAnzeigetext()) : QString());
    m_edtPhonetisch->setText(element ? text(element->GetPhonetisch()) : QString());
    for (int slot = 0; slot < CWortelement::kFormen; ++slot) {
        m_formen[static_cast<std::size_t>(slot)]->setText(element ? text(element->GetForm(slot))
                                                                  : QString());
    }
    m_strBild = element ? element->GetBild() : std::string();
    VorschauZeigen(m_edtGrundform->text());
}

bool CVerbenPage::Store() {
    if (m_pElement == nullptr) return true;
    if (m_edtGrundform->text().isEmpty() || m_formen[0]->text().isEmpty()) return false;
    m_pElement->SetBild(m_strBild);
    m_pElement->SetAnzeigetext(m_edtGrundform->text().toStdString());
    m_pElement->SetPhonetisch(m_edtPhonetisch->text().toStdString());
    for (int slot = 0; slot < CWortelement::kFormen; ++slot) {
        m_pElement->SetForm(slot, m_formen[static_cast<std::size_t>(slot)]->text().toStdString());
    }
    return true;
}

std::string CVerbenPage::Phonetisch() const { return m_edtPhonetisch->text().toStdString(); }
