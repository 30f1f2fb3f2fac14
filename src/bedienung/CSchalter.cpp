#include "CSchalter.h"

bool CSchalter::Runter(int schalter, long long jetzt) {
    CZustand& z = m_schalter[schalter];
    if (z.unten) return false;  // held: the keyboard's repeat
    z.unten = true;
    if (z.gezaehlt && jetzt - z.zuletzt < m_nEntprellMs) return false;
    z.gezaehlt = true;
    z.zuletzt = jetzt;
    return true;
}

void CSchalter::Hoch(int schalter) { m_schalter[schalter].unten = false; }
