#include "SondeGemeinsam.h"

#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <thread>

#include "SondeBenutzer.h"

namespace sonde {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

CHalter::CHalter(const std::string& datei, bool exklusiv)
    : m_db(datei, SQLite::OPEN_READWRITE, 5000) {
    m_db.exec(exklusiv ? "BEGIN EXCLUSIVE" : "BEGIN IMMEDIATE");
    m_db.exec("insert into Kategorie (KatName, KatNummer) values ('x', 0)");
}

void CHalter::Loslassen() {
    if (!m_bHaelt) return;
    m_bHaelt = false;
    try {
        m_db.exec("ROLLBACK");
    } catch (const SQLite::Exception&) {
    }
}

// ---------------------------------------------------------------- small disk

CKleinePlatte::CKleinePlatte(const std::string& ordner, long groesse) : m_strOrdner(ordner) {
    std::error_code ec;
    fs::create_directories(ordner, ec);
    const std::string optionen = "size=" + std::to_string(groesse) + ",mode=0755";
    if (::mount("tmpfs", ordner.c_str(), "tmpfs", MS_NOSUID | MS_NODEV, optionen.c_str()) == 0) {
        m_bGemountet = true;
    } else {
        m_strGrund = std::string("mount: ") + std::strerror(errno);
    }
}

CKleinePlatte::~CKleinePlatte() {
    if (m_bGemountet) ::umount2(m_strOrdner.c_str(), MNT_DETACH);
}

long CKleinePlatte::Fuellen() {
    const std::string datei = m_strOrdner + "/.fuellung";
    const int fd = ::open(datei.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0600);
    if (fd < 0) return 0;
    static const std::string block(1 << 16, 'f');
    long geschrieben = 0;
    // Ever smaller pieces, down to one byte: not a byte is left.
    for (std::size_t stueck = block.size(); stueck > 0; stueck /= 2) {
        for (;;) {
            const ssize_t n = ::write(fd, block.data(), stueck);
            if (n <= 0) break;
            geschrieben += n;
        }
    }
    ::close(fd);
    return geschrieben;
}

void CKleinePlatte::Freigeben() { ::unlink((m_strOrdner + "/.fuellung").c_str()); }

bool CKleinePlatte::IstVoll() const {
    const std::string datei = m_strOrdner + "/.probe";
    const int fd = ::open(datei.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0) return true;
    const bool voll = ::write(fd, "x", 1) != 1;
    ::close(fd);
    ::unlink(datei.c_str());
    return voll;
}

// ---------------------------------------------------------------- the next start

bool OeffnenUndNachholen(const std::string& datei, int fristMs) {
    CStillesDokument still;
    CSagwerkDoc& doc = *still.doc;
    doc.OpenUser(datei);
    if (doc.GetDatabase() != nullptr) doc.GetDatabase()->WaitForCheck();
    const Zeitpunkt bis = In(std::chrono::milliseconds(fristMs));
    while ((doc.HatWartendeSaetze() || doc.WartetAufDatei()) && Jetzt() < bis) {
        if (!doc.Nachholen()) std::this_thread::sleep_for(10ms);
    }
    doc.WaitForWriter();
    return doc.GetDatabase() != nullptr && doc.GetUser() != nullptr && !doc.HatWartendeSaetze();
}

namespace {

// Rows and the highest Anzahl of each sentence; -1 rows when the file
// cannot be read.
std::vector<std::pair<long, long>> Zaehlen(const std::string& datei,
                                           const std::vector<std::string>& saetze) {
    std::vector<std::pair<long, long>> zahlen;
    try {
        SQLite::Database db(datei, SQLite::OPEN_READONLY, 2000);
        SQLite::Statement q(db,
                            "select count(*), ifnull(max(Anzahl), 0) from Satzspeicher "
                            "where trim(Satz) = ?");
        for (const std::string& satz : saetze) {
            q.bind(1, satz);
            q.executeStep();
            zahlen.emplace_back(q.getColumn(0).getInt64(), q.getColumn(1).getInt64());
            q.reset();
        }
    } catch (const SQLite::Exception& e) {
        std::cerr << "  Satzspeicher nicht lesbar: " << e.what() << '\n';
        zahlen.assign(saetze.size(), {-1, 0});
    }
    return zahlen;
}

}  // namespace

long Fehlende(const std::string& datei, const std::vector<std::string>& saetze) {
    const auto zahlen = Zaehlen(datei, saetze);
    long fehlend = 0;
    for (std::size_t i = 0; i < saetze.size(); ++i) {
        if (zahlen[i].first > 0) continue;
        ++fehlend;
        std::cerr << "  verloren: \"" << saetze[i] << "\"\n";
    }
    return fehlend;
}

long Doppelte(const std::string& datei, const std::vector<std::string>& saetze) {
    const auto zahlen = Zaehlen(datei, saetze);
    long doppelt = 0;
    for (std::size_t i = 0; i < saetze.size(); ++i) {
        if (zahlen[i].first <= 1 && zahlen[i].second <= 1) continue;
        ++doppelt;
        std::cerr << "  doppelt (" << zahlen[i].first << " Zeilen, Anzahl " << zahlen[i].second
                  << "): \"" << saetze[i] << "\"\n";
    }
    return doppelt;
}

std::string EigenerSatz(CZufall& zufall, const std::string& nummer) {
    return ZufallsSatz(zufall) + " " + nummer;
}

bool Beginnt(const std::string& zeile, const std::string& wort, std::string& rest) {
    if (zeile.compare(0, wort.size() + 1, wort + " ") != 0) return false;
    rest = zeile.substr(wort.size() + 1);
    return true;
}

long Wert(const std::string& zeile, const std::string& name) {
    const std::string suche = name + "=";
    std::size_t pos = 0;
    while ((pos = zeile.find(suche, pos)) != std::string::npos) {
        if (pos == 0 || zeile[pos - 1] == ' ') return std::strtol(zeile.c_str() + pos + suche.size(), nullptr, 10);
        pos += suche.size();
    }
    return -1;
}

}  // namespace sonde
