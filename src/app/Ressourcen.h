#pragma once

#include <string>

// Where the program's data files (starter vocabulary, picture mapping) are:
// the directory named by the environment variable SAGWERK_RES if it is set,
// else the res folder the program was built from.
std::string RessourcenVerzeichnis();

// The starter vocabulary file in that directory.
std::string WortschatzDatei();
