#include "CQtEditorDialoge.h"

#include <QFileDialog>

#include "CPasswortDlg.h"

std::optional<QString> CQtEditorDialoge::PasswortAbfragen(QWidget* parent) {
    CPasswortDlg dlg(parent);
    if (dlg.exec() != QDialog::Accepted) return std::nullopt;
    return dlg.GetPasswort();
}

QString CQtEditorDialoge::BildWaehlen(QWidget* parent) {
    // Qt's own dialog, not the desktop's: German like the rest of the
    // program, and the same on every machine.
    return QFileDialog::getOpenFileName(
        parent, QStringLiteral("Bild wählen"), QString(),
        QStringLiteral("Bilder (*.bmp *.ico *.png *.jpg *.jpeg *.svg);;Bitmap (*.bmp);;"
                       "Icons (*.ico);;PNG (*.png);;JPEG (*.jpg *.jpeg);;SVG (*.svg);;"
                       "Alle Dateien (*)"),
        nullptr, QFileDialog::DontUseNativeDialog);
}
