#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <unordered_map>
#include <vector>

#include "CBedienung.h"
#include "CBenutzer.h"
#include "CEmotionsButton.h"
#include "CFunktionsTaste.h"
#include "CKategorie.h"
#include "CSchema.h"
#include "CWortButton.h"
#include "CWortelement.h"

class CSatzIndex;
class CSperre;
class CZaehlerSchreiber;
class IDialoge;
class IUhr;
namespace SQLite {
class Database;
class Exception;
class Statement;
}  // namespace SQLite

// The one object through which a user's database file is read and written.
//
// Owns the open SQLite connection and one index list per list kind, each
// walked with its own cursor: First... reloads the list and reads its first
// entry, Next... steps (or jumps) and reads that entry; both return false when
// there is no such entry.
//
// Errors: no exception leaves this class. Every database error is reported
// through the dialogs interface (a German sentence with SQLite's own message
// behind it) and the operation returns false or returns early; the record it
// was filling may be partly filled. When the file could not be opened at
// construction, every later operation reports that and returns false.
//
// A write-protected file opens for reading; every explicit write then reports
// that the file is write-protected. The two counters kept on the side (the
// use count of an element taken, the user's last use) are skipped silently
// there, since opening the file has already said so.
class CDatenbank {
public:
    // Program's own mark in the file header and the schema version it writes.
    static constexpr int kApplicationId = 0x53475752;  // "SGWR"
    static constexpr int kSchemaVersion = CSchema::kVersion;

    struct Optionen {
        // How long an operation waits for another program holding the file.
        int wartezeitMs = 3000;
        // Up to this many stored sentences the suggestion index is built
        // while opening; above it on a thread of its own, so that a big
        // memory never delays the first screen.
        std::int64_t sofortLadenBis = 20000;
        // Called on the loader thread once a big memory's index is loaded
        // (or could not be): the owner may only hand work over to its own
        // thread from here, which then finds IsSentenceIndexReady true.
        std::function<void()> indexGeladen;
        // The program keeps a user file for itself: a second program on
        // the same file is told so and does not open it. Tools and tests
        // that look into a file beside the program leave it off.
        bool nurEinProgramm = false;
        // The plain suggestion statement gives up after this long (0: never;
        // for measuring it against the index).
        int statementFristMs = 500;
        // The file is checked when it is opened (PRAGMA integrity_check),
        // and nothing is written to it before the check has passed, nor ever
        // once it found damage. Files up to this size (about 4,000
        // sentences, some 30 ms) are checked while opening; bigger ones on a
        // thread of its own, so that the user can speak at once (sentences
        // said meanwhile wait, see StoreSentencesStill).
        bool pruefen = true;
        std::int64_t sofortPruefenBis = 2 << 20;
        // Called on the checker thread once a big file's check is done; the
        // same rule as for indexGeladen.
        std::function<void()> geprueft;
        // Use counts are written by a thread of their own (CZaehlerSchreiber),
        // so that no click waits for the disk. The document always turns it
        // on (and stores the sentences said on a thread of its own, see
        // CSatzSchreiber); tools that write a file directly leave it off.
        bool imHintergrundSchreiben = false;
        // Without the suggestion index (for an object that only writes).
        bool mitIndex = true;
        // How long StoreSentencesStill waits for another program: briefly on
        // the thread the person clicks on, longer in the background writer.
        int stillWartezeitMs = 100;
    };

    // Opens an existing user file; never creates one. The dialogs and the
    // clock must outlive this object.
    CDatenbank(const std::string& pfad, IDialoge& dialoge, const IUhr& uhr);
    CDatenbank(const std::string& pfad, IDialoge& dialoge, const IUhr& uhr, Optionen optionen);
    virtual ~CDatenbank();
    CDatenbank(const CDatenbank&) = delete;
    CDatenbank& operator=(const CDatenbank&) = delete;

    bool IsOpen() const { return m_pDb != nullptr; }
    // The file did not open because another program held it at that moment
    // (nothing was said): it opens once that program lets go.
    bool IsBelegt() const { return m_bBelegt; }
    // It did not open because another Sagwerk has it.
    bool IsAnderesSagwerk() const { return m_bAnderesSagwerk; }
    bool IsReadOnly() const { return m_bReadOnly; }
    const std::string& GetPath() const { return m_strPfad; }

    // The check at open. While it runs nothing is written; once it has found
    // damage (or SQLite reports damage later) nothing is written ever again,
    // and every write says why. IsDamaged and IsChecked take over the result
    // of a background check; call them on the object's own thread.
    bool IsChecked();
    bool IsDamaged();
    // SQLite's finding, for the message.
    const std::string& GetDamage() const { return m_strSchaden; }
    // Waits for a background check; for tools and tests (and for a carer's
    // change, which waits rather than fails).
    void WaitForCheck();
    // Waits until the use counts written in the background are in the file
    // (see Optionen::imHintergrundSchreiben); before counts are read or the
    // carer changes anything.
    void WaitForWrites();
    // Damage found elsewhere (the full check of a backup): from now on
    // nothing is written.
    void MarkDamaged(const std::string& befund);

    // Groups the saves and deletes that follow into one transaction, so that
    // they reach the file all together or not at all. False when the file
    // is not writable or another program holds it (reported); there is then
    // no transaction. Transactions do not nest, and the sentence memory is
    // not written inside one.
    bool BeginTransaction();
    // Commits when `uebernehmen` is set and no operation since the begin met
    // a database error; otherwise, or when the commit fails, everything since
    // the begin is undone. True exactly when it was committed. A save that
    // found no row (false without an error) does not stop the commit.
    bool EndTransaction(bool uebernehmen);
    // False once an operation inside the open transaction met an error.
    bool TransactionOk() const { return !m_bTransaktionFehler; }

    // The user row. LoadBenutzer also stamps LetzteNutzung with the clock.
    bool LoadBenutzer(CBenutzer& benutzer);
    bool SaveBenutzer(const CBenutzer& benutzer);
    // How the person operates the program. A file not brought up to the
    // schema with the table yet (before its check has passed, or
    // write-protected) gives the defaults. Saving brings the file up first.
    bool LoadBedienung(CBedienung& bedienung);
    bool SaveBedienung(const CBedienung& bedienung);

    // Reads one element; unless keineZaehlung is set, raises its stored
    // Anzahl by one (the record keeps the value read). False when there is no
    // such row; the record is then unchanged.
    bool LoadWortelement(CWortelement& element, long index, bool keineZaehlung);
    // The same for a click, which never waits: Belegt when the file is held
    // this moment (a commit of the background writer, another program); the
    // caller then takes what it read before. The count is raised unless the
    // row is gone.
    enum class Gelesen { Ja, Fehlt, Belegt };
    Gelesen LoadWortelementSofort(CWortelement& element, long index);
    // All elements of a category (or all verbs) in Pos order, in one read:
    // whole, and as the grid shows them.
    bool LoadWortelemente(long kategorie, bool nurVerben, std::vector<CWortelement>& elemente,
                          std::vector<CWortButton>& buttons);
    // The same, and the text of the function key with this code, for a
    // click, which never waits: Belegt (nothing read, nothing said) while
    // the file is held this moment; Fehlt when there is no such key.
    Gelesen LoadWortelementeSofort(long kategorie, bool nurVerben,
                                   std::vector<CWortelement>& elemente,
                                   std::vector<CWortButton>& buttons);
    Gelesen LoadFunktionstextSofort(int code, std::string& text);
    // The user's own pronunciations: the word of every element that has a
    // phonetic text (not a verb, not a link), with that text, in Index order.
    // A phonetic text that is empty or reads "NULL" is none.
    bool LoadAussprachen(std::vector<std::pair<std::string, std::string>>& paare);
    // Index 0 inserts a new row dated today and stores its new key in the
    // record, so that a second save of the same record reaches the same row.
    // Another index updates that row; false when it does not exist.
    bool SaveWortelement(CWortelement& element, long index);
    bool DeleteWortelement(long index);

    // Elements of a category in Pos order; category 0 means the current one.
    bool FirstWortButton(CWortButton& button, long kategorie);
    bool NextWortButton(CWortButton& button, bool springen = false, long position = 0);
    // All verbs in Pos order.
    bool FirstVerb(CWortButton& button);
    bool NextVerb(CWortButton& button);

    bool FirstFTaste(CFunktionsTaste& taste);
    bool NextFTaste(CFunktionsTaste& taste, bool springen = false, long position = 0);
    bool SaveFTaste(CFunktionsTaste& taste, long index);

    bool FirstEButton(CEmotionsButton& button);
    bool NextEButton(CEmotionsButton& button, bool springen = false, long position = 0);
    bool SaveEButton(CEmotionsButton& button, long index);
    bool DeleteEButton(long index);

    bool FirstKategorie(CKategorie& kategorie);
    bool NextKategorie(CKategorie& kategorie, bool springen = false, long position = 0);
    bool SaveKategorie(CKategorie& kategorie, long index);
    bool DeleteKategorie(long index);

    // Sentence memory. StoreSentence writes the sentence, its words and the
    // links between them in one transaction: after a crash the sentence is
    // there completely or not at all. A sentence already stored (compared
    // without regard to case) only has its Anzahl raised.
    bool StoreSentence(const std::string& satz, const std::string& psatz);
    // What storing a sentence changed, for the suggestion index of another
    // object on the same file (see TakeStored).
    struct Gespeichert {
        std::int64_t satznummer;
        std::uint32_t anzahl;
        std::vector<std::string> woerter;
        std::string satz, psatz;  // a new sentence's texts; empty for one stored before
    };
    // The same without a word to the user and without waiting long for
    // another program: false with a German reason in `fehler`, and nothing
    // of the batch is written. For the sentences the person has just said.
    // `gespeichert` gets what changed. `kennungen`: the sentences' numbers
    // in the waiting queue; a number the file took before is skipped (that
    // sentence is stored already), the others are recorded with the batch.
    bool StoreSentencesStill(const std::vector<std::pair<std::string, std::string>>& saetze,
                             std::string& fehler, std::vector<Gespeichert>* gespeichert = nullptr,
                             const std::vector<std::int64_t>* kennungen = nullptr);
    // Sentences another object (the background writer) stored in this file:
    // the suggestions know them from now on.
    void TakeStored(const std::vector<Gespeichert>& gespeichert);
    // A sentence of the memory as the carer sees it.
    struct CGesagterSatz {
        std::int64_t satznummer = 0;
        std::string satz;
        std::uint32_t anzahl = 0;
    };
    // Appends the stored sentences holding `text` (folded; the empty text:
    // all), in German alphabetical order, at most `hoechstens`.
    bool SaetzeFinden(const std::string& text, std::size_t hoechstens,
                      std::vector<CGesagterSatz>& saetze);
    // Removes the sentences with their links, and the words no other
    // sentence holds, in one transaction; they are never suggested again.
    // `entfernt` gets what was removed (for the word prediction to forget).
    // Errors through the dialogs, as for the editor's commits.
    bool SaetzeEntfernen(const std::vector<std::int64_t>& nummern,
                         std::vector<CGesagterSatz>& entfernt);
    // What SaetzeEntfernen removed since the last call.
    std::vector<CGesagterSatz> EntfernteAbholen();
    // Several sentences in one transaction, for imports and benchmarks.
    bool StoreSentences(const std::vector<std::pair<std::string, std::string>>& saetze);

    // Appends to both lists. A text with words: the at most ten stored
    // sentences sharing the most distinct words with it, best first; equal
    // counts by Anzahl, then the more recently stored first. The empty text:
    // every stored sentence in alphabetical order. Blanks only: nothing.
    //
    // Answers come from the in-memory index. While a big memory's index is
    // still being loaded, a text with words gets no suggestions rather than
    // a slow answer; if the index cannot be built, the statement answers.
    bool SuggestSentences(std::vector<std::string>& saetze, std::vector<std::string>& psaetze,
                          const std::string& text);
    // The same answer from one SQL statement, without the index. Bounded:
    // the first 32 distinct words count, and after half a second (see
    // Optionen) it gives up with no suggestions, never an error.
    bool SuggestSentencesByStatement(std::vector<std::string>& saetze,
                                     std::vector<std::string>& psaetze, const std::string& text);
    // True once suggestions come from the index.
    bool IsSentenceIndexReady();
    // Waits until the index is loaded (or has failed); for tools and tests.
    void WaitForSentenceIndex();
    // Bytes the index holds; 0 before it is ready.
    std::size_t SentenceIndexBytes();

    // One entry of the list of all sentences, with the key it is sorted by.
    struct Satz {
        std::string satz;
        std::string psatz;
        std::string schluessel;
    };
    // Up to `anzahl` sentences in German alphabetical order (ä filed under
    // a, ß as ss; see DeutscheOrdnung) after the one with the key `nach`
    // (from the start for the empty key). Reads only what is
    // asked for, so the list of all sentences opens at once at any size.
    bool ListSentences(const std::string& nach, std::size_t anzahl, std::vector<Satz>& saetze);
    // The `anzahl` sentences just before the one with the key `vor`, in the
    // same order (the list of all sentences scrolled back up).
    bool ListSentencesBefore(const std::string& vor, std::size_t anzahl,
                             std::vector<Satz>& saetze);
    // Number of stored sentences.
    long long CountSentences();
    // Cuts the first word (a run of characters other than the blank) off the
    // text; the empty word once the text holds no further word.
    static std::string NextWord(std::string& text);
    // The distinct words of a text, folded as the sentence memory compares
    // them, in their order.
    static std::vector<std::string> Woerter(const std::string& text);
    // How many of a text's first distinct words count for the suggestions:
    // no sentence is built of more, and a pasted page must not cost more.
    static constexpr std::size_t kHoechstensWoerter = 32;
    // The SQL expression that gives the German sort key of a folded text
    // (the column SatzSuche, or a parameter).
    static std::string DeutscheOrdnung(const std::string& ausdruck);

    // Cursor state, for the callers that walk a list and for tests.
    long GetCurrentCategory() const { return m_nKategorie; }
    long GetWordCursor() const { return m_nWortCursor; }
    std::size_t GetWordCount() const { return m_wortListe.size(); }
    std::size_t GetFTastenCount() const { return m_funktionsListe.size(); }
    std::size_t GetEButtonCount() const { return m_emotionsListe.size(); }
    std::size_t GetKategorieCount() const { return m_kategorieListe.size(); }
    std::size_t GetVerbCount() const { return m_verbListe.size(); }

private:
    using Offen = Gespeichert;

    void Oeffnen();
    void Zaehlen(long index);
    void PruefungStarten();
    void PruefungUebernehmen();
    void NachDerPruefung();
    // Whether a write may touch the file now (the two quiet counters).
    bool SchreibenErlaubt();
    void IndexStarten();
    void IndexUebernehmen();
    void IndexNachtragen(const Offen& aenderung);
    bool Speichern(const std::string& satz, const std::string& psatz, Offen& aenderung);
    bool SuggestByStatement(std::vector<std::string>& saetze, std::vector<std::string>& psaetze,
                            const std::string& text);
    bool SaetzeNeben(const std::string& schluessel, std::size_t anzahl, bool danach,
                     std::vector<Satz>& saetze);
    bool Bereit();
    bool Schreibbar();
    void Melden(const SQLite::Exception& fehler);
    // Damage SQLite reports while the file is in use ends all writing, too.
    // True when it was damage.
    bool SchadenBemerken(const SQLite::Exception& fehler);
    // The connection's prepared statement for the text, prepared on first
    // use. Callers reset it when done (CZuruecksetzen), so no read stays open.
    SQLite::Statement& Anweisung(const std::string& sql);
    template <class F>
    bool Geschuetzt(F&& aktion);
    // The rows of a category (or all verbs), whole and as buttons; throws.
    bool KategorieLesen(long kategorie, bool nurVerben, std::vector<CWortelement>& elemente,
                        std::vector<CWortButton>& buttons);
    // The noun forms (table Nomen, from version 5 on) ride with every read of
    // an element: the statement for the rows `wo` selects, joined with them
    // where the file has the table (CDatenbankNomen.cpp).
    std::string ElementAbfrage(const char* wo) const;
    void NomenLesen(SQLite::Statement& abfrage, CWortelement& element) const;
    void NomenSpeichern(const CWortelement& element, long index);
    void NomenLoeschen(long index);
    // Runs a read that must not wait for another program (see Gelesen).
    template <class Lesen>
    Gelesen Sofort(Lesen&& lesen);

    bool LadeListe(std::vector<long>& liste, const char* sql, long parameter, bool mitParameter);
    template <class Record, class Lesen>
    bool Schritt(const std::vector<long>& liste, long& cursor, bool springen, long position,
                 const char* sql, Record& record, Lesen lesen);

    std::string m_strPfad;
    // The file SQLite reads: the user file, or a private copy of it (see
    // Oeffnen), which goes with this object.
    std::string m_strLesePfad;
    std::string m_strKopie;
    IDialoge& m_dialoge;
    const IUhr& m_uhr;
    Optionen m_optionen;
    std::unique_ptr<CSperre> m_pSperre;  // held as long as the file is open
    std::unique_ptr<CZaehlerSchreiber> m_pZaehler;
    std::unique_ptr<SQLite::Database> m_pDb;
    // Declared after the connection: the statements go first.
    std::unordered_map<std::string, std::unique_ptr<SQLite::Statement>> m_anweisungen;
    bool m_bReadOnly = false;
    bool m_bBelegt = false;
    bool m_bAnderesSagwerk = false;
    int m_nSchema = 0;  // the file's version as opened or brought up
    // Brings an older file up to the schema; false when it could not now.
    bool SchemaAktualisieren(bool warten);
    bool m_bTransaktion = false;
    bool m_bTransaktionFehler = false;

    // Suggestion index: used by this object's thread only. The loader
    // thread hands its result over through m_pGeladen; sentences stored
    // meanwhile wait in m_offen and are added when it is taken over.
    std::unique_ptr<CSatzIndex> m_pIndex;
    std::thread m_lader;
    std::mutex m_mutex;
    std::unique_ptr<CSatzIndex> m_pGeladen;
    bool m_bLaedt = false;
    std::vector<Offen> m_offen;
    std::vector<CGesagterSatz> m_entfernt;  // for EntfernteAbholen
    // Texts of sentences suggested so far, by Satznummer.
    std::unordered_map<std::int64_t, std::pair<std::string, std::string>> m_satzTexte;
    std::atomic<bool> m_bAbbrechen{false};

    // The check at open. The checker thread writes only m_pruefBefund.
    enum class Pruefstand { Laeuft, Gesund, Beschaedigt };
    Pruefstand m_pruefstand = Pruefstand::Gesund;
    std::thread m_pruefer;
    std::atomic<bool> m_bPrueferFertig{false};
    std::string m_pruefBefund;  // "ok" or what SQLite found
    std::string m_strSchaden;

    std::vector<long> m_wortListe;
    long m_nWortCursor = -1;
    long m_nKategorie = 0;
    std::vector<long> m_funktionsListe;
    long m_nFunktionsCursor = -1;
    std::vector<long> m_emotionsListe;
    long m_nEmotionsCursor = -1;
    std::vector<long> m_kategorieListe;
    long m_nKategorieCursor = -1;
    std::vector<long> m_verbListe;
    long m_nVerbCursor = -1;
};
