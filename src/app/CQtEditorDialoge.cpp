#include "CQtEditorDialoge.h"

#include <QFileDialog>
#include <QInputDialog>

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

int CQtEditorDialoge::SicherungWaehlen(QWidget* parent, const QStringList& sicherungen) {
    bool ok = false;
    QInputDialog dlg(parent);
    dlg.setWindowTitle(QStringLiteral("Sicherung wiederherstellen"));
    dlg.setLabelText(QStringLiteral("Welche Sicherung soll an die Stelle der Benutzerdatei treten?"));
    dlg.setComboBoxItems(sicherungen);
    dlg.setComboBoxEditable(false);
    dlg.setOkButtonText(QStringLiteral("Weiter"));
    dlg.setCancelButtonText(QStringLiteral("Abbrechen"));
    QFont schrift = dlg.font();
    schrift.setPointSize(14);
    dlg.setFont(schrift);
    ok = dlg.exec() == QDialog::Accepted;
    return ok ? static_cast<int>(sicherungen.indexOf(dlg.textValue())) : -1;
}

int CQtEditorDialoge::KategorieWaehlen(QWidget* parent, const QStringList& kategorien) {
    QInputDialog dlg(parent);
    dlg.setWindowTitle(QStringLiteral("Kategorie aus dem Grundwortschatz"));
    dlg.setLabelText(QStringLiteral(
        "Welche Kategorie des Grundwortschatzes soll dieser Benutzer bekommen? Sie kommt als "
        "neue Kategorie dazu; die Startseite bekommt einen Link zu ihr."));
    dlg.setComboBoxItems(kategorien);
    dlg.setComboBoxEditable(false);
    dlg.setOkButtonText(QStringLiteral("Übernehmen"));
    dlg.setCancelButtonText(QStringLiteral("Abbrechen"));
    QFont schrift = dlg.font();
    schrift.setPointSize(14);
    dlg.setFont(schrift);
    return dlg.exec() == QDialog::Accepted ? static_cast<int>(kategorien.indexOf(dlg.textValue()))
                                           : -1;
}

QString CQtEditorDialoge::TafelnWaehlen(QWidget* parent, bool speichern) {
    const QString filter = QStringLiteral(
        "Tafeln (*.obz *.obf *.zip *.json);;Tafelpaket (*.obz);;Alle Dateien (*)");
    if (!speichern) {
        return QFileDialog::getOpenFileName(parent, QStringLiteral("Tafeln importieren"), QString(),
                                            filter, nullptr, QFileDialog::DontUseNativeDialog);
    }
    QString ziel = QFileDialog::getSaveFileName(
        parent, QStringLiteral("Tafeln exportieren"), QStringLiteral("Wortschatz.obz"),
        QStringLiteral("Tafelpaket (*.obz)"), nullptr, QFileDialog::DontUseNativeDialog);
    if (!ziel.isEmpty() && !ziel.endsWith(QStringLiteral(".obz"), Qt::CaseInsensitive)) {
        ziel += QStringLiteral(".obz");
    }
    return ziel;
}
