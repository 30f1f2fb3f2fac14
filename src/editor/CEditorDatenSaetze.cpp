// The sentence memory as the editor's carer keeps it.

#include "CEditorDaten.h"

bool CEditorDaten::SaetzeFinden(const std::string& text, std::size_t hoechstens,
                                std::vector<CDatenbank::CGesagterSatz>& saetze) {
    CDatenbank* db = Db();
    return db != nullptr && db->SaetzeFinden(text, hoechstens, saetze);
}

bool CEditorDaten::SaetzeEntfernen(const std::vector<std::int64_t>& nummern) {
    CDatenbank* db = Db();
    std::vector<CDatenbank::CGesagterSatz> entfernt;
    return db != nullptr && db->SaetzeEntfernen(nummern, entfernt);
}
