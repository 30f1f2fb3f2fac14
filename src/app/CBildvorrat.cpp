#include "CBildvorrat.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>
#include <system_error>
#include <utility>

#include "CWortschatz.h"

bool CBildvorrat::Kopieren(const std::string& ordner, const CWortschatz* wortschatz,
                           std::string& fehler) const {
    namespace fs = std::filesystem;
    // Stored name (with backslashes, as the user file keeps it) -> code.
    std::set<std::pair<std::string, std::string>> bilder;
    std::ifstream liste(fs::path(m_strRessourcen) / "piktogramme.txt");
    for (std::string zeile; std::getline(liste, zeile);) {
        const std::string t = CWortschatz::Trimmen(zeile);
        const auto strich = t.find('|');
        if (t.empty() || t[0] == '#' || strich == std::string::npos) continue;
        const std::string name = CWortschatz::Trimmen(t.substr(0, strich));
        // A name without a folder is a user's own picture (the demo's).
        if (name.find('\\') == std::string::npos) continue;
        bilder.emplace(name, CWortschatz::Trimmen(t.substr(strich + 1)));
    }
    if (wortschatz != nullptr) {
        const auto dazu = [&](const std::string& code) {
            if (!code.empty()) bilder.emplace(CWortschatz::BildPfad(code), code);
        };
        for (const auto& seite : wortschatz->GetSeiten()) {
            dazu(seite.bild);
            for (const auto& e : seite.eintraege) dazu(e.bild);
        }
        for (const auto& f : wortschatz->GetFunktionen()) dazu(f.bild);
        for (const auto& e : wortschatz->GetEmotionen()) dazu(e.bild);
    }

    bool alle = true;
    for (const auto& [name, code] : bilder) {
        std::string relativ = name;
        std::replace(relativ.begin(), relativ.end(), '\\', '/');
        const fs::path ziel = fs::path(ordner) / relativ;
        std::error_code ec;
        if (fs::exists(ziel, ec)) continue;
        const fs::path quelle = fs::path(m_strRessourcen) / "openmoji" / (code + ".svg");
        fs::create_directories(ziel.parent_path(), ec);
        if (!fs::copy_file(quelle, ziel, fs::copy_options::none, ec) && alle) {
            fehler = "Das Bild \u201E" + name + "\u201C (" + code +
                     ") fehlt unter den Bildern von Sagwerk oder kann nicht kopiert werden.";
            alle = false;
        }
    }
    return alle;
}
