#include "Sonde.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <sstream>
#include <system_error>

namespace sonde {

namespace fs = std::filesystem;

CZufall::CZufall(std::uint64_t saat, std::uint64_t fall) {
    std::seed_seq folge{static_cast<std::uint32_t>(saat), static_cast<std::uint32_t>(saat >> 32),
                        static_cast<std::uint32_t>(fall), static_cast<std::uint32_t>(fall >> 32)};
    m_gen.seed(folge);
}

std::string CEnde::Text() const {
    switch (art) {
        case Art::Code:
            return "Ende mit Code " + std::to_string(wert);
        case Art::Signal:
            return "Signal " + std::to_string(wert) + " (" + strsignal(wert) + ")";
        case Art::Frist:
            return "Frist überschritten";
    }
    return {};
}

// ---------------------------------------------------------------- child

namespace {

void Schliessen(int& fd) {
    if (fd >= 0) ::close(fd);
    fd = -1;
}

bool Rohr(int& lesen, int& schreiben) {
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0) return false;
    lesen = fds[0];
    schreiben = fds[1];
    return true;
}

}  // namespace

CKind::CKind(const Arbeit& arbeit) {
    if (!Rohr(m_meldungLesen, m_meldungSchreiben) || !Rohr(m_startLesen, m_startSchreiben)) {
        std::perror("pipe");
        std::exit(2);
    }
    std::cout.flush();
    std::cerr.flush();
    m_pid = ::fork();
    if (m_pid < 0) {
        std::perror("fork");
        std::exit(2);
    }
    if (m_pid == 0) {
        Schliessen(m_meldungLesen);
        Schliessen(m_startSchreiben);
        int code = 0;
        try {
            code = arbeit(*this);
        } catch (const std::exception& e) {
            std::cerr << "Ausnahme im Kindprozess: " << e.what() << '\n';
            code = 70;
        }
        std::cerr.flush();
        ::_exit(code);
    }
    Schliessen(m_meldungSchreiben);
    Schliessen(m_startLesen);
}

CKind::~CKind() {
    if (m_pid > 0 && !m_bGeerntet) {
        ::kill(m_pid, SIGKILL);
        int status = 0;
        while (::waitpid(m_pid, &status, 0) < 0 && errno == EINTR) {
        }
    }
    Schliessen(m_meldungLesen);
    Schliessen(m_meldungSchreiben);
    Schliessen(m_startLesen);
    Schliessen(m_startSchreiben);
}

void CKind::Melden(const std::string& zeile) {
    const std::string z = zeile + '\n';
    ssize_t n;
    do {
        n = ::write(m_meldungSchreiben, z.data(), z.size());
    } while (n < 0 && errno == EINTR);
}

bool CKind::AufStartWarten() {
    char c = 0;
    ssize_t n;
    do {
        n = ::read(m_startLesen, &c, 1);
    } while (n < 0 && errno == EINTR);
    return n == 1;
}

void CKind::Starten() {
    const char c = 's';
    if (::write(m_startSchreiben, &c, 1) != 1) {
        // The child has gone already; Beenden says how.
    }
}

CKind::Lesen CKind::NaechsteZeile(std::string& zeile, Zeitpunkt bis) {
    for (;;) {
        const auto nl = m_puffer.find('\n');
        if (nl != std::string::npos) {
            zeile = m_puffer.substr(0, nl);
            m_puffer.erase(0, nl + 1);
            return Lesen::Zeile;
        }
        if (m_meldungLesen < 0) return Lesen::Ende;
        const auto rest = std::chrono::duration_cast<std::chrono::milliseconds>(bis - Jetzt());
        if (rest.count() <= 0) return Lesen::Frist;
        pollfd p{m_meldungLesen, POLLIN, 0};
        const int r = ::poll(&p, 1, static_cast<int>(rest.count()) + 1);
        if (r < 0 && errno == EINTR) continue;
        if (r == 0) continue;  // the deadline is checked above
        char puffer[4096];
        const ssize_t n = ::read(m_meldungLesen, puffer, sizeof puffer);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            // The child has gone; a line cut off by its death is no line.
            Schliessen(m_meldungLesen);
            m_puffer.clear();
            return Lesen::Ende;
        }
        m_puffer.append(puffer, static_cast<std::size_t>(n));
    }
}

void CKind::Toeten() {
    if (m_pid > 0 && !m_bGeerntet) ::kill(m_pid, SIGKILL);
}

CEnde CKind::Beenden(Zeitpunkt bis, std::vector<std::string>* zeilen) {
    std::string zeile;
    for (;;) {
        const Lesen l = NaechsteZeile(zeile, bis);
        if (l == Lesen::Zeile) {
            if (zeilen != nullptr) zeilen->push_back(zeile);
            continue;
        }
        if (l == Lesen::Frist) {
            m_bFrist = true;
            Toeten();
        }
        break;
    }
    int status = 0;
    while (::waitpid(m_pid, &status, 0) < 0 && errno == EINTR) {
    }
    m_bGeerntet = true;
    CEnde ende;
    if (m_bFrist) {
        ende.art = CEnde::Art::Frist;
    } else if (WIFSIGNALED(status)) {
        ende.art = CEnde::Art::Signal;
        ende.wert = WTERMSIG(status);
    } else {
        ende.wert = WEXITSTATUS(status);
    }
    return ende;
}

// ---------------------------------------------------------------- command line

CArgumente::CArgumente(int argc, char** argv, int ab, std::initializer_list<const char*> mitWert,
                       std::initializer_list<const char*> schalter) {
    const auto falsch = [](const std::string& text) {
        std::cerr << text << '\n';
        std::exit(2);
    };
    for (int i = ab; i < argc; ++i) {
        const std::string name = argv[i];
        bool bekannt = false;
        for (const char* s : schalter) {
            if (name == s) {
                m_werte[name] = "1";
                bekannt = true;
            }
        }
        for (const char* m : mitWert) {
            if (name != m) continue;
            if (i + 1 >= argc) falsch("Zu " + name + " fehlt der Wert.");
            m_werte[name] = argv[++i];
            bekannt = true;
        }
        if (!bekannt) falsch("Unbekannte Angabe: " + name);
    }
}

long CArgumente::Zahl(const std::string& name, long vorgabe) const {
    const auto it = m_werte.find(name);
    if (it == m_werte.end()) return vorgabe;
    char* ende = nullptr;
    errno = 0;
    const long wert = std::strtol(it->second.c_str(), &ende, 10);
    if (errno != 0 || ende == it->second.c_str() || *ende != '\0' || wert < 0) {
        std::cerr << name << " braucht eine Zahl ab 0, nicht \"" << it->second << "\".\n";
        std::exit(2);
    }
    return wert;
}

std::uint64_t CArgumente::Saat() const {
    const auto it = m_werte.find("--saat");
    if (it != m_werte.end()) return std::strtoull(it->second.c_str(), nullptr, 10);
    std::random_device zufall;
    const std::uint64_t saat = (std::uint64_t{zufall()} << 32) | zufall();
    std::cerr << "Saat: " << saat << " (mit --saat " << saat << " wiederholbar)\n";
    return saat;
}

std::string CArgumente::Text(const std::string& name, const std::string& vorgabe) const {
    const auto it = m_werte.find(name);
    return it == m_werte.end() ? vorgabe : it->second;
}

// ---------------------------------------------------------------- files

CArbeitsordner::CArbeitsordner() {
    std::string muster = (fs::temp_directory_path() / "sagwerk-sonde-XXXXXX").string();
    if (::mkdtemp(muster.data()) == nullptr) {
        std::perror("mkdtemp");
        std::exit(2);
    }
    m_pfad = muster;
}

CArbeitsordner::~CArbeitsordner() {
    std::error_code ec;
    for (const auto& e : fs::recursive_directory_iterator(m_pfad, ec)) {
        fs::permissions(e.path(), fs::perms::owner_all, fs::perm_options::add, ec);
    }
    fs::remove_all(m_pfad, ec);
}

CFunde::CFunde(const std::string& ordner)
    : m_ordner(ordner.empty() ? fs::temp_directory_path() / "sagwerk-sonde-funde"
                              : fs::path(ordner)) {}

std::string CFunde::Ablegen(const std::string& name, const Bytes& inhalt) {
    std::error_code ec;
    fs::create_directories(m_ordner, ec);
    const std::string pfad = (m_ordner / name).string();
    if (!Schreiben(pfad, inhalt)) {
        std::cerr << "  konnte " << pfad << " nicht schreiben\n";
        return {};
    }
    ++m_nAbgelegt;
    std::cerr << "  abgelegt: " << pfad << '\n';
    return pfad;
}

std::string CFunde::Kopieren(const std::string& name, const std::string& datei) {
    return Ablegen(name, Lesen(datei));
}

Bytes Lesen(const std::string& datei) {
    std::ifstream ein(datei, std::ios::binary);
    std::ostringstream inhalt;
    inhalt << ein.rdbuf();
    return inhalt.str();
}

bool Schreiben(const std::string& datei, const Bytes& inhalt) {
    std::ofstream aus(datei, std::ios::binary | std::ios::trunc);
    aus.write(inhalt.data(), static_cast<std::streamsize>(inhalt.size()));
    aus.flush();
    return static_cast<bool>(aus);
}

}  // namespace sonde
