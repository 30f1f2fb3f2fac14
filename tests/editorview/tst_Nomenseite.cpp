// The noun fields of the word page: the carer proposes the forms of a noun,
// keeps them, and finds them again when the editor is opened anew.

#include <SQLiteCpp/SQLiteCpp.h>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "CEditorAufbau.h"
#include "CNomen.h"
#include "CWortPage.h"
#include "CWortelementPage.h"

class tst_Nomenseite : public QObject, protected CEditorAufbau {
    Q_OBJECT
private slots:
    void init() { Aufbauen(); }
    void cleanup() { Abbauen(); }
    void rollstuhlVorschlagenSpeichernWiederLesen();

private:
    QLineEdit* Form(int slot) const {
        return Feld<QLineEdit>(m_view->GetWortelementPage()->GetWortPage(),
                               CNomen::SpaltenName(slot));
    }
    QStringList Formen() const {
        QStringList f;
        for (int slot = 0; slot < CNomen::kFormen; ++slot) f << Form(slot)->text();
        return f;
    }
};

void tst_Nomenseite::rollstuhlVorschlagenSpeichernWiederLesen() {
    CWortelementPage* seite = m_view->GetWortelementPage();
    CWortPage* wort = seite->GetWortPage();
    QTest::mouseClick(Feld<QPushButton>(seite, "neuesWortelement"), Qt::LeftButton);
    QLineEdit* anzeige = Feld<QLineEdit>(wort, "anzeigetext");
    anzeige->selectAll();
    QTest::keyClicks(anzeige, "Rollstuhl");
    QTest::keyClicks(Feld<QLineEdit>(wort, "wort"), "Rollstuhl");

    // A word the dictionary lacks first: a note and empty forms, no guess.
    QTest::keyClicks(Form(0), "Rest");
    QLineEdit* wortFeld = Feld<QLineEdit>(wort, "wort");
    wortFeld->setText(QStringLiteral("Xyloquaxel"));
    QTest::mouseClick(Feld<QPushButton>(wort, "nomenVorschlagen"), Qt::LeftButton);
    QVERIFY(Feld<QLabel>(wort, "nomenHinweis")->text().contains(QStringLiteral("Xyloquaxel")));
    QCOMPARE(Formen(), QStringList(8, QString()));

    wortFeld->setText(QStringLiteral("Rollstuhl"));
    QTest::mouseClick(Feld<QPushButton>(wort, "nomenVorschlagen"), Qt::LeftButton);
    QVERIFY(Feld<QLabel>(wort, "nomenHinweis")->text().isEmpty());
    QComboBox* geschlecht = Feld<QComboBox>(wort, "geschlecht");
    QCOMPARE(geschlecht->currentText(), QStringLiteral("der (männlich)"));
    // Singular nominative, accusative, dative, genitive, then the plural;
    // today's dative without -e.
    const QStringList erwartet = {"Rollstuhl",  "Rollstuhl",  "Rollstuhl",   "Rollstuhls",
                                  "Rollstühle", "Rollstühle", "Rollstühlen", "Rollstühle"};
    QCOMPARE(Formen(), erwartet);

    // Stored when the editor is left, in the table of noun forms.
    QVERIFY(m_view->CanLeave());
    {
        SQLite::Database db(m_benutzer->Datei());
        SQLite::Statement q(db,
                            "select n.Geschlecht, n.DatE, n.DatM from Nomen n join Wortelement e "
                            "on e.[Index] = n.Element where e.Anzeigetext = 'Rollstuhl'");
        QVERIFY(q.executeStep());
        QCOMPARE(q.getColumn(0).getString(), std::string("m"));
        QCOMPARE(q.getColumn(1).getString(), std::string("Rollstuhl"));
        QCOMPARE(q.getColumn(2).getString(), std::string("Rollstühlen"));
    }

    // The editor anew: the page shows what was stored.
    Oeffnen();
    QListWidget* liste = Feld<QListWidget>(m_view->GetWortelementPage(), "elemente");
    for (int i = 0; i < liste->count(); ++i) {
        if (liste->item(i)->text() == QStringLiteral("Rollstuhl")) liste->setCurrentRow(i);
    }
    QCOMPARE(liste->currentItem()->text(), QStringLiteral("Rollstuhl"));
    QCOMPARE(Feld<QComboBox>(m_view->GetWortelementPage()->GetWortPage(), "geschlecht")
                 ->currentText(),
             QStringLiteral("der (männlich)"));
    QCOMPARE(Formen(), erwartet);
}

QTEST_MAIN(tst_Nomenseite)
#include "tst_Nomenseite.moc"
