#pragma once

#include <string>
#include <vector>

#include "ISprachEngine.h"

// A speech engine that records what it is handed, into a log the test owns
// (the engine itself belongs to the speech object).
class CAufnahmeEngine : public ISprachEngine {
public:
    struct Aufnahme {
        std::string text;
        int speed;
        int pitch;
    };

    explicit CAufnahmeEngine(std::vector<Aufnahme>& log, int* anhalten = nullptr)
        : m_log(log), m_pAnhalten(anhalten) {}

    bool Sprechen(const std::string& text, int speed, int pitch) override {
        m_log.push_back({text, speed, pitch});
        return true;
    }
    void Anhalten() override {
        if (m_pAnhalten != nullptr) ++*m_pAnhalten;
    }

private:
    std::vector<Aufnahme>& m_log;
    int* m_pAnhalten;
};
