#pragma once

// The editor model's lists of records (elements, emotion buttons, function
// keys): walking, numbering, moving and ordering them, shared by the model's
// sources.

#include <algorithm>
#include <cstddef>
#include <memory>
#include <vector>

#include "Reihenfolge.h"

namespace editorlisten {

template <class Record>
using Liste = std::vector<std::unique_ptr<Record>>;

template <class Record>
Record* Erster(Liste<Record>& liste, std::size_t& cursor) {
    cursor = 0;
    return liste.empty() ? nullptr : liste.front().get();
}

template <class Record>
Record* Naechster(Liste<Record>& liste, std::size_t& cursor) {
    if (cursor + 1 >= liste.size()) {
        cursor = liste.size();
        return nullptr;
    }
    return liste[++cursor].get();
}

template <class Record>
void Umnummerieren(Liste<Record>& liste) {
    long platz = 1;
    for (auto& r : liste) {
        if (r->GetPosition() != platz) {
            r->SetPosition(platz);
            r->SetChanged(true);
        }
        ++platz;
    }
}

// Exchanges the current record with its neighbour; false when there is no
// current record or it is already at that end.
template <class Record>
bool Verschieben(Liste<Record>& liste, const Record* aktuell, bool hoch) {
    const auto it =
        std::find_if(liste.begin(), liste.end(), [&](const auto& r) { return r.get() == aktuell; });
    if (aktuell == nullptr || it == liste.end()) return false;
    if (hoch) {
        if (it == liste.begin()) return false;
        std::iter_swap(it, it - 1);
    } else {
        if (it + 1 == liste.end()) return false;
        std::iter_swap(it, it + 1);
    }
    Umnummerieren(liste);
    return true;
}

template <class Record>
void StandardSetzen(Liste<Record>& liste) {
    long platz = 1;
    for (auto& r : liste) {
        if (r->GetAltePosition() != platz) {
            r->SetAltePosition(platz);
            r->SetChanged(true);
        }
        ++platz;
    }
}

template <class Record>
void AltePosSortieren(Liste<Record>& liste) {
    reihenfolge::SortiereNach(
        liste, [](const Record& r) { return r.GetAltePosition(); },
        [](long b, long a) { return b < a; });
    Umnummerieren(liste);
}

template <class Record>
Record* AnPlatz(Liste<Record>& liste, int platz) {
    if (platz < 0 || static_cast<std::size_t>(platz) >= liste.size()) return nullptr;
    return liste[static_cast<std::size_t>(platz)].get();
}

template <class Record>
void Entfernen(Liste<Record>& liste, const Record* record) {
    liste.erase(std::remove_if(liste.begin(), liste.end(),
                               [&](const auto& r) { return r.get() == record; }),
                liste.end());
}

// The counter of temporary indexes starts again only when no record of the
// list still carries one, so two records never share a temporary index.
template <class Record>
void ZaehlerZuruecksetzen(const Liste<Record>& liste, long& zaehler) {
    if (std::none_of(liste.begin(), liste.end(), [](const auto& r) { return r->GetIndex() < 0; })) {
        zaehler = -1;
    }
}

inline long SpeicherIndex(long index) { return index >= 0 ? index : 0; }

}  // namespace editorlisten
