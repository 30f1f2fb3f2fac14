#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The base lexicon of the word prediction: the German word forms with their
// capitals (from res/woerter.txt, made by scripts/wortliste), the common
// ones with their frequency rank. It answers for words the user has never
// used.
//
// Owns every form and its keys (Schluessel.h). Read once, then never
// changed: one object may be shared by threads (as a shared_ptr to const).
//
// Errors: Laden returns false with a German message when the file is
// missing, not a word list of this program, or damaged (a line that cannot
// be, forms out of order, cut short); the object then holds no form and
// every query finds nothing.
class CWortliste {
public:
    // Rank of a form without one.
    static constexpr std::uint32_t kOhneRang = UINT32_MAX;

    bool Laden(const std::string& datei, std::string& fehler);
    bool IstGeladen() const { return !m_formen.empty(); }
    std::size_t Anzahl() const { return m_formen.size(); }
    std::size_t AnzahlMitRang() const { return m_nachRang.size(); }

    struct CForm {
        std::string_view schreibung;  // with its capitals
        std::string_view schluessel;  // schluessel::Wort
        std::uint32_t rang;           // 1 for the most common form, or kOhneRang
    };

    // The form of a key (schluessel::Wort).
    std::optional<CForm> Finden(std::string_view schluessel) const;

    // Up to `anzahl` forms whose key begins with the typed key (see
    // schluessel::BeginntMit), the most common first, then those without a
    // rank, shorter first. The empty key gives the most common forms.
    void Vervollstaendigen(std::string_view praefix, std::size_t anzahl,
                           std::vector<CForm>& formen) const;

    // Everyday sentences that come with the lexicon (res/grundsaetze.txt):
    // a model learns them lightly (CVorhersage::SetWortliste), so that a new
    // user is offered "Hunger" after "ich habe". One a line, as "Situation |
    // Satz" or the sentence alone; empty lines and lines from '#' are left
    // out. SaetzeLesen gives false with a German message when the file is
    // missing or holds a line that is no sentence (then `saetze` is empty).
    static bool SaetzeLesen(const std::string& datei, std::vector<std::string>& saetze,
                            std::string& fehler);
    void SetSaetze(std::vector<std::string> saetze) { m_saetze = std::move(saetze); }
    const std::vector<std::string>& Saetze() const { return m_saetze; }

    // Bytes held.
    std::size_t Speicherbedarf() const;

private:
    // A form in m_text: its spelling, then its key, then its Locker key.
    struct CEintrag {
        std::uint32_t anfang;
        std::uint8_t schreibung, schluessel, locker;  // lengths in bytes
        std::uint32_t rang;
    };
    CForm Form(const CEintrag& e) const;
    std::string_view Locker(const CEintrag& e) const;

    std::string m_text;
    std::vector<CEintrag> m_formen;         // by Locker key, then key
    std::vector<std::uint32_t> m_nachRang;  // form numbers, the most common first
    std::vector<std::string> m_saetze;
};
