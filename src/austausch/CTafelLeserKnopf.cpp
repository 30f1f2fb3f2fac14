// The board reader: one board. Its buttons in the order the grid gives,
// their texts in German where the board has them, links still open, and
// the pictures the buttons show.

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <set>

#include "CBildDaten.h"
#include "TafelLeserIntern.h"

namespace tafel {

namespace {

std::string Anf(const std::string& s) { return "\u201E" + s + "\u201C"; }

const Json& Feld(const Json& objekt, const char* name) {
    static const Json kNichts;
    if (!objekt.is_object()) return kNichts;
    const auto it = objekt.find(name);
    return it == objekt.end() ? kNichts : *it;
}

// A name a file can be copied under on every system.
std::string Dateiname(const std::string& roh) {
    std::string aus;
    for (const char c : roh) {
        const bool gut = std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '_';
        if (gut) {
            aus += c;
        } else if (!aus.empty() && aus.back() != '_') {
            aus += '_';
        }
        if (aus.size() >= 40) break;
    }
    while (!aus.empty() && aus.back() == '_') aus.pop_back();
    return aus.empty() ? std::string("bild") : aus;
}

std::string Stamm(const std::string& pfad) {
    std::string s = pfad.substr(pfad.find_last_of('/') + 1);
    const std::size_t punkt = s.find_last_of('.');
    if (punkt != std::string::npos && punkt > 0) s.resize(punkt);
    return s;
}

}  // namespace

std::string Text(const Json& wert) {
    if (wert.is_string()) return wert.get<std::string>();
    if (wert.is_number_integer() || wert.is_number_unsigned() || wert.is_number_float()) {
        return wert.dump();
    }
    return {};
}

std::optional<std::string> Id(const Json& wert) {
    if (wert.is_string()) return wert.get<std::string>();
    if (wert.is_number_float()) {
        const double d = wert.get<double>();
        if (std::floor(d) == d && std::fabs(d) < 1e15)
            return std::to_string(static_cast<long long>(d));
        return wert.dump();
    }
    if (wert.is_number()) return wert.dump();
    return std::nullopt;
}

void Arbeit::BilderSammeln() {
    for (std::size_t t = 0; t < roh.size(); ++t) {
        const Json& bilder = Feld(roh[t].json, "images");
        if (!bilder.is_array()) continue;
        for (const Json& b : bilder) {
            const std::optional<std::string> id = Id(Feld(b, "id"));
            if (id) m_alleBilder.emplace(*id, std::make_pair(static_cast<int>(t), &b));
        }
    }
}

int Arbeit::BildHolen(int tafel, const std::string& id) {
    const auto schon = m_bildCache.find({tafel, id});
    if (schon != m_bildCache.end()) return schon->second;
    // The button's own board first, then the package, then the manifest.
    const Json* bild = nullptr;
    const Json& eigene = Feld(roh[static_cast<std::size_t>(tafel)].json, "images");
    if (eigene.is_array()) {
        for (const Json& b : eigene) {
            if (Id(Feld(b, "id")) == id) {
                bild = &b;
                break;
            }
        }
    }
    if (bild == nullptr) {
        const auto it = m_alleBilder.find(id);
        if (it != m_alleBilder.end()) bild = it->second.second;
    }
    const auto manifest = manifestBilder.find(id);
    const std::string manifestPfad = manifest != manifestBilder.end() ? manifest->second : "";
    const int nummer = BildAusQuelle(bild, id, manifestPfad, id);
    m_bildCache[{tafel, id}] = nummer;
    return nummer;
}

int Arbeit::BildAusQuelle(const Json* bild, const std::string& id, const std::string& manifestPfad,
                          const std::string& name) {
    const Json& b = bild != nullptr ? *bild : Json();
    std::string daten;
    bool gefunden = false, gezaehlt = false;
    std::optional<std::string> ausPfad;  // the entry the bytes came from
    std::string stamm = name;
    // data > path > url > symbol: the first that gives bytes wins.
    if (Feld(b, "data").is_string()) {
        std::string fehler;
        std::optional<std::string> d =
            CBildDaten::DataUriLesen(Feld(b, "data").get<std::string>(), fehler);
        if (d) {
            daten = std::move(*d);
            gefunden = true;
        } else {
            ++m_kaputt;
            gezaehlt = true;
        }
    }
    std::string pfad = Text(Feld(b, "path"));
    if (pfad.empty()) pfad = manifestPfad;
    if (!gefunden && !pfad.empty()) {
        const std::optional<std::string> eintrag = CPaketDatei::Normalisieren(pfad);
        if (eintrag) {
            stamm = Stamm(*eintrag);
            const auto schon = m_quellenCache.find(*eintrag);
            if (schon != m_quellenCache.end()) return schon->second;
        }
        std::string fehler;
        if (eintrag && m_datei.IstZip() && m_datei.Hat(*eintrag) &&
            m_datei.Lesen(*eintrag, daten, fehler)) {
            gefunden = true;
            ausPfad = eintrag;
        } else if (!gezaehlt) {
            ++m_fehlt;
            gezaehlt = true;
        }
    }
    if (!gefunden) {
        if (!gezaehlt) {
            if (Feld(b, "url").is_string() || Feld(b, "symbol").is_object() ||
                Feld(b, "symbol").is_string()) {
                ++m_nurImNetz;
            } else {
                ++m_fehlt;
            }
        }
        return -1;
    }
    const CBildDaten::Art art = CBildDaten::Erkennen(daten);
    if (!CBildDaten::Darstellbar(art)) {
        ++m_keinFormat;
        return -1;
    }
    if (!CBildDaten::GroesseErlaubt(daten, art)) {
        ++m_zuGross;
        return -1;
    }
    CTafelPaket::Bild neu;
    neu.daten = std::move(daten);
    neu.art = art;
    neu.name = Dateiname(stamm.empty() ? id : stamm);
    neu.sagwerkPfad = Text(Feld(b, "ext_sagwerk_bild"));
    m_paket.bilder.push_back(std::move(neu));
    const int nummer = static_cast<int>(m_paket.bilder.size()) - 1;
    if (ausPfad) m_quellenCache[*ausPfad] = nummer;
    return nummer;
}

void Arbeit::BildHinweise() {
    std::vector<std::string> h;
    const auto Zahl = [](long n) { return std::to_string(n) + (n == 1 ? " Bild" : " Bilder"); };
    if (m_nurImNetz > 0) {
        h.push_back(Zahl(m_nurImNetz) +
                    " nur als Adresse im Internet oder als Symbolname: Sagwerk lädt nichts "
                    "aus dem Netz.");
    }
    if (m_keinFormat > 0) {
        h.push_back(Zahl(m_keinFormat) +
                    " in einem Format, das Sagwerk nicht zeigt (etwa GIF oder WMF).");
    }
    if (m_zuGross > 0) {
        h.push_back(Zahl(m_zuGross) + " größer als " + std::to_string(CBildDaten::kHoechsteSeite) +
                    " Punkte an einer Seite.");
    }
    if (m_kaputt > 0) {
        h.push_back(Zahl(m_kaputt) + " mit Daten, die keine base64-kodierte data-URI sind.");
    }
    if (m_fehlt > 0)
        h.push_back(Zahl(m_fehlt) + (m_fehlt == 1 ? " fehlt" : " fehlen") + " im Paket.");
    m_z.hinweise.insert(m_z.hinweise.begin(), h.begin(), h.end());
    while (m_z.hinweise.size() > CZusammenfassung::kHoechstensHinweise) {
        m_z.hinweise.pop_back();
        ++m_z.weitereHinweise;
    }
}

void Arbeit::TafelLesen(int nummer) {
    const Roh& r = roh[static_cast<std::size_t>(nummer)];
    const Json& j = r.json;
    CTafelPaket::Tafel& t = m_paket.tafeln[static_cast<std::size_t>(nummer)];
    t.id = r.id;
    t.pfad = r.pfad;
    t.name = Text(Feld(j, "name"));
    if (t.name.empty()) t.name = r.pfad.empty() ? r.id : Stamm(r.pfad);
    if (t.name.empty()) t.name = "Tafel " + std::to_string(nummer + 1);
    const Json& raster = Feld(j, "grid");
    if (Feld(raster, "columns").is_number_integer()) t.spalten = Feld(raster, "columns").get<int>();
    if (Feld(raster, "rows").is_number_integer()) t.zeilen = Feld(raster, "rows").get<int>();

    // The German texts, where the board has them: "de" before "de_AT".
    const Json* deutsch = nullptr;
    if (Feld(j, "strings").is_object()) {
        for (const auto& [locale, texte] : Feld(j, "strings").items()) {
            if (!texte.is_object() || !CTafelLeser::IstDeutsch(locale)) continue;
            if (deutsch == nullptr || locale.size() == 2) deutsch = &texte;
        }
    }
    const auto Deutsch = [deutsch](std::string s) {
        if (deutsch != nullptr && !s.empty()) {
            const auto it = deutsch->find(s);
            if (it != deutsch->end() && it->is_string() && !it->get<std::string>().empty()) {
                return it->get<std::string>();
            }
        }
        return s;
    };

    // Buttons by id; a second button with an id already used is kept
    // unless it is the same button once more.
    std::vector<const Json*> knoepfe;
    std::map<std::string, std::size_t> nachId;
    const Json& alle = Feld(j, "buttons");
    if (alle.is_array()) {
        for (const Json& b : alle) {
            if (!b.is_object()) continue;
            const std::string id = Id(Feld(b, "id")).value_or("");
            const auto schon = nachId.find(id);
            if (schon != nachId.end() && *knoepfe[schon->second] == b) continue;
            if (schon == nachId.end() && !id.empty()) nachId[id] = knoepfe.size();
            knoepfe.push_back(&b);
        }
    }
    std::vector<std::size_t> reihe;
    std::vector<bool> platziert(knoepfe.size(), false);
    const Json& ordnung = Feld(raster, "order");
    if (ordnung.is_array()) {
        for (const Json& zeile : ordnung) {
            if (!zeile.is_array()) continue;
            for (const Json& zelle : zeile) {
                const std::optional<std::string> id = Id(zelle);
                if (!id) continue;
                const auto it = nachId.find(*id);
                if (it == nachId.end() || platziert[it->second]) continue;
                platziert[it->second] = true;
                reihe.push_back(it->second);
            }
        }
    }
    for (std::size_t i = 0; i < knoepfe.size(); ++i) {
        if (!platziert[i]) reihe.push_back(i);
    }

    for (const std::size_t i : reihe) {
        const Json& b = *knoepfe[i];
        CTafelPaket::Knopf k;
        const std::string label = Deutsch(Text(Feld(b, "label")));
        const std::string laut = Deutsch(Text(Feld(b, "vocalization")));
        const std::string art = Text(Feld(b, "ext_sagwerk_art"));
        if (!art.empty()) {
            // Sagwerk's own export: every field as it was.
            k.art = art == "verb" ? CWortelement::Verb
                                  : (art == "link" ? CWortelement::Link : CWortelement::Wort);
            k.anzeige = label;
            k.wort =
                Feld(b, "ext_sagwerk_wort").is_string() ? Text(Feld(b, "ext_sagwerk_wort")) : label;
            k.phonetisch = Text(Feld(b, "ext_sagwerk_phonetisch"));
            const Json& formen = Feld(b, "ext_sagwerk_formen");
            if (formen.is_array()) {
                for (std::size_t f = 0; f < formen.size() && f < k.formen.size(); ++f) {
                    k.formen[f] = Text(formen[f]);
                }
            }
            if (k.art != CWortelement::Verb) k.formen[0] = k.wort;
        } else {
            k.anzeige = label.empty() ? laut : label;
            k.wort = k.anzeige;
            if (!laut.empty() && laut != k.anzeige) k.phonetisch = laut;
            k.formen[0] = k.wort;
        }

        std::vector<std::string> aktionen;
        if (Feld(b, "action").is_string()) aktionen.push_back(Feld(b, "action").get<std::string>());
        if (Feld(b, "actions").is_array()) {
            for (const Json& a : Feld(b, "actions")) {
                if (a.is_string()) aktionen.push_back(a.get<std::string>());
            }
        }
        std::string unbekannt;
        for (const std::string& a : aktionen) {
            if (a == ":home") {
                // The one action Sagwerk has a button for: back to the start page.
                k.art = CWortelement::Link;
                k.ziel = CTafelPaket::kStartseite;
            } else if (unbekannt.empty()) {
                unbekannt = a;
            }
        }
        if (!unbekannt.empty()) {
            ++m_z.aktionenUnbekannt;
            m_z.Hinweis("Der Knopf " + Anf(k.anzeige) + " auf " + Anf(t.name) + " löst " +
                        Anf(unbekannt) + " aus; das kennt Sagwerk nicht, er bleibt ein Wort.");
        }
        if (k.ziel == CTafelPaket::kStartseite) ++m_z.linksAufgeloest;

        const Json& ziel = Feld(b, "load_board");
        const bool link = ziel.is_object() && k.ziel != CTafelPaket::kStartseite;
        if (k.anzeige.empty() && !link && k.ziel != CTafelPaket::kStartseite) continue;
        if (link) {
            OffenerLink l;
            l.tafel = nummer;
            l.knopf = t.knoepfe.size();
            if (Feld(ziel, "path").is_string()) l.pfad = Feld(ziel, "path").get<std::string>();
            l.id = Id(Feld(ziel, "id"));
            l.extern_ = Feld(ziel, "url").is_string() || Feld(ziel, "data_url").is_string();
            l.name = Text(Feld(ziel, "name"));
            links.push_back(std::move(l));
        }
        k.hintergrund = CTafelLeser::FarbeLesen(Text(Feld(b, "background_color")));
        k.rand = CTafelLeser::FarbeLesen(Text(Feld(b, "border_color")));
        if (const std::optional<std::string> bild = Id(Feld(b, "image_id"));
            bild && !bild->empty()) {
            k.bild = BildHolen(nummer, *bild);
            ++(k.bild >= 0 ? m_z.bilder : m_z.bilderFehlen);
        }
        t.knoepfe.push_back(std::move(k));
        ++m_z.knoepfe;
    }
}

}  // namespace tafel

bool CTafelLeser::IstDeutsch(const std::string& locale) {
    std::string l;
    for (const char c : locale) l += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return l == "de" || l.rfind("de-", 0) == 0 || l.rfind("de_", 0) == 0;
}

std::optional<CTafelPaket::Farbe> CTafelLeser::FarbeLesen(const std::string& text) {
    std::string s;
    for (const char c : text) {
        if (!std::isspace(static_cast<unsigned char>(c))) {
            s += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
    }
    const auto Hex = [](char c) -> int {
        if (c >= '0' && c <= '9') return c - '0';
        if (c >= 'a' && c <= 'f') return c - 'a' + 10;
        return -1;
    };
    CTafelPaket::Farbe f;
    if (!s.empty() && s[0] == '#' && (s.size() == 4 || s.size() == 7)) {
        int w[6];
        for (std::size_t i = 1; i < s.size(); ++i) {
            if ((w[i - 1] = Hex(s[i])) < 0) return std::nullopt;
        }
        if (s.size() == 4) {
            f.r = static_cast<std::uint8_t>(w[0] * 17);
            f.g = static_cast<std::uint8_t>(w[1] * 17);
            f.b = static_cast<std::uint8_t>(w[2] * 17);
        } else {
            f.r = static_cast<std::uint8_t>(w[0] * 16 + w[1]);
            f.g = static_cast<std::uint8_t>(w[2] * 16 + w[3]);
            f.b = static_cast<std::uint8_t>(w[4] * 16 + w[5]);
        }
        return f;
    }
    const bool mitAlpha = s.rfind("rgba(", 0) == 0;
    if ((!mitAlpha && s.rfind("rgb(", 0) != 0) || s.back() != ')') return std::nullopt;
    const std::string innen = s.substr(mitAlpha ? 5 : 4, s.size() - (mitAlpha ? 6 : 5));
    std::vector<std::string> teile;
    std::size_t a = 0;
    for (std::size_t e; (e = innen.find(',', a)) != std::string::npos; a = e + 1) {
        teile.push_back(innen.substr(a, e - a));
    }
    teile.push_back(innen.substr(a));
    if (teile.size() != (mitAlpha ? 4u : 3u)) return std::nullopt;
    std::uint8_t* ziel[] = {&f.r, &f.g, &f.b};
    for (std::size_t i = 0; i < 3; ++i) {
        const std::string& t = teile[i];
        if (t.empty() || t.size() > 3 ||
            !std::all_of(t.begin(), t.end(), [](char c) { return c >= '0' && c <= '9'; }))
            return std::nullopt;
        const int w = std::stoi(t);
        if (w > 255) return std::nullopt;
        *ziel[i] = static_cast<std::uint8_t>(w);
    }
    if (mitAlpha) {
        // Not strtod: the program's locale may write a decimal comma.
        double alpha = -1.0;
        const std::string& t = teile[3];
        const auto [ende, ec] = std::from_chars(t.data(), t.data() + t.size(), alpha);
        if (ec != std::errc() || ende != t.data() + t.size() || !(alpha >= 0.0 && alpha <= 1.0)) {
            return std::nullopt;
        }
        f.a = static_cast<std::uint8_t>(std::lround(alpha * 255.0));
    }
    return f;
}
