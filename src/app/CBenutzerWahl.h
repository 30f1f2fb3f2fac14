#pragma once

#include <QString>
#include <functional>

#include "CBedienung.h"
#include "IBenutzerAuswahl.h"

class IDialoge;
class IUhr;

// The user selection behind the document's OpenUser: lists the ".mdb" files
// of the directory. One file is taken at once; several are offered in the
// selection dialog. With none, the user is told so and may create a new user
// from the starter vocabulary (asked for the name) or quit.
//
// The dialogs and the clock are not owned. `BenutzerWaehlen` returns the
// empty name when the user chose to quit.
class CBenutzerWahl : public IBenutzerAuswahl {
public:
    // Asks for a name; false when the user cancels. Replaced by tests.
    using NameFragen = std::function<bool(QString& name)>;
    // Shows the selection dialog and returns the chosen file. Replaced by tests.
    using Auswaehlen =
        std::function<QString(const QStringList& dateien, const QStringList& bilder)>;

    CBenutzerWahl(IDialoge& dialoge, const IUhr& uhr, QString verzeichnis = QStringLiteral("."));
    void SetNameFragen(NameFragen f) { m_nameFragen = std::move(f); }
    void SetAuswaehlen(Auswaehlen f) { m_auswaehlen = std::move(f); }
    void SetWortschatz(std::string pfad) { m_strWortschatz = std::move(pfad); }
    // The cue voice for the selection dialog's auditory scanning.
    void SetAnsage(std::function<void(const QString&)> ansage) { m_ansage = std::move(ansage); }
    // Gets the settings the selection dialog was scanned with, when it was:
    // the screen keeps them until a user is open, so that a message that
    // comes before (a file held by another program) is scanned as well.
    void SetNachDerWahl(std::function<void(const CBedienung&)> f) { m_nachDerWahl = std::move(f); }

    std::string BenutzerWaehlen() override;

    // A German reason why the name cannot be a user's file name, or empty.
    static QString NamePruefen(const QString& name);

private:
    std::string Anlegen();

    IDialoge& m_dialoge;
    const IUhr& m_uhr;
    QString m_strVerzeichnis;
    std::string m_strWortschatz;
    NameFragen m_nameFragen;
    Auswaehlen m_auswaehlen;
    std::function<void(const QString&)> m_ansage;
    std::function<void(const CBedienung&)> m_nachDerWahl;
};
