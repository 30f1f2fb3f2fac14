#include "Ressourcen.h"

#include <cstdlib>

std::string RessourcenVerzeichnis() {
    if (const char* env = std::getenv("SAGWERK_RES"); env && *env) return env;
    return SAGWERK_RES_DIR;
}

std::string WortschatzDatei() { return RessourcenVerzeichnis() + "/wortschatz.txt"; }
