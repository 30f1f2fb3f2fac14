#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Numbers as a German speaker says them, as words the speech engine reads
// without guessing. Numbers from 0 up to (not including) kGrenze; above it,
// and for any text that is not all digits, Ziffern is the way to say it.
namespace zahlwort {

constexpr std::uint64_t kGrenze = 1'000'000'000'000;  // a thousand billion

// 1 "eins", 21 "einundzwanzig", 100 "hundert", 1100 "tausend einhundert",
// 2000000 "zwei Millionen", 1000001 "eine Million eins". The thousands stand
// apart from the rest, which the speech engine reads better.
std::string Kardinal(std::uint64_t n);
// The same, but 1 is said as `eins` gives it: "ein" before Uhr, Euro or a
// masculine unit, "eine" before a feminine one.
std::string Kardinal(std::uint64_t n, std::string_view eins);

// The ordinal with its ending ("e", "en", "er", "es"): 1 "erste",
// 3 "dritten", 24 "vierundzwanzigster", 100 "hundertste".
std::string Ordinal(std::uint64_t n, std::string_view endung);

// A year: 1100 to 1999 in hundreds ("neunzehnhundertneunzig"), any other
// as the cardinal.
std::string Jahr(std::uint64_t n);

// Each digit on its own: "0815" "null acht eins fünf".
std::string Ziffern(std::string_view ziffern);
// Digits in pairs ("123456" "zwölf vierunddreißig sechsundfünfzig"; a pair
// beginning with 0 as two digits); an odd count starts with a single digit,
// and up to three digits are said one by one.
std::string Paare(std::string_view ziffern);

// The value of up to 19 digits; false for anything else.
bool Wert(std::string_view ziffern, std::uint64_t& wert);
// The same, 0 for anything else.
std::uint64_t Wert(std::string_view ziffern);

// The first letter (ASCII) as a capital: for an ordinal said as a noun.
std::string Gross(std::string wort);

}  // namespace zahlwort
