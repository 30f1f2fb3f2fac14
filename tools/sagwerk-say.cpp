// sagwerk-say: speaks a text through Sagwerk's speech engine, or writes it to
// a WAV file, so that carers can try voices and tests can listen; or prints
// the text as it will be spoken (times, money, dates and abbreviations
// written out, with a user's own pronunciations).
//
//   sagwerk-say [--speed N] [--pitch N] [--wav datei.wav] [--benutzer B.mdb] "Text"
//   sagwerk-say --text [--benutzer B.mdb] "Text"

#include <charconv>
#include <cstdint>
#include <iostream>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "CDatenbank.h"
#include "CEspeakEngine.h"
#include "CSprachausgabe.h"
#include "CSystemUhr.h"
#include "IDialoge.h"
#include "SprachWahl.h"
#include "WavDatei.h"

namespace {

void Gebrauch(std::ostream& out) {
    out << "Aufruf: sagwerk-say [--speed N] [--pitch N] [--wav DATEI.wav] [--benutzer DATEI.mdb] "
           "\"Text\"\n"
           "       sagwerk-say --text [--benutzer DATEI.mdb] \"Text\"\n"
           "  Spricht den Text mit der deutschen Stimme von espeak-ng, so wie Sagwerk ihn\n"
           "  spricht: Uhrzeiten, Beträge, Daten, Zahlen und Abkürzungen ausgeschrieben.\n"
           "  --speed N         Sprechgeschwindigkeit 50 bis 200 (Prozent, 100 = normal)\n"
           "  --pitch N         Tonhöhe 50 bis 200 (Prozent, 100 = normal)\n"
           "  --wav DATEI       schreibt den Text als WAV-Datei (16 Bit, mono), statt ihn\n"
           "                    abzuspielen\n"
           "  --text            gibt den Text so aus, wie er gesprochen wird (eine Zeile),\n"
           "                    und spricht nichts\n"
           "  --benutzer DATEI  spricht die Wörter mit der eigenen Aussprache aus der\n"
           "                    Benutzerdatei (dem phonetischen Text ihrer Elemente)\n";
}

// No one to ask on the command line: messages go to the error stream.
class CKonsole : public IDialoge {
public:
    void ReportError(const std::string& text) override {
        std::cerr << "sagwerk-say: " << text << '\n';
    }
    Antwort ShowMessage(const std::string& text, const std::string&, Symbol, Knoepfe k) override {
        std::cerr << "sagwerk-say: " << text << '\n';
        return k == Knoepfe::Ok ? Antwort::Ok : Antwort::Nein;
    }
    void BeginWait() override {}
    void EndWait() override {}
};

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
    std::string benutzer;
    bool nurText = false;
    std::string text;
    bool textGesehen = false;

    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "-h" || arg == "--help" || arg == "--hilfe") {
            Gebrauch(std::cout);
            return 0;
        }
        if (arg == "--text") {
            nurText = true;
            continue;
        }
        if (arg == "--speed" || arg == "--pitch" || arg == "--wav" || arg == "--benutzer") {
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
            if (arg == "--benutzer") {
                benutzer = wert;
                if (benutzer.empty()) return Fehler("Der Name der Benutzerdatei ist leer.");
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

    if (nurText && !wav.empty()) {
        Gebrauch(std::cerr);
        return Fehler("--text und --wav schließen einander aus.");
    }

    // The text goes the program's own way: through the speech object, which
    // says it the German way before the engine gets it.
    std::string fehler;
    std::unique_ptr<CEspeakEngine> engine;
    CEspeakEngine* abspielen = nullptr;
    if (!nurText && wav.empty()) {
        if (!TongeraetVorhanden()) {
            return Fehler(
                "Es wurde kein Tonausgabegerät gefunden. Mit --wav DATEI.wav lässt sich der Text "
                "in eine Datei schreiben.");
        }
        engine = CEspeakEngine::Starten(fehler);
        if (!engine) return Fehler(fehler);
        abspielen = engine.get();
    }
    CSprachausgabe sprache("", speed, pitch, std::move(engine));

    if (!benutzer.empty()) {
        CKonsole konsole;
        CSystemUhr uhr;
        CDatenbank::Optionen optionen;
        optionen.mitIndex = false;
        CDatenbank db(benutzer, konsole, uhr, optionen);
        if (!db.IsOpen()) return 1;  // the data store has said why
        std::vector<std::pair<std::string, std::string>> paare;
        if (!db.LoadAussprachen(paare)) return 1;
        sprache.SetAussprachen(paare);
    }

    const std::string gesprochen = sprache.Gesprochen(text);
    if (nurText) {
        std::string zeile = gesprochen;
        for (char& c : zeile) {
            if (c == '\n' || c == '\r') c = ' ';
        }
        std::cout << zeile << '\n';
        return 0;
    }
    if (!wav.empty()) {
        std::vector<std::int16_t> samples;
        int rate = 0;
        if (!CEspeakEngine::Synthetisieren(gesprochen, speed, pitch, samples, rate, fehler)) {
            return Fehler(fehler);
        }
        if (!WavSchreiben(wav, samples, rate, fehler)) return Fehler(fehler);
        return 0;
    }
    if (!sprache.Speak(text)) return Fehler("espeak-ng hat den Text nicht angenommen.");
    abspielen->Abwarten();
    return 0;
}
