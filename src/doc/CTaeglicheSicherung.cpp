#include "CTaeglicheSicherung.h"

#include "CSicherung.h"

void CTaeglicheSicherung::Stoppen() {
    m_bAbbrechen = true;
    Warten();
    m_bAbbrechen = false;
}

void CTaeglicheSicherung::Starten(const std::string& benutzerdatei, const std::string& datum,
                                  Fertig fertig) {
    if (IsAktiv()) return;
    Warten();
    m_bFertig = false;
    m_thread = std::thread([this, benutzerdatei, datum, fertig = std::move(fertig)] {
        Ergebnis ergebnis;
        const CSicherung sicherung(benutzerdatei);
        ergebnis.angelegt = sicherung.Anlegen(datum, ergebnis.fehler, &m_bAbbrechen);
        if (!ergebnis.angelegt && !m_bAbbrechen) {
            // The copy holds the file's pages as they are: a copy that fails
            // its check may mean a damaged user file.
            std::string befund;
            ergebnis.dateiBeschaedigt = CSicherung::Pruefen(benutzerdatei, befund, &m_bAbbrechen) ==
                                        CSicherung::Befund::Beschaedigt;
            if (ergebnis.dateiBeschaedigt) ergebnis.fehler = befund;
        }
        m_bFertig = true;
        if (fertig && !m_bAbbrechen) fertig(ergebnis);
    });
}

void CTaeglicheSicherung::Warten() {
    if (m_thread.joinable()) m_thread.join();
}
