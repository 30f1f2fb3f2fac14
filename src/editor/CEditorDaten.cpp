#include "CEditorDaten.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>
#include <utility>

#include "CDatenbank.h"
#include "CSagwerkDoc.h"
#include "CWortButton.h"
#include "IDialoge.h"
#include "IEditorAnsicht.h"
#include "IFortschritt.h"
#include "IUhr.h"
#include "Reihenfolge.h"

namespace {

template <class Record>
using Liste = std::vector<std::unique_ptr<Record>>;

template <class Record>
Record* Erster(Liste<Record>& liste, std::size_t& cursor) {
    cursor = 0;
    return liste.empty() ? nullptr : liste.front().get();
}

template <class Record>
Record* Naechster(Liste<Record>& liste, std::size_t& cursor) {
    if (cursor + 1 >= liste.size()) {
        cursor = liste.size();
        return nullptr;
    }
    return liste[++cursor].get();
}

template <class Record>
void Umnummerieren(Liste<Record>& liste) {
    long platz = 1;
    for (auto& r : liste) {
        if (r->GetPosition() != platz) {
            r->SetPosition(platz);
            r->SetChanged(true);
        }
        ++platz;
    }
}

// Exchanges the current record with its neighbour; false when there is no
// current record or it is already at that end.
template <class Record>
bool Verschieben(Liste<Record>& liste, const Record* aktuell, bool hoch) {
    const auto it =
        std::find_if(liste.begin(), liste.end(), [&](const auto& r) { return r.get() == aktuell; });
    if (aktuell == nullptr || it == liste.end()) return false;
    if (hoch) {
        if (it == liste.begin()) return false;
        std::iter_swap(it, it - 1);
    } else {
        if (it + 1 == liste.end()) return false;
        std::iter_swap(it, it + 1);
    }
    Umnummerieren(liste);
    return true;
}

template <class Record>
void StandardSetzen(Liste<Record>& liste) {
    long platz = 1;
    for (auto& r : liste) {
        if (r->GetAltePosition() != platz) {
            r->SetAltePosition(platz);
            r->SetChanged(true);
        }
        ++platz;
    }
}

template <class Record>
void AltePosSortieren(Liste<Record>& liste) {
    reihenfolge::SortiereNach(
        liste, [](const Record& r) { return r.GetAltePosition(); },
        [](long b, long a) { return b < a; });
    Umnummerieren(liste);
}

template <class Record>
Record* AnPlatz(Liste<Record>& liste, int platz) {
    if (platz < 0 || static_cast<std::size_t>(platz) >= liste.size()) return nullptr;
    return liste[static_cast<std::size_t>(platz)].get();
}

template <class Record>
void Entfernen(Liste<Record>& liste, const Record* record) {
    liste.erase(std::remove_if(liste.begin(), liste.end(),
                               [&](const auto& r) { return r.get() == record; }),
                liste.end());
}

// The counter of temporary indexes starts again only when no record of the
// list still carries one, so two records never share a temporary index.
template <class Record>
void ZaehlerZuruecksetzen(const Liste<Record>& liste, long& zaehler) {
    if (std::none_of(liste.begin(), liste.end(), [](const auto& r) { return r->GetIndex() < 0; })) {
        zaehler = -1;
    }
}

long SpeicherIndex(long index) { return index >= 0 ? index : 0; }

bool GleicherInhalt(const std::filesystem::path& a, const std::filesystem::path& b) {
    std::error_code ec;
    if (std::filesystem::file_size(a, ec) != std::filesystem::file_size(b, ec) || ec) return false;
    std::ifstream x(a, std::ios::binary), y(b, std::ios::binary);
    return std::equal(std::istreambuf_iterator<char>(x), std::istreambuf_iterator<char>(),
                      std::istreambuf_iterator<char>(y), std::istreambuf_iterator<char>());
}

}  // namespace

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
    // An element never committed has no row.
    if (db != nullptr && m_pWortelement->GetIndex() > 0) {
        db->DeleteWortelement(m_pWortelement->GetIndex());
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
    if (db != nullptr) {
        CWarteCursor warten(m_doc.GetDialoge());
        ok = db->SaveKategorie(m_kategorie, m_kategorie.GetIndex());
    }
    Refresh();
    return ok;
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
    if (!db->DeleteKategorie(m_kategorie.GetIndex())) return false;
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
    if (db != nullptr && m_pEButton->GetIndex() > 0) db->DeleteEButton(m_pEButton->GetIndex());
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

// --------------------------------------------------------------- orderings

void CEditorDaten::NachName(CEditorDaten& daten) {
    reihenfolge::SortiereNach(
        daten.m_wortelemente,
        [](const CWortelement& e) { return reihenfolge::CaptionKey(e.GetAnzeigetext()); },
        [](const std::u32string& b, const std::u32string& a) { return a > b; });
}

void CEditorDaten::NachNutzung(CEditorDaten& daten) {
    const double heute = daten.m_doc.GetUhr().Jetzt();
    reihenfolge::SortiereNach(
        daten.m_wortelemente,
        [heute](const CWortelement& e) { return reihenfolge::UseScore(e, heute); },
        [](float b, float a) { return b > a; });
}

void CEditorDaten::OrderAll(bool alle, void (*sortieren)(CEditorDaten&)) {
    CWarteCursor warten(m_doc.GetDialoge());
    if (!alle) {
        sortieren(*this);
        RenumberWortelemente();
        Refresh();
        return;
    }
    // Every category is loaded afresh from the file: what the carer changed
    // in the list shown must be there first. If it cannot be written, the
    // ordering waits rather than throw the changes away.
    if (!CommitWortelemente()) {
        Refresh();
        return;
    }
    const long gewesen = m_kategorie.GetIndex();
    CDatenbank* db = Db();
    if (db != nullptr && GotoFirstKategorie(m_kategorie)) {
        const std::size_t gesamt = db->GetKategorieCount();
        std::size_t erledigt = 0;
        do {
            if (m_pFortschritt != nullptr) {
                m_pFortschritt->Fortschritt(erledigt, gesamt, m_kategorie.GetName());
            }
            LoadWortelemente();
            sortieren(*this);
            RenumberWortelemente();
            CommitWortelemente();
            ++erledigt;
        } while (GotoNextKategorie(m_kategorie));
        if (m_pFortschritt != nullptr) m_pFortschritt->Fortschritt(gesamt, gesamt, "");
    }
    // Back to the category shown before, by its key: names need not be unique.
    if (!FindKategorieByIndex(m_kategorie, gewesen)) {
        FindKategorieByIndex(m_kategorie, kStartKategorie);
    }
    LoadWortelemente();
    Refresh();
}

void CEditorDaten::OrderAlphabetical(bool alle) { OrderAll(alle, &CEditorDaten::NachName); }

void CEditorDaten::OrderByUse(bool alle) { OrderAll(alle, &CEditorDaten::NachNutzung); }

void CEditorDaten::RestoreWortelementOrder() {
    CWarteCursor warten(m_doc.GetDialoge());
    AltePosSortieren(m_wortelemente);
    Refresh();
}

void CEditorDaten::RestoreEButtonOrder() {
    CWarteCursor warten(m_doc.GetDialoge());
    AltePosSortieren(m_eButtons);
    Refresh();
}

void CEditorDaten::RestoreFTasteOrder() {
    CWarteCursor warten(m_doc.GetDialoge());
    AltePosSortieren(m_fTasten);
    Refresh();
}

void CEditorDaten::SetWortelementStandard() { StandardSetzen(m_wortelemente); }

void CEditorDaten::SetEButtonStandard() { StandardSetzen(m_eButtons); }

void CEditorDaten::SetFTasteStandard() { StandardSetzen(m_fTasten); }

// --------------------------------------------------------------- user, paths, speech

CBenutzer& CEditorDaten::GetBenutzer() {
    CBenutzer* benutzer = m_doc.GetUser();
    return benutzer != nullptr ? *benutzer : m_keinBenutzer;
}

bool CEditorDaten::CommitBenutzer() {
    CDatenbank* db = Db();
    CBenutzer* benutzer = m_doc.GetUser();
    if (db == nullptr || benutzer == nullptr) return false;
    CWarteCursor warten(m_doc.GetDialoge());
    const bool ok = db->SaveBenutzer(*benutzer);
    m_doc.SetUserChanged(true);
    return ok;
}

CBedienung CEditorDaten::GetBedienung() const { return m_doc.GetBedienung(); }

bool CEditorDaten::CommitBedienung(const CBedienung& bedienung) {
    CDatenbank* db = Db();
    if (db == nullptr || m_doc.GetUser() == nullptr) return false;
    const bool ok = db->SaveBedienung(bedienung);
    m_doc.SetUserChanged(true);
    return ok;
}

bool CEditorDaten::CheckPasswort(const std::string& text) const {
    const CBenutzer* benutzer = m_doc.GetUser();
    return benutzer != nullptr && text == benutzer->GetPasswort();
}

std::string CEditorDaten::MakeRelativePath(const std::string& pfad) const {
    const std::string& basis = m_doc.GetBaseDir();
    // Only a path below the base directory is cut; the same letters further
    // inside a path say nothing about where the file is.
    if (basis.empty() || pfad.size() <= basis.size() || pfad.compare(0, basis.size(), basis) != 0) {
        return pfad;
    }
    std::string rest = pfad.substr(basis.size());
    // Stored as the files have always stored names, valid on every system.
    std::replace(rest.begin(), rest.end(), '/', '\\');
    return rest;
}

std::string CEditorDaten::ResolvePath(const std::string& pfad) const {
    return m_doc.ResolvePath(pfad);
}

std::string CEditorDaten::BildUebernehmen(const std::string& pfad) {
    namespace fs = std::filesystem;
    if (pfad.empty()) return {};
    const std::string relativ = MakeRelativePath(pfad);
    if (relativ != pfad || m_doc.GetBaseDir().empty()) return relativ;

    const fs::path quelle(pfad);
    const fs::path ordner = fs::path(m_doc.GetBaseDir()) / "bilder";
    const std::string stamm = quelle.stem().string();
    const std::string endung = quelle.extension().string();
    std::error_code ec;
    fs::create_directories(ordner, ec);
    for (int nummer = 1; !ec && nummer < 10000; ++nummer) {
        const std::string name =
            nummer == 1 ? stamm + endung : stamm + "-" + std::to_string(nummer) + endung;
        const fs::path ziel = ordner / name;
        if (fs::exists(ziel, ec)) {
            if (GleicherInhalt(quelle, ziel)) return "bilder\\" + name;
            continue;
        }
        if (fs::copy_file(quelle, ziel, fs::copy_options::none, ec)) return "bilder\\" + name;
    }
    m_doc.GetDialoge().ShowMessage("Das Bild \u201E" + pfad +
                                       "\u201C kann nicht in den Ordner des Benutzers kopiert "
                                       "werden. Bitte wählen Sie ein anderes Bild.",
                                   "Information", IDialoge::Symbol::Information);
    return {};
}

void CEditorDaten::Speak(const std::string& text) {
    // The document would take the empty text as "speak the sentence being
    // built" and store it in the user's memory.
    if (!text.empty()) m_doc.Speak(text);
}

void CEditorDaten::SetVoice(int speed, int pitch) { m_doc.SetVoice(speed, pitch); }
