#pragma once

#include <string>
#include <vector>

// What a board file holds and what importing it would do, counted while it
// is read: the carer reads it before confirming, the tool prints it.
//
// Text() is the German summary; Json() one JSON object with exactly the keys
// tafeln, knoepfe, links_aufgeloest, links_ins_leere, links_extern, bilder,
// bilder_fehlen, aktionen_unbekannt and wurzel.
class CZusammenfassung {
public:
    long tafeln = 0;
    long knoepfe = 0;
    long linksAufgeloest = 0;
    long linksInsLeere = 0;  // a link to a board the package does not hold
    long linksExtern = 0;    // a link to a board on the web
    long bilder = 0;         // buttons that get a picture
    long bilderFehlen = 0;   // buttons whose picture cannot be taken
    long aktionenUnbekannt = 0;
    std::string wurzel;  // the name of the board that becomes the entry point
    // Details for the carer (which link, which picture, why); the first
    // kHoechstensHinweise are kept, the rest only counted.
    std::vector<std::string> hinweise;
    long weitereHinweise = 0;
    static constexpr std::size_t kHoechstensHinweise = 12;

    void Hinweis(const std::string& text);
    // `datei`: the name of the board file as the carer knows it.
    std::string Text(const std::string& datei) const;
    std::string Json() const;
};
