#pragma once

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "CFunktionsTaste.h"
#include "CWortButton.h"
#include "CWortelement.h"

class CDatenbank;

// What a click reads from the user file, read without waiting: while
// another program (or a commit) holds the file this moment, the category or
// the person word is taken as it was read last time, so no click freezes
// the screen or shows a box. Keeps what it read, per category and per
// function key code.
class CSofortLeser {
public:
    // The elements of a category (or all verbs), whole and as buttons. A
    // category never read before, while the file is held, is empty for now.
    void Kategorie(CDatenbank& db, long kategorie, bool nurVerben,
                   std::vector<CWortelement>& elemente, std::vector<CWortButton>& buttons);
    // The text of the function key with this code; none when there is no
    // such key (or, while the file is held, none was read before).
    std::optional<std::string> Funktionstext(CDatenbank* db, int code);
    // A function key read elsewhere (the views walk them).
    void Gelesen(const CFunktionsTaste& taste) { m_texte[taste.GetCode()] = taste.GetText(); }
    // Reads every category ahead, once the file has opened: a click on any
    // of them later never waits for another program.
    void Vorlesen(CDatenbank& db);
    // Another user, or the carer changed the vocabulary.
    void Vergessen();

private:
    struct Gelesene {
        std::vector<CWortelement> elemente;
        std::vector<CWortButton> buttons;
    };
    std::map<std::pair<long, bool>, Gelesene> m_kategorien;
    std::map<long, std::string> m_texte;
};
