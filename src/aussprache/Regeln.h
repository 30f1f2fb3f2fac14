#pragma once

// The rules that say written forms the way a German speaker does.
//
// Each rule looks at the pieces of a text from position i on. When its form
// stands there it appends what is said to `aus` and returns how many pieces
// it took; otherwise it returns 0 and appends nothing, and the next rule is
// asked. A piece no rule takes passes unchanged. CNormalisierer holds the
// order; each rule's words are in a small table at the top of its source.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "CTextTeile.h"

namespace regeln {

using Regel = std::size_t (*)(const CTextTeile& t, std::size_t i, std::string& aus);

// RegelnZahlen.cpp
std::size_t Telefonnummer(const CTextTeile& t, std::size_t i, std::string& aus);
std::size_t Zahl(const CTextTeile& t, std::size_t i, std::string& aus);
std::size_t Bereich(const CTextTeile& t, std::size_t i, std::string& aus);
std::size_t Zeichen(const CTextTeile& t, std::size_t i, std::string& aus);
// RegelnGeld.cpp
std::size_t Geld(const CTextTeile& t, std::size_t i, std::string& aus);
// RegelnEinheiten.cpp
std::size_t Einheit(const CTextTeile& t, std::size_t i, std::string& aus);
// RegelnZeit.cpp
std::size_t Datum(const CTextTeile& t, std::size_t i, std::string& aus);
std::size_t Uhrzeit(const CTextTeile& t, std::size_t i, std::string& aus);
std::size_t Ordnungszahl(const CTextTeile& t, std::size_t i, std::string& aus);
std::size_t RoemischeZahl(const CTextTeile& t, std::size_t i, std::string& aus);
// Abkuerzungen.cpp
std::size_t Abkuerzung(const CTextTeile& t, std::size_t i, std::string& aus);

// What the rules share.

// An amount as written: "-3", "1.250", "3,50", "3,-".
struct Betrag {
    std::size_t ende = 0;  // the piece after it
    bool minus = false;
    std::uint64_t ganz = 0;      // the whole part
    std::string_view ziffern;    // its digits, when written without thousands points
    bool punkte = false;         // written with thousands points
    std::string_view nachkomma;  // the digits after the decimal comma
    bool strich = false;         // "3,-": a round sum
};
// Reads the amount at i. With punktAlsKomma "12.50" is 12,50 (prices
// written the English way). False when no amount starts at i.
bool BetragLesen(const CTextTeile& t, std::size_t i, Betrag& b, bool punktAlsKomma);
// "minus drei Komma fünf"; a whole 1 is said as `eins` gives it.
std::string BetragWorte(const Betrag& b, std::string_view eins);

// A size word after an amount: "Mio." "Million", "Mrd." "Milliarde".
struct Groessenwort {
    std::string_view geschrieben;
    std::string_view einzahl;
    std::string_view mehrzahl;
    std::string_view eins;  // how 1 is said before it
};
// The size word at j (after one space at most), or null; `ende` is then
// the piece after it.
const Groessenwort* GroesseLesen(const CTextTeile& t, std::size_t j, std::size_t& ende);

// True when nothing that belongs to another number or word is glued to the
// left of i: no letter or digit, and no digits with a point or colon
// ("1.2.3" is no number followed by another).
bool FreiLinks(const CTextTeile& t, std::size_t i);
// The ending of an ordinal at i from the word before it: "e" after der, die,
// das; "en" after am, im, zum, den, dem and der after a preposition; "er"
// after ein. Empty when no such word stands there (the caller then says the
// ordinal without one: "er").
std::string_view Endung(const CTextTeile& t, std::size_t i);
// A day of the week as written ("Mo", "Fr.", "Montag"), with the point
// read at position i or just before it.
bool IstWochentag(const CTextTeile& t, std::size_t i);
// When a match took the text's last point (after an abbreviation or a
// date), the sentence still ends there: it is said again.
void PunktZurueck(const CTextTeile& t, std::size_t ende, std::string& aus);

}  // namespace regeln
