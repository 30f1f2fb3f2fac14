#include "CWortzeile.h"

#include "Anordnung.h"
#include "CBildButton.h"

CWortzeile::CWortzeile(std::uint32_t farbe, QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Wortvorschlaege"));
    for (int i = 0; i < kKnoepfe; ++i) {
        auto* knopf = new CBildButton(this);
        knopf->SetFillColor(farbe);
        knopf->SetMindestSchrift(10);
        knopf->hide();
        connect(knopf, &CBildButton::clicked, this, [this, i] { emit Gewaehlt(i); });
        m_knoepfe.push_back(knopf);
    }
}

void CWortzeile::Anordnen() {
    const std::vector<QRect> felder = anordnung::Zeilenknoepfe(size(), kKnoepfe);
    for (int i = 0; i < kKnoepfe; ++i) m_knoepfe[i]->setGeometry(felder[i]);
}

void CWortzeile::Zeigen(const std::vector<CWort>& woerter) {
    const auto gleich = [](const CWort& a, const CWort& b) {
        return a.text == b.text && a.bild == b.bild;
    };
    if (woerter.size() == m_gezeigt.size() &&
        std::equal(woerter.begin(), woerter.end(), m_gezeigt.begin(), gleich))
        return;
    m_gezeigt.assign(woerter.begin(), woerter.begin() + static_cast<long>(std::min<std::size_t>(
                                                            woerter.size(), kKnoepfe)));
    for (std::size_t i = 0; i < m_knoepfe.size(); ++i) {
        CBildButton* knopf = m_knoepfe[i];
        if (i < m_gezeigt.size()) {
            knopf->SetCaption(m_gezeigt[i].text);
            knopf->SetPicture(m_gezeigt[i].bild);
            knopf->show();
        } else {
            knopf->hide();
        }
    }
}
