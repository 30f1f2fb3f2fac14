#include "CZusammenfassung.h"

#include <nlohmann/json.hpp>

namespace {

// 1007 as "1.007", the German way.
std::string Zahl(long n) {
    std::string s = std::to_string(n < 0 ? -n : n);
    for (int i = static_cast<int>(s.size()) - 3; i > 0; i -= 3)
        s.insert(static_cast<std::size_t>(i), ".");
    return n < 0 ? "-" + s : s;
}

std::string Anzahl(long n, const char* einer, const char* mehrere) {
    return Zahl(n) + " " + (n == 1 ? einer : mehrere);
}

}  // namespace

void CZusammenfassung::Hinweis(const std::string& text) {
    if (hinweise.size() < kHoechstensHinweise) {
        hinweise.push_back(text);
    } else {
        ++weitereHinweise;
    }
}

std::string CZusammenfassung::Text(const std::string& datei) const {
    std::string t = "\u201E" + datei + "\u201C enth\u00E4lt " + Anzahl(tafeln, "Tafel", "Tafeln") +
                    " mit " + Anzahl(knoepfe, "Knopf", "Kn\u00F6pfen") + ".\n";
    t += "Links: " + Zahl(linksAufgeloest) + " zu Tafeln des Pakets, " + Zahl(linksInsLeere) +
         " ins Leere, " + Zahl(linksExtern) + " ins Internet";
    if (linksInsLeere + linksExtern > 0) t += " (diese bleiben W\u00F6rter)";
    t += ".\n";
    t += "Bilder: " + Zahl(bilder) + " \u00FCbernommen, " + Zahl(bilderFehlen) +
         (bilderFehlen == 1 ? " fehlt" : " fehlen") + ".\n";
    if (aktionenUnbekannt > 0) {
        t += "Aktionen, die Sagwerk nicht kennt: " + Zahl(aktionenUnbekannt) +
             " (diese Kn\u00F6pfe bleiben W\u00F6rter).\n";
    }
    t += "Einstieg: die Tafel \u201E" + wurzel + "\u201C.";
    if (!hinweise.empty()) {
        t += "\n";
        for (const std::string& h : hinweise) t += "\n\u2013 " + h;
        if (weitereHinweise > 0) t += "\n\u2026 und " + Zahl(weitereHinweise) + " weitere.";
    }
    return t;
}

std::string CZusammenfassung::Json() const {
    const nlohmann::ordered_json j = {{"tafeln", tafeln},
                                      {"knoepfe", knoepfe},
                                      {"links_aufgeloest", linksAufgeloest},
                                      {"links_ins_leere", linksInsLeere},
                                      {"links_extern", linksExtern},
                                      {"bilder", bilder},
                                      {"bilder_fehlen", bilderFehlen},
                                      {"aktionen_unbekannt", aktionenUnbekannt},
                                      {"wurzel", wurzel}};
    return j.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}
