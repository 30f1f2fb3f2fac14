#pragma once

// The work of CTafelLeser, shared by its two sources: CTafelLeser.cpp reads
// the package (files, manifest, root, links), CTafelLeserKnopf.cpp one board
// (buttons, order, texts, pictures).

#include <map>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <vector>

#include "CPaketDatei.h"
#include "CTafelLeser.h"

namespace tafel {

using Json = nlohmann::json;

// A board as parsed, with what its buttons still need resolved.
struct Roh {
    Json json;
    std::string pfad;  // in the package; empty for a single file
    std::string id;
};

// A button's link before the boards are all known.
struct OffenerLink {
    int tafel = 0;
    std::size_t knopf = 0;
    std::optional<std::string> pfad, id;
    bool extern_ = false;
    std::string name;
};

// The text of a JSON value that should be a string: numbers are written
// out, anything else is empty.
std::string Text(const Json& wert);
// An id: a string, or a number cast to one ("0" is a real id).
std::optional<std::string> Id(const Json& wert);
// Parses text that must be a JSON value; false with a German message naming `wo`.
bool Parsen(const std::string& text, const std::string& wo, Json& json, std::string& fehler);

class Arbeit {
public:
    Arbeit(CPaketDatei& datei, CTafelPaket& paket, CZusammenfassung& z)
        : m_datei(datei), m_paket(paket), m_z(z) {}

    std::vector<Roh> roh;
    std::map<std::string, std::string> manifestBilder;  // image id -> entry
    std::vector<OffenerLink> links;

    // Turns roh[nummer] into m_paket.tafeln[nummer].
    void TafelLesen(int nummer);
    // Every board's images by id, for a button whose own board lacks one.
    void BilderSammeln();

private:
    int BildHolen(int tafel, const std::string& id);
    int BildAusQuelle(const Json* bild, const std::string& id, const std::string& manifestPfad,
                      const std::string& name);

    CPaketDatei& m_datei;
    CTafelPaket& m_paket;
    CZusammenfassung& m_z;
    std::map<std::string, std::pair<int, const Json*>> m_alleBilder;
    std::map<std::pair<int, std::string>, int> m_bildCache;
    std::map<std::string, int> m_quellenCache;  // entry name -> picture
    long m_nurImNetz = 0, m_keinFormat = 0, m_zuGross = 0, m_kaputt = 0, m_fehlt = 0;

public:
    // The picture notices, once all boards are read.
    void BildHinweise();
};

}  // namespace tafel
