#include "CSatzWarteschlange.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <system_error>

#ifndef _WIN32
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

std::string Maskieren(const std::string& s) {
    std::string m;
    for (char c : s) {
        if (c == '\\') {
            m += "\\\\";
        } else if (c == '\t') {
            m += "\\t";
        } else if (c == '\n') {
            m += "\\n";
        } else {
            m += c;
        }
    }
    return m;
}

std::string Demaskieren(const std::string& s) {
    std::string d;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] != '\\' || i + 1 == s.size()) {
            d += s[i];
            continue;
        }
        const char n = s[++i];
        d += n == 't' ? '\t' : n == 'n' ? '\n' : n;
    }
    return d;
}

// Where the queue goes when the user file's folder takes no file: the
// person's state folder, under a name of the user file's whole path.
std::string ImZustandsordner(const std::filesystem::path& benutzerdatei) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path ganz = fs::absolute(benutzerdatei, ec);
    fs::path ordner;
    if (const char* state = std::getenv("XDG_STATE_HOME"); state != nullptr && *state == '/') {
        ordner = state;
    } else if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') {
        ordner = fs::path(home) / ".local" / "state";
    } else {
        return {};
    }
    char hash[32];
    std::snprintf(hash, sizeof hash, "%016zx", std::hash<std::string>{}(ganz.string()));
    return (ordner / "sagwerk" / (benutzerdatei.filename().string() + "." + hash + ".warteschlange"))
        .string();
}

void Einlesen(const std::string& datei, std::vector<CSatzWarteschlange::Satz>& saetze) {
    std::ifstream ein(datei);
    for (std::string zeile; std::getline(ein, zeile);) {
        const auto tab = zeile.find('\t');
        if (tab == std::string::npos) continue;  // a line cut off by a crash
        saetze.emplace_back(Demaskieren(zeile.substr(0, tab)), Demaskieren(zeile.substr(tab + 1)));
    }
}

#ifndef _WIN32
// A file's contents, or a folder's entries, reach the disk.
void AufDiePlatte(const std::string& pfad, int art) {
    const int fd = ::open(pfad.empty() ? "." : pfad.c_str(), O_RDONLY | O_CLOEXEC | art);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

void OrdnerAufDiePlatte(const std::string& datei) {
    AufDiePlatte(std::filesystem::path(datei).parent_path().string(), O_DIRECTORY);
}
#endif

// Writes the text beside the file, syncs it and puts it in place: the file
// is whole or the old one, also after a power cut.
bool Schreiben(const std::string& datei, const std::string& text, bool synchron) {
#ifndef _WIN32
    const std::string neu = datei + ".neu";
    const int fd = ::open(neu.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0) return false;
    std::size_t geschrieben = 0;
    while (geschrieben < text.size()) {
        const ssize_t n = ::write(fd, text.data() + geschrieben, text.size() - geschrieben);
        if (n <= 0) break;
        geschrieben += static_cast<std::size_t>(n);
    }
    const bool ok = geschrieben == text.size() && (!synchron || ::fsync(fd) == 0);
    ::close(fd);
    if (!ok || ::rename(neu.c_str(), datei.c_str()) != 0) {
        ::unlink(neu.c_str());
        return false;
    }
    if (synchron) OrdnerAufDiePlatte(datei);
    return true;
#else
    std::ofstream aus(datei, std::ios::trunc | std::ios::binary);
    aus << text;
    return static_cast<bool>(aus.flush());
#endif
}

}  // namespace

void CSatzWarteschlange::Oeffnen(const std::string& benutzerdatei) {
    const std::filesystem::path pfad(benutzerdatei);
    m_strDatei =
        (pfad.parent_path() / ("." + pfad.filename().string() + ".warteschlange")).string();
    m_strAusweich = ImZustandsordner(pfad);
    m_saetze.clear();
    // Beside the user file first: the state folder is only used after that
    // place failed, so its sentences are the later ones.
    Einlesen(m_strDatei, m_saetze);
    if (!m_strAusweich.empty()) Einlesen(m_strAusweich, m_saetze);
}

void CSatzWarteschlange::Anhaengen(const Satz& satz, bool synchron) {
    m_saetze.push_back(satz);
    Sichern(synchron);
}

void CSatzWarteschlange::Entfernen(std::size_t anzahl) {
    if (anzahl >= m_saetze.size()) {
        Leeren();
        return;
    }
    m_saetze.erase(m_saetze.begin(), m_saetze.begin() + static_cast<std::ptrdiff_t>(anzahl));
    Sichern(false);
}

void CSatzWarteschlange::AufPlatte() const {
#ifndef _WIN32
    for (const std::string& datei : {m_strDatei, m_strAusweich}) {
        std::error_code ec;
        if (datei.empty() || !std::filesystem::exists(datei, ec)) continue;
        AufDiePlatte(datei, 0);
        OrdnerAufDiePlatte(datei);
    }
#endif
}

void CSatzWarteschlange::Leeren() {
    m_saetze.clear();
    std::error_code ec;
    std::filesystem::remove(m_strDatei, ec);
    if (!m_strAusweich.empty()) std::filesystem::remove(m_strAusweich, ec);
}

bool CSatzWarteschlange::Sichern(bool synchron) const {
    if (m_strDatei.empty()) return false;
    std::string text;
    for (const Satz& s : m_saetze) text += Maskieren(s.first) + '\t' + Maskieren(s.second) + '\n';
    // Once the state folder holds some, all go there: the order stays. A
    // folder its owner has write-protected is left alone, whoever we are.
    std::error_code ec;
    const auto rechte =
        std::filesystem::status(std::filesystem::path(m_strDatei).parent_path(), ec).permissions();
    const bool geschuetzt = !ec && (rechte & std::filesystem::perms::owner_write) ==
                                       std::filesystem::perms::none;
    const bool ausweichen = !m_strAusweich.empty() &&
                            (geschuetzt || std::filesystem::exists(m_strAusweich, ec));
    if (!ausweichen && Schreiben(m_strDatei, text, synchron)) return true;
    if (m_strAusweich.empty()) return false;
    std::filesystem::create_directories(std::filesystem::path(m_strAusweich).parent_path(), ec);
    if (!Schreiben(m_strAusweich, text, synchron)) return false;
    std::filesystem::remove(m_strDatei, ec);
    return true;
}
