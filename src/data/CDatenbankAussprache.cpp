// The data store: the user's own pronunciations, for the speech object to use
// on every text and not only on the element's own button.

#include <SQLiteCpp/SQLiteCpp.h>

#include "CDatenbank.h"
#include "DatenbankIntern.h"

bool CDatenbank::LoadAussprachen(std::vector<std::pair<std::string, std::string>>& paare) {
    paare.clear();
    if (!Bereit()) return false;
    return Geschuetzt([&] {
        // The same elements whose button speaks the phonetic text: a verb
        // speaks its forms and a link speaks nothing. Files written by the
        // old program hold the text "NULL" where there was none.
        SQLite::Statement q(*m_pDb,
                            "select Geg1PersE, Phonetisch from Wortelement "
                            "where coalesce(Funktionscode, 0) not in (20, 25) "
                            "and Phonetisch is not null and trim(Phonetisch) <> '' "
                            "and Phonetisch <> 'NULL' order by [Index]");
        while (q.executeStep()) {
            std::string wort = spalten::GetFieldText(q, "Geg1PersE");
            if (wort.empty()) continue;
            paare.emplace_back(std::move(wort), spalten::GetFieldText(q, "Phonetisch"));
        }
        return true;
    });
}
