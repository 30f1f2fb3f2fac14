// The board reader: the package. Which files are boards, which one is the
// entry point, and where each link leads.

#include "CTafelLeser.h"

#include <algorithm>
#include <filesystem>
#include <set>

#include "TafelLeserIntern.h"

namespace tafel {

namespace {

std::string Anf(const std::string& s) { return "\u201E" + s + "\u201C"; }

// The position of the first byte that is not part of valid UTF-8, or npos.
std::size_t Utf8Fehler(const std::string& s) {
    const auto* p = reinterpret_cast<const unsigned char*>(s.data());
    const std::size_t n = s.size();
    for (std::size_t i = 0; i < n;) {
        const unsigned char c = p[i];
        if (c < 0x80) {
            ++i;
            continue;
        }
        std::size_t laenge = 0;
        char32_t wert = 0, mindestens = 0;
        if ((c & 0xE0) == 0xC0) {
            laenge = 2, wert = c & 0x1F, mindestens = 0x80;
        } else if ((c & 0xF0) == 0xE0) {
            laenge = 3, wert = c & 0x0F, mindestens = 0x800;
        } else if ((c & 0xF8) == 0xF0) {
            laenge = 4, wert = c & 0x07, mindestens = 0x10000;
        } else {
            return i;
        }
        if (i + laenge > n) return i;
        for (std::size_t k = 1; k < laenge; ++k) {
            if ((p[i + k] & 0xC0) != 0x80) return i;
            wert = (wert << 6) | (p[i + k] & 0x3F);
        }
        if (wert < mindestens || wert > 0x10FFFF || (wert >= 0xD800 && wert <= 0xDFFF)) return i;
        i += laenge;
    }
    return std::string::npos;
}

// Deeper nesting is refused before the parser sees it.
bool ZuTief(const std::string& s) {
    int tiefe = 0;
    bool imText = false;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const char c = s[i];
        if (imText) {
            if (c == '\\') {
                ++i;
            } else if (c == '"') {
                imText = false;
            }
        } else if (c == '"') {
            imText = true;
        } else if (c == '[' || c == '{') {
            if (++tiefe > CTafelLeser::kHoechsteTiefe) return true;
        } else if (c == ']' || c == '}') {
            --tiefe;
        }
    }
    return false;
}

bool EndetAufObf(const std::string& name) {
    if (name.size() < 4) return false;
    std::string e = name.substr(name.size() - 4);
    std::transform(e.begin(), e.end(), e.begin(), [](unsigned char c) { return std::tolower(c); });
    return e == ".obf";
}

}  // namespace

template <class J>
bool Parsen(const std::string& text, const std::string& wo, J& json, std::string& fehler) {
    const std::size_t falsch = Utf8Fehler(text);
    if (falsch != std::string::npos) {
        fehler =
            Anf(wo) + " ist kein gültiger UTF-8-Text (Byte " + std::to_string(falsch + 1) + ").";
        return false;
    }
    if (ZuTief(text)) {
        fehler = Anf(wo) + " ist tiefer als " + std::to_string(CTafelLeser::kHoechsteTiefe) +
                 " Ebenen verschachtelt und wird nicht gelesen.";
        return false;
    }
    try {
        json = J::parse(text);
    } catch (const typename J::parse_error& e) {
        fehler =
            Anf(wo) + " ist kein gültiges JSON (Fehler bei Byte " + std::to_string(e.byte) + ").";
        return false;
    }
    return true;
}

bool Parsen(const std::string& text, const std::string& wo, Json& json, std::string& fehler) {
    return Parsen<Json>(text, wo, json, fehler);
}

}  // namespace tafel

bool CTafelLeser::Lesen(const std::string& pfad, CTafelPaket& paket, CZusammenfassung& z,
                        std::string& fehler) {
    using namespace tafel;
    paket = CTafelPaket();
    z = CZusammenfassung();
    const std::string datei = std::filesystem::path(pfad).filename().string();
    bool ok = false;
    try {
        ok = [&]() -> bool {
            CPaketDatei quelle;
            if (!quelle.Oeffnen(pfad, fehler)) return false;
            Arbeit a(quelle, paket, z);
            std::optional<std::string> wurzelPfad;
            std::vector<std::pair<std::string, std::string>> manifestTafeln;  // id, entry

            if (!quelle.IstZip()) {
                Json j;
                if (!Parsen(quelle.Text(), datei, j, fehler)) return false;
                // One board, or an array of them whose first is the root.
                const std::vector<Json> tafeln =
                    j.is_array() ? j.get<std::vector<Json>>() : std::vector<Json>{j};
                for (const Json& t : tafeln) {
                    if (t.is_object() && t.contains("buttons")) {
                        a.roh.push_back({t, "", Id(t.value("id", Json())).value_or("")});
                    }
                }
            } else {
                // In the order of the file: the boards become categories in it.
                using Geordnet = nlohmann::ordered_json;
                Geordnet manifest;
                if (quelle.Hat("manifest.json")) {
                    std::string text;
                    if (!quelle.Lesen("manifest.json", text, fehler) ||
                        !Parsen<Geordnet>(text, "manifest.json", manifest, fehler)) {
                        return false;
                    }
                }
                const auto Drinnen = [&](const Geordnet& wert, const char* was,
                                         std::optional<std::string>& ziel) {
                    if (!wert.is_string()) return true;
                    ziel = CPaketDatei::Normalisieren(wert.get<std::string>());
                    if (ziel) return true;
                    fehler = "Das Manifest von " + Anf(datei) + " nennt " + was + " " +
                             Anf(wert.get<std::string>()) +
                             " außerhalb des Pakets. Es wird nicht gelesen.";
                    return false;
                };
                std::vector<std::string> warteschlange;
                if (manifest.is_object()) {
                    if (!Drinnen(manifest.value("root", Geordnet()), "die Einstiegstafel",
                                 wurzelPfad)) {
                        return false;
                    }
                    paket.sagwerk = manifest.contains("ext_sagwerk_version");
                    const Geordnet pfade = manifest.value("paths", Geordnet::object());
                    for (const char* art : {"boards", "images"}) {
                        const Geordnet liste =
                            pfade.is_object() ? pfade.value(art, Geordnet::object()) : Geordnet();
                        if (!liste.is_object()) continue;
                        for (const auto& [id, wert] : liste.items()) {
                            std::optional<std::string> eintrag;
                            if (!Drinnen(wert, art[0] == 'b' ? "die Tafel" : "das Bild", eintrag)) {
                                return false;
                            }
                            if (!eintrag) continue;
                            if (art[0] == 'b') {
                                manifestTafeln.emplace_back(id, *eintrag);
                            } else {
                                a.manifestBilder[id] = *eintrag;
                            }
                        }
                    }
                }
                if (wurzelPfad && !quelle.Hat(*wurzelPfad)) {
                    z.Hinweis("Die Einstiegstafel des Manifests, " + Anf(*wurzelPfad) +
                              ", fehlt im Paket.");
                    wurzelPfad.reset();
                }
                if (wurzelPfad) {
                    warteschlange.push_back(*wurzelPfad);
                    for (const auto& [id, eintrag] : manifestTafeln)
                        warteschlange.push_back(eintrag);
                } else {
                    for (const std::string& n : quelle.Namen()) {
                        if (EndetAufObf(n)) warteschlange.push_back(n);
                    }
                    std::sort(warteschlange.begin(), warteschlange.end());
                }
                // Boards reached by a link's path are read too, listed or not.
                std::set<std::string> gelesen;
                for (std::size_t i = 0; i < warteschlange.size(); ++i) {
                    const std::string name = warteschlange[i];
                    if (!gelesen.insert(name).second) continue;
                    std::string text;
                    if (!quelle.Hat(name)) {
                        z.Hinweis("Die Tafel " + Anf(name) + " fehlt im Paket.");
                        continue;
                    }
                    Json j;
                    if (!quelle.Lesen(name, text, fehler) || !Parsen(text, name, j, fehler))
                        return false;
                    if (!j.is_object()) {
                        z.Hinweis(Anf(name) + " ist keine Tafel und wird übergangen.");
                        continue;
                    }
                    const Json knoepfe = j.value("buttons", Json::array());
                    if (knoepfe.is_array()) {
                        for (const Json& b : knoepfe) {
                            if (!b.is_object() || !b.contains("load_board")) continue;
                            const Json& lb = b["load_board"];
                            if (!lb.is_object() || !lb.contains("path") || !lb["path"].is_string())
                                continue;
                            const auto p =
                                CPaketDatei::Normalisieren(lb["path"].get<std::string>());
                            if (p && quelle.Hat(*p) && !gelesen.count(*p))
                                warteschlange.push_back(*p);
                        }
                    }
                    a.roh.push_back({std::move(j), name, ""});
                    a.roh.back().id = Id(a.roh.back().json.value("id", Json())).value_or("");
                }
            }
            if (a.roh.empty()) {
                fehler = Anf(datei) + " enthält keine Tafel.";
                return false;
            }
            if (a.roh[0].json.contains("ext_sagwerk_version")) paket.sagwerk = true;

            paket.tafeln.resize(a.roh.size());
            a.BilderSammeln();
            for (std::size_t i = 0; i < a.roh.size(); ++i) a.TafelLesen(static_cast<int>(i));

            // Links: by the path inside the package, else by the board's id.
            std::map<std::string, int> nachPfad, nachId;
            for (std::size_t i = 0; i < a.roh.size(); ++i) {
                if (!a.roh[i].pfad.empty()) nachPfad.emplace(a.roh[i].pfad, static_cast<int>(i));
                if (!a.roh[i].id.empty()) nachId.emplace(a.roh[i].id, static_cast<int>(i));
            }
            for (const auto& [id, eintrag] : manifestTafeln) {
                const auto it = nachPfad.find(eintrag);
                if (it != nachPfad.end()) nachId.emplace(id, it->second);
            }
            std::vector<bool> verlinkt(a.roh.size(), false);
            for (const OffenerLink& l : a.links) {
                int ziel = CTafelPaket::kKeinZiel;
                if (l.pfad) {
                    const auto p = CPaketDatei::Normalisieren(*l.pfad);
                    const auto it = p ? nachPfad.find(*p) : nachPfad.end();
                    if (it != nachPfad.end()) ziel = it->second;
                }
                if (ziel < 0 && l.id) {
                    const auto it = nachId.find(*l.id);
                    if (it != nachId.end()) ziel = it->second;
                }
                CTafelPaket::Tafel& tafel = paket.tafeln[static_cast<std::size_t>(l.tafel)];
                CTafelPaket::Knopf& k = tafel.knoepfe[l.knopf];
                if (ziel >= 0) {
                    k.art = CWortelement::Link;
                    k.ziel = ziel;
                    if (k.anzeige.empty())
                        k.anzeige = paket.tafeln[static_cast<std::size_t>(ziel)].name;
                    ++z.linksAufgeloest;
                    if (ziel != l.tafel) verlinkt[static_cast<std::size_t>(ziel)] = true;
                    continue;
                }
                if (k.anzeige.empty())
                    k.anzeige = !l.name.empty() ? l.name : l.pfad.value_or(l.id.value_or("Link"));
                k.art = CWortelement::Wort;
                k.wort = k.anzeige;
                k.formen = {};
                k.formen[0] = k.wort;
                if (l.extern_ && !l.pfad && !l.id) {
                    ++z.linksExtern;
                    z.Hinweis("Der Knopf " + Anf(k.anzeige) + " auf " + Anf(tafel.name) +
                              " führt zu einer Tafel im Internet; er bleibt ein Wort.");
                } else if (l.extern_) {
                    ++z.linksExtern;
                    z.Hinweis(
                        "Der Knopf " + Anf(k.anzeige) + " auf " + Anf(tafel.name) +
                        " führt zu einer Tafel, die nur im Internet liegt; er bleibt ein Wort.");
                } else {
                    ++z.linksInsLeere;
                    z.Hinweis(
                        "Der Knopf " + Anf(k.anzeige) + " auf " + Anf(tafel.name) +
                        " führt zu einer Tafel, die das Paket nicht enthält; er bleibt ein Wort.");
                }
            }

            // The root: the manifest's; else the board no other links to, the
            // first by name; else the first by name.
            int wurzel = -1;
            if (wurzelPfad) {
                const auto it = nachPfad.find(*wurzelPfad);
                if (it != nachPfad.end()) wurzel = it->second;
            }
            if (wurzel < 0 && !quelle.IstZip()) wurzel = 0;
            for (int runde = 0; wurzel < 0 && runde < 2; ++runde) {
                for (std::size_t i = 0; i < a.roh.size(); ++i) {
                    if (runde == 0 && verlinkt[i]) continue;
                    if (wurzel < 0 ||
                        a.roh[i].pfad < a.roh[static_cast<std::size_t>(wurzel)].pfad) {
                        wurzel = static_cast<int>(i);
                    }
                }
            }
            paket.wurzel = wurzel;
            z.tafeln = static_cast<long>(paket.tafeln.size());
            z.wurzel = paket.tafeln[static_cast<std::size_t>(wurzel)].name;
            a.BildHinweise();
            return true;
        }();
    } catch (const std::bad_alloc&) {
        fehler = Anf(datei) + " ist zu groß, um es zu lesen.";
    } catch (const std::exception& e) {
        fehler = Anf(datei) + " kann nicht gelesen werden: " + e.what();
    }
    if (!ok) {
        paket = CTafelPaket();
        z = CZusammenfassung();
    }
    return ok;
}
