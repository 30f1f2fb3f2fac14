#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// Finds pictures by a German word: the OpenMoji pictograms the program ships
// (their German names and keywords from res/piktogramme-de.tsv, pictures in
// res/openmoji), the pictures of the starter vocabulary and the user's own.
//
// A word of the search text matches a word of a picture's name or keywords
// that it equals, that it begins, or that it is with a German ending
// ("Schmerzen" finds "Schmerz"); never a word it is only a part of ("Eis"
// does not find "Ameise"). Case, umlauts, accents and ß are folded away
// (reihenfolge::Falten). Every word of the search text must match.
//
// Best first: pictures where every word matched a whole word before those
// where one only matched a word's start; within each, the user's own
// pictures, then the starter vocabulary's, then all others; then a name
// equal to the search text, names before keywords, base pictograms before
// their skin tones, shorter names first, and Unicode's order.
//
// Owns its table. Loading reads the files once; a search reads nothing and
// allocates only its answer. Errors: Laden is false with a German message
// when the names file cannot be read (a line it cannot use is skipped);
// nothing throws.
class CPiktogrammSuche {
public:
    enum class Herkunft { Benutzer = 0, Grundwortschatz = 1, OpenMoji = 2 };

    struct Treffer {
        std::string code;  // the OpenMoji code; empty for a picture of the user's own
        std::string name;  // German
        std::string bild;  // full path of the picture file
        Herkunft herkunft;
    };

    // The names file and the folder of the pictures (res/openmoji), from
    // the resource folder `ressourcen`.
    bool Laden(const std::string& ressourcen, std::string& fehler);
    // Marks the pictures of the starter vocabulary (res/wortschatz.txt) and
    // makes each findable by its word as well; pictograms without a German
    // name of their own come in this way. False when the file cannot be read.
    bool GrundwortschatzLaden(const std::string& datei, std::string& fehler);
    // A picture the user's file uses, findable by the element's caption. A
    // copy of a shipped pictogram (named by its code) marks that pictogram.
    void EigenesBild(const std::string& pfad, const std::string& name);

    // At most `hoechstens` pictures, best first; none for a text without
    // letters or digits.
    std::vector<Treffer> Suchen(std::string_view text, std::size_t hoechstens = 20) const;

    std::size_t GetAnzahl() const { return m_eintraege.size(); }

    // The words of a text, folded, in their order (the search's tokens).
    static std::vector<std::string> Woerter(std::string_view text);

private:
    struct CEintrag {
        std::string code;
        std::string name;
        std::string bild;
        Herkunft herkunft = Herkunft::OpenMoji;
        bool variante = false;  // a skin tone of another pictogram
        std::string gefaltet;   // the name folded, whole
        std::vector<std::string> namenWoerter;
        std::vector<std::string> stichwoerter;
        std::size_t ordnung = 0;
    };
    CEintrag& Eintrag(const std::string& code);
    static void Dazu(std::vector<std::string>& liste, std::string_view text);

    std::vector<CEintrag> m_eintraege;
    std::unordered_map<std::string, std::size_t> m_nachCode;
    std::unordered_map<std::string, std::size_t> m_nachBild;
    std::string m_strOrdner;  // the pictograms' folder
};
