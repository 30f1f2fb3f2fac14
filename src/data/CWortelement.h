#pragma once

#include <array>
#include <string>
#include <utility>

#include "CNomen.h"

// A date as the user database stores it (days since 30 December 1899) with
// the validity the old date type carried: a Null column reads as invalid.
struct CDatum {
    double m_dTage = 0.0;
    bool m_bGueltig = true;
};

// One row of table Wortelement, complete: a plain word, a verb with its
// eighteen conjugated forms, or a link to another category.
class CWortelement {
public:
    enum Art : long { Verb = 20, Link = 25, Wort = 30 };
    // In-memory order of the forms: present, future, past; within a tense
    // singular persons 1-3, then plural persons 1-3.
    enum class Zeit { Gegenwart = 0, Zukunft = 1, Vergangenheit = 2 };
    enum class Zahl { Einzahl = 0, Mehrzahl = 1 };
    static constexpr int kFormen = 18;
    using Formen = std::array<std::string, kFormen>;

    CWortelement() = default;
    CWortelement(Formen formen, long position, long kategorie, std::string bild,
                 std::string anzeige, long art, std::string phonetisch);

    // Slot of (tense, number, person 1..3) in the in-memory order.
    static int Slot(Zeit zeit, Zahl zahl, int person) {
        return static_cast<int>(zeit) * 6 + static_cast<int>(zahl) * 3 + (person - 1);
    }
    // Column name of a slot, e.g. "Zuk2PersM".
    static const char* SpaltenName(int slot);

    const std::string& GetForm(int slot) const { return m_formen.at(slot); }
    void SetForm(int slot, const std::string& s) { m_formen.at(slot) = s; }
    void GetFormen(Zeit zeit, Zahl zahl, std::string& p1, std::string& p2, std::string& p3) const;
    void SetFormen(Zeit zeit, Zahl zahl, const std::string& p1, const std::string& p2,
                   const std::string& p3);

    long GetIndex() const { return m_nIndex; }
    void SetIndex(long n) { m_nIndex = n; }
    long GetPosition() const { return m_nPosition; }
    void SetPosition(long n) { m_nPosition = n; }
    long GetAltePosition() const { return m_nAltePosition; }
    void SetAltePosition(long n) { m_nAltePosition = n; }
    long GetKategorie() const { return m_nKategorie; }
    void SetKategorie(long n) { m_nKategorie = n; }
    long GetAlteKategorie() const { return m_nAlteKategorie; }
    void SetAlteKategorie(long n) { m_nAlteKategorie = n; }
    const CDatum& GetDatum() const { return m_datum; }
    void SetDatum(const CDatum& d) { m_datum = d; }
    long GetAnzahl() const { return m_nAnzahl; }
    void SetAnzahl(long n) { m_nAnzahl = n; }
    const std::string& GetBild() const { return m_strBild; }
    void SetBild(const std::string& s) { m_strBild = s; }
    const std::string& GetAnzeigetext() const { return m_strAnzeigetext; }
    void SetAnzeigetext(const std::string& s) { m_strAnzeigetext = s; }
    long GetArt() const { return m_nArt; }
    void SetArt(long n) { m_nArt = n; }
    const std::string& GetPhonetisch() const { return m_strPhonetisch; }
    void SetPhonetisch(const std::string& s) { m_strPhonetisch = s; }
    bool GetChanged() const { return m_bChanged; }
    void SetChanged(bool b) { m_bChanged = b; }

    // For a link (kind 25): true and the target category read from the
    // first present-singular form. Any other kind: false and 0.
    std::pair<bool, long> GetLinkTarget() const;

    // A plain word may be a noun: its gender and forms (table Nomen).
    const CNomen& GetNomen() const { return m_nomen; }
    void SetNomen(const CNomen& nomen) { m_nomen = nomen; }

private:
    long m_nIndex = 0;
    Formen m_formen;
    long m_nPosition = 0;
    long m_nAltePosition = 0;
    long m_nKategorie = 0;
    long m_nAlteKategorie = 0;
    CDatum m_datum;
    long m_nAnzahl = 0;
    std::string m_strBild;
    std::string m_strAnzeigetext;
    long m_nArt = 0;
    std::string m_strPhonetisch;
    bool m_bChanged = false;
    CNomen m_nomen;
};
