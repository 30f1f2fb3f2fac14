#pragma once

#include <QString>
#include <optional>

class QWidget;

// The two dialogs of the editor that wait for the carer: the password prompt
// and the choice of a picture file. The program shows real dialogs; tests
// script the answers, so nothing blocks.
class IEditorDialoge {
public:
    virtual ~IEditorDialoge() = default;
    // The password entered and confirmed; nothing when the prompt was
    // cancelled or closed.
    virtual std::optional<QString> PasswortAbfragen(QWidget* parent) = 0;
    // The full path of the picture file chosen; empty when cancelled.
    virtual QString BildWaehlen(QWidget* parent) = 0;
};
