#include "CSatzWarteschlange.h"

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <istream>
#include <sstream>
#include <string_view>
#include <mutex>
#include <optional>
#include <random>
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

// Where the queue goes when the user file's folder takes no file, in this
// order: the person's state folder, the runtime folder (it outlives the
// program, not the machine), the temporary folder; each under a name of
// the user file's whole path.
std::vector<std::string> Ausweichorte(const std::filesystem::path& benutzerdatei) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path ganz = fs::absolute(benutzerdatei, ec);
    char hash[32];
    std::snprintf(hash, sizeof hash, "%016zx", std::hash<std::string>{}(ganz.string()));
    const std::string name = benutzerdatei.filename().string() + "." + hash + ".warteschlange";
    std::vector<fs::path> ordner;
    if (const char* state = std::getenv("XDG_STATE_HOME"); state != nullptr && *state == '/') {
        ordner.push_back(fs::path(state) / "sagwerk");
    } else if (const char* home = std::getenv("HOME"); home != nullptr && *home == '/') {
        ordner.push_back(fs::path(home) / ".local" / "state" / "sagwerk");
    }
    if (const char* lauf = std::getenv("XDG_RUNTIME_DIR"); lauf != nullptr && *lauf == '/') {
        ordner.push_back(fs::path(lauf) / "sagwerk");
    }
#ifndef _WIN32
    const fs::path temp = fs::temp_directory_path(ec);
    if (!ec) ordner.push_back(temp / ("sagwerk-" + std::to_string(::getuid())));
#endif
    std::vector<std::string> orte;
    for (const fs::path& o : ordner) orte.push_back((o / name).string());
    return orte;
}

// Room kept beside the queue for a full disk: given up to write the queue,
// taken again once there is space.
constexpr off_t kReserve = 256 * 1024;

void ReserveAnlegen(const std::string& pfad) {
#ifndef _WIN32
    std::error_code ec;
    if (std::filesystem::exists(pfad, ec)) return;
    const int fd = ::open(pfad.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) return;
    const bool ok = ::posix_fallocate(fd, 0, kReserve) == 0;
    ::close(fd);
    if (!ok) ::unlink(pfad.c_str());
#else
    (void)pfad;
#endif
}

// A number no other sentence has: random, positive, never 0.
std::int64_t NeueKennung() {
    static std::mt19937_64 zufall{std::random_device{}()};
    static std::mutex mutex;
    const std::lock_guard<std::mutex> sperre(mutex);
    std::int64_t k = 0;
    while (k == 0) k = static_cast<std::int64_t>(zufall() >> 1);
    return k;
}

// One line per sentence: shown TAB spoken TAB number. A line of an older
// program has no number and gets one.
void Zerlegen(std::istream& ein, std::vector<CSatzWarteschlange::Satz>& saetze,
              std::vector<std::int64_t>& kennungen) {
    for (std::string zeile; std::getline(ein, zeile);) {
        const auto tab = zeile.find('\t');
        if (tab == std::string::npos) continue;  // a line cut off by a crash
        const auto tab2 = zeile.find('\t', tab + 1);
        std::int64_t kennung = 0;
        if (tab2 != std::string::npos) {
            const std::string zahl = zeile.substr(tab2 + 1);
            const auto [ende, fehler] =
                std::from_chars(zahl.data(), zahl.data() + zahl.size(), kennung);
            if (fehler != std::errc() || ende != zahl.data() + zahl.size() || kennung <= 0)
                continue;  // cut off inside its number
        }
        saetze.emplace_back(Demaskieren(zeile.substr(0, tab)),
                            Demaskieren(zeile.substr(tab + 1, tab2 == std::string::npos
                                                                   ? std::string::npos
                                                                   : tab2 - tab - 1)));
        kennungen.push_back(kennung != 0 ? kennung : NeueKennung());
    }
}

bool Einlesen(const std::string& datei, std::vector<CSatzWarteschlange::Satz>& saetze,
              std::vector<std::int64_t>& kennungen) {
    std::ifstream ein(datei);
    Zerlegen(ein, saetze, kennungen);
    return static_cast<bool>(ein.is_open());
}

// On a full disk the queue is written into the room kept for it, in place:
// what is already allocated takes it without a byte more of the disk. The
// room has two halves, written in turn, each with a mark, a running number,
// the length and a check sum, so that a write cut off by a kill leaves the
// other half whole. A reserve not in use starts with zeros.
constexpr std::string_view kReserveMarke = "# Sagwerk-Warteschlange\n";
constexpr std::size_t kHaelfte = static_cast<std::size_t>(kReserve) / 2;

std::uint64_t Pruefsumme(std::string_view text) {
    std::uint64_t h = 1469598103934665603ULL;  // FNV-1a
    for (unsigned char c : text) h = (h ^ c) * 1099511628211ULL;
    return h;
}

struct CReserveHaelfte {
    std::uint64_t nummer = 0;
    std::string text;
};

// The queue one half holds; nothing when it holds none or is cut off.
std::optional<CReserveHaelfte> HaelfteLesen(std::istream& ein, std::size_t anfang) {
    ein.clear();
    ein.seekg(static_cast<std::streamoff>(anfang));
    std::string marke(kReserveMarke.size(), '\0');
    if (!ein.read(marke.data(), static_cast<std::streamsize>(marke.size())) ||
        marke != kReserveMarke)
        return std::nullopt;
    std::string kopf;
    if (!std::getline(ein, kopf)) return std::nullopt;
    std::istringstream teile(kopf);
    CReserveHaelfte h;
    std::size_t laenge = 0;
    std::uint64_t summe = 0;
    if (!(teile >> h.nummer >> laenge >> summe) || laenge > kHaelfte) return std::nullopt;
    h.text.assign(laenge, '\0');
    if (!ein.read(h.text.data(), static_cast<std::streamsize>(laenge)) ||
        Pruefsumme(h.text) != summe)
        return std::nullopt;
    return h;
}

// The newer whole half of the reserve.
std::optional<CReserveHaelfte> ReserveLesen(const std::string& reserve) {
    std::ifstream ein(reserve, std::ios::binary);
    if (!ein) return std::nullopt;
    std::optional<CReserveHaelfte> neuer;
    for (std::size_t anfang : {std::size_t{0}, kHaelfte}) {
        auto h = HaelfteLesen(ein, anfang);
        if (h && (!neuer || h->nummer > neuer->nummer)) neuer = std::move(h);
    }
    return neuer;
}

bool InReserveSchreiben(const std::string& reserve, const std::string& text) {
#ifndef _WIN32
    const std::optional<CReserveHaelfte> bisher = ReserveLesen(reserve);
    const std::uint64_t nummer = bisher ? bisher->nummer + 1 : 1;
    const std::string alles = std::string(kReserveMarke) + std::to_string(nummer) + ' ' +
                              std::to_string(text.size()) + ' ' +
                              std::to_string(Pruefsumme(text)) + '\n' + text;
    if (alles.size() > kHaelfte) return false;
    const off_t anfang = static_cast<off_t>((nummer % 2) * kHaelfte);
    const int fd = ::open(reserve.c_str(), O_WRONLY | O_CLOEXEC);
    if (fd < 0) return false;
    std::size_t geschrieben = 0;
    while (geschrieben < alles.size()) {
        const ssize_t n = ::pwrite(fd, alles.data() + geschrieben, alles.size() - geschrieben,
                                   anfang + static_cast<off_t>(geschrieben));
        if (n <= 0) break;
        geschrieben += static_cast<std::size_t>(n);
    }
    // The last place there is: always on the disk before it counts.
    const bool ok = geschrieben == alles.size() && ::fdatasync(fd) == 0;
    ::close(fd);
    return ok;
#else
    (void)reserve;
    (void)text;
    return false;
#endif
}

// The queue the reserve holds; false when it holds none.
bool AusReserveLesen(const std::string& reserve, std::vector<CSatzWarteschlange::Satz>& saetze,
                     std::vector<std::int64_t>& kennungen) {
    const std::optional<CReserveHaelfte> h = ReserveLesen(reserve);
    if (!h) return false;
    std::istringstream zeilen(h->text);
    Zerlegen(zeilen, saetze, kennungen);
    return true;
}

// The reserve holds no queue any more (its room stays).
void ReserveFreigeben(const std::string& reserve) {
#ifndef _WIN32
    const int fd = ::open(reserve.c_str(), O_WRONLY | O_CLOEXEC);
    if (fd < 0) return;
    const std::string nullen(kReserveMarke.size(), '\0');
    for (std::size_t anfang : {std::size_t{0}, kHaelfte})
        (void)!::pwrite(fd, nullen.data(), nullen.size(), static_cast<off_t>(anfang));
    ::close(fd);
#else
    (void)reserve;
#endif
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
    namespace fs = std::filesystem;
    const fs::path pfad(benutzerdatei);
    const fs::path ordner = pfad.parent_path();
    m_strDatei = (ordner / ("." + pfad.filename().string() + ".warteschlange")).string();
    m_strReserve = (ordner / ("." + pfad.filename().string() + ".reserve")).string();
    m_orte = {m_strDatei};
    for (const std::string& o : Ausweichorte(pfad)) m_orte.push_back(o);
    m_saetze.clear();
    m_kennungen.clear();
    // Each write puts the whole queue in one place and then removes it from
    // the others: where a crash came in between, the newest file holds
    // them all.
    std::string neueste;
    fs::file_time_type zeit{};
    for (const std::string& o : m_orte) {
        std::error_code ec;
        const auto t = fs::last_write_time(o, ec);
        if (!ec && (neueste.empty() || t > zeit)) {
            neueste = o;
            zeit = t;
        }
    }
    // The reserve, when a full disk put the queue there and it is newer.
    std::vector<Satz> ausReserve;
    std::vector<std::int64_t> kennungenReserve;
    m_bInReserve = AusReserveLesen(m_strReserve, ausReserve, kennungenReserve);
    std::error_code ec;
    const auto reserveZeit = fs::last_write_time(m_strReserve, ec);
    if (m_bInReserve && (neueste.empty() || (!ec && reserveZeit >= zeit))) {
        m_saetze = std::move(ausReserve);
        m_kennungen = std::move(kennungenReserve);
    } else if (!neueste.empty()) {
        Einlesen(neueste, m_saetze, m_kennungen);
    }
    m_bGesichert = true;
    ReserveAnlegen(m_strReserve);
}

bool CSatzWarteschlange::Anhaengen(const Satz& satz, bool synchron) {
    m_saetze.push_back(satz);
    m_kennungen.push_back(NeueKennung());
    return Sichern(synchron);
}

void CSatzWarteschlange::Entfernen(std::size_t anzahl) {
    if (anzahl >= m_saetze.size()) {
        Leeren();
        return;
    }
    m_saetze.erase(m_saetze.begin(), m_saetze.begin() + static_cast<std::ptrdiff_t>(anzahl));
    m_kennungen.erase(m_kennungen.begin(),
                      m_kennungen.begin() + static_cast<std::ptrdiff_t>(anzahl));
    Sichern(false);
}

void CSatzWarteschlange::AufPlatte() const {
#ifndef _WIN32
    for (const std::string& datei : m_orte) {
        std::error_code ec;
        if (!std::filesystem::exists(datei, ec)) continue;
        AufDiePlatte(datei, 0);
        OrdnerAufDiePlatte(datei);
    }
#endif
}

void CSatzWarteschlange::Leeren() {
    m_saetze.clear();
    m_kennungen.clear();
    m_bGesichert = true;
    if (m_bInReserve) {
        ReserveFreigeben(m_strReserve);
        m_bInReserve = false;
    }
    for (const std::string& o : m_orte) {
        std::error_code ec;
        // Gone for good: a power cut must not bring back sentences stored.
        if (std::filesystem::remove(o, ec)) {
#ifndef _WIN32
            OrdnerAufDiePlatte(o);
#endif
        }
    }
}

bool CSatzWarteschlange::Sichern(bool synchron) {
    if (m_strDatei.empty()) return false;
    std::string text;
    for (std::size_t i = 0; i < m_saetze.size(); ++i) {
        text += Maskieren(m_saetze[i].first) + '\t' + Maskieren(m_saetze[i].second) + '\t' +
                std::to_string(m_kennungen[i]) + '\n';
    }
    // A folder its owner has write-protected is left alone, whoever we are.
    std::error_code ec;
    const auto rechte =
        std::filesystem::status(std::filesystem::path(m_strDatei).parent_path(), ec).permissions();
    const bool geschuetzt =
        !ec && (rechte & std::filesystem::perms::owner_write) == std::filesystem::perms::none;
    std::size_t ort = m_orte.size();
    bool inReserve = false;
    if (!geschuetzt) {
        if (Schreiben(m_strDatei, text, synchron)) {
            ort = 0;
        } else if (InReserveSchreiben(m_strReserve, text)) {
            // The disk is full: the room kept for this takes the queue.
            inReserve = true;
        }
    }
    if (inReserve) {
        m_bInReserve = m_bGesichert = true;
        for (const std::string& o : m_orte) std::filesystem::remove(o, ec);
        return true;
    }
    for (std::size_t i = 1; ort == m_orte.size() && i < m_orte.size(); ++i) {
        std::filesystem::create_directories(std::filesystem::path(m_orte[i]).parent_path(), ec);
        if (Schreiben(m_orte[i], text, synchron)) ort = i;
    }
    m_bGesichert = ort < m_orte.size();
    if (!m_bGesichert) return false;
    // The whole queue is in one place; the others hold nothing more.
    for (std::size_t i = 0; i < m_orte.size(); ++i) {
        if (i != ort) std::filesystem::remove(m_orte[i], ec);
    }
    if (m_bInReserve) {
        ReserveFreigeben(m_strReserve);
        m_bInReserve = false;
    }
    if (ort == 0) ReserveAnlegen(m_strReserve);
    return true;
}
