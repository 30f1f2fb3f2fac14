#pragma once

#include "IUhr.h"

// A clock that stands still until a test moves it.
class CTestUhr : public IUhr {
public:
    explicit CTestUhr(double jetzt = 46000.5) : m_dJetzt(jetzt) {}
    double Jetzt() const override { return m_dJetzt; }
    void Stellen(double jetzt) { m_dJetzt = jetzt; }

private:
    double m_dJetzt;
};
