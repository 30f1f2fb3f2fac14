#pragma once

#include <string>
#include <string_view>
#include <vector>

// How the word prediction compares words. The key of a word is its text
// folded as the rest of the program folds (utf8::Falten: case, the German
// capitals) with ß written as ss, so that "Straße", "strasse" and "STRASSE"
// are one word. The umlauts stay in the key ("schon" and "schön" are two
// words); only while a word is being typed does a plain vowel also stand for
// its umlaut, so that "mud" finds "müde" without the ü key.
namespace schluessel {

// The key of a word.
std::string Wort(std::string_view wort);

// The key with ä, ö, ü written as a, o, u: the order of the base lexicon,
// in which every word a typed prefix can mean stands together.
std::string Locker(std::string_view wort);

// True when the key `kandidat` begins with the typed key `praefix`: a typed
// a, o, u also matches ä, ö, ü; a typed umlaut only itself.
bool BeginntMit(std::string_view kandidat, std::string_view praefix);

// The word without the punctuation around it („Hallo!" gives Hallo); the
// apostrophe inside ("geht's") stays.
std::string_view Bereinigt(std::string_view wort);

// True when the word ends a sentence (. ! ? at its end).
bool Satzende(std::string_view wort);

// True when the word begins with a capital (A-Z, Ä, Ö, Ü and the other
// Latin-1 capitals).
bool GrossAmAnfang(std::string_view wort);

// The word with its first letter a capital, as at the start of a sentence.
std::string GrossAnfang(std::string_view wort);

// The words of a text, split at blanks, tabs and line ends.
void Woerter(std::string_view text, std::vector<std::string_view>& woerter);

}  // namespace schluessel
