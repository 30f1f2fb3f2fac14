#pragma once

#include <QTimer>
#include <functional>

#include "IWecker.h"

// The editor's timer on the screen's event loop (a single-shot QTimer).
class CQtWecker : public IWecker {
public:
    CQtWecker();
    void Stellen(int ms, std::function<void()> wenn) override;
    void Abstellen() override { m_timer.stop(); }
    bool IsGestellt() const override { return m_timer.isActive(); }

private:
    QTimer m_timer;
    std::function<void()> m_wenn;
};
