#pragma once

#include <string>

// Writes a new user file with the schema, one Benutzer row (the given names,
// empty password, grid 6 x 4, speed and pitch 100), the start category
// (Index 1, "HOME"), the sixteen function buttons and a set of emotion
// buttons.
//
// Never overwrites: when the file exists, or cannot be written, nothing is
// left behind and false is returned with a German message in `fehler`. The
// file appears complete or not at all (it is built under a temporary name
// and moved into place).
bool CreateUserDatabase(const std::string& pfad, const std::string& vorname,
                        const std::string& name, std::string& fehler);
