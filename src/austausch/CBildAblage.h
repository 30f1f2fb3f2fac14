#pragma once

#include <filesystem>
#include <string>
#include <vector>

// Puts pictures into a user's folder by the rule the editor keeps when a
// carer chooses a picture: into "bilder", never over another file; a file
// there with the same bytes is taken as it is; otherwise the name gets "-2",
// "-3", .... The names returned are those the user file stores
// ("bilder\hund.png", relative to the folder, with backslashes).
//
// Remembers the files it created, so that a failed import can take them
// back (Zuruecknehmen); a file that was there before is never removed.
//
// Errors: Ablegen returns the empty name with a German sentence in `fehler`.
class CBildAblage {
public:
    explicit CBildAblage(std::string ordner) : m_ordner(std::move(ordner)) {}

    std::string Ablegen(const std::string& daten, const std::string& stamm,
                        const std::string& endung, std::string& fehler);
    // Under the name Sagwerk's own export kept the picture by, where that is
    // a plain name inside the folder that is free or holds the same bytes;
    // the empty name otherwise (the caller then uses Ablegen).
    std::string AblegenUnter(const std::string& daten, const std::string& name);
    // Removes the files created so far.
    void Zuruecknehmen();
    const std::vector<std::filesystem::path>& Neu() const { return m_neu; }

private:
    // 1: written, 0: the same bytes are there, -1: another file is there,
    // -2: cannot be written.
    int Schreiben(const std::filesystem::path& ziel, const std::string& daten);

    std::string m_ordner;
    std::vector<std::filesystem::path> m_neu;
};
