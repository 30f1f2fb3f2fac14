#pragma once

#include <string>
#include <vector>

class CEditorDaten;
class CWortschatz;

// "Editor > Kategorie aus dem Grundwortschatz …": a carer takes one page of
// the starter vocabulary into the open user, through the editor model and
// its commit, as if the carer had made it there. Nothing else of the user
// changes: the page becomes a new category (its name gets a number when the
// user has one of that name already), the start page gets a link to it at
// its end, and the pictures it uses are copied into the user's folder. A
// link of the page to a category the user does not have is left out.
class CWortschatzUebernahme {
public:
    // The pages a carer can take: every page but the start page.
    static std::vector<std::string> Kategorien(const CWortschatz& wortschatz);

    // Takes the page `seite`. `ordner` is the user's folder, `ressourcen`
    // the folder holding "openmoji". True with a German sentence saying what
    // was taken in `meldung`; false with a German message when the page is
    // unknown or the file refused the commit (the elements then stay in the
    // editor as they are, for the next commit).
    static bool Uebernehmen(const CWortschatz& wortschatz, const std::string& seite,
                            CEditorDaten& daten, const std::string& ordner,
                            const std::string& ressourcen, std::string& meldung);
};
