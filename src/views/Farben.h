#pragma once

#include <cstdint>

// Fill colours of the picture buttons, as the database keeps colours
// (0x00BBGGRR). The same on the communication screen and in the editor.
namespace farben {
constexpr std::uint32_t kWort = 0x5A5AFF;     // word elements and verbs: light red
constexpr std::uint32_t kLink = 0x5AFF5A;     // links and navigation: light green
constexpr std::uint32_t kEmotion = 0xFF5A5A;  // emotion buttons: light blue
constexpr std::uint32_t kPerson = 0x24DDEC;   // persons, up, down, "Sprechen": yellow
constexpr std::uint32_t kZeit = 0x0071E1;     // tenses and the verb list: orange
constexpr std::uint32_t kBefehl = 0xFF64FF;   // commands and keyboard keys: pink

// The colour of a function button by its code.
constexpr std::uint32_t Funktion(long code) {
    return code <= 8 ? kPerson : code <= 80 ? kZeit : kBefehl;
}
}  // namespace farben
