#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "CBenutzer.h"
#include "CDatenbank.h"
#include "CEmotionsButton.h"
#include "CFunktionsTaste.h"
#include "CSatzglieder.h"
#include "CSicherung.h"
#include "CSofortLeser.h"
#include "CSpeicherung.h"
#include "CSprachausgabe.h"
#include "CVorschlaege.h"
#include "CWortButton.h"
#include "CWortelement.h"
#include "CWortvorhersage.h"

class IBenutzerAuswahl;
class IDialoge;
class ISagwerkBeobachter;
class ISprachEngine;
class IUhr;

// The running state of the program: the open user and
// that user's database, the element list the grid offers, the category
// history, the sentence being built (as shown and as spoken), person and
// tense, the suggestions with their selection, the three modes and the
// speech object.
//
// Owns the storage side (CSpeicherung: the user file, the sentences waiting
// for it, the backups and their notices), the user record, the element
// records and the speech object. The dialogs, the clock, the user selection and the
// observers are not owned and must outlive the document (observers may also
// be removed before).
//
// Errors: database failures are reported inside CDatenbank; the document
// carries on with what its lists then hold. Every operation is safe before a
// user is open (it then finds no rows).
class CSagwerkDoc {
public:
    // Positions of the two navigation buttons in ElementClicked.
    static constexpr int kStartseite = 10000;
    static constexpr int kLetzteKategorie = 10001;
    // Person value for "no person chosen".
    static constexpr int kKeinePerson = 8;
    static constexpr std::size_t kMaxHistory = 100;

    // With no engine, the program's choice is made (SprachWahl.h): espeak-ng,
    // or silence, said once through the dialogs.
    CSagwerkDoc(IDialoge& dialoge, const IUhr& uhr,
                std::unique_ptr<ISprachEngine> engine = nullptr);
    virtual ~CSagwerkDoc();
    CSagwerkDoc(const CSagwerkDoc&) = delete;
    CSagwerkDoc& operator=(const CSagwerkDoc&) = delete;

    // --- observers (UpdateAllViews) ---------------------------------------
    void AddObserver(ISagwerkBeobachter* beobachter);
    void RemoveObserver(ISagwerkBeobachter* beobachter);
    void UpdateAllViews();

    // --- running later on the document's thread ----------------------------------
    // How to run a function later on the thread that owns the document (the
    // GUI posts it to its event loop). Without it the document is told of
    // nothing that happens on other threads.
    using Nachreicher = CSpeicherung::Nachreicher;
    void SetNachreicher(Nachreicher nachreicher) {
        m_vorhersage.SetNachreicher(nachreicher);
        m_speicherung.SetNachreicher(std::move(nachreicher));
    }
    // Options for the user files opened from now on (tests make them small).
    // Sentences and use counts are always written in the background.
    void SetDatenbankOptionen(const CDatenbank::Optionen& optionen) {
        m_speicherung.SetDatenbankOptionen(optionen);
    }

    // --- opening a user ----------------------------------------
    // The seam OpenUser() asks for the chosen file name.
    void SetBenutzerAuswahl(IBenutzerAuswahl* auswahl) { m_pAuswahl = auswahl; }
    // Asks the user selection for a file and opens it. False when there is no
    // selection seam, nobody was chosen, or the file did not open or held no
    // user row; the document is then still marked open (as the old program
    // did), shows nothing and holds no file (GetDatabase() is null).
    bool OpenUser();
    // Opens the named database file (relative to the current directory or
    // absolute) as the user selection would.
    bool OpenUser(const std::string& datei);

    // The user file last chosen (also when it did not open); empty before.
    const std::string& GetUserFile() const { return m_speicherung.GetDatei(); }

    // --- damage and backups ------------------------------------------------
    // Once a day, when the user file has passed its check, a backup of it is
    // made in the background (CSicherung). The program calls this now and
    // then; it tries at most once a day.
    void Sichern() { m_speicherung.Sichern(); }
    // The program makes backups; tools and tests that look into a user file
    // leave it off (the default).
    void SetTaeglicheSicherung(bool an) { m_speicherung.SetTaeglicheSicherung(an); }
    // Waits for a backup being made; for tests and tools.
    void WaitForBackup() { m_speicherung.WaitForBackup(); }
    // Replaces the user file with the backup and opens it again; the
    // sentences waiting meanwhile are then written into it. The replaced
    // file is kept beside the backups. False, with the German reason, when
    // the backup could not be put in place (the user file is then opened
    // as it was).
    bool RestoreBackup(const CSicherung::Eintrag& sicherung, std::string& fehler);

    // --- element list and history ------------------------------------------
    void LoadElements(bool verbsOnly);
    const CWortButton* GetFirstElement();
    const CWortButton* GetNextElement();
    int GetElementCount() const { return static_cast<int>(m_elements.size()); }
    void PushCategory();
    // 0 when the history is empty.
    int PopCategory();
    const std::vector<std::uint16_t>& GetHistory() const { return m_history; }
    int GetCategory() const { return m_nCategory; }

    // --- emotions and function keys ----------------------------------------
    bool FirstEmotion(CEmotionsButton& button);
    bool NextEmotion(CEmotionsButton& button);
    int CountEmotions();
    bool FirstFunctionKey(CFunktionsTaste& taste);
    bool NextFunctionKey(CFunktionsTaste& taste);

    // --- pictures ------------------------------------------------------------
    // "" stays ""; a name with a drive letter ("C:...") or an absolute path of
    // this platform is kept; anything else is put after the base directory.
    // Backslashes become the platform's separator.
    std::string ResolvePath(const std::string& datei) const;
    const std::string& GetBaseDir() const { return m_strBaseDir; }

    // --- sentence building ----------------------------------------
    // 0-based position in the element list, kStartseite or kLetzteKategorie.
    void ElementClicked(int position);
    void FunctionCode(int code);
    // One character: '<' erases one character, ' ' ends a word.
    void KeyTyped(char32_t zeichen);
    // The same, for a UTF-8 text of exactly one code point; anything else is
    // ignored.
    void KeyTyped(std::string_view zeichen);
    // pos: the emotion's Pos (1-based).
    void EmotionClicked(int pos);
    // A non-empty text is spoken as it is (the editor's voice test); the empty
    // text speaks the selected suggestion, or speaks the sentence and then
    // stores it. Speaking comes first, always: a sentence the user file
    // cannot take now waits (CSatzWarteschlange), said once in a notice.
    void Speak(const std::string& text = {});
    // Takes over what the background writer stored and hands it what waits;
    // true when no sentence waits any more. The program calls it now and then.
    // A user file that was held by another program at the open is opened
    // now, if it is free.
    bool Nachholen();
    bool WartetAufDatei() const { return m_speicherung.WartetAufDatei(); }
    // The user file is too damaged to read its user (said in a notice).
    bool IstDateiBeschaedigt() const { return m_speicherung.IstBeschaedigt(); }
    bool HatWartendeSaetze() const { return m_speicherung.HatWartende(); }
    // Waits until every sentence said so far has been tried by the
    // background writer (those that failed before once more) and the use
    // counts are in the file, and takes the results over. For tests and
    // tools that read the file.
    void WaitForWriter() { m_speicherung.WaitForWriter(); }
    // History mode lists the stored sentences a page at a time, so that it
    // opens at once however many there are. True when more can be fetched.
    bool HasMoreHistory() const { return m_bHistoryMode && m_vorschlaege.HatMehr(); }
    // Appends the next page of the history to the suggestions; false when
    // there was nothing more. Does not notify the views: the caller is the
    // list that asked for it.
    bool FetchMoreHistory();
    static constexpr std::size_t kHistorySeite = CVorschlaege::kSeite;
    // The list holds at most this many sentences (see CVorschlaege).
    static constexpr std::size_t kHistoryFenster = CVorschlaege::kFenster;
    bool HasEarlierHistory() const { return m_bHistoryMode && m_vorschlaege.HatDavor(); }
    // Puts the page before the first sentence held in front of the list;
    // false when there was nothing before. Does not notify the views.
    bool FetchEarlierHistory();
    // Where the first sentence held stands, counted from a fixed point:
    // grows by the rows dropped above, shrinks by the rows put in front.
    long long GetHistoryOffset() const { return m_vorschlaege.GetAnfang(); }
    void SelectNext();
    void SelectPrevious();
    void SetSelection(int index);
    std::string GetSentence() const;
    std::string GetSpokenSentence() const;
    void SetVoice(int speed, int pitch);

    // --- word prediction ---------------------------------------------------
    // Learned from the user file in the background while it opens (the
    // base lexicon answers meanwhile) and from every sentence said. With
    // the user's setting off (CBedienung::wortvorhersage) nothing is offered.
    //
    // The keyboard's row: completions of the word being typed, or after a
    // blank the likely next words, with their capitals.
    const std::vector<std::string>& GetWortvorschlaege();
    // Takes word i of that row: it replaces the letters typed of the last
    // word and is followed by a blank.
    void WortvorschlagGewaehlt(std::size_t i);
    // The grid's row: the user's word elements most likely next, a verb in
    // the form a click would take now (also as its caption).
    struct CRasterVorschlag {
        long element = 0;
        std::string anzeige;
        std::string bild;  // the element's picture as stored
    };
    const std::vector<CRasterVorschlag>& GetRasterVorschlaege();
    // The elements the grid shows now (by Index): the row offers none of
    // them, nor another element of the same word, since a click on the grid
    // costs the same. Set by the view whenever its page changes.
    void SetSichtbar(std::vector<long> elemente);
    // Takes element i of that row, exactly as a click on it in the grid.
    void RasterVorschlagGewaehlt(std::size_t i);
    bool IsWortvorhersage() const { return m_bedienung.wortvorhersage; }
    // Waits until the model of the whole memory answers; for tests and tools.
    void WaitForPrediction();
    bool IsPredictionComplete() const { return m_vorhersage.IsVollstaendig(); }

    // --- handshake flags and state for the views ------------------------------
    void SetUserChanged(bool changed);
    bool IsUserChanged() const { return m_bUserChanged; }
    bool IsElementsChanged() const { return m_bElementsChanged; }
    void SetElementsChanged(bool changed) { m_bElementsChanged = changed; }
    bool IsUserOpen() const { return m_bUserOpen; }
    bool IsKeyboard() const { return m_bKeyboard; }
    bool IsHistoryMode() const { return m_bHistoryMode; }
    bool IsVerbList() const { return m_bVerbList; }
    int GetColumns() const { return m_nColumns; }
    // How the person operates the screen, as read with the user.
    const CBedienung& GetBedienung() const { return m_bedienung; }
    int GetRows() const { return m_nRows; }
    int GetPerson() const { return m_nPerson; }
    int GetTense() const { return m_nTense; }
    // The article, plural and case latches (function codes 30-33).
    const CSatzglieder& GetSatzglieder() const { return m_glieder; }
    int GetSelection() const { return m_vorschlaege.GetAuswahl(); }
    const std::vector<std::string>& GetSuggestions() const { return m_vorschlaege.GetGezeigt(); }
    const std::vector<std::string>& GetSuggestionsSpoken() const {
        return m_vorschlaege.GetGesprochen();
    }
    const std::vector<std::string>& GetShownWords() const { return m_shownWords; }
    const std::vector<std::string>& GetSpokenWords() const { return m_spokenWords; }
    // Vorname and Name of the open user; empty before.
    const std::string& GetTitle() const { return m_strTitle; }

    // The owned objects, for the editor model. Null before a user is open.
    CBenutzer* GetUser() { return m_pUser.get(); }
    const CBenutzer* GetUser() const { return m_pUser.get(); }
    CDatenbank* GetDatabase() { return m_speicherung.GetDatabase(); }
    CSprachausgabe& GetSpeech() { return *m_pSpeech; }
    IDialoge& GetDialoge() { return m_dialoge; }
    // Hands the user's own pronunciations (the phonetic texts of the word
    // elements) to the speech object, so that a typed word sounds as its
    // button does. Done when a user opens and after the editor.
    void LoadAussprachen();
    // The sentences the carer removed from the memory since the last call:
    // the word prediction forgets them, the suggestions are made anew.
    // Done after the editor.
    void SaetzeVergessen();
    const IUhr& GetUhr() const { return m_uhr; }

private:
    void RefreshSuggestions();
    // A big memory's index has become ready: the sentence built meanwhile
    // gets its suggestions now, not only with the next click.
    void IndexGeladen();
    // The open file, null when none is open.
    CDatenbank* Offen();
    void DeleteLastWord();
    std::string PersonWord(int code);
    void ReadUser();
    // The form slot a verb click takes now, -1 without a person chosen.
    int Verbform() const;
    // Reads an element for a click (`vorher`: as read before, for a file
    // held this moment); false when its row has gone.
    bool ElementLesen(long index, const CWortelement* vorher, CWortelement& element);
    // Adds a word or verb element to the sentence.
    void ElementAnhaengen(const CWortelement& element);
    void VorhersageNeu();

    IDialoge& m_dialoge;
    const IUhr& m_uhr;
    IBenutzerAuswahl* m_pAuswahl = nullptr;
    std::vector<ISagwerkBeobachter*> m_beobachter;

    int m_nColumns = 0;
    int m_nRows = 0;
    std::vector<std::unique_ptr<CWortButton>> m_elements;
    std::vector<CWortelement> m_vollstaendig;  // the same elements, whole
    std::size_t m_posElement = 0;
    int m_nCategory = 1;
    std::vector<std::uint16_t> m_history;
    std::vector<std::string> m_shownWords;
    std::vector<std::string> m_spokenWords;
    int m_nPerson = kKeinePerson;
    int m_nTense = 0;
    CSatzglieder m_glieder;
    bool m_bElementsChanged = false;
    bool m_bKeyboard = false;
    bool m_bHistoryMode = false;
    bool m_bVerbList = false;
    bool m_bUserOpen = false;
    bool m_bUserChanged = true;
    std::unique_ptr<CBenutzer> m_pUser;
    CBedienung m_bedienung;
    std::unique_ptr<CSprachausgabe> m_pSpeech;
    std::string m_strBaseDir;
    std::string m_strTitle;
    CSofortLeser m_sofort;
    // Declared last: they go first, and the storage's threads end while
    // everything they call on is there.
    CSpeicherung m_speicherung{m_dialoge, m_uhr};
    CVorschlaege m_vorschlaege{m_speicherung};
    CWortvorhersage m_vorhersage{m_dialoge};
    // The rows as last worked out, for the sentence and the model's state.
    std::vector<std::string> m_wortvorschlaege;
    std::vector<CRasterVorschlag> m_rastervorschlaege;
    std::vector<long> m_sichtbar;  // sorted
    std::string m_strWortvorschlaegeFuer, m_strRastervorschlaegeFuer;
    std::uint64_t m_nWortvorschlaegeStand = 0, m_nRastervorschlaegeStand = 0;
};
