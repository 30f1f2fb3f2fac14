#pragma once

#include <atomic>
#include <string>
#include <vector>

// The backups of one user file, kept in the folder "Sicherungen" beside it:
// one file per day ("<Name>.<JJJJ-MM-TT>.mdb"), the seven newest days and
// besides them the newest of each of the four weeks before, and the files a
// restore has replaced ("<Name>.ersetzt-<JJJJ-MM-TT-hhmmss>.mdb"), which are
// never thinned out.
//
// A backup is read through SQLite's backup API from a connection of its own
// (never a copy of the live file), written beside its place, checked with
// integrity_check and only then put in place: a file of that name is always
// a sound backup.
//
// Errors come back as German sentences; nothing here shows anything.
class CSicherung {
public:
    struct Eintrag {
        std::string pfad;
        std::string datum;  // JJJJ-MM-TT; for a replaced file the whole stamp
        bool ersetzt = false;
    };

    explicit CSicherung(const std::string& benutzerdatei);

    const std::string& GetOrdner() const { return m_strOrdner; }
    const std::string& GetBenutzerdatei() const { return m_strDatei; }

    // Daily backups, newest first, then the replaced files, newest first.
    std::vector<Eintrag> Liste() const;
    // True when there is a backup of the day `datum` (JJJJ-MM-TT).
    bool HatSicherung(const std::string& datum) const;

    // Writes the backup of the day `datum`, replacing one of that day, and
    // thins out the old ones. `fehler`: why not. Setting `abbrechen` stops
    // it (the program ends); nothing half done is left.
    bool Anlegen(const std::string& datum, std::string& fehler,
                 const std::atomic<bool>* abbrechen = nullptr) const;
    // Removes what a backup killed half way left in the backup folder (the
    // temporary files of processes that no longer run). Done before every
    // backup, and by the program when it opens the user.
    void Aufraeumen() const;
    // Removes the copy a restore killed half way left beside the user file
    // (".<Name>.mdb.neu"). Only for the holder of the one-program lock (the
    // program with the user open): no restore runs meanwhile.
    void WiederherstellungAufraeumen() const;
    // Keeps the seven newest daily backups and the newest of each of the four
    // weeks before them; deletes the other daily backups.
    void Ausduennen() const;

    // Replaces the user file with the backup, holding the one-program lock
    // meanwhile: refused while any Sagwerk has the file open. The replaced
    // file is kept in the backup folder under `stempel` (JJJJ-MM-TT-hhmmss),
    // linked there before the backup is put over the user file in one
    // rename, so a kill at any moment leaves a whole user file in place.
    // A backup of another user (by the name in the file) is refused.
    bool Wiederherstellen(const Eintrag& sicherung, const std::string& stempel,
                          std::string& fehler) const;

    // Whether the file is a sound Sagwerk user file (integrity_check).
    enum class Befund { Gesund, Beschaedigt, NichtPruefbar };
    static Befund Pruefen(const std::string& datei, std::string& fehler,
                          const std::atomic<bool>* abbrechen = nullptr);
    // The user a file belongs to ("Vorname Name"); false when unreadable.
    static bool Benutzername(const std::string& datei, std::string& name);
    // The password kept in a user file (a backup); false when unreadable.
    static bool Passwort(const std::string& datei, std::string& passwort);
    // A date of the stored form (days since 30 December 1899) as JJJJ-MM-TT,
    // and with the time as JJJJ-MM-TT-hhmmss.
    static std::string Datum(double tage);
    static std::string Stempel(double tage);
    // JJJJ-MM-TT as TT.MM.JJJJ, for what people read.
    static std::string DatumDeutsch(const std::string& datum);

private:
    // Copies a SQLite file page by page into `ziel` (which is replaced).
    static bool Kopieren(const std::string& quelle, const std::string& ziel, std::string& fehler,
                         const std::atomic<bool>* abbrechen);

    std::string m_strDatei;
    std::string m_strOrdner;
    std::string m_strStamm;  // the file name without ".mdb"
};
