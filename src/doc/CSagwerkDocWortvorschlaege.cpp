// The document's rows of words offered: the keyboard's completions and next
// words, and the grid's row "Wortvorschläge".

#include <algorithm>

#include "CSagwerkDoc.h"
#include "CWortelement.h"

// --- word prediction -----------------------------------------------------------

void CSagwerkDoc::VorhersageNeu() {
    // A better model has arrived: the rows shown may change.
    if (m_bUserOpen && m_bedienung.wortvorhersage) UpdateAllViews();
}

void CSagwerkDoc::WaitForPrediction() { m_vorhersage.Warten(); }

const std::vector<std::string>& CSagwerkDoc::GetWortvorschlaege() {
    const std::string satz = GetSentence();
    if (!m_bedienung.wortvorhersage) {
        m_wortvorschlaege.clear();
    } else if (satz != m_strWortvorschlaegeFuer ||
               m_vorhersage.GetStand() != m_nWortvorschlaegeStand || m_nWortvorschlaegeStand == 0) {
        m_wortvorschlaege = m_vorhersage.Woerter(satz);
        m_strWortvorschlaegeFuer = satz;
        m_nWortvorschlaegeStand = m_vorhersage.GetStand();
    }
    return m_wortvorschlaege;
}

void CSagwerkDoc::WortvorschlagGewaehlt(std::size_t i) {
    const std::vector<std::string> angebot = GetWortvorschlaege();
    if (i >= angebot.size()) return;
    const std::string wort = angebot[i] + " ";
    // The letters typed of the word are the last entry that has no blank.
    for (std::vector<std::string>* liste : {&m_shownWords, &m_spokenWords}) {
        if (!liste->empty() && (liste->back().empty() || liste->back().back() != ' ')) {
            liste->back() = wort;
        } else {
            liste->push_back(wort);
        }
        // Typing goes on in a word of its own, as after the blank key.
        if (m_bKeyboard) liste->emplace_back();
    }
    RefreshSuggestions();
    UpdateAllViews();
}

void CSagwerkDoc::SetSichtbar(std::vector<long> elemente) {
    std::sort(elemente.begin(), elemente.end());
    if (elemente == m_sichtbar) return;
    m_sichtbar = std::move(elemente);
    m_nRastervorschlaegeStand = 0;  // worked out anew
}

const std::vector<CSagwerkDoc::CRasterVorschlag>& CSagwerkDoc::GetRasterVorschlaege() {
    const std::string fuer = GetSentence() + '\n' + std::to_string(Verbform());
    if (!m_bedienung.wortvorhersage) {
        m_rastervorschlaege.clear();
    } else if (fuer != m_strRastervorschlaegeFuer ||
               m_vorhersage.GetStand() != m_nRastervorschlaegeStand ||
               m_nRastervorschlaegeStand == 0) {
        m_rastervorschlaege.clear();
        for (const auto& v : m_vorhersage.Elemente(GetSentence(), Verbform(), m_sichtbar)) {
            const CWortelement* e = m_vorhersage.Element(v.element);
            // A verb shows the form its click adds ("möchte" after "ich").
            const bool verb = e != nullptr && e->GetArt() == CWortelement::Verb;
            m_rastervorschlaege.push_back(
                {v.element, verb ? v.wort : v.anzeige, e ? e->GetBild() : std::string()});
        }
        m_strRastervorschlaegeFuer = fuer;
        m_nRastervorschlaegeStand = m_vorhersage.GetStand();
    }
    return m_rastervorschlaege;
}

void CSagwerkDoc::RasterVorschlagGewaehlt(std::size_t i) {
    const std::vector<CRasterVorschlag> angebot = GetRasterVorschlaege();
    if (i >= angebot.size()) return;
    const long index = angebot[i].element;
    // As read with the category when it is shown, else with the vocabulary.
    const CWortelement* vorher = m_vorhersage.Element(index);
    for (std::size_t p = 0; p < m_elements.size(); ++p)
        if (m_elements[p]->GetIndex() == index) vorher = &m_vollstaendig[p];
    CWortelement element;
    if (ElementLesen(index, vorher, element) && element.GetArt() != CWortelement::Link) {
        ElementAnhaengen(element);
    }
    RefreshSuggestions();
    UpdateAllViews();
}
