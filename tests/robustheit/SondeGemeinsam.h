#pragma once

// What the probes of held files, full disks, restores and write-backs
// share: another program holding the user file, a small disk of its own,
// the program's later open that writes back what waits, and the counts of
// sentences missing or stored twice.

#include <SQLiteCpp/SQLiteCpp.h>

#include <string>
#include <vector>

#include "CDatenbank.h"

namespace sonde {

// Another program holding the user file, as the sqlite3 tool does with
// "BEGIN EXCLUSIVE;" and an insert: nobody else reads or writes it until
// Loslassen (or the end of the object). With `exklusiv` false the file can
// still be read (BEGIN IMMEDIATE), only not written.
class CHalter {
public:
    CHalter(const std::string& datei, bool exklusiv);
    ~CHalter() { Loslassen(); }
    CHalter(const CHalter&) = delete;
    CHalter& operator=(const CHalter&) = delete;
    void Loslassen();

private:
    SQLite::Database m_db;
    bool m_bHaelt = true;
};

// A tmpfs of `groesse` bytes mounted on `ordner` (made if need be), unmounted
// at the end. Moeglich() is false, with the reason, where mounting is not
// allowed.
class CKleinePlatte {
public:
    CKleinePlatte(const std::string& ordner, long groesse);
    ~CKleinePlatte();
    CKleinePlatte(const CKleinePlatte&) = delete;
    CKleinePlatte& operator=(const CKleinePlatte&) = delete;
    bool Moeglich() const { return m_bGemountet; }
    const std::string& Grund() const { return m_strGrund; }
    // Fills what is left with a file until the disk takes no byte more;
    // returns the bytes written.
    long Fuellen();
    // Removes the filling file.
    void Freigeben();
    // Whether a file of one block can still be made (for the report).
    bool IstVoll() const;

private:
    std::string m_strOrdner;
    std::string m_strGrund;
    bool m_bGemountet = false;
};

// Opens the file through a fresh document, as the program does at its next
// start, and lets it write back what waits (at most `fristMs`). False when
// the user did not open or sentences still wait afterwards.
bool OeffnenUndNachholen(const std::string& datei, int fristMs = 10000);

// The sentences not in Satzspeicher, and those stored twice (a second row,
// or Anzahl above 1; every sentence of a probe is said once). Each is said
// on stderr.
long Fehlende(const std::string& datei, const std::vector<std::string>& saetze);
long Doppelte(const std::string& datei, const std::vector<std::string>& saetze);

// A sentence said in a probe: a few random words and a number of its own, so
// that no other sentence can stand in for it.
std::string EigenerSatz(class CZufall& zufall, const std::string& nummer);

// Whether a line the child sent starts with `wort` and a blank; the rest in
// `rest`.
bool Beginnt(const std::string& zeile, const std::string& wort, std::string& rest);

// "name=wert" out of a line of such pairs; -1 when it is not there.
long Wert(const std::string& zeile, const std::string& name);

}  // namespace sonde
