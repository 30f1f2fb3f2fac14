#include <filesystem>
#include <iostream>
#include <system_error>

#include "CAufruf.h"
#include "CSagwerkApp.h"

int main(int argc, char** argv) {
    const CAufruf aufruf = CAufruf::Lesen(argc, argv);
    switch (aufruf.GetArt()) {
        case CAufruf::Hilfe:
            std::cout << CAufruf::Hilfetext();
            return 0;
        case CAufruf::Version:
            std::cout << CAufruf::Versionstext();
            return 0;
        case CAufruf::Fehler:
            std::cerr << aufruf.GetFehler() << "\nMehr dazu: sagwerk --help\n";
            return 2;
        case CAufruf::Starten:
            break;
    }
    if (const std::string ohne = aufruf.OhneBildschirm(); !ohne.empty()) {
        std::cerr << ohne;
        return 1;
    }
    // The program works in the users' folder: the files, their pictures and
    // the backups are found from there.
    std::string ordner = aufruf.GetOrdner();
    std::error_code fehler;
    if (aufruf.IsDatenordner()) {
        ordner = CAufruf::Datenordner();
        if (ordner.empty()) {
            std::cerr << "Der persönliche Datenordner ist nicht bekannt: weder XDG_DATA_HOME "
                         "noch HOME ist gesetzt, und das System kennt keinen Heimordner. "
                         "Bitte einen Ordner angeben: sagwerk ORDNER\n";
            return 1;
        }
        std::filesystem::create_directories(ordner, fehler);
    }
    if (!ordner.empty()) {
        std::filesystem::current_path(ordner, fehler);
        if (fehler) {
            const char* grund = !std::filesystem::exists(ordner) ? "gibt es nicht"
                                : !std::filesystem::is_directory(ordner)
                                    ? "ist kein Ordner"
                                    : "kann nicht geöffnet werden (fehlende Berechtigung)";
            std::cerr << "Der Ordner \u201E" << ordner << "\u201C " << grund << ".\n";
            return 1;
        }
    }
    CSagwerkApp app(argc, argv);
    return app.Run();
}
