#include "CQtWecker.h"

CQtWecker::CQtWecker() {
    m_timer.setSingleShot(true);
    QObject::connect(&m_timer, &QTimer::timeout, [this] {
        if (m_wenn) m_wenn();
    });
}

void CQtWecker::Stellen(int ms, std::function<void()> wenn) {
    m_wenn = std::move(wenn);
    m_timer.start(ms);
}
