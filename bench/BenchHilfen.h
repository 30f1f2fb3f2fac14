#pragma once

#include <chrono>
#include <iostream>
#include <string>

#include "IDialoge.h"

// What both benchmarks need: a stopwatch and dialogs that print instead of
// asking.
namespace bench {

using Uhr = std::chrono::steady_clock;

inline double Ms(Uhr::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

class Dialoge : public IDialoge {
public:
    void ReportError(const std::string& text) override { std::cerr << "Fehler: " << text << '\n'; }
    Antwort ShowMessage(const std::string& text, const std::string&, Symbol, Knoepfe) override {
        std::cerr << text << '\n';
        return Antwort::Ok;
    }
    void BeginWait() override {}
    void EndWait() override {}
};

}  // namespace bench
