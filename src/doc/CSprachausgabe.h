#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "CNormalisierer.h"
#include "ISprachEngine.h"

// The single point through which the program speaks.
//
// Keeps the user's speed and pitch (a setter keeps only non-zero values and
// returns the old one) and hands each text, with both values, to the engine it
// owns. Without an engine it is silent.
//
// Every text is said the German way before the engine gets it: times, money,
// dates, numbers and abbreviations written out, and the words the user's
// elements give a phonetic text replaced by it (CNormalisierer). What is
// stored and shown stays as it was written.
class CSprachausgabe {
public:
    // The directory argument is accepted and not kept, as the document has
    // always passed its current directory.
    CSprachausgabe(const std::string& verzeichnis, int speed, int pitch,
                   std::unique_ptr<ISprachEngine> engine = nullptr);
    virtual ~CSprachausgabe();
    CSprachausgabe(const CSprachausgabe&) = delete;
    CSprachausgabe& operator=(const CSprachausgabe&) = delete;

    // True if the text is not empty (it is then handed to the engine, which
    // returns once it has it); false for the empty text, which is not handed on.
    // `eigeneAussprachen` off: without the user's own pronunciations (the
    // editor's preview of an element, which is to sound as its own texts say).
    bool Speak(const std::string& text, bool eigeneAussprachen = true);
    // The text as Speak hands it to the engine.
    std::string Gesprochen(const std::string& text) const;

    // The user's own pronunciations, word as written to phonetic text
    // (CDatenbank::LoadAussprachen); they replace the ones given before.
    void SetAussprachen(const std::vector<std::pair<std::string, std::string>>& paare);

    // Return the previous value; store the new one only if it is not 0.
    int SetSpeed(int speed);
    int SetPitch(int pitch);

    int GetSpeed() const { return m_nSpeed; }
    int GetPitch() const { return m_nPitch; }
    ISprachEngine& GetEngine() { return *m_pEngine; }

private:
    int m_nSpeed = 0;
    int m_nPitch = 0;
    std::unique_ptr<ISprachEngine> m_pEngine;
    CNormalisierer m_normalisierer;
    const CNormalisierer m_ohneAussprachen;
};
