#include "CBenutzerWahl.h"

#include <QApplication>
#include <QDir>
#include <QInputDialog>
#include <QScreen>

#include "CBenutzerAuswahlDlg.h"
#include "CWortschatz.h"
#include "IDialoge.h"
#include "Ressourcen.h"

CBenutzerWahl::CBenutzerWahl(IDialoge& dialoge, const IUhr& uhr, QString verzeichnis)
    : m_dialoge(dialoge),
      m_uhr(uhr),
      m_strVerzeichnis(std::move(verzeichnis)),
      m_strWortschatz(WortschatzDatei()) {
    m_nameFragen = [](QString& name) {
        bool ok = false;
        name = QInputDialog::getText(nullptr, QStringLiteral("Neuer Benutzer"),
                                     QStringLiteral("Wie heißt der neue Benutzer?"),
                                     QLineEdit::Normal, name, &ok);
        return ok;
    };
    m_auswaehlen = [this](const QStringList& dateien, const QStringList& bilder) {
        const QScreen* schirm = QGuiApplication::primaryScreen();
        const int breite = schirm ? schirm->availableGeometry().width() : 1024;
        CBenutzerAuswahlDlg dlg(dateien, bilder, m_strVerzeichnis, breite);
        dlg.exec();
        return dlg.GetFile();
    };
}

QString CBenutzerWahl::NamePruefen(const QString& name) {
    const QString t = name.trimmed();
    if (t.isEmpty()) return QStringLiteral("Bitte geben Sie einen Namen ein.");
    if (t.startsWith(QLatin1Char('.')))
        return QStringLiteral("Der Name darf nicht mit einem Punkt beginnen.");
    for (QChar c : t)
        if (QStringLiteral("/\\:*?\"<>|").contains(c) || c.unicode() < 32)
            return QStringLiteral(
                "Der Name darf keines dieser Zeichen enthalten: / \\ : * ? \" < > |");
    return {};
}

std::string CBenutzerWahl::BenutzerWaehlen() {
    const QDir dir(m_strVerzeichnis);
    QStringList dateien =
        dir.entryList({QStringLiteral("*.mdb")}, QDir::Files, QDir::Name | QDir::IgnoreCase);
    if (dateien.isEmpty()) return Anlegen();
    if (dateien.size() == 1) return dir.filePath(dateien.front()).toStdString();
    QStringList bilder =
        dir.entryList({QStringLiteral("*.ico")}, QDir::Files, QDir::Name | QDir::IgnoreCase);
    bilder += dir.entryList({QStringLiteral("*.bmp")}, QDir::Files, QDir::Name | QDir::IgnoreCase);
    bilder += dir.entryList({QStringLiteral("*.svg"), QStringLiteral("*.png")}, QDir::Files,
                            QDir::Name | QDir::IgnoreCase);
    const QString gewaehlt = m_auswaehlen(dateien, bilder);
    return gewaehlt.isEmpty() ? std::string() : dir.filePath(gewaehlt).toStdString();
}

std::string CBenutzerWahl::Anlegen() {
    const auto antwort = m_dialoge.ShowMessage(
        "In diesem Ordner gibt es noch keinen Benutzer.\n\n"
        "Wollen Sie einen neuen Benutzer mit dem Grundwortschatz anlegen?\n"
        "\u201ENein\u201C beendet das Programm.",
        "Sagwerk", IDialoge::Symbol::Frage, IDialoge::Knoepfe::JaNein);
    if (antwort != IDialoge::Antwort::Ja) return {};
    QString name;
    for (;;) {
        if (!m_nameFragen(name)) return {};
        const QString grund = NamePruefen(name);
        if (!grund.isEmpty()) {
            m_dialoge.ShowMessage(grund.toStdString(), "Information",
                                  IDialoge::Symbol::Information);
            continue;
        }
        const QString datei = QDir(m_strVerzeichnis).filePath(name.trimmed() + ".mdb");
        std::string fehler;
        if (CWortschatz::BenutzerAnlegen(datei.toStdString(), name.trimmed().toStdString(), "",
                                         m_strWortschatz, m_dialoge, m_uhr, fehler))
            return datei.toStdString();
        m_dialoge.ShowMessage(fehler, "Fehler", IDialoge::Symbol::Fehler);
    }
}
