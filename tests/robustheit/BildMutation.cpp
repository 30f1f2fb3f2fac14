#include "BildMutation.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace sonde {

namespace {

// ---------------------------------------------------------------- bytes

std::uint32_t Crc32(const Bytes& b, std::size_t von, std::size_t bis) {
    static const std::array<std::uint32_t, 256> tabelle = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    std::uint32_t c = 0xFFFFFFFFu;
    for (std::size_t i = von; i < bis; ++i) {
        c = tabelle[(c ^ static_cast<unsigned char>(b[i])) & 0xFF] ^ (c >> 8);
    }
    return c ^ 0xFFFFFFFFu;
}

std::uint32_t Lies32LE(const Bytes& b, std::size_t pos) {
    std::uint32_t w = 0;
    for (int i = 3; i >= 0; --i) w = (w << 8) | static_cast<unsigned char>(b[pos + i]);
    return w;
}

void Schreib32BE(Bytes& b, std::size_t pos, std::uint32_t w) {
    for (int i = 0; i < 4; ++i) b[pos + i] = static_cast<char>(w >> (24 - 8 * i));
}

void Schreib32LE(Bytes& b, std::size_t pos, std::uint32_t w) {
    for (int i = 0; i < 4; ++i) b[pos + i] = static_cast<char>(w >> (8 * i));
}

void Schreib16(Bytes& b, std::size_t pos, std::uint32_t w, bool bigEndian) {
    b[pos + (bigEndian ? 0 : 1)] = static_cast<char>(w >> 8);
    b[pos + (bigEndian ? 1 : 0)] = static_cast<char>(w);
}

bool BeginntMit(const Bytes& b, std::size_t pos, const std::string& was) {
    return b.size() >= pos + was.size() && b.compare(pos, was.size(), was) == 0;
}

std::size_t Stelle(const Bytes& b, CZufall& z) {
    return static_cast<std::size_t>(z.Zahl(0, static_cast<long>(b.size()) - 1));
}

const std::vector<std::uint32_t> kRiesig = {0,       1,          65535,      65536,     100000,
                                            1 << 20, 0x7FFFFFFF, 0x80000000, 0xFFFFFFFF};

// ---------------------------------------------------------------- sizes no picture has

bool PngRiesig(Bytes& b, std::size_t basis, CZufall& z) {
    // Signature, then the IHDR chunk: length, type, width, height, depth,
    // colour type, ..., CRC. The CRC is made right again, so the reader
    // believes the numbers.
    if (!BeginntMit(b, basis + 12, "IHDR") || b.size() < basis + 33) return false;
    if (z.Mal(70)) Schreib32BE(b, basis + 16, z.Eines(kRiesig));
    if (z.Mal(70)) Schreib32BE(b, basis + 20, z.Eines(kRiesig));
    if (z.Mal(20)) b[basis + 24] = static_cast<char>(z.Eines(std::vector<int>{0, 1, 3, 16, 255}));
    if (z.Mal(20)) b[basis + 25] = static_cast<char>(z.Eines(std::vector<int>{1, 2, 3, 6, 7}));
    Schreib32BE(b, basis + 29, Crc32(b, basis + 12, basis + 29));
    return true;
}

bool JpegRiesig(Bytes& b, CZufall& z) {
    for (std::size_t i = 2; i + 9 < b.size(); ++i) {
        const auto m = static_cast<unsigned char>(b[i + 1]);
        if (static_cast<unsigned char>(b[i]) != 0xFF || m < 0xC0 || m > 0xCF || m == 0xC4 ||
            m == 0xC8 || m == 0xCC) {
            continue;
        }
        // A frame header: length, precision, height, width, components.
        Schreib16(b, i + 5, z.Mal(50) ? 0xFFFF : static_cast<std::uint32_t>(z.Zahl(0, 0xFFFF)),
                  true);
        Schreib16(b, i + 7, z.Mal(50) ? 0xFFFF : static_cast<std::uint32_t>(z.Zahl(0, 0xFFFF)),
                  true);
        if (z.Mal(20)) b[i + 9] = static_cast<char>(z.Byte());
        return true;
    }
    return false;
}

// The 40-byte info header of a bitmap, in a .bmp or inside an icon.
bool DibRiesig(Bytes& b, std::size_t basis, CZufall& z) {
    if (b.size() < basis + 40) return false;
    switch (z.Zahl(0, 3)) {
        case 0:
            Schreib32LE(b, basis + 4, z.Eines(kRiesig));
            Schreib32LE(b, basis + 8, z.Eines(kRiesig));
            break;
        case 1:
            Schreib16(b, basis + 14,
                      z.Eines(std::vector<std::uint32_t>{0, 1, 2, 3, 4, 8, 15, 16, 24, 32, 48, 64,
                                                         0xFFFF}),
                      false);
            break;
        case 2:
            Schreib32LE(b, basis + 32, z.Eines(kRiesig));  // colours used
            break;
        default:
            Schreib32LE(b, basis + 0, z.Eines(kRiesig));  // header size
            break;
    }
    return true;
}

bool BmpRiesig(Bytes& b, CZufall& z) {
    if (!BeginntMit(b, 0, "BM") || b.size() < 54) return false;
    if (z.Mal(25)) {
        Schreib32LE(b, 10, z.Eines(kRiesig));  // where the pixels begin
        return true;
    }
    return DibRiesig(b, 14, z);
}

bool IcoRiesig(Bytes& b, CZufall& z) {
    if (!BeginntMit(b, 0, std::string("\0\0\1\0", 4)) || b.size() < 22) return false;
    switch (z.Zahl(0, 3)) {
        case 0:
            Schreib16(b, 4, z.Eines(std::vector<std::uint32_t>{0, 2, 255, 1000, 0xFFFF}), false);
            return true;
        case 1:
            b[6] = static_cast<char>(z.Byte());
            b[7] = static_cast<char>(z.Byte());
            Schreib32LE(b, 14, z.Eines(kRiesig));  // bytes of the entry
            return true;
        case 2:
            Schreib32LE(b, 18, z.Eines(kRiesig));  // where the entry begins
            return true;
        default: {
            const std::size_t eintrag = Lies32LE(b, 18);
            if (eintrag >= b.size()) return false;
            if (BeginntMit(b, eintrag, "\x89PNG")) return PngRiesig(b, eintrag, z);
            return DibRiesig(b, eintrag, z);
        }
    }
}

bool SvgRiesig(Bytes& b, CZufall& z) {
    const std::size_t wurzel = b.find("<svg");
    if (wurzel == std::string::npos) return false;
    static const std::vector<std::string> masse = {"1e9", "99999999", "2147483647", "2147483648",
                                                   "-1",  "0",        "1e308",      "NaN",
                                                   "inf", "1e-9",     "100000mm"};
    std::string attribute;
    if (z.Mal(70)) attribute += " width=\"" + z.Eines(masse) + "\"";
    if (z.Mal(70)) attribute += " height=\"" + z.Eines(masse) + "\"";
    if (z.Mal(40)) {
        // A second viewBox is an error of its own; the first one wins or the file fails.
        attribute +=
            " viewBox=\"" + z.Eines(masse) + " 0 " + z.Eines(masse) + " " + z.Eines(masse) + "\"";
    }
    if (attribute.empty()) attribute = " stroke-width=\"" + z.Eines(masse) + "\"";
    b.insert(wurzel + 4, attribute);
    return true;
}

bool Riesig(Bytes& b, CZufall& z) {
    if (BeginntMit(b, 0, "\x89PNG")) return PngRiesig(b, 0, z);
    if (BeginntMit(b, 0, "\xFF\xD8")) return JpegRiesig(b, z);
    if (BeginntMit(b, 0, "BM")) return BmpRiesig(b, z);
    if (BeginntMit(b, 0, std::string("\0\0\1\0", 4))) return IcoRiesig(b, z);
    return SvgRiesig(b, z);
}

// ---------------------------------------------------------------- damage of any kind

std::string Veraendern(Bytes& b, CZufall& z) {
    if (b.empty()) b = "x";
    switch (z.Zahl(0, 5)) {
        case 0: {
            const long n = z.Mal(60) ? z.Zahl(1, 3) : z.Zahl(4, 16);
            for (long i = 0; i < n; ++i) {
                // Half of the flips in the first bytes, where the headers are.
                const std::size_t pos =
                    z.Mal(50) ? static_cast<std::size_t>(
                                    z.Zahl(0, std::min<long>(63, static_cast<long>(b.size()) - 1)))
                              : Stelle(b, z);
                b[pos] = static_cast<char>(b[pos] ^ (1 << z.Zahl(0, 7)));
            }
            return std::to_string(n) + " Bits gekippt";
        }
        case 1: {
            const std::size_t laenge =
                z.Mal(30) ? static_cast<std::size_t>(z.Zahl(0, 64)) : Stelle(b, z);
            b.resize(std::min(laenge, b.size()));
            return "nach " + std::to_string(b.size()) + " Bytes abgeschnitten";
        }
        case 2: {
            const std::size_t pos = Stelle(b, z);
            const long n = z.Zahl(1, 64);
            Bytes neu;
            for (long i = 0; i < n; ++i) neu += static_cast<char>(z.Mal(50) ? 0xFF : z.Byte());
            b.insert(pos, neu);
            return std::to_string(n) + " Bytes bei " + std::to_string(pos) + " eingefügt";
        }
        case 3: {
            const std::size_t pos = Stelle(b, z);
            const long n = std::min<long>(z.Zahl(1, 16), static_cast<long>(b.size() - pos));
            const long art = z.Zahl(0, 2);
            for (long i = 0; i < n; ++i) {
                b[pos + static_cast<std::size_t>(i)] = static_cast<char>(art == 0   ? 0x00
                                                                         : art == 1 ? 0xFF
                                                                                    : z.Byte());
            }
            return std::to_string(n) + " Bytes bei " + std::to_string(pos) + " überschrieben";
        }
        case 4: {
            // A piece of the file again, right after itself.
            const std::size_t pos = Stelle(b, z);
            const std::size_t n =
                std::min<std::size_t>(static_cast<std::size_t>(z.Zahl(1, 512)), b.size() - pos);
            const Bytes stueck = b.substr(pos, n);
            for (long i = z.Zahl(1, 8); i > 0; --i) b.insert(pos, stueck);
            return "Stück bei " + std::to_string(pos) + " wiederholt";
        }
        default:
            return Riesig(b, z) ? "Größe im Kopf unmöglich gemacht" : "unverändert";
    }
}

const std::vector<std::string> kEndungen = {"ico", "bmp", "png", "jpg", "jpeg", "svg"};

}  // namespace

CBildFall BildFall(const std::vector<CBildSaat>& saaten, std::uint64_t saat, long nr) {
    using Art = CBildFall::Art;
    // Files a picture name may stand for that are no pictures at all.
    static const std::vector<CBildFall> sonder = {
        {Art::Fifo, "fifo.ico", {}, "Pipe als Icon"},
        {Art::Fifo, "fifo.png", {}, "Pipe als Bitmap"},
        {Art::Ordner, "ordner.bmp", {}, "Ordner als Bitmap"},
        {Art::Ordner, "ordner.ico", {}, "Ordner als Icon"},
        {Art::VerweisAufFifo, "verweis.svg", {}, "Verweis auf eine Pipe"},
        {Art::VerweisInsLeere, "weg.jpg", {}, "Verweis ins Leere"},
        {Art::VerweisSchleife, "schleife.ico", {}, "Verweis auf sich selbst"},
        {Art::Datei, "leer.ico", {}, "leere Datei als Icon"},
        {Art::Datei, "leer.svg", {}, "leere Datei als Zeichnung"},
    };
    if (nr < static_cast<long>(sonder.size())) return sonder[static_cast<std::size_t>(nr)];

    CZufall z(saat, static_cast<std::uint64_t>(nr));
    const CBildSaat& s = z.Eines(saaten);
    CBildFall fall;
    fall.inhalt = s.inhalt;
    fall.wie = s.name + ":";
    // Mostly one change: a picture broken in one place gets furthest into
    // the reader.
    const long aenderungen = z.Mal(60) ? 1 : z.Mal(75) ? 2 : 3;
    for (long n = aenderungen; n > 0; --n) fall.wie += " " + Veraendern(fall.inhalt, z) + ";";
    std::string endung = s.name.substr(s.name.rfind('.') + 1);
    if (z.Mal(15)) {
        endung = z.Eines(kEndungen);
        fall.wie += " als ." + endung;
    }
    fall.name = "fall" + std::to_string(nr) + "." + endung;
    return fall;
}

}  // namespace sonde
