#pragma once

// The broken pictures of the picture probe, made from sound ones: bits
// flipped, cut off, bytes inserted or overwritten, and sizes in the headers
// that no picture could have. Pure bytes: the same seed and case number
// give the same file, so a finding can be written out again.

#include <string>
#include <vector>

#include "Sonde.h"

namespace sonde {

struct CBildSaat {
    std::string name;  // file name; its extension says what it is
    Bytes inhalt;
};

// One case: a file to write, or one of the special files (a pipe, a folder,
// a link, ...) that only the name describes.
struct CBildFall {
    enum class Art { Datei, Fifo, Ordner, VerweisAufFifo, VerweisInsLeere, VerweisSchleife };
    Art art = Art::Datei;
    std::string name;
    Bytes inhalt;
    std::string wie;  // German, for the report
};

// The first cases are the special files; then come broken copies of the seeds.
CBildFall BildFall(const std::vector<CBildSaat>& saaten, std::uint64_t saat, long nr);

}  // namespace sonde
