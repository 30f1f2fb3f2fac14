#include "CAuswahlListe.h"

#include <QSignalBlocker>

void CAuswahlListe::focusInEvent(QFocusEvent* event) {
    const int vorher = currentRow();
    {
        const QSignalBlocker sperre(this);
        QListWidget::focusInEvent(event);
        if (currentRow() != vorher) setCurrentRow(vorher);
    }
    // The selection the list may have painted for the entry it chose.
    viewport()->update();
}
