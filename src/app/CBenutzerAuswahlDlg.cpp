#include "CBenutzerAuswahlDlg.h"

#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QKeyEvent>

#include "Anordnung.h"
#include "CBedienung.h"
#include "CBedienungsSteuerung.h"
#include "CBildButton.h"
#include "Farben.h"

CBenutzerAuswahlDlg::CBenutzerAuswahlDlg(const QStringList& dateien, const QStringList& bilder,
                                         const QString& verzeichnis, int maxBreite, QWidget* parent)
    : QDialog(parent), m_dateien(dateien) {
    setWindowTitle(QStringLiteral("Sagwerk - Benutzer auswählen"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    const anordnung::CAuswahl a =
        anordnung::Benutzerauswahl(static_cast<int>(dateien.size()), maxBreite);
    for (qsizetype i = 0; i < dateien.size(); ++i) {
        const QString name = dateien[i].left(dateien[i].size() - 4);
        auto* knopf = new CBildButton(this);
        knopf->setGeometry(a.knoepfe[static_cast<std::size_t>(i)]);
        knopf->SetCaption(name);
        knopf->SetFillColor(farben::kBefehl);
        // The picture whose name is the user's name wins; else the first one
        // that begins with it (.ico before .bmp, then .svg and .png).
        QString bild;
        for (const QString& b : bilder) {
            const QString stamm = b.left(b.lastIndexOf(QLatin1Char('.')));
            if (stamm.compare(name, Qt::CaseInsensitive) == 0) {
                bild = b;
                break;
            }
            if (bild.isEmpty() && b.startsWith(name, Qt::CaseInsensitive)) bild = b;
        }
        if (!bild.isEmpty()) knopf->SetPicture(QDir(verzeichnis).filePath(bild).toStdString());
        connect(knopf, &CBildButton::clicked, this, [this, i] {
            m_strFile = m_dateien[i];
            accept();
        });
        m_buttons.push_back(knopf);
    }
    setFixedSize(a.dialog);

    // The person at the screen is most likely the one who used it last; a
    // user of the mouse needs nothing, so the others count.
    CBedienung bedienung;
    double zuletzt = -1.0;
    for (const QString& datei : dateien) {
        CBedienung b;
        double wann = 0.0;
        if (!BedienungLesen(QFile::encodeName(QDir(verzeichnis).filePath(datei)).toStdString(), b,
                            wann) ||
            b.modus == CBedienung::Maus || wann <= zuletzt)
            continue;
        bedienung = b;
        zuletzt = wann;
    }
    if (bedienung.modus != CBedienung::Maus) {
        m_pBedienung = new CBedienungsSteuerung(
            *this, [this] { return CBedienungsSteuerung::Fensterknoepfe(*this); });
        m_pBedienung->SetBedienung(bedienung);
    }
}

void CBenutzerAuswahlDlg::SetAnsage(std::function<void(const QString&)> ansage) {
    if (m_pBedienung == nullptr) return;
    m_pBedienung->SetAnsage(std::move(ansage));
    m_pBedienung->Neu();
}

void CBenutzerAuswahlDlg::keyPressEvent(QKeyEvent* event) { event->accept(); }

void CBenutzerAuswahlDlg::closeEvent(QCloseEvent* event) {
    if (m_strFile.isEmpty()) event->ignore();
}
