#include "CBildAblage.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <system_error>

namespace fs = std::filesystem;

namespace {

bool GleicherInhalt(const fs::path& datei, const std::string& daten) {
    std::error_code ec;
    if (fs::file_size(datei, ec) != daten.size() || ec) return false;
    std::ifstream ein(datei, std::ios::binary);
    const std::string da((std::istreambuf_iterator<char>(ein)), std::istreambuf_iterator<char>());
    return da == daten;
}

}  // namespace

int CBildAblage::Schreiben(const fs::path& ziel, const std::string& daten) {
    std::error_code ec;
    if (fs::exists(ziel, ec)) return GleicherInhalt(ziel, daten) ? 0 : -1;
    // "x": the file is created here or not at all, never opened over another.
    std::FILE* f = std::fopen(ziel.c_str(), "wbx");
    if (f == nullptr) return fs::exists(ziel, ec) ? -1 : -2;
    const bool ok = std::fwrite(daten.data(), 1, daten.size(), f) == daten.size();
    const bool zu = std::fclose(f) == 0;
    if (!ok || !zu) {
        fs::remove(ziel, ec);
        return -2;
    }
    m_neu.push_back(ziel);
    return 1;
}

std::string CBildAblage::Ablegen(const std::string& daten, const std::string& stamm,
                                 const std::string& endung, std::string& fehler) {
    const fs::path ordner = fs::path(m_ordner) / "bilder";
    std::error_code ec;
    fs::create_directories(ordner, ec);
    for (int nummer = 1; !ec && nummer < 10000; ++nummer) {
        const std::string name =
            nummer == 1 ? stamm + endung : stamm + "-" + std::to_string(nummer) + endung;
        const int ergebnis = Schreiben(ordner / name, daten);
        if (ergebnis >= 0) return "bilder\\" + name;
        if (ergebnis == -2) break;
    }
    fehler = "Das Bild \u201E" + stamm + endung +
             "\u201C kann nicht in den Ordner des Benutzers geschrieben werden (ist die Platte "
             "voll?).";
    return {};
}

std::string CBildAblage::AblegenUnter(const std::string& daten, const std::string& name) {
    std::string pfad = name;
    for (char& c : pfad) {
        if (c == '\\') c = '/';
    }
    const fs::path relativ(pfad);
    if (pfad.empty() || relativ.is_absolute() || (pfad.size() >= 2 && pfad[1] == ':')) return {};
    for (const fs::path& teil : relativ) {
        if (teil == ".." || teil == ".") return {};
    }
    const fs::path ziel = fs::path(m_ordner) / relativ;
    std::error_code ec;
    fs::create_directories(ziel.parent_path(), ec);
    if (ec) return {};
    return Schreiben(ziel, daten) >= 0 ? name : std::string();
}

void CBildAblage::Zuruecknehmen() {
    std::error_code ec;
    for (const fs::path& p : m_neu) fs::remove(p, ec);
    m_neu.clear();
}
