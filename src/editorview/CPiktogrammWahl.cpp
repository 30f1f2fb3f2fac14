#include "CPiktogrammWahl.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QVBoxLayout>

#include "CBildButton.h"
#include "CEditorDaten.h"
#include "Ressourcen.h"

namespace {

constexpr int kSpalten = 5;
constexpr int kGroesse = 78;

// The pictograms and the starter vocabulary, read once: every page of every
// editor opened later searches the same table.
const CPiktogrammSuche& Grundtabelle() {
    static const CPiktogrammSuche tabelle = [] {
        CPiktogrammSuche t;
        std::string fehler;
        t.Laden(RessourcenVerzeichnis(), fehler);
        t.GrundwortschatzLaden(WortschatzDatei(), fehler);
        return t;
    }();
    return tabelle;
}

}  // namespace

CPiktogrammWahl::CPiktogrammWahl(CEditorDaten& daten, QWidget* parent)
    : QWidget(parent), m_daten(daten) {
    m_edtSuche = new QLineEdit(this);
    m_edtSuche->setObjectName(QStringLiteral("bildSuchen"));
    m_edtSuche->setPlaceholderText(QStringLiteral("Bild suchen"));
    m_edtSuche->setClearButtonEnabled(true);
    m_edtSuche->setToolTip(
        QStringLiteral("Ein deutsches Wort eingeben, z. B. \u201EToilette\u201C"));
    m_lblKeine = new QLabel(this);
    m_lblKeine->setObjectName(QStringLiteral("keineTreffer"));
    m_lblKeine->setWordWrap(true);
    m_pRaster = new QWidget;
    m_pLayout = new QGridLayout(m_pRaster);
    m_pLayout->setContentsMargins(0, 0, 0, 0);
    m_pLayout->setSpacing(2);
    for (int i = 0; i < kTreffer; ++i) {
        auto* knopf = new CBildButton(m_pRaster);
        knopf->setObjectName(QStringLiteral("treffer%1").arg(i));
        knopf->setFixedSize(kGroesse, kGroesse);
        knopf->SetMindestSchrift(9);
        knopf->setVisible(false);
        m_pLayout->addWidget(knopf, i / kSpalten, i % kSpalten);
        connect(knopf, &CBildButton::clicked, this, [this, i] {
            if (static_cast<std::size_t>(i) < m_bilder.size()) emit Gewaehlt(m_bilder[i]);
        });
        m_knoepfe.push_back(knopf);
    }
    m_pRollen = new QScrollArea(this);
    m_pRollen->setObjectName(QStringLiteral("trefferRaster"));
    m_pRollen->setWidget(m_pRaster);
    m_pRollen->setWidgetResizable(false);
    m_pRollen->setFrameShape(QFrame::NoFrame);
    m_pRollen->setMinimumHeight(2 * kGroesse + 4);
    m_pRollen->setMinimumWidth(kSpalten * (kGroesse + 2) + 20);
    m_pRollen->setVisible(false);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_edtSuche);
    layout->addWidget(m_lblKeine);
    layout->addWidget(m_pRollen, 1);
    m_lblKeine->setVisible(false);
    connect(m_edtSuche, &QLineEdit::textEdited, this, &CPiktogrammWahl::Suchen);
}

const CPiktogrammSuche& CPiktogrammWahl::Suche() {
    if (!m_pSuche) {
        m_pSuche = std::make_unique<CPiktogrammSuche>(Grundtabelle());
        for (const auto& [pfad, name] : m_daten.EigeneBilder()) m_pSuche->EigenesBild(pfad, name);
    }
    return *m_pSuche;
}

void CPiktogrammWahl::Leeren() {
    m_edtSuche->clear();
    Suchen(QString());
}

void CPiktogrammWahl::Suchen(const QString& text) {
    if (m_edtSuche->text() != text) m_edtSuche->setText(text);
    const auto treffer = text.trimmed().isEmpty() ? std::vector<CPiktogrammSuche::Treffer>()
                                                  : Suche().Suchen(text.toStdString(), kTreffer);
    m_bilder.clear();
    m_pRaster->setUpdatesEnabled(false);
    for (std::size_t i = 0; i < m_knoepfe.size(); ++i) {
        CBildButton* knopf = m_knoepfe[i];
        if (i < treffer.size()) {
            m_bilder.push_back(QString::fromStdString(treffer[i].bild));
            knopf->SetCaption(treffer[i].name);
            knopf->setToolTip(QString::fromStdString(treffer[i].name));
            knopf->SetPicture(treffer[i].bild);
        } else {
            knopf->SetPicture(std::string());
        }
        knopf->setVisible(i < treffer.size());
    }
    const int zeilen = (static_cast<int>(treffer.size()) + kSpalten - 1) / kSpalten;
    m_pRaster->resize(kSpalten * (kGroesse + 2), std::max(1, zeilen) * (kGroesse + 2));
    m_pRaster->setUpdatesEnabled(true);
    m_pRollen->setVisible(!treffer.empty());
    m_lblKeine->setVisible(treffer.empty() && !text.trimmed().isEmpty());
    m_lblKeine->setText(QStringLiteral("Kein Bild passt zu \u201E%1\u201C.").arg(text.trimmed()));
}

std::vector<CBildButton*> CPiktogrammWahl::GetTreffer() const {
    std::vector<CBildButton*> sichtbar;
    for (std::size_t i = 0; i < m_bilder.size(); ++i) sichtbar.push_back(m_knoepfe[i]);
    return sichtbar;
}

QString CPiktogrammWahl::GetBild(int treffer) const {
    return treffer >= 0 && static_cast<std::size_t>(treffer) < m_bilder.size()
               ? m_bilder[static_cast<std::size_t>(treffer)]
               : QString();
}
