#include "CKategoriePage.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

#include "CAuswahlListe.h"
#include "CEditorDaten.h"
#include "IDialoge.h"
#include "KategorieNamen.h"

namespace {
const QString kHome = QStringLiteral("HOME");
}

CKategoriePage::CKategoriePage(CEditorDaten& daten, IDialoge& dialoge,
                               IEditorDialoge& editorDialoge, QWidget* parent)
    : CEditorSeite(daten, dialoge, editorDialoge, parent) {
    m_lstKategorien = new CAuswahlListe(this);
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
    // The start page is not listed, but its name is shown: "Name übernehmen"
    // on it keeps or changes a name that is there.
    m_edtName->setText(aktuell);
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
    if (m_daten.GetWortelementCount() > 0) {
        m_dialoge.ShowMessage("Die Kategorie kann nicht gelöscht werden, da sie nicht leer ist.",
                              "Information", IDialoge::Symbol::Information);
        return;
    }
    const std::string name = m_daten.GetKategorie().GetName();
    const std::size_t links = m_daten.LinksZu(m_daten.GetKategorie().GetIndex()).size();
    std::string frage = "Soll die Kategorie \u201E" + name + "\u201C gelöscht werden?";
    if (links == 1) {
        frage += " Ein Link führt zu ihr; er wird mit ihr gelöscht.";
    } else if (links > 1) {
        frage += " " + std::to_string(links) + " Links führen zu ihr; sie werden mit ihr gelöscht.";
    }
    if (!LoeschenFragen(frage)) return;
    if (m_daten.RemoveKategorie()) return;
    // A failed delete has been reported by the file already.
    if (m_daten.GetWortelementCount() > 0) {
        m_dialoge.ShowMessage("Die Kategorie kann nicht gelöscht werden, da sie nicht leer ist.",
                              "Information", IDialoge::Symbol::Information);
    }
}

void CKategoriePage::OnUmbenennen() {
    const QString name = m_edtName->text().trimmed();
    if (name.isEmpty()) {
        m_dialoge.ShowMessage(m_daten.IsStartKategorie()
                                  ? "Die Startseite braucht einen Namen. Bitte geben Sie einen "
                                    "Namen ein; sonst behält sie \u201EHOME\u201C."
                                  : "Eine Kategorie braucht einen Namen. Bitte geben Sie einen "
                                    "Namen ein.",
                              "Information", IDialoge::Symbol::Information);
        Refresh();
        return;
    }
    const std::string bisher = m_daten.GetKategorie().GetName();
    m_daten.GetKategorie().SetName(name.toStdString());
    if (!m_daten.CommitKategorie()) m_daten.GetKategorie().SetName(bisher);
}
