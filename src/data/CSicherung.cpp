#include "CSicherung.h"

#include <SQLiteCpp/Backup.h>
#include <SQLiteCpp/SQLiteCpp.h>
#include <sqlite3.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <map>
#include <system_error>

#ifndef _WIN32
#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#endif

#include "CDatenbank.h"
#include "CSperre.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kOrdner = "Sicherungen";
constexpr const char* kErsetzt = "ersetzt-";
constexpr std::size_t kTaeglich = 7;
constexpr std::size_t kWoechentlich = 4;

bool IstDatum(const std::string& s) {
    if (s.size() != 10 || s[4] != '-' || s[7] != '-') return false;
    for (std::size_t i : {0, 1, 2, 3, 5, 6, 8, 9}) {
        if (s[i] < '0' || s[i] > '9') return false;
    }
    return true;
}

std::chrono::sys_days AlsTag(const std::string& datum) {
    using namespace std::chrono;
    const year_month_day ymd{year{std::stoi(datum.substr(0, 4))},
                             month{static_cast<unsigned>(std::stoi(datum.substr(5, 2)))},
                             day{static_cast<unsigned>(std::stoi(datum.substr(8, 2)))}};
    return sys_days{ymd};
}

int Abbrechen(void* abbrechen) {
    return static_cast<const std::atomic<bool>*>(abbrechen)->load() ? 1 : 0;
}

// A folder's entries reach the disk: a file put in place by a rename stays
// there after a power cut.
void OrdnerSichern(const fs::path& ordner) {
#ifndef _WIN32
    // A bare file name lies in the working directory.
    const fs::path o = ordner.empty() ? fs::path(".") : ordner;
    const int fd = ::open(o.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
#else
    (void)ordner;
#endif
}

// Whether the process that made a temporary file still runs.
bool ProzessLebt(long pid) {
#ifndef _WIN32
    if (pid <= 0) return false;
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
#else
    (void)pid;
    return true;
#endif
}

// A hot journal left by a crash belongs to the file it was written for:
// opening the file for writing rolls it back into that file, so that it is
// never applied to another one put under the same name.
void JournalEinspielen(const std::string& datei) {
    std::error_code ec;
    if (!fs::exists(datei + "-journal", ec)) return;
    try {
        SQLite::Database db(datei, SQLite::OPEN_READWRITE, 2000);
        db.execAndGet("SELECT count(*) FROM sqlite_master");
    } catch (const SQLite::Exception&) {
    }
}

}  // namespace

CSicherung::CSicherung(const std::string& benutzerdatei) : m_strDatei(benutzerdatei) {
    const fs::path pfad(benutzerdatei);
    m_strOrdner = (pfad.parent_path() / kOrdner).string();
    m_strStamm = pfad.stem().string();
}

std::vector<CSicherung::Eintrag> CSicherung::Liste() const {
    std::vector<Eintrag> taeglich;
    std::vector<Eintrag> ersetzt;
    std::error_code ec;
    const std::string anfang = m_strStamm + ".";
    for (const auto& e : fs::directory_iterator(m_strOrdner, ec)) {
        const std::string name = e.path().filename().string();
        if (name.size() <= anfang.size() + 4 || name.compare(0, anfang.size(), anfang) != 0 ||
            e.path().extension() != ".mdb" || !e.is_regular_file(ec)) {
            continue;
        }
        const std::string mitte = name.substr(anfang.size(), name.size() - anfang.size() - 4);
        if (IstDatum(mitte)) {
            taeglich.push_back({e.path().string(), mitte, false});
        } else if (mitte.rfind(kErsetzt, 0) == 0 && IstDatum(mitte.substr(8, 10))) {
            ersetzt.push_back({e.path().string(), mitte.substr(8), true});
        }
    }
    const auto neuesteZuerst = [](const Eintrag& a, const Eintrag& b) { return a.datum > b.datum; };
    std::sort(taeglich.begin(), taeglich.end(), neuesteZuerst);
    std::sort(ersetzt.begin(), ersetzt.end(), neuesteZuerst);
    taeglich.insert(taeglich.end(), ersetzt.begin(), ersetzt.end());
    return taeglich;
}

bool CSicherung::HatSicherung(const std::string& datum) const {
    std::error_code ec;
    return fs::is_regular_file(fs::path(m_strOrdner) / (m_strStamm + "." + datum + ".mdb"), ec);
}

bool CSicherung::Kopieren(const std::string& quelle, const std::string& ziel, std::string& fehler,
                          const std::atomic<bool>* abbrechen) {
    std::error_code ec;
    fs::remove(ziel, ec);
    fs::remove(ziel + "-journal", ec);
    try {
        SQLite::Database von(quelle, SQLite::OPEN_READONLY, 2000);
        SQLite::Database nach(ziel, SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
        SQLite::Backup kopie(nach, von);
        // In steps, so that the user file is held for moments only and the
        // program goes on storing meanwhile. A change written in between
        // makes SQLite start over; after a few rounds it copies in one go.
        // Held by another program for a minute: given up, tried again later.
        int rc = SQLITE_OK;
        for (int runde = 0; runde < 3000 && rc != SQLITE_DONE; ++runde) {
            if (abbrechen != nullptr && abbrechen->load()) break;
            rc = kopie.executeStep(runde < 2000 ? 1024 : -1);
            if (rc == SQLITE_BUSY || rc == SQLITE_LOCKED) sqlite3_sleep(20);
        }
        if (rc != SQLITE_DONE) {
            fehler =
                "Die Sicherung konnte nicht geschrieben werden: Die Benutzerdatei war "
                "zu lange von einem anderen Programm belegt.";
            fs::remove(ziel, ec);
            return false;
        }
    } catch (const SQLite::Exception& e) {
        fehler = std::string("Die Sicherung konnte nicht geschrieben werden (") + e.what() + ").";
        fs::remove(ziel, ec);
        return false;
    }
    return true;
}

CSicherung::Befund CSicherung::Pruefen(const std::string& datei, std::string& fehler,
                                       const std::atomic<bool>* abbrechen) {
    try {
        SQLite::Database db(datei, SQLite::OPEN_READONLY, 2000);
        if (abbrechen != nullptr) {
            sqlite3_progress_handler(db.getHandle(), 10000, &Abbrechen,
                                     const_cast<std::atomic<bool>*>(abbrechen));
        }
        if (db.execAndGet("PRAGMA application_id").getInt() != CDatenbank::kApplicationId) {
            fehler = "Die Datei ist keine Sagwerk-Benutzerdatei.";
            return Befund::Beschaedigt;
        }
        const std::string ergebnis = db.execAndGet("PRAGMA integrity_check(1)").getString();
        if (ergebnis != "ok") {
            fehler = "Die Datei ist beschädigt (" + ergebnis + ").";
            return Befund::Beschaedigt;
        }
    } catch (const SQLite::Exception& e) {
        const int code = e.getErrorCode() & 0xFF;
        if (code == SQLITE_CORRUPT || code == SQLITE_NOTADB) {
            fehler = std::string("Die Datei ist beschädigt (") + e.what() + ").";
            return Befund::Beschaedigt;
        }
        fehler = std::string("Die Datei kann nicht geprüft werden (") + e.what() + ").";
        return Befund::NichtPruefbar;
    }
    return Befund::Gesund;
}

bool CSicherung::Passwort(const std::string& datei, std::string& passwort) {
    try {
        SQLite::Database db(datei, SQLite::OPEN_READONLY, 2000);
        SQLite::Statement q(db, "select Passwort from Benutzer order by [Index] limit 1");
        if (!q.executeStep()) return false;
        passwort = q.getColumn(0).isNull() ? std::string() : q.getColumn(0).getString();
        return true;
    } catch (const SQLite::Exception&) {
        return false;
    }
}

bool CSicherung::Benutzername(const std::string& datei, std::string& name) {
    try {
        SQLite::Database db(datei, SQLite::OPEN_READONLY, 2000);
        SQLite::Statement q(db, "select BVorname, BName from Benutzer order by [Index] limit 1");
        if (!q.executeStep()) return false;
        const std::string vorname = q.getColumn(0).getText("");
        const std::string nachname = q.getColumn(1).getText("");
        name = vorname.empty() || nachname.empty() ? vorname + nachname : vorname + " " + nachname;
        return true;
    } catch (const SQLite::Exception&) {
        return false;
    }
}

void CSicherung::WiederherstellungAufraeumen() const {
    const fs::path datei(m_strDatei);
    std::error_code egal;
    fs::remove(datei.parent_path() / ("." + datei.filename().string() + ".neu"), egal);
}

void CSicherung::Aufraeumen() const {
    std::error_code ec;
    const std::string anfang = "." + m_strStamm + ".";
    for (const auto& e : fs::directory_iterator(m_strOrdner, ec)) {
        const std::string name = e.path().filename().string();
        if (name.size() <= anfang.size() + 4 || name.compare(0, anfang.size(), anfang) != 0 ||
            name.compare(name.size() - 4, 4, ".neu") != 0) {
            continue;
        }
        const std::string pid = name.substr(anfang.size(), name.size() - anfang.size() - 4);
        if (pid.empty() || pid.find_first_not_of("0123456789") != std::string::npos) continue;
        if (ProzessLebt(std::stol(pid))) continue;
        std::error_code egal;
        fs::remove(e.path(), egal);
        fs::remove(e.path().string() + "-journal", egal);
    }
}

bool CSicherung::Anlegen(const std::string& datum, std::string& fehler,
                         const std::atomic<bool>* abbrechen) const {
    std::error_code ec;
    const bool neuerOrdner = !fs::exists(m_strOrdner, ec);
    fs::create_directories(m_strOrdner, ec);
    if (ec) {
        fehler = "Der Ordner für die Sicherungen kann nicht angelegt werden.";
        return false;
    }
    // The folder's first entry outlives a power cut as well.
    if (neuerOrdner) OrdnerSichern(fs::path(m_strDatei).parent_path());
    // What a killed backup left takes the space a full disk needs.
    Aufraeumen();
    const fs::path ziel = fs::path(m_strOrdner) / (m_strStamm + "." + datum + ".mdb");
    // A name of this process's own: a tool run at the same moment as the
    // program does not spoil its backup.
    const std::string neu =
        (fs::path(m_strOrdner) / ("." + m_strStamm + "." + std::to_string(::getpid()) + ".neu"))
            .string();
    if (!Kopieren(m_strDatei, neu, fehler, abbrechen)) return false;
    if (Pruefen(neu, fehler, abbrechen) != Befund::Gesund) {
        fs::remove(neu, ec);
        return false;
    }
    fs::rename(neu, ziel, ec);
    if (ec) {
        fs::remove(neu, ec);
        fehler = "Die Sicherung kann nicht abgelegt werden.";
        return false;
    }
    OrdnerSichern(m_strOrdner);
    Ausduennen();
    return true;
}

void CSicherung::Ausduennen() const {
    std::vector<Eintrag> taeglich = Liste();
    std::erase_if(taeglich, [](const Eintrag& e) { return e.ersetzt; });
    if (taeglich.size() <= kTaeglich) return;
    // Older than the seven newest: the newest of each week (weeks counted
    // from the newest backup back) is kept for four weeks.
    const auto neueste = AlsTag(taeglich.front().datum);
    std::map<long, bool> wochen;  // week back from the newest, already kept
    std::error_code ec;
    for (std::size_t i = kTaeglich; i < taeglich.size(); ++i) {
        const long woche = static_cast<long>((neueste - AlsTag(taeglich[i].datum)).count()) / 7;
        if (!wochen.count(woche) && wochen.size() < kWoechentlich) {
            wochen[woche] = true;
            continue;
        }
        fs::remove(taeglich[i].pfad, ec);
    }
}

bool CSicherung::Wiederherstellen(const Eintrag& sicherung, const std::string& stempel,
                                  std::string& fehler) const {
    // Held until the file is replaced: no Sagwerk opens it meanwhile, and
    // none may have it open now.
    const CSperre sperre(m_strDatei);
    if (!sperre.IsGehalten()) {
        fehler =
            "Die Benutzerdatei ist in einem anderen Sagwerk geöffnet und wird darum nicht "
            "ersetzt. Bitte beenden Sie dieses Sagwerk zuerst.";
        return false;
    }
    if (Pruefen(sicherung.pfad, fehler) != Befund::Gesund) {
        fehler = "Die Sicherung ist nicht in Ordnung. " + fehler;
        return false;
    }
    // A file of another user put under this user's backup name: the person
    // would speak with someone else's words. A user file too damaged to name
    // its user takes the backup.
    std::string wessen, bisher;
    if (Benutzername(sicherung.pfad, wessen) && Benutzername(m_strDatei, bisher) &&
        wessen != bisher) {
        fehler = "Die Sicherung gehört nicht zu diesem Benutzer: Sie ist von \u201E" + wessen +
                 "\u201C, die Benutzerdatei von \u201E" + bisher +
                 "\u201C. Sie wird darum nicht zurückgeholt.";
        return false;
    }
    const fs::path datei(m_strDatei);
    const fs::path neu = datei.parent_path() / ("." + datei.filename().string() + ".neu");
    if (!Kopieren(sicherung.pfad, neu.string(), fehler, nullptr)) return false;

    std::error_code ec;
    const bool neuerOrdner = !fs::exists(m_strOrdner, ec);
    fs::create_directories(m_strOrdner, ec);
    if (neuerOrdner) OrdnerSichern(datei.parent_path());
    // Two restores within a second keep both replaced files.
    fs::path alt = fs::path(m_strOrdner) / (m_strStamm + "." + kErsetzt + stempel + ".mdb");
    for (int n = 2; fs::exists(alt, ec) || fs::exists(alt.string() + "-journal", ec); ++n) {
        alt = fs::path(m_strOrdner) /
              (m_strStamm + "." + kErsetzt + stempel + "-" + std::to_string(n) + ".mdb");
    }
    const bool warDa = fs::exists(datei, ec);
    if (warDa) {
        JournalEinspielen(m_strDatei);
        // Kept aside under a second name first (a copy where the folders do
        // not share a disk); the user file stays where it is until the
        // backup replaces it in one step, so a kill at any moment leaves a
        // whole user file under its name.
        fs::create_hard_link(datei, alt, ec);
        if (ec) {
            ec.clear();
            fs::copy_file(datei, alt, ec);
        }
        if (ec) {
            std::error_code egal;
            fs::remove(alt, egal);
            fs::remove(neu, egal);
            fehler = "Die bisherige Benutzerdatei kann nicht beiseitegelegt werden.";
            return false;
        }
        OrdnerSichern(m_strOrdner);
    }
    fs::rename(neu, datei, ec);
    if (ec) {
        std::error_code egal;
        if (warDa) fs::remove(alt, egal);
        fs::remove(neu, egal);
        fehler = "Die Sicherung kann nicht an die Stelle der Benutzerdatei gelegt werden.";
        return false;
    }
    // A journal that was not hot (rolled back above) means nothing now.
    std::error_code egal;
    fs::remove(m_strDatei + "-journal", egal);
    OrdnerSichern(datei.parent_path());
    return true;
}

std::string CSicherung::Datum(double tage) { return Stempel(tage).substr(0, 10); }

std::string CSicherung::Stempel(double tage) {
    using namespace std::chrono;
    const double ganz = std::floor(tage);
    const sys_days tag = sys_days{year{1899} / December / 30} + days{static_cast<long>(ganz)};
    const year_month_day ymd{tag};
    long sekunden = std::lround((tage - ganz) * 86400.0);
    sekunden = std::clamp(sekunden, 0L, 86399L);
    char text[64];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u-%02ld%02ld%02ld", static_cast<int>(ymd.year()),
                  static_cast<unsigned>(ymd.month()), static_cast<unsigned>(ymd.day()),
                  sekunden / 3600, sekunden / 60 % 60, sekunden % 60);
    return text;
}

std::string CSicherung::DatumDeutsch(const std::string& datum) {
    if (datum.size() < 10) return datum;
    return datum.substr(8, 2) + "." + datum.substr(5, 2) + "." + datum.substr(0, 4);
}
