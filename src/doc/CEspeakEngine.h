#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "ISprachEngine.h"

// espeak-ng with the German voice "de".
//
// The engine plays asynchronously: Sprechen returns once espeak-ng has the
// text, and a new text interrupts the one being spoken. Speed and pitch are
// percent (50 to 200; 0 = normal) of espeak-ng's normal rate of 175 words a
// minute and its normal pitch 50 (on its 0-100 scale).
//
// espeak-ng is one library state per process, started on first use in the
// mode of that use and kept until the process ends: a process either plays
// (the program) or synthesises into memory (sagwerk-say --wav, the tests).
// Asking for the other mode afterwards fails with a German reason, because
// espeak-ng 1.51 cannot be restarted or switched cleanly. All calls are
// serialised by one lock.
//
// espeak-ng's playback reports no error when there is no sound device; the
// choice of engine (SprachWahl.h) checks the device before starting this one.
class CEspeakEngine : public ISprachEngine {
public:
    // Starts espeak-ng for playback with the German voice. Null and a German
    // reason in `fehler` when the library or the voice cannot be loaded.
    static std::unique_ptr<CEspeakEngine> Starten(std::string& fehler);

    ~CEspeakEngine() override;
    CEspeakEngine(const CEspeakEngine&) = delete;
    CEspeakEngine& operator=(const CEspeakEngine&) = delete;

    bool Sprechen(const std::string& text, int speed, int pitch) override;
    void Anhalten() override;
    bool Spricht() override;
    // Blocks until the text handed over last has been played (for the
    // command-line tool, which must not end before).
    void Abwarten();

    // Synthesises the UTF-8 text synchronously into memory: 16-bit mono
    // samples at espeak-ng's sample rate (given in `rate`). False and a German
    // reason in `fehler` when espeak-ng cannot start or the synthesis fails.
    static bool Synthetisieren(const std::string& text, int speed, int pitch,
                               std::vector<std::int16_t>& samples, int& rate, std::string& fehler);

    // The mapping onto espeak-ng: words a minute for a speed in percent, and
    // espeak-ng's pitch (0-100) for a pitch in percent. Values outside 50-200
    // are taken as 50 or 200; 0 gives the normal value.
    static int Rate(int speed);
    static int Tonhoehe(int pitch);

private:
    CEspeakEngine() = default;
};
