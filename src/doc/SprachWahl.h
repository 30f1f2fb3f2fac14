#pragma once

#include <functional>
#include <memory>
#include <string>

#include "ISprachEngine.h"

class IDialoge;

// Whether a sound device is there to play on. Cheap and never blocking: it
// only looks for a PulseAudio or PipeWire server (PULSE_SERVER, the sockets
// under XDG_RUNTIME_DIR) and for ALSA playback devices (/dev/snd/pcmC*D*p).
// Always true on Windows.
bool TongeraetVorhanden();

// What the choice below uses; tests replace both.
struct CSprachWahlHilfen {
    std::function<bool()> geraetVorhanden = &TongeraetVorhanden;
    std::function<std::unique_ptr<ISprachEngine>(std::string& fehler)>
        espeakStarten;  // empty: CEspeakEngine::Starten
};

// The engine the program speaks with: espeak-ng, unless the environment
// variable SAGWERK_SPEECH is "none" (then silent, without a word). When there
// is no sound device or espeak-ng cannot start, the silent engine, and the
// reason is shown once, in German, through the dialogs.
std::unique_ptr<ISprachEngine> WaehleSprachEngine(IDialoge& dialoge,
                                                  const CSprachWahlHilfen& hilfen = {});
