#include "KategorieNamen.h"

#include <QCollator>
#include <QComboBox>
#include <QLocale>
#include <QSignalBlocker>
#include <algorithm>

#include "CEditorDaten.h"
#include "CKategorie.h"

QStringList KategorieNamen(CEditorDaten& daten) {
    QStringList namen;
    CKategorie k;
    for (bool da = daten.GotoFirstKategorie(k); da; da = daten.GotoNextKategorie(k)) {
        namen << QString::fromStdString(k.GetName());
    }
    return namen;
}

void NamenSortieren(QStringList& namen) {
    QCollator ordnung{QLocale(QLocale::German, QLocale::Germany)};
    ordnung.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(namen.begin(), namen.end(),
                     [&](const QString& a, const QString& b) { return ordnung.compare(a, b) < 0; });
}

void KategorienEintragen(CEditorDaten& daten, QComboBox& box) {
    QStringList namen = KategorieNamen(daten);
    NamenSortieren(namen);
    const QSignalBlocker sperre(box);
    box.clear();
    box.addItems(namen);
    box.setCurrentIndex(-1);
}
