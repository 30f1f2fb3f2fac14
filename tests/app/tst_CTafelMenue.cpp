// "Editor > Tafeln importieren / exportieren" in the real main window: only
// in the editor, the summary asked through the dialogs, the imported boards
// on the communication screen, and the export beside them.

#include <SQLiteCpp/SQLiteCpp.h>
#include <QApplication>
#include <QMenuBar>
#include <QTest>
#include <filesystem>
#include <fstream>

#include "CBildButton.h"
#include "CButtonsView.h"
#include "CMainFrame.h"
#include "CSagwerkDoc.h"
#include "CSagwerkView.h"
#include "CTafelMenue.h"
#include "CTestBenutzer.h"
#include "CTestEditorDialoge.h"

class tst_CTafelMenue : public QObject {
    Q_OBJECT
private slots:
    void importUndExportUeberDasMenue();
    void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }
};

namespace {

CBildButton* Knopf(CSagwerkView* komm, const QString& text) {
    for (int i = 0; i < komm->GetButtonsView()->GetButtonCount(); ++i) {
        CBildButton* b = komm->GetButtonsView()->GetButton(i);
        if (b->isVisible() && b->GetCaption() == text) return b;
    }
    return nullptr;
}

}  // namespace

void tst_CTafelMenue::importUndExportUeberDasMenue() {
    CTestBenutzer benutzer;
    {
        SQLite::Database db(benutzer.Datei(), SQLite::OPEN_READWRITE);
        db.exec("update Benutzer set Passwort = 'Geheim'");
    }
    // Two boards that link to each other, the second large enough to show
    // its progress.
    const std::string datei = benutzer.Verzeichnis().Datei("tafeln.json");
    {
        std::string viele;
        for (int i = 0; i < 250; ++i) {
            viele += ",{\"id\": " + std::to_string(i + 10) + ", \"label\": \"v" +
                     std::to_string(i) + "\"}";
        }
        std::ofstream(datei) << R"([{"id": "t", "name": "Tiere", "buttons": [
            {"id": 1, "label": "Hund"}, {"id": 2, "label": "Katze", "vocalization": "Kaze"},
            {"id": 3, "label": "mehr", "load_board": {"id": "m"}}]},
          {"id": "m", "name": "Mehr", "buttons": [{"id": 1, "label": "zurück", "load_board": {"id": "t"}})"
                             << viele << "]}]";
    }
    std::vector<std::string> gesprochen;
    CSagwerkDoc doc(benutzer.m_dialoge, benutzer.m_uhr, std::make_unique<CTestEngine>(gesprochen));
    CMainFrame frame(doc, QRect(0, 0, 1024, 768));
    CTestEditorDialoge editorDialoge;
    frame.SetEditorDialoge(&editorDialoge);
    QVERIFY(doc.OpenUser(benutzer.Datei()));
    frame.Zeigen(QRect(0, 0, 1024, 768));
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    CSagwerkView* komm = frame.GetCommView();
    komm->OnInitialUpdate();

    // The commands sit in the menu "Editor" and are the carer's only.
    CTafelMenue* tafeln = frame.findChild<CTafelMenue*>();
    QVERIFY(tafeln != nullptr);
    const QList<QAction*> editor = frame.menuBar()->actions()[1]->menu()->actions();
    QVERIFY(editor.contains(tafeln->GetImportAction()));
    QCOMPARE(tafeln->GetImportAction()->text(), QStringLiteral("Tafeln &importieren \u2026"));
    QCOMPARE(tafeln->GetExportAction()->text(), QStringLiteral("Tafeln e&xportieren \u2026"));
    QVERIFY(!tafeln->GetImportAction()->isEnabled());
    tafeln->GetImportAction()->trigger();
    QCOMPARE(editorDialoge.tafelnGefragt, 0);
    editorDialoge.passwort = QStringLiteral("Geheim");
    frame.GetEditorAction()->trigger();
    QVERIFY(frame.IsEditor());
    QVERIFY(tafeln->GetImportAction()->isEnabled());

    // A file that is no board: a German word, nothing changes.
    auto& meldungen = benutzer.m_dialoge.meldungen;
    meldungen.clear();
    const std::string kaputt = benutzer.Verzeichnis().Datei("kaputt.obf");
    std::ofstream(kaputt) << "{ kein JSON";
    editorDialoge.tafeln = QString::fromStdString(kaputt);
    tafeln->GetImportAction()->trigger();
    QCOMPARE(meldungen.size(), std::size_t{1});
    QVERIFY(meldungen[0].text.find("kein gültiges JSON") != std::string::npos);
    QCOMPARE(meldungen[0].symbol, IDialoge::Symbol::Warnung);

    // The summary, declined: still in the editor, nothing imported.
    editorDialoge.tafeln = QString::fromStdString(datei);
    benutzer.m_dialoge.NaechsteAntwort(IDialoge::Antwort::Nein);
    tafeln->GetImportAction()->trigger();
    QCOMPARE(meldungen.size(), std::size_t{2});
    QCOMPARE(meldungen[1].caption, std::string("Tafeln importieren"));
    QCOMPARE(meldungen[1].knoepfe, IDialoge::Knoepfe::JaNein);
    QVERIFY2(
        meldungen[1].text.find("\u201Etafeln.json\u201C enthält 2 Tafeln mit 254 Knöpfen") == 0,
        meldungen[1].text.c_str());
    QVERIFY(meldungen[1].text.find("Einstieg: die Tafel \u201ETiere\u201C") != std::string::npos);
    QVERIFY(frame.IsEditor());
    {
        SQLite::Database db(benutzer.Datei());
        QCOMPARE(db.execAndGet("select count(*) from Kategorie where KatName = 'Tiere'").getInt(),
                 0);
    }

    // Confirmed: out of the editor, and the start page leads to the boards.
    benutzer.m_dialoge.NaechsteAntwort(IDialoge::Antwort::Ja);
    tafeln->GetImportAction()->trigger();
    QVERIFY(!frame.IsEditor());
    QVERIFY(komm->isVisible());
    QVERIFY(benutzer.m_dialoge.fehler.empty());
    QCOMPARE(benutzer.m_dialoge.hinweise.back(),
             std::string("2 Tafeln mit 254 Knöpfen sind importiert; die Startseite führt zu "
                         "\u201ETiere\u201C."));
    QVERIFY(!tafeln->GetImportAction()->isEnabled());
    CBildButton* link = Knopf(komm, QStringLiteral("Tiere"));
    QVERIFY(link != nullptr);
    QTest::mouseClick(link, Qt::LeftButton);
    QVERIFY(Knopf(komm, QStringLiteral("Hund")) != nullptr);
    QTest::mouseClick(Knopf(komm, QStringLiteral("Hund")), Qt::LeftButton);
    QTest::mouseClick(Knopf(komm, QStringLiteral("Katze")), Qt::LeftButton);
    QCOMPARE(doc.GetSentence(), std::string("Hund Katze "));
    doc.Speak("");
    QVERIFY(!gesprochen.empty());
    QVERIFY2(gesprochen.back().find("Hund") != std::string::npos, gesprochen.back().c_str());

    // Exported from the editor: one package beside the user.
    frame.GetEditorAction()->trigger();
    QVERIFY(frame.IsEditor());
    const std::string ziel = benutzer.Verzeichnis().Datei("export.obz");
    editorDialoge.tafelnZiel = QString::fromStdString(ziel);
    meldungen.clear();
    tafeln->GetExportAction()->trigger();
    QCOMPARE(editorDialoge.tafelnZielGefragt, 1);
    QVERIFY(std::filesystem::exists(ziel));
    QCOMPARE(meldungen.size(), std::size_t{1});
    QVERIFY2(meldungen[0].text.find(
                 "Der Wortschatz ist als \u201Eexport.obz\u201C gespeichert: 4 Tafeln") == 0,
             meldungen[0].text.c_str());
    frame.GetEditorAction()->trigger();
    QVERIFY(frame.close());
}

QTEST_MAIN(tst_CTafelMenue)
#include "tst_CTafelMenue.moc"
