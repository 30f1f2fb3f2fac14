#include "CEditorDaten.h"

#include <algorithm>
#include <utility>

#include "CDatenbank.h"
#include "CNomenformen.h"
#include "Ressourcen.h"
#include "CSagwerkDoc.h"
#include "CWortButton.h"
#include "EditorListen.h"
#include "IDialoge.h"
#include "IEditorAnsicht.h"
#include "IUhr.h"

using namespace editorlisten;

CEditorDaten::CEditorDaten(CSagwerkDoc& doc) : m_doc(doc) {
    // The counts of the last clicks are in the file before the editor reads
    // them (they order "by use").
    if (m_doc.GetDatabase() != nullptr) m_doc.GetDatabase()->WaitForWrites();
    FindKategorieByIndex(m_kategorie, kStartKategorie);
    LoadWortelemente();
    LoadEButtons();
    LoadFTasten();
}

CEditorDaten::~CEditorDaten() = default;

CDatenbank* CEditorDaten::Db() {
    CDatenbank* db = m_doc.GetDatabase();
    return db != nullptr && db->IsOpen() ? db : nullptr;
}

void CEditorDaten::Refresh() {
    if (m_pAnsicht != nullptr) m_pAnsicht->RefreshPage();
}

template <class Record, class Save>
bool CEditorDaten::Commit(Liste<Record>& liste, Save save) {
    // Copies of the flagged records: when the transaction fails they get
    // back their flags and temporary indexes, so nothing the carer did is
    // forgotten and the next commit writes it again.
    std::vector<std::pair<Record*, Record>> vorher;
    for (auto& r : liste) {
        if (r->GetChanged()) vorher.emplace_back(r.get(), *r);
    }
    if (vorher.empty()) return true;
    CDatenbank* db = Db();
    if (db == nullptr) return false;
    CWarteCursor warten(m_doc.GetDialoge());
    if (!db->BeginTransaction()) return false;
    for (auto& [record, kopie] : vorher) {
        // A save that found no row still lets the others through; a database
        // error ends the commit, and the first message is the only one.
        if (!save(*db, *record) && !db->TransactionOk()) break;
    }
    if (!db->EndTransaction(true)) {
        for (auto& [record, kopie] : vorher) *record = kopie;
        return false;
    }
    for (auto& [record, kopie] : vorher) record->SetChanged(false);
    return true;
}

// --------------------------------------------------------------- word elements

void CEditorDaten::LoadWortelemente() {
    ClearWortelemente();
    CDatenbank* db = Db();
    // Category 0 would make the file's list load whatever category it had.
    if (db == nullptr || m_kategorie.GetIndex() == 0) return;
    CWortButton button;
    for (bool da = db->FirstWortButton(button, m_kategorie.GetIndex()); da;
         da = db->NextWortButton(button)) {
        auto element = std::make_unique<CWortelement>();
        if (!db->LoadWortelement(*element, button.GetIndex(), true)) continue;
        element->SetChanged(false);
        m_wortelemente.push_back(std::move(element));
    }
}

void CEditorDaten::ClearWortelemente() {
    m_pWortelement = nullptr;
    m_wortelemente.clear();
    m_nWortCursor = 0;
}

CWortelement* CEditorDaten::GetFirstWortelement() { return Erster(m_wortelemente, m_nWortCursor); }

CWortelement* CEditorDaten::GetNextWortelement() {
    return Naechster(m_wortelemente, m_nWortCursor);
}

CWortelement* CEditorDaten::FindWortelement(long index) {
    for (auto& e : m_wortelemente) {
        if (e->GetIndex() == index) return e.get();
    }
    return nullptr;
}

void CEditorDaten::SelectWortelement(long index) {
    m_pWortelement = FindWortelement(index);
    Refresh();
}

void CEditorDaten::NewWortelement(long art) {
    auto element = std::make_unique<CWortelement>();
    element->SetArt(art);
    element->SetIndex(m_nNaechsterWortIndex--);
    element->SetChanged(true);
    element->SetAnzeigetext("neu");
    element->SetKategorie(m_kategorie.GetIndex());
    element->SetAnzahl(0);
    // Created today, as the insert will date it: ordered by use before its
    // commit it stays where it is.
    element->SetDatum({m_doc.GetUhr().Jetzt(), true});
    m_pWortelement = element.get();
    m_wortelemente.push_back(std::move(element));
    m_pWortelement->SetPosition(static_cast<long>(m_wortelemente.size()) + 1);
    Refresh();
}

void CEditorDaten::RemoveWortelement() {
    if (m_pWortelement == nullptr) return;
    CDatenbank* db = Db();
    // An element never committed has no row. One whose row could not be
    // deleted stays in the list, as it stays in the file.
    if (db != nullptr && m_pWortelement->GetIndex() > 0 &&
        !db->DeleteWortelement(m_pWortelement->GetIndex())) {
        return;
    }
    Entfernen(m_wortelemente, m_pWortelement);
    m_pWortelement = nullptr;
    RenumberWortelemente();
    Refresh();
}

void CEditorDaten::MoveWortelement(bool up) {
    if (Verschieben(m_wortelemente, m_pWortelement, up)) Refresh();
}

void CEditorDaten::RenumberWortelemente() { Umnummerieren(m_wortelemente); }

bool CEditorDaten::CommitWortelemente() {
    const bool ok = Commit(m_wortelemente, [](CDatenbank& db, CWortelement& e) {
        return db.SaveWortelement(e, SpeicherIndex(e.GetIndex()));
    });
    if (ok) ZaehlerZuruecksetzen(m_wortelemente, m_nNaechsterWortIndex);
    return ok;
}

// --------------------------------------------------------------- categories

bool CEditorDaten::GotoFirstKategorie(CKategorie& kategorie) {
    CDatenbank* db = Db();
    return db != nullptr && db->FirstKategorie(kategorie);
}

bool CEditorDaten::GotoNextKategorie(CKategorie& kategorie) {
    CDatenbank* db = Db();
    return db != nullptr && db->NextKategorie(kategorie, false);
}

bool CEditorDaten::FindKategorieByName(CKategorie& kategorie, const std::string& name) {
    for (bool da = GotoFirstKategorie(kategorie); da; da = GotoNextKategorie(kategorie)) {
        if (kategorie.GetName() == name) return true;
    }
    return false;
}

bool CEditorDaten::FindKategorieByIndex(CKategorie& kategorie, long index) {
    for (bool da = GotoFirstKategorie(kategorie); da; da = GotoNextKategorie(kategorie)) {
        if (kategorie.GetIndex() == index) return true;
    }
    return false;
}

bool CEditorDaten::SelectKategorie(const std::string& name) {
    // The list about to be replaced may hold changes not yet written.
    if (!CommitWortelemente()) return false;
    if (!FindKategorieByName(m_kategorie, name)) {
        FindKategorieByIndex(m_kategorie, kStartKategorie);
    }
    LoadWortelemente();
    Refresh();
    return true;
}

bool CEditorDaten::NewKategorie(const std::string& name) {
    if (!CommitWortelemente()) return false;
    CKategorie neu;
    neu.SetName(name);
    neu.SetNummer(0);
    CDatenbank* db = Db();
    // The new row itself, found by its key: a name may be taken already.
    const bool gespeichert = db != nullptr && db->SaveKategorie(neu, 0);
    if (!gespeichert || !FindKategorieByIndex(m_kategorie, neu.GetIndex())) {
        if (!FindKategorieByName(m_kategorie, name)) {
            FindKategorieByIndex(m_kategorie, kStartKategorie);
        }
    }
    LoadWortelemente();
    Refresh();
    return gespeichert;
}

bool CEditorDaten::CommitKategorie() {
    CDatenbank* db = Db();
    bool ok = false;
    // A page without a name could not be found again nor shown.
    if (db != nullptr && !m_kategorie.GetName().empty()) {
        CWarteCursor warten(m_doc.GetDialoge());
        ok = db->SaveKategorie(m_kategorie, m_kategorie.GetIndex());
    }
    Refresh();
    return ok;
}

std::vector<CWortelement> CEditorDaten::AlleWortelemente() {
    std::vector<CWortelement> alle;
    CDatenbank* db = Db();
    if (db == nullptr) return alle;
    std::vector<long> kategorien;
    CKategorie k;
    for (bool da = db->FirstKategorie(k); da; da = db->NextKategorie(k, false)) {
        kategorien.push_back(k.GetIndex());
    }
    std::vector<CWortelement> elemente;
    std::vector<CWortButton> buttons;
    for (const long index : kategorien) {
        if (!db->LoadWortelemente(index, false, elemente, buttons)) continue;
        alle.insert(alle.end(), elemente.begin(), elemente.end());
    }
    return alle;
}

std::vector<long> CEditorDaten::LinksZu(long kategorie) {
    std::vector<long> links;
    // Every category's elements: a link may lead there from any page.
    for (const CWortelement& e : AlleWortelemente()) {
        const auto [link, ziel] = e.GetLinkTarget();
        if (link && ziel == kategorie) links.push_back(e.GetIndex());
    }
    return links;
}

bool CEditorDaten::RemoveKategorie() {
    CDatenbank* db = Db();
    if (db == nullptr || !m_wortelemente.empty() || m_kategorie.GetIndex() <= 0 ||
        IsStartKategorie()) {
        return false;
    }
    // Elements the list does not show (a load that failed, another program)
    // would be lost with their category.
    LoadWortelemente();
    if (!m_wortelemente.empty()) {
        Refresh();
        return false;
    }
    // The links that lead there go with it, all in one transaction: a link
    // without its category is never left behind.
    const std::vector<long> links = LinksZu(m_kategorie.GetIndex());
    CWarteCursor warten(m_doc.GetDialoge());
    if (!db->BeginTransaction()) return false;
    for (const long link : links) {
        if (!db->DeleteWortelement(link)) break;
    }
    if (db->TransactionOk()) db->DeleteKategorie(m_kategorie.GetIndex());
    if (!db->EndTransaction(true)) return false;
    GotoFirstKategorie(m_kategorie);
    LoadWortelemente();
    Refresh();
    return true;
}

// --------------------------------------------------------------- emotion buttons

void CEditorDaten::LoadEButtons() {
    ClearEButtons();
    CDatenbank* db = Db();
    if (db == nullptr) return;
    CEmotionsButton button;
    for (bool da = db->FirstEButton(button); da; da = db->NextEButton(button)) {
        button.SetChanged(false);
        m_eButtons.push_back(std::make_unique<CEmotionsButton>(button));
    }
}

void CEditorDaten::ClearEButtons() {
    m_pEButton = nullptr;
    m_eButtons.clear();
    m_nEButtonCursor = 0;
}

CEmotionsButton* CEditorDaten::GetFirstEButton() { return Erster(m_eButtons, m_nEButtonCursor); }

CEmotionsButton* CEditorDaten::GetNextEButton() { return Naechster(m_eButtons, m_nEButtonCursor); }

void CEditorDaten::SelectEButton(int position) {
    m_pEButton = AnPlatz(m_eButtons, position);
    Refresh();
}

void CEditorDaten::NewEButton() {
    auto button = std::make_unique<CEmotionsButton>();
    button->SetAnzeigetext("neu");
    button->SetText("");
    button->SetIndex(m_nNaechsterEButtonIndex--);
    button->SetChanged(true);
    m_pEButton = button.get();
    m_eButtons.push_back(std::move(button));
    m_pEButton->SetPosition(static_cast<long>(m_eButtons.size()));
    Refresh();
}

void CEditorDaten::RemoveEButton() {
    if (m_pEButton == nullptr) return;
    CDatenbank* db = Db();
    if (db != nullptr && m_pEButton->GetIndex() > 0 && !db->DeleteEButton(m_pEButton->GetIndex())) {
        return;
    }
    Entfernen(m_eButtons, m_pEButton);
    m_pEButton = nullptr;
    RenumberEButtons();
    Refresh();
}

void CEditorDaten::MoveEButton(bool up) {
    if (Verschieben(m_eButtons, m_pEButton, up)) Refresh();
}

void CEditorDaten::RenumberEButtons() { Umnummerieren(m_eButtons); }

bool CEditorDaten::CommitEButtons() {
    const bool geaendert = std::any_of(m_eButtons.begin(), m_eButtons.end(),
                                       [](const auto& b) { return b->GetChanged(); });
    const bool ok = Commit(m_eButtons, [](CDatenbank& db, CEmotionsButton& b) {
        return db.SaveEButton(b, SpeicherIndex(b.GetIndex()));
    });
    if (ok) ZaehlerZuruecksetzen(m_eButtons, m_nNaechsterEButtonIndex);
    // The communication screen builds its emotion row anew.
    if (ok && geaendert) m_doc.SetUserChanged(true);
    return ok;
}

// --------------------------------------------------------------- function buttons

void CEditorDaten::LoadFTasten() {
    ClearFTasten();
    CDatenbank* db = Db();
    if (db == nullptr) return;
    CFunktionsTaste taste;
    for (bool da = db->FirstFTaste(taste); da; da = db->NextFTaste(taste)) {
        taste.SetChanged(false);
        m_fTasten.push_back(std::make_unique<CFunktionsTaste>(taste));
    }
}

void CEditorDaten::ClearFTasten() {
    m_pFTaste = nullptr;
    m_fTasten.clear();
    m_nFTasteCursor = 0;
}

CFunktionsTaste* CEditorDaten::GetFirstFTaste() { return Erster(m_fTasten, m_nFTasteCursor); }

CFunktionsTaste* CEditorDaten::GetNextFTaste() { return Naechster(m_fTasten, m_nFTasteCursor); }

void CEditorDaten::SelectFTaste(int position) {
    m_pFTaste = AnPlatz(m_fTasten, position);
    Refresh();
}

void CEditorDaten::MoveFTaste(bool up) {
    if (Verschieben(m_fTasten, m_pFTaste, up)) Refresh();
}

void CEditorDaten::RenumberFTasten() { Umnummerieren(m_fTasten); }

bool CEditorDaten::CommitFTasten() {
    const bool geaendert = std::any_of(m_fTasten.begin(), m_fTasten.end(),
                                       [](const auto& t) { return t->GetChanged() != 0; });
    const bool ok = Commit(m_fTasten, [](CDatenbank& db, CFunktionsTaste& t) {
        return db.SaveFTaste(t, t.GetIndex());
    });
    if (ok && geaendert) m_doc.SetUserChanged(true);
    return ok;
}

const CNomenformen* CEditorDaten::GetNomenformen(std::string& fehler) {
    // Read once: the dictionary is large and the same for every user.
    static std::unique_ptr<CNomenformen> formen;
    static std::string grund;
    static bool gelesen = false;
    if (!gelesen) {
        gelesen = true;
        auto neu = std::make_unique<CNomenformen>();
        if (neu->Laden(RessourcenVerzeichnis() + "/nomen.txt", grund)) formen = std::move(neu);
    }
    fehler = grund;
    return formen.get();
}
