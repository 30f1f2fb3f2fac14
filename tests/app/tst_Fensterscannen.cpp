// Every window a person operating by switch or dwell can meet is operated
// the same way: the user selection at the start, the notice line, a
// question, the password prompt (which offers only "Abbrechen") and the
// About box; afterwards scanning goes on where it was.

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <SQLiteCpp/SQLiteCpp.h>

#include "CBedienungsSteuerung.h"
#include "CBenutzerAuswahlDlg.h"
#include "CBenutzerWahl.h"
#include "CBildButton.h"
#include "CDatenbank.h"
#include "CMainFrame.h"
#include "CMarkierung.h"
#include "CPasswortDlg.h"
#include "CQtDialoge.h"
#include "CSagwerkDoc.h"
#include "CSagwerkView.h"
#include "CStummeEngine.h"
#include "CTestBenutzer.h"

namespace {

// A window a failed check left open is closed, so the test ends.
void Notausgang(QObject* kontext) {
    QTimer::singleShot(5000, kontext, [] {
        if (QWidget* w = QApplication::activeModalWidget()) w->close();
    });
}

QString Text(QAbstractButton* k) {
    if (auto* b = qobject_cast<CBildButton*>(k)) return b->GetCaption();
    return k->text().remove(QLatin1Char('&'));
}

// Two switches on a clock of the test's own: Space steps, Enter selects.
struct Schalter {
    CBedienungsSteuerung& s;
    QWidget& ziel;
    long long jetzt = 0;

    Schalter(CBedienungsSteuerung& steuerung, QWidget& widget) : s(steuerung), ziel(widget) {
        s.SetUhr([this] { return jetzt; });
    }
    void Druecken(Qt::Key taste) {
        jetzt += 500;
        QTest::keyPress(&ziel, taste);
        jetzt += 100;
        QTest::keyRelease(&ziel, taste);
        jetzt += 100;
        s.Takt();  // the release is known once it stayed one
    }
    std::vector<QString> Markiert() const {
        std::vector<QString> texte;
        for (QAbstractButton* k : s.GetMarkierteKnoepfe()) texte.push_back(Text(k));
        return texte;
    }
    // Steps until the highlight is on `text` alone, selecting into groups
    // and rows on the way; false when it is never reached.
    bool Waehlen(const QString& text) {
        for (int i = 0; i < 80; ++i) {
            const std::vector<QString> m = Markiert();
            if (std::find(m.begin(), m.end(), text) != m.end()) {
                Druecken(Qt::Key_Return);
                if (m.size() == 1) return true;
            } else {
                Druecken(Qt::Key_Space);
            }
        }
        return false;
    }
};

void BedienungSetzen(const std::string& datei, int modus) {
    CTestDialoge dialoge;
    CTestUhr uhr;
    CBedienung b;
    b.modus = modus;
    CDatenbank(datei, dialoge, uhr).SaveBedienung(b);
}

}  // namespace

class tst_Fensterscannen : public QObject {
    Q_OBJECT
private slots:
    void benutzerauswahlWieDerLetzteSchalterbenutzer();
    void nachDerAuswahlBleibtDieBedienung();
    void hinweisFrageUndPasswortMitSchaltern();
    void infoboxMitVerweilen();
    void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }
};

// Of two users the one who used the program last with a switch decides how
// the selection is operated; one switch steps by itself.
void tst_Fensterscannen::benutzerauswahlWieDerLetzteSchalterbenutzer() {
    CTempVerzeichnis dir;
    std::string fehler;
    for (const char* name : {"Anna.mdb", "Ben.mdb", "Cem.mdb"})
        QVERIFY(CreateUserDatabase(dir.Datei(name), name, "", fehler));
    BedienungSetzen(dir.Datei("Ben.mdb"), CBedienung::EinSchalter);
    BedienungSetzen(dir.Datei("Cem.mdb"), CBedienung::ZweiSchalter);
    SQLite::Database(dir.Datei("Ben.mdb"), SQLite::OPEN_READWRITE)
        .exec("update Benutzer set LetzteNutzung = 46000");
    // Ben scans by ear: the cue voice says the users as well.
    SQLite::Database(dir.Datei("Ben.mdb"), SQLite::OPEN_READWRITE)
        .exec("update Bedienung set Ansage = 1");
    SQLite::Database(dir.Datei("Cem.mdb"), SQLite::OPEN_READWRITE)
        .exec("update Benutzer set LetzteNutzung = 45000");
    const QString pfad = QString::fromStdString(dir.Pfad().string());
    {
        // Users of the mouse only: nothing to scan.
        CBenutzerAuswahlDlg nurMaus({"Anna.mdb", "Fehlt.mdb"}, {}, pfad, 1024);
        QVERIFY(nurMaus.GetBedienung() == nullptr);
    }
    CBenutzerAuswahlDlg dlg({"Anna.mdb", "Ben.mdb", "Cem.mdb"}, {}, pfad, 1024);
    CBedienungsSteuerung* s = dlg.GetBedienung();
    QVERIFY(s != nullptr);
    QCOMPARE(s->GetBedienung().modus, int(CBedienung::EinSchalter));
    long long jetzt = 0;
    s->SetUhr([&] { return jetzt; });
    s->SetBedienung(s->GetBedienung());
    std::vector<QString> gesagt;
    dlg.SetAnsage([&](const QString& text) { gesagt.push_back(text); });
    QCOMPARE(gesagt, std::vector<QString>{QStringLiteral("Anna")});
    QTimer::singleShot(0, &dlg, [&] {
        // The one row of users is all there is: the highlight starts on
        // its first button, steps on by itself to Ben, and after Cem back to
        // Anna (no step out of the only row); Enter takes Ben.
        QCOMPARE(s->GetMarkiert(), std::vector<CBildButton*>{dlg.GetButtons()[0]});
        for (int i : {1, 2, 0, 1}) {
            jetzt += 1500;
            s->Takt();
            QCOMPARE(s->GetMarkiert(), std::vector<CBildButton*>{dlg.GetButtons()[i]});
            QCOMPARE(s->GetMarkierung()->GetStufe(), CMarkierung::Stufe::Knopf);
            QCOMPARE(gesagt.back(), dlg.GetButtons()[i]->GetCaption());
        }
        QCOMPARE(gesagt.size(), std::size_t(5));
        jetzt += 500;
        QTest::keyClick(&dlg, Qt::Key_Return);
    });
    QTimer::singleShot(5000, &dlg, [&] { dlg.GetButtons()[0]->click(); });
    dlg.exec();
    QCOMPARE(dlg.GetFile(), QStringLiteral("Ben.mdb"));
}

// The settings the selection was scanned with reach the screen, which keeps
// them until a user is open: a message before that is scanned too.
void tst_Fensterscannen::nachDerAuswahlBleibtDieBedienung() {
    CTempVerzeichnis dir;
    std::string fehler;
    for (const char* name : {"Anna.mdb", "Ben.mdb"})
        QVERIFY(CreateUserDatabase(dir.Datei(name), name, "", fehler));
    BedienungSetzen(dir.Datei("Ben.mdb"), CBedienung::EinSchalter);
    CTestDialoge dialoge;
    CTestUhr uhr;
    CBenutzerWahl wahl(dialoge, uhr, QString::fromStdString(dir.Pfad().string()));
    int modus = -1;
    wahl.SetNachDerWahl([&](const CBedienung& b) { modus = b.modus; });
    QTimer::singleShot(0, [] {
        auto* dlg = qobject_cast<CBenutzerAuswahlDlg*>(QApplication::activeModalWidget());
        QVERIFY(dlg != nullptr);
        dlg->GetButtons()[0]->click();
    });
    const std::string datei = wahl.BenutzerWaehlen();
    QVERIFY(datei.find("Anna.mdb") != std::string::npos);
    QCOMPARE(modus, int(CBedienung::EinSchalter));
}

void tst_Fensterscannen::hinweisFrageUndPasswortMitSchaltern() {
    CTestBenutzer benutzer;
    BedienungSetzen(benutzer.Datei(), CBedienung::ZweiSchalter);
    CQtDialoge dialoge;
    CSagwerkDoc doc(dialoge, benutzer.m_uhr, std::make_unique<CStummeEngine>());
    CMainFrame frame(doc, QRect(0, 0, 1024, 768));
    dialoge.SetParent(&frame);
    dialoge.SetHinweisZiel([&](const QString& text) { frame.ZeigeHinweis(text); });
    QVERIFY(doc.OpenUser(benutzer.Datei()));
    frame.Zeigen(QRect(0, 0, 1024, 768));
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    CSagwerkView* view = frame.GetCommView();
    view->OnInitialUpdate();
    CBedienungsSteuerung* s = view->GetBedienung();
    Schalter schalter(*s, *view);
    s->SetBedienung(doc.GetBedienung());

    // The notice comes first and closes by switch.
    dialoge.Hinweis("Es gibt keinen Ton.");
    s->Neu();
    QCOMPARE(schalter.Markiert(), std::vector<QString>{QStringLiteral("Schließen")});
    schalter.Druecken(Qt::Key_Return);
    QVERIFY(!frame.GetHinweisLeiste()->isVisible());

    // Scanning stands on the function buttons when a question comes: it is
    // answered by switch, and scanning goes on there afterwards.
    schalter.Druecken(Qt::Key_Space);
    schalter.Druecken(Qt::Key_Space);
    const CScanner::CMarke vorher = s->GetScanner().GetMarke();
    IDialoge::Antwort antwort = IDialoge::Antwort::Ja;
    QTimer::singleShot(0, this, [&] {
        s->Neu();
        auto* box = qobject_cast<QMessageBox*>(s->GetFenster());
        QVERIFY(box != nullptr);
        // "Nein" once Qt's German translation is loaded, as in the program.
        QVERIFY(schalter.Waehlen(Text(box->button(QMessageBox::No))));
    });
    Notausgang(this);
    antwort = dialoge.ShowMessage("Wirklich?", "Frage", IDialoge::Symbol::Frage,
                                  IDialoge::Knoepfe::JaNein);
    QCOMPARE(antwort, IDialoge::Antwort::Nein);
    s->Neu();
    QVERIFY(s->GetFenster() == nullptr);
    QCOMPARE(s->GetScanner().GetMarke().gruppe, vorher.gruppe);
    QCOMPARE(s->GetScanner().GetMarke().ebene, vorher.ebene);

    // The password prompt offers only "Abbrechen"; Space types nothing and
    // Enter confirms nothing, although the password is empty.
    bool geprueft = false;
    QTimer::singleShot(0, this, [&] {
        s->Neu();
        auto* dlg = qobject_cast<CPasswortDlg*>(s->GetFenster());
        QVERIFY(dlg != nullptr);
        for (int i = 0; i < 6; ++i) {
            QCOMPARE(schalter.Markiert(), std::vector<QString>{QStringLiteral("Abbrechen")});
            schalter.Druecken(Qt::Key_Space);
        }
        QVERIFY(dlg->GetEdit()->text().isEmpty());
        geprueft = true;
        schalter.Druecken(Qt::Key_Return);
    });
    Notausgang(this);
    frame.GetEditorAction()->trigger();
    QVERIFY(geprueft);
    QVERIFY(!frame.IsEditor());
    QVERIFY(frame.close());
}

// Dwell: resting on the About box's OK closes it.
void tst_Fensterscannen::infoboxMitVerweilen() {
    CTestBenutzer benutzer;
    BedienungSetzen(benutzer.Datei(), CBedienung::Verweilen);
    CSagwerkDoc doc(benutzer.m_dialoge, benutzer.m_uhr, std::make_unique<CStummeEngine>());
    CMainFrame frame(doc, QRect(0, 0, 1024, 768));
    QVERIFY(doc.OpenUser(benutzer.Datei()));
    frame.Zeigen(QRect(0, 0, 1024, 768));
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    frame.GetCommView()->OnInitialUpdate();
    CBedienungsSteuerung* s = frame.GetCommView()->GetBedienung();
    long long jetzt = 0;
    s->SetUhr([&] { return jetzt; });
    QAction* info = nullptr;
    for (QAction* menue : frame.menuBar()->actions())
        for (QAction* a : menue->menu()->actions())
            if (a->text().startsWith(QStringLiteral("Inf&o"))) info = a;
    QVERIFY(info != nullptr);
    bool zu = false;
    QTimer::singleShot(0, this, [&] {
        QWidget* box = QApplication::activeModalWidget();
        QVERIFY(box != nullptr);
        QVERIFY(QTest::qWaitForWindowExposed(box));
        QAbstractButton* ok = box->findChild<QDialogButtonBox*>()->buttons().front();
        QCursor::setPos(ok->mapToGlobal(ok->rect().center()));
        QTRY_VERIFY(s->GetFenster() == box);
        QTest::qWait(100);  // the pointer is seen resting on it
        jetzt += 1100;
        QTRY_VERIFY(!box->isVisible());
        zu = true;
    });
    Notausgang(this);
    info->trigger();
    QVERIFY(zu);
    QVERIFY(frame.close());
}

QTEST_MAIN(tst_Fensterscannen)
#include "tst_Fensterscannen.moc"
