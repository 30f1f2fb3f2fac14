#pragma once

#include <ctime>

#include "IUhr.h"

// The machine's clock in local time.
class CSystemUhr : public IUhr {
public:
    double Jetzt() const override;

    // Local broken-down time to days since 30 December 1899.
    static double AusOrtszeit(const std::tm& zeit);
};
