// The pages of the function buttons, the emotion buttons and the user data,
// and the orderings the view carries out for the menu.

#include <SQLiteCpp/SQLiteCpp.h>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressDialog>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QTimer>

#include "CBedienungPage.h"
#include "CBenutzerPage.h"
#include "CBildButton.h"
#include "CEditorAufbau.h"
#include "CEmotionsPage.h"
#include "CFunktionsPage.h"
#include "CTastenWahl.h"
#include "CWortelementPage.h"

class tst_Knopfseiten : public QObject, protected CEditorAufbau {
    Q_OBJECT
private slots:
    void init() { Aufbauen(); }
    void cleanup() { Abbauen(); }
    void funktionenNachCode();
    void funktionenVerschiebenUndSpeichern();
    void emotionBrauchtBeideTexte();
    void letzteEmotionLoeschen();
    void benutzerReglerUndTest();
    void benutzerSpeichertNurGeaendertes();
    void bedienungWirdBeimVerlassenGeschrieben();
    void schalterWerdenDurchDrueckenGewaehlt();
    void anordnenFragtUndZeigtFortschritt();
    void befehleJeSeite();

private:
    long long Zahl(const std::string& sql) const {
        SQLite::Database db(m_benutzer->Datei());
        return db.execAndGet(sql).getInt64();
    }
    QListWidget* Liste(QWidget* seite, const char* name) const {
        return Feld<QListWidget>(seite, name);
    }
};

void tst_Knopfseiten::funktionenNachCode() {
    {
        SQLite::Database db(m_benutzer->Datei(), SQLite::OPEN_READWRITE);
        db.exec("update FTasten set FCode = 50 where FCode = 93");
    }
    Oeffnen();
    QVERIFY(m_view->SetActivePage(CEditorView::kFunktionen));
    CFunktionsPage* seite = m_view->GetFunktionsPage();
    QListWidget* liste = Liste(seite, "funktionen");
    QCOMPARE(liste->count(), 20);
    QLineEdit* wort = Feld<QLineEdit>(seite, "wort");
    QLineEdit* beschreibung = Feld<QLineEdit>(seite, "beschreibung");
    QVERIFY(!wort->isEnabled());

    struct {
        int zeile;
        const char* beschreibung;
        std::uint32_t farbe;
        bool wort;
    } const faelle[] = {
        {0, "1. Person Einzahl (Ich)", 0x24DDEC, true},
        {7, "3. Person Mehrzahl (Sie)", 0x24DDEC, true},
        {9, "Vergangenheit", 0x0071E1, false},
        {11, "Zeigt alle Verben", 0x0071E1, false},
        {12, "Löscht ein Wort", 0xFF64FF, false},
        {15, "", 0, false},  // a code the program does not know
        {16, "Bestimmter Artikel (der, die, das) vor dem nächsten Nomen", 0x0071E1, false},
        {19, "Fall des nächsten Nomens: Wem (Dativ), Wen (Akkusativ)", 0x0071E1, false},
    };
    for (const auto& f : faelle) {
        liste->setCurrentRow(f.zeile);
        QCOMPARE(beschreibung->text(), QString::fromUtf8(f.beschreibung));
        QCOMPARE(seite->GetVorschau()->GetFillColor(), f.farbe);
        QCOMPARE(wort->isEnabled(), f.wort);
        QCOMPARE(liste->currentRow(), f.zeile);
    }
    QVERIFY(beschreibung->isReadOnly());
}

void tst_Knopfseiten::funktionenVerschiebenUndSpeichern() {
    QVERIFY(m_view->SetActivePage(CEditorView::kFunktionen));
    CFunktionsPage* seite = m_view->GetFunktionsPage();
    QListWidget* liste = Liste(seite, "funktionen");
    QPushButton* up = Feld<QPushButton>(seite, "up");
    QPushButton* down = Feld<QPushButton>(seite, "down");
    liste->setCurrentRow(0);
    QTest::mouseClick(up, Qt::LeftButton);
    liste->setCurrentRow(19);
    QTest::mouseClick(down, Qt::LeftButton);
    QCOMPARE(liste->item(0)->text(), QStringLiteral("Ich"));
    QCOMPARE(liste->item(15)->text(), QStringLiteral("Satzliste"));
    QCOMPARE(liste->item(19)->text(), QStringLiteral("Wem/Wen"));

    // A tense button keeps its (empty) word; the picture needs a button.
    liste->setCurrentRow(9);
    QTest::mouseClick(up, Qt::LeftButton);
    QCOMPARE(liste->currentItem()->text(), QStringLiteral("Vergangen"));
    QCOMPARE(liste->currentRow(), 8);
    QLineEdit* anzeige = Feld<QLineEdit>(seite, "anzeigetext");
    anzeige->clear();
    QVERIFY(!m_view->SetActivePage(CEditorView::kBenutzer));
    QCOMPARE(Meldungen().back().text, std::string("Der Dialog ist unvollständig ausgefüllt."));
    QTest::keyClicks(anzeige, "Vorher");
    QCOMPARE(liste->currentItem()->text(), QStringLiteral("Vorher"));
    QVERIFY(m_view->SetActivePage(CEditorView::kBenutzer));
    QCOMPARE(Zahl("select Pos from FTasten where FCode = 21 and Anzeigetext = 'Vorher' and "
                  "Text = ''"),
             9LL);
    QCOMPARE(Zahl("select Pos from FTasten where FCode = 20"), 10LL);
}

void tst_Knopfseiten::emotionBrauchtBeideTexte() {
    QVERIFY(m_view->SetActivePage(CEditorView::kEmotionen));
    CEmotionsPage* seite = m_view->GetEmotionsPage();
    QListWidget* liste = Liste(seite, "emotionen");
    QCOMPARE(liste->count(), 8);
    // Without a current button "Bild wählen" opens nothing.
    QTest::mouseClick(Feld<QPushButton>(seite, "bildWaehlen"), Qt::LeftButton);
    QCOMPARE(m_editorDialoge.bildGefragt, 0);

    QTest::mouseClick(Feld<QPushButton>(seite, "neueEmotion"), Qt::LeftButton);
    QCOMPARE(liste->count(), 9);
    QCOMPARE(liste->currentRow(), 8);
    QLineEdit* anzeige = Feld<QLineEdit>(seite, "anzeigetext");
    QLineEdit* phonetisch = Feld<QLineEdit>(seite, "phonetisch");
    QCOMPARE(anzeige->text(), QStringLiteral("neu"));
    // Nothing to speak yet: no other button, no new one, no leaving.
    liste->setCurrentRow(0);
    QCOMPARE(liste->currentRow(), 8);
    QTest::mouseClick(Feld<QPushButton>(seite, "neueEmotion"), Qt::LeftButton);
    QCOMPARE(liste->count(), 9);
    QVERIFY(!m_view->CanLeave());
    QCOMPARE(Meldungen().size(), std::size_t{3});

    anzeige->setText(QStringLiteral("Toilette"));
    QTest::keyClicks(phonetisch, "Ich muss auf die Toilette.");
    QTest::mouseClick(seite->GetVorschau(), Qt::LeftButton);
    QCOMPARE(m_gesprochen.back(), std::string("Ich muss auf die Toilette."));
    QTest::mouseClick(Feld<QPushButton>(seite, "up"), Qt::LeftButton);
    QCOMPARE(liste->currentRow(), 7);
    m_doc->SetUserChanged(false);
    QVERIFY(m_view->SetActivePage(CEditorView::kWortelemente));
    QVERIFY(m_doc->IsUserChanged());
    QCOMPARE(Zahl("select Pos from EButtons where Text = 'Ich muss auf die Toilette.'"), 8LL);
}

void tst_Knopfseiten::letzteEmotionLoeschen() {
    QVERIFY(m_view->SetActivePage(CEditorView::kEmotionen));
    CEmotionsPage* seite = m_view->GetEmotionsPage();
    QListWidget* liste = Liste(seite, "emotionen");
    liste->setCurrentRow(3);
    for (int i = 0; i < 8; ++i) {
        QTest::mouseClick(Feld<QPushButton>(seite, "emotionLoeschen"), Qt::LeftButton);
    }
    QCOMPARE(liste->count(), 0);
    QVERIFY(m_daten->GetCurrentEButton() == nullptr);
    QVERIFY(seite->Store());
    QVERIFY(m_view->CanLeave());
    QCOMPARE(Zahl("select count(*) from EButtons"), 0LL);
}

void tst_Knopfseiten::benutzerReglerUndTest() {
    {
        SQLite::Database db(m_benutzer->Datei(), SQLite::OPEN_READWRITE);
        db.exec("update Benutzer set Speed = 180, Pitch = 130");
    }
    Oeffnen();
    QVERIFY(m_view->SetActivePage(CEditorView::kBenutzer));
    CBenutzerPage* seite = m_view->GetBenutzerPage();
    QCOMPARE(seite->GetZeilen()->minimum(), 2);
    QCOMPARE(seite->GetZeilen()->maximum(), 10);
    QCOMPARE(seite->GetSpalten()->minimum(), 5);
    QCOMPARE(seite->GetSpalten()->maximum(), 20);
    QCOMPARE(seite->GetSpeed()->tickInterval(), 20);
    QCOMPARE(seite->GetSpeed()->value(), 180);
    QCOMPARE(seite->GetPitch()->value(), 130);
    QCOMPARE(Feld<QLineEdit>(seite, "zeilenEcho")->text(), QStringLiteral("3"));
    QCOMPARE(Feld<QLineEdit>(seite, "passwort")->echoMode(), QLineEdit::Password);
    QVERIFY(!seite->IsChanged());

    seite->GetSpeed()->setValue(60);
    QCOMPARE(Feld<QLineEdit>(seite, "speedEcho")->text(), QStringLiteral("60"));
    QVERIFY(seite->IsChanged());
    seite->GetSpalten()->setValue(99);
    QCOMPARE(seite->GetSpalten()->value(), 20);

    // "Test" speaks with the sliders before anything is saved.
    QTest::mouseClick(Feld<QPushButton>(seite, "test"), Qt::LeftButton);
    QCOMPARE(m_gesprochen.back(), std::string("Dies ist ein Test"));
    QCOMPARE(m_doc->GetSpeech().GetSpeed(), 60);
    QCOMPARE(m_doc->GetSpeech().GetPitch(), 130);
    QCOMPARE(Zahl("select Speed from Benutzer"), 180LL);

    QVERIFY(m_view->SetActivePage(CEditorView::kWortelemente));
    QCOMPARE(Zahl("select Speed from Benutzer"), 60LL);
    QCOMPARE(Zahl("select AnzButtonB from Benutzer"), 20LL);
    QCOMPARE(m_doc->GetColumns(), 20);
    QVERIFY(!seite->IsChanged());
}

void tst_Knopfseiten::benutzerSpeichertNurGeaendertes() {
    QVERIFY(m_view->SetActivePage(CEditorView::kBenutzer));
    CBenutzerPage* seite = m_view->GetBenutzerPage();
    {
        // Another program changes the row meanwhile: an unchanged page leaves it.
        SQLite::Database db(m_benutzer->Datei(), SQLite::OPEN_READWRITE);
        db.exec("update Benutzer set BName = 'Anders'");
    }
    m_doc->SetVoice(77, 88);
    QVERIFY(m_view->SetActivePage(CEditorView::kKategorie));
    QCOMPARE(m_doc->GetSpeech().GetSpeed(), 77);
    SQLite::Database db(m_benutzer->Datei());
    QCOMPARE(db.execAndGet("select BName from Benutzer").getString(), std::string("Anders"));

    QVERIFY(m_view->SetActivePage(CEditorView::kBenutzer));
    QTest::keyClicks(Feld<QLineEdit>(seite, "vorname"), "a");
    QVERIFY(m_view->CanLeave());
    // A changed page writes what it shows.
    QCOMPARE(db.execAndGet("select BVorname from Benutzer").getString(), std::string("Testa"));
    QCOMPARE(m_doc->GetTitle(), std::string("Testa Person"));
}

void tst_Knopfseiten::bedienungWirdBeimVerlassenGeschrieben() {
    QVERIFY(m_view->SetActivePage(CEditorView::kBedienung));
    CBedienungPage* seite = m_view->GetBedienungPage();
    QCOMPARE(seite->GetModus()->currentText(), QStringLiteral("Maus"));
    QVERIFY(!seite->GetSchrittzeit()->isEnabled());
    seite->GetModus()->setCurrentIndex(CBedienung::EinSchalter);
    QVERIFY(seite->GetSchrittzeit()->isEnabled());
    QVERIFY(!seite->GetVerweilzeit()->isEnabled());
    seite->GetSchrittzeit()->setValue(2000);
    QCOMPARE(Feld<QLabel>(seite, "schrittzeitEcho")->text(), QStringLiteral("2,0 s"));
    QCOMPARE(Zahl("select Modus from Bedienung"), 0LL);

    QVERIFY(m_view->SetActivePage(CEditorView::kBenutzer));
    QCOMPARE(Zahl("select Modus from Bedienung"), 1LL);
    QCOMPARE(Zahl("select Schrittzeit from Bedienung"), 2000LL);
    QCOMPARE(m_doc->GetBedienung().modus, int(CBedienung::EinSchalter));
    QCOMPARE(Zahl("select Wortvorhersage from Bedienung"), 1LL);

    // The word prediction, on for a new user, is turned off here.
    QVERIFY(m_view->SetActivePage(CEditorView::kBedienung));
    QVERIFY(seite->GetWortvorhersage()->isChecked());
    seite->GetWortvorhersage()->setChecked(false);
    QVERIFY(m_view->SetActivePage(CEditorView::kBenutzer));
    QCOMPARE(Zahl("select Wortvorhersage from Bedienung"), 0LL);
    QVERIFY(!m_doc->IsWortvorhersage());
    QCOMPARE(m_doc->GetBedienung().modus, int(CBedienung::EinSchalter));
}

// The switch keys are chosen by pressing them; Escape keeps the old one,
// Delete leaves the second switch without a key. The other settings of
// switch scanning are written with them.
void tst_Knopfseiten::schalterWerdenDurchDrueckenGewaehlt() {
    QVERIFY(m_view->SetActivePage(CEditorView::kBedienung));
    CBedienungPage* seite = m_view->GetBedienungPage();
    seite->GetModus()->setCurrentIndex(CBedienung::Invers);
    CTastenWahl* eins = seite->GetSchalter(1);
    CTastenWahl* zwei = seite->GetSchalter(2);
    QVERIFY(eins->isEnabled());
    QCOMPARE(eins->text(), QStringLiteral("Leertaste \u2013 ändern"));
    QTest::mouseClick(eins, Qt::LeftButton);
    QVERIFY(eins->IsWartend());
    QTest::keyClick(eins, Qt::Key_Escape);
    QCOMPARE(eins->GetTaste(), int(Qt::Key_Space));
    QTest::mouseClick(eins, Qt::LeftButton);
    QTest::keyClick(eins, Qt::Key_F5);
    QCOMPARE(eins->GetTaste(), int(Qt::Key_F5));
    QTest::mouseClick(zwei, Qt::LeftButton);
    QTest::keyClick(zwei, Qt::Key_Delete);
    QCOMPARE(zwei->GetTaste(), 0);
    QCOMPARE(zwei->text(), QStringLiteral("keine \u2013 ändern"));
    seite->GetAnnahmezeit()->setValue(200);
    seite->GetErstzeit()->setValue(800);
    seite->GetWeiter()->setCurrentIndex(CBedienung::Gruppe);
    seite->GetAnsage()->setChecked(true);

    QVERIFY(m_view->SetActivePage(CEditorView::kBenutzer));
    const CBedienung b = m_doc->GetBedienung();
    QCOMPARE(b.modus, int(CBedienung::Invers));
    QCOMPARE(b.schalter1, int(Qt::Key_F5));
    QCOMPARE(b.schalter2, 0);
    QCOMPARE(b.annahmezeit, 200);
    QCOMPARE(b.erstzeit, 800);
    QCOMPARE(b.weiter, int(CBedienung::Gruppe));
    QVERIFY(b.ansage);
    QCOMPARE(Zahl("select Schalter1 from Bedienung"), static_cast<long long>(Qt::Key_F5));
}

void tst_Knopfseiten::anordnenFragtUndZeigtFortschritt() {
    m_daten->SelectKategorie("Viele");
    CWortelementPage* seite = m_view->GetWortelementPage();
    QListWidget* liste = Liste(seite, "elemente");
    auto& dialoge = m_benutzer->m_dialoge;

    dialoge.NaechsteAntwort(IDialoge::Antwort::Abbrechen);
    m_view->OrderAlphabetical();
    QCOMPARE(dialoge.meldungen.back().text,
             std::string("Wollen Sie die Wortelemente aller Kategorien anordnen?"));
    QCOMPARE(dialoge.meldungen.back().caption, std::string("Frage"));
    QVERIFY(dialoge.meldungen.back().knoepfe == IDialoge::Knoepfe::JaNeinAbbrechen);
    QCOMPARE(liste->item(2)->text(), QStringLiteral("w2"));

    // Nein: the category shown, in memory until the page is left.
    dialoge.NaechsteAntwort(IDialoge::Antwort::Nein);
    m_view->OrderAlphabetical();
    QCOMPARE(liste->item(2)->text(), QStringLiteral("w10"));
    QCOMPARE(Zahl("select Pos from Wortelement where Anzeigetext = 'w10'"), 11LL);
    m_view->RestoreOrder();  // altePos 0 everywhere: nothing moves
    QCOMPARE(liste->item(2)->text(), QStringLiteral("w10"));

    // Ja: every category, written at once, with the progress shown.
    int fenster = 0;
    QTimer wache;
    connect(&wache, &QTimer::timeout, this, [&] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (qobject_cast<QProgressDialog*>(w) != nullptr && w->isVisible()) ++fenster;
        }
    });
    dialoge.NaechsteAntwort(IDialoge::Antwort::Ja);
    m_daten->SelectWortelement(m_daten->GetFirstWortelement()->GetIndex());
    wache.start(0);
    m_view->OrderByUse();
    wache.stop();
    QCOMPARE(Zahl("select Pos from Wortelement where Anzeigetext = 'w10'"), 3LL);
    QCOMPARE(m_daten->GetKategorie().GetName(), std::string("Viele"));
    QVERIFY(fenster > 0);
    QCOMPARE(dialoge.wartend, 0);
    QVERIFY(dialoge.fehler.empty());
}

void tst_Knopfseiten::befehleJeSeite() {
    const struct {
        int seite;
        bool anordnen;
        bool reihenfolge;
    } faelle[] = {{CEditorView::kWortelemente, true, true},
                  {CEditorView::kKategorie, false, false},
                  {CEditorView::kEmotionen, false, true},
                  {CEditorView::kFunktionen, false, true},
                  {CEditorView::kBenutzer, false, false}};
    for (const auto& f : faelle) {
        QVERIFY(m_view->SetActivePage(f.seite));
        QCOMPARE(m_view->KannAnordnen(), f.anordnen);
        QCOMPARE(m_view->KannReihenfolge(), f.reihenfolge);
    }
    // Restoring on the emotion page restores the emotion buttons.
    QVERIFY(m_view->SetActivePage(CEditorView::kEmotionen));
    m_view->SetStandard();
    m_daten->SelectEButton(0);
    m_daten->MoveEButton(false);
    m_view->RestoreOrder();
    QCOMPARE(Liste(m_view->GetEmotionsPage(), "emotionen")->item(0)->text(), QStringLiteral("Ja"));
    QCOMPARE(m_daten->GetFirstEButton()->GetPosition(), 1);
}

QTEST_MAIN(tst_Knopfseiten)
#include "tst_Knopfseiten.moc"
