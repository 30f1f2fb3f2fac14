#include <QTest>

#include "Anordnung.h"

using namespace anordnung;

class tst_Anordnung : public QObject {
    Q_OBJECT
private slots:
    void hauptansichtAufDemDesktop1024x768();
    void emotionenTeilenDieBreite();
    void rasterZellenFuellenDasFenster();
    void rasterGroesseWirdBegrenzt();
    void seitenMitZehnElfUndDreissigElementen();
    void klicksGehenAnDieRichtigeStelle();
    void tastaturAuf1000x300();
    void tastenBleibenInKleinenFensternBenutzbar();
    void bilderWerdenNurVerkleinert();
    void benutzerauswahlMitDreiUndVielenBenutzern();
    void wortzeileNimmtDemRasterEineZeile();
};

void tst_Anordnung::hauptansichtAufDemDesktop1024x768() {
    const CHauptansicht a = Hauptansicht(QRect(0, 0, 1024, 768));
    QCOMPARE(a.satz, QRect(145, 593, 734, 20));
    QCOMPARE(a.liste, QRect(145, 618, 734, 100));
    QCOMPARE(a.listeVerlauf, QRect(145, 95, 734, 623));
    QCOMPARE(a.hoch, QRect(884, 593, 60, 60));
    QCOMPARE(a.runter, QRect(884, 658, 60, 60));
    QCOMPARE(a.sprechen, QRect(954, 593, 60, 125));
    // (145, 95)-(1014, 583), right and bottom edges exclusive.
    QCOMPARE(a.kind, QRect(QPoint(145, 95), QPoint(1013, 582)));
    QCOMPARE(a.funktionen[0], QRect(10, 95, 60, 73));
    QCOMPARE(a.funktionen[1], QRect(75, 95, 60, 73));
    QCOMPARE(a.funktionen[15], QRect(75, 95 + 7 * 78, 60, 73));

    // A desktop too small for the layout still gives real rectangles.
    const CHauptansicht klein = Hauptansicht(QRect(0, 0, 100, 100));
    QVERIFY(klein.kind.width() >= 1 && klein.kind.height() >= 1);
    QVERIFY(klein.funktionen[0].height() >= 1);
}

void tst_Anordnung::emotionenTeilenDieBreite() {
    const auto e = Emotionen(QRect(0, 0, 1024, 768), 7);
    QCOMPARE(int(e.size()), 7);
    QCOMPARE(e[0], QRect(10, 10, 139, 75));
    QCOMPARE(e[6].x(), 10 + 6 * 144);
    QVERIFY(Emotionen(QRect(0, 0, 1024, 768), 0).empty());
    QCOMPARE(Emotionen(QRect(0, 0, 50, 50), 20)[0].width(), 1);
}

void tst_Anordnung::rasterZellenFuellenDasFenster() {
    auto z = Rasterzellen(QSize(500, 300), QSize(4, 3));
    QCOMPARE(int(z.size()), 12);
    QCOMPARE(z[0].width(), 121);  // (500 - 20 + 5) / 4
    QCOMPARE(z[0].height(), 96);  // (300 - 15 + 5) / 3
    QCOMPARE(z[5], QRect(126, 101, 121, 96));
    QCOMPARE(z[11].right() + 1, 3 * 126 + 121);

    // A window smaller than the gaps: tiny cells, not a wrapped-around size.
    z = Rasterzellen(QSize(10, 10), QSize(6, 4));
    QCOMPARE(z[0].size(), QSize(1, 1));
}

void tst_Anordnung::rasterGroesseWirdBegrenzt() {
    QCOMPARE(RasterGroesse(6, 4), QSize(6, 4));
    QCOMPARE(RasterGroesse(0, 0), QSize(5, 1));
    QCOMPARE(RasterGroesse(2, 2), QSize(3, 2));
    QCOMPARE(RasterGroesse(-3, 1), QSize(5, 1));
    const QSize gross = RasterGroesse(100, 100);
    QVERIFY(gross.width() * gross.height() <= 1000);
    QVERIFY(gross.width() * gross.height() >= 5);
}

void tst_Anordnung::seitenMitZehnElfUndDreissigElementen() {
    // 3 x 4 grid, ten elements: everything on page 0.
    CSeite s = Seite(12, 10, 0);
    QVERIFY(!s.letzteSeite);
    QVERIFY(!s.naechsteSeite);
    QCOMPARE(s.knoepfe[0].art, CBelegung::Startseite);
    QCOMPARE(s.knoepfe[1].art, CBelegung::LetzteKategorie);
    QCOMPARE(s.knoepfe[2].element, 0);
    QCOMPARE(s.knoepfe[11].element, 9);

    // Eleven: elements 0-8 and "nächste Seite"; page 1 shows 9 and 10.
    s = Seite(12, 11, 0);
    QVERIFY(s.naechsteSeite);
    QCOMPARE(s.knoepfe[10].element, 8);
    QCOMPARE(s.knoepfe[11].art, CBelegung::NaechsteSeite);
    s = Seite(12, 11, 1);
    QVERIFY(s.letzteSeite);
    QVERIFY(!s.naechsteSeite);
    QCOMPARE(s.knoepfe[0].art, CBelegung::LetzteSeite);
    QCOMPARE(s.knoepfe[1].art, CBelegung::Startseite);
    QCOMPARE(s.knoepfe[2].art, CBelegung::LetzteKategorie);
    QCOMPARE(s.knoepfe[3].element, 9);
    QCOMPARE(s.knoepfe[4].element, 10);
    for (int b = 5; b < 12; ++b) QCOMPARE(s.knoepfe[b].art, CBelegung::Versteckt);

    // Thirty: page 1 holds 9-16 and a further page, page 2 starts at 17.
    s = Seite(12, 30, 1);
    QCOMPARE(s.erstesElement, 9);
    QVERIFY(s.naechsteSeite);
    QCOMPARE(s.knoepfe[10].element, 16);
    QCOMPARE(Seite(12, 30, 2).erstesElement, 17);

    // An empty list: only the two category buttons.
    s = Seite(12, 0, 0);
    QCOMPARE(s.knoepfe[0].art, CBelegung::Startseite);
    QCOMPARE(s.knoepfe[1].art, CBelegung::LetzteKategorie);
    for (int b = 2; b < 12; ++b) QCOMPARE(s.knoepfe[b].art, CBelegung::Versteckt);
}

void tst_Anordnung::klicksGehenAnDieRichtigeStelle() {
    const CSeite s0 = Seite(12, 30, 0);
    QCOMPARE(Klick(s0, 0).element, 10000);
    QCOMPARE(Klick(s0, 1).element, 10001);
    QCOMPARE(Klick(s0, 2).element, 0);
    QCOMPARE(Klick(s0, 11).seitenwechsel, 1);
    QCOMPARE(Klick(s0, 11).element, -1);

    const CSeite s1 = Seite(12, 30, 1);
    QCOMPARE(Klick(s1, 0).seitenwechsel, -1);
    QCOMPARE(Klick(s1, 3).element, 9);

    // Hidden buttons and positions outside the grid do nothing.
    const CSeite kurz = Seite(12, 3, 0);
    QCOMPARE(Klick(kurz, 8).element, -1);
    QCOMPARE(Klick(kurz, 8).seitenwechsel, 0);
    QCOMPARE(Klick(kurz, 40).element, -1);
}

void tst_Anordnung::tastaturAuf1000x300() {
    const auto t = Tasten(QSize(1000, 300));
    QCOMPARE(t[0], QRect(0, 0, 86, 71));
    QCOMPARE(t[10].x(), 10 * 91);
    QCOMPARE(t[11].topLeft(), QPoint(53, 76));
    QCOMPARE(t[21].topLeft(), QPoint(96, 152));
    QCOMPARE(t[29].x(), 139);
    QCOMPARE(t[29].x() + t[29].width(), 655);
    QCOMPARE(t[30].x(), 703);
    QCOMPARE(t[30].x() + t[30].width(), 875);
    QCOMPARE(t[29].y(), 228);
}

void tst_Anordnung::tastenBleibenInKleinenFensternBenutzbar() {
    const auto t = Tasten(QSize(20, 10));
    for (const QRect& r : t) QVERIFY(r.width() >= 1 && r.height() >= 1);
}

void tst_Anordnung::bilderWerdenNurVerkleinert() {
    // Icons: margin 14. A 16 x 16 icon on a large button stays 16 x 16, centred.
    QCOMPARE(BildZiel(QSize(200, 200), 20, QSize(16, 16), true), QRect(92, 82, 16, 16));
    // A = min(44 - 14, 100 - 20 - 14) = 30: a 32 x 32 icon is drawn at 30 x 30.
    QCOMPARE(BildZiel(QSize(44, 100), 20, QSize(32, 32), true).size(), QSize(30, 30));
    // Bitmaps: margin 20. 40 x 20 with A = 30 keeps its natural size.
    QCOMPARE(BildZiel(QSize(50, 100), 20, QSize(40, 20), false).size(), QSize(40, 20));
    // 200 x 100 with A = 80 is stretched to a square.
    QCOMPARE(BildZiel(QSize(100, 200), 20, QSize(200, 100), false), QRect(10, 50, 80, 80));
    // A button too small for any picture draws none.
    QCOMPARE(BildZiel(QSize(10, 10), 20, QSize(32, 32), true).size(), QSize(0, 0));

    QCOMPARE(TextPosition(QSize(100, 100), QSize(40, 15)), QPoint(30, 77));
}

void tst_Anordnung::benutzerauswahlMitDreiUndVielenBenutzern() {
    CAuswahl a = Benutzerauswahl(3, 1024);
    QCOMPARE(int(a.knoepfe.size()), 3);
    QCOMPARE(a.knoepfe[0], QRect(10, 10, 100, 100));
    QCOMPARE(a.knoepfe[1].x(), 130);
    QCOMPARE(a.knoepfe[2].x(), 250);
    QCOMPARE(a.dialog, QSize(370, 145));

    // Twenty users on a 1024-pixel screen: eight to a row, nobody off screen.
    a = Benutzerauswahl(20, 1024);
    for (const QRect& r : a.knoepfe) QVERIFY(r.right() < 1024);
    QCOMPARE(a.knoepfe[8], QRect(10, 130, 100, 100));
    QCOMPARE(a.dialog, QSize(970, 145 + 240));
}

void tst_Anordnung::wortzeileNimmtDemRasterEineZeile() {
    // The grid of 1024 x 768 (8 x 5): the row and the five rows of the grid
    // are six equal rows.
    const QRect kind = Hauptansicht(QRect(0, 0, 1024, 768)).kind;
    const CMitZeile m = MitWortzeile(kind, 5);
    QCOMPARE(m.zeile, QRect(145, 95, 869, 77));  // (488 - 30 + 5) / 6
    QCOMPARE(m.rest, QRect(145, 177, 869, 406));
    QCOMPARE(m.rest.bottom(), kind.bottom());
    const auto zellen = Rasterzellen(m.rest.size(), QSize(8, 5));
    QCOMPARE(zellen[0].height(), m.zeile.height());
    const auto knoepfe = Zeilenknoepfe(m.zeile.size(), 6);
    QCOMPARE(int(knoepfe.size()), 6);
    QCOMPARE(knoepfe[0], QRect(0, 0, 140, 77));  // (869 - 30 + 5) / 6
    QCOMPARE(knoepfe[5].x(), 5 * 145);
    // The shift key sits left of Y, as wide as it.
    const auto tasten = Tasten(QSize(1000, 300));
    QCOMPARE(Umschalttaste(tasten),
             QRect(0, tasten[21].y(), tasten[21].width(), tasten[21].height()));
    QVERIFY(Umschalttaste(tasten).right() < tasten[21].left());
    // Too small a window still gives real rectangles.
    const CMitZeile klein = MitWortzeile(QRect(0, 0, 10, 10), 5);
    QVERIFY(klein.zeile.height() >= 1 && klein.rest.height() >= 1);
}

QTEST_MAIN(tst_Anordnung)
#include "tst_Anordnung.moc"
