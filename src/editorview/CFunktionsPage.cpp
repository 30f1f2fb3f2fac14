#include "CFunktionsPage.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

#include "CAuswahlListe.h"
#include "CBildButton.h"
#include "CEditorDaten.h"
#include "CFunktionsTaste.h"
#include "CListenBilder.h"
#include "CPiktogrammWahl.h"
#include "Farben.h"
#include "SeitenTeile.h"

namespace {

struct CCode {
    long code;
    const char* beschreibung;
};

constexpr CCode kCodes[] = {
    {1, "1. Person Einzahl (Ich)"},
    {2, "2. Person Einzahl (Du)"},
    {3, "3. Person Einzahl (Er)"},
    {4, "3. Person Einzahl (Sie)"},
    {5, "3. Person Einzahl (Es)"},
    {6, "1. Person Mehrzahl (Wir)"},
    {7, "2. Person Mehrzahl (Ihr)"},
    {8, "3. Person Mehrzahl (Sie)"},
    {20, "Gegenwart"},
    {21, "Vergangenheit"},
    {22, "Zukunft"},
    {30, "Bestimmter Artikel (der, die, das) vor dem nächsten Nomen"},
    {31, "Unbestimmter Artikel (ein, eine) vor dem nächsten Nomen"},
    {32, "Mehrzahl für das nächste Nomen"},
    {33, "Fall des nächsten Nomens: Wem (Dativ), Wen (Akkusativ)"},
    {80, "Zeigt alle Verben"},
    {90, "Löscht ein Wort"},
    {91, "Löscht ein Satz"},
    {92, "Schaltet die Tastatur ein und aus"},
    {93, "Zeigt alle schon gesprochenen Sätze"},
};

const CCode* Finden(long code) {
    for (const CCode& c : kCodes) {
        if (c.code == code) return &c;
    }
    return nullptr;
}

bool IstPerson(long code) { return code >= 1 && code <= 8; }

}  // namespace

std::string CFunktionsPage::Beschreibung(long code) {
    const CCode* c = Finden(code);
    return c ? c->beschreibung : std::string();
}

std::uint32_t CFunktionsPage::Farbe(long code) { return Finden(code) ? farben::Funktion(code) : 0; }

CFunktionsPage::CFunktionsPage(CEditorDaten& daten, IDialoge& dialoge,
                               IEditorDialoge& editorDialoge, QWidget* parent)
    : CEditorSeite(daten, dialoge, editorDialoge, parent) {
    m_lstFunktionen = new CAuswahlListe(this);
    m_lstFunktionen->setObjectName(QStringLiteral("funktionen"));
    m_pListenBilder = new CListenBilder(*m_lstFunktionen);
    m_edtAnzeigetext = seitenteile::Feld(this, "anzeigetext");
    m_edtWort = seitenteile::Feld(this, "wort");
    m_edtBeschreibung = seitenteile::Feld(this, "beschreibung");
    m_edtBeschreibung->setReadOnly(true);
    m_pVorschau = seitenteile::Vorschau(this, 0);
    QPushButton* bild = seitenteile::Knopf(this, "Bild wählen", "bildWaehlen");
    QPushButton* up = seitenteile::Knopf(this, "Nach oben", "up");
    QPushButton* down = seitenteile::Knopf(this, "Nach unten", "down");
    m_pBildSuche = new CPiktogrammWahl(daten, this);

    auto* raster = new QGridLayout(this);
    raster->addWidget(new QLabel(QStringLiteral("Funktionen:"), this), 0, 0, 1, 2);
    raster->addWidget(m_lstFunktionen, 1, 0, 6, 2);
    raster->addWidget(up, 7, 0);
    raster->addWidget(down, 7, 1);
    raster->addWidget(new QLabel(QStringLiteral("Anzeigetext:"), this), 1, 2);
    raster->addWidget(m_edtAnzeigetext, 1, 3, 1, 2);
    raster->addWidget(new QLabel(QStringLiteral("Wort:"), this), 2, 2);
    raster->addWidget(m_edtWort, 2, 3, 1, 2);
    raster->addWidget(new QLabel(QStringLiteral("Funktionsbeschreibung:"), this), 3, 2);
    raster->addWidget(m_edtBeschreibung, 3, 3, 1, 2);
    raster->addWidget(new QLabel(QStringLiteral("Vorschau:"), this), 4, 2, Qt::AlignTop);
    raster->addWidget(m_pVorschau, 4, 3, Qt::AlignLeft);
    raster->addWidget(bild, 4, 4, Qt::AlignLeft | Qt::AlignTop);
    raster->addWidget(m_pBildSuche, 5, 3, 2, 2);
    raster->setRowStretch(6, 1);
    raster->setColumnStretch(4, 1);

    connect(m_lstFunktionen, &QListWidget::currentRowChanged, this, &CFunktionsPage::OnGewaehlt);
    connect(up, &QPushButton::clicked, this, [this] { OnVerschieben(true); });
    connect(down, &QPushButton::clicked, this, [this] { OnVerschieben(false); });
    connect(bild, &QPushButton::clicked, this, &CFunktionsPage::OnBildWaehlen);
    connect(m_edtAnzeigetext, &QLineEdit::textEdited, this, [this](const QString& text) {
        m_pVorschau->SetCaption(text);
        Geaendert();
        if (QListWidgetItem* eintrag = m_lstFunktionen->currentItem()) eintrag->setText(text);
    });
    connect(m_edtWort, &QLineEdit::textEdited, this, &CFunktionsPage::Geaendert);
    connect(m_pBildSuche, &CPiktogrammWahl::Gewaehlt, this, [this](const QString& pfad) {
        if (m_daten.GetCurrentFTaste() == nullptr) return;
        const std::string bild = m_daten.BildUebernehmen(pfad.toStdString());
        if (!bild.empty()) BildSetzen(bild);
    });
}

void CFunktionsPage::ListeZeigen() {
    QStringList texte;
    std::vector<QString> bilder;
    int zeile = -1;
    const CFunktionsTaste* aktuell = m_daten.GetCurrentFTaste();
    for (CFunktionsTaste* t = m_daten.GetFirstFTaste(); t; t = m_daten.GetNextFTaste()) {
        if (t == aktuell) zeile = static_cast<int>(texte.size());
        texte << QString::fromStdString(t->GetAnzeigetext());
        bilder.push_back(t->GetBild().empty()
                             ? QString()
                             : QString::fromStdString(m_daten.ResolvePath(t->GetBild())));
    }
    seitenteile::ListeFuellen(*m_lstFunktionen, texte, zeile);
    m_pListenBilder->Zeigen(bilder);
}

void CFunktionsPage::Refresh() {
    ListeZeigen();
    CFunktionsTaste* aktuell = m_daten.GetCurrentFTaste();

    const long code = aktuell ? aktuell->GetCode() : 0;
    m_edtWort->setEnabled(aktuell != nullptr && IstPerson(code));
    m_edtAnzeigetext->setText(aktuell ? QString::fromStdString(aktuell->GetAnzeigetext())
                                      : QString());
    m_edtWort->setText(aktuell ? QString::fromStdString(aktuell->GetText()) : QString());
    m_edtBeschreibung->setText(QString::fromStdString(Beschreibung(code)));
    m_strBild = aktuell ? aktuell->GetBild() : std::string();
    m_pVorschau->SetFillColor(Farbe(code));
    m_pVorschau->SetCaption(m_edtAnzeigetext->text());
    m_pVorschau->SetPicture(m_daten.ResolvePath(m_strBild));
    m_pBildSuche->Leeren();
}

bool CFunktionsPage::Store() {
    CFunktionsTaste* taste = m_daten.GetCurrentFTaste();
    if (taste == nullptr) return true;
    if (m_edtAnzeigetext->text().isEmpty()) return false;
    taste->SetAnzeigetext(m_edtAnzeigetext->text().toStdString());
    taste->SetText(m_edtWort->text().toStdString());
    taste->SetBild(m_strBild);
    return true;
}

bool CFunktionsPage::OnKillActive() { return Bewacht() && m_daten.CommitFTasten(); }

bool CFunktionsPage::Abschliessen() {
    // An incomplete button waits for the carer, as on the word-element page.
    auto* aktuell = Store() ? nullptr : m_daten.GetCurrentFTaste();
    const bool wartet = aktuell != nullptr && aktuell->GetChanged();
    if (wartet) aktuell->SetChanged(false);
    const bool geschrieben = m_daten.CommitFTasten();
    if (wartet) aktuell->SetChanged(true);
    return geschrieben;
}

void CFunktionsPage::OnGewaehlt(int zeile) {
    if (!Bewacht()) {
        ListeZeigen();  // back to the button being edited; the typing stays
        return;
    }
    m_daten.SelectFTaste(zeile);
}

void CFunktionsPage::OnVerschieben(bool hoch) {
    const int zeile = m_lstFunktionen->currentRow();
    if (!Bewacht() || m_daten.GetCurrentFTaste() == nullptr) return;
    if (hoch ? zeile != 0 : zeile != m_lstFunktionen->count() - 1) m_daten.MoveFTaste(hoch);
}

void CFunktionsPage::OnBildWaehlen() {
    if (m_daten.GetCurrentFTaste() == nullptr) {
        Unvollstaendig();
        return;
    }
    const auto bild = BildWaehlen();
    if (bild) BildSetzen(*bild);
}

void CFunktionsPage::BildSetzen(const std::string& bild) {
    m_strBild = bild;
    Geaendert();
    m_pVorschau->SetPicture(m_daten.ResolvePath(m_strBild));
}

void CFunktionsPage::Geaendert() {
    CFunktionsTaste* taste = m_daten.GetCurrentFTaste();
    if (taste == nullptr) return;
    taste->SetChanged(true);
    emit Bearbeitet();
}
