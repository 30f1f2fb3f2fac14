#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Writes 16-bit mono PCM samples as a WAV file (RIFF, little-endian).
// False and a German reason in `fehler` when the file cannot be written.
bool WavSchreiben(const std::string& pfad, const std::vector<std::int16_t>& samples, int rate,
                  std::string& fehler);
