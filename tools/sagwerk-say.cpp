// sagwerk-say: speaks a text through Sagwerk's speech engine, or writes it to
// a WAV file, so that carers can try voices and tests can listen.
//
//   sagwerk-say [--speed N] [--pitch N] [--wav datei.wav] "Text"

#include <charconv>
#include <cstdint>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "CEspeakEngine.h"
#include "SprachWahl.h"
#include "WavDatei.h"

namespace {

void Gebrauch(std::ostream& out) {
    out << "Aufruf: sagwerk-say [--speed N] [--pitch N] [--wav DATEI.wav] \"Text\"\n"
           "  Spricht den Text mit der deutschen Stimme von espeak-ng.\n"
           "  --speed N   Sprechgeschwindigkeit 50 bis 200 (Prozent, 100 = normal)\n"
           "  --pitch N   Tonhöhe 50 bis 200 (Prozent, 100 = normal)\n"
           "  --wav DATEI schreibt den Text als WAV-Datei (16 Bit, mono), statt ihn abzuspielen\n";
}

bool Zahl(std::string_view text, int& wert) {
    const char* ende = text.data() + text.size();
    const auto [p, ec] = std::from_chars(text.data(), ende, wert);
    return ec == std::errc() && p == ende;
}

int Fehler(const std::string& text) {
    std::cerr << "sagwerk-say: " << text << "\n";
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    int speed = 100;
    int pitch = 100;
    std::string wav;
    std::string text;
    bool textGesehen = false;

    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "-h" || arg == "--help" || arg == "--hilfe") {
            Gebrauch(std::cout);
            return 0;
        }
        if (arg == "--speed" || arg == "--pitch" || arg == "--wav") {
            if (i + 1 >= argc) {
                Gebrauch(std::cerr);
                return Fehler("Nach " + std::string(arg) + " fehlt ein Wert.");
            }
            const std::string_view wert = argv[++i];
            if (arg == "--wav") {
                wav = wert;
                if (wav.empty()) return Fehler("Der Name der WAV-Datei ist leer.");
                continue;
            }
            int zahl = 0;
            if (!Zahl(wert, zahl) || zahl < 50 || zahl > 200) {
                return Fehler("Der Wert für " + std::string(arg) +
                              " muss eine Zahl von 50 bis 200 sein, nicht \"" + std::string(wert) +
                              "\".");
            }
            (arg == "--speed" ? speed : pitch) = zahl;
            continue;
        }
        if (arg.size() > 1 && arg[0] == '-' && arg != "--") {
            Gebrauch(std::cerr);
            return Fehler("Unbekannte Option \"" + std::string(arg) + "\".");
        }
        if (arg == "--") {
            for (++i; i < argc; ++i) {
                text += (textGesehen ? " " : "") + std::string(argv[i]);
                textGesehen = true;
            }
            break;
        }
        text += (textGesehen ? " " : "") + std::string(arg);
        textGesehen = true;
    }

    if (text.find_first_not_of(" \t") == std::string::npos) {
        Gebrauch(std::cerr);
        return Fehler("Es wurde kein Text angegeben.");
    }

    std::string fehler;
    if (!wav.empty()) {
        std::vector<std::int16_t> samples;
        int rate = 0;
        if (!CEspeakEngine::Synthetisieren(text, speed, pitch, samples, rate, fehler)) {
            return Fehler(fehler);
        }
        if (!WavSchreiben(wav, samples, rate, fehler)) return Fehler(fehler);
        return 0;
    }

    if (!TongeraetVorhanden()) {
        return Fehler(
            "Es wurde kein Tonausgabegerät gefunden. Mit --wav DATEI.wav lässt sich der Text "
            "in eine Datei schreiben.");
    }
    auto engine = CEspeakEngine::Starten(fehler);
    if (!engine) return Fehler(fehler);
    if (!engine->Sprechen(text, speed, pitch))
        return Fehler("espeak-ng hat den Text nicht angenommen.");
    engine->Abwarten();
    return 0;
}
