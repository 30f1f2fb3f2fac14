#include "CVerbenPage.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "CBildButton.h"
#include "CVerbformen.h"
#include "Farben.h"
#include "IDialoge.h"
#include "SeitenTeile.h"

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
            const auto slot = static_cast<std::size_t>(Slot(zeit, zeile));
            m_formen[slot] = feld;
            raster->addWidget(feld, zeile + 2, zeit + 1);
            connect(feld, &QLineEdit::textEdited, this, [this, slot] {
                m_getippt[slot] = true;
                Geaendert();
            });
        }
    }
    m_btnVorschlagen = seitenteile::Knopf(this, "Formen vorschlagen", "formenVorschlagen");
    m_chkSein = new QCheckBox(QStringLiteral("Vergangenheit mit \u201Esein\u201C"), this);
    m_chkSein->setObjectName(QStringLiteral("mitSein"));
    m_lblHinweis = new QLabel(this);
    m_lblHinweis->setObjectName(QStringLiteral("hinweis"));
    m_lblHinweis->setWordWrap(true);
    raster->addWidget(m_btnVorschlagen, 8, 1);
    raster->addWidget(m_chkSein, 8, 2, 1, 2);
    raster->addWidget(m_lblHinweis, 9, 1, 1, 3);
    raster->addWidget(new QLabel(QStringLiteral("Vorschau:"), this), 10, 0, Qt::AlignTop);
    raster->addWidget(m_pVorschau, 10, 1, Qt::AlignLeft);
    raster->addWidget(m_pBildSpalte, 10, 2, 2, 2, Qt::AlignLeft | Qt::AlignTop);
    raster->setRowStretch(11, 1);
    m_btnVorschlagen->setVisible(false);
    m_chkSein->setVisible(false);
    connect(m_btnVorschlagen, &QPushButton::clicked, this, &CVerbenPage::OnVorschlagen);
    connect(m_chkSein, &QCheckBox::clicked, this, &CVerbenPage::OnMitSein);

    connect(m_edtGrundform, &QLineEdit::textEdited, this, &CVerbenPage::AnzeigetextBearbeitet);
    connect(m_edtPhonetisch, &QLineEdit::textEdited, this, &CVerbenPage::Geaendert);
}

QLineEdit* CVerbenPage::GetForm(int zeit, int zeile) const {
    return m_formen[static_cast<std::size_t>(Slot(zeit, zeile))];
}

void CVerbenPage::Load(CWortelement* element) {
    m_pElement = element;
    m_getippt.fill(false);
    m_lblHinweis->clear();
    // The box follows what the past column says of the element.
    m_chkSein->setChecked(element != nullptr &&
                          element->GetForm(CWortelement::Slot(CWortelement::Zeit::Vergangenheit,
                                                              CWortelement::Zahl::Einzahl, 1))
                                  .rfind("bin ", 0) == 0);
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

std::string CVerbenPage::Anzeigetext() const { return m_edtGrundform->text().toStdString(); }

void CVerbenPage::SetVerbformen(const CVerbformen* verbformen) {
    m_pVerbformen = verbformen;
    m_btnVorschlagen->setVisible(verbformen != nullptr);
    m_chkSein->setVisible(verbformen != nullptr);
}

void CVerbenPage::OnVorschlagen() {
    if (m_pVerbformen == nullptr) return;
    const std::string grundform = m_edtGrundform->text().trimmed().toStdString();
    const auto vorschlag = m_pVerbformen->Vorschlagen(grundform);
    if (!vorschlag) {
        m_lblHinweis->setText(
            QStringLiteral("\u201E%1\u201C ist kein Verb in der Grundform (zum Beispiel "
                           "\u201Eessen\u201C oder \u201Esich waschen\u201C).")
                .arg(m_edtGrundform->text().trimmed()));
        return;
    }
    m_lblHinweis->setText(
        vorschlag->bekannt
            ? QString()
            : QStringLiteral("\u201E%1\u201C steht nicht im Wörterbuch: Die Formen sind wie "
                             "bei einem regelmäßigen Verb gebildet. Bitte prüfen Sie sie.")
                  .arg(QString::fromStdString(grundform)));
    m_chkSein->setChecked(vorschlag->mitSein);
    Fuellen(vorschlag->formen, 0, 2);
}

void CVerbenPage::OnMitSein() {
    if (m_pVerbformen == nullptr) return;
    const auto vorschlag = m_pVerbformen->Vorschlagen(
        m_edtGrundform->text().trimmed().toStdString(),
        m_chkSein->isChecked() ? CVerbformen::Hilfsverb::Sein : CVerbformen::Hilfsverb::Haben);
    if (vorschlag) Fuellen(vorschlag->formen, 1, 1);
}

void CVerbenPage::Fuellen(const std::array<std::string, 18>& formen, int von, int bis) {
    bool ersetzen = false;
    bool gefragt = false;
    for (int zeit = von; zeit <= bis; ++zeit) {
        for (int zeile = 0; zeile < 6; ++zeile) {
            const auto slot = static_cast<std::size_t>(Slot(zeit, zeile));
            const QString neu =
                QString::fromStdString(formen[static_cast<std::size_t>(zeit * 6 + zeile)]);
            QLineEdit* feld = m_formen[slot];
            if (m_getippt[slot] && !feld->text().isEmpty() && feld->text() != neu) {
                if (!gefragt) {
                    gefragt = true;
                    ersetzen = m_dialoge.ShowMessage(
                                   "Sie haben Formen selbst eingegeben. Sollen auch diese durch "
                                   "die vorgeschlagenen ersetzt werden?",
                                   "Frage", IDialoge::Symbol::Frage,
                                   IDialoge::Knoepfe::JaNein) == IDialoge::Antwort::Ja;
                }
                if (!ersetzen) continue;
            }
            feld->setText(neu);
            m_getippt[slot] = false;
        }
    }
    Geaendert();
}
