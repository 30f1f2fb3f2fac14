#include "CSatzglieder.h"

#include "CWortelement.h"

namespace {

std::string OhneLeerzeichen(const std::string& s) {
    const std::size_t ende = s.find_last_not_of(' ');
    return ende == std::string::npos ? std::string() : s.substr(0, ende + 1);
}

}  // namespace

bool CSatzglieder::Taste(int code) {
    using A = CNomenphrase::Artikel;
    switch (code) {
        case kBestimmt:
            m_wahl.artikel = m_wahl.artikel == A::Bestimmt ? A::Keiner : A::Bestimmt;
            return true;
        case kUnbestimmt:
            m_wahl.artikel = m_wahl.artikel == A::Unbestimmt ? A::Keiner : A::Unbestimmt;
            return true;
        case kMehrere:
            m_wahl.mehrzahl = !m_wahl.mehrzahl;
            return true;
        case kFall:
            if (!m_wahl.fall) {
                m_wahl.fall = CNomen::Fall::Dativ;
            } else if (*m_wahl.fall == CNomen::Fall::Dativ) {
                m_wahl.fall = CNomen::Fall::Akkusativ;
            } else {
                m_wahl.fall.reset();
            }
            return true;
        default:
            return false;
    }
}

bool CSatzglieder::IsGedrueckt(int code) const {
    switch (code) {
        case kBestimmt:
            return m_wahl.artikel == CNomenphrase::Artikel::Bestimmt;
        case kUnbestimmt:
            return m_wahl.artikel == CNomenphrase::Artikel::Unbestimmt;
        case kMehrere:
            return m_wahl.mehrzahl;
        case kFall:
            return m_wahl.fall.has_value();
        default:
            return false;
    }
}

void CSatzglieder::Merken(const std::vector<std::string>& gezeigt, CNomenphrase::CWort::Art art,
                          const std::string& grundform) {
    if (gezeigt.empty()) return;
    m_eintraege.resize(gezeigt.size() - 1);
    CEintrag e;
    e.eintrag = gezeigt.back();
    e.wort.art = art;
    e.wort.grundform = grundform;
    m_eintraege.push_back(std::move(e));
}

std::vector<CNomenphrase::CWort> CSatzglieder::Woerter(const std::vector<std::string>& gezeigt) const {
    std::vector<CNomenphrase::CWort> woerter;
    for (std::size_t i = 0; i < gezeigt.size(); ++i) {
        CNomenphrase::CWort w;
        if (i < m_eintraege.size() && m_eintraege[i].eintrag == gezeigt[i]) w = m_eintraege[i].wort;
        w.text = OhneLeerzeichen(gezeigt[i]);
        if (!w.text.empty()) woerter.push_back(std::move(w));
    }
    return woerter;
}

bool CSatzglieder::NomenAnhaengen(const CWortelement& element, std::vector<std::string>& gezeigt,
                                  std::vector<std::string>& gesprochen) {
    const CNomen& nomen = element.GetNomen();
    if (element.GetArt() != CWortelement::Wort || !nomen.IstNomen()) return false;
    // Where each word the grammar reads stands in the lists.
    std::vector<std::size_t> stelle;
    for (std::size_t i = 0; i < gezeigt.size(); ++i)
        if (!OhneLeerzeichen(gezeigt[i]).empty()) stelle.push_back(i);
    const std::vector<CNomenphrase::CWort> davor = Woerter(gezeigt);
    const bool gewaehlt = m_wahl.artikel != CNomenphrase::Artikel::Keiner || m_wahl.mehrzahl ||
                          m_wahl.fall.has_value();
    if (!gewaehlt && !CNomenphrase::Bestimmt(davor)) return false;

    const CNomenphrase::CErgebnis r = CNomenphrase::Bilden(davor, nomen, m_wahl, element.GetForm(0));
    CEintrag e;
    if (r.geaendert >= 0) {
        const std::size_t j = stelle[static_cast<std::size_t>(r.geaendert)];
        e.geaendert = static_cast<int>(j);
        e.vorherGezeigt = gezeigt[j];
        e.neuGezeigt = r.neu + " ";
        gezeigt[j] = e.neuGezeigt;
        if (j < gesprochen.size()) {
            e.vorherGesprochen = gesprochen[j];
            // A word with a pronunciation of its own keeps it.
            if (OhneLeerzeichen(gesprochen[j]) == OhneLeerzeichen(e.vorherGezeigt))
                gesprochen[j] = e.neuGezeigt;
            e.neuGesprochen = gesprochen[j];
        }
    }
    std::string gesagt = r.text;
    const std::string& phonetisch = element.GetPhonetisch();
    if (r.nomen == element.GetForm(0) && !phonetisch.empty() && phonetisch != "NULL")
        gesagt = r.text.substr(0, r.text.size() - r.nomen.size()) + phonetisch;
    gezeigt.push_back(r.text + " ");
    gesprochen.push_back(gesagt + " ");

    m_eintraege.resize(gezeigt.size() - 1);
    e.eintrag = gezeigt.back();
    e.wort.art = CNomenphrase::CWort::Nomen;
    e.wort.fall = r.fall;
    m_eintraege.push_back(std::move(e));
    m_wahl = {};
    return true;
}

void CSatzglieder::VorDemLoeschen(std::vector<std::string>& gezeigt,
                                  std::vector<std::string>& gesprochen) {
    std::size_t i = gezeigt.size();
    while (i > 0 && gezeigt[i - 1].empty()) --i;
    if (i == 0 || i > m_eintraege.size()) return;
    const CEintrag& e = m_eintraege[i - 1];
    if (e.eintrag != gezeigt[i - 1] || e.geaendert < 0) return;
    const std::size_t j = static_cast<std::size_t>(e.geaendert);
    if (j < gezeigt.size() && gezeigt[j] == e.neuGezeigt) gezeigt[j] = e.vorherGezeigt;
    if (j < gesprochen.size() && gesprochen[j] == e.neuGesprochen)
        gesprochen[j] = e.vorherGesprochen;
}
