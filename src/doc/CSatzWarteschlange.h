#pragma once

#include <string>
#include <utility>
#include <vector>

// Sentences said but not yet in the user file, because the file could not
// take them (another program holds it, it is write-protected, the disk is
// full). They wait in a file beside the user file (".<Name>.mdb.warteschlange"),
// or where that folder takes no file in the person's state folder
// ($XDG_STATE_HOME/sagwerk, else ~/.local/state/sagwerk), written whole and
// synced with every sentence, so that none is lost when the program ends or
// the power fails meanwhile; they are written in their order as soon as the
// user file takes them again.
class CSatzWarteschlange {
public:
    using Satz = std::pair<std::string, std::string>;  // as shown, as spoken

    // Takes the queue of this user file, with what an earlier run left.
    void Oeffnen(const std::string& benutzerdatei);
    // Written whole at once; `synchron`: also synced to the disk before it
    // returns. Without it the sentence outlives the program being killed,
    // and AufPlatte makes it outlive a power cut.
    void Anhaengen(const Satz& satz, bool synchron = true);
    // The first `anzahl` are in the user file now.
    void Entfernen(std::size_t anzahl);
    // Syncs the waiting file to the disk; safe on another thread.
    void AufPlatte() const;
    bool IsLeer() const { return m_saetze.empty(); }
    const std::vector<Satz>& GetSaetze() const { return m_saetze; }
    // Every sentence is in the user file now.
    void Leeren();

private:
    bool Sichern(bool synchron) const;

    std::string m_strDatei;
    std::string m_strAusweich;
    std::vector<Satz> m_saetze;
};
