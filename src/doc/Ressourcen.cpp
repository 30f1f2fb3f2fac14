#include "Ressourcen.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

std::string RessourcenVerzeichnis() {
    if (const char* env = std::getenv("SAGWERK_RES"); env && *env) return env;
    std::error_code fehler;
    const fs::path programm = fs::read_symlink("/proc/self/exe", fehler);
    fs::path ordner = fehler ? fs::current_path(fehler) : programm.parent_path();
    // bin/sagwerk installed, src/app/sagwerk or tools/sagwerk-formen built.
    for (int stufe = 0; stufe < 4 && !ordner.empty(); ++stufe) {
        const fs::path kandidat = ordner / "share" / "sagwerk";
        if (fs::is_regular_file(kandidat / "wortschatz.txt", fehler)) return kandidat.string();
        if (ordner == ordner.parent_path()) break;
        ordner = ordner.parent_path();
    }
    // Named in the messages of whatever is then missing.
    return (programm.parent_path().parent_path() / "share" / "sagwerk").string();
}

std::string WortschatzDatei() { return RessourcenVerzeichnis() + "/wortschatz.txt"; }
