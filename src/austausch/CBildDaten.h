#pragma once

#include <optional>
#include <string>
#include <string_view>

// What the bytes of a picture are, told from the bytes themselves: a board
// file's declared type is often wrong, and a name says nothing.
//
// Also the two ways a board file carries a picture's bytes inline: a data URI
// and base64. Pure functions; nothing here reads or writes a file.
class CBildDaten {
public:
    enum class Art { Unbekannt, Png, Jpeg, Gif, Svg, Bmp, Ico, Wmf };

    // Largest side and area a picture may have: a button never needs more,
    // and a picture of 65,535 x 65,535 would take 16 GB once decoded.
    static constexpr long kHoechsteSeite = 8192;
    static constexpr long long kHoechsteFlaeche = 32LL * 1024 * 1024;

    static Art Erkennen(std::string_view daten);
    // True for what the picture button draws (it goes by the file name's
    // extension: .png, .jpg, .svg, .bmp, .ico).
    static bool Darstellbar(Art art);
    // ".png" and so on; empty for what cannot be drawn.
    static const char* Endung(Art art);
    // "image/png" and so on.
    static const char* Inhaltstyp(Art art);
    static const char* Name(Art art);

    // Width and height from the header, where the format has them there
    // (PNG, JPEG, GIF, BMP, ICO); nothing for SVG or a damaged header.
    struct Groesse {
        long breite = 0, hoehe = 0;
    };
    static std::optional<Groesse> Abmessungen(std::string_view daten, Art art);
    // False when the header names a picture larger than the limits.
    static bool GroesseErlaubt(std::string_view daten, Art art);

    // Decodes base64 (white space between the characters is allowed).
    // Nothing when another character or a wrong length is met.
    static std::optional<std::string> Base64Lesen(std::string_view text);
    static std::string Base64Schreiben(std::string_view daten);

    // The bytes of a data URI ("data:image/png;base64,..."). Nothing when it
    // is not one or not base64; `fehler` then says which, in German.
    static std::optional<std::string> DataUriLesen(std::string_view uri, std::string& fehler);
};
