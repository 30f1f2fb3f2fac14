#include "CSchalter.h"

#include <algorithm>

void CSchalter::Pruefen(int schalter, CZustand& z, long long jetzt,
                        std::vector<CMeldung>& meldungen) {
    if (z.unten && !z.gezaehlt && !z.gesperrt && jetzt - z.seit >= m_nAnnahmeMs) {
        z.gezaehlt = true;
        meldungen.push_back({schalter, Art::Gedrueckt});
    }
    if (!z.unten && z.schwebt && jetzt - z.oben >= kWiederholungMs) {
        z.schwebt = false;
        if (z.gezaehlt) meldungen.push_back({schalter, Art::Losgelassen});
        z.gezaehlt = false;
    }
}

std::vector<CSchalter::CMeldung> CSchalter::Runter(int schalter, long long jetzt) {
    std::vector<CMeldung> meldungen;
    CZustand& z = m_schalter[schalter];
    if (z.unten) return meldungen;  // a repeat without its release
    if (z.schwebt && jetzt - z.oben < kWiederholungMs) {
        // The key repeat: the press goes on as it was.
        z.unten = true;
        z.schwebt = false;
        return meldungen;
    }
    Pruefen(schalter, z, jetzt, meldungen);  // the release before this press
    z.unten = true;
    z.seit = jetzt;
    z.gezaehlt = false;
    z.gesperrt = z.war && jetzt - z.oben < m_nEntprellMs;
    Pruefen(schalter, z, jetzt, meldungen);
    return meldungen;
}

void CSchalter::Hoch(int schalter, long long jetzt) {
    CZustand& z = m_schalter[schalter];
    if (!z.unten) return;
    z.unten = false;
    z.schwebt = true;
    z.war = true;
    z.oben = jetzt;
}

std::vector<CSchalter::CMeldung> CSchalter::Takt(long long jetzt) {
    std::vector<CMeldung> meldungen;
    for (auto& [schalter, z] : m_schalter) Pruefen(schalter, z, jetzt, meldungen);
    return meldungen;
}

long long CSchalter::Faellig() const {
    long long faellig = -1;
    const auto frueher = [&](long long t) { faellig = faellig < 0 ? t : std::min(faellig, t); };
    for (const auto& [schalter, z] : m_schalter) {
        if (z.unten && !z.gezaehlt && !z.gesperrt) frueher(z.seit + m_nAnnahmeMs);
        if (!z.unten && z.schwebt) frueher(z.oben + kWiederholungMs);
    }
    return faellig;
}

void CSchalter::Vergessen() {
    for (auto& [schalter, z] : m_schalter) {
        // Held now: it stays down without counting until it is let go.
        z.gezaehlt = false;
        z.gesperrt = z.unten;
        z.schwebt = false;
    }
}
