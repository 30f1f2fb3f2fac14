#pragma once

#include <QDateTime>
#include <QHash>
#include <QPixmap>
#include <QSize>
#include <QString>

// Pictures of the buttons, decoded once per file and shared by every button
// that shows them: turning a page of a large grid reads no file again.
//
// A file once decoded is not looked at again (no file system access when a
// page turns) until NeuPruefen: then each is decoded again on its next use
// if its modification time has changed (the editor may replace a picture
// under the same name). A file that cannot be read gives a null picture;
// that result is kept as well, and only the file's time is looked at again,
// so a missing file is not decoded on every page but found once it is there.

//
// One cache per process (Instanz), used from the GUI thread only.
class CBildCache {
public:
    struct CBild {
        QPixmap pixmap;    // null when the file could not be decoded
        QSize natuerlich;  // natural size as the button scales it
    };

    static CBildCache& Instanz();

    // An icon: natural size from the size bytes of the file's first entry
    // (32 x 32 when the file cannot be opened; a byte 0 means 256, as in the
    // icon format), picture from the same first entry.
    CBild Icon(const QString& pfad);
    // A bitmap: natural size is the decoded size.
    CBild Bitmap(const QString& pfad);

    // After the carer's changes: every file is looked at again on its next
    // use.
    void NeuPruefen() { ++m_nGeneration; }
    // How many files have been decoded since the last Leeren, for tests.
    int Dekodiert() const { return m_nDekodiert; }
    // Forgets every picture.
    void Leeren();

private:
    struct CEintrag {
        CBild bild;
        QDateTime geaendert;
        int generation = 0;
    };
    CBild Holen(const QString& pfad, bool icon);

    QHash<QString, CEintrag> m_eintraege;
    int m_nDekodiert = 0;
    int m_nGeneration = 0;
};
