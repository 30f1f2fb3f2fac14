#include "CTastaturView.h"

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
        taste->setGeometry(rechtecke[static_cast<std::size_t>(i)]);
        if (i < 29)
            taste->SetCaption(QString(QChar(kBeschriftung[i])));
        else
            taste->SetCaption(QString::fromUtf8(i == 29 ? "Leertaste" : "Löschen"));
    }
}

void CTastaturView::OnKey(int i) { m_doc.KeyTyped(kZeichen[i]); }
