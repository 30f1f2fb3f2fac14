#pragma once

#include <QString>
#include <optional>

#include "IEditorDialoge.h"

// Answers the editor's dialogs from what the test set: the password entered
// (nothing: cancelled), the picture file chosen (empty: cancelled) and the
// backup chosen (-1: cancelled).
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

    int SicherungWaehlen(QWidget*, const QStringList& liste) override {
        sicherungen = liste;
        return sicherung;
    }
    QString TafelnWaehlen(QWidget*, bool speichern) override {
        (speichern ? tafelnZielGefragt : tafelnGefragt)++;
        return speichern ? tafelnZiel : tafeln;
    }
    int KategorieWaehlen(QWidget*, const QStringList& liste) override {
        kategorien = liste;
        return kategorie;
    }
    std::optional<QString> passwort;
    int kategorie = -1;  // cancelled
    QStringList kategorien;
    int sicherung = 0;  // the first, the newest
    QStringList sicherungen;
    QString bild;
    int gefragt = 0;
    int bildGefragt = 0;
    QString tafeln, tafelnZiel;  // the board file to import, the package to export into
    int tafelnGefragt = 0, tafelnZielGefragt = 0;
};
