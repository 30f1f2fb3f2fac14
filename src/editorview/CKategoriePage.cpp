#include "CKategoriePage.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

#include "CEditorDaten.h"
#include "IDialoge.h"
#include "KategorieNamen.h"

namespace {
const QString kHome = QStringLiteral("HOME");
}

CKategoriePage::CKategoriePage(CEditorDaten& daten, IDialoge& dialoge,
                               IEditorDialoge& editorDialoge, QWidget* parent)
    : CEditorSeite(daten, dialoge, editorDialoge, parent) {
    m_lstKategorien = new QListWidget(this);
    m_lstKategorien->setObjectName(QStringLiteral("kategorien"));
    m_edtName = new QLineEdit(this);
    m_edtName->setObjectName(QStringLiteral("name"));
    auto* neu = new QPushButton(QStringLiteral("neue Kategorie"), this);
    neu->setObjectName(QStringLiteral("neueKategorie"));
    auto* loeschen = new QPushButton(QStringLiteral("Kategorie löschen"), this);
    loeschen->setObjectName(QStringLiteral("kategorieLoeschen"));
    auto* uebernehmen = new QPushButton(QStringLiteral("Name übernehmen"), this);
    uebernehmen->setObjectName(QStringLiteral("nameUebernehmen"));

    auto* raster = new QGridLayout(this);
    raster->addWidget(m_lstKategorien, 0, 0, 6, 1);
    raster->addWidget(neu, 0, 1);
    raster->addWidget(loeschen, 1, 1);
    raster->addWidget(new QLabel(QStringLiteral("Name:"), this), 2, 1);
    raster->addWidget(m_edtName, 3, 1);
    raster->addWidget(uebernehmen, 4, 1);
    raster->setRowStretch(5, 1);
    raster->setColumnStretch(0, 1);
    raster->setColumnStretch(1, 1);

    connect(m_lstKategorien, &QListWidget::currentRowChanged, this, &CKategoriePage::OnGewaehlt);
    connect(neu, &QPushButton::clicked, this, &CKategoriePage::OnNeu);
    connect(loeschen, &QPushButton::clicked, this, &CKategoriePage::OnLoeschen);
    connect(uebernehmen, &QPushButton::clicked, this, &CKategoriePage::OnUmbenennen);
}

void CKategoriePage::Refresh() {
    QStringList namen = KategorieNamen(m_daten);
    namen.removeAll(kHome);
    NamenSortieren(namen);
    const QString aktuell = QString::fromStdString(m_daten.GetKategorie().GetName());
    const QSignalBlocker sperre(m_lstKategorien);
    m_lstKategorien->clear();
    m_lstKategorien->addItems(namen);
    m_lstKategorien->setCurrentRow(aktuell == kHome ? -1
                                                    : static_cast<int>(namen.indexOf(aktuell)));
    m_edtName->setText(aktuell == kHome ? QString() : aktuell);
}

void CKategoriePage::OnGewaehlt() {
    const QListWidgetItem* eintrag = m_lstKategorien->currentItem();
    if (eintrag == nullptr) return;
    if (!m_daten.SelectKategorie(eintrag->text().toStdString())) Refresh();
}

void CKategoriePage::OnNeu() { m_daten.NewKategorie("neu"); }

void CKategoriePage::OnLoeschen() {
    if (m_daten.IsStartKategorie()) {
        m_dialoge.ShowMessage("Die Startseite kann nicht gelöscht werden.", "Information",
                              IDialoge::Symbol::Information);
        return;
    }
    if (m_daten.RemoveKategorie()) return;
    // A failed delete has been reported by the file already.
    if (m_daten.GetWortelementCount() > 0) {
        m_dialoge.ShowMessage("Die Kategorie kann nicht gelöscht werden, da sie nicht leer ist.",
                              "Information", IDialoge::Symbol::Information);
    }
}

void CKategoriePage::OnUmbenennen() {
    m_daten.GetKategorie().SetName(m_edtName->text().toStdString());
    m_daten.CommitKategorie();
}
