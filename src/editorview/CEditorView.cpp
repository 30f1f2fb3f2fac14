#include "CEditorView.h"

#include <QApplication>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QTabBar>
#include <QVBoxLayout>

#include "CBedienungPage.h"
#include "CSaetzePage.h"
#include "CBenutzerPage.h"
#include "CEditorDaten.h"
#include "CEmotionsPage.h"
#include "CFortschrittsAnzeige.h"
#include "CFunktionsPage.h"
#include "CKategoriePage.h"
#include "CQtWecker.h"
#include "CVerbenPage.h"
#include "CWortelementPage.h"
#include "IDialoge.h"
#include "IEditorDialoge.h"

CEditorView::CEditorView(CEditorDaten& daten, IDialoge& dialoge, IEditorDialoge& editorDialoge,
                         QWidget* parent, std::unique_ptr<IWecker> wecker)
    : QWidget(parent),
      m_daten(daten),
      m_dialoge(dialoge),
      m_editorDialoge(editorDialoge),
      m_pWecker(wecker ? std::move(wecker) : std::make_unique<CQtWecker>()) {
    setObjectName(QStringLiteral("Editor"));
    // Read at arm's length, on a screen of 1024 x 768 upwards.
    QFont schrift = font();
    schrift.setPointSize(12);
    setFont(schrift);

    m_pReiter = new QTabBar(this);
    m_pStapel = new QStackedWidget(this);
    m_pWortelemente = new CWortelementPage(daten, dialoge, editorDialoge, m_pStapel);
    m_pKategorie = new CKategoriePage(daten, dialoge, editorDialoge, m_pStapel);
    m_pEmotionen = new CEmotionsPage(daten, dialoge, editorDialoge, m_pStapel);
    m_pFunktionen = new CFunktionsPage(daten, dialoge, editorDialoge, m_pStapel);
    m_pBenutzer = new CBenutzerPage(daten, dialoge, editorDialoge, m_pStapel);
    m_pBedienung = new CBedienungPage(daten, dialoge, editorDialoge, m_pStapel);
    m_pSaetze = new CSaetzePage(daten, dialoge, editorDialoge, m_pStapel);
    m_seiten = {m_pWortelemente, m_pKategorie, m_pEmotionen, m_pFunktionen,
                m_pBenutzer,     m_pBedienung, m_pSaetze};
    const char* titel[] = {"Wortelemente", "Kategorie",     "Emotionsbuttons", "Funktionsbuttons",
                           "Benutzerdaten", "Bedienung", "Gesagte Sätze"};
    for (std::size_t i = 0; i < m_seiten.size(); ++i) {
        m_pReiter->addTab(QString::fromUtf8(titel[i]));
        m_pStapel->addWidget(m_seiten[i]);
        connect(m_seiten[i], &CEditorSeite::Bearbeitet, this, &CEditorView::Nachlauf);
    }
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->setSpacing(0);
    layout->addWidget(m_pReiter);
    layout->addWidget(m_pStapel, 1);
    connect(m_pReiter, &QTabBar::currentChanged, this, &CEditorView::OnReiter);
}

CEditorView::~CEditorView() {
    m_pWecker->Abstellen();
    // Nothing the carer entered on the page in front is left behind.
    GetPage(GetActiveIndex())->Abschliessen();
}

void CEditorView::Nachlauf() {
    m_pWecker->Stellen(m_bNachlaufFehler ? kNachFehlerMs : kNachlaufMs, [this] {
        // Not in the middle of a question or a file choice: right after it.
        if (QApplication::activeModalWidget() != nullptr) {
            Nachlauf();
            return;
        }
        Zwischenspeichern();
    });
}

bool CEditorView::Zwischenspeichern() {
    m_pWecker->Abstellen();
    m_bNachlaufFehler = !GetPage(GetActiveIndex())->Abschliessen();
    return !m_bNachlaufFehler;
}

void CEditorView::Starten() {
    const QSignalBlocker sperre(m_pReiter);
    m_pReiter->setCurrentIndex(kWortelemente);
    m_pStapel->setCurrentIndex(kWortelemente);
    m_seiten.front()->OnSetActive();
    emit SeiteGewechselt(kWortelemente);
}

void CEditorView::SetVerbformen(const CVerbformen* verbformen) {
    m_pWortelemente->GetVerbenPage()->SetVerbformen(verbformen);
}

int CEditorView::GetActiveIndex() const { return m_pStapel->currentIndex(); }

bool CEditorView::SetActivePage(int index) {
    m_pReiter->setCurrentIndex(index);
    return GetActiveIndex() == index;
}

void CEditorView::OnReiter(int index) {
    const int bisher = GetActiveIndex();
    if (index == bisher || index < 0) return;
    if (!GetPage(bisher)->OnKillActive()) {
        Nachlauf();  // what stays on the page is written when it can be
        const QSignalBlocker sperre(m_pReiter);
        m_pReiter->setCurrentIndex(bisher);
        return;
    }
    m_pStapel->setCurrentIndex(index);
    GetPage(index)->OnSetActive();
    emit SeiteGewechselt(index);
}

void CEditorView::RefreshPage() {
    GetPage(GetActiveIndex())->Refresh();
    // A change of the model (new, moved, deleted, ordered) is written as
    // the carer's typing is.
    Nachlauf();
}

bool CEditorView::CanLeave() {
    if (GetPage(GetActiveIndex())->OnKillActive()) {
        m_pWecker->Abstellen();
        return true;
    }
    Nachlauf();
    return false;
}

bool CEditorView::AskPassword() {
    const std::optional<QString> passwort = m_editorDialoge.PasswortAbfragen(this);
    if (!passwort) return false;
    if (m_daten.CheckPasswort(passwort->toStdString())) return true;
    m_dialoge.ShowMessage("Sie haben leider keine Berechtigung, diese Daten zu ändern.", "Warnung!",
                          IDialoge::Symbol::Warnung);
    return false;
}

bool CEditorView::KannReihenfolge() const {
    const int seite = GetActiveIndex();
    return seite == kWortelemente || seite == kEmotionen || seite == kFunktionen;
}

void CEditorView::OrderAlphabetical() { Anordnen(&CEditorDaten::OrderAlphabetical); }

void CEditorView::OrderByUse() { Anordnen(&CEditorDaten::OrderByUse); }

void CEditorView::Anordnen(void (CEditorDaten::*ordnen)(bool)) {
    if (!KannAnordnen()) return;
    const IDialoge::Antwort antwort =
        m_dialoge.ShowMessage("Wollen Sie die Wortelemente aller Kategorien anordnen?", "Frage",
                              IDialoge::Symbol::Frage, IDialoge::Knoepfe::JaNeinAbbrechen);
    if (antwort == IDialoge::Antwort::Abbrechen) return;
    // What the carer typed reaches the element before the list is reordered
    // and shown again.
    if (!GetPage(GetActiveIndex())->Bewacht()) return;
    const bool alle = antwort == IDialoge::Antwort::Ja;
    if (!alle) {
        (m_daten.*ordnen)(false);
        return;
    }
    CFortschrittsAnzeige anzeige(this);
    m_daten.SetFortschritt(&anzeige);
    (m_daten.*ordnen)(true);
    m_daten.SetFortschritt(nullptr);
}

void CEditorView::RestoreOrder() {
    if (!KannReihenfolge()) return;
    if (!GetPage(GetActiveIndex())->Bewacht()) return;
    switch (GetActiveIndex()) {
        case kWortelemente:
            m_daten.RestoreWortelementOrder();
            break;
        case kEmotionen:
            m_daten.RestoreEButtonOrder();
            break;
        default:
            m_daten.RestoreFTasteOrder();
            break;
    }
}

void CEditorView::SetStandard() {
    switch (GetActiveIndex()) {
        case kWortelemente:
            m_daten.SetWortelementStandard();
            break;
        case kEmotionen:
            m_daten.SetEButtonStandard();
            break;
        case kFunktionen:
            m_daten.SetFTasteStandard();
            break;
        default:
            break;
    }
}
