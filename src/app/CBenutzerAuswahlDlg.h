#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

class CBedienungsSteuerung;
class CBildButton;

// "Sagwerk - Benutzer auswählen": one picture button per user file. The
// dialog can only be left by choosing a user: Enter, Escape and the close
// box do nothing.
//
// No user is open yet, so the dialog is operated as the user who used the
// program last among those who use a switch, dwell or the keyboard had it
// (read from the files without waiting); the mouse works in every case.
//
// Owns its buttons (as Qt children).
class CBenutzerAuswahlDlg : public QDialog {
    Q_OBJECT
public:
    // `dateien`: the user file names (ending in ".mdb"); `bilder`: the picture
    // files of the directory, .ico files before .bmp files; `verzeichnis`
    // the directory both are in. `maxBreite` limits the dialog's width.
    CBenutzerAuswahlDlg(const QStringList& dateien, const QStringList& bilder,
                        const QString& verzeichnis, int maxBreite, QWidget* parent = nullptr);

    // The chosen file name; empty until chosen.
    QString GetFile() const { return m_strFile; }
    const std::vector<CBildButton*>& GetButtons() const { return m_buttons; }
    // Scanning or dwell over the buttons; null when every user has the mouse.
    CBedienungsSteuerung* GetBedienung() const { return m_pBedienung; }
    // The cue voice of auditory scanning, for a last switch user who has it:
    // it says the first user at once.
    void SetAnsage(std::function<void(const QString&)> ansage);

    void reject() override {}

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QStringList m_dateien;
    QString m_strFile;
    std::vector<CBildButton*> m_buttons;
    CBedienungsSteuerung* m_pBedienung = nullptr;  // a child
};
