#pragma once

#include <SQLiteCpp/SQLiteCpp.h>

#include <fstream>
#include <iterator>
#include <string>

// Damage as a disk does it, for the tests of what the program then does.

// The bytes of a file, to see whether anything wrote to it.
inline std::string Inhalt(const std::string& datei) {
    std::ifstream ein(datei, std::ios::binary);
    return {std::istreambuf_iterator<char>(ein), std::istreambuf_iterator<char>()};
}

// Overwrites the root page of the named index with a pattern: the file still
// opens and its user is read, but the full check fails, and a write through
// that index would make things worse.
inline void IndexSeiteZerstoeren(const std::string& datei, const std::string& index) {
    long seite = 0;
    int groesse = 0;
    {
        SQLite::Database db(datei, SQLite::OPEN_READONLY);
        SQLite::Statement q(db, "select rootpage from sqlite_master where name = ?");
        q.bind(1, index);
        if (q.executeStep()) seite = q.getColumn(0).getInt();
        groesse = db.execAndGet("PRAGMA page_size").getInt();
    }
    std::fstream f(datei, std::ios::in | std::ios::out | std::ios::binary);
    f.seekp(static_cast<std::streamoff>(seite - 1) * groesse);
    const std::string muster(static_cast<std::size_t>(groesse), '\x5A');
    f.write(muster.data(), static_cast<std::streamsize>(muster.size()));
}
