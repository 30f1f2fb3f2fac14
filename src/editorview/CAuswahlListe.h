#pragma once

#include <QListWidget>

// A list of the editor whose entry becomes current only by the carer's click
// or arrow key. A plain list makes its first entry current when the keyboard
// focus comes to it, so that the next "Bild wählen" or "löschen" would act on
// an entry nobody chose.
class CAuswahlListe : public QListWidget {
    Q_OBJECT
public:
    using QListWidget::QListWidget;

protected:
    void focusInEvent(QFocusEvent* event) override;
};
