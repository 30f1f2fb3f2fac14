#include "CElementSeite.h"

#include <QPushButton>

#include "CBildButton.h"
#include "CEditorDaten.h"
#include "CWortelement.h"
#include "SeitenTeile.h"

CElementSeite::CElementSeite(CEditorDaten& daten, IDialoge& dialoge, IEditorDialoge& editorDialoge,
                             std::uint32_t farbe, bool spricht, QWidget* parent)
    : CEditorSeite(daten, dialoge, editorDialoge, parent) {
    m_pVorschau = seitenteile::Vorschau(this, farbe);
    m_pBildKnopf = seitenteile::Knopf(this, "Bild wählen", "bildWaehlen");
    connect(m_pBildKnopf, &QPushButton::clicked, this, &CElementSeite::OnBildWaehlen);
    if (spricht) {
        connect(m_pVorschau, &CBildButton::clicked, this, [this] {
            Store();
            m_daten.Speak(Phonetisch());
        });
    }
}

void CElementSeite::VorschauZeigen(const QString& caption) {
    m_pVorschau->SetCaption(caption);
    m_pVorschau->SetPicture(m_daten.ResolvePath(m_strBild));
}

void CElementSeite::AnzeigetextBearbeitet(const QString& text) {
    m_pVorschau->SetCaption(text);
    Geaendert();
    emit AnzeigetextGeaendert(text);
}

void CElementSeite::Geaendert() {
    if (m_pElement != nullptr) m_pElement->SetChanged(true);
}

void CElementSeite::OnBildWaehlen() {
    const auto bild = BildWaehlen();
    if (!bild) return;
    // Kept by the page: it reaches the element with the next Store.
    m_strBild = *bild;
    Geaendert();
    m_pVorschau->SetPicture(m_daten.ResolvePath(m_strBild));
}
