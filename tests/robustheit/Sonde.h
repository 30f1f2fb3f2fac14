#pragma once

// What the robustness probes share: a child process with a deadline, random
// numbers that a seed replays, files as bytes, the command line and the
// folder where a probe keeps what it found.

#include <sys/types.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <initializer_list>
#include <map>
#include <random>
#include <string>
#include <vector>

namespace sonde {

using Zeitpunkt = std::chrono::steady_clock::time_point;
using Bytes = std::string;

inline Zeitpunkt Jetzt() { return std::chrono::steady_clock::now(); }
inline Zeitpunkt In(std::chrono::milliseconds dauer) { return Jetzt() + dauer; }

// Random numbers from a seed; the same seed gives the same numbers.
class CZufall {
public:
    explicit CZufall(std::uint64_t saat) : m_gen(saat) {}
    // The generator of one numbered case of a run: cases can be replayed
    // one by one.
    CZufall(std::uint64_t saat, std::uint64_t fall);
    // Uniform in [von, bis].
    long Zahl(long von, long bis) { return std::uniform_int_distribution<long>(von, bis)(m_gen); }
    bool Mal(int prozent) { return Zahl(0, 99) < prozent; }
    unsigned char Byte() { return static_cast<unsigned char>(Zahl(0, 255)); }
    template <class T>
    const T& Eines(const std::vector<T>& liste) {
        return liste[static_cast<std::size_t>(Zahl(0, static_cast<long>(liste.size()) - 1))];
    }

private:
    std::mt19937_64 m_gen;
};

// How a child ended.
struct CEnde {
    enum class Art { Code, Signal, Frist };
    Art art = Art::Code;
    int wert = 0;  // exit code or signal number
    bool Sauber() const { return art == Art::Code && wert == 0; }
    bool DurchSignal(int signal) const { return art == Art::Signal && wert == signal; }
    std::string Text() const;  // German, for the report
};

// A forked child that runs one function and ends with its return value
// (_exit: nothing of the parent's is destroyed twice). The child reports
// through lines on a pipe; the parent may hold it back until Starten.
//
// Fork only while the calling process has no other thread: the child gets
// a copy of this thread alone.
class CKind {
public:
    using Arbeit = std::function<int(CKind& kind)>;
    explicit CKind(const Arbeit& arbeit);
    // Kills a child still running and reaps it.
    ~CKind();
    CKind(const CKind&) = delete;
    CKind& operator=(const CKind&) = delete;

    // --- in the child
    // One line to the parent in one write, so a kill never leaves half of
    // it (lines are shorter than PIPE_BUF).
    void Melden(const std::string& zeile);
    // Blocks until the parent says Starten; false when the parent has gone.
    bool AufStartWarten();

    // --- in the parent
    pid_t Pid() const { return m_pid; }
    void Starten();
    enum class Lesen { Zeile, Ende, Frist };
    // The next line the child wrote (without '\n'); Ende once the child
    // has gone and everything is read, Frist at the deadline.
    Lesen NaechsteZeile(std::string& zeile, Zeitpunkt bis);
    void Toeten();
    // Reads what is left, then waits for the end; a child still there at
    // the deadline is killed and ends as Frist.
    CEnde Beenden(Zeitpunkt bis, std::vector<std::string>* zeilen = nullptr);

private:
    pid_t m_pid = -1;
    bool m_bGeerntet = false;
    bool m_bFrist = false;
    int m_meldungLesen = -1;
    int m_meldungSchreiben = -1;
    int m_startLesen = -1;
    int m_startSchreiben = -1;
    std::string m_puffer;
};

// "--name wert" pairs and flags after the sub-command.
class CArgumente {
public:
    // Only the names given are accepted; the ones in `schalter` take no value.
    // A wrong command line is said on stderr and ends the program with 2.
    CArgumente(int argc, char** argv, int ab, std::initializer_list<const char*> mitWert,
               std::initializer_list<const char*> schalter = {});
    long Zahl(const std::string& name, long vorgabe) const;
    std::uint64_t Saat() const;  // --saat, else a fresh one (said on stderr)
    std::string Text(const std::string& name, const std::string& vorgabe) const;
    bool Schalter(const std::string& name) const { return m_werte.count(name) != 0; }

private:
    std::map<std::string, std::string> m_werte;
};

// A fresh folder under the temporary directory, removed with its contents.
class CArbeitsordner {
public:
    CArbeitsordner();
    ~CArbeitsordner();
    CArbeitsordner(const CArbeitsordner&) = delete;
    CArbeitsordner& operator=(const CArbeitsordner&) = delete;
    const std::filesystem::path& Pfad() const { return m_pfad; }
    std::string Datei(const std::string& name) const { return (m_pfad / name).string(); }

private:
    std::filesystem::path m_pfad;
};

// Where the probes keep the files of their findings: --funde, else
// "sagwerk-sonde-funde" in the temporary directory. Made on first use.
class CFunde {
public:
    explicit CFunde(const std::string& ordner);
    // Keeps `inhalt` under `name` and says so on stderr; returns the path.
    std::string Ablegen(const std::string& name, const Bytes& inhalt);
    std::string Kopieren(const std::string& name, const std::string& datei);
    bool Leer() const { return m_nAbgelegt == 0; }
    const std::filesystem::path& Ordner() const { return m_ordner; }

private:
    std::filesystem::path m_ordner;
    int m_nAbgelegt = 0;
};

Bytes Lesen(const std::string& datei);
bool Schreiben(const std::string& datei, const Bytes& inhalt);

}  // namespace sonde
