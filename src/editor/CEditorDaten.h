#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "CBedienung.h"
#include "CDatenbank.h"
#include "CBenutzer.h"
#include "CEmotionsButton.h"
#include "CFunktionsTaste.h"
#include "CKategorie.h"
#include "CWortelement.h"

class CNomenformen;

class CSagwerkDoc;
class IEditorAnsicht;
class IFortschritt;

// Everything the carer's editor works on while it is open: the word elements
// of one category, all emotion buttons, all function buttons, the category
// being edited and, for each kind, the record the carer has selected.
//
// The pages change the records in memory and ask the model to create,
// delete, move, select, order and commit them; the model reads and writes
// the user file only through the document's CDatenbank. After each change
// the page in front must show, the model calls RefreshPage of its view.
//
// Owns the three lists and the current-category record. The document, the
// view and the progress receiver are not owned; the document must outlive
// the model, the other two may be replaced or cleared at any time.
//
// Records created here carry negative temporary indexes (-1, -2, ...) until
// they are committed; a commit inserts them and writes the new key back into
// the record, so that a record changed and committed again reaches the same
// row. Every record has a changed flag: only flagged records are written.
//
// Errors: database failures are reported inside CDatenbank. A commit of a
// list is one transaction: when any part of it fails, none of it reaches the
// file, the records stay as they were (flags and temporary indexes too) and
// the commit returns false, so a later commit can try again. A load that
// fails keeps what was read before the failure. Without an open user file
// every operation finds nothing and writes nothing.
class CEditorDaten {
public:
    // The noun dictionary behind the word page's "Formen vorschlagen"
    // (nomen.txt among the program's data), read on first use and kept for
    // the program's run; null with the German reason when it cannot be read.
    static const CNomenformen* GetNomenformen(std::string& fehler);

    // Loads the start category (Index 1), its elements, the emotion buttons
    // and the function buttons. Nothing is current, nothing is refreshed.
    explicit CEditorDaten(CSagwerkDoc& doc);
    virtual ~CEditorDaten();
    CEditorDaten(const CEditorDaten&) = delete;
    CEditorDaten& operator=(const CEditorDaten&) = delete;

    static constexpr long kStartKategorie = 1;

    void SetEditorView(IEditorAnsicht* ansicht) { m_pAnsicht = ansicht; }
    // Receives the progress of the orderings of all categories.
    void SetFortschritt(IFortschritt* fortschritt) { m_pFortschritt = fortschritt; }

    // --- word elements of the current category ------------------------------
    void LoadWortelemente();
    void ClearWortelemente();
    CWortelement* GetFirstWortelement();
    CWortelement* GetNextWortelement();
    std::size_t GetWortelementCount() const { return m_wortelemente.size(); }
    // The first record in list order with that Index; null when none has it.
    CWortelement* FindWortelement(long index);
    CWortelement* GetCurrentWortelement() { return m_pWortelement; }
    void SelectWortelement(long index);
    // art: CWortelement::Verb, Link or Wort.
    void NewWortelement(long art);
    // Deletes the current element's row at once; an element whose row could
    // not be deleted (reported) stays current.
    void RemoveWortelement();
    void MoveWortelement(bool up);
    void RenumberWortelemente();
    bool CommitWortelemente();

    // --- categories -------------------------------------------------------------
    // The file's category list has one cursor; the record passed receives the
    // category read. Pages pass records of their own to list the categories.
    bool GotoFirstKategorie(CKategorie& kategorie);
    bool GotoNextKategorie(CKategorie& kategorie);
    // Exact comparison; on false the record holds the last category read.
    bool FindKategorieByName(CKategorie& kategorie, const std::string& name);
    bool FindKategorieByIndex(CKategorie& kategorie, long index);
    CKategorie& GetKategorie() { return m_kategorie; }
    // The first category with that name, or the start category when none
    // has it; its elements are loaded and no element is current. The list
    // shown before is committed first; when that fails, nothing changes and
    // the result is false.
    bool SelectKategorie(const std::string& name);
    // Stores a new category and makes that one current (also when another
    // category has the same name). Commits the list first, as above. False
    // when the category could not be stored.
    bool NewKategorie(const std::string& name);
    // Writes the current category's name; false, writing nothing, for the
    // empty name.
    bool CommitKategorie();
    // The elements of any category that are links to that category.
    std::vector<long> LinksZu(long kategorie);
    // Deletes the current category when it has no elements and is not the
    // start category, and with it every link that leads there, in one
    // transaction; the first category then becomes current. False, with
    // nothing changed, otherwise or when the delete failed (reported).
    bool RemoveKategorie();
    bool IsStartKategorie() const { return m_kategorie.GetIndex() == kStartKategorie; }

    // --- emotion buttons (all, Pos order) -------------------------------------
    void LoadEButtons();
    void ClearEButtons();
    CEmotionsButton* GetFirstEButton();
    CEmotionsButton* GetNextEButton();
    std::size_t GetEButtonCount() const { return m_eButtons.size(); }
    CEmotionsButton* GetCurrentEButton() { return m_pEButton; }
    // By 0-based place in the list; none when out of range.
    void SelectEButton(int position);
    void NewEButton();
    void RemoveEButton();
    void MoveEButton(bool up);
    void RenumberEButtons();
    bool CommitEButtons();

    // --- function buttons (all, Pos order; never created or deleted here) -------
    void LoadFTasten();
    void ClearFTasten();
    CFunktionsTaste* GetFirstFTaste();
    CFunktionsTaste* GetNextFTaste();
    std::size_t GetFTasteCount() const { return m_fTasten.size(); }
    CFunktionsTaste* GetCurrentFTaste() { return m_pFTaste; }
    void SelectFTaste(int position);
    void MoveFTaste(bool up);
    void RenumberFTasten();
    bool CommitFTasten();

    // --- orderings --------------------------------------------------------------
    // alle = false: the current category's list in memory, written with its
    // next commit. alle = true: every category in turn, each loaded, ordered
    // and committed in a transaction of its own; the current category's
    // changes are committed first, and it is current again afterwards.
    void OrderAlphabetical(bool alle);
    void OrderByUse(bool alle);
    void RestoreWortelementOrder();
    void RestoreEButtonOrder();
    void RestoreFTasteOrder();
    void SetWortelementStandard();
    void SetEButtonStandard();
    void SetFTasteStandard();

    // --- user, paths, speech ------------------------------------------------------
    // The document's user record; an empty one when no user is open.
    CBenutzer& GetBenutzer();
    bool CommitBenutzer();
    // How the person operates the screen; written at once, and the screen
    // takes it when the editor is left.
    CBedienung GetBedienung() const;
    bool CommitBedienung(const CBedienung& bedienung);
    // Exact, case-sensitive; false when no user is open.
    bool CheckPasswort(const std::string& text) const;
    // A path below the document's base directory loses that directory and
    // is given in the stored form (backslashes); any other path is kept.
    std::string MakeRelativePath(const std::string& pfad) const;
    std::string ResolvePath(const std::string& pfad) const;
    // A picture file the carer chose, as the user file stores it. A file
    // below the base directory keeps its place (MakeRelativePath); any other
    // is first copied into the folder "bilder" there, so that the user's
    // folder stays complete when it is copied or restored. The copy never
    // overwrites another picture: an identical file of that name is used as
    // it is, a different one makes the name "name-2.ext", "name-3.ext", ...
    // Empty, with a German message, when the file cannot be copied.
    std::string BildUebernehmen(const std::string& pfad);

    // The sentence memory (CDatenbank::SaetzeFinden, SaetzeEntfernen): a
    // removal is its own transaction, written at once.
    bool SaetzeFinden(const std::string& text, std::size_t hoechstens,
                      std::vector<CDatenbank::CGesagterSatz>& saetze);
    bool SaetzeEntfernen(const std::vector<std::int64_t>& nummern);
    // Every picture the user's elements and buttons show, full path, with
    // the caption it is shown under; each picture once.
    std::vector<std::pair<std::string, std::string>> EigeneBilder();
    // Speaks the text as it is; the empty text says nothing.
    void Speak(const std::string& text);
    void SetVoice(int speed, int pitch);

private:
    // The elements of every category, in category and Pos order.
    std::vector<CWortelement> AlleWortelemente();
    CDatenbank* Db();
    void Refresh();
    void OrderAll(bool alle, void (*sortieren)(CEditorDaten&));
    static void NachName(CEditorDaten& daten);
    static void NachNutzung(CEditorDaten& daten);
    template <class Record, class Save>
    bool Commit(std::vector<std::unique_ptr<Record>>& liste, Save save);

    CSagwerkDoc& m_doc;
    IEditorAnsicht* m_pAnsicht = nullptr;
    IFortschritt* m_pFortschritt = nullptr;

    std::vector<std::unique_ptr<CWortelement>> m_wortelemente;
    std::size_t m_nWortCursor = 0;
    std::vector<std::unique_ptr<CEmotionsButton>> m_eButtons;
    std::size_t m_nEButtonCursor = 0;
    std::vector<std::unique_ptr<CFunktionsTaste>> m_fTasten;
    std::size_t m_nFTasteCursor = 0;
    CKategorie m_kategorie;
    CWortelement* m_pWortelement = nullptr;
    CEmotionsButton* m_pEButton = nullptr;
    CFunktionsTaste* m_pFTaste = nullptr;
    long m_nNaechsterWortIndex = -1;
    long m_nNaechsterEButtonIndex = -1;
    CBenutzer m_keinBenutzer;
};
