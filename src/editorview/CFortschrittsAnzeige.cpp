#include "CFortschrittsAnzeige.h"

#include <QProgressDialog>

CFortschrittsAnzeige::CFortschrittsAnzeige(QWidget* parent)
    : m_pDialog(new QProgressDialog(parent)) {
    m_pDialog->setWindowTitle(QStringLiteral("Wortelemente anordnen"));
    m_pDialog->setWindowModality(Qt::WindowModal);
    m_pDialog->setCancelButton(nullptr);
    m_pDialog->setMinimumDuration(0);
    m_pDialog->setAutoClose(true);
    m_pDialog->setAutoReset(false);
}

CFortschrittsAnzeige::~CFortschrittsAnzeige() { delete m_pDialog; }

void CFortschrittsAnzeige::Fortschritt(std::size_t erledigt, std::size_t gesamt,
                                       const std::string& text) {
    m_pDialog->setMaximum(static_cast<int>(gesamt));
    if (erledigt < gesamt) {
        m_pDialog->setLabelText(QStringLiteral("Kategorie %1 von %2: %3")
                                    .arg(erledigt + 1)
                                    .arg(gesamt)
                                    .arg(QString::fromStdString(text)));
    }
    // A modal progress dialog lets the screen draw itself while it is set.
    m_pDialog->setValue(static_cast<int>(erledigt));
}
