#include "CSaetzePage.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "CDatenbank.h"
#include "CEditorDaten.h"
#include "SeitenTeile.h"

CSaetzePage::CSaetzePage(CEditorDaten& daten, IDialoge& dialoge, IEditorDialoge& editorDialoge,
                         QWidget* parent)
    : CEditorSeite(daten, dialoge, editorDialoge, parent) {
    m_edtSuche = seitenteile::Feld(this, "suche");
    m_edtSuche->setPlaceholderText(QStringLiteral("Ein Wort oder ein Teil des Satzes"));
    m_lstSaetze = new QListWidget(this);
    m_lstSaetze->setObjectName(QStringLiteral("saetze"));
    m_lstSaetze->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_lblAnzahl = new QLabel(this);
    m_lblAnzahl->setObjectName(QStringLiteral("anzahl"));
    m_btnEntfernen = seitenteile::Knopf(this, "Aus dem Satzgedächtnis löschen", "entfernen");

    auto* raster = new QGridLayout(this);
    int zeile = 0;
    seitenteile::Reihe(*raster, zeile, "Suchen:", m_edtSuche);
    raster->addWidget(m_lstSaetze, zeile++, 1, 1, 3);
    raster->addWidget(m_lblAnzahl, zeile++, 1, 1, 3);
    raster->addWidget(m_btnEntfernen, zeile, 1, Qt::AlignLeft);
    raster->setRowStretch(1, 1);
    raster->setColumnStretch(3, 1);
    raster->setColumnMinimumWidth(1, 320);

    connect(m_edtSuche, &QLineEdit::textChanged, this, &CSaetzePage::Refresh);
    connect(m_btnEntfernen, &QPushButton::clicked, this, &CSaetzePage::OnEntfernen);
    connect(m_lstSaetze, &QListWidget::itemSelectionChanged, this,
            [this] { m_btnEntfernen->setEnabled(!m_lstSaetze->selectedItems().isEmpty()); });
}

void CSaetzePage::Refresh() {
    std::vector<CDatenbank::CGesagterSatz> saetze;
    m_daten.SaetzeFinden(m_edtSuche->text().toStdString(), kHoechstens, saetze);
    QStringList texte;
    m_nummern.clear();
    for (const auto& s : saetze) {
        QString text = QString::fromStdString(s.satz).trimmed();
        if (s.anzahl > 1) text += QStringLiteral("   (%1-mal gesagt)").arg(s.anzahl);
        texte << text;
        m_nummern.push_back(s.satznummer);
    }
    seitenteile::ListeFuellen(*m_lstSaetze, texte, -1);
    m_lblAnzahl->setText(saetze.empty() ? QStringLiteral("Kein Satz gefunden.")
                         : saetze.size() >= kHoechstens
                             ? QStringLiteral("Die ersten %1 Sätze; ein genauerer Suchtext "
                                              "findet die übrigen.")
                                   .arg(saetze.size())
                             : QStringLiteral("%1 Sätze").arg(saetze.size()));
    m_btnEntfernen->setEnabled(!m_lstSaetze->selectedItems().isEmpty());
}

void CSaetzePage::OnEntfernen() {
    std::vector<std::int64_t> nummern;
    QString erster;
    for (QListWidgetItem* eintrag : m_lstSaetze->selectedItems()) {
        const int zeile = m_lstSaetze->row(eintrag);
        if (zeile < 0 || static_cast<std::size_t>(zeile) >= m_nummern.size()) continue;
        nummern.push_back(m_nummern[static_cast<std::size_t>(zeile)]);
        if (erster.isEmpty()) erster = eintrag->text();
    }
    if (nummern.empty()) return;
    const std::string frage =
        nummern.size() == 1
            ? "Den Satz \u201E" + erster.toStdString() +
                  "\u201C aus dem Satzgedächtnis löschen? Sagwerk schlägt ihn dann nicht mehr "
                  "vor und vergisst, was die Wortvorhersage nur aus ihm gelernt hat."
            : "Die " + std::to_string(nummern.size()) +
                  " gewählten Sätze aus dem Satzgedächtnis löschen? Sagwerk schlägt sie dann "
                  "nicht mehr vor und vergisst, was die Wortvorhersage nur aus ihnen gelernt hat.";
    if (!LoeschenFragen(frage)) return;
    m_daten.SaetzeEntfernen(nummern);  // a failure is said by the data store
    Refresh();
}
