#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "CAussprachen.h"

// Turns a written German text into the text the speech engine should read,
// so that what a person types is said as a German speaker says it: times
// ("14:30 Uhr" "vierzehn Uhr dreißig"), money ("3,50 €" "drei Euro
// fünfzig"), dates and ordinals ("am 24.12." "am vierundzwanzigsten
// Zwölften"), years, numbers, units, telephone numbers, abbreviations, the
// user's own pronunciations of words, and a few verb forms the speech engine
// says wrongly ("holt" with a long o).
//
// Owns the user's pronunciations; the rules themselves are tables in
// Regeln*.cpp and Abkuerzungen.cpp. The pronunciations come first, and what
// they give goes through the rules like any text, as it does when it comes
// from an element's own button. Forms no rule knows pass unchanged, byte for
// byte, and so does all white space.
//
// Never throws: should anything fail, the text is returned as given.
// Normalisieren may be called from several threads at once; SetAussprachen
// not at the same time.
class CNormalisierer {
public:
    CNormalisierer();
    // The user's pronunciations, before the few verb forms this class
    // mends itself.
    void SetAussprachen(const CAussprachen::Paare& paare);

    std::string Normalisieren(std::string_view text) const;

private:
    CAussprachen m_aussprachen;
};
