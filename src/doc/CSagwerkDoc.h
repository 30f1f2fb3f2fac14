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
#include "CSatzSchreiber.h"
#include "CSatzWarteschlange.h"
#include "CSicherung.h"
#include "CTaeglicheSicherung.h"
#include "CSprachausgabe.h"
#include "CWortButton.h"
#include "CWortelement.h"

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
// Owns the CDatenbank object, the user record, the element records and the
// speech object. The dialogs, the clock, the user selection and the
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
    using Nachreicher = std::function<void(std::function<void()>)>;
    void SetNachreicher(Nachreicher nachreicher) { m_nachreicher = std::move(nachreicher); }
    // Options for the user files opened from now on (tests make them small).
    void SetDatenbankOptionen(const CDatenbank::Optionen& optionen) { m_optionen = optionen; }

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
    const std::string& GetUserFile() const { return m_strDatei; }

    // --- damage and backups ------------------------------------------------
    // Once a day, when the user file has passed its check, a backup of it is
    // made in the background (CSicherung). The program calls this now and
    // then; it tries at most once a day.
    void Sichern();
    // The program makes backups; tools and tests that look into a user file
    // leave it off (the default).
    void SetTaeglicheSicherung(bool an) { m_bSichern = an; }
    // Waits for a backup being made; for tests and tools.
    void WaitForBackup() { m_sicherung.Warten(); }
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
    // Writes the waiting sentences, if the file takes them now; true when
    // none waits any more. The program calls it now and then.
    bool Nachholen();
    bool HatWartendeSaetze() const { return !m_warteschlange.IsLeer(); }
    // With the background writer (CDatenbank::Optionen::imHintergrundSchreiben):
    // waits until every sentence said so far has been tried, and takes the
    // results over. For tests and tools.
    void WaitForWriter();
    // History mode lists the stored sentences a page at a time, so that it
    // opens at once however many there are. True when more can be fetched.
    bool HasMoreHistory() const { return m_bHistoryMode && m_bMehrVerlauf; }
    // Appends the next page of the history to the suggestions; false when
    // there was nothing more. Does not notify the views: the caller is the
    // list that asked for it.
    bool FetchMoreHistory();
    static constexpr std::size_t kHistorySeite = 200;
    // The list holds at most this many sentences: scrolled on, it drops
    // pages above, scrolled back up, it fetches them again (and drops
    // pages below), so memory stays the same at any depth.
    static constexpr std::size_t kHistoryFenster = 10 * kHistorySeite;
    bool HasEarlierHistory() const { return m_bHistoryMode && m_bVerlaufDavor; }
    // Puts the page before the first sentence held in front of the list;
    // false when there was nothing before. Does not notify the views.
    bool FetchEarlierHistory();
    // Where the first sentence held stands, counted from a fixed point:
    // grows by the rows dropped above, shrinks by the rows put in front.
    long long GetHistoryOffset() const { return m_nVerlaufAnfang; }
    void SelectNext();
    void SelectPrevious();
    void SetSelection(int index);
    std::string GetSentence() const;
    std::string GetSpokenSentence() const;
    void SetVoice(int speed, int pitch);

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
    int GetSelection() const { return m_nSelection; }
    const std::vector<std::string>& GetSuggestions() const { return m_suggestShown; }
    const std::vector<std::string>& GetSuggestionsSpoken() const { return m_suggestSpoken; }
    const std::vector<std::string>& GetShownWords() const { return m_shownWords; }
    const std::vector<std::string>& GetSpokenWords() const { return m_spokenWords; }
    // Vorname and Name of the open user; empty before.
    const std::string& GetTitle() const { return m_strTitle; }

    // The owned objects, for the editor model. Null before a user is open.
    CBenutzer* GetUser() { return m_pUser.get(); }
    const CBenutzer* GetUser() const { return m_pUser.get(); }
    CDatenbank* GetDatabase() { return m_pDatabase.get(); }
    CSprachausgabe& GetSpeech() { return *m_pSpeech; }
    IDialoge& GetDialoge() { return m_dialoge; }
    const IUhr& GetUhr() const { return m_uhr; }

private:
    void RefreshSuggestions();
    // Sentences waiting for the file are suggested like stored ones.
    void MitWartenden(const std::string& satz);
    static constexpr std::size_t kVorschlaege = 10;
    // A big memory's index has become ready: the sentence built meanwhile
    // gets its suggestions now, not only with the next click.
    void IndexGeladen();
    void WarteHinweis(const std::string& fehler);
    // The file's check is done: a sound file takes the waiting sentences and
    // gets its backup, a damaged one is said to be damaged.
    void PruefungFertig();
    void SicherungFertig(const CTaeglicheSicherung::Ergebnis& ergebnis);
    // The background writer: hands it what waits, takes its results over.
    void Uebergeben();
    void Abholen();
    void SchreiberBeenden();
    void SchadenHinweis();
    // Hands a function over to the document's thread (dropped when the
    // document has gone); false without a Nachreicher.
    bool Nachreichen(std::function<void()> aufgabe);
    void DeleteLastWord();
    std::string PersonWord(int code);
    void ReadUser();

    IDialoge& m_dialoge;
    const IUhr& m_uhr;
    IBenutzerAuswahl* m_pAuswahl = nullptr;
    Nachreicher m_nachreicher;
    CSatzWarteschlange m_warteschlange;
    std::string m_strDatei;
    std::string m_strSicherungVersucht;  // the day of the last backup tried
    bool m_bSichern = false;
    bool m_bSchadenHinweis = false;      // the damage notice is given
    // Stopped first thing in the destructor: its thread calls back.
    CTaeglicheSicherung m_sicherung;
    // Stores the sentences said in the background; of the waiting queue the
    // first m_nUebergeben are handed to it.
    std::unique_ptr<CSatzSchreiber> m_pSchreiber;
    std::size_t m_nUebergeben = 0;
    bool m_bWarteHinweis = false;  // the notice about waiting sentences is given
    CDatenbank::Optionen m_optionen;
    // Expires with the document: news handed over from another thread that
    // arrives after the document has gone is dropped.
    std::shared_ptr<bool> m_pLebt = std::make_shared<bool>(true);
    std::vector<ISagwerkBeobachter*> m_beobachter;

    int m_nColumns = 0;
    int m_nRows = 0;
    std::unique_ptr<CDatenbank> m_pDatabase;
    std::vector<std::unique_ptr<CWortButton>> m_elements;
    std::vector<CWortelement> m_vollstaendig;  // the same elements, whole
    std::size_t m_posElement = 0;
    int m_nCategory = 1;
    std::vector<std::uint16_t> m_history;
    std::vector<std::string> m_shownWords;
    std::vector<std::string> m_spokenWords;
    std::vector<std::string> m_suggestShown;
    std::vector<std::string> m_suggestSpoken;
    int m_nSelection = -1;
    int m_nPerson = kKeinePerson;
    int m_nTense = 0;
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
    void VerlaufKuerzen(std::size_t n, bool vorne);
    std::string m_strVerlaufNach;  // key of the last history entry fetched
    bool m_bMehrVerlauf = false;
    bool m_bVerlaufDavor = false;  // sentences before the window
    std::vector<std::string> m_verlaufSchluessel;  // key of each sentence held
    long long m_nVerlaufAnfang = 0;
    std::string m_strTitle;
};
