#pragma once

#include <cstddef>
#include <functional>
#include <string>

#include "CTafelPaket.h"

class CDatenbank;

// Writes a package of boards into a user: one category per board (a name the
// user has already gets " (2)", " (3)", ...), its buttons as elements in
// their order, links to the categories made from their boards, and the
// pictures copied into the user's folder (CBildAblage). The start category
// gets one link to the category of the root board at its end; nothing else
// of the user's own vocabulary is changed.
//
// Sagwerk's own export into a user whose start category is still empty (a
// new user) fills the start category with the root board instead, so that a
// vocabulary taken to another machine arrives as it was.
//
// All of it is one transaction: it reaches the user file whole or not at
// all, and on a failure the pictures this import copied are removed again.
//
// Errors: Importieren returns false with a German sentence in `fehler`
// (database errors have also been reported through the data store's dialogs).
class CTafelImport {
public:
    // erledigt of gesamt steps are done; text names the board being written.
    using Fortschritt =
        std::function<void(std::size_t erledigt, std::size_t gesamt, const std::string& text)>;

    // `ordner`: the folder the user file's picture names are relative to.
    static bool Importieren(const CTafelPaket& paket, CDatenbank& db, const std::string& ordner,
                            std::string& fehler, const Fortschritt& fortschritt = {});

    // The index of the category the root board became, after Importieren.
    static constexpr long kStartKategorie = 1;
};
