#include "CSofortLeser.h"

#include "CDatenbank.h"

void CSofortLeser::Kategorie(CDatenbank& db, long kategorie, bool nurVerben,
                             std::vector<CWortelement>& elemente,
                             std::vector<CWortButton>& buttons) {
    const auto schluessel = std::make_pair(kategorie, nurVerben);
    if (db.LoadWortelementeSofort(kategorie, nurVerben, elemente, buttons) ==
        CDatenbank::Gelesen::Belegt) {
        if (const auto it = m_kategorien.find(schluessel); it != m_kategorien.end()) {
            elemente = it->second.elemente;
            buttons = it->second.buttons;
            return;
        }
        db.LoadWortelemente(kategorie, nurVerben, elemente, buttons);
    }
    m_kategorien[schluessel] = {elemente, buttons};
}

std::optional<std::string> CSofortLeser::Funktionstext(CDatenbank* db, int code) {
    if (db == nullptr) return std::nullopt;
    std::string text;
    switch (db->LoadFunktionstextSofort(code, text)) {
        case CDatenbank::Gelesen::Ja:
            m_texte[code] = text;
            return text;
        case CDatenbank::Gelesen::Fehlt:
            m_texte.erase(code);
            return std::nullopt;
        case CDatenbank::Gelesen::Belegt:
            break;
    }
    const auto it = m_texte.find(code);
    if (it == m_texte.end()) return std::nullopt;
    return it->second;
}

void CSofortLeser::Vergessen() {
    m_kategorien.clear();
    m_texte.clear();
}
