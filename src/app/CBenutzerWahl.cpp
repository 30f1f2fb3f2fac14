#include "CBenutzerWahl.h"

#include <QApplication>
#include <QDir>
#include <QFile>

#include <QInputDialog>
#include <QScreen>
#include <algorithm>
#include <filesystem>
#include <system_error>
#include <utility>
#include <vector>

#include "CBedienungsSteuerung.h"
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
        if (m_ansage) dlg.SetAnsage(m_ansage);
        dlg.exec();
        if (m_nachDerWahl && dlg.GetBedienung() != nullptr)
            m_nachDerWahl(dlg.GetBedienung()->GetBedienung());
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
    // Listed as the bytes of their names: a name that is not UTF-8 is
    // shown as well as it can be and opened under its own bytes.
    namespace fs = std::filesystem;
    const fs::path ordner(QFile::encodeName(m_strVerzeichnis).toStdString());
    std::error_code ec;
    fs::directory_iterator eintraege(ordner, ec);
    if (ec) {
        // Not "no user here": the folder cannot be read.
        m_dialoge.ShowMessage(
            "Der Ordner \u201E" + m_strVerzeichnis.toStdString() +
                "\u201C kann nicht gelesen werden (" +
                (ec == std::errc::permission_denied ? "fehlende Berechtigung" : ec.message()) +
                "). Sagwerk findet darin keine Benutzer.",
            "Sagwerk", IDialoge::Symbol::Fehler);
        return {};
    }
    std::vector<std::pair<QString, std::string>> gefunden;  // shown, path
    for (const fs::directory_entry& e : eintraege) {
        const std::string name = e.path().filename().string();
        std::error_code egal;
        if (name.size() < 5 || !e.is_regular_file(egal)) continue;
        if (QString::fromStdString(name.substr(name.size() - 4))
                .compare(".mdb", Qt::CaseInsensitive) != 0)
            continue;
        gefunden.emplace_back(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())),
                              e.path().string());
    }
    std::sort(gefunden.begin(), gefunden.end(), [](const auto& a, const auto& b) {
        return a.first.compare(b.first, Qt::CaseInsensitive) < 0;
    });
    QStringList dateien;
    for (const auto& [anzeige, pfad] : gefunden) dateien << anzeige;
    if (dateien.isEmpty()) return Anlegen();
    if (dateien.size() == 1) return gefunden.front().second;
    QStringList bilder =
        dir.entryList({QStringLiteral("*.ico")}, QDir::Files, QDir::Name | QDir::IgnoreCase);
    bilder += dir.entryList({QStringLiteral("*.bmp")}, QDir::Files, QDir::Name | QDir::IgnoreCase);
    bilder += dir.entryList({QStringLiteral("*.svg"), QStringLiteral("*.png")}, QDir::Files,
                            QDir::Name | QDir::IgnoreCase);
    const QString gewaehlt = m_auswaehlen(dateien, bilder);
    if (gewaehlt.isEmpty()) return {};
    const qsizetype stelle = dateien.indexOf(gewaehlt);
    return stelle >= 0 ? gefunden[static_cast<std::size_t>(stelle)].second
                       : dir.filePath(gewaehlt).toStdString();
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
