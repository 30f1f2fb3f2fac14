#pragma once

// The sub-commands of sagwerk-sonde. Each prints one summary line and
// returns 0 exactly when nothing bad was counted.

#include "Sonde.h"

namespace sonde {

int Toeten(const CArgumente& argumente);
int Schaden(const CArgumente& argumente);
int Gehalten(const CArgumente& argumente);
int Voll(const CArgumente& argumente);
int OhneHeim(const CArgumente& argumente);
int Zurueck(const CArgumente& argumente);
int Nachholen(const CArgumente& argumente);
int EditorVoll(const CArgumente& argumente);

}  // namespace sonde
