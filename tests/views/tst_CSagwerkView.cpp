#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QListView>
#include <QScrollBar>
#include <QTest>
#include <SQLiteCpp/Database.h>
#include <algorithm>
#include <memory>

#include "CBedienungsSteuerung.h"
#include "CBildButton.h"
#include "CBildCache.h"
#include "CButtonsView.h"
#include "CSagwerkDoc.h"
#include "CSagwerkView.h"
#include "CScanner.h"
#include "CTastaturView.h"
#include "CTestBenutzer.h"

namespace {
const QRect kDesktop(0, 0, 1024, 768);

void Klick(QAbstractButton* knopf) {
    QVERIFY(knopf);
    QVERIFY(knopf->isVisible());
    QTest::mouseClick(knopf, Qt::LeftButton);
}
}  // namespace

class tst_CSagwerkView : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void layoutAufDemDesktop();
    void rasterBautSatzUndBlaettert();
    void naechsteSeiteIstVorbereitet();
    void personZeitUndVerbGebenDieForm();
    void tastaturTipptUndLoeschtUmlaute();
    void systemsymboleKommenMitDemBenutzer();
    void hochUndRunterBewegenDieAuswahl();
    void verlaufZeigtNurDieGrosseListe();
    void verlaufHoltWeitereSeitenBeimBlaettern();
    void verlaufBehaeltBeimScrollenEinFenster();
    void gesprochenerSatzKommtNachNeustartWieder();
    void schalterBauenUndSprechenOhneMaus();
    void pfeiltastenErreichenJedenKnopf();
    void scanGruppenMitTastaturUndSatzliste();

private:
    void Oeffnen();
    QString Satz() const { return m_view->GetSentenceField()->text(); }
    CButtonsView* Raster() const { return m_view->GetButtonsView(); }

    std::unique_ptr<CTestBenutzer> m_benutzer;
    std::vector<std::string> m_gesprochen;
    std::unique_ptr<CSagwerkDoc> m_doc;
    std::unique_ptr<QWidget> m_fenster;
    CSagwerkView* m_view = nullptr;
};

void tst_CSagwerkView::init() {
    m_benutzer = std::make_unique<CTestBenutzer>();
    m_gesprochen.clear();
    Oeffnen();
}

void tst_CSagwerkView::Oeffnen() {
    m_view = nullptr;
    m_fenster.reset();
    m_doc = std::make_unique<CSagwerkDoc>(m_benutzer->m_dialoge, m_benutzer->m_uhr,
                                          std::make_unique<CTestEngine>(m_gesprochen));
    QVERIFY(m_doc->OpenUser(m_benutzer->Datei()));
    m_fenster = std::make_unique<QWidget>();
    m_fenster->resize(kDesktop.size());
    m_view = new CSagwerkView(*m_doc, kDesktop, m_fenster.get());
    m_view->resize(kDesktop.size());
    m_fenster->show();
    m_view->OnInitialUpdate();
}

void tst_CSagwerkView::cleanup() {
    m_view = nullptr;
    m_fenster.reset();
    m_doc.reset();
    m_benutzer.reset();
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void tst_CSagwerkView::layoutAufDemDesktop() {
    // The word prediction off: the screen as it was without it (the rows
    // are tested in tst_Wortvorschlaege).
    CBedienung aus;
    aus.wortvorhersage = false;
    CDatenbank(m_benutzer->Datei(), m_benutzer->m_dialoge, m_benutzer->m_uhr).SaveBedienung(aus);
    Oeffnen();
    QCOMPARE(m_view->GetSentenceField()->geometry(), QRect(145, 593, 734, 20));
    QCOMPARE(m_view->GetSuggestionList()->geometry(), QRect(145, 618, 734, 100));
    QCOMPARE(m_view->GetSpeakButton()->geometry(), QRect(954, 593, 60, 125));
    QCOMPARE(Raster()->geometry(), QRect(QPoint(145, 95), QPoint(1013, 582)));
    // The twenty function buttons of a new user in ten rows, the last one
    // clear of the task bar: (728 - 140 - 10) / 10 = 57.
    QCOMPARE(m_view->GetFunctionButton(1)->geometry(), QRect(10, 95, 60, 57));
    QCOMPARE(m_view->GetFunctionButton(93)->geometry(), QRect(75, 95 + 7 * 62, 60, 57));
    QCOMPARE(m_view->GetFunctionButton(30)->geometry(), QRect(10, 95 + 8 * 62, 60, 57));
    QCOMPARE(m_view->GetFunctionButton(33)->geometry(), QRect(75, 95 + 9 * 62, 60, 57));
    QVERIFY(m_view->GetFunctionButton(33)->geometry().bottom() < 728);
    QCOMPARE(m_view->GetFunctionButton(92)->GetFillColor(), 0xFF64FFu);
    QCOMPARE(m_view->GetFunctionButton(21)->GetFillColor(), 0x0071E1u);
    QCOMPARE(m_view->GetFunctionButton(3)->GetFillColor(), 0x24DDECu);
    QVERIFY(m_view->GetFunctionButton(20)->IsHeld());
    // Eight emotion buttons share the width: (1024 - 40 - 15) / 8 = 121.
    QCOMPARE(int(m_view->GetEmotionButtons().size()), 8);
    QCOMPARE(m_view->GetEmotionButtons()[1]->geometry(), QRect(136, 10, 121, 75));
    QCOMPARE(m_view->GetEmotionButtons()[0]->GetCaption(), QStringLiteral("Ja"));

    // Sixteen buttons, as a file without the latches has them: eight rows.
    {
        SQLite::Database db(m_benutzer->Datei(), SQLite::OPEN_READWRITE);
        db.exec("delete from FTasten where FCode between 30 and 33");
    }
    Oeffnen();
    QCOMPARE(m_view->GetFunctionButton(1)->geometry(), QRect(10, 95, 60, 73));
    QCOMPARE(m_view->GetFunctionButton(93)->geometry(), QRect(75, 95 + 7 * 78, 60, 73));
}

void tst_CSagwerkView::rasterBautSatzUndBlaettert() {
    QCOMPARE(Raster()->GetButtonCount(), 12);
    QCOMPARE(Raster()->GetButton(0)->GetCaption(), QStringLiteral("Startseite"));
    QCOMPARE(Raster()->GetButton(4)->GetCaption(), QStringLiteral("Kino"));
    QVERIFY(!Raster()->GetButton(5)->isVisible());

    Klick(Raster()->GetButton(4));
    QCOMPARE(Satz(), QStringLiteral("Kino "));
    QCOMPARE(m_doc->GetSpokenSentence(), std::string("Ki-no "));

    // Into the category of thirty words: page 0 holds w0..w8.
    QCOMPARE(Raster()->GetButton(2)->GetFillColor(), 0x5AFF5Au);
    Klick(Raster()->GetButton(2));
    QCOMPARE(Raster()->GetButton(10)->GetCaption(), QStringLiteral("w8"));
    QCOMPARE(Raster()->GetButton(11)->GetCaption(), QStringLiteral("nächste Seite"));
    Klick(Raster()->GetButton(11));
    QCOMPARE(Raster()->GetPage(), 1);
    QCOMPARE(Raster()->GetButton(0)->GetCaption(), QStringLiteral("letzte Seite"));
    QCOMPARE(Raster()->GetButton(3)->GetCaption(), QStringLiteral("w9"));
    Klick(Raster()->GetButton(3));
    QCOMPARE(Satz(), QStringLiteral("Kino w9 "));
    QCOMPARE(Raster()->GetPage(), 1);  // a word keeps the page

    Klick(Raster()->GetButton(11));
    QCOMPARE(Raster()->GetButton(3)->GetCaption(), QStringLiteral("w17"));
    // Back to the start category: page 0 of that list.
    Klick(Raster()->GetButton(2));
    QCOMPARE(Raster()->GetPage(), 0);
    QCOMPARE(Raster()->GetButton(4)->GetCaption(), QStringLiteral("Kino"));
}

void tst_CSagwerkView::naechsteSeiteIstVorbereitet() {
    for (int i = 0; i < 30; ++i) {
        QImage bild(40, 40, QImage::Format_RGB32);
        bild.fill(QColor(i * 8, 100, 200));
        QVERIFY(bild.save(QString::fromStdString(
            m_benutzer->Verzeichnis().Datei("w" + std::to_string(i) + ".png"))));
    }
    CBildCache& cache = CBildCache::Instanz();
    cache.Leeren();
    cache.SetImHintergrund(true);
    const std::unique_ptr<CBildCache, void (*)(CBildCache*)> zurueck(
        &cache, [](CBildCache* c) { c->SetImHintergrund(false); });
    Klick(Raster()->GetButton(2));  // into "Viele"
    // While the first page is looked at, the next one is decoded and drawn.
    QTRY_COMPARE(Raster()->GetVorzeichnenOffen(), 0);
    for (int k = 0; k < Raster()->GetButtonCount(); ++k)
        QVERIFY(!Raster()->GetButton(k)->IsPictureWaiting());
    const int vorher = cache.Dekodiert();
    Klick(Raster()->GetButton(11));
    QCOMPARE(Raster()->GetButton(3)->GetCaption(), QStringLiteral("w9"));
    for (int k = 3; k < 11; ++k) QVERIFY(Raster()->GetButton(k)->HasPicture());
    QCOMPARE(cache.Dekodiert(), vorher);
}

void tst_CSagwerkView::personZeitUndVerbGebenDieForm() {
    Klick(m_view->GetFunctionButton(2));   // du
    Klick(m_view->GetFunctionButton(21));  // Vergangenheit
    QVERIFY(m_view->GetFunctionButton(21)->IsHeld());
    QVERIFY(!m_view->GetFunctionButton(20)->IsHeld());
    QVERIFY(!m_view->GetFunctionButton(2)->IsHeld());  // persons do not latch
    Klick(Raster()->GetButton(3));                     // gehen
    QCOMPARE(Satz(), QStringLiteral("du bist gegangen "));
    // The person was used up; the tense stays.
    Klick(Raster()->GetButton(3));
    QCOMPARE(Satz(), QStringLiteral("du bist gegangen gehen "));
    Klick(m_view->GetFunctionButton(6));   // wir
    Klick(m_view->GetFunctionButton(22));  // Zukunft
    QVERIFY(!m_view->GetFunctionButton(21)->IsHeld());
    Klick(Raster()->GetButton(3));
    QVERIFY(Satz().endsWith(QStringLiteral("wir werden gehen ")));
}

void tst_CSagwerkView::systemsymboleKommenMitDemBenutzer() {
    // The folder had no icons when the screen was built; a user made now
    // brings them, and the screen shows them.
    QVERIFY(!m_view->GetUpButton()->HasPicture());
    QImage bild(16, 16, QImage::Format_ARGB32);
    bild.fill(Qt::black);
    QDir().mkpath(QStringLiteral("icons/system"));
    QVERIFY(bild.save(QStringLiteral("icons/system/up.png"), "PNG"));
    QFile::rename(QStringLiteral("icons/system/up.png"), QStringLiteral("icons/system/up.ico"));
    m_doc->SetUserChanged(true);
    m_doc->UpdateAllViews();
    QVERIFY(m_view->GetUpButton()->HasPicture());
}

void tst_CSagwerkView::tastaturTipptUndLoeschtUmlaute() {
    Klick(m_view->GetFunctionButton(92));
    QVERIFY(m_view->GetKeyboardView()->isVisible());
    QVERIFY(!Raster()->isVisible());
    QVERIFY(m_view->GetFunctionButton(92)->IsHeld());

    CTastaturView* t = m_view->GetKeyboardView();
    QCOMPARE(t->GetKey(10)->GetCaption(), QStringLiteral("Ü"));
    // Letters fill their key; the words still fit theirs.
    QVERIFY(t->GetKey(10)->font().pixelSize() >= t->GetKey(10)->height() * 2 / 5);
    QCOMPARE(t->GetKey(29)->GetCaption(), QStringLiteral("Leertaste"));
    QCOMPARE(t->GetKey(30)->GetCaption(), QStringLiteral("Löschen"));
    Klick(t->GetKey(10));  // ü
    Klick(t->GetKey(20));  // ö
    Klick(t->GetKey(28));  // ä
    QCOMPARE(Satz(), QStringLiteral("üöä"));
    Klick(t->GetKey(30));  // Löschen
    QCOMPARE(Satz(), QStringLiteral("üö"));
    Klick(t->GetKey(29));  // Leertaste
    Klick(t->GetKey(2));   // e
    QCOMPARE(Satz(), QStringLiteral("üö e"));

    Klick(m_view->GetFunctionButton(92));
    QVERIFY(!m_view->GetKeyboardView()->isVisible());
    QVERIFY(Raster()->isVisible());
    QVERIFY(!m_view->GetFunctionButton(92)->IsHeld());
    // The grid has its border, and its buttons lie inside it.
    const QImage raster = Raster()->grab().toImage();
    QVERIFY(raster.pixelColor(0, raster.height() / 2).lightness() < 200);
    QCOMPARE(Raster()->GetButton(0)->pos(), QPoint(1, 1));
}

void tst_CSagwerkView::hochUndRunterBewegenDieAuswahl() {
    // Two sentences in the memory, both with Kino.
    Klick(Raster()->GetButton(4));
    Klick(m_view->GetSpeakButton());
    Klick(Raster()->GetButton(3));
    Klick(m_view->GetSpeakButton());
    QCOMPARE(m_gesprochen.size(), std::size_t(2));
    QCOMPARE(m_gesprochen[0], std::string("Ki-no "));
    Klick(m_view->GetFunctionButton(91));
    QCOMPARE(Satz(), QString());
    Klick(Raster()->GetButton(4));

    QListView* liste = m_view->GetSuggestionList();
    QCOMPARE(liste->model()->rowCount(), 2);
    QCOMPARE(liste->currentIndex().row(), -1);
    Klick(m_view->GetUpButton());  // nothing selected stays so
    QCOMPARE(liste->currentIndex().row(), -1);
    Klick(m_view->GetDownButton());
    QCOMPARE(liste->currentIndex().row(), 0);
    Klick(m_view->GetDownButton());
    Klick(m_view->GetDownButton());
    QCOMPARE(liste->currentIndex().row(), 1);
    Klick(m_view->GetUpButton());
    Klick(m_view->GetUpButton());
    QCOMPARE(liste->currentIndex().row(), -1);

    // A row clicked in the list is the document's selection; "Sprechen" then
    // speaks that suggestion.
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, {},
                      liste->visualRect(liste->model()->index(1, 0)).center());
    QCOMPARE(m_doc->GetSelection(), 1);
    Klick(m_view->GetSpeakButton());
    QCOMPARE(m_gesprochen.back(), m_doc->GetSuggestionsSpoken()[1]);
}

void tst_CSagwerkView::verlaufZeigtNurDieGrosseListe() {
    Klick(Raster()->GetButton(4));
    Klick(m_view->GetSpeakButton());
    m_doc->WaitForWriter();
    Klick(m_view->GetFunctionButton(93));
    QListView* liste = m_view->GetSuggestionList();
    QCOMPARE(liste->geometry(), QRect(145, 95, 734, 623));
    QVERIFY(!Raster()->isVisible());
    QVERIFY(!m_view->GetKeyboardView()->isVisible());
    QVERIFY(!m_view->GetSentenceField()->isVisible());
    QCOMPARE(liste->model()->rowCount(), 1);
    QCOMPARE(liste->currentIndex().row(), 0);
    QVERIFY(m_view->GetFunctionButton(93)->IsHeld());

    Klick(m_view->GetFunctionButton(93));
    QCOMPARE(liste->geometry(), QRect(145, 618, 734, 100));
    QVERIFY(Raster()->isVisible());
    QVERIFY(m_view->GetSentenceField()->isVisible());
    QVERIFY(!m_view->GetFunctionButton(93)->IsHeld());
}

void tst_CSagwerkView::verlaufHoltWeitereSeitenBeimBlaettern() {
    std::vector<std::pair<std::string, std::string>> saetze;
    for (int i = 0; i < 450; ++i) {
        char s[32];
        std::snprintf(s, sizeof s, "Satz %03d ", i);
        saetze.emplace_back(s, std::string("gesprochen ") + s);
    }
    QVERIFY(m_doc->GetDatabase()->StoreSentences(saetze));
    Klick(m_view->GetFunctionButton(93));
    QListView* liste = m_view->GetSuggestionList();
    const int seite = static_cast<int>(CSagwerkDoc::kHistorySeite);
    QCOMPARE(liste->model()->rowCount(), seite);

    // Scrolled to the end, the list asks for the next page.
    liste->scrollToBottom();
    liste->verticalScrollBar()->setValue(liste->verticalScrollBar()->maximum());
    QTRY_VERIFY(liste->model()->rowCount() > seite);

    // Moving the selection past what is loaded fetches the rest as well.
    m_doc->SetSelection(liste->model()->rowCount() - 1);
    while (m_doc->HasMoreHistory()) Klick(m_view->GetDownButton());
    QCOMPARE(liste->model()->rowCount(), 450);
    m_doc->SetSelection(449);
    Klick(m_view->GetSpeakButton());
    // Its number is said as a word.
    QCOMPARE(m_gesprochen.back(), std::string("gesprochen Satz vierhundertneunundvierzig "));
}

void tst_CSagwerkView::verlaufBehaeltBeimScrollenEinFenster() {
    const int n = static_cast<int>(CSagwerkDoc::kHistoryFenster + 450);
    std::vector<std::pair<std::string, std::string>> saetze;
    for (int i = 0; i < n; ++i) {
        char s[32];
        std::snprintf(s, sizeof s, "Satz %04d ", i);
        saetze.emplace_back(s, s);
    }
    QVERIFY(m_doc->GetDatabase()->StoreSentences(saetze));
    Klick(m_view->GetFunctionButton(93));
    QListView* liste = m_view->GetSuggestionList();
    QScrollBar* leiste = liste->verticalScrollBar();
    const auto oben = [&] { return liste->indexAt(QPoint(2, 2)).data().toString(); };
    // Down to the end and back up to the start by the scroll bar alone: rows
    // above go and come back, and the sentence at the top stays where it was.
    for (const bool runter : {true, false}) {
        for (int schritte = 0; runter ? m_doc->HasMoreHistory() : m_doc->HasEarlierHistory();) {
            QVERIFY(++schritte < 50);
            // One scroll step is one row: the bar's value is the row at the top.
            const int ziel = runter ? leiste->maximum() : leiste->minimum();
            const QString vorher = liste->model()->index(ziel, 0).data().toString();
            leiste->setValue(ziel);
            QCoreApplication::processEvents();
            QCOMPARE(oben(), vorher);
            QVERIFY(liste->model()->rowCount() <= static_cast<int>(CSagwerkDoc::kHistoryFenster));
        }
    }
    QCOMPARE(liste->model()->index(0, 0).data().toString(), QStringLiteral("Satz 0000 "));
    QCOMPARE(m_doc->GetSuggestions().front(), std::string("Satz 0000 "));
}

void tst_CSagwerkView::gesprochenerSatzKommtNachNeustartWieder() {
    Klick(m_view->GetFunctionButton(1));  // ich
    Klick(Raster()->GetButton(3));        // gehe
    Klick(Raster()->GetButton(4));        // Kino
    QCOMPARE(Satz(), QStringLiteral("ich gehe Kino "));
    Klick(m_view->GetSpeakButton());
    QCOMPARE(m_gesprochen.back(), std::string("ich gehe Ki-no "));

    Oeffnen();  // a new run on the same file
    Klick(Raster()->GetButton(4));
    QCOMPARE(m_view->GetSuggestionList()->model()->rowCount(), 1);
    QCOMPARE(m_view->GetSuggestionList()->model()->index(0, 0).data().toString(),
             QStringLiteral("ich gehe Kino "));
}

void tst_CSagwerkView::schalterBauenUndSprechenOhneMaus() {
    for (const int modus : {CBedienung::EinSchalter, CBedienung::ZweiSchalter}) {
        CDatenbank(m_benutzer->Datei(), m_benutzer->m_dialoge, m_benutzer->m_uhr)
            .SaveBedienung({modus, 1000, 1000, 300});
        Oeffnen();
        CBedienungsSteuerung* s = m_view->GetBedienung();
        long long jetzt = 0;
        s->SetUhr([&] { return jetzt; });
        s->SetBedienung(m_doc->GetBedienung());
        int druecke = 0;
        // Onwards (by the clock, or by Space) until the highlight holds the
        // button, then in (Enter), down to the button itself.
        const auto waehlen = [&](CBildButton* ziel) {
            for (int i = 0; i < 60; ++i) {
                const auto markiert = s->GetMarkiert();
                jetzt += 500;
                if (std::find(markiert.begin(), markiert.end(), ziel) != markiert.end()) {
                    const bool allein = markiert.size() == 1;
                    QTest::keyClick(m_view, Qt::Key_Return);
                    ++druecke;
                    if (allein) return;
                } else if (modus == CBedienung::EinSchalter) {
                    jetzt += 1000;
                    s->Takt();
                } else {
                    QTest::keyClick(m_view, Qt::Key_Space);
                    ++druecke;
                }
            }
            QFAIL("nicht erreicht");
        };
        waehlen(m_view->GetFunctionButton(1));  // ich
        waehlen(Raster()->GetButton(3));        // gehe
        waehlen(Raster()->GetButton(4));        // Kino
        QCOMPARE(Satz(), QStringLiteral("ich gehe Kino "));
        waehlen(m_view->GetSpeakButton());
        QCOMPARE(m_gesprochen.back(), std::string("ich gehe Ki-no "));
        // One switch: three presses a word (group, row, button) and two for
        // "Sprechen" at most; two switches add the steps.
        if (modus == CBedienung::EinSchalter) QVERIFY(druecke <= 12);
        // The mouse works as well.
        Klick(Raster()->GetButton(4));
        QCOMPARE(Satz(), QStringLiteral("ich gehe Kino Kino "));
    }
}

void tst_CSagwerkView::pfeiltastenErreichenJedenKnopf() {
    CDatenbank(m_benutzer->Datei(), m_benutzer->m_dialoge, m_benutzer->m_uhr)
        .SaveBedienung({CBedienung::Tastatur, 1000, 1000, 300, false});
    Oeffnen();
    CBedienungsSteuerung* s = m_view->GetBedienung();
    long long jetzt = 0;
    s->SetUhr([&] { return jetzt; });
    // From the first emotion down to the function buttons, right into the
    // grid: "Startseite", two on to "gehen".
    QCOMPARE(s->GetMarkiert(), std::vector<CBildButton*>{m_view->GetEmotionButtons()[0]});
    QTest::keyClick(m_view, Qt::Key_Down);
    QCOMPARE(s->GetMarkiert(), std::vector<CBildButton*>{m_view->GetFunctionButton(1)});
    for (int i = 0; i < 2; ++i) QTest::keyClick(m_view, Qt::Key_Right);
    QCOMPARE(s->GetMarkiert(), std::vector<CBildButton*>{Raster()->GetButton(0)});
    for (int i = 0; i < 3; ++i) QTest::keyClick(m_view, Qt::Key_Right);
    QTest::keyClick(m_view, Qt::Key_Space);
    QCOMPARE(Satz(), QStringLiteral("gehen "));
}

void tst_CSagwerkView::scanGruppenMitTastaturUndSatzliste() {
    CDatenbank(m_benutzer->Datei(), m_benutzer->m_dialoge, m_benutzer->m_uhr)
        .SaveBedienung({CBedienung::ZweiSchalter, 1000, 1000, 300, false});
    Oeffnen();
    const CScanner& scanner = m_view->GetBedienung()->GetScanner();
    const auto zeilen = [&] {
        std::vector<std::size_t> n;
        for (const CScanGruppe& g : scanner.GetGruppen()) n.push_back(g.zeilen.size());
        return n;
    };
    // Emotions, the twenty function buttons two by two, the 4 x 3 grid's two rows in
    // use, "Sprechen", the sentence area (up and down; no suggestions yet).
    QCOMPARE(zeilen(), (std::vector<std::size_t>{1, 10, 2, 1, 1}));
    Klick(m_view->GetFunctionButton(92));  // the keyboard instead of the grid
    QCOMPARE(zeilen(), (std::vector<std::size_t>{1, 10, 4, 1, 1}));
    QCOMPARE(scanner.GetGruppen()[2].zeilen[0].size(), 11u);  // q .. ü
    Klick(m_view->GetFunctionButton(93));  // the list of all sentences: no grid, no keys
    QCOMPARE(zeilen(), (std::vector<std::size_t>{1, 10, 1, 1}));
}

QTEST_MAIN(tst_CSagwerkView)
#include "tst_CSagwerkView.moc"
