#include "CVorschlaege.h"

#include <algorithm>

#include "CDatenbank.h"
#include "CSpeicherung.h"
#include "Utf8.h"

namespace {

CDatenbank* Offen(CSpeicherung& speicherung) {
    CDatenbank* db = speicherung.GetDatabase();
    return db != nullptr && db->IsOpen() ? db : nullptr;
}

}  // namespace

void CVorschlaege::Leeren() {
    m_bMehr = false;
    m_bDavor = false;
    m_schluessel.clear();
    m_nAuswahl = -1;
    m_gezeigt.clear();
    m_gesprochen.clear();
}

void CVorschlaege::Auffrischen(const std::string& satz) {
    // The list is a prediction now, never a page of all sentences: moving
    // past its end must not bring in sentences the user did not choose.
    Leeren();
    // The prediction with the empty text lists every sentence; an
    // unfinished empty word in keyboard mode must not ask for that.
    if (satz.empty()) return;
    if (CDatenbank* db = Offen(m_speicherung)) db->SuggestSentences(m_gezeigt, m_gesprochen, satz);
    MitWartenden(satz);
}

void CVorschlaege::AlleZeigen() {
    Leeren();
    m_strNach.clear();
    m_bMehr = true;
    MehrHolen();
    // Selecting the first of no sentences would point past the list.
    m_nAuswahl = m_gezeigt.empty() ? -1 : 0;
}

void CVorschlaege::MitWartenden(const std::string& satz) {
    if (!m_speicherung.HatWartende()) return;
    std::vector<std::string> woerter = CDatenbank::Woerter(satz);
    if (woerter.size() > CDatenbank::kHoechstensWoerter) {
        woerter.resize(CDatenbank::kHoechstensWoerter);
    }
    const auto gemeinsam = [&](const std::string& kandidat) {
        std::size_t n = 0;
        for (const std::string& w : CDatenbank::Woerter(kandidat)) {
            n += static_cast<std::size_t>(std::count(woerter.begin(), woerter.end(), w));
        }
        return n;
    };
    struct Kandidat {
        std::size_t gemeinsam;
        bool wartend;
        std::string satz;
        std::string psatz;
    };
    std::vector<Kandidat> liste;
    std::vector<std::string> gefaltet;  // each sentence once
    for (std::size_t i = 0; i < m_gezeigt.size(); ++i) {
        liste.push_back({gemeinsam(m_gezeigt[i]), false, m_gezeigt[i], m_gesprochen[i]});
        gefaltet.push_back(utf8::Falten(m_gezeigt[i]));
    }
    // Newest first: of equally good sentences the one said last leads.
    const auto& wartende = m_speicherung.GetWartende();
    for (auto it = wartende.rbegin(); it != wartende.rend(); ++it) {
        const std::size_t n = gemeinsam(it->first);
        const std::string f = utf8::Falten(it->first);
        if (n == 0 || std::find(gefaltet.begin(), gefaltet.end(), f) != gefaltet.end()) continue;
        gefaltet.push_back(f);
        liste.push_back({n, true, it->first, it->second});
    }
    std::stable_sort(liste.begin(), liste.end(), [](const Kandidat& a, const Kandidat& b) {
        if (a.gemeinsam != b.gemeinsam) return a.gemeinsam > b.gemeinsam;
        return a.wartend && !b.wartend;
    });
    if (liste.size() > kVorschlaege) liste.resize(kVorschlaege);
    m_gezeigt.clear();
    m_gesprochen.clear();
    for (Kandidat& k : liste) {
        m_gezeigt.push_back(std::move(k.satz));
        m_gesprochen.push_back(std::move(k.psatz));
    }
}

bool CVorschlaege::MehrHolen() {
    if (!m_bMehr) return false;
    std::vector<CDatenbank::Satz> seite;
    CDatenbank* db = Offen(m_speicherung);
    if (db == nullptr || !db->ListSentences(m_strNach, kSeite, seite)) {
        m_bMehr = false;
        return false;
    }
    m_bMehr = seite.size() == kSeite;
    if (seite.empty()) return false;
    m_strNach = seite.back().schluessel;
    for (auto& s : seite) {
        m_gezeigt.push_back(std::move(s.satz));
        m_gesprochen.push_back(std::move(s.psatz));
        m_schluessel.push_back(std::move(s.schluessel));
    }
    // The list keeps a window of pages: what lies far above goes.
    if (m_gezeigt.size() > kFenster) {
        Kuerzen(m_gezeigt.size() - kFenster, true);
        m_bDavor = true;
    }
    return true;
}

bool CVorschlaege::DavorHolen() {
    if (!m_bDavor) return false;
    std::vector<CDatenbank::Satz> seite;
    CDatenbank* db = Offen(m_speicherung);
    if (m_schluessel.empty() || db == nullptr ||
        !db->ListSentencesBefore(m_schluessel.front(), kSeite, seite)) {
        m_bDavor = false;
        return false;
    }
    m_bDavor = seite.size() == kSeite;
    if (seite.empty()) return false;
    const auto n = static_cast<std::ptrdiff_t>(seite.size());
    m_gezeigt.insert(m_gezeigt.begin(), n, {});
    m_gesprochen.insert(m_gesprochen.begin(), n, {});
    m_schluessel.insert(m_schluessel.begin(), n, {});
    for (std::size_t i = 0; i < seite.size(); ++i) {
        m_gezeigt[i] = std::move(seite[i].satz);
        m_gesprochen[i] = std::move(seite[i].psatz);
        m_schluessel[i] = std::move(seite[i].schluessel);
    }
    m_nAnfang -= n;
    if (m_nAuswahl >= 0) m_nAuswahl += static_cast<int>(n);
    // What lies far below goes, and is fetched again when scrolled to.
    if (m_gezeigt.size() > kFenster) {
        Kuerzen(m_gezeigt.size() - kFenster, false);
        m_bMehr = true;
        m_strNach = m_schluessel.back();
    }
    return true;
}

void CVorschlaege::Kuerzen(std::size_t n, bool vorne) {
    const auto weg = [&](std::vector<std::string>& v) {
        if (vorne) {
            v.erase(v.begin(), v.begin() + static_cast<std::ptrdiff_t>(n));
        } else {
            v.resize(v.size() - n);
        }
    };
    weg(m_gezeigt);
    weg(m_gesprochen);
    weg(m_schluessel);
    if (vorne) {
        m_nAnfang += static_cast<long long>(n);
        m_nAuswahl -= static_cast<int>(n);
    }
    // A selected sentence that left the window is no longer selected.
    if (m_nAuswahl < 0 || m_nAuswahl >= static_cast<int>(m_gezeigt.size())) m_nAuswahl = -1;
}

void CVorschlaege::Naechster() {
    if (m_nAuswahl + 1 >= static_cast<int>(m_gezeigt.size())) MehrHolen();
    const int anzahl = static_cast<int>(m_gezeigt.size());
    m_nAuswahl = anzahl == 0 ? -1 : std::min(m_nAuswahl + 1, anzahl - 1);
}

void CVorschlaege::Voriger() {
    if (m_nAuswahl == 0) DavorHolen();
    m_nAuswahl = std::max(m_nAuswahl - 1, -1);
}
