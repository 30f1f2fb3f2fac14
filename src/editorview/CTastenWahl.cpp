#include "CTastenWahl.h"

#include <QKeyEvent>
#include <QKeySequence>

CTastenWahl::CTastenWahl(bool ohne, QWidget* parent) : QPushButton(parent), m_bOhne(ohne) {
    connect(this, &QPushButton::clicked, this, [this] {
        m_bWartend = true;
        setFocus();
        Anzeigen();
    });
    Anzeigen();
}

QString CTastenWahl::Name(int taste) {
    switch (taste) {
        case 0:
            return QStringLiteral("keine");
        case Qt::Key_Space:
            return QStringLiteral("Leertaste");
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return QStringLiteral("Eingabetaste");
        case Qt::Key_Tab:
            return QStringLiteral("Tabulator");
        case Qt::Key_Shift:
            return QStringLiteral("Umschalttaste");
        case Qt::Key_Control:
            return QStringLiteral("Strg");
        default:
            return QKeySequence(taste).toString(QKeySequence::NativeText);
    }
}

void CTastenWahl::SetTaste(int taste) {
    m_nTaste = taste;
    m_bWartend = false;
    Anzeigen();
}

void CTastenWahl::Anzeigen() {
    setText(m_bWartend ? QStringLiteral("Jetzt die Taste drücken \u2026")
                       : Name(m_nTaste) + QStringLiteral(" \u2013 ändern"));
}

void CTastenWahl::keyPressEvent(QKeyEvent* event) {
    if (!m_bWartend) {
        QPushButton::keyPressEvent(event);
        return;
    }
    event->accept();
    if (event->isAutoRepeat()) return;
    int taste = event->key() == Qt::Key_Enter ? Qt::Key_Return : event->key();
    if (taste == Qt::Key_Escape || taste == 0 || taste == Qt::Key_unknown) {
        m_bWartend = false;
        Anzeigen();
        return;
    }
    if (m_bOhne && (taste == Qt::Key_Delete || taste == Qt::Key_Backspace)) taste = 0;
    SetTaste(taste);
    emit Gewaehlt(taste);
}

void CTastenWahl::focusOutEvent(QFocusEvent* event) {
    // Waiting ends when the carer goes elsewhere.
    if (m_bWartend) {
        m_bWartend = false;
        Anzeigen();
    }
    QPushButton::focusOutEvent(event);
}
