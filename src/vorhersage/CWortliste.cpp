#include "CWortliste.h"

#include <algorithm>
#include <fstream>
#include <sstream>

#include "Schluessel.h"

namespace {

constexpr std::string_view kKopf = "# Sagwerk-Wortliste 1";
// Longer forms are no words a person types (and their lengths fit a byte).
constexpr std::size_t kLaengste = 80;

}  // namespace

CWortliste::CForm CWortliste::Form(const CEintrag& e) const {
    const std::string_view t(m_text);
    return {t.substr(e.anfang, e.schreibung), t.substr(e.anfang + e.schreibung, e.schluessel),
            e.rang};
}

std::string_view CWortliste::Locker(const CEintrag& e) const {
    return std::string_view(m_text).substr(e.anfang + e.schreibung + e.schluessel, e.locker);
}

bool CWortliste::Laden(const std::string& datei, std::string& fehler) {
    m_text.clear();
    m_formen.clear();
    m_nachRang.clear();
    std::ifstream ein(datei, std::ios::binary);
    if (!ein) {
        fehler = "Die Wortliste \u201E" + datei +
                 "\u201C fehlt oder kann nicht gelesen werden; die Wortvorhersage ist aus.";
        return false;
    }
    std::string text;
    text.assign(std::istreambuf_iterator<char>(ein), std::istreambuf_iterator<char>());

    std::string inhalt;
    std::vector<CEintrag> formen;
    std::vector<std::uint32_t> nachRang;
    std::size_t zeilennummer = 0;
    auto Schaden = [&](const std::string& was) {
        fehler = "Die Wortliste \u201E" + datei + "\u201C ist beschädigt (Zeile " +
                 std::to_string(zeilennummer) + ": " + was + "); die Wortvorhersage ist aus.";
        return false;
    };
    auto Aufnehmen = [&](const std::string& form, std::uint32_t rang) {
        const std::string s = schluessel::Wort(form);
        const std::string l = schluessel::Locker(form);
        if (form.size() > kLaengste || s.size() > 255 || l.size() > 255 || s.empty()) return false;
        formen.push_back(
            {static_cast<std::uint32_t>(inhalt.size()), static_cast<std::uint8_t>(form.size()),
             static_cast<std::uint8_t>(s.size()), static_cast<std::uint8_t>(l.size()), rang});
        inhalt += form;
        inhalt += s;
        inhalt += l;
        return true;
    };

    enum class Teil { Kopf, Rang, Rest, Ende } teil = Teil::Kopf;
    std::string vorher;
    std::size_t pos = 0;
    std::uint32_t rang = 0;
    while (pos < text.size() && teil != Teil::Ende) {
        const std::size_t nl = text.find('\n', pos);
        if (nl == std::string::npos) break;  // the last line ends with its line end
        const std::string_view zeile(text.data() + pos, nl - pos);
        pos = nl + 1;
        ++zeilennummer;
        if (zeilennummer == 1) {
            if (zeile != kKopf) {
                fehler = "\u201E" + datei +
                         "\u201C ist keine Wortliste von Sagwerk; die "
                         "Wortvorhersage ist aus.";
                return false;
            }
            continue;
        }
        if (zeile.empty()) return Schaden("leer");
        if (zeile[0] == '#' && teil == Teil::Kopf) continue;
        if (zeile == "=rang" && teil == Teil::Kopf) {
            teil = Teil::Rang;
        } else if (zeile == "=rest" && teil == Teil::Rang) {
            teil = Teil::Rest;
        } else if (zeile.rfind("=ende ", 0) == 0 && teil == Teil::Rest) {
            if (zeile.substr(6) != std::to_string(formen.size()))
                return Schaden("die Zahl der Formen stimmt nicht");
            teil = Teil::Ende;
        } else if (teil == Teil::Rang) {
            nachRang.push_back(static_cast<std::uint32_t>(formen.size()));
            if (!Aufnehmen(std::string(zeile), ++rang)) return Schaden("keine Form");
        } else if (teil == Teil::Rest) {
            const char ziffer = zeile[0];
            const std::size_t teilt = static_cast<std::size_t>(ziffer - '0');
            if (ziffer < '0' || ziffer > '9' || teilt > vorher.size()) return Schaden("keine Form");
            vorher.resize(teilt);
            vorher.append(zeile.substr(1));
            if (!Aufnehmen(vorher, kOhneRang)) return Schaden("keine Form");
        } else {
            return Schaden("unerwartet");
        }
    }
    if (teil != Teil::Ende) return Schaden("die Datei endet zu früh");

    // Ranked forms first, the rest in file order: one stable sort by the key
    // puts them in order (the rest is in order already, which it checks).
    m_text = std::move(inhalt);
    std::vector<std::uint32_t> reihe(formen.size());
    for (std::uint32_t i = 0; i < reihe.size(); ++i) reihe[i] = i;
    const auto Vor = [&](std::uint32_t a, std::uint32_t b) {
        const auto la = Locker(formen[a]), lb = Locker(formen[b]);
        if (la != lb) return la < lb;
        return Form(formen[a]).schluessel < Form(formen[b]).schluessel;
    };
    const auto ersterRest = rang;
    if (!std::is_sorted(reihe.begin() + ersterRest, reihe.end(), Vor)) {
        m_text.clear();
        zeilennummer = 0;
        return Schaden("die Formen stehen nicht in ihrer Ordnung");
    }
    std::sort(reihe.begin(), reihe.begin() + ersterRest, Vor);
    std::inplace_merge(reihe.begin(), reihe.begin() + ersterRest, reihe.end(), Vor);
    std::vector<std::uint32_t> neu(formen.size());
    m_formen.reserve(formen.size());
    for (std::uint32_t i = 0; i < reihe.size(); ++i) {
        neu[reihe[i]] = i;
        m_formen.push_back(formen[reihe[i]]);
    }
    m_nachRang.reserve(nachRang.size());
    for (std::uint32_t n : nachRang) m_nachRang.push_back(neu[n]);
    return true;
}

std::optional<CWortliste::CForm> CWortliste::Finden(std::string_view schluessel) const {
    const std::string l = schluessel::Locker(schluessel);
    auto it =
        std::lower_bound(m_formen.begin(), m_formen.end(), std::string_view(l),
                         [&](const CEintrag& e, std::string_view k) { return Locker(e) < k; });
    for (; it != m_formen.end() && Locker(*it) == l; ++it) {
        const CForm f = Form(*it);
        if (f.schluessel == schluessel) return f;
    }
    return std::nullopt;
}

void CWortliste::Vervollstaendigen(std::string_view praefix, std::size_t anzahl,
                                   std::vector<CForm>& formen) const {
    if (anzahl == 0 || m_formen.empty()) return;
    const std::size_t vorher = formen.size();
    for (std::uint32_t n : m_nachRang) {
        const CForm f = Form(m_formen[n]);
        if (!schluessel::BeginntMit(f.schluessel, praefix)) continue;
        formen.push_back(f);
        if (formen.size() - vorher == anzahl) return;
    }
    if (praefix.empty()) return;
    // Forms without a rank: among the first of the range, the shortest. The
    // range of a short prefix is long; looking further finds no better word.
    constexpr std::size_t kHoechstens = 512;
    const std::string l = schluessel::Locker(praefix);
    auto it =
        std::lower_bound(m_formen.begin(), m_formen.end(), std::string_view(l),
                         [&](const CEintrag& e, std::string_view k) { return Locker(e) < k; });
    std::vector<CForm> ohneRang;
    for (std::size_t gesehen = 0; it != m_formen.end() && gesehen < kHoechstens; ++it, ++gesehen) {
        if (Locker(*it).substr(0, l.size()) != l) break;
        const CForm f = Form(*it);
        if (f.rang == kOhneRang && schluessel::BeginntMit(f.schluessel, praefix))
            ohneRang.push_back(f);
    }
    std::stable_sort(ohneRang.begin(), ohneRang.end(), [](const CForm& a, const CForm& b) {
        return a.schreibung.size() < b.schreibung.size();
    });
    for (const CForm& f : ohneRang) {
        if (formen.size() - vorher == anzahl) return;
        formen.push_back(f);
    }
}

std::size_t CWortliste::Speicherbedarf() const {
    return m_text.capacity() + m_formen.capacity() * sizeof(CEintrag) +
           m_nachRang.capacity() * sizeof(std::uint32_t);
}

bool CWortliste::SaetzeLesen(const std::string& datei, std::vector<std::string>& saetze,
                             std::string& fehler) {
    saetze.clear();
    std::ifstream ein(datei, std::ios::binary);
    if (!ein) {
        fehler = "Die Grundsätze der Wortvorhersage \u201E" + datei + "\u201C fehlen.";
        return false;
    }
    std::size_t zeilennummer = 0;
    for (std::string zeile; std::getline(ein, zeile);) {
        ++zeilennummer;
        if (const auto k = zeile.find('#'); k != std::string::npos) zeile.erase(k);
        if (const auto strich = zeile.find('|'); strich != std::string::npos)
            zeile.erase(0, strich + 1);
        const auto anfang = zeile.find_first_not_of(" \t\r");
        if (anfang == std::string::npos) continue;
        zeile = zeile.substr(anfang, zeile.find_last_not_of(" \t\r") + 1 - anfang);
        if (zeile.size() > 400 || zeile.find('\0') != std::string::npos) {
            saetze.clear();
            fehler = "Die Grundsätze der Wortvorhersage \u201E" + datei +
                     "\u201C sind beschädigt (Zeile " + std::to_string(zeilennummer) + ").";
            return false;
        }
        saetze.push_back(zeile + " ");
    }
    return true;
}
