#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

// Sentences said but not yet in the user file, because the file could not
// take them (another program holds it, it is write-protected, the disk is
// full). They wait in a file beside the user file (".<Name>.mdb.warteschlange"),
// or where that folder takes no file in the person's state folder
// ($XDG_STATE_HOME/sagwerk, else ~/.local/state/sagwerk), the runtime folder
// ($XDG_RUNTIME_DIR/sagwerk) or the temporary folder, written whole with
// every sentence, so that none is lost when the program ends or the power
// fails meanwhile; they are written in their order as soon as the user file
// takes them again. Beside the queue a little room is kept
// (".<Name>.mdb.reserve"): on a full disk the queue is written into it, in
// place, so it takes no byte more of the disk.
//
// Every sentence carries a number of its own (Kennung, random, never 0),
// kept with it in the file: the user file records the numbers it took in the
// same transaction as the sentences, so a sentence written back just before
// the program was killed, and still in the queue, is not stored twice.
class CSatzWarteschlange {
public:
    using Satz = std::pair<std::string, std::string>;  // as shown, as spoken

    // Takes the queue of this user file, with what an earlier run left.
    void Oeffnen(const std::string& benutzerdatei);
    // Written whole at once; `synchron`: also synced to the disk before it
    // returns. Without it the sentence outlives the program being killed,
    // and AufPlatte makes it outlive a power cut.
    // False when no place took the queue: the sentence is then kept in
    // memory only, until a later write succeeds.
    bool Anhaengen(const Satz& satz, bool synchron = true);
    // The first `anzahl` are in the user file now.
    void Entfernen(std::size_t anzahl);
    // Syncs the waiting file to the disk; safe on another thread.
    void AufPlatte() const;
    bool IsLeer() const { return m_saetze.empty(); }
    const std::vector<Satz>& GetSaetze() const { return m_saetze; }
    // The sentences' numbers, in the same order.
    const std::vector<std::int64_t>& GetKennungen() const { return m_kennungen; }
    // Whether every waiting sentence is in a file (the last write succeeded).
    bool IsGesichert() const { return m_bGesichert; }
    // Every sentence is in the user file now.
    void Leeren();

private:
    bool Sichern(bool synchron);

    std::string m_strDatei;
    std::string m_strReserve;
    std::vector<std::string> m_orte;  // beside the user file first, then the others
    bool m_bGesichert = true;
    bool m_bInReserve = false;  // the reserve holds the queue (a full disk)
    std::vector<Satz> m_saetze;
    std::vector<std::int64_t> m_kennungen;
};
