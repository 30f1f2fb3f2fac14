#include "WavDatei.h"

#include <fstream>

namespace {

void Wort16(std::string& out, std::uint16_t v) {
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>((v >> 8) & 0xFF);
}

void Wort32(std::string& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out += static_cast<char>((v >> (8 * i)) & 0xFF);
}

}  // namespace

bool WavSchreiben(const std::string& pfad, const std::vector<std::int16_t>& samples, int rate,
                  std::string& fehler) {
    if (rate <= 0) {
        fehler = "ungültige Abtastrate";
        return false;
    }
    const std::uint32_t daten = static_cast<std::uint32_t>(samples.size() * 2);
    std::string kopf;
    kopf += "RIFF";
    Wort32(kopf, 36 + daten);
    kopf += "WAVEfmt ";
    Wort32(kopf, 16);  // size of the format chunk
    Wort16(kopf, 1);   // PCM
    Wort16(kopf, 1);   // mono
    Wort32(kopf, static_cast<std::uint32_t>(rate));
    Wort32(kopf, static_cast<std::uint32_t>(rate) * 2);  // bytes a second
    Wort16(kopf, 2);                                     // bytes a frame
    Wort16(kopf, 16);                                    // bits a sample
    kopf += "data";
    Wort32(kopf, daten);
    for (std::int16_t s : samples) Wort16(kopf, static_cast<std::uint16_t>(s));

    std::ofstream datei(pfad, std::ios::binary | std::ios::trunc);
    if (!datei) {
        fehler = "Die Datei \"" + pfad + "\" kann nicht geschrieben werden.";
        return false;
    }
    datei.write(kopf.data(), static_cast<std::streamsize>(kopf.size()));
    datei.close();
    if (!datei) {
        fehler = "Beim Schreiben der Datei \"" + pfad + "\" ist ein Fehler aufgetreten.";
        return false;
    }
    return true;
}
