#include "CBildDaten.h"

#include <array>
#include <cctype>
#include <cstdint>

namespace {

bool Beginnt(std::string_view d, std::string_view mit) { return d.substr(0, mit.size()) == mit; }

std::uint32_t Be16(std::string_view d, std::size_t i) {
    return (static_cast<std::uint8_t>(d[i]) << 8) | static_cast<std::uint8_t>(d[i + 1]);
}
std::uint32_t Le16(std::string_view d, std::size_t i) {
    return static_cast<std::uint8_t>(d[i]) | (static_cast<std::uint8_t>(d[i + 1]) << 8);
}
std::uint32_t Be32(std::string_view d, std::size_t i) {
    return (Be16(d, i) << 16) | Be16(d, i + 2);
}
std::int32_t Le32(std::string_view d, std::size_t i) {
    return static_cast<std::int32_t>(Le16(d, i) | (Le16(d, i + 2) << 16));
}

// An SVG may start with a byte order mark, blanks, an XML declaration,
// comments and a doctype before its root element.
bool IstSvg(std::string_view d) {
    if (Beginnt(d, "\xEF\xBB\xBF")) d.remove_prefix(3);
    const std::string_view kopf = d.substr(0, 4096);
    std::size_t i = 0;
    while (i < kopf.size()) {
        while (i < kopf.size() && std::isspace(static_cast<unsigned char>(kopf[i]))) ++i;
        if (i >= kopf.size() || kopf[i] != '<') return false;
        const std::string_view rest = kopf.substr(i);
        if (Beginnt(rest, "<svg")) return true;
        std::string_view ende = ">";
        if (Beginnt(rest, "<?")) {
            ende = "?>";
        } else if (Beginnt(rest, "<!--")) {
            ende = "-->";
        } else if (!Beginnt(rest, "<!")) {
            return false;
        }
        const std::size_t e = kopf.find(ende, i + 2);
        if (e == std::string_view::npos) return false;
        i = e + ende.size();
    }
    return false;
}

int Base64Wert(char c) {
    if (c >= 'A' && c <= 'Z') return c - 'A';
    if (c >= 'a' && c <= 'z') return c - 'a' + 26;
    if (c >= '0' && c <= '9') return c - '0' + 52;
    if (c == '+' || c == '-') return 62;
    if (c == '/' || c == '_') return 63;
    return -1;
}

}  // namespace

CBildDaten::Art CBildDaten::Erkennen(std::string_view d) {
    if (Beginnt(d, "\x89PNG\r\n\x1A\n")) return Art::Png;
    if (Beginnt(d, "\xFF\xD8\xFF")) return Art::Jpeg;
    if (Beginnt(d, "GIF87a") || Beginnt(d, "GIF89a")) return Art::Gif;
    if (Beginnt(d, "BM") && d.size() >= 26) return Art::Bmp;
    if (Beginnt(d, std::string_view("\0\0\1\0", 4)) && d.size() >= 22) return Art::Ico;
    if (Beginnt(d, "\xD7\xCD\xC6\x9A") || Beginnt(d, std::string_view("\1\0\x09\0", 4)) ||
        Beginnt(d, std::string_view("\2\0\x09\0", 4))) {
        return Art::Wmf;
    }
    if (IstSvg(d)) return Art::Svg;
    return Art::Unbekannt;
}

bool CBildDaten::Darstellbar(Art art) { return Endung(art)[0] != '\0'; }

const char* CBildDaten::Endung(Art art) {
    switch (art) {
        case Art::Png:
            return ".png";
        case Art::Jpeg:
            return ".jpg";
        case Art::Svg:
            return ".svg";
        case Art::Bmp:
            return ".bmp";
        case Art::Ico:
            return ".ico";
        default:
            return "";
    }
}

const char* CBildDaten::Inhaltstyp(Art art) {
    switch (art) {
        case Art::Png:
            return "image/png";
        case Art::Jpeg:
            return "image/jpeg";
        case Art::Gif:
            return "image/gif";
        case Art::Svg:
            return "image/svg+xml";
        case Art::Bmp:
            return "image/bmp";
        case Art::Ico:
            return "image/x-icon";
        case Art::Wmf:
            return "image/wmf";
        default:
            return "application/octet-stream";
    }
}

const char* CBildDaten::Name(Art art) {
    switch (art) {
        case Art::Png:
            return "PNG";
        case Art::Jpeg:
            return "JPEG";
        case Art::Gif:
            return "GIF";
        case Art::Svg:
            return "SVG";
        case Art::Bmp:
            return "BMP";
        case Art::Ico:
            return "ICO";
        case Art::Wmf:
            return "WMF";
        default:
            return "unbekannt";
    }
}

std::optional<CBildDaten::Groesse> CBildDaten::Abmessungen(std::string_view d, Art art) {
    switch (art) {
        case Art::Png:
            if (d.size() < 24) return std::nullopt;
            return Groesse{static_cast<long>(Be32(d, 16)), static_cast<long>(Be32(d, 20))};
        case Art::Gif:
            if (d.size() < 10) return std::nullopt;
            return Groesse{static_cast<long>(Le16(d, 6)), static_cast<long>(Le16(d, 8))};
        case Art::Bmp: {
            const long h = Le32(d, 22);
            return Groesse{static_cast<long>(Le32(d, 18)), h < 0 ? -h : h};
        }
        case Art::Ico: {
            // The largest entry; 0 stands for 256.
            Groesse g;
            const std::size_t n = Le16(d, 4);
            for (std::size_t i = 0; i < n && 6 + 16 * i + 2 <= d.size(); ++i) {
                const long b = static_cast<std::uint8_t>(d[6 + 16 * i]);
                const long h = static_cast<std::uint8_t>(d[6 + 16 * i + 1]);
                g.breite = std::max(g.breite, b == 0 ? 256L : b);
                g.hoehe = std::max(g.hoehe, h == 0 ? 256L : h);
            }
            return g;
        }
        case Art::Jpeg: {
            // Walks the segments up to the first frame header.
            std::size_t i = 2;
            while (i + 9 < d.size()) {
                if (static_cast<std::uint8_t>(d[i]) != 0xFF) return std::nullopt;
                const std::uint8_t m = static_cast<std::uint8_t>(d[i + 1]);
                if (m == 0xFF) {
                    ++i;
                    continue;
                }
                if (m >= 0xC0 && m <= 0xCF && m != 0xC4 && m != 0xC8 && m != 0xCC) {
                    return Groesse{static_cast<long>(Be16(d, i + 7)),
                                   static_cast<long>(Be16(d, i + 5))};
                }
                if (m == 0xD8 || (m >= 0xD0 && m <= 0xD7) || m == 0x01) {
                    i += 2;
                    continue;
                }
                i += 2 + Be16(d, i + 2);
            }
            return std::nullopt;
        }
        default:
            return std::nullopt;
    }
}

bool CBildDaten::GroesseErlaubt(std::string_view d, Art art) {
    const std::optional<Groesse> g = Abmessungen(d, art);
    if (!g) return true;
    return g->breite <= kHoechsteSeite && g->hoehe <= kHoechsteSeite &&
           static_cast<long long>(g->breite) * g->hoehe <= kHoechsteFlaeche;
}

std::optional<std::string> CBildDaten::Base64Lesen(std::string_view text) {
    std::string aus;
    aus.reserve(text.size() / 4 * 3);
    std::uint32_t puffer = 0;
    int bits = 0;
    std::size_t zeichen = 0, gleich = 0;
    for (const char c : text) {
        if (c == ' ' || c == '\n' || c == '\r' || c == '\t') continue;
        if (c == '=') {
            ++gleich;
            continue;
        }
        const int w = Base64Wert(c);
        if (w < 0 || gleich > 0) return std::nullopt;
        ++zeichen;
        puffer = (puffer << 6) | static_cast<std::uint32_t>(w);
        bits += 6;
        if (bits >= 8) {
            bits -= 8;
            aus.push_back(static_cast<char>((puffer >> bits) & 0xFF));
        }
    }
    if (zeichen % 4 == 1 || gleich > 2) return std::nullopt;
    return aus;
}

std::string CBildDaten::Base64Schreiben(std::string_view daten) {
    static constexpr char kZeichen[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string aus;
    aus.reserve((daten.size() + 2) / 3 * 4);
    for (std::size_t i = 0; i < daten.size(); i += 3) {
        std::uint32_t n = static_cast<std::uint8_t>(daten[i]) << 16;
        if (i + 1 < daten.size()) n |= static_cast<std::uint8_t>(daten[i + 1]) << 8;
        if (i + 2 < daten.size()) n |= static_cast<std::uint8_t>(daten[i + 2]);
        aus.push_back(kZeichen[(n >> 18) & 63]);
        aus.push_back(kZeichen[(n >> 12) & 63]);
        aus.push_back(i + 1 < daten.size() ? kZeichen[(n >> 6) & 63] : '=');
        aus.push_back(i + 2 < daten.size() ? kZeichen[n & 63] : '=');
    }
    return aus;
}

std::optional<std::string> CBildDaten::DataUriLesen(std::string_view uri, std::string& fehler) {
    if (!Beginnt(uri, "data:")) {
        fehler = "Die Bilddaten sind keine data-URI.";
        return std::nullopt;
    }
    const std::size_t komma = uri.find(',');
    if (komma == std::string_view::npos) {
        fehler = "Die data-URI hat kein Komma vor den Bilddaten.";
        return std::nullopt;
    }
    const std::string_view kopf = uri.substr(5, komma - 5);
    if (kopf.size() < 7 || kopf.substr(kopf.size() - 7) != ";base64") {
        fehler = "Die data-URI ist nicht base64-kodiert.";
        return std::nullopt;
    }
    std::optional<std::string> daten = Base64Lesen(uri.substr(komma + 1));
    if (!daten) fehler = "Die data-URI enthält Zeichen, die kein base64 sind.";
    return daten;
}
