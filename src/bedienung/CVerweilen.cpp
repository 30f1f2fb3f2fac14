#include "CVerweilen.h"

#include <algorithm>

void CVerweilen::Bewegt(int ziel, long long jetzt) {
    if (ziel == m_nZiel && !m_bRuhen) return;
    m_nZiel = ziel;
    m_nSeit = jetzt;
    m_bGedrueckt = m_bRuhen;
    m_bRuhen = false;
}

void CVerweilen::Ruhen() {
    m_nZiel = -1;
    m_bRuhen = true;
}

int CVerweilen::Takt(long long jetzt) {
    if (m_nZiel < 0 || m_bGedrueckt || jetzt - m_nSeit < m_nVerweilMs) return -1;
    m_bGedrueckt = true;
    return m_nZiel;
}

double CVerweilen::Fortschritt(long long jetzt) const {
    if (m_nZiel < 0 || m_bGedrueckt || m_nVerweilMs <= 0) return 0.0;
    return std::clamp(static_cast<double>(jetzt - m_nSeit) / m_nVerweilMs, 0.0, 1.0);
}

long long CVerweilen::Faellig() const {
    if (m_nZiel < 0 || m_bGedrueckt) return -1;
    return m_nSeit + m_nVerweilMs;
}
