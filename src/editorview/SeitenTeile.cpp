#include "SeitenTeile.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

#include "CBildButton.h"

namespace seitenteile {

QLineEdit* Feld(QWidget* eltern, const char* name) {
    auto* feld = new QLineEdit(eltern);
    feld->setObjectName(QString::fromLatin1(name));
    return feld;
}

void Reihe(QGridLayout& raster, int& zeile, const char* text, QWidget* feld, QWidget* echo) {
    raster.addWidget(new QLabel(QString::fromUtf8(text), raster.parentWidget()), zeile, 0);
    raster.addWidget(feld, zeile, 1);
    if (echo != nullptr) raster.addWidget(echo, zeile, 2);
    ++zeile;
}

QPushButton* Knopf(QWidget* eltern, const char* text, const char* name) {
    auto* knopf = new QPushButton(QString::fromUtf8(text), eltern);
    knopf->setObjectName(QString::fromLatin1(name));
    return knopf;
}

CBildButton* Vorschau(QWidget* eltern, std::uint32_t farbe) {
    auto* vorschau = new CBildButton(eltern);
    vorschau->setObjectName(QStringLiteral("vorschau"));
    vorschau->setFixedSize(100, 100);
    vorschau->SetFillColor(farbe);
    return vorschau;
}

void ListeFuellen(QListWidget& liste, const QStringList& texte, int zeile) {
    const QSignalBlocker sperre(liste);
    QStringList bisher;
    for (int i = 0; i < liste.count(); ++i) bisher << liste.item(i)->text();
    if (bisher != texte) {
        liste.clear();
        liste.addItems(texte);
    }
    liste.setCurrentRow(zeile);
}

}  // namespace seitenteile
