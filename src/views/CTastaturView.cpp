#include "CTastaturView.h"

#include <QFontMetrics>
#include <algorithm>

#include "CBildButton.h"
#include "CSagwerkDoc.h"
#include "CWortzeile.h"
#include "Farben.h"

namespace {
constexpr char32_t kZeichen[] = U"qwertzuiopüasdfghjklöyxcvbnmä <";
const char16_t kBeschriftung[] = u"QWERTZUIOPÜASDFGHJKLÖYXCVBNMÄ";
}  // namespace

CTastaturView::CTastaturView(CSagwerkDoc& doc, QWidget* parent) : QWidget(parent), m_doc(doc) {
    setObjectName(QStringLiteral("Tastatur"));
    for (int i = 0; i < anordnung::kTasten; ++i) {
        auto* taste = new CBildButton(this);
        taste->SetFillColor(farben::kBefehl);
        connect(taste, &CBildButton::clicked, this, [this, i] { OnKey(i); });
        m_keys[static_cast<std::size_t>(i)] = taste;
    }
    m_pShift = new CBildButton(this);
    m_pShift->SetFillColor(farben::kBefehl);
    m_pShift->hide();
    connect(m_pShift, &CBildButton::clicked, this, [this] {
        m_bShift = !m_bShift;
        m_pShift->SetHeld(m_bShift);
    });
    m_pZeile = new CWortzeile(farben::kWort, this);
    m_pZeile->hide();
    connect(m_pZeile, &CWortzeile::Gewaehlt, this,
            [this](int i) { m_doc.WortvorschlagGewaehlt(static_cast<std::size_t>(i)); });
}

void CTastaturView::Beschriften(CBildButton* taste, const QRect& feld, const QString& text) {
    taste->setGeometry(feld);
    // A letter fills its key; the words get the size that fits their key.
    QFont schrift = taste->font();
    int groesse = std::max(10, feld.height() * 2 / 5);
    schrift.setPixelSize(groesse);
    while (groesse > 10 && QFontMetrics(schrift).horizontalAdvance(text) > feld.width() - 12) {
        schrift.setPixelSize(--groesse);
    }
    taste->setFont(schrift);
    taste->SetCaption(text);
}

void CTastaturView::ZeileZeigen() {
    if (!m_pZeile->isVisibleTo(this)) return;
    std::vector<CWortzeile::CWort> woerter;
    for (const std::string& w : m_doc.GetWortvorschlaege()) woerter.push_back({w, {}});
    m_pZeile->Zeigen(woerter);
}

void CTastaturView::CreateKeys() {
    const bool zeile = m_doc.IsWortvorhersage();
    QRect tasten = rect();
    if (zeile) {
        const anordnung::CMitZeile m = anordnung::MitWortzeile(rect(), 4);
        m_pZeile->setGeometry(m.zeile);
        m_pZeile->Anordnen();
        tasten = m.rest;
    }
    m_pZeile->setVisible(zeile);
    const auto rechtecke = anordnung::Tasten(tasten.size());
    for (int i = 0; i < anordnung::kTasten; ++i) {
        const QString text = i < 29 ? QString(QChar(kBeschriftung[i]))
                                    : QString::fromUtf8(i == 29 ? "Leertaste" : "Löschen");
        Beschriften(m_keys[static_cast<std::size_t>(i)],
                    rechtecke[static_cast<std::size_t>(i)].translated(tasten.topLeft()), text);
    }
    Beschriften(m_pShift, anordnung::Umschalttaste(rechtecke).translated(tasten.topLeft()),
                QStringLiteral("Groß"));
    m_pShift->setVisible(zeile);
    m_bShift = false;
    m_pShift->SetHeld(false);
    ZeileZeigen();
}

void CTastaturView::OnKey(int i) {
    char32_t zeichen = kZeichen[i];
    if (m_bShift && i < 29) {
        // One capital, then back to small letters.
        zeichen = QChar::toUpper(zeichen);
        m_bShift = false;
        m_pShift->SetHeld(false);
    }
    m_doc.KeyTyped(zeichen);
}
