#include "CPasswortDlg.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CPasswortDlg::CPasswortDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Passwort Abfrage"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Geben Sie das Passwort ein:"), this));
    m_edtPasswort = new QLineEdit(this);
    m_edtPasswort->setEchoMode(QLineEdit::Password);
    layout->addWidget(m_edtPasswort);
    auto* knoepfe = new QHBoxLayout;
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    auto* abbrechen = new QPushButton(QStringLiteral("Abbrechen"), this);
    ok->setDefault(true);
    // The prompt is for the carer: a switch or dwell offers only
    // "Abbrechen", so the person never opens the editor by scanning.
    ok->setProperty("sagwerkOhneSchalter", true);
    knoepfe->addStretch();
    knoepfe->addWidget(ok);
    knoepfe->addWidget(abbrechen);
    layout->addLayout(knoepfe);
    connect(ok, &QPushButton::clicked, this, &CPasswortDlg::accept);
    connect(abbrechen, &QPushButton::clicked, this, &CPasswortDlg::reject);
}

void CPasswortDlg::accept() {
    m_strPasswort = m_edtPasswort->text();
    QDialog::accept();
}
