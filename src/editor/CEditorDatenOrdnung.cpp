// The editor model: ordering the lists (by name, by use, as before) and
// making an order the standard one.

#include "CEditorDaten.h"

#include "CSagwerkDoc.h"
#include "EditorListen.h"
#include "IDialoge.h"
#include "IFortschritt.h"
#include "IUhr.h"
#include "Reihenfolge.h"

using namespace editorlisten;

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
