// The rows of words offered: above the grid and above the keyboard's keys,
// their place on the screen, a press on them, the shift key and scanning.

#include <QLineEdit>
#include <QTest>
#include <memory>

#include "Anordnung.h"
#include "CBedienungsSteuerung.h"
#include "CBildButton.h"
#include "CButtonsView.h"
#include "CSagwerkDoc.h"
#include "CSagwerkView.h"
#include "CScanner.h"
#include "CTastaturView.h"
#include "CTestBenutzer.h"
#include "CWortzeile.h"

namespace {
const QRect kDesktop(0, 0, 1024, 768);

void Klick(QAbstractButton* knopf) {
    QVERIFY(knopf);
    QVERIFY(knopf->isVisible());
    QTest::mouseClick(knopf, Qt::LeftButton);
}

// Positions in the start category of the test user.
constexpr int kGehen = 1, kKino = 2;
}  // namespace

class tst_Wortvorschlaege : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void zeileNimmtDemRasterEineZeile();
    void rasterzeileNimmtDasElement();
    void tastaturzeileUndGrossschreibung();
    void zeileIstDieErsteScangruppe();

private:
    void Oeffnen(const CBedienung& bedienung = {});
    QString Satz() const { return m_view->GetSentenceField()->text(); }

    std::unique_ptr<CTestBenutzer> m_benutzer;
    std::vector<std::string> m_gesprochen;
    std::unique_ptr<CSagwerkDoc> m_doc;
    std::unique_ptr<QWidget> m_fenster;
    CSagwerkView* m_view = nullptr;
};

void tst_Wortvorschlaege::init() {
    m_benutzer = std::make_unique<CTestBenutzer>();
    Oeffnen();
}

void tst_Wortvorschlaege::Oeffnen(const CBedienung& bedienung) {
    m_view = nullptr;
    m_fenster.reset();
    m_doc.reset();
    CDatenbank(m_benutzer->Datei(), m_benutzer->m_dialoge, m_benutzer->m_uhr)
        .SaveBedienung(bedienung);
    m_doc = std::make_unique<CSagwerkDoc>(m_benutzer->m_dialoge, m_benutzer->m_uhr,
                                          std::make_unique<CTestEngine>(m_gesprochen));
    QVERIFY(m_doc->OpenUser(m_benutzer->Datei()));
    m_doc->WaitForPrediction();
    m_fenster = std::make_unique<QWidget>();
    m_fenster->resize(kDesktop.size());
    m_view = new CSagwerkView(*m_doc, kDesktop, m_fenster.get());
    m_view->resize(kDesktop.size());
    m_fenster->show();
    m_view->OnInitialUpdate();
}

void tst_Wortvorschlaege::cleanup() {
    m_view = nullptr;
    m_fenster.reset();
    m_doc.reset();
    m_benutzer.reset();
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void tst_Wortvorschlaege::zeileNimmtDemRasterEineZeile() {
    // A new user has the row: the grid (4 x 3) gives up one row's height,
    // nothing else moves.
    // Twenty function buttons: ten rows.
    const anordnung::CHauptansicht layout = anordnung::Hauptansicht(kDesktop, 10);
    const anordnung::CMitZeile m = anordnung::MitWortzeile(layout.kind, 3);
    QVERIFY(m_view->GetWortzeile()->isVisible());
    QCOMPARE(m_view->GetWortzeile()->geometry(), m.zeile);
    QCOMPARE(m_view->GetButtonsView()->geometry(), m.rest);
    QCOMPARE(m_view->GetSentenceField()->geometry(), layout.satz);
    QCOMPARE(m_view->GetFunctionButton(1)->geometry(), layout.funktionen[0]);
    // Off, the grid has its place back and the row is gone.
    CBedienung aus;
    aus.wortvorhersage = false;
    Oeffnen(aus);
    QVERIFY(!m_view->GetWortzeile()->isVisible());
    QCOMPARE(m_view->GetButtonsView()->geometry(), layout.kind);
    Klick(m_view->GetFunctionButton(92));
    QVERIFY(!m_view->GetKeyboardView()->GetWortzeile()->isVisible());
    QVERIFY(!m_view->GetKeyboardView()->GetShiftKey()->isVisible());
    QCOMPARE(m_view->GetKeyboardView()->GetKey(0)->geometry().topLeft(), QPoint(0, 0));
}

void tst_Wortvorschlaege::rasterzeileNimmtDasElement() {
    for (int i = 0; i < 2; ++i) {
        m_doc->ElementClicked(kGehen);
        m_doc->ElementClicked(kKino);
        m_doc->Speak();
        m_doc->FunctionCode(91);
    }
    m_doc->ElementClicked(kGehen);
    // A word the grid shows needs no button of the row.
    for (int k = 0; k < 6; ++k) {
        CBildButton* knopf = m_view->GetWortzeile()->GetKnopf(k);
        QVERIFY(!knopf->isVisible() || knopf->GetCaption() != QStringLiteral("Kino"));
    }
    // The verb list does not show it: offered first, with the click, in
    // the same frame.
    m_doc->FunctionCode(80);
    CBildButton* erster = m_view->GetWortzeile()->GetKnopf(0);
    QVERIFY(erster->isVisible());
    QCOMPARE(erster->GetCaption(), QStringLiteral("Kino"));
    Klick(erster);
    QCOMPARE(Satz(), QStringLiteral("gehen Kino "));
    m_doc->Speak();
    QCOMPARE(m_gesprochen.back(), std::string("gehen Ki-no "));
}

void tst_Wortvorschlaege::tastaturzeileUndGrossschreibung() {
    Klick(m_view->GetFunctionButton(92));
    CTastaturView* t = m_view->GetKeyboardView();
    QVERIFY(t->GetWortzeile()->isVisible());
    // The keys below the row, the shift key left of Y.
    QVERIFY(t->GetKey(0)->geometry().top() > t->GetWortzeile()->geometry().bottom());
    QCOMPARE(t->GetShiftKey()->GetCaption(), QStringLiteral("Groß"));
    Klick(t->GetKey(18));  // k
    Klick(t->GetKey(7));   // i
    CBildButton* erster = t->GetWortzeile()->GetKnopf(0);
    QCOMPARE(erster->GetCaption(), QStringLiteral("Kino"));
    Klick(erster);
    QCOMPARE(Satz(), QStringLiteral("Kino "));
    // One capital, then small letters again.
    Klick(t->GetShiftKey());
    QVERIFY(t->GetShiftKey()->IsHeld());
    Klick(t->GetKey(18));  // K
    Klick(t->GetKey(7));   // i
    QCOMPARE(Satz(), QStringLiteral("Kino Ki"));
    QVERIFY(!t->GetShiftKey()->IsHeld());
}

void tst_Wortvorschlaege::zeileIstDieErsteScangruppe() {
    Oeffnen({CBedienung::ZweiSchalter, 1000, 1000, 300, true});
    CBedienungsSteuerung* s = m_view->GetBedienung();
    long long jetzt = 0;
    s->SetUhr([&] { return jetzt; });
    s->SetBedienung(m_doc->GetBedienung());
    m_doc->ElementClicked(kGehen);
    m_doc->Speak();
    m_doc->FunctionCode(91);
    m_doc->ElementClicked(kKino);
    m_doc->FunctionCode(91);
    // After a word has been chosen, the row is what the highlight holds
    // first: Enter goes in (one row: to its buttons), Enter takes the word.
    m_doc->ElementClicked(kGehen);
    const std::vector<CBildButton*> markiert = s->GetMarkiert();
    QVERIFY(!markiert.empty());
    QCOMPARE(markiert.front(), m_view->GetWortzeile()->GetKnopf(0));
    const QString wort = m_view->GetWortzeile()->GetKnopf(0)->GetCaption();
    jetzt += 500;
    QTest::keyClick(m_view, Qt::Key_Return);
    QCOMPARE(s->GetMarkiert(), std::vector<CBildButton*>{m_view->GetWortzeile()->GetKnopf(0)});
    jetzt += 500;  // past the time a second press counts as the first
    QTest::keyClick(m_view, Qt::Key_Return);
    QCOMPARE(Satz(), QStringLiteral("gehen ") + wort + QStringLiteral(" "));
}

QTEST_MAIN(tst_Wortvorschlaege)
#include "tst_Wortvorschlaege.moc"
