#include "CEspeakEngine.h"

#include <espeak-ng/espeak_ng.h>
#include <espeak-ng/speak_lib.h>

#include <algorithm>
#include <cmath>
#include <mutex>

namespace {

constexpr const char* kStimme = "de";

// espeak-ng keeps one state per process; this is our record of it.
std::mutex g_sperre;
bool g_bInitialisiert = false;
espeak_ng_OUTPUT_MODE g_modus = ENOUTPUT_MODE_SPEAK_AUDIO;
int g_nRate = 0;

int Sammeln(short* wav, int anzahl, espeak_EVENT* ereignisse) {
    if (wav != nullptr && anzahl > 0 && ereignisse != nullptr && ereignisse->user_data != nullptr) {
        auto* ziel = static_cast<std::vector<std::int16_t>*>(ereignisse->user_data);
        ziel->insert(ziel->end(), wav, wav + anzahl);
    }
    return 0;  // go on
}

// Brings the library up in the wanted mode; the caller holds the lock.
//
// espeak-ng is started once per process, in one mode, and never shut down:
// in 1.51 a second start after espeak_Terminate leaves its playback queue in
// a stale state (espeak_Cancel and espeak_Synchronize then wait for ever),
// and re-initialising only the output lets the rest of a cancelled playback
// text leak into the next synthesis into memory. The program plays, the tool
// and the tests synthesise; none needs both.
bool Bereit(espeak_ng_OUTPUT_MODE modus, std::string& fehler) {
    if (g_bInitialisiert) {
        if (g_modus == modus) return true;
        fehler = modus == ENOUTPUT_MODE_SYNCHRONOUS
                     ? "espeak-ng spielt in diesem Programm schon ab und kann nicht zugleich in "
                       "den Speicher schreiben"
                     : "espeak-ng schreibt in diesem Programm schon in den Speicher und kann "
                       "nicht zugleich abspielen";
        return false;
    }
    espeak_ng_InitializePath(nullptr);
    espeak_ng_ERROR_CONTEXT kontext = nullptr;
    const espeak_ng_STATUS status = espeak_ng_Initialize(&kontext);
    espeak_ng_ClearErrorContext(&kontext);
    if (status != ENS_OK) {
        fehler = "espeak-ng ließ sich nicht starten (fehlen die Sprachdaten espeak-ng-data?)";
        return false;
    }
    if (espeak_ng_InitializeOutput(modus, 0, nullptr) != ENS_OK) {
        fehler = "espeak-ng kann keine Tonausgabe öffnen";
        return false;
    }
    if (espeak_ng_SetVoiceByName(kStimme) != ENS_OK) {
        fehler = "espeak-ng hat keine deutsche Stimme (\"de\")";
        return false;
    }
    espeak_SetSynthCallback(&Sammeln);
    g_bInitialisiert = true;
    g_modus = modus;
    g_nRate = espeak_ng_GetSampleRate();
    return true;
}

bool Einstellen(int speed, int pitch) {
    return espeak_SetParameter(espeakRATE, CEspeakEngine::Rate(speed), 0) == EE_OK &&
           espeak_SetParameter(espeakPITCH, CEspeakEngine::Tonhoehe(pitch), 0) == EE_OK;
}

int Prozent(int wert) { return wert == 0 ? 100 : std::clamp(wert, 50, 200); }

}  // namespace

int CEspeakEngine::Rate(int speed) {
    const int wpm = static_cast<int>(
        std::lround(espeakRATE_NORMAL * static_cast<double>(Prozent(speed)) / 100.0));
    return std::clamp(wpm, espeakRATE_MINIMUM, espeakRATE_MAXIMUM);
}

int CEspeakEngine::Tonhoehe(int pitch) {
    return std::clamp(static_cast<int>(std::lround(50.0 * Prozent(pitch) / 100.0)), 0, 100);
}

std::unique_ptr<CEspeakEngine> CEspeakEngine::Starten(std::string& fehler) {
    std::lock_guard<std::mutex> lock(g_sperre);
    if (!Bereit(ENOUTPUT_MODE_SPEAK_AUDIO, fehler)) return nullptr;
    return std::unique_ptr<CEspeakEngine>(new CEspeakEngine());
}

CEspeakEngine::~CEspeakEngine() {
    std::lock_guard<std::mutex> lock(g_sperre);
    // Only stop talking; the library stays up for the rest of the process
    // (see Bereit).
    if (g_bInitialisiert && g_modus == ENOUTPUT_MODE_SPEAK_AUDIO) espeak_ng_Cancel();
}

bool CEspeakEngine::Sprechen(const std::string& text, int speed, int pitch) {
    std::lock_guard<std::mutex> lock(g_sperre);
    std::string fehler;
    if (!Bereit(ENOUTPUT_MODE_SPEAK_AUDIO, fehler)) return false;
    espeak_Cancel();
    if (!Einstellen(speed, pitch)) return false;
    return espeak_Synth(text.c_str(), text.size() + 1, 0, POS_CHARACTER, 0, espeakCHARS_UTF8,
                        nullptr, nullptr) == EE_OK;
}

void CEspeakEngine::Anhalten() {
    std::lock_guard<std::mutex> lock(g_sperre);
    if (g_bInitialisiert) espeak_Cancel();
}

bool CEspeakEngine::Spricht() {
    std::lock_guard<std::mutex> lock(g_sperre);
    return g_bInitialisiert && g_modus == ENOUTPUT_MODE_SPEAK_AUDIO && espeak_IsPlaying() != 0;
}

void CEspeakEngine::Abwarten() {
    std::lock_guard<std::mutex> lock(g_sperre);
    if (g_bInitialisiert && g_modus == ENOUTPUT_MODE_SPEAK_AUDIO) espeak_Synchronize();
}

bool CEspeakEngine::Synthetisieren(const std::string& text, int speed, int pitch,
                                   std::vector<std::int16_t>& samples, int& rate,
                                   std::string& fehler) {
    std::lock_guard<std::mutex> lock(g_sperre);
    samples.clear();
    rate = 0;
    if (!Bereit(ENOUTPUT_MODE_SYNCHRONOUS, fehler)) return false;
    if (!Einstellen(speed, pitch)) {
        fehler = "espeak-ng nimmt Geschwindigkeit oder Tonhöhe nicht an";
        return false;
    }
    // Synchronous mode: espeak_Synth returns when the whole text is done.
    if (espeak_Synth(text.c_str(), text.size() + 1, 0, POS_CHARACTER, 0, espeakCHARS_UTF8, nullptr,
                     &samples) != EE_OK) {
        fehler = "espeak-ng konnte den Text nicht umsetzen";
        return false;
    }
    rate = g_nRate;
    return true;
}
