#pragma once

#include <QStringList>

class CEditorDaten;
class QComboBox;

// The names of all categories in the file's order.
QStringList KategorieNamen(CEditorDaten& daten);

// Sorted as the carer reads them: German order, letter case aside.
void NamenSortieren(QStringList& namen);

// Empties the box and fills it with every category's name, sorted; nothing
// is selected afterwards.
void KategorienEintragen(CEditorDaten& daten, QComboBox& box);
