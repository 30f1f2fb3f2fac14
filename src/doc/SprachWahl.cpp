#include "SprachWahl.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "CEspeakEngine.h"
#include "CStummeEngine.h"
#include "IDialoge.h"

#ifndef _WIN32
#include <unistd.h>
#endif

namespace {

bool Existiert(const std::filesystem::path& pfad) {
    std::error_code ec;
    return std::filesystem::exists(pfad, ec);
}

std::string Umgebung(const char* name) {
    const char* wert = std::getenv(name);
    return wert != nullptr ? std::string(wert) : std::string();
}

}  // namespace

bool TongeraetVorhanden() {
#ifdef _WIN32
    return true;
#else
    if (!Umgebung("PULSE_SERVER").empty()) return true;
    std::string laufzeit = Umgebung("XDG_RUNTIME_DIR");
    if (laufzeit.empty()) laufzeit = "/run/user/" + std::to_string(getuid());
    const std::filesystem::path basis(laufzeit);
    if (Existiert(basis / "pulse" / "native") || Existiert(basis / "pipewire-0")) return true;

    std::error_code ec;
    for (std::filesystem::directory_iterator it("/dev/snd", ec), ende; !ec && it != ende;
         it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.rfind("pcmC", 0) == 0 && !name.empty() && name.back() == 'p') return true;
    }
    return false;
#endif
}

std::unique_ptr<ISprachEngine> WaehleSprachEngine(IDialoge& dialoge,
                                                  const CSprachWahlHilfen& hilfen) {
    if (Umgebung("SAGWERK_SPEECH") == "none") return std::make_unique<CStummeEngine>();

    const bool geraet = hilfen.geraetVorhanden ? hilfen.geraetVorhanden() : TongeraetVorhanden();
    if (!geraet) {
        dialoge.Hinweis(
            "Es wurde kein Tonausgabegerät gefunden. Sagwerk arbeitet ohne Ton weiter: "
            "Sätze werden gebildet und gespeichert, aber nicht hörbar gesprochen.");
        return std::make_unique<CStummeEngine>();
    }

    std::string fehler;
    std::unique_ptr<ISprachEngine> engine;
    if (hilfen.espeakStarten) {
        engine = hilfen.espeakStarten(fehler);
    } else {
        engine = CEspeakEngine::Starten(fehler);
    }
    if (!engine) {
        dialoge.Hinweis("Die Sprachausgabe konnte nicht gestartet werden (" + fehler +
                        "). Sagwerk arbeitet ohne Ton weiter.");
        return std::make_unique<CStummeEngine>();
    }
    return engine;
}
