#include "CWortPage.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "CBildButton.h"
#include "CEditorDaten.h"
#include "CNomenformen.h"
#include "CWortelement.h"
#include "Farben.h"
#include "SeitenTeile.h"

using seitenteile::Feld;

namespace {
// The entries of "Nomen:", in the order of CNomen::Geschlecht.
const char* const kGeschlechter[] = {"kein Nomen", "der (männlich)", "die (weiblich)",
                                     "das (sächlich)", "nur Mehrzahl"};
const char* const kFaelle[] = {"Nominativ (wer?)", "Akkusativ (wen?)", "Dativ (wem?)",
                               "Genitiv (wessen?)"};
}  // namespace

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

    m_cmbGeschlecht = new QComboBox(this);
    m_cmbGeschlecht->setObjectName(QStringLiteral("geschlecht"));
    for (const char* g : kGeschlechter) m_cmbGeschlecht->addItem(QString::fromUtf8(g));
    auto* vorschlagen = seitenteile::Knopf(this, "Formen vorschlagen", "nomenVorschlagen");
    auto* nomen = new QGridLayout;
    nomen->addWidget(new QLabel(QStringLiteral("Nomen:"), this), 0, 0);
    nomen->addWidget(m_cmbGeschlecht, 0, 1);
    nomen->addWidget(vorschlagen, 0, 2);
    nomen->addWidget(new QLabel(QStringLiteral("Einzahl"), this), 1, 1);
    nomen->addWidget(new QLabel(QStringLiteral("Mehrzahl"), this), 1, 2);
    for (int fall = 0; fall < 4; ++fall) {
        nomen->addWidget(new QLabel(QString::fromUtf8(kFaelle[fall]), this), 2 + fall, 0);
        for (int zahl = 0; zahl < 2; ++zahl) {
            const int slot = zahl * 4 + fall;
            QLineEdit* feld = Feld(this, CNomen::SpaltenName(slot));
            m_nomenformen[static_cast<std::size_t>(slot)] = feld;
            nomen->addWidget(feld, 2 + fall, 1 + zahl);
            connect(feld, &QLineEdit::textEdited, this, &CWortPage::Geaendert);
        }
    }
    m_lblNomen = new QLabel(this);
    m_lblNomen->setObjectName(QStringLiteral("nomenHinweis"));
    m_lblNomen->setWordWrap(true);
    nomen->addWidget(m_lblNomen, 6, 0, 1, 3);
    raster->addLayout(nomen, 5, 0, 1, 3);
    raster->setColumnStretch(2, 1);
    raster->setRowStretch(6, 1);
    connect(m_cmbGeschlecht, &QComboBox::activated, this, &CWortPage::Geaendert);
    connect(vorschlagen, &QPushButton::clicked, this, &CWortPage::OnNomenVorschlagen);

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
    const CNomen nomen = element ? element->GetNomen() : CNomen();
    m_cmbGeschlecht->setCurrentIndex(static_cast<int>(nomen.GetGeschlecht()));
    for (int slot = 0; slot < CNomen::kFormen; ++slot)
        m_nomenformen[static_cast<std::size_t>(slot)]->setText(text(nomen.GetForm(slot)));
    m_lblNomen->clear();
    VorschauZeigen(m_edtAnzeigetext->text());
}

void CWortPage::OnNomenVorschlagen() {
    QString wort = m_edtWort->text().trimmed();
    if (wort.isEmpty()) wort = m_edtAnzeigetext->text().trimmed();
    std::string fehler;
    const CNomenformen* formen = CEditorDaten::GetNomenformen(fehler);
    if (formen == nullptr) {
        m_lblNomen->setText(QString::fromStdString(fehler));
        return;
    }
    const auto nomen = formen->Vorschlagen(wort.toStdString());
    if (!nomen) {
        // No guess: the carer knows the word, the program does not.
        m_lblNomen->setText(QStringLiteral("\u201E%1\u201C steht nicht im Wörterbuch. Bitte "
                                           "wählen Sie der, die oder das und tragen Sie die "
                                           "Formen selbst ein.")
                                .arg(wort));
        for (QLineEdit* feld : m_nomenformen) feld->clear();
    } else {
        m_lblNomen->clear();
        m_cmbGeschlecht->setCurrentIndex(static_cast<int>(nomen->GetGeschlecht()));
        for (int slot = 0; slot < CNomen::kFormen; ++slot)
            m_nomenformen[static_cast<std::size_t>(slot)]->setText(
                QString::fromStdString(nomen->GetForm(slot)));
    }
    Geaendert();
}

bool CWortPage::Store() {
    if (m_pElement == nullptr) return true;
    if (m_edtAnzeigetext->text().isEmpty() || m_edtWort->text().isEmpty()) return false;
    m_pElement->SetBild(m_strBild);
    m_pElement->SetAnzeigetext(m_edtAnzeigetext->text().toStdString());
    m_pElement->SetPhonetisch(m_edtPhonetisch->text().toStdString());
    m_pElement->SetForm(0, m_edtWort->text().toStdString());
    CNomen nomen;
    nomen.SetGeschlecht(static_cast<CNomen::Geschlecht>(m_cmbGeschlecht->currentIndex()));
    if (nomen.IstNomen()) {
        for (int slot = 0; slot < CNomen::kFormen; ++slot)
            nomen.SetForm(slot,
                          m_nomenformen[static_cast<std::size_t>(slot)]->text().trimmed().toStdString());
    }
    m_pElement->SetNomen(nomen);
    return true;
}

std::string CWortPage::Phonetisch() const { return m_edtPhonetisch->text().toStdString(); }

std::string CWortPage::Anzeigetext() const { return m_edtAnzeigetext->text().toStdString(); }
