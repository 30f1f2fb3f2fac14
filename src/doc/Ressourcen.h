#pragma once

#include <string>

// Where the program's data files are (starter vocabulary, picture mapping,
// pictograms, verb table): the directory named by the environment variable
// SAGWERK_RES if it is set, else the folder share/sagwerk found from the
// program's own place, walking up from the folder it lies in. Installed,
// that is <prefix>/share/sagwerk beside <prefix>/bin; in the build tree,
// share/sagwerk at the top of the build folder (made by the build). Nothing
// depends on where the sources were.
std::string RessourcenVerzeichnis();

// The starter vocabulary file in that directory.
std::string WortschatzDatei();
