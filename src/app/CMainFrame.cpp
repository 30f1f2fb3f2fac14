#include "CMainFrame.h"

#include <algorithm>

#include <QCloseEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QMenuBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QTimer>

#include "CAboutDlg.h"
#include "CBildCache.h"
#include "CDatenbank.h"
#include "CEditorDaten.h"
#include "CEditorView.h"
#include "CSagwerkDoc.h"
#include "CSagwerkView.h"
#include "CSicherung.h"
#include "CTafelMenue.h"
#include "CVerbformen.h"
#include "CWortschatz.h"
#include "CWortschatzUebernahme.h"
#include "IDialoge.h"
#include "Ressourcen.h"

CMainFrame::CMainFrame(CSagwerkDoc& doc, const QRect& desktop, QWidget* parent)
    : QMainWindow(parent), m_doc(doc) {
    // Caption and close box, no minimize or maximize box.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setWindowTitle(QStringLiteral("Sagwerk"));
    m_pStapel = new QStackedWidget(this);
    m_pCommView = new CSagwerkView(doc, desktop, m_pStapel);
    m_pStapel->addWidget(m_pCommView);
    setCentralWidget(m_pStapel);
    MenueBauen();
    m_doc.AddObserver(this);

    // The notice line lies over the screen rather than taking room from it:
    // the communication screen keeps its layout.
    m_pHinweis = new QWidget(this);
    m_pHinweis->setObjectName(QStringLiteral("hinweis"));
    m_pHinweis->setAutoFillBackground(true);
    QPalette farbe = m_pHinweis->palette();
    farbe.setColor(QPalette::Window, QColor(255, 244, 170));
    m_pHinweis->setPalette(farbe);
    auto* zeile = new QHBoxLayout(m_pHinweis);
    m_pHinweisText = new QLabel(m_pHinweis);
    m_pHinweisText->setWordWrap(true);
    QFont schrift = m_pHinweisText->font();
    schrift.setPointSize(13);
    m_pHinweisText->setFont(schrift);
    auto* schliessen = new QPushButton(QStringLiteral("Schließen"), m_pHinweis);
    // Keys belong to the communication screen: a blank typed must not
    // close the notice.
    schliessen->setFocusPolicy(Qt::NoFocus);
    schliessen->setFont(schrift);
    zeile->addWidget(m_pHinweisText, 1);
    zeile->addWidget(schliessen);
    connect(schliessen, &QPushButton::clicked, this, [this] {
        m_pHinweis->hide();
        m_pHinweisText->clear();
    });
    m_pHinweis->hide();
}

void CMainFrame::ZeigeHinweis(const QString& text) {
    const QString bisher = m_pHinweisText->text();
    m_pHinweisText->setText(bisher.isEmpty() ? text : bisher + QLatin1Char('\n') + text);
    m_pHinweis->show();
    m_pHinweis->raise();
    resizeEvent(nullptr);
    // Once the window has its final size, the place is taken anew.
    QTimer::singleShot(0, this, [this] { resizeEvent(nullptr); });
}

void CMainFrame::resizeEvent(QResizeEvent* event) {
    if (event != nullptr) QMainWindow::resizeEvent(event);
    if (m_pHinweis == nullptr) return;
    // Over the list of suggestions, where it hides no button the person
    // needs; in the editor along the bottom of the window.
    QRect bereich(0, 0, width(), height());
    if (m_pCommView != nullptr && m_pCommView->isVisible()) {
        const QWidget* liste = m_pCommView->GetSuggestionList();
        bereich = QRect(liste->mapTo(this, QPoint(0, 0)), liste->size());
    }
    const int breite = bereich.width();
    const int hoehe = std::min(bereich.height(), m_pHinweis->heightForWidth(breite) > 0
                                                     ? m_pHinweis->heightForWidth(breite)
                                                     : m_pHinweis->sizeHint().height());
    m_pHinweis->setGeometry(bereich.left(), bereich.bottom() + 1 - hoehe, breite, hoehe);
}

CMainFrame::~CMainFrame() {
    m_doc.RemoveObserver(this);
    EditorEntfernen();
}

void CMainFrame::MenueBauen() {
    QMenu* datei = menuBar()->addMenu(QStringLiteral("&Datei"));
    m_pSicherung = datei->addAction(QStringLiteral("&Sicherung wiederherstellen \u2026"), this,
                                    &CMainFrame::OnSicherungWiederherstellen);
    datei->addSeparator();
    datei->addAction(QStringLiteral("&Beenden"), this, &QWidget::close);

    // The editor's commands, enabled by the page in front while the editor is on.
    QMenu* editor = menuBar()->addMenu(QStringLiteral("&Editor"));
    const char* befehle[] = {
        "Wortelemente &alphabetisch anordnen", "Wortelemente &statistisch anordnen",
        "R&eihenfolge als Standard setzen", "alte &Reihenfolge wiederherstellen"};
    for (std::size_t i = 0; i < m_ordnen.size(); ++i) {
        if (i == 2) editor->addSeparator();
        m_ordnen[i] = editor->addAction(QString::fromUtf8(befehle[i]));
        connect(m_ordnen[i], &QAction::triggered, this, [this, i] { OnOrdnen(i); });
    }
    editor->addSeparator();
    m_pTafeln = new CTafelMenue(
        m_doc, this, [this]() -> IEditorDialoge& { return *m_pEditorDialoge; },
        [this] {
            if (m_bEditor) OnEditor();
            return !m_bEditor;
        });
    m_pTafeln->Einhaengen(*editor);
    m_pGrundwortschatz =
        editor->addAction(QStringLiteral("Kategorie aus dem &Grundwortschatz \u2026"), this,
                          &CMainFrame::OnKategorieAusGrundwortschatz);
    BefehleAktualisieren();

    QMenu* ansicht = menuBar()->addMenu(QStringLiteral("&Ansicht"));
    m_pEditor = ansicht->addAction(QStringLiteral("Editor"));
    m_pEditor->setCheckable(true);
    m_pEditor->setEnabled(false);
    connect(m_pEditor, &QAction::triggered, this, &CMainFrame::OnEditor);

    QMenu* hilfe = menuBar()->addMenu(QStringLiteral("&?"));
    hilfe->addAction(QStringLiteral("Inf&o über Sagwerk..."), this, &CMainFrame::OnAppAbout);
}

void CMainFrame::OnAppAbout() {
    CAboutDlg dlg(this);
    dlg.exec();
}

void CMainFrame::OnUpdate() {
    if (m_pHinweis != nullptr && m_pHinweis->isVisible()) resizeEvent(nullptr);
    const CDatenbank* db = m_doc.GetDatabase();
    m_pEditor->setEnabled(m_doc.GetUser() != nullptr && db != nullptr && db->IsOpen());
    const std::string& titel = m_doc.GetTitle();
    QString t = QString::fromStdString(titel).trimmed();
    setWindowTitle(t.isEmpty() ? QStringLiteral("Sagwerk") : QStringLiteral("Sagwerk - ") + t);
}

void CMainFrame::Zeigen(const QRect& bereich) {
    // Without a window manager (under Xvfb) showMaximized alone leaves a
    // small window: the geometry is given as well.
    setGeometry(bereich);
    showMaximized();
}

void CMainFrame::OnEditor() {
    if (!m_bEditor) {
        m_pEditorModel = std::make_unique<CEditorDaten>(m_doc);
        m_pEditorView =
            new CEditorView(*m_pEditorModel, m_doc.GetDialoge(), *m_pEditorDialoge, m_pStapel);
        m_pStapel->addWidget(m_pEditorView);
        m_pEditorModel->SetEditorView(m_pEditorView);
        if (!m_bVerbformenGeladen) {
            m_bVerbformenGeladen = true;
            auto formen = std::make_unique<CVerbformen>();
            std::string fehler;
            if (formen->Laden(RessourcenVerzeichnis() + "/verben.txt", fehler)) {
                m_pVerbformen = std::move(formen);
            } else {
                m_doc.GetDialoge().Hinweis(fehler + " \u201EFormen vorschlagen\u201C fehlt daher.");
            }
        }
        m_pEditorView->SetVerbformen(m_pVerbformen.get());
        connect(m_pEditorView, &CEditorView::SeiteGewechselt, this,
                &CMainFrame::BefehleAktualisieren);
        m_bEditor = true;
        if (m_pEditorView->AskPassword()) {
            m_pEditorView->Starten();
            m_pStapel->setCurrentWidget(m_pEditorView);
        } else {
            OnEditor();  // nothing of the editor is left behind
        }
    } else if (m_pEditorView->CanLeave()) {
        EditorEntfernen();
        m_pStapel->setCurrentWidget(m_pCommView);
        // A picture may have been replaced under its name.
        CBildCache::Instanz().NeuPruefen();
        // The grid shows the category it showed, as the file has it now,
        // and typed words sound as their buttons do now.
        m_doc.LoadElements(false);
        m_doc.LoadAussprachen();
        m_doc.SaetzeVergessen();
        m_doc.UpdateAllViews();
    }
    m_pEditor->setChecked(m_bEditor);
    // The file is not replaced under the editor's feet.
    m_pSicherung->setEnabled(!m_bEditor);
    BefehleAktualisieren();
    resizeEvent(nullptr);  // a notice follows to where it hides nothing
}

void CMainFrame::OnSicherungWiederherstellen() {
    if (m_bEditor) return;
    IDialoge& dialoge = m_doc.GetDialoge();
    const std::string datei = m_doc.GetUserFile();
    const std::string name = QFileInfo(QString::fromStdString(datei)).fileName().toStdString();
    const std::vector<CSicherung::Eintrag> liste =
        datei.empty() ? std::vector<CSicherung::Eintrag>() : CSicherung(datei).Liste();
    if (liste.empty()) {
        dialoge.ShowMessage(datei.empty() ? std::string("Es ist kein Benutzer geöffnet.")
                                          : "Von der Benutzerdatei \u201E" + name +
                                                "\u201C gibt es noch keine Sicherung.",
                            "Sicherung wiederherstellen", IDialoge::Symbol::Information);
        return;
    }
    QStringList namen;
    for (const CSicherung::Eintrag& e : liste) {
        const QString tag = QString::fromStdString(CSicherung::DatumDeutsch(e.datum));
        QString name = (e.ersetzt ? QStringLiteral("ersetzte Datei vom ")
                                  : QStringLiteral("Sicherung vom ")) +
                       tag;
        if (e.ersetzt && e.datum.size() >= 17) {
            name += QString::fromStdString(", " + e.datum.substr(11, 2) + ":" +
                                           e.datum.substr(13, 2) + " Uhr");
        }
        namen << name;
    }
    const int wahl = m_pEditorDialoge->SicherungWaehlen(this, namen);
    if (wahl < 0 || wahl >= static_cast<int>(liste.size())) return;
    const CSicherung::Eintrag& sicherung = liste[static_cast<std::size_t>(wahl)];

    // The password of the open user, or the one kept in the backup (the
    // open file may be too damaged to tell its own).
    const std::optional<QString> passwort = m_pEditorDialoge->PasswortAbfragen(this);
    if (!passwort) return;
    std::string gesichert;
    const bool erlaubt =
        (m_doc.GetUser() != nullptr && m_doc.GetDatabase() != nullptr &&
         passwort->toStdString() == m_doc.GetUser()->GetPasswort()) ||
        (CSicherung::Passwort(sicherung.pfad, gesichert) && passwort->toStdString() == gesichert);
    if (!erlaubt) {
        dialoge.ShowMessage("Sie haben leider keine Berechtigung, diese Daten zu ändern.",
                            "Warnung!", IDialoge::Symbol::Warnung);
        return;
    }
    const std::string wovon = namen[wahl].toStdString();
    if (dialoge.ShowMessage("Soll die Benutzerdatei \u201E" + name + "\u201C durch die " + wovon +
                                " ersetzt werden? Die jetzige Datei bleibt im Ordner "
                                "\u201ESicherungen\u201C erhalten.",
                            "Sicherung wiederherstellen", IDialoge::Symbol::Frage,
                            IDialoge::Knoepfe::JaNein) != IDialoge::Antwort::Ja) {
        return;
    }
    std::string fehler;
    if (m_doc.RestoreBackup(sicherung, fehler)) {
        dialoge.Hinweis("Die " + wovon + " ist wiederhergestellt.");
    } else {
        dialoge.ReportError("Die " + wovon + " konnte nicht wiederhergestellt werden. " + fehler);
    }
}

void CMainFrame::OnOrdnen(std::size_t befehl) {
    if (m_pEditorView == nullptr) return;
    switch (befehl) {
        case 0:
            m_pEditorView->OrderAlphabetical();
            break;
        case 1:
            m_pEditorView->OrderByUse();
            break;
        case 2:
            m_pEditorView->SetStandard();
            break;
        default:
            m_pEditorView->RestoreOrder();
            break;
    }
}

void CMainFrame::BefehleAktualisieren() {
    const bool anordnen = m_pEditorView != nullptr && m_pEditorView->KannAnordnen();
    const bool reihenfolge = m_pEditorView != nullptr && m_pEditorView->KannReihenfolge();
    m_ordnen[0]->setEnabled(anordnen);
    m_ordnen[1]->setEnabled(anordnen);
    m_ordnen[2]->setEnabled(reihenfolge);
    m_ordnen[3]->setEnabled(reihenfolge);
    if (m_pTafeln != nullptr) m_pTafeln->SetAktiv(m_bEditor);
    if (m_pGrundwortschatz != nullptr) m_pGrundwortschatz->setEnabled(m_bEditor);
}

void CMainFrame::OnKategorieAusGrundwortschatz() {
    if (!m_bEditor || m_pEditorView == nullptr) return;
    IDialoge& dialoge = m_doc.GetDialoge();
    // The page in front first, so that nothing the carer typed is lost.
    if (!m_pEditorView->Zwischenspeichern()) return;
    CWortschatz wortschatz;
    std::string meldung;
    if (!wortschatz.LesenDatei(WortschatzDatei(), meldung)) {
        dialoge.ReportError(meldung);
        return;
    }
    const std::vector<std::string> namen = CWortschatzUebernahme::Kategorien(wortschatz);
    QStringList liste;
    for (const std::string& n : namen) liste << QString::fromStdString(n);
    const int wahl = m_pEditorDialoge->KategorieWaehlen(this, liste);
    if (wahl < 0 || wahl >= static_cast<int>(namen.size())) return;
    const std::string ordner =
        QFileInfo(QString::fromStdString(m_doc.GetUserFile())).absolutePath().toStdString();
    m_pEditorView->SetActivePage(CEditorView::kWortelemente);
    if (CWortschatzUebernahme::Uebernehmen(wortschatz, namen[static_cast<std::size_t>(wahl)],
                                           *m_pEditorModel, ordner, RessourcenVerzeichnis(),
                                           meldung)) {
        dialoge.Hinweis(meldung);
    } else {
        dialoge.ReportError(meldung);
    }
    m_pEditorView->RefreshPage();
}

void CMainFrame::EditorEntfernen() {
    // The view goes first: it commits the page in front through the model.
    delete m_pEditorView;
    m_pEditorView = nullptr;
    m_pEditorModel.reset();
    m_bEditor = false;
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (m_bEditor && !m_pEditorView->CanLeave()) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}
