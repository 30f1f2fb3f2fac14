#include "CAufruf.h"

#include <cstdlib>
#include <filesystem>
#include <string_view>
#include <vector>

#ifndef _WIN32
#include <pwd.h>
#include <unistd.h>
#endif

namespace {

std::string Umgebung(const char* name) {
    const char* wert = std::getenv(name);
    return wert != nullptr ? wert : "";
}

// An X display this machine serves (":0", "unix:0.0") needs its socket; one
// elsewhere ("host:0") is left to Qt.
bool XBildschirm() {
    const std::string anzeige = Umgebung("DISPLAY");
    if (anzeige.empty()) return false;
    std::string_view rest = anzeige;
    if (rest.starts_with("unix:")) rest.remove_prefix(4);
    if (!rest.starts_with(':')) return true;
    rest.remove_prefix(1);
    const std::string nummer(rest.substr(0, rest.find('.')));
    if (nummer.empty() || nummer.find_first_not_of("0123456789") != std::string::npos) return true;
    return std::filesystem::exists("/tmp/.X11-unix/X" + nummer);
}

bool WaylandBildschirm() {
    const std::string anzeige = Umgebung("WAYLAND_DISPLAY");
    if (anzeige.empty()) return false;
    if (anzeige.front() == '/') return std::filesystem::exists(anzeige);
    const std::string laufzeit = Umgebung("XDG_RUNTIME_DIR");
    return laufzeit.empty() || std::filesystem::exists(laufzeit + "/" + anzeige);
}

}  // namespace

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
        } else if (arg == "-platform" || arg == "-style" || arg == "-display" ||
                   arg == "-qwindowgeometry") {
            // Qt's, with a value
            if (arg == "-platform" && i + 1 < argc) a.m_strPlattform = argv[i + 1];
            ++i;
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
    std::string home = Umgebung("HOME");
#ifndef _WIN32
    // Started without HOME (by a service, a cron job): the home folder the
    // system has for this user, never the root of the file system.
    if (home.empty() || home.front() != '/') {
        std::vector<char> puffer(16384);
        passwd eintrag{};
        passwd* gefunden = nullptr;
        if (::getpwuid_r(::getuid(), &eintrag, puffer.data(), puffer.size(), &gefunden) == 0 &&
            gefunden != nullptr && gefunden->pw_dir != nullptr && gefunden->pw_dir[0] == '/')
            home = gefunden->pw_dir;
    }
#endif
    if (home.empty() || home.front() != '/') return {};
    return home + "/.local/share/sagwerk";
}

std::string CAufruf::OhneBildschirm() const {
    std::string plattform = m_strPlattform.empty() ? Umgebung("QT_QPA_PLATFORM") : m_strPlattform;
    plattform = plattform.substr(0, plattform.find(':'));
    // offscreen, vnc, eglfs and the like need no display server.
    const bool x = plattform.empty() || plattform.starts_with("xcb");
    const bool wayland = plattform.empty() || plattform.starts_with("wayland");
    if (!x && !wayland) return {};
    if ((x && XBildschirm()) || (wayland && WaylandBildschirm())) return {};
    return "Sagwerk braucht einen Bildschirm, findet hier aber keinen (DISPLAY und "
           "WAYLAND_DISPLAY führen zu keiner grafischen Sitzung).\n"
           "Starten Sie Sagwerk in einer grafischen Sitzung, oder ohne Bildschirm unter einem "
           "virtuellen X-Server (Paket xvfb):\n"
           "  xvfb-run -a -s \"-screen 0 1024x768x24\" sagwerk\n";
}
