// Scanning the communication screen as a person with switches meets it: a
// held switch under the key repeat, the frames of the levels, the
// suggestions one by one with "Sprechen" next, going on in the same group,
// inverse scanning and the spoken cue.

#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>
#include <algorithm>
#include <memory>

#include "CBedienungsSteuerung.h"
#include "CBildButton.h"
#include "CButtonsView.h"
#include "CMarkierung.h"
#include "CSagwerkDoc.h"
#include "CSagwerkView.h"
#include "CScanner.h"
#include "CTestBenutzer.h"

namespace {
const QRect kDesktop(0, 0, 1024, 768);
using Stufe = CMarkierung::Stufe;
}  // namespace

class tst_Scannen : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void gehaltenerSchalterZaehltEinmal();
    void ebenenHabenEigeneRahmen();
    void vorschlagDannSprechen();
    void weiterInDerselbenGruppe();
    void inversUndAnsage();
    void nachEinemLinkInDerNeuenSeite();

private:
    void Oeffnen(const CBedienung& bedienung);
    // One switch: waits step by step until the highlight holds `knopf`,
    // selecting on the way down to it; false when it never does.
    bool Nehmen(CBildButton* knopf) {
        for (int i = 0; i < 80; ++i) {
            const auto m = S()->GetMarkiert();
            if (std::find(m.begin(), m.end(), knopf) == m.end()) {
                m_jetzt += 1000;
                S()->Takt();
                continue;
            }
            Druecken(Qt::Key_Return);
            if (m.size() == 1) return true;
        }
        return false;
    }
    // A key the way the X server sends it: no repeat flag to trust.
    void Taste(QEvent::Type art, Qt::Key taste) {
        QKeyEvent e(art, taste, Qt::NoModifier, taste == Qt::Key_Space ? QStringLiteral(" ") : QString());
        QApplication::sendEvent(m_view, &e);
    }
    void Druecken(Qt::Key taste) {
        m_jetzt += 400;
        Taste(QEvent::KeyPress, taste);
        m_jetzt += 100;
        Taste(QEvent::KeyRelease, taste);
        m_jetzt += 100;
        S()->Takt();
    }
    CBedienungsSteuerung* S() const { return m_view->GetBedienung(); }
    Stufe Rahmen() const { return S()->GetMarkierung()->GetStufe(); }
    QString Satz() const { return m_view->GetSentenceField()->text(); }

    std::unique_ptr<CTestBenutzer> m_benutzer;
    std::vector<std::string> m_gesprochen;
    std::unique_ptr<CSagwerkDoc> m_doc;
    std::unique_ptr<QWidget> m_fenster;
    CSagwerkView* m_view = nullptr;
    long long m_jetzt = 0;
};

void tst_Scannen::init() {
    m_benutzer = std::make_unique<CTestBenutzer>();
    m_gesprochen.clear();
    m_jetzt = 0;
}

void tst_Scannen::Oeffnen(const CBedienung& bedienung) {
    CBedienung b = bedienung;
    b.wortvorhersage = false;
    CDatenbank(m_benutzer->Datei(), m_benutzer->m_dialoge, m_benutzer->m_uhr).SaveBedienung(b);
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
    S()->SetUhr([this] { return m_jetzt; });
    S()->SetBedienung(m_doc->GetBedienung());
}

void tst_Scannen::cleanup() {
    m_view = nullptr;
    m_fenster.reset();
    m_doc.reset();
    m_benutzer.reset();
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

// Space held five seconds, repeated as release/press pairs: with two
// switches the highlight moves one step, not a dozen.
void tst_Scannen::gehaltenerSchalterZaehltEinmal() {
    CBedienung b;
    b.modus = CBedienung::ZweiSchalter;
    Oeffnen(b);
    QCOMPARE(S()->GetScanner().GetMarke().gruppe, 0);
    Taste(QEvent::KeyPress, Qt::Key_Space);
    for (m_jetzt = 660; m_jetzt < 5000; m_jetzt += 33) {
        Taste(QEvent::KeyRelease, Qt::Key_Space);
        Taste(QEvent::KeyPress, Qt::Key_Space);
        S()->Takt();
    }
    Taste(QEvent::KeyRelease, Qt::Key_Space);
    m_jetzt += 400;
    S()->Takt();
    QCOMPARE(S()->GetScanner().GetMarke().gruppe, 1);
    QCOMPARE(S()->GetScanner().GetMarke().ebene, CScanner::Ebene::Gruppen);
}

// Group, row, button and the step out each have a frame of their own.
void tst_Scannen::ebenenHabenEigeneRahmen() {
    CBedienung b;
    b.modus = CBedienung::ZweiSchalter;
    Oeffnen(b);
    Druecken(Qt::Key_Space);  // the function buttons
    QCOMPARE(Rahmen(), Stufe::Gruppe);
    const QRect gruppe = S()->GetMarkierung()->GetRahmen();
    Druecken(Qt::Key_Return);
    QCOMPARE(Rahmen(), Stufe::Zeile);
    QVERIFY(gruppe.contains(S()->GetMarkierung()->GetRahmen()));
    QVERIFY(S()->GetMarkierung()->GetRahmen() != gruppe);
    Druecken(Qt::Key_Return);
    QCOMPARE(Rahmen(), Stufe::Knopf);
    QCOMPARE(S()->GetMarkiert(), std::vector<CBildButton*>{m_view->GetFunctionButton(1)});
    Druecken(Qt::Key_Space);
    Druecken(Qt::Key_Space);
    QCOMPARE(Rahmen(), Stufe::Zurueck);
}

// The suggestions are scanned one by one, each a row of the sentence area;
// taking one puts the highlight on "Sprechen" alone. "Sprechen" is a group
// of its own before them: one press on it speaks.
void tst_Scannen::vorschlagDannSprechen() {
    CBedienung b;
    b.modus = CBedienung::ZweiSchalter;
    Oeffnen(b);
    m_doc->ElementClicked(2);  // Kino
    m_doc->Speak();
    m_doc->FunctionCode(91);   // the sentence goes
    m_doc->ElementClicked(2);  // Kino again: the sentence said is offered
    S()->Neu();
    const auto gruppe = [&](int bereich) {
        const auto& gruppen = S()->GetScanner().GetGruppen();
        for (std::size_t g = 0; g < gruppen.size(); ++g)
            if (gruppen[g].bereich == bereich) return static_cast<int>(g);
        return -1;
    };
    const int satz = gruppe(CScanKnopf::Satz);
    QVERIFY(satz > 0);
    QCOMPARE(gruppe(CScanKnopf::Sprechen), satz - 1);
    QCOMPARE(S()->GetScanner().GetGruppen()[static_cast<std::size_t>(satz)].zeilen.size(),
             std::size_t(2));  // the sentence, up and down
    while (S()->GetScanner().GetMarke().gruppe != satz) Druecken(Qt::Key_Space);
    Druecken(Qt::Key_Return);  // the sentence: no button, its place is framed
    QVERIFY(S()->GetMarkiert().empty());
    QCOMPARE(Rahmen(), Stufe::Knopf);
    Druecken(Qt::Key_Return);
    QCOMPARE(m_doc->GetSelection(), 0);
    QCOMPARE(S()->GetMarkiert(), std::vector<CBildButton*>{m_view->GetSpeakButton()});
    m_gesprochen.clear();
    Druecken(Qt::Key_Return);
    QCOMPARE(m_gesprochen, std::vector<std::string>{"Ki-no "});

    m_doc->FunctionCode(91);
    m_doc->ElementClicked(2);
    S()->Neu();
    while (S()->GetScanner().GetMarke().gruppe != gruppe(CScanKnopf::Sprechen))
        Druecken(Qt::Key_Space);
    QCOMPARE(S()->GetMarkiert(), std::vector<CBildButton*>{m_view->GetSpeakButton()});
    QCOMPARE(S()->GetScanner().GetMarke().ebene, CScanner::Ebene::Gruppen);
    m_gesprochen.clear();
    Druecken(Qt::Key_Return);
    QCOMPARE(m_gesprochen, std::vector<std::string>{"Ki-no "});
}

// "derselben Gruppe": after a word of the grid the highlight is in the grid
// again, on its rows; the extra time holds the first of them longer.
void tst_Scannen::weiterInDerselbenGruppe() {
    CBedienung b;
    b.modus = CBedienung::EinSchalter;
    b.schrittzeit = 1000;
    b.erstzeit = 500;
    b.weiter = CBedienung::Gruppe;
    Oeffnen(b);
    CBildButton* kino = m_view->GetButtonsView()->GetButton(4);
    // The highlight steps by itself until it holds Kino, Enter goes in.
    for (int i = 0; i < 60 && Satz().isEmpty(); ++i) {
        const auto m = S()->GetMarkiert();
        if (std::find(m.begin(), m.end(), kino) != m.end()) {
            Druecken(Qt::Key_Return);
        } else {
            m_jetzt += 500;
            S()->Takt();
        }
    }
    QCOMPARE(Satz(), QStringLiteral("Kino "));
    const CScanner& s = S()->GetScanner();
    QCOMPARE(s.GetGruppen()[static_cast<std::size_t>(s.GetMarke().gruppe)].bereich,
             int(CScanKnopf::Raster));
    QCOMPARE(s.GetMarke().ebene, CScanner::Ebene::Zeilen);
    QCOMPARE(s.Faellig(), m_jetzt - 200 + 1500);

    // A person button goes with the word after it: on in the grid (no
    // words are offered here), not among the function buttons.
    QVERIFY(Nehmen(m_view->GetFunctionButton(1)));
    QCOMPARE(Satz(), QStringLiteral("Kino ich "));
    QCOMPARE(s.GetGruppen()[static_cast<std::size_t>(s.GetMarke().gruppe)].bereich,
             int(CScanKnopf::Raster));
    QCOMPARE(s.GetMarke().ebene, CScanner::Ebene::Zeilen);
}

// Inverse: held, the highlight walks; let go, it chooses. The cue voice
// says where it arrives, higher than the person's voice, and waits for
// nothing here (the test engine is never busy).
void tst_Scannen::inversUndAnsage() {
    CBedienung b;
    b.modus = CBedienung::Invers;
    b.schrittzeit = 1000;
    b.ansage = true;
    Oeffnen(b);
    QCOMPARE(m_gesprochen.back(), std::string("Gefühle"));
    m_jetzt = 10000;
    S()->Takt();
    QCOMPARE(S()->GetScanner().GetMarke().gruppe, 0);  // nothing held: nothing moves
    Taste(QEvent::KeyPress, Qt::Key_Space);
    m_jetzt += 1000;
    S()->Takt();
    QCOMPARE(S()->GetScanner().GetMarke().gruppe, 1);
    QCOMPARE(m_gesprochen.back(), std::string("Funktionen"));
    Taste(QEvent::KeyRelease, Qt::Key_Space);
    m_jetzt += 100;
    S()->Takt();
    QCOMPARE(S()->GetScanner().GetMarke().ebene, CScanner::Ebene::Zeilen);
    QCOMPARE(QString::fromStdString(m_gesprochen.back()), QStringLiteral("Zeile eins"));
    // A short press takes the first row, a second one its first button.
    Druecken(Qt::Key_Space);
    QCOMPARE(QString::fromStdString(m_gesprochen.back()), QStringLiteral("Ich"));  // the caption
    Druecken(Qt::Key_Space);
    QCOMPARE(Satz(), QStringLiteral("ich "));
}

// A link opens a page to choose from: scanning goes on in the grid's rows,
// also when the setting says "Anfang"; a word chosen there goes back to the
// top as the setting says.
void tst_Scannen::nachEinemLinkInDerNeuenSeite() {
    CBedienung b;
    b.modus = CBedienung::EinSchalter;
    b.schrittzeit = 1000;
    Oeffnen(b);
    CButtonsView* raster = m_view->GetButtonsView();
    const auto knopf = [&](const QString& caption) -> CBildButton* {
        for (int k = 0; k < raster->GetButtonCount(); ++k)
            if (raster->GetButton(k)->GetCaption() == caption) return raster->GetButton(k);
        return nullptr;
    };
    QVERIFY(Nehmen(knopf(QStringLiteral("Viele"))));
    QCOMPARE(m_doc->GetCategory() != 1, true);
    const CScanner& s = S()->GetScanner();
    QCOMPARE(s.GetGruppen()[static_cast<std::size_t>(s.GetMarke().gruppe)].bereich,
             int(CScanKnopf::Raster));
    QCOMPARE(s.GetMarke().ebene, CScanner::Ebene::Zeilen);
    QCOMPARE(s.GetMarke().zeile, 0);
    QVERIFY(Nehmen(knopf(QStringLiteral("w1"))));
    QCOMPARE(Satz(), QStringLiteral("w1 "));
    QCOMPARE(s.GetMarke().ebene, CScanner::Ebene::Gruppen);
    QCOMPARE(s.GetMarke().gruppe, 0);
}

QTEST_MAIN(tst_Scannen)
#include "tst_Scannen.moc"
