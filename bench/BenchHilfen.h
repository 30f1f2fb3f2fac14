#pragma once

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "IDialoge.h"

// What the benchmarks need: a stopwatch, the figures of a series, and
// dialogs that print instead of asking.
namespace bench {

using Uhr = std::chrono::steady_clock;

inline double Ms(Uhr::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

// The times of one series, in ms.
struct Werte {
    std::vector<double> ms;
    double Quantil(double q) const {
        if (ms.empty()) return 0;
        std::vector<double> v = ms;
        std::sort(v.begin(), v.end());
        const auto i = static_cast<std::size_t>(q * static_cast<double>(v.size() - 1) + 0.5);
        return v[std::min(i, v.size() - 1)];
    }
    double Max() const { return ms.empty() ? 0 : *std::max_element(ms.begin(), ms.end()); }
};

inline std::string Zahl(double v, int stellen = 3) {
    char b[64];
    std::snprintf(b, sizeof b, "%.*f", stellen, v);
    return b;
}

// Resident memory of this process, in KiB.
inline long RssKb() {
    std::ifstream f("/proc/self/status");
    for (std::string zeile; std::getline(f, zeile);)
        if (zeile.rfind("VmRSS:", 0) == 0) return std::stol(zeile.substr(6));
    return 0;
}

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
