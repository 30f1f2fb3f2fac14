#pragma once

#include <QString>
#include <optional>

#include "IEditorDialoge.h"

// Answers the editor's dialogs from what the test set: the password entered
// (nothing: cancelled) and the picture file chosen (empty: cancelled).
class CTestEditorDialoge : public IEditorDialoge {
public:
    std::optional<QString> PasswortAbfragen(QWidget*) override {
        ++gefragt;
        return passwort;
    }
    QString BildWaehlen(QWidget*) override {
        ++bildGefragt;
        return bild;
    }

    std::optional<QString> passwort;
    QString bild;
    int gefragt = 0;
    int bildGefragt = 0;
};
