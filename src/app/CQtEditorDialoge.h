#pragma once

#include "IEditorDialoge.h"

// The editor's dialogs on the screen: the password prompt (CPasswortDlg) and
// the file dialog for pictures, the list of backups, the file dialogs for
// boards of other communication aids.
class CQtEditorDialoge : public IEditorDialoge {
public:
    std::optional<QString> PasswortAbfragen(QWidget* parent) override;
    QString BildWaehlen(QWidget* parent) override;
    int SicherungWaehlen(QWidget* parent, const QStringList& sicherungen) override;
    int KategorieWaehlen(QWidget* parent, const QStringList& kategorien) override;
    QString TafelnWaehlen(QWidget* parent, bool speichern) override;
};
