#pragma once

#include <string>

// What stands behind the speech object: something that turns a text into
// sound, or pretends to.
//
// Speed and pitch arrive with every text, as the user stores them: percent of
// the engine's normal rate and pitch, 50 to 200; 0 means not set and gives the
// normal value.
class ISprachEngine {
public:
    virtual ~ISprachEngine() = default;

    // Hands the UTF-8 text over and returns at once; a text still being
    // spoken is interrupted. False when the engine could not take it.
    virtual bool Sprechen(const std::string& text, int speed, int pitch) = 0;

    // Stops what is being spoken, if anything.
    virtual void Anhalten() = 0;

    // True while a text handed over is still being played (a spoken cue
    // waits for the sentence). An engine that cannot tell says false.
    virtual bool Spricht() { return false; }
};
