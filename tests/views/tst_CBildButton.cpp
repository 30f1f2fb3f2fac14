#include <QImage>
#include <QSignalSpy>
#include <QTest>
#include <algorithm>
#include <fstream>
#include <memory>
#ifndef _WIN32
#include <sys/stat.h>
#endif

#include "CBildButton.h"
#include "CBildCache.h"
#include "CTempVerzeichnis.h"

namespace {

std::string Bild(const CTempVerzeichnis& dir, const std::string& name, QSize groesse,
                 const char* format) {
    QImage bild(groesse, QImage::Format_ARGB32);
    bild.fill(QColor(0, 0, 200));
    const std::string pfad = dir.Datei(name);
    bild.save(QString::fromStdString(pfad), format);
    return pfad;
}

QColor Mitte(CBildButton& knopf) {
    const QImage bild = knopf.grab().toImage();
    return bild.pixelColor(bild.width() / 2, bild.height() / 2);
}

}  // namespace

class tst_CBildButton : public QObject {
    Q_OBJECT
private slots:
    void init() { CBildCache::Instanz().Leeren(); }
    void captionWirdZeichenweiseGekuerzt();
    void bilderNachEndungUndGroesse();
    void jedeDateiWirdEinmalGelesen();
    void imHintergrundGleichesBildSpaeter();
    void fuellfarbe();
    void kleinereSchriftVorKuerzen();
    void gehaltenBleibtGedrueckt();
    void doppelklickZaehltZweimal();
};

void tst_CBildButton::captionWirdZeichenweiseGekuerzt() {
    CBildButton knopf;
    knopf.resize(60, 60);
    const QString lang = QStringLiteral("Übermorgenfrühstück");
    knopf.SetCaption(lang);
    const QFontMetrics fm(knopf.font());
    QVERIFY(fm.horizontalAdvance(knopf.GetCaption()) <= 55);
    QVERIFY(lang.startsWith(knopf.GetCaption()));
    QVERIFY(knopf.GetCaption().size() < lang.size());
    // One more character would not have fitted.
    QVERIFY(fm.horizontalAdvance(lang.left(knopf.GetCaption().size() + 1)) > 55);

    // Widening the button fits the full text again.
    knopf.resize(600, 60);
    QCOMPARE(knopf.GetCaption(), lang);

    // Narrower than five pixels: nothing is left, and nothing breaks.
    knopf.resize(4, 60);
    QCOMPARE(knopf.GetCaption(), QString());

    // A character outside the basic plane is removed whole.
    knopf.resize(30, 60);
    knopf.SetCaption(std::string("a\U0001F600\U0001F600\U0001F600\U0001F600\U0001F600"));
    const QString c = knopf.GetCaption();
    QVERIFY(c.isEmpty() || !c.back().isHighSurrogate());
}

void tst_CBildButton::bilderNachEndungUndGroesse() {
    CTempVerzeichnis dir;
    const std::string icon = Bild(dir, "klein.ico", QSize(16, 16), "ICO");
    const std::string bmp = Bild(dir, "breit.bmp", QSize(200, 100), "BMP");

    CBildButton knopf;
    knopf.resize(200, 200);
    const int cy = QFontMetrics(knopf.font()).height();

    knopf.SetPicture(icon);
    QVERIFY(knopf.HasPicture());
    QVERIFY(knopf.IsIcon());
    QCOMPARE(knopf.GetPictureSize(), QSize(16, 16));
    QCOMPARE(knopf.GetPictureRect(), QRect(92, (200 - cy - 16) / 2, 16, 16));

    // Capitals in the extension still mean an icon.
    std::string gross = dir.Datei("KLEIN.ICO");
    std::filesystem::copy_file(icon, gross);
    knopf.SetPicture(gross);
    QVERIFY(knopf.IsIcon() && knopf.HasPicture());

    // A bitmap at least A in both directions becomes an A x A square.
    knopf.resize(100, 100 + cy + 20);
    knopf.SetPicture(bmp);
    QVERIFY(knopf.HasPicture());
    QVERIFY(!knopf.IsIcon());
    QCOMPARE(knopf.GetPictureRect().size(), QSize(80, 80));

    // PNG, JPEG and SVG files are drawn as bitmaps; a drawing at 256 pixels.
    knopf.SetPicture(Bild(dir, "foto.JPG", QSize(60, 40), "JPG"));
    QCOMPARE(knopf.GetPictureSize(), QSize(60, 40));
    knopf.SetPicture(Bild(dir, "bild.png", QSize(30, 30), "PNG"));
    QCOMPARE(knopf.GetPictureSize(), QSize(30, 30));
    const std::string svg = dir.Datei("kreis.svg");
    std::ofstream(svg) << R"(<svg xmlns="http://www.w3.org/2000/svg" width="72" height="36">)"
                       << R"(<rect width="72" height="36" fill="red"/></svg>)";
    knopf.SetPicture(svg);
    QVERIFY(knopf.HasPicture() && !knopf.IsIcon());
    QCOMPARE(knopf.GetPictureSize(), QSize(256, 128));

    // Another extension, the empty path and a missing file leave no picture.
    knopf.SetPicture(dir.Datei("bild.gif"));
    QVERIFY(!knopf.HasPicture());
    knopf.SetPicture(bmp);
    knopf.SetPicture("");
    QVERIFY(!knopf.HasPicture());
#ifndef _WIN32
    // A pipe named like a picture is not read (it would wait for ever).
    const std::string rohr = dir.Datei("rohr.png");
    QCOMPARE(::mkfifo(rohr.c_str(), 0600), 0);
    knopf.SetPicture(rohr);
    QVERIFY(!knopf.HasPicture());
#endif
    knopf.SetPicture(dir.Datei("fehlt.ico"));
    QVERIFY(!knopf.HasPicture());
    QCOMPARE(knopf.GetPictureSize(), QSize(32, 32));
}

void tst_CBildButton::jedeDateiWirdEinmalGelesen() {
    CTempVerzeichnis dir;
    const std::string icon = Bild(dir, "a.ico", QSize(32, 32), "ICO");
    std::vector<std::unique_ptr<CBildButton>> knoepfe;
    for (int i = 0; i < 200; ++i) {
        knoepfe.push_back(std::make_unique<CBildButton>());
        knoepfe.back()->SetPicture(icon);
    }
    for (auto& k : knoepfe) k->SetPicture(icon);
    QCOMPARE(CBildCache::Instanz().Dekodiert(), 1);
    QVERIFY(knoepfe.back()->HasPicture());
}

void tst_CBildButton::imHintergrundGleichesBildSpaeter() {
    CTempVerzeichnis dir;
    const std::string png = Bild(dir, "a.png", QSize(40, 30), "PNG");
    const std::string bmp = Bild(dir, "b.bmp", QSize(20, 20), "BMP");
    CBildButton sofort;
    sofort.resize(90, 90);
    sofort.SetCaption(std::string("Ball"));
    sofort.SetPicture(png);
    const QImage erwartet = sofort.grab().toImage();
    CBildCache::Instanz().Leeren();

    CBildCache::Instanz().SetImHintergrund(true);
    const std::unique_ptr<CBildCache, void (*)(CBildCache*)> zurueck(
        &CBildCache::Instanz(), [](CBildCache* c) { c->SetImHintergrund(false); });
    CBildButton knopf, gewechselt;
    for (CBildButton* k : {&knopf, &gewechselt}) {
        k->resize(90, 90);
        k->SetCaption(std::string("Ball"));
        k->SetPicture(png);
    }
    // The button shows at once, without its picture; a button given another
    // picture meanwhile keeps the new one.
    QVERIFY(knopf.IsPictureWaiting());
    gewechselt.SetPicture(bmp);
#ifndef _WIN32
    const std::string rohr = dir.Datei("rohr.png");
    QCOMPARE(::mkfifo(rohr.c_str(), 0600), 0);
    CBildButton roehre;
    roehre.SetPicture(rohr);
#endif
    CBildCache::Instanz().WartenAufAlle();
    QVERIFY(!knopf.IsPictureWaiting());
    QCOMPARE(knopf.grab().toImage(), erwartet);
    QCOMPARE(gewechselt.GetPictureSize(), QSize(20, 20));
#ifndef _WIN32
    QVERIFY(!roehre.HasPicture());
#endif
}

void tst_CBildButton::fuellfarbe() {
    CBildButton knopf;
    knopf.resize(80, 80);
    const QColor ohne = Mitte(knopf);
    knopf.SetFillColor(0x5A5AFF);  // 0x00BBGGRR: red 255, green 90, blue 90
    QCOMPARE(Mitte(knopf), QColor(255, 90, 90));
    knopf.SetFillColor(0x010101);
    QCOMPARE(Mitte(knopf), QColor(1, 1, 1));
    knopf.SetFillColor(0);
    QCOMPARE(Mitte(knopf), ohne);
}

void tst_CBildButton::kleinereSchriftVorKuerzen() {
    CBildButton knopf;
    knopf.resize(60, 70);
    knopf.SetCaption(std::string("sie (Frau)"));
    QVERIFY(knopf.GetCaption() != QStringLiteral("sie (Frau)"));  // cut at the usual size
    knopf.SetMindestSchrift(10);
    QCOMPARE(knopf.GetCaption(), QStringLiteral("sie (Frau)"));
    QVERIFY(QFontMetrics(knopf.GetCaptionFont()).horizontalAdvance(knopf.GetCaption()) <= 55);
    // Held, the caption stays clear of the frame: on two lines where one
    // does not fit.
    knopf.SetHeld(true);
    auto Breiteste = [&] {
        int b = 0;
        for (const QString& zeile : knopf.GetCaption().split(QLatin1Char('\n')))
            b = std::max(b, QFontMetrics(knopf.GetCaptionFont()).horizontalAdvance(zeile));
        return b;
    };
    QVERIFY(Breiteste() <= 44);
    // A caption of three words with slashes keeps every letter.
    knopf.SetHeld(false);
    knopf.resize(60, 57);
    knopf.SetCaption(std::string("der/die/das"));
    QCOMPARE(knopf.GetCaption().remove(QLatin1Char('\n')), QStringLiteral("der/die/das"));
    QVERIFY(Breiteste() <= 55);
    // A long word is hyphenated at its soft hyphen, which is not drawn where
    // the word fits on one line; without one, between syllables.
    knopf.SetCaption(QStringLiteral("Mittag\u00ADessen"));
    QCOMPARE(knopf.GetCaption(), QStringLiteral("Mittag-\nessen"));
    QVERIFY(Breiteste() <= 55);
    knopf.SetCaption(QStringLiteral("Schokolade"));
    QCOMPARE(knopf.GetCaption(), QStringLiteral("Scho-\nkolade"));
    knopf.SetCaption(QStringLiteral("schmecken"));
    QCOMPARE(knopf.GetCaption(), QStringLiteral("schme-\ncken"));
    knopf.resize(600, 57);
    knopf.SetCaption(QStringLiteral("Mittag\u00ADessen"));
    QCOMPARE(knopf.GetCaption(), QStringLiteral("Mittagessen"));
}

void tst_CBildButton::gehaltenBleibtGedrueckt() {
    CBildButton knopf;
    knopf.resize(80, 80);
    knopf.show();
    QVERIFY(QTest::qWaitForWindowExposed(&knopf));
    const QImage los = knopf.grab().toImage();
    knopf.SetHeld(true);
    const QImage gehalten = knopf.grab().toImage();
    QVERIFY(los != gehalten);

    QTest::mousePress(&knopf, Qt::LeftButton);
    QCOMPARE(knopf.grab().toImage(), gehalten);
    QTest::mouseRelease(&knopf, Qt::LeftButton);
    QCOMPARE(knopf.grab().toImage(), gehalten);

    // Held shows a thick dark frame inside the bevel; a button only being
    // pressed looks pushed, without it.
    const QColor rahmen = gehalten.pixelColor(6, 40);
    QVERIFY(rahmen.lightness() < 60);
    QVERIFY(los.pixelColor(6, 40).lightness() > 150);
    knopf.SetHeld(false);
    QTest::mousePress(&knopf, Qt::LeftButton);
    const QImage gedrueckt = knopf.grab().toImage();
    QVERIFY(gedrueckt != los);
    QVERIFY(gedrueckt.pixelColor(6, 40).lightness() > 150);
    QTest::mouseRelease(&knopf, Qt::LeftButton);
    QCOMPARE(knopf.grab().toImage(), los);
}

void tst_CBildButton::doppelklickZaehltZweimal() {
    CBildButton knopf;
    knopf.resize(80, 80);
    knopf.show();
    QVERIFY(QTest::qWaitForWindowExposed(&knopf));
    QSignalSpy klicks(&knopf, &QAbstractButton::clicked);
    QTest::mouseClick(&knopf, Qt::LeftButton);
    QTest::mouseDClick(&knopf, Qt::LeftButton);
    QTest::mouseRelease(&knopf, Qt::LeftButton);
    QCOMPARE(klicks.count(), 2);
}

QTEST_MAIN(tst_CBildButton)
#include "tst_CBildButton.moc"
