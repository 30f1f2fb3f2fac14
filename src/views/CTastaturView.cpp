#include "CTastaturView.h"

#include <QFontMetrics>
#include <algorithm>

#include "CBildButton.h"
#include "CSagwerkDoc.h"
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
}

void CTastaturView::CreateKeys() {
    const auto rechtecke = anordnung::Tasten(size());
    for (int i = 0; i < anordnung::kTasten; ++i) {
        CBildButton* taste = m_keys[static_cast<std::size_t>(i)];
        const QRect& feld = rechtecke[static_cast<std::size_t>(i)];
        taste->setGeometry(feld);
        const QString text = i < 29 ? QString(QChar(kBeschriftung[i]))
                                    : QString::fromUtf8(i == 29 ? "Leertaste" : "Löschen");
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
}

void CTastaturView::OnKey(int i) { m_doc.KeyTyped(kZeichen[i]); }
