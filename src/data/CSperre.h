#pragma once

#include <string>

// Keeps a user file for one program at a time: an exclusive lock on a small
// file beside it (".<Name>.mdb.sperre"), held for as long as the object
// lives, and one on the user file itself, so that a symbolic or hard link
// to the same file (another name, the same file) is kept out as well. The
// system drops the locks with the process, also when the program is
// killed, so a stale lock file never keeps anyone out.
class CSperre {
public:
    // Tries to take the lock for the user file `datei`.
    explicit CSperre(const std::string& datei);
    ~CSperre();
    CSperre(const CSperre&) = delete;
    CSperre& operator=(const CSperre&) = delete;

    // False when another program holds the file. In a write-protected
    // folder the lock is taken on the user file itself; where even that
    // cannot be opened there is nothing to guard: true.
    bool IsGehalten() const { return m_bGehalten; }

private:
    int m_fd = -1;
    int m_fdDatei = -1;  // the lock on the user file itself
    bool m_bGehalten = true;
};
