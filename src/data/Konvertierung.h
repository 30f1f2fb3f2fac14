#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <variant>

// A column value as the database hands it over: Null, integer, real or text.
using CWert = std::variant<std::monostate, long long, double, std::string>;

// Renders a column value as text: text unchanged (UTF-8), Null as the empty
// string, an integer as its decimal digits, a real number in "%e" notation.
std::string VariantToText(const CWert& wert);

// The digits a link keeps in Geg1PersE back to a category index: for every
// character c, value = value * 10 + (c - '0'). No character is rejected and
// overflow wraps in 32 bits, as stored links have always been read; the empty
// string gives 0.
long ParseDecimal(const std::string& s);

// Width and height bytes of the first image entry of an icon file (offsets
// 6 and 7). A file that cannot be opened, or anything that is not a regular
// file (a folder, a pipe), gives (32, 32); a byte beyond the end
// of the file reads as -1. The file is only ever opened for reading.
std::pair<int, int> ReadIconSize(const std::string& pfad);
