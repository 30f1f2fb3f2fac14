#include "CNormalisierer.h"

std::string CNormalisierer::Normalisieren(const std::string& text) const { return text; }
