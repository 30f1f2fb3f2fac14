#include "CTafelExport.h"

#include <zip.h>

#include <deque>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <nlohmann/json.hpp>
#include <random>
#include <system_error>
#include <vector>

#include "CBildDaten.h"
#include "CDatenbank.h"

namespace fs = std::filesystem;
using Json = nlohmann::ordered_json;

namespace {

std::string Anf(const std::string& s) { return "\u201E" + s + "\u201C"; }

std::string TafelId(long kategorie) { return "k" + std::to_string(kategorie); }
std::string TafelPfad(long kategorie) { return "boards/" + TafelId(kategorie) + ".obf"; }

const char* ArtName(long art) {
    switch (art) {
        case CWortelement::Verb:
            return "verb";
        case CWortelement::Link:
            return "link";
        default:
            return "wort";
    }
}

bool IstOpenMoji(const std::string& bild) {
    std::string b = bild;
    for (char& c : b)
        c = c == '/' ? '\\' : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return b.rfind("icons\\openmoji\\", 0) == 0;
}

struct Bild {
    std::string id, pfad;
    CBildDaten::Art art = CBildDaten::Art::Unbekannt;
    bool openmoji = false;
    std::optional<CBildDaten::Groesse> groesse;
};

}  // namespace

bool CTafelExport::Exportieren(CDatenbank& db, long spalten, long zeilen, const std::string& ordner,
                               const std::string& ziel, std::string& fehler, Ergebnis* ergebnis) {
    Ergebnis e;
    if (spalten <= 0) spalten = 6;
    if (zeilen <= 0) zeilen = 4;
    std::vector<CKategorie> kategorien;
    CKategorie k;
    for (bool ok = db.FirstKategorie(k); ok; ok = db.NextKategorie(k)) kategorien.push_back(k);
    if (kategorien.empty()) {
        fehler = "Die Benutzerdatei enthält keine Kategorie.";
        return false;
    }
    long wurzel = kategorien.front().GetIndex();
    std::map<long, bool> gibt;
    for (const CKategorie& kat : kategorien) {
        gibt[kat.GetIndex()] = true;
        if (kat.GetIndex() == 1) wurzel = 1;
    }

    // Everything added to the zip must live until it is closed.
    std::deque<std::string> puffer;
    std::vector<std::pair<std::string, const std::string*>> eintraege;
    std::map<std::string, Bild> bilder;            // by the name the user file stores
    std::map<std::string, std::string> bildDaten;  // package path -> bytes, once each
    Json manifestTafeln = Json::object(), manifestBilder = Json::object();

    const auto BildHolen = [&](const std::string& name) -> const Bild* {
        const auto schon = bilder.find(name);
        if (schon != bilder.end()) return schon->second.id.empty() ? nullptr : &schon->second;
        Bild& b = bilder[name];
        std::string pfad = name;
        for (char& c : pfad) {
            if (c == '\\') c = '/';
        }
        const fs::path voll =
            fs::path(pfad).is_absolute() ? fs::path(pfad) : fs::path(ordner) / pfad;
        std::ifstream ein(voll, std::ios::binary);
        if (!ein) return nullptr;
        std::string daten((std::istreambuf_iterator<char>(ein)), std::istreambuf_iterator<char>());
        b.art = CBildDaten::Erkennen(daten);
        if (daten.empty()) return nullptr;
        std::string stamm = fs::path(pfad).stem().string();
        std::string endung = CBildDaten::Endung(b.art);
        if (endung.empty()) endung = fs::path(pfad).extension().string();
        b.id = "i" + std::to_string(bilder.size());
        b.pfad = "images/" + b.id + "-" + stamm + endung;
        b.openmoji = IstOpenMoji(name);
        b.groesse = CBildDaten::Abmessungen(daten, b.art);
        manifestBilder[b.id] = b.pfad;
        bildDaten[b.pfad] = std::move(daten);
        return &b;
    };

    for (const CKategorie& kat : kategorien) {
        std::vector<CWortelement> elemente;
        std::vector<CWortButton> knoepfe;
        if (!db.LoadWortelemente(kat.GetIndex(), false, elemente, knoepfe)) {
            fehler = "Die Kategorie " + Anf(kat.GetName()) + " kann nicht gelesen werden.";
            return false;
        }
        Json tafel = {{"format", "open-board-0.1"},
                      {"id", TafelId(kat.GetIndex())},
                      {"locale", "de"},
                      {"name", kat.GetName()},
                      {"ext_sagwerk_version", 1}};
        Json buttons = Json::array(), images = Json::array();
        std::map<std::string, bool> aufDerTafel;
        std::vector<std::string> ids;
        for (const CWortelement& w : elemente) {
            const std::string id = "b" + std::to_string(w.GetIndex());
            ids.push_back(id);
            Json b = {{"id", id}};
            b["label"] = w.GetAnzeigetext().empty() ? w.GetForm(0) : w.GetAnzeigetext();
            const std::string& phon = w.GetPhonetisch();
            if (!phon.empty() && phon != "NULL" && w.GetArt() == CWortelement::Wort) {
                b["vocalization"] = phon;
            }
            b["ext_sagwerk_art"] = ArtName(w.GetArt());
            b["ext_sagwerk_phonetisch"] = phon;
            const auto [link, nach] = w.GetLinkTarget();
            if (link) {
                if (gibt.count(nach)) {
                    b["load_board"] = {{"id", TafelId(nach)}, {"path", TafelPfad(nach)}};
                }
            } else if (w.GetArt() == CWortelement::Verb) {
                Json formen = Json::array();
                for (int f = 0; f < CWortelement::kFormen; ++f) formen.push_back(w.GetForm(f));
                b["ext_sagwerk_formen"] = std::move(formen);
            } else {
                b["ext_sagwerk_wort"] = w.GetForm(0);
            }
            if (!w.GetBild().empty()) {
                const Bild* bild = BildHolen(w.GetBild());
                if (bild != nullptr) {
                    b["image_id"] = bild->id;
                    ++e.bilder;
                    if (!aufDerTafel[bild->id]) {
                        aufDerTafel[bild->id] = true;
                        Json i = {{"id", bild->id},
                                  {"path", bild->pfad},
                                  {"content_type", CBildDaten::Inhaltstyp(bild->art)}};
                        if (bild->groesse) {
                            i["width"] = bild->groesse->breite;
                            i["height"] = bild->groesse->hoehe;
                        }
                        i["ext_sagwerk_bild"] = w.GetBild();
                        if (bild->openmoji) {
                            i["license"] = {{"type", "CC BY-SA 4.0"},
                                            {"copyright_notice_url",
                                             "https://creativecommons.org/licenses/by-sa/4.0/"},
                                            {"source_url", "https://openmoji.org/"},
                                            {"author_name", "OpenMoji"},
                                            {"author_url", "https://openmoji.org/"}};
                        }
                        images.push_back(std::move(i));
                    }
                } else {
                    ++e.bilderFehlen;
                }
            }
            buttons.push_back(std::move(b));
            ++e.knoepfe;
        }
        const long reihen =
            std::max<long>(zeilen, (static_cast<long>(ids.size()) + spalten - 1) / spalten);
        Json ordnung = Json::array();
        for (long r = 0; r < reihen; ++r) {
            Json zeile = Json::array();
            for (long s = 0; s < spalten; ++s) {
                const std::size_t i = static_cast<std::size_t>(r * spalten + s);
                zeile.push_back(i < ids.size() ? Json(ids[i]) : Json(nullptr));
            }
            ordnung.push_back(std::move(zeile));
        }
        tafel["grid"] = {{"rows", reihen}, {"columns", spalten}, {"order", std::move(ordnung)}};
        tafel["buttons"] = std::move(buttons);
        tafel["images"] = std::move(images);
        tafel["sounds"] = Json::array();
        manifestTafeln[TafelId(kat.GetIndex())] = TafelPfad(kat.GetIndex());
        puffer.push_back(tafel.dump(1, '\t', false, Json::error_handler_t::replace));
        eintraege.emplace_back(TafelPfad(kat.GetIndex()), &puffer.back());
        ++e.tafeln;
    }
    const Json manifest = {
        {"format", "open-board-0.1"},
        {"root", TafelPfad(wurzel)},
        {"paths",
         {{"boards", manifestTafeln}, {"images", manifestBilder}, {"sounds", Json::object()}}},
        {"ext_sagwerk_version", 1}};
    puffer.push_back(manifest.dump(1, '\t', false, Json::error_handler_t::replace));
    eintraege.insert(eintraege.begin(), {"manifest.json", &puffer.back()});
    for (const auto& [pfad, daten] : bildDaten) eintraege.emplace_back(pfad, &daten);

    // Written beside the target and moved into place once complete.
    std::random_device zufall;
    const std::string temp = ziel + ".teil-" + std::to_string(zufall());
    int code = 0;
    zip_t* zip = zip_open(temp.c_str(), ZIP_CREATE | ZIP_EXCL, &code);
    if (zip == nullptr) {
        fehler = "Die Datei " + Anf(ziel) + " kann nicht angelegt werden.";
        return false;
    }
    bool ok = true;
    for (const auto& [name, daten] : eintraege) {
        zip_source_t* quelle = zip_source_buffer(zip, daten->data(), daten->size(), 0);
        const zip_int64_t index =
            quelle != nullptr ? zip_file_add(zip, name.c_str(), quelle, ZIP_FL_ENC_UTF_8) : -1;
        if (index < 0) {
            if (quelle != nullptr) zip_source_free(quelle);
            ok = false;
            break;
        }
        // Pictures are packed already; packing them again costs time for nothing.
        if (name.rfind("images/", 0) == 0 && !name.ends_with(".svg") && !name.ends_with(".bmp")) {
            zip_set_file_compression(zip, static_cast<zip_uint64_t>(index), ZIP_CM_STORE, 0);
        }
    }
    if (!ok || zip_close(zip) != 0) {
        if (ok) {
            fehler =
                "Die Datei " + Anf(ziel) + " kann nicht geschrieben werden: " + zip_strerror(zip);
        } else {
            fehler = "Das Paket " + Anf(ziel) + " kann nicht zusammengestellt werden.";
        }
        zip_discard(zip);
        std::error_code ec;
        fs::remove(temp, ec);
        return false;
    }
    std::error_code ec;
    fs::rename(temp, ziel, ec);
    if (ec) {
        fs::remove(temp, ec);
        fehler = "Die Datei " + Anf(ziel) + " kann nicht angelegt werden.";
        return false;
    }
    if (ergebnis != nullptr) *ergebnis = e;
    return true;
}
