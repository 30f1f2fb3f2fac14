#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// A board file opened for reading: a zip package (.obz, .zip, whatever its
// name) or one JSON file (.obf, .json), told apart by the first bytes.
//
// Owns the open zip. Entries are read into memory by name, never unpacked
// to disk, and every read is bounded: a single JSON file above
// kHoechstensJson, a package above kHoechstensGesamt uncompressed in all or an
// entry packed more than kHoechstesVerhaeltnis to one are refused before
// they are read, and a read stops where an entry turns out larger than it
// said. A package with an entry that leaves it ("../x", "/etc/x", "C:\x") or
// is a symbolic link is refused as a whole.
//
// Errors: Oeffnen and Lesen return false with a German sentence in `fehler`.
class CPaketDatei {
public:
    static constexpr std::uint64_t kHoechstensGesamt = 200ULL << 20;
    static constexpr std::uint64_t kHoechstensJson = 64ULL << 20;
    static constexpr std::uint64_t kHoechstesVerhaeltnis = 100;
    // Entries smaller than this are not held to the ratio: a few kilobytes
    // of blanks pack better than that and harm nobody.
    static constexpr std::uint64_t kVerhaeltnisAb = 1ULL << 20;

    CPaketDatei();
    ~CPaketDatei();
    CPaketDatei(const CPaketDatei&) = delete;
    CPaketDatei& operator=(const CPaketDatei&) = delete;

    bool Oeffnen(const std::string& pfad, std::string& fehler);
    bool IstZip() const { return m_pZip != nullptr; }
    // The single file's text (not a zip).
    const std::string& Text() const { return m_strText; }

    // Names of the entries (files only, "__MACOSX/" left out), in the zip's order.
    const std::vector<std::string>& Namen() const { return m_namen; }
    bool Hat(const std::string& name) const { return m_eintraege.count(name) != 0; }
    bool Lesen(const std::string& name, std::string& daten, std::string& fehler);

    // A name inside the package as written in a board file or manifest
    // ("./boards/a.obf", "boards\\a.obf"): the entry's name, or nothing when it
    // leaves the package.
    static std::optional<std::string> Normalisieren(const std::string& name);

private:
    struct Eintrag {
        std::uint64_t index = 0;
        std::uint64_t groesse = 0;
    };
    struct ZipSchliessen {
        void operator()(void* zip) const;
    };
    std::unique_ptr<void, ZipSchliessen> m_pZip;
    std::string m_strText;
    std::vector<std::string> m_namen;
    std::map<std::string, Eintrag> m_eintraege;
    std::string m_strPfad;
};
