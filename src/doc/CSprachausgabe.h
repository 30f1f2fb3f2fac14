#pragma once

#include <memory>
#include <string>

#include "ISprachEngine.h"

// The single point through which the program speaks.
//
// Keeps the user's speed and pitch (a setter keeps only non-zero values and
// returns the old one) and hands each text, with both values, to the engine it
// owns. Without an engine it is silent.
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
    bool Speak(const std::string& text);

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
};
