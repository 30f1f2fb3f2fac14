#pragma once

#include <istream>
#include <string>
#include <vector>

class CDatenbank;
class CWortelement;
class IDialoge;
class IUhr;

// The starter vocabulary: categories with their words, verbs with all
// eighteen forms, links, function and emotion buttons, read from the text
// format of res/wortschatz.txt (described at the top of that file) and
// written into a user database.
//
// Pictures are OpenMoji codes in the file; they are stored as
// "icons\openmoji\<Code>.svg", relative to the working directory, and a
// new user's folder gets copies of them (CBildvorrat).
//
// Errors: Lesen returns false with a German message naming the line; nothing
// read so far is kept. Schreiben returns false when the database refused a
// row (CDatenbank has then reported why).
class CWortschatz {
public:
    struct CEintrag {
        enum Art { Wort, Verb, Link };
        Art art = Wort;
        std::string text;     // word, infinitive or target category
        std::string anzeige;  // the caption: a word's text with its soft hyphens
        std::string bild;     // OpenMoji code
        std::string phonetisch;
        std::vector<std::string> formen;  // verb: present, past, future, six each
    };
    struct CSeite {
        std::string name;
        std::string bild;
        std::vector<CEintrag> eintraege;
    };
    struct CFunktion {
        long code = 0;
        std::string text, anzeige, bild;
    };
    struct CEmotion {
        std::string text, anzeige, bild;
    };

    bool Lesen(std::istream& ein, std::string& fehler);
    bool LesenDatei(const std::string& pfad, std::string& fehler);
    bool Schreiben(CDatenbank& db) const;

    // Creates a new user file `pfad` (never overwriting one) holding the
    // starter vocabulary of the file `wortschatz`. The file appears complete
    // or not at all. False with a German message in `fehler`.
    static bool BenutzerAnlegen(const std::string& pfad, const std::string& vorname,
                                const std::string& name, const std::string& wortschatz,
                                IDialoge& dialoge, const IUhr& uhr, std::string& fehler);

    static std::string BildPfad(const std::string& code);
    // Gives the element the entry's kind, caption, picture, phonetic text
    // and forms; a link leads to the category `linkZiel`. Position and
    // category are the caller's.
    static void Fuellen(const CEintrag& eintrag, long linkZiel, CWortelement& element);
    // The vocabulary of the one page `seite` (nothing when there is none),
    // without buttons: what a carer takes into a user.
    CWortschatz Auszug(const std::string& seite) const;
    // The text without blanks, tabs and carriage returns at either end, as
    // the resource files are read.
    static std::string Trimmen(const std::string& s);

    const std::vector<CSeite>& GetSeiten() const { return m_seiten; }
    const std::vector<CFunktion>& GetFunktionen() const { return m_funktionen; }
    const std::vector<CEmotion>& GetEmotionen() const { return m_emotionen; }
    int AnzahlWoerter() const;
    int AnzahlVerben() const;

private:
    std::vector<CSeite> m_seiten;
    std::vector<CFunktion> m_funktionen;
    std::vector<CEmotion> m_emotionen;
};
