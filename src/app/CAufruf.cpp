#include "CAufruf.h"

#include <cstdlib>
#include <string_view>

CAufruf CAufruf::Lesen(int argc, char** argv) {
    CAufruf a;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--help" || arg == "-h" || arg == "--hilfe") {
            a.m_art = Hilfe;
            return a;
        }
        if (arg == "--version" || arg == "-v") {
            a.m_art = Version;
            return a;
        }
        if (arg == "--datenordner") {
            a.m_bDatenordner = true;
        } else if (arg == "-platform" || arg == "-style" || arg == "-display" || arg == "-qwindowgeometry") {
            ++i;  // Qt's, with a value
        } else if (arg.size() > 1 && arg[0] == '-') {
            // Qt's options without a value start with one dash as well.
            if (arg.starts_with("--")) {
                a.m_art = Fehler;
                a.m_strFehler = "Unbekannte Option \u201E" + std::string(arg) + "\u201C.";
                return a;
            }
        } else if (a.m_strOrdner.empty()) {
            a.m_strOrdner = arg;
        } else {
            a.m_art = Fehler;
            a.m_strFehler = "Nur ein Ordner kann angegeben werden, nicht auch \u201E" +
                            std::string(arg) + "\u201C.";
            return a;
        }
    }
    if (a.m_bDatenordner && !a.m_strOrdner.empty()) {
        a.m_art = Fehler;
        a.m_strFehler = "Entweder ein Ordner oder --datenordner, nicht beides.";
    }
    return a;
}

std::string CAufruf::Hilfetext() {
    return "Aufruf: sagwerk [ORDNER]\n"
           "        sagwerk --datenordner\n"
           "\n"
           "Sagwerk ist eine Kommunikationshilfe: Sätze aus Bildern und Wörtern bilden und\n"
           "sprechen lassen.\n"
           "\n"
           "Die Benutzerdateien liegen im ORDNER; ohne ihn im aktuellen Ordner.\n"
           "\n"
           "  --datenordner  die Benutzerdateien im persönlichen Datenordner\n"
           "                 ($XDG_DATA_HOME/sagwerk, sonst ~/.local/share/sagwerk);\n"
           "                 so startet der Eintrag im Anwendungsmenü\n"
           "  --version      die Version zeigen\n"
           "  --help         diese Hilfe zeigen\n";
}

std::string CAufruf::Versionstext() { return std::string("Sagwerk ") + SAGWERK_VERSION + "\n"; }

std::string CAufruf::Datenordner() {
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg != nullptr && *xdg == '/')
        return std::string(xdg) + "/sagwerk";
    const char* home = std::getenv("HOME");
    return std::string(home != nullptr ? home : "") + "/.local/share/sagwerk";
}
