#include "CEditorView.h"

#include <QLabel>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QTabBar>
#include <QVBoxLayout>

#include "CEditorDaten.h"
#include "CKategoriePage.h"
#include "CWortelementPage.h"
#include "IDialoge.h"
#include "IEditorDialoge.h"

namespace {

// A page still to come: it shows what it will hold and keeps nothing.
class CLeereSeite : public CEditorSeite {
public:
    CLeereSeite(CEditorDaten& daten, IDialoge& dialoge, IEditorDialoge& editorDialoge,
                QWidget* parent)
        : CEditorSeite(daten, dialoge, editorDialoge, parent) {
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(new QLabel(QStringLiteral("Diese Seite ist noch in Arbeit."), this));
        layout->addStretch();
    }
};

}  // namespace

CEditorView::CEditorView(CEditorDaten& daten, IDialoge& dialoge, IEditorDialoge& editorDialoge,
                         QWidget* parent)
    : QWidget(parent), m_daten(daten), m_dialoge(dialoge), m_editorDialoge(editorDialoge) {
    setObjectName(QStringLiteral("Editor"));
    // Read at arm's length, on a screen of 1024 x 768 upwards.
    QFont schrift = font();
    schrift.setPointSize(12);
    setFont(schrift);

    m_pReiter = new QTabBar(this);
    m_pStapel = new QStackedWidget(this);
    m_pWortelemente = new CWortelementPage(daten, dialoge, editorDialoge, m_pStapel);
    m_pKategorie = new CKategoriePage(daten, dialoge, editorDialoge, m_pStapel);
    m_seiten = {m_pWortelemente, m_pKategorie,
                new CLeereSeite(daten, dialoge, editorDialoge, m_pStapel),
                new CLeereSeite(daten, dialoge, editorDialoge, m_pStapel),
                new CLeereSeite(daten, dialoge, editorDialoge, m_pStapel)};
    const char* titel[] = {"Wortelemente", "Kategorie", "Emotionsbuttons", "Funktionsbuttons",
                           "Benutzerdaten"};
    for (std::size_t i = 0; i < m_seiten.size(); ++i) {
        m_pReiter->addTab(QString::fromUtf8(titel[i]));
        m_pStapel->addWidget(m_seiten[i]);
    }
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->setSpacing(0);
    layout->addWidget(m_pReiter);
    layout->addWidget(m_pStapel, 1);
    connect(m_pReiter, &QTabBar::currentChanged, this, &CEditorView::OnReiter);
}

CEditorView::~CEditorView() {
    // Nothing the carer entered on the page in front is left behind.
    GetPage(GetActiveIndex())->Abschliessen();
}

void CEditorView::Starten() {
    const QSignalBlocker sperre(m_pReiter);
    m_pReiter->setCurrentIndex(kWortelemente);
    m_pStapel->setCurrentIndex(kWortelemente);
    m_seiten.front()->OnSetActive();
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
        const QSignalBlocker sperre(m_pReiter);
        m_pReiter->setCurrentIndex(bisher);
        return;
    }
    m_pStapel->setCurrentIndex(index);
    GetPage(index)->OnSetActive();
}

void CEditorView::RefreshPage() { GetPage(GetActiveIndex())->Refresh(); }

bool CEditorView::CanLeave() { return GetPage(GetActiveIndex())->OnKillActive(); }

bool CEditorView::AskPassword() {
    const std::optional<QString> passwort = m_editorDialoge.PasswortAbfragen(this);
    if (!passwort) return false;
    if (m_daten.CheckPasswort(passwort->toStdString())) return true;
    m_dialoge.ShowMessage("Sie haben leider keine Berechtigung, diese Daten zu ändern.", "Warnung!",
                          IDialoge::Symbol::Warnung);
    return false;
}
