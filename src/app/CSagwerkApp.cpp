#include "CSagwerkApp.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QScreen>
#include <QTimer>

#include "CBildCache.h"
#include "CMainFrame.h"
#include "CSagwerkDoc.h"
#include "CSicherung.h"
#include "CSagwerkView.h"

CSagwerkApp::CSagwerkApp(int& argc, char** argv) : m_app(argc, argv) {
    QApplication::setApplicationName(QStringLiteral("Sagwerk"));
    QApplication::setApplicationVersion(QStringLiteral(SAGWERK_VERSION));
    // "Ja", "Nein", "Abbrechen" on Qt's own buttons.
    if (m_uebersetzung.load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&m_uebersetzung);
    m_pWahl = std::make_unique<CBenutzerWahl>(m_dialoge, m_uhr);
    m_pDoc = std::make_unique<CSagwerkDoc>(m_dialoge, m_uhr);
    m_pDoc->SetBenutzerAuswahl(m_pWahl.get());
    // One program per user: a second one on the same file says so and ends.
    CDatenbank::Optionen optionen;
    optionen.nurEinProgramm = true;
    m_pDoc->SetDatenbankOptionen(optionen);
    // Nor for a picture: a page seen for the first time shows at once.
    CBildCache::Instanz().SetImHintergrund(true);
    m_pDoc->SetTaeglicheSicherung(true);
    // News from the sentence memory's loader thread runs in the event loop.
    m_pDoc->SetNachreicher([](std::function<void()> aufgabe) {
        QMetaObject::invokeMethod(QCoreApplication::instance(), std::move(aufgabe),
                                  Qt::QueuedConnection);
    });
}

CSagwerkApp::~CSagwerkApp() {
    CBildCache::Instanz().SetImHintergrund(false);
    m_dialoge.SetHinweisZiel({});
    m_pFrame.reset();  // the views unregister from the document first
    m_pDoc.reset();
}

int CSagwerkApp::Run() {
    const QScreen* schirm = QGuiApplication::primaryScreen();
    const QRect desktop(QPoint(0, 0), schirm->geometry().size());
    m_pFrame = std::make_unique<CMainFrame>(*m_pDoc, desktop);
    // A person who scans by ear hears the users too.
    m_pWahl->SetAnsage(
        [view = m_pFrame->GetCommView()](const QString& text) { view->Ansagen(text); });
    // Until a user is open, the screen is scanned as the selection was.
    m_pWahl->SetNachDerWahl([view = m_pFrame->GetCommView()](const CBedienung& b) {
        if (view->GetBedienung()->GetBedienung().modus == CBedienung::Maus)
            view->GetBedienung()->SetBedienung(b);
    });
    m_dialoge.SetParent(m_pFrame.get());
    m_dialoge.SetHinweisZiel(
        [frame = m_pFrame.get()](const QString& text) { frame->ZeigeHinweis(text); });
    m_pFrame->Zeigen(schirm->availableGeometry());

    QTimer::singleShot(0, m_pFrame.get(), [this] {
        m_pFrame->GetCommView()->OnInitialUpdate();
        const CDatenbank* db = m_pDoc->GetDatabase();
        // A file that does not open but has backups stays on screen: a
        // carer can restore one from the menu.
        const bool sicherungen = !m_pDoc->GetUserFile().empty() &&
                                 !CSicherung(m_pDoc->GetUserFile()).Liste().empty();
        // Nor one that another program holds this moment: it opens once free.
        // Nor a damaged one: its notice stays for the carer to read.
        if ((!db || !db->IsOpen() || !m_pDoc->GetUser()) && !sicherungen &&
            !m_pDoc->WartetAufDatei() && !m_pDoc->IstDateiBeschaedigt())
            QApplication::exit(0);
    });
    m_nachholen.setInterval(5000);
    QObject::connect(&m_nachholen, &QTimer::timeout, [this] {
        // Suggestions then offer them as well.
        if ((m_pDoc->HatWartendeSaetze() || m_pDoc->WartetAufDatei()) && m_pDoc->Nachholen())
            m_pDoc->UpdateAllViews();
        // A program that runs for days makes the backup of each day.
        m_pDoc->Sichern();
    });
    m_nachholen.start();
    return QApplication::exec();
}
