#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTest>
#include <QTimer>

#include "CBenutzerAuswahlDlg.h"
#include <filesystem>
#include <fstream>

#include "CBenutzerWahl.h"
#include "CBildButton.h"
#include "CDatenbank.h"
#include "CTempVerzeichnis.h"
#include "CTestDialoge.h"
#include "CTestUhr.h"

namespace {
void Anlegen(const CTempVerzeichnis& dir, const char* name) {
    QFile f(QString::fromStdString(dir.Datei(name)));
    QVERIFY(f.open(QIODevice::WriteOnly));
}
QString Pfad(const CTempVerzeichnis& dir) { return QString::fromStdString(dir.Pfad().string()); }
}  // namespace

class tst_Benutzerauswahl : public QObject {
    Q_OBJECT
private slots:
    void dreiBenutzerMitIhrenBildern();
    void nurEineWahlBeendetDenDialog();
    void eineDateiWirdOhneDialogGenommen();
    void ohneBenutzerWirdGefragt();
    void namenWerdenGeprueft();
    void einNameAusFremdenBytesWirdAngebotenUndGeoeffnet();
    void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }
};

void tst_Benutzerauswahl::dreiBenutzerMitIhrenBildern() {
    CTempVerzeichnis dir;
    QImage bild(16, 16, QImage::Format_ARGB32);
    bild.fill(Qt::red);
    bild.save(QString::fromStdString(dir.Datei("Ben.ico")), "ICO");
    bild.save(QString::fromStdString(dir.Datei("Bene.ico")), "ICO");
    CBenutzerAuswahlDlg dlg({"Anna.mdb", "Ben.mdb", "Cem.mdb"}, {"Ben.ico", "Bene.ico"}, Pfad(dir),
                            1024);
    QCOMPARE(dlg.windowTitle(), QStringLiteral("Sagwerk - Benutzer auswählen"));
    QCOMPARE(dlg.size(), QSize(370, 145));
    const auto& k = dlg.GetButtons();
    QCOMPARE(int(k.size()), 3);
    QCOMPARE(k[0]->geometry(), QRect(10, 10, 100, 100));
    QCOMPARE(k[1]->geometry().x(), 130);
    QCOMPARE(k[2]->geometry().x(), 250);
    QCOMPARE(k[0]->GetCaption(), QStringLiteral("Anna"));
    QCOMPARE(k[2]->GetCaption(), QStringLiteral("Cem"));
    QVERIFY(!k[0]->HasPicture());
    QVERIFY(k[1]->HasPicture());
    QVERIFY(!k[2]->HasPicture());
    QCOMPARE(k[1]->GetFillColor(), 0xFF64FFu);
}

void tst_Benutzerauswahl::nurEineWahlBeendetDenDialog() {
    CTempVerzeichnis dir;
    CBenutzerAuswahlDlg dlg({"Anna.mdb", "Ben.mdb"}, {}, Pfad(dir), 1024);
    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    QTest::keyClick(&dlg, Qt::Key_Escape);
    QTest::keyClick(&dlg, Qt::Key_Return);
    QVERIFY(!dlg.close());
    dlg.reject();
    QVERIFY(dlg.isVisible());

    QTest::mouseClick(dlg.GetButtons()[1], Qt::LeftButton);
    QVERIFY(!dlg.isVisible());
    QCOMPARE(dlg.result(), int(QDialog::Accepted));
    QCOMPARE(dlg.GetFile(), QStringLiteral("Ben.mdb"));
}

void tst_Benutzerauswahl::eineDateiWirdOhneDialogGenommen() {
    CTempVerzeichnis dir;
    Anlegen(dir, "Anna.mdb");
    CTestDialoge dialoge;
    CTestUhr uhr;
    CBenutzerWahl wahl(dialoge, uhr, Pfad(dir));
    bool gefragt = false;
    wahl.SetAuswaehlen([&](const QStringList&, const QStringList&) {
        gefragt = true;
        return QString();
    });
    QCOMPARE(QString::fromStdString(wahl.BenutzerWaehlen()), QDir(Pfad(dir)).filePath("Anna.mdb"));
    QVERIFY(!gefragt);

    // Two files: the dialog is asked, with .ico pictures before .bmp ones.
    Anlegen(dir, "Ben.mdb");
    Anlegen(dir, "Ben.bmp");
    Anlegen(dir, "Anna.ico");
    QStringList angeboten, bilder;
    wahl.SetAuswaehlen([&](const QStringList& d, const QStringList& b) {
        angeboten = d;
        bilder = b;
        return QStringLiteral("Ben.mdb");
    });
    QCOMPARE(QString::fromStdString(wahl.BenutzerWaehlen()), QDir(Pfad(dir)).filePath("Ben.mdb"));
    QCOMPARE(angeboten, QStringList({"Anna.mdb", "Ben.mdb"}));
    QCOMPARE(bilder, QStringList({"Anna.ico", "Ben.bmp"}));
}

void tst_Benutzerauswahl::ohneBenutzerWirdGefragt() {
    CTempVerzeichnis dir;
    CTestDialoge dialoge;
    CTestUhr uhr;
    CBenutzerWahl wahl(dialoge, uhr, Pfad(dir));
    wahl.SetWortschatz(SAGWERK_RES_DIR "/wortschatz.txt");

    // "Nein": nothing is created, the program is to end.
    dialoge.NaechsteAntwort(IDialoge::Antwort::Nein);
    QCOMPARE(wahl.BenutzerWaehlen(), std::string());
    QCOMPARE(dialoge.meldungen.size(), std::size_t(1));
    QCOMPARE(dialoge.meldungen[0].knoepfe, IDialoge::Knoepfe::JaNein);
    QVERIFY(QDir(Pfad(dir)).entryList(QDir::Files).isEmpty());

    // "Ja", a bad name first, then a good one: the user file is made.
    dialoge.Vergessen();
    QStringList namen = {"a/b", "Mia"};
    wahl.SetNameFragen([&](QString& name) {
        name = namen.takeFirst();
        return true;
    });
    const std::string datei = wahl.BenutzerWaehlen();
    QCOMPARE(QString::fromStdString(datei), QDir(Pfad(dir)).filePath("Mia.mdb"));
    QCOMPARE(dialoge.meldungen.size(), std::size_t(2));  // the question and the bad name
    QCOMPARE(QDir(Pfad(dir)).entryList(QDir::Files), QStringList({"Mia.mdb"}));
    // Its pictures are there beside it: the system icons and the vocabulary's.
    QVERIFY(QFileInfo::exists(QDir(Pfad(dir)).filePath("icons/system/up.svg")));
    QVERIFY(QDir(Pfad(dir)).entryList({"icons"}, QDir::Dirs).size() == 1);
    QVERIFY(QDir(QDir(Pfad(dir)).filePath("icons/openmoji")).entryList(QDir::Files).size() > 150);
    CDatenbank db(datei, dialoge, uhr);
    CBenutzer b;
    QVERIFY(db.LoadBenutzer(b));
    QCOMPARE(b.GetVorname(), std::string("Mia"));
    CWortButton w;
    QVERIFY(db.FirstVerb(w));
    QVERIFY(db.GetVerbCount() >= std::size_t(28 + 40));
    QVERIFY(dialoge.fehler.empty());
}

void tst_Benutzerauswahl::namenWerdenGeprueft() {
    QVERIFY(CBenutzerWahl::NamePruefen("Anna").isEmpty());
    QVERIFY(CBenutzerWahl::NamePruefen("Jörg Müller").isEmpty());
    QVERIFY(!CBenutzerWahl::NamePruefen("  ").isEmpty());
    QVERIFY(!CBenutzerWahl::NamePruefen(".versteckt").isEmpty());
    QVERIFY(!CBenutzerWahl::NamePruefen("..\\x").isEmpty());
    QVERIFY(!CBenutzerWahl::NamePruefen("a:b").isEmpty());
}

// A file name that is not UTF-8 (Latin-1 "Jörg") is offered, shown as well
// as it can be, and chosen under its own bytes.
void tst_Benutzerauswahl::einNameAusFremdenBytesWirdAngebotenUndGeoeffnet() {
    CTempVerzeichnis dir;
    Anlegen(dir, "Anna.mdb");
    const std::string fremd = dir.Datei("J\xF6rg.mdb");
    { std::ofstream(fremd) << ""; }
    CTestDialoge dialoge;
    CTestUhr uhr;
    CBenutzerWahl wahl(dialoge, uhr, Pfad(dir));
    QStringList angeboten;
    wahl.SetAuswaehlen([&](const QStringList& d, const QStringList&) {
        angeboten = d;
        return d.size() == 2 ? d[1] : QString();
    });
    const std::string gewaehlt = wahl.BenutzerWaehlen();
    QCOMPARE(angeboten.size(), 2);
    QCOMPARE(angeboten[0], QStringLiteral("Anna.mdb"));
    QCOMPARE(gewaehlt, fremd);
    QVERIFY(std::filesystem::exists(gewaehlt));
}

QTEST_MAIN(tst_Benutzerauswahl)
#include "tst_Benutzerauswahl.moc"
