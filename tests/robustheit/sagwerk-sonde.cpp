// Robustness probes of the core: a program killed while it stores, and
// damaged user files. Broken pictures are probed by sagwerk-sonde-bilder
// (built with the GUI), which "sagwerk-sonde bilder" runs.
//
//   sagwerk-sonde toeten --runden N [--gesperrt]
//   sagwerk-sonde schaden --dateien N
//   sagwerk-sonde gehalten --runden N
//   sagwerk-sonde voll --runden N
//   sagwerk-sonde ohneheim --runden N
//   sagwerk-sonde zurueck --runden N
//   sagwerk-sonde nachholen --runden N
//   sagwerk-sonde editorvoll --runden N
//   sagwerk-sonde bilder --anzahl N [--bilder ORDNER]
// Each takes --saat S (replays a run) and --funde ORDNER (where findings are
// kept); each prints one summary line and ends with 0 exactly when every
// bad count is 0 (1 otherwise, 2 when the probe itself could not run).

#include <unistd.h>

#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "SondeProben.h"

namespace {

int Bilder(int argc, char** argv) {
    // The picture probe needs Qt; it lives beside this program.
    std::error_code ec;
    const auto selbst = std::filesystem::read_symlink("/proc/self/exe", ec);
    const std::string bilder = (selbst.parent_path() / "sagwerk-sonde-bilder").string();
    std::vector<char*> args{const_cast<char*>(bilder.c_str())};
    for (int i = 2; i < argc; ++i) args.push_back(argv[i]);
    args.push_back(nullptr);
    ::execv(bilder.c_str(), args.data());
    std::cerr << "sagwerk-sonde-bilder fehlt (nur mit der Oberfläche gebaut).\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string befehl = argc > 1 ? argv[1] : "";
    if (befehl == "toeten") {
        return sonde::Toeten(
            sonde::CArgumente(argc, argv, 2, {"--runden", "--saat", "--funde"}, {"--gesperrt"}));
    }
    if (befehl == "schaden") {
        return sonde::Schaden(sonde::CArgumente(argc, argv, 2, {"--dateien", "--saat", "--funde"}));
    }
    if (befehl == "gehalten") {
        return sonde::Gehalten(sonde::CArgumente(argc, argv, 2, {"--runden", "--saat"}));
    }
    if (befehl == "voll") return sonde::Voll(sonde::CArgumente(argc, argv, 2, {"--runden", "--saat"}));
    if (befehl == "ohneheim") {
        return sonde::OhneHeim(sonde::CArgumente(argc, argv, 2, {"--runden", "--saat"}));
    }
    if (befehl == "zurueck") {
        return sonde::Zurueck(sonde::CArgumente(argc, argv, 2, {"--runden", "--saat", "--funde"}));
    }
    if (befehl == "nachholen") {
        return sonde::Nachholen(sonde::CArgumente(argc, argv, 2, {"--runden", "--saat"}));
    }
    if (befehl == "editorvoll") {
        return sonde::EditorVoll(sonde::CArgumente(argc, argv, 2, {"--runden"}));
    }
    if (befehl == "bilder") return Bilder(argc, argv);
    std::cerr << "Aufruf: sagwerk-sonde toeten --runden N [--gesperrt]\n"
                 "       sagwerk-sonde schaden --dateien N\n"
                 "       sagwerk-sonde gehalten --runden N\n"
                 "       sagwerk-sonde voll --runden N\n"
                 "       sagwerk-sonde ohneheim --runden N\n"
                 "       sagwerk-sonde zurueck --runden N\n"
                 "       sagwerk-sonde nachholen --runden N\n"
                 "       sagwerk-sonde editorvoll --runden N\n"
                 "       sagwerk-sonde bilder --anzahl N [--bilder ORDNER]\n"
                 "jeweils mit --saat S und --funde ORDNER\n";
    return 2;
}
