#include "CElementSeite.h"

#include <QPushButton>
#include <QVBoxLayout>

#include "CBildButton.h"
#include "CEditorDaten.h"
#include "CPiktogrammWahl.h"
#include "CWortelement.h"
#include "SeitenTeile.h"

CElementSeite::CElementSeite(CEditorDaten& daten, IDialoge& dialoge, IEditorDialoge& editorDialoge,
                             std::uint32_t farbe, bool spricht, QWidget* parent)
    : CEditorSeite(daten, dialoge, editorDialoge, parent) {
    m_pVorschau = seitenteile::Vorschau(this, farbe);
    m_pBildSpalte = new QWidget(this);
    m_pBildKnopf = seitenteile::Knopf(m_pBildSpalte, "Bild wählen", "bildWaehlen");
    m_pBildSuche = new CPiktogrammWahl(daten, m_pBildSpalte);
    auto* spalte = new QVBoxLayout(m_pBildSpalte);
    spalte->setContentsMargins(0, 0, 0, 0);
    spalte->addWidget(m_pBildKnopf, 0, Qt::AlignLeft);
    spalte->addWidget(m_pBildSuche, 1);
    connect(m_pBildKnopf, &QPushButton::clicked, this, &CElementSeite::OnBildWaehlen);
    connect(m_pBildSuche, &CPiktogrammWahl::Gewaehlt, this, [this](const QString& pfad) {
        if (m_pElement == nullptr) return;
        const std::string bild = m_daten.BildUebernehmen(pfad.toStdString());
        if (!bild.empty()) BildSetzen(bild);
    });
    if (spricht) {
        connect(m_pVorschau, &CBildButton::clicked, this, [this] {
            Store();
            const std::string text = Phonetisch();
            m_daten.Speak(text.empty() ? Anzeigetext() : text);
        });
    }
}

void CElementSeite::VorschauZeigen(const QString& caption) {
    // Another element: what was found for the one before does not belong.
    m_pBildSuche->Leeren();
    m_pVorschau->SetCaption(caption);
    m_pVorschau->SetPicture(m_daten.ResolvePath(m_strBild));
}

void CElementSeite::AnzeigetextBearbeitet(const QString& text) {
    m_pVorschau->SetCaption(text);
    Geaendert();
    emit AnzeigetextGeaendert(text);
    // A new element without a picture: its pictures are offered at once.
    if (m_pElement != nullptr && m_pElement->GetIndex() < 0 && m_strBild.empty()) {
        m_pBildSuche->Suchen(text);
    }
}

void CElementSeite::Geaendert() {
    if (m_pElement == nullptr) return;
    m_pElement->SetChanged(true);
    emit Bearbeitet();
}

void CElementSeite::OnBildWaehlen() {
    const auto bild = BildWaehlen();
    if (bild) BildSetzen(*bild);
}

void CElementSeite::BildSetzen(const std::string& bild) {
    // Kept by the page: it reaches the element with the next Store.
    m_strBild = bild;
    Geaendert();
    m_pVorschau->SetPicture(m_daten.ResolvePath(m_strBild));
}
