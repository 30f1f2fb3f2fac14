#pragma once

#include <QDialog>
#include <QString>

class QLineEdit;

// "Passwort Abfrage": asks for the password that guards the editor. The
// caller compares the entry, case-sensitively, with the user's password.
// Scanning and dwell reach only "Abbrechen" (see CBedienungsSteuerung).
class CPasswortDlg : public QDialog {
    Q_OBJECT
public:
    explicit CPasswortDlg(QWidget* parent = nullptr);
    // The text entered; empty until confirmed with "OK".
    QString GetPasswort() const { return m_strPasswort; }
    QLineEdit* GetEdit() const { return m_edtPasswort; }

    void accept() override;

private:
    QLineEdit* m_edtPasswort;
    QString m_strPasswort;
};
