#include "CSofortLeser.h"

#include <algorithm>
#include <chrono>
#include <thread>

#include "CDatenbank.h"
#include "CKategorie.h"

void CSofortLeser::Kategorie(CDatenbank& db, long kategorie, bool nurVerben,
                             std::vector<CWortelement>& elemente,
                             std::vector<CWortButton>& buttons) {
    const auto schluessel = std::make_pair(kategorie, nurVerben);
    CDatenbank::Gelesen gelesen = db.LoadWortelementeSofort(kategorie, nurVerben, elemente, buttons);
    // Never read before: a commit of this program's own (the use counts,
    // the carer's change) holds the file for some milliseconds; a moment is
    // waited, never the seconds another program may hold it.
    for (int versuch = 0; gelesen == CDatenbank::Gelesen::Belegt && versuch < 10 &&
                          m_kategorien.count(schluessel) == 0;
         ++versuch) {
        std::this_thread::sleep_for(std::chrono::milliseconds(25));
        elemente.clear();
        buttons.clear();
        gelesen = db.LoadWortelementeSofort(kategorie, nurVerben, elemente, buttons);
    }
    if (gelesen == CDatenbank::Gelesen::Belegt) {
        auto it = m_kategorien.find(schluessel);
        // The list of all verbs is the same whichever category it was read in.
        if (it == m_kategorien.end() && nurVerben)
            it = std::find_if(m_kategorien.begin(), m_kategorien.end(),
                              [](const auto& k) { return k.first.second; });
        elemente.clear();
        buttons.clear();
        if (it != m_kategorien.end()) {
            elemente = it->second.elemente;
            buttons = it->second.buttons;
        }
        // Never read and another program holds the file: shown empty for
        // now rather than a frozen screen and a box.
        return;
    }
    m_kategorien[schluessel] = {elemente, buttons};
}

void CSofortLeser::Vorlesen(CDatenbank& db) {
    std::vector<long> kategorien;
    CKategorie k;
    for (bool da = db.FirstKategorie(k); da; da = db.NextKategorie(k))
        kategorien.push_back(k.GetIndex());
    std::vector<CWortelement> elemente;
    std::vector<CWortButton> buttons;
    for (long kategorie : kategorien) {
        Kategorie(db, kategorie, false, elemente, buttons);
        elemente.clear();
        buttons.clear();
    }
    Kategorie(db, 1, true, elemente, buttons);
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
