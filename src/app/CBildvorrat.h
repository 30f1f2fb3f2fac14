#pragma once

#include <string>

class CWortschatz;

// The pictures that ship with the program: the OpenMoji pictograms in the
// folder "openmoji" of the resources, one SVG file per code, and the fixed
// names under which a user's folder holds the system icons and the default
// buttons' pictures (piktogramme.txt beside them).
//
// A user's folder gets copies of the pictures its user file names, so that
// it is complete wherever it is copied or restored.
class CBildvorrat {
public:
    // ressourcen: the folder holding "openmoji" and "piktogramme.txt".
    explicit CBildvorrat(std::string ressourcen) : m_strRessourcen(std::move(ressourcen)) {}

    // Copies into `ordner` the fixed pictures (those in a folder: a name
    // without one is a particular user's picture) and every picture of the
    // vocabulary (may be null), under the names the user file stores them
    // by. A file that is there already is kept. False, with a German message
    // naming the first picture that is missing or could not be copied; the
    // others are copied all the same.
    bool Kopieren(const std::string& ordner, const CWortschatz* wortschatz,
                  std::string& fehler) const;

private:
    std::string m_strRessourcen;
};
