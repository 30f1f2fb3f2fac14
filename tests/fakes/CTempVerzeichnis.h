#pragma once

#include <filesystem>
#include <string>

// A fresh directory under the system's temporary directory, removed with
// everything in it when the object goes.
class CTempVerzeichnis {
public:
    CTempVerzeichnis();
    ~CTempVerzeichnis();
    CTempVerzeichnis(const CTempVerzeichnis&) = delete;
    CTempVerzeichnis& operator=(const CTempVerzeichnis&) = delete;

    const std::filesystem::path& Pfad() const { return m_pfad; }
    std::string Datei(const std::string& name) const { return (m_pfad / name).string(); }

private:
    std::filesystem::path m_pfad;
};
