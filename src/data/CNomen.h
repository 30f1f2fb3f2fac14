#pragma once

#include <array>
#include <string>

// What a word element knows of itself as a German noun: its gender and the
// eight forms (nominative, accusative, dative, genitive; singular, then
// plural). Kept in table Nomen, one row per element; an element without a
// row, or with no gender, is a plain word.
class CNomen {
public:
    enum class Geschlecht { Keins, Maennlich, Weiblich, Saechlich, NurMehrzahl };
    enum class Fall { Nominativ = 0, Akkusativ = 1, Dativ = 2, Genitiv = 3 };
    static constexpr int kFormen = 8;
    using Formen = std::array<std::string, kFormen>;

    static int Slot(Fall fall, bool mehrzahl) {
        return (mehrzahl ? 4 : 0) + static_cast<int>(fall);
    }
    // Column name of a slot: NomE, AkkE, DatE, GenE, NomM, AkkM, DatM, GenM.
    static const char* SpaltenName(int slot);
    // "m", "f", "n", "p" as stored; "" for none. Unknown text reads as none.
    static const char* Kuerzel(Geschlecht g);
    static Geschlecht AusKuerzel(const std::string& kuerzel);

    bool IstNomen() const { return m_geschlecht != Geschlecht::Keins; }
    Geschlecht GetGeschlecht() const { return m_geschlecht; }
    void SetGeschlecht(Geschlecht g) { m_geschlecht = g; }
    const std::string& GetForm(int slot) const { return m_formen.at(static_cast<std::size_t>(slot)); }
    void SetForm(int slot, const std::string& s) { m_formen.at(static_cast<std::size_t>(slot)) = s; }
    const std::string& GetForm(Fall fall, bool mehrzahl) const { return GetForm(Slot(fall, mehrzahl)); }
    const Formen& GetFormen() const { return m_formen; }

    bool operator==(const CNomen&) const = default;

private:
    Geschlecht m_geschlecht = Geschlecht::Keins;
    Formen m_formen;
};
