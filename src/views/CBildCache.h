#pragma once

#include <QDateTime>
#include <QHash>
#include <QImage>
#include <QList>
#include <QObject>
#include <QPixmap>
#include <QPointer>
#include <QSet>
#include <QSize>
#include <QString>
#include <QThreadPool>
#include <QTimer>

#include <vector>

#include <optional>

class CBildButton;

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
// In the background (SetImHintergrund, as the program runs) a picture not
// decoded yet is decoded on a thread of its own: Bereit says whether it is
// there, Anfordern asks for it for a button, which is told when it has come
// (CBildButton::BildFertig), so a page seen for the first time shows at once
// and its pictures follow. Vorladen decodes pictures of pages not shown yet
// at a lower priority.
//
// One cache per process (Instanz), used from the GUI thread only.
class CBildCache : public QObject {
    Q_OBJECT
public:
    struct CBild {
        QPixmap pixmap;    // null when the file could not be decoded
        QSize natuerlich;  // natural size as the button scales it
    };

    static CBildCache& Instanz();
    ~CBildCache() override;

    // An icon: natural size from the size bytes of the file's first entry
    // (32 x 32 when the file cannot be opened; a byte 0 means 256, as in the
    // icon format), picture from the same first entry.
    CBild Icon(const QString& pfad) { return Holen(pfad, true); }
    // A bitmap: natural size is the decoded size.
    CBild Bitmap(const QString& pfad) { return Holen(pfad, false); }

    // The picture when it has been decoded and is current, without reading
    // the file.
    std::optional<CBild> Bereit(const QString& pfad, bool icon);
    // Decodes the picture on the background thread unless it is there or
    // on its way; the button is told when it has come, if it still exists.
    void Anfordern(const QString& pfad, bool icon, CBildButton* knopf);
    // The same for a picture not shown yet: after every picture asked for.
    void Vorladen(const QString& pfad, bool icon) { Einreihen(pfad, icon, 0); }

    // Switched off (as the program ends), pictures not being decoded yet are
    // dropped and the threads are waited for; buttons still waiting stay
    // without their picture.
    void SetImHintergrund(bool ja);
    bool IsImHintergrund() const { return m_bHintergrund; }
    // Waits for every picture on its way and takes them in (for tests and
    // measurements).
    void WartenAufAlle();

    // After the carer's changes: every file is looked at again on its next
    // use.
    void NeuPruefen() { ++m_nGeneration; }
    // How many files have been decoded since the last Leeren, for tests.
    int Dekodiert() const { return m_nDekodiert; }
    // Forgets every picture.
    void Leeren();

private:
    CBildCache();
    struct CGelesen {
        QImage bild;
        QSize natuerlich;
        QDateTime geaendert;
        bool dekodiert = false;  // the file was read (a picture or not)
    };
    struct CEintrag {
        CBild bild;
        QDateTime geaendert;
        int generation = 0;
    };
    static QString Schluessel(const QString& pfad, bool icon);
    // Reads the file; safe on any thread.
    static CGelesen Lesen(const QString& pfad, bool icon);
    CBild Holen(const QString& pfad, bool icon);
    CBild Aufnehmen(const QString& schluessel, CGelesen gelesen);
    void Einreihen(const QString& pfad, bool icon, int prioritaet);
    // Hands the pictures asked for to the threads.
    void Starten();
    // Takes the pictures decoded since the last time and tells the buttons.
    void Uebernehmen();

    QHash<QString, CEintrag> m_eintraege;
    QSet<QString> m_unterwegs;  // keys being decoded in the background
    // The buttons waiting for each key.
    QHash<QString, QList<QPointer<CBildButton>>> m_wartende;
    struct CAngekommen {
        QString schluessel;
        QString pfad;
        bool icon;
        CGelesen gelesen;
    };
    std::vector<CAngekommen> m_angekommen;  // decoded, not taken yet
    QTimer m_sammeln;
    struct CAuftrag {
        QString schluessel;
        QString pfad;
        bool icon;
        int prioritaet;
    };
    std::vector<CAuftrag> m_anstehend;  // asked for, not handed to a thread yet
    QTimer m_starten;
    QThreadPool m_pool;
    int m_nDekodiert = 0;
    int m_nGeneration = 0;
    bool m_bHintergrund = false;
};
