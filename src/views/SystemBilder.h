#pragma once

#include <string>

class CSagwerkDoc;

// The full path of a system icon of the screen ("home", "back", "prev",
// "next", "up", "down", "ear") in the user's folder: "icons\system\<name>.svg",
// or the ".ico" of that name that folders made by earlier versions hold.
std::string SystemBild(const CSagwerkDoc& doc, const char* name);
