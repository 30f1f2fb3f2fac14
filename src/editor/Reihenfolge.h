#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class CWortelement;

// The orders the editor can give a list: by caption, by use, and the stable
// exchange sort they share.
namespace reihenfolge {

// A text folded the German way, as a reader of a German dictionary sees it
// (DIN 5007): letter case aside, ä as a, ö as o, ü as u, ß as ss, and the
// other Latin letters without their accents. Everything else is kept; bytes
// that are no UTF-8 are taken as code page 1252 letters.
std::string Falten(std::string_view text);

// The key captions are ordered by, in German alphabetical order: the folded
// text (Falten), then for equal folded texts the exact text code point by
// code point. So "Apfel, Äpfel, Käse, Kuchen, Zitrone", and a prefix comes
// first.
std::u32string CaptionKey(std::string_view text);

// Calendar year and day of the year (1 for 1 January) of a stored date (days
// since 30 December 1899); -1 and -1 for a date that is not valid.
struct JahrTag {
    int jahr;
    int tag;
};
JahrTag JahrUndTag(double tage, bool gueltig);

// Uses per day since the element was created, in single precision, every
// year counted as 366 days. Created today: infinite with uses, not a number
// without (such an element never changes places).
float UseScore(const CWortelement& element, double heute);

// Stable exchange sort: passes over the list, each putting a later entry in
// front of its neighbour whenever vorher(later, earlier) holds, until a pass
// exchanges nothing. Needs no strict weak order: entries that are never
// "before" anything (scores that are not a number) stay where they are.
template <class T, class Vorher>
void Tauschsortieren(std::vector<T>& liste, Vorher vorher) {
    if (liste.size() < 2) return;
    for (bool getauscht = true; getauscht;) {
        getauscht = false;
        for (std::size_t i = 0; i + 1 < liste.size(); ++i) {
            if (vorher(liste[i + 1], liste[i])) {
                std::swap(liste[i], liste[i + 1]);
                getauscht = true;
            }
        }
    }
}

// Sorts records by a key computed once per record; vorher compares keys.
template <class Record, class Schluessel, class Vorher>
void SortiereNach(std::vector<std::unique_ptr<Record>>& liste, Schluessel schluessel,
                  Vorher vorher) {
    using Key = decltype(schluessel(*liste.front()));
    std::vector<std::pair<Key, std::unique_ptr<Record>>> paare;
    paare.reserve(liste.size());
    for (auto& r : liste) {
        Key k = schluessel(*r);
        paare.emplace_back(std::move(k), std::move(r));
    }
    Tauschsortieren(paare, [&](const auto& b, const auto& a) { return vorher(b.first, a.first); });
    for (std::size_t i = 0; i < paare.size(); ++i) liste[i] = std::move(paare[i].second);
}

}  // namespace reihenfolge
