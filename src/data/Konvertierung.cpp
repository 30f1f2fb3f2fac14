#include "Konvertierung.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

std::string VariantToText(const CWert& wert) {
    if (const auto* text = std::get_if<std::string>(&wert)) return *text;
    if (const auto* zahl = std::get_if<long long>(&wert)) return std::to_string(*zahl);
    if (const auto* real = std::get_if<double>(&wert)) {
        char puffer[64];
        std::snprintf(puffer, sizeof puffer, "%e", *real);
        return puffer;
    }
    return {};
}

long ParseDecimal(const std::string& s) {
    // Unsigned arithmetic: the wrap-around is defined, the result is the same
    // 32-bit pattern the old reader produced.
    std::uint32_t wert = 0;
    for (char c : s) {
        const auto zeichen = static_cast<std::int32_t>(static_cast<signed char>(c));
        wert = wert * 10u + static_cast<std::uint32_t>(zeichen - 48);
    }
    return static_cast<long>(static_cast<std::int32_t>(wert));
}

std::pair<int, int> ReadIconSize(const std::string& pfad) {
    // A folder, a pipe or a device named like an icon is no icon: opening a
    // pipe would even wait for a writer.
    std::error_code ec;
    if (!std::filesystem::is_regular_file(pfad, ec)) return {32, 32};
    std::FILE* datei = std::fopen(pfad.c_str(), "rb");
    if (!datei) return {32, 32};
    int breite = -1;
    int hoehe = -1;
    if (std::fseek(datei, 6, SEEK_SET) == 0) {
        breite = std::fgetc(datei);
        hoehe = std::fgetc(datei);
        // fgetc yields EOF (-1) past the end, which is what callers expect.
    }
    std::fclose(datei);
    return {breite, hoehe};
}
