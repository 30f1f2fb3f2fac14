// Creates a new user file: sagwerk-newuser <Vorname> <Name> <Datei.mdb>

#include <iostream>
#include <string>

#include "BenutzerAnlegen.h"

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "Aufruf: sagwerk-newuser <Vorname> <Name> <Datei.mdb>\n"
                     "Legt eine neue Benutzerdatei an. Eine vorhandene Datei wird nicht "
                     "überschrieben.\n";
        return 2;
    }
    std::string fehler;
    if (!CreateUserDatabase(argv[3], argv[1], argv[2], fehler)) {
        std::cerr << "sagwerk-newuser: " << fehler << '\n';
        return 1;
    }
    std::cout << "Benutzerdatei " << argv[3] << " für " << argv[1] << ' ' << argv[2]
              << " angelegt.\n";
    return 0;
}
