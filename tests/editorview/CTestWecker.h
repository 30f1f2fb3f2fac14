#pragma once

#include <functional>

#include "IWecker.h"

// The editor's timer in tests: it rings only when the test says so.
class CTestWecker : public IWecker {
public:
    void Stellen(int ms, std::function<void()> wenn) override {
        m_nMs = ms;
        m_wenn = std::move(wenn);
        ++gestellt;
    }
    void Abstellen() override { m_wenn = nullptr; }
    bool IsGestellt() const override { return static_cast<bool>(m_wenn); }
    int GetMs() const { return m_nMs; }
    // As if the time had passed: true when it rang.
    bool Klingeln() {
        auto wenn = std::exchange(m_wenn, nullptr);
        if (wenn) wenn();
        return static_cast<bool>(wenn);
    }
    int gestellt = 0;

private:
    std::function<void()> m_wenn;
    int m_nMs = 0;
};
