#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class QWidget;

// The dialogs of the carer's work that wait for an answer: the password
// prompt, the choice of a picture file and the choice of a backup. The program shows real dialogs;
// tests script the answers, so nothing blocks.
class IEditorDialoge {
public:
    virtual ~IEditorDialoge() = default;
    // The password entered and confirmed; nothing when the prompt was
    // cancelled or closed.
    virtual std::optional<QString> PasswortAbfragen(QWidget* parent) = 0;
    // The full path of the picture file chosen; empty when cancelled.
    virtual QString BildWaehlen(QWidget* parent) = 0;
    // The position of the backup chosen from the list; -1 when cancelled.
    virtual int SicherungWaehlen(QWidget* parent, const QStringList& sicherungen) = 0;
    // The board file to import (speichern false) or the package to export
    // into (speichern true), as a full path; empty when cancelled.
    virtual QString TafelnWaehlen(QWidget* parent, bool speichern) = 0;
    // The position of the category of the starter vocabulary chosen; -1 when
    // cancelled.
    virtual int KategorieWaehlen(QWidget* parent, const QStringList& kategorien) = 0;
};
