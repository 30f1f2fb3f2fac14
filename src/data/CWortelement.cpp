#include "CWortelement.h"

#include "Konvertierung.h"

namespace {
constexpr const char* kSpalten[CWortelement::kFormen] = {
    "Geg1PersE", "Geg2PersE", "Geg3PersE", "Geg1PersM", "Geg2PersM", "Geg3PersM",
    "Zuk1PersE", "Zuk2PersE", "Zuk3PersE", "Zuk1PersM", "Zuk2PersM", "Zuk3PersM",
    "Ver1PersE", "Ver2PersE", "Ver3PersE", "Ver1PersM", "Ver2PersM", "Ver3PersM",
};
}  // namespace

CWortelement::CWortelement(Formen formen, long position, long kategorie, std::string bild,
                           std::string anzeige, long art, std::string phonetisch)
    : m_formen(std::move(formen)),
      m_nPosition(position),
      m_nKategorie(kategorie),
      m_strBild(std::move(bild)),
      m_strAnzeigetext(std::move(anzeige)),
      m_nArt(art),
      m_strPhonetisch(std::move(phonetisch)) {}

const char* CWortelement::SpaltenName(int slot) { return kSpalten[slot]; }

void CWortelement::GetFormen(Zeit zeit, Zahl zahl, std::string& p1, std::string& p2,
                             std::string& p3) const {
    const int s = Slot(zeit, zahl, 1);
    p1 = m_formen[s];
    p2 = m_formen[s + 1];
    p3 = m_formen[s + 2];
}

void CWortelement::SetFormen(Zeit zeit, Zahl zahl, const std::string& p1, const std::string& p2,
                             const std::string& p3) {
    const int s = Slot(zeit, zahl, 1);
    m_formen[s] = p1;
    m_formen[s + 1] = p2;
    m_formen[s + 2] = p3;
}

std::pair<bool, long> CWortelement::GetLinkTarget() const {
    if (m_nArt != Link) return {false, 0};
    return {true, ParseDecimal(m_formen[0])};
}
