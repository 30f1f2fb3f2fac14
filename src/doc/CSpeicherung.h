#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "CBedienung.h"
#include "CBenutzer.h"
#include "CDatenbank.h"
#include "CSatzSchreiber.h"
#include "CSatzWarteschlange.h"
#include "CSicherung.h"
#include "CTaeglicheSicherung.h"

class IDialoge;
class IUhr;

// The storage side of the running program: the open user file with its
// check at open, the sentences said and waiting for it (kept beside the
// file at once, stored by the background writer), the use counts (written
// by the data store's own thread), the daily backup, and the notices about
// waiting sentences and damage.
//
// Owns the CDatenbank object, the waiting queue, the writer and the backup
// thread. The dialogs and the clock are not owned and must outlive it.
//
// Nothing here waits for the disk on the caller's thread: sentences and
// counts reach the file in the background. What the threads find is taken
// over on the owner's thread, through the Nachreicher (the GUI posts it to
// its event loop); without one, only when Nachholen or WaitForWriter is
// called.
//
// Errors: a file that cannot take the sentences now (held by another
// program, write-protected, full) keeps them waiting and says so once in a
// notice; a damaged file is never written to and is said to be damaged
// once, with the newest backup.
class CSpeicherung {
public:
    using Nachreicher = std::function<void(std::function<void()>)>;

    CSpeicherung(IDialoge& dialoge, const IUhr& uhr);
    ~CSpeicherung();
    CSpeicherung(const CSpeicherung&) = delete;
    CSpeicherung& operator=(const CSpeicherung&) = delete;

    void SetNachreicher(Nachreicher nachreicher) { m_nachreicher = std::move(nachreicher); }
    // Options for the user files opened from now on (tests make them small).
    // Sentences and use counts are always written in the background.
    void SetDatenbankOptionen(const CDatenbank::Optionen& optionen) { m_optionen = optionen; }
    // Called on the owner's thread once a big memory's suggestion index is
    // ready (needs a Nachreicher).
    void SetIndexGeladen(std::function<void()> indexGeladen) {
        m_indexGeladen = std::move(indexGeladen);
    }

    // Opens the user file and reads its user row and operation settings.
    // True when it did; otherwise no file is held (GetDatabase() is null),
    // the reason has been reported, and a file with backups is said to be
    // damaged. Sentences an earlier run could not store are stored now, if
    // the file takes them.
    bool Oeffnen(const std::string& datei, CBenutzer& benutzer, CBedienung& bedienung);
    // Ends the writer and lets go of the file (nobody was chosen).
    void Schliessen();
    // The file was held by another program when it was to be opened:
    // sentences wait beside it meanwhile, and the owner opens it again
    // once DateiFrei says it can.
    bool WartetAufDatei() const { return m_bWartet; }
    // Whether the file can be read this moment; never waits.
    bool DateiFrei() const;
    // The file opened but is too damaged to read its user: it has been said
    // (also without a backup), and what is said waits beside it.
    bool IstBeschaedigt() const { return m_letzterVersuch.beschaedigt; }
    // The user file last opened (also when it did not open); empty before.
    const std::string& GetDatei() const { return m_strDatei; }
    // The open file; null when none is open.
    CDatenbank* GetDatabase() { return m_pDatabase.get(); }
    const CDatenbank* GetDatabase() const { return m_pDatabase.get(); }

    // A sentence said (as shown, as spoken): kept beside the file at once,
    // stored by the writer. Returns at once.
    void Speichern(const CSatzWarteschlange::Satz& satz);
    // Takes the writer's results over and hands it what waits; true when
    // no sentence waits any more. The program calls it now and then.
    bool Nachholen();
    bool HatWartende() const { return !m_warteschlange.IsLeer(); }
    const std::vector<CSatzWarteschlange::Satz>& GetWartende() const {
        return m_warteschlange.GetSaetze();
    }
    // Waits until the writer has tried every sentence said so far (a
    // sentence that failed before is tried again now) and the use counts are
    // in the file, and takes the results over. For tests and tools.
    void WaitForWriter();

    // Once a day, when the user file has passed its check, a backup of it
    // is made in the background. Tries at most once a day.
    void Sichern();
    void SetTaeglicheSicherung(bool an) { m_bSichern = an; }
    void WaitForBackup() { m_sicherung.Warten(); }
    // Lets go of the file and puts the backup in its place, keeping the
    // replaced file beside the backups. False with the German reason when it
    // could not; the caller opens the file again either way.
    bool Wiederherstellen(const CSicherung::Eintrag& sicherung, std::string& fehler);

private:
    // The file's check is done: a sound file takes the waiting sentences
    // and gets its backup, a damaged one is said to be damaged.
    void PruefungFertig();
    void SicherungFertig(const CTaeglicheSicherung::Ergebnis& ergebnis);
    void WarteHinweis(const std::string& fehler);
    void SchadenHinweis();
    // No place takes the waiting sentences: said once, truthfully.
    void NirgendsHinweis();
    // The background writer: hands it what waits, takes its results over.
    void Uebergeben();
    void Abholen();
    void SchreiberBeenden();
    // Hands a function over to the owner's thread (dropped once this object
    // has gone); false without a Nachreicher.
    bool Nachreichen(std::function<void()> aufgabe);

    IDialoge& m_dialoge;
    const IUhr& m_uhr;
    Nachreicher m_nachreicher;
    std::function<void()> m_indexGeladen;
    CDatenbank::Optionen m_optionen;
    std::string m_strDatei;
    CSatzWarteschlange m_warteschlange;
    std::string m_strSicherungVersucht;  // the day of the last backup tried
    bool m_bSichern = false;
    bool m_bWartet = false;  // the file was held at the open
    struct Versuch {
        bool belegt = false;
        bool anderesSagwerk = false;
        bool beschaedigt = false;  // opened, but its user could not be read
    } m_letzterVersuch;
    bool m_bSchadenHinweis = false;   // the damage notice is given
    bool m_bWarteHinweis = false;     // the notice about waiting sentences is given
    bool m_bNirgendsHinweis = false;  // the notice that nothing takes them is given
    // Stopped first thing in the destructor: its thread calls back.
    CTaeglicheSicherung m_sicherung;
    // Of the waiting queue the first m_nUebergeben are handed to it.
    std::unique_ptr<CSatzSchreiber> m_pSchreiber;
    std::size_t m_nUebergeben = 0;
    std::unique_ptr<CDatenbank> m_pDatabase;
    // Expires with this object: news handed over from another thread that
    // arrives after it has gone is dropped.
    std::shared_ptr<bool> m_pLebt = std::make_shared<bool>(true);
};
