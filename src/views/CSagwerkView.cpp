#include "CSagwerkView.h"

#include <algorithm>

#include <QAbstractButton>
#include <QLineEdit>
#include <QListView>
#include <QScrollBar>
#include <QSignalBlocker>

#include "CBedienungsSteuerung.h"
#include "CBildButton.h"
#include "CButtonsView.h"
#include "CSagwerkDoc.h"
#include "CSprachausgabe.h"
#include "ISprachEngine.h"
#include "CTastaturView.h"
#include "CVorschlagModell.h"
#include "CWortzeile.h"
#include "Farben.h"
#include "SystemBilder.h"

namespace {
constexpr long kGegenwart = 20;
constexpr long kVergangenheit = 21;
constexpr long kZukunft = 22;
constexpr long kVerbliste = 80;
constexpr long kTastatur = 92;
constexpr long kVerlauf = 93;
}  // namespace

CSagwerkView::CSagwerkView(CSagwerkDoc& doc, const QRect& desktop, QWidget* parent)
    : QWidget(parent), m_doc(doc), m_desktop(desktop), m_layout(anordnung::Hauptansicht(desktop)) {
    m_pKeyboardView = new CTastaturView(doc, this);
    m_pKeyboardView->setGeometry(m_layout.kind);
    // Until the first update has placed the keys, only the (empty) grid shows.
    m_pKeyboardView->hide();
    m_pButtonsView = new CButtonsView(doc, this);
    // The row of words offered leaves out what the new page shows.
    connect(m_pButtonsView, &CButtonsView::SeiteGewechselt, this,
            &CSagwerkView::WortzeileZeigen);
    m_pButtonsView->setGeometry(m_layout.kind);
    m_pWortzeile = new CWortzeile(farben::kWort, this);
    m_pWortzeile->hide();
    connect(m_pWortzeile, &CWortzeile::Gewaehlt, this,
            [this](int i) { m_doc.RasterVorschlagGewaehlt(static_cast<std::size_t>(i)); });

    m_edtSentence = new QLineEdit(this);
    m_edtSentence->setReadOnly(true);
    m_edtSentence->setFocusPolicy(Qt::NoFocus);
    m_edtSentence->setGeometry(m_layout.satz);
    m_lstSuggest = new QListView(this);
    m_pVorschlaege = new CVorschlagModell(doc, m_lstSuggest);
    m_lstSuggest->setModel(m_pVorschlaege);
    m_lstSuggest->setUniformItemSizes(true);
    m_lstSuggest->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_lstSuggest->setSelectionMode(QAbstractItemView::SingleSelection);
    m_lstSuggest->setGeometry(m_layout.liste);
    m_lstSuggest->setFocusPolicy(Qt::NoFocus);
    connect(m_lstSuggest->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& zeile) {
                if (!m_pVorschlaege->IsNachziehen()) m_doc.SetSelection(zeile.row());
            });
    // The list of all sentences holds a window of pages. Rows going or coming
    // above leave the same sentences in view; scrolled to the top of the
    // window, the list fetches the page before (the end fetches the next one
    // by itself). One scroll step is one row, so the bar's value is the row
    // at the top.
    m_lstSuggest->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    connect(m_pVorschlaege, &CVorschlagModell::VorneVerschiebtSich, this,
            [this] { m_nObenVorher = m_lstSuggest->verticalScrollBar()->value(); });
    connect(m_pVorschlaege, &CVorschlagModell::VorneVerschoben, this, [this](int zeilen) {
        const int oben =
            std::clamp(m_nObenVorher + zeilen, 0, std::max(m_pVorschlaege->rowCount() - 1, 0));
        m_lstSuggest->scrollTo(m_pVorschlaege->index(oben), QAbstractItemView::PositionAtTop);
        AuswahlAngleichen();
    });
    connect(m_lstSuggest->verticalScrollBar(), &QScrollBar::valueChanged, this, [this](int wert) {
        if (wert == m_lstSuggest->verticalScrollBar()->minimum() && m_doc.HasEarlierHistory()) {
            const QSignalBlocker sperre(m_lstSuggest->selectionModel());
            m_pVorschlaege->FetchEarlier();
        }
    });

    m_btnUp = new CBildButton(this);
    m_btnDown = new CBildButton(this);
    m_btnSpeak = new CBildButton(this);
    m_btnUp->setGeometry(m_layout.hoch);
    m_btnDown->setGeometry(m_layout.runter);
    m_btnSpeak->setGeometry(m_layout.sprechen);
    for (CBildButton* k : {m_btnUp, m_btnDown, m_btnSpeak}) k->SetFillColor(farben::kPerson);
    m_btnSpeak->SetCaption(QStringLiteral("Sprechen"));
    m_btnSpeak->SetMindestSchrift(10);
    connect(m_btnUp, &CBildButton::clicked, this, [this] {
        m_doc.SelectPrevious();
        AuswahlZeigen();
    });
    connect(m_btnDown, &CBildButton::clicked, this, [this] {
        m_doc.SelectNext();
        AuswahlZeigen();
    });
    connect(m_btnSpeak, &CBildButton::clicked, this, [this] {
        m_bAnsageZuletzt = false;
        m_doc.Speak();
    });

    for (std::size_t i = 0; i < m_functionButtons.size(); ++i) {
        auto* knopf = new CBildButton(this);
        knopf->setGeometry(m_layout.funktionen[i]);
        knopf->hide();
        connect(knopf, &CBildButton::clicked, this, [this, i] { OnFunction(i); });
        m_functionButtons[i].knopf = knopf;
    }

    m_pBedienung = new CBedienungsSteuerung(*this, [this] { return SichtbareKnoepfe(); });
    m_pBedienung->SetAnsage([this](const QString& text) { Ansagen(text); });
    m_pBedienung->SetSeite([this] {
        return (static_cast<long long>(m_doc.GetCategory()) << 24) +
               (m_doc.IsVerbList() ? 1LL << 23 : 0) + m_pButtonsView->GetPage();
    });
    m_doc.AddObserver(this);
}

std::vector<CBedienungsSteuerung::CKnopf> CSagwerkView::SichtbareKnoepfe() const {
    std::vector<CBedienungsSteuerung::CKnopf> knoepfe;
    const auto dazu = [&](CBildButton* k, CScanKnopf::Bereich bereich, int reihe = -1) {
        if (k != nullptr && k->isVisibleTo(this))
            knoepfe.push_back(CBedienungsSteuerung::CKnopf::Fuer(k, bereich, reihe));
    };
    // The main window's notice line lies over the screen: its "Schließen".
    if (const QWidget* hinweis =
            window()->findChild<QWidget*>(QStringLiteral("hinweis"), Qt::FindDirectChildrenOnly);
        hinweis != nullptr && hinweis->isVisible()) {
        for (QAbstractButton* k : hinweis->findChildren<QAbstractButton*>())
            if (k->isVisible())
                knoepfe.push_back(CBedienungsSteuerung::CKnopf::Fuer(k, CScanKnopf::Hinweis));
    }
    for (CBildButton* k : m_pWortzeile->GetKnoepfe()) dazu(k, CScanKnopf::Wortvorschlaege);
    for (CBildButton* k : m_pKeyboardView->GetWortzeile()->GetKnoepfe())
        dazu(k, CScanKnopf::Wortvorschlaege);
    for (CBildButton* k : m_emotionButtons) dazu(k, CScanKnopf::Emotionen);
    for (const CFunktionsKnopf& f : m_functionButtons)
        if (f.code >= 0) dazu(f.knopf, CScanKnopf::Funktionen);
    if (m_pButtonsView->isVisibleTo(this)) {
        for (int k = 0; k < m_pButtonsView->GetButtonCount(); ++k)
            dazu(m_pButtonsView->GetButton(k), CScanKnopf::Raster);
    }
    if (m_pKeyboardView->isVisibleTo(this)) {
        for (int k = 0; k < anordnung::kTasten; ++k)
            dazu(m_pKeyboardView->GetKey(k), CScanKnopf::Tastatur);
        dazu(m_pKeyboardView->GetShiftKey(), CScanKnopf::Tastatur);
    }
    // The sentence area: "Sprechen", a group of its own (one press speaks),
    // then the suggestions shown, each a row of its own that goes on to
    // "Sprechen", and up and down last for the sentences out of view.
    dazu(m_btnSpeak, CScanKnopf::Sprechen);
    if (m_lstSuggest->isVisibleTo(this)) {
        QWidget* flaeche = m_lstSuggest->viewport();
        const QRect sichtbar = flaeche->rect();
        for (int zeile = 0; zeile < m_pVorschlaege->rowCount(); ++zeile) {
            const QModelIndex index = m_pVorschlaege->index(zeile);
            const QRect ort = m_lstSuggest->visualRect(index);
            if (!ort.intersects(sichtbar)) continue;
            CBedienungsSteuerung::CKnopf satz;
            satz.bereich = CScanKnopf::Satz;
            satz.auf = flaeche;
            satz.rechteck = ort.intersected(sichtbar);
            satz.druecken = [this, index] { m_lstSuggest->setCurrentIndex(index); };
            satz.text = index.data().toString();
            satz.reihe = 1 + zeile;
            satz.danach = m_btnSpeak->isVisibleTo(this) ? m_btnSpeak : nullptr;
            knoepfe.push_back(std::move(satz));
        }
    }
    constexpr int kUnten = 1 << 20;
    dazu(m_btnUp, CScanKnopf::Satz, kUnten);
    dazu(m_btnDown, CScanKnopf::Satz, kUnten);
    return knoepfe;
}

void CSagwerkView::Ansagen(const QString& text) {
    CSprachausgabe& sprache = m_doc.GetSpeech();
    ISprachEngine& engine = sprache.GetEngine();
    // What the person has said is not cut short; a cue cuts the one before.
    if (!m_bAnsageZuletzt && engine.Spricht()) return;
    // Higher and a little faster than the user's voice, so it is not taken
    // for what the person says.
    const auto prozent = [](int wert, int mal) {
        return std::min(200, (wert == 0 ? 100 : wert) * mal / 4);
    };
    engine.Sprechen(sprache.Gesprochen(text.toStdString()), prozent(sprache.GetSpeed(), 5),
                    prozent(sprache.GetPitch(), 6));
    m_bAnsageZuletzt = true;
}

CSagwerkView::~CSagwerkView() { m_doc.RemoveObserver(this); }

void CSagwerkView::OnInitialUpdate() {
    OnUpdate();
    m_pKeyboardView->CreateKeys();
}

void CSagwerkView::OnUpdate() {
    if (!m_doc.IsUserOpen()) {
        // Opening ends with another update, which runs this in full.
        m_doc.OpenUser();
        return;
    }
    if (m_doc.IsUserChanged()) {
        // A user made just now has brought the system icons into the folder.
        m_btnUp->SetPicture(SystemBild(m_doc, "up"));
        m_btnDown->SetPicture(SystemBild(m_doc, "down"));
        m_btnSpeak->SetPicture(SystemBild(m_doc, "ear"));
        BuildFunctionButtons();
        BuildEmotionButtons();
        RasterAnordnen();
        m_pButtonsView->CreateButtons();
        m_pKeyboardView->CreateKeys();
        m_doc.SetUserChanged(false);
        m_pBedienung->SetBedienung(m_doc.GetBedienung());
        // The grid was rebuilt empty: it must be filled whatever the flag says.
        m_doc.SetElementsChanged(true);
    }
    if (m_doc.IsElementsChanged()) {
        m_pButtonsView->ResetPage();
        m_pButtonsView->ShowPage();
        m_doc.SetElementsChanged(false);
    }

    const bool verlauf = m_doc.IsHistoryMode();
    m_pKeyboardView->setVisible(!verlauf && m_doc.IsKeyboard());
    m_pButtonsView->setVisible(!verlauf && !m_doc.IsKeyboard());
    m_pWortzeile->setVisible(!verlauf && !m_doc.IsKeyboard() && m_doc.IsWortvorhersage());
    WortzeileZeigen();
    m_edtSentence->setVisible(!verlauf);
    m_lstSuggest->setGeometry(verlauf ? m_layout.listeVerlauf : m_layout.liste);

    for (const CFunktionsKnopf& f : m_functionButtons) {
        if (f.code == kTastatur) f.knopf->SetHeld(m_doc.IsKeyboard());
        if (f.code == kVerlauf) f.knopf->SetHeld(verlauf);
        if (f.code == kVerbliste) f.knopf->SetHeld(m_doc.IsVerbList());
        if (f.code >= CSatzglieder::kBestimmt && f.code <= CSatzglieder::kFall)
            LatchZeigen(f);
    }

    {
        const QSignalBlocker sperre(m_lstSuggest->selectionModel());
        m_pVorschlaege->Neu();
    }
    AuswahlZeigen();
    m_edtSentence->setText(QString::fromStdString(m_doc.GetSentence()));
    // Keep the end of a long sentence in view, where the next word goes.
    m_edtSentence->end(false);
    m_pBedienung->Neu();
}

void CSagwerkView::RasterAnordnen() {
    if (!m_doc.IsWortvorhersage()) {
        m_pButtonsView->setGeometry(m_layout.kind);
        return;
    }
    const QSize raster = anordnung::RasterGroesse(m_doc.GetColumns(), m_doc.GetRows());
    const anordnung::CMitZeile m = anordnung::MitWortzeile(m_layout.kind, raster.height());
    m_pWortzeile->setGeometry(m.zeile);
    m_pWortzeile->Anordnen();
    m_pButtonsView->setGeometry(m.rest);
}

void CSagwerkView::WortzeileZeigen() {
    // Worked out on every change of the sentence, in the same frame.
    if (m_pWortzeile->isVisibleTo(this)) {
        std::vector<CWortzeile::CWort> woerter;
        for (const auto& v : m_doc.GetRasterVorschlaege())
            woerter.push_back({v.anzeige, m_doc.ResolvePath(v.bild)});
        m_pWortzeile->Zeigen(woerter);
    }
    if (m_pKeyboardView->isVisibleTo(this)) m_pKeyboardView->ZeileZeigen();
}

void CSagwerkView::AuswahlZeigen() {
    // Moving down may have fetched another page of the history.
    m_pVorschlaege->Nachziehen();
    if (const QModelIndex zeile = AuswahlAngleichen(); zeile.isValid())
        m_lstSuggest->scrollTo(zeile);
}

QModelIndex CSagwerkView::AuswahlAngleichen() {
    // Setting the selection from the document must not be taken for a
    // choice of the user.
    const QSignalBlocker sperre(m_lstSuggest->selectionModel());
    const int auswahl = m_doc.GetSelection();
    if (auswahl >= 0 && auswahl < m_pVorschlaege->rowCount()) {
        const QModelIndex zeile = m_pVorschlaege->index(auswahl);
        m_lstSuggest->selectionModel()->setCurrentIndex(zeile, QItemSelectionModel::ClearAndSelect);
        return zeile;
    }
    m_lstSuggest->selectionModel()->clear();
    return {};
}

void CSagwerkView::BuildFunctionButtons() {
    for (CFunktionsKnopf& f : m_functionButtons) {
        f.code = -1;
        f.knopf->hide();
        f.knopf->SetHeld(false);
        f.knopf->SetCaption(QString());
        f.knopf->SetPicture("");
    }
    // More than 16 buttons (the article and case latches): ten rows.
    std::vector<CFunktionsTaste> tasten;
    CFunktionsTaste taste;
    for (bool ok = m_doc.FirstFunctionKey(taste); ok; ok = m_doc.NextFunctionKey(taste))
        tasten.push_back(taste);
    long letzte = 0;
    for (const CFunktionsTaste& t : tasten) letzte = std::max(letzte, t.GetPosition());
    m_layout.funktionen = anordnung::Hauptansicht(m_desktop, letzte > 16 ? 10 : 8).funktionen;
    for (std::size_t i = 0; i < m_functionButtons.size(); ++i)
        m_functionButtons[i].knopf->setGeometry(m_layout.funktionen[i]);
    for (const CFunktionsTaste& taste : tasten) {
        const long platz = taste.GetPosition() - 1;
        if (platz < 0 || platz >= static_cast<long>(m_functionButtons.size())) continue;
        CFunktionsKnopf& f = m_functionButtons[static_cast<std::size_t>(platz)];
        if (f.code != -1) continue;  // a second row for the same place: the first one wins
        f.code = taste.GetCode();
        f.anzeige = QString::fromStdString(taste.GetAnzeigetext());
        f.knopf->SetCaption(taste.GetAnzeigetext());
        // "Vergangen", "sie (Frau)": whole on a 60-pixel button.
        f.knopf->SetMindestSchrift(10);
        f.knopf->SetPicture(m_doc.ResolvePath(taste.GetBild()));
        f.knopf->SetFillColor(farben::Funktion(f.code));
        f.knopf->SetHeld(f.code == kGegenwart + m_doc.GetTense());
        if (f.code >= CSatzglieder::kBestimmt && f.code <= CSatzglieder::kFall) LatchZeigen(f);
        f.knopf->show();
    }
}

void CSagwerkView::LatchZeigen(const CFunktionsKnopf& f) {
    const CSatzglieder& glieder = m_doc.GetSatzglieder();
    f.knopf->SetHeld(glieder.IsGedrueckt(static_cast<int>(f.code)));
    // The case button says which case it names now.
    QString caption = f.anzeige;
    if (f.code == CSatzglieder::kFall && glieder.GetFall())
        caption = *glieder.GetFall() == CNomen::Fall::Dativ ? QStringLiteral("Wem")
                                                            : QStringLiteral("Wen");
    if (f.knopf->GetCaption() != caption) f.knopf->SetCaption(caption);
}

void CSagwerkView::BuildEmotionButtons() {
    for (CBildButton* k : m_emotionButtons) {
        k->hide();
        k->deleteLater();
    }
    m_emotionButtons.clear();
    const int n = m_doc.CountEmotions();
    const std::vector<QRect> rechtecke = anordnung::Emotionen(m_desktop, n);
    for (int i = 0; i < n; ++i) {
        auto* knopf = new CBildButton(this);
        knopf->setGeometry(rechtecke[static_cast<std::size_t>(i)]);
        knopf->show();
        connect(knopf, &CBildButton::clicked, this, [this, i] { OnEmotion(i); });
        m_emotionButtons.push_back(knopf);
    }
    CEmotionsButton e;
    for (bool ok = m_doc.FirstEmotion(e); ok; ok = m_doc.NextEmotion(e)) {
        const long platz = e.GetPosition() - 1;
        if (platz < 0 || platz >= n) continue;
        CBildButton* knopf = m_emotionButtons[static_cast<std::size_t>(platz)];
        knopf->SetCaption(e.GetAnzeigetext());
        knopf->SetPicture(m_doc.ResolvePath(e.GetBild()));
        knopf->SetFillColor(farben::kEmotion);
    }
}

void CSagwerkView::OnFunction(std::size_t platz) {
    const long code = m_functionButtons[platz].code;
    if (code < 0) return;
    if (code == kGegenwart || code == kVergangenheit || code == kZukunft) {
        // The tense buttons act like radio buttons; persons do not latch.
        for (const CFunktionsKnopf& f : m_functionButtons)
            if (f.code == kGegenwart || f.code == kVergangenheit || f.code == kZukunft)
                f.knopf->SetHeld(false);
        m_functionButtons[platz].knopf->SetHeld(true);
    }
    m_doc.FunctionCode(static_cast<int>(code));
}

void CSagwerkView::OnEmotion(int platz) {
    m_bAnsageZuletzt = false;
    m_doc.EmotionClicked(platz + 1);
}

CBildButton* CSagwerkView::GetFunctionButton(long code) const {
    for (const CFunktionsKnopf& f : m_functionButtons)
        if (f.code == code) return f.knopf;
    return nullptr;
}
