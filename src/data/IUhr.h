#pragma once

// The current date and time, injectable so that stored dates are testable.
//
// Dates are kept as the user databases have always stored them: days since
// 30 December 1899 as a real number, the fraction being the local time of day.
class IUhr {
public:
    virtual ~IUhr() = default;
    virtual double Jetzt() const = 0;
};
