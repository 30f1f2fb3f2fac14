#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Helpers for UTF-8 text. "One character" is one Unicode code point: every
// cut keeps multi-byte sequences whole.
namespace utf8 {

// Number of code points.
std::size_t Laenge(std::string_view text);

// The first n code points.
std::string Anfang(std::string_view text, std::size_t n);

// Removes the last code point; false when the text was empty.
bool LetztesEntfernen(std::string& text);

// One code point as UTF-8; invalid code points give the empty string.
std::string AusCodepoint(char32_t zeichen);

// True when the text is exactly one valid code point.
bool IstEinZeichen(std::string_view text);
// The code point of a text for which IstEinZeichen holds.
char32_t ZuCodepoint(std::string_view zeichen);

// The key under which texts are compared without regard to case: ASCII and
// the Latin-1 letters (Ä Ö Ü and the other accented capitals) folded to lower
// case, capital sharp s to ß. Everything else is kept as it is.
std::string Falten(std::string_view text);

// The text without soft hyphens (U+00AD): where a caption may break, which
// is never part of the word.
std::string OhneTrennstellen(std::string_view text);

}  // namespace utf8
