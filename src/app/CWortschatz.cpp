#include "CWortschatz.h"

#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <sstream>

#include "BenutzerAnlegen.h"
#include "CBildvorrat.h"
#include "CDatenbank.h"
#include "IDialoge.h"
#include "Ressourcen.h"

namespace {

std::vector<std::string> Felder(const std::string& rest) {
    std::vector<std::string> felder;
    std::stringstream ss(rest);
    std::string feld;
    while (std::getline(ss, feld, '|')) felder.push_back(CWortschatz::Trimmen(feld));
    if (!rest.empty() && rest.back() == '|') felder.emplace_back();
    return felder;
}

}  // namespace

std::string CWortschatz::Trimmen(const std::string& s) {
    const auto a = s.find_first_not_of(" \t\r");
    if (a == std::string::npos) return {};
    const auto b = s.find_last_not_of(" \t\r");
    return s.substr(a, b - a + 1);
}

std::string CWortschatz::BildPfad(const std::string& code) {
    return code.empty() ? std::string() : "icons\\openmoji\\" + code + ".svg";
}

bool CWortschatz::LesenDatei(const std::string& pfad, std::string& fehler) {
    std::ifstream ein(pfad, std::ios::binary);
    if (!ein) {
        fehler = "Der Grundwortschatz \u201E" + pfad + "\u201C kann nicht gelesen werden.";
        return false;
    }
    return Lesen(ein, fehler);
}

bool CWortschatz::Lesen(std::istream& ein, std::string& fehler) {
    std::vector<CSeite> seiten;
    std::vector<CFunktion> funktionen;
    std::vector<CEmotion> emotionen;
    std::string zeile;
    int nummer = 0;
    auto Fehler = [&](const std::string& was) {
        fehler = "Grundwortschatz, Zeile " + std::to_string(nummer) + ": " + was;
        return false;
    };
    while (std::getline(ein, zeile)) {
        ++nummer;
        const std::string t = Trimmen(zeile);
        if (t.empty() || t[0] == '#') continue;
        const auto leer = t.find(' ');
        const std::string wort = t.substr(0, leer);
        const std::vector<std::string> f =
            Felder(leer == std::string::npos ? std::string() : t.substr(leer + 1));
        if (wort == "kategorie") {
            if (f.empty() || f[0].empty()) return Fehler("Die Kategorie hat keinen Namen.");
            for (const auto& s : seiten)
                if (s.name == f[0])
                    return Fehler("Die Kategorie \u201E" + f[0] + "\u201C gibt es schon.");
            seiten.push_back({f[0], f.size() > 1 ? f[1] : "", {}});
        } else if (wort == "wort" || wort == "link" || wort == "verb") {
            if (seiten.empty()) return Fehler("Vor dem ersten Eintrag fehlt eine Kategorie.");
            if (f.empty() || f[0].empty()) return Fehler("Der Eintrag hat keinen Text.");
            CEintrag e;
            e.art = wort == "wort"   ? CEintrag::Wort
                    : wort == "link" ? CEintrag::Link
                                     : CEintrag::Verb;
            // "~" marks where a long word's caption may be hyphenated; the
            // word written and spoken has none.
            e.anzeige = f[0];
            for (auto p = e.anzeige.find('~'); p != std::string::npos; p = e.anzeige.find('~', p))
                e.anzeige.replace(p, 1, e.art == CEintrag::Wort ? "\u00AD" : "");
            e.text = f[0];
            std::erase(e.text, '~');
            e.bild = f.size() > 1 ? f[1] : "";
            e.phonetisch = f.size() > 2 ? f[2] : "";
            seiten.back().eintraege.push_back(e);
        } else if (wort == "gegenwart" || wort == "vergangenheit" || wort == "zukunft") {
            const int soll = wort == "gegenwart" ? 0 : wort == "vergangenheit" ? 6 : 12;
            if (seiten.empty() || seiten.back().eintraege.empty() ||
                seiten.back().eintraege.back().art != CEintrag::Verb)
                return Fehler("Die Formen stehen nicht unter einem Verb.");
            auto& formen = seiten.back().eintraege.back().formen;
            if (static_cast<int>(formen.size()) != soll)
                return Fehler(
                    "Die Zeiten eines Verbs stehen in der Reihenfolge gegenwart, "
                    "vergangenheit, zukunft.");
            if (f.size() != 6) return Fehler("Eine Zeit hat sechs Formen.");
            formen.insert(formen.end(), f.begin(), f.end());
        } else if (wort == "funktion") {
            if (f.size() != 4) return Fehler("Ein Funktionsknopf hat vier Felder.");
            CFunktion k;
            try {
                k.code = std::stol(f[0]);
            } catch (const std::exception&) {
                return Fehler("\u201E" + f[0] + "\u201C ist kein Code.");
            }
            k.text = f[1];
            k.anzeige = f[2];
            k.bild = f[3];
            funktionen.push_back(k);
        } else if (wort == "emotion") {
            if (f.size() != 3) return Fehler("Ein Emotionsknopf hat drei Felder.");
            emotionen.push_back({f[0], f[1], f[2]});
        } else {
            return Fehler("\u201E" + wort + "\u201C ist unbekannt.");
        }
    }
    for (const auto& s : seiten) {
        for (const auto& e : s.eintraege) {
            if (e.art == CEintrag::Verb && e.formen.size() != 18)
                return Fehler("Dem Verb \u201E" + e.text + "\u201C fehlen Formen.");
            if (e.art != CEintrag::Link) continue;
            bool da = false;
            for (const auto& z : seiten) da = da || z.name == e.text;
            if (!da)
                return Fehler("Der Link führt zur unbekannten Kategorie \u201E" + e.text +
                              "\u201C.");
        }
    }
    m_seiten = std::move(seiten);
    m_funktionen = std::move(funktionen);
    m_emotionen = std::move(emotionen);
    return true;
}

int CWortschatz::AnzahlWoerter() const {
    int n = 0;
    for (const auto& s : m_seiten)
        for (const auto& e : s.eintraege) n += e.art == CEintrag::Wort;
    return n;
}

int CWortschatz::AnzahlVerben() const {
    int n = 0;
    for (const auto& s : m_seiten)
        for (const auto& e : s.eintraege) n += e.art == CEintrag::Verb;
    return n;
}

void CWortschatz::Fuellen(const CEintrag& e, long linkZiel, CWortelement& w) {
    w.SetBild(BildPfad(e.bild));
    // A verb's caption is the infinitive put into the sentence: it keeps no
    // soft hyphen, the button hyphenates it by syllables.
    w.SetAnzeigetext(e.anzeige.empty() ? e.text : e.anzeige);
    switch (e.art) {
        case CEintrag::Wort:
            w.SetArt(CWortelement::Wort);
            w.SetForm(0, e.text);
            w.SetPhonetisch(e.phonetisch);
            break;
        case CEintrag::Link:
            w.SetArt(CWortelement::Link);
            // Links keep their target as "0" and the digits.
            w.SetForm(0, "0" + std::to_string(linkZiel));
            break;
        case CEintrag::Verb: {
            w.SetArt(CWortelement::Verb);
            using Z = CWortelement::Zeit;
            using N = CWortelement::Zahl;
            const Z zeiten[] = {Z::Gegenwart, Z::Vergangenheit, Z::Zukunft};
            for (int z = 0; z < 3; ++z) {
                const auto* f = &e.formen[static_cast<std::size_t>(z * 6)];
                w.SetFormen(zeiten[z], N::Einzahl, f[0], f[1], f[2]);
                w.SetFormen(zeiten[z], N::Mehrzahl, f[3], f[4], f[5]);
            }
            break;
        }
    }
}

CWortschatz CWortschatz::Auszug(const std::string& seite) const {
    CWortschatz auszug;
    for (const auto& s : m_seiten)
        if (s.name == seite) auszug.m_seiten.push_back(s);
    return auszug;
}

bool CWortschatz::Schreiben(CDatenbank& db) const {
    // Categories first, so that links can name a category written later.
    std::map<std::string, long> index;
    for (const auto& s : m_seiten) {
        if (s.name == "HOME") {
            index[s.name] = 1;  // the start category every user file has
            continue;
        }
        CKategorie k;
        k.SetName(s.name);
        if (!db.SaveKategorie(k, 0)) return false;
        index[s.name] = k.GetIndex();
    }
    for (const auto& s : m_seiten) {
        long pos = 0;
        for (const auto& e : s.eintraege) {
            CWortelement w;
            w.SetKategorie(index[s.name]);
            w.SetAlteKategorie(index[s.name]);
            w.SetPosition(++pos);
            w.SetAltePosition(pos);
            Fuellen(e, e.art == CEintrag::Link ? index[e.text] : 0, w);
            if (!db.SaveWortelement(w, 0)) return false;
        }
    }

    if (!m_funktionen.empty()) {
        std::vector<CFunktionsTaste> tasten;
        CFunktionsTaste t;
        for (bool ok = db.FirstFTaste(t); ok; ok = db.NextFTaste(t)) tasten.push_back(t);
        for (auto& taste : tasten) {
            for (const auto& f : m_funktionen) {
                if (f.code != taste.GetCode()) continue;
                taste.SetText(f.text);
                taste.SetAnzeigetext(f.anzeige);
                taste.SetBild(BildPfad(f.bild));
                if (!db.SaveFTaste(taste, taste.GetIndex())) return false;
            }
        }
    }
    if (!m_emotionen.empty()) {
        std::vector<long> alte;
        CEmotionsButton b;
        for (bool ok = db.FirstEButton(b); ok; ok = db.NextEButton(b)) alte.push_back(b.GetIndex());
        for (long i : alte)
            if (!db.DeleteEButton(i)) return false;
        long pos = 0;
        for (const auto& e : m_emotionen) {
            CEmotionsButton neu(e.text, e.anzeige, BildPfad(e.bild), ++pos);
            neu.SetAltePosition(pos);
            if (!db.SaveEButton(neu, 0)) return false;
        }
    }
    return true;
}

bool CWortschatz::BenutzerAnlegen(const std::string& pfad, const std::string& vorname,
                                  const std::string& name, const std::string& wortschatz,
                                  IDialoge& dialoge, const IUhr& uhr, std::string& fehler) {
    namespace fs = std::filesystem;
    CWortschatz w;
    if (!w.LesenDatei(wortschatz, fehler)) return false;
    std::error_code ec;
    if (fs::exists(pfad, ec)) {
        fehler = "Die Datei \u201E" + pfad + "\u201C gibt es schon. Sie wird nicht überschrieben.";
        return false;
    }
    // Built under a temporary name: a half-filled user never appears.
    std::random_device zufall;
    const std::string temp = pfad + ".wortschatz-" + std::to_string(zufall());
    if (!CreateUserDatabase(temp, vorname, name, fehler)) return false;
    bool ok = false;
    {
        CDatenbank db(temp, dialoge, uhr);
        ok = db.IsOpen() && w.Schreiben(db);
    }
    if (!ok) {
        fs::remove(temp, ec);
        fehler = "Der Grundwortschatz konnte nicht in \u201E" + pfad + "\u201C geschrieben werden.";
        return false;
    }
    if (fs::exists(pfad, ec)) {
        fs::remove(temp, ec);
        fehler = "Die Datei \u201E" + pfad + "\u201C gibt es schon. Sie wird nicht überschrieben.";
        return false;
    }
    fs::rename(temp, pfad, ec);
    if (ec) {
        fs::remove(temp, ec);
        fehler = "Die Datei \u201E" + pfad + "\u201C kann nicht angelegt werden.";
        return false;
    }
    // The pictures go beside the file: the user's folder is complete. A
    // picture that cannot be copied leaves its button without one, and the
    // user is there all the same.
    std::string bildfehler;
    const fs::path ordner = fs::absolute(fs::path(pfad), ec).parent_path();
    if (!CBildvorrat(RessourcenVerzeichnis()).Kopieren(ordner.string(), &w, bildfehler)) {
        dialoge.Hinweis(bildfehler);
    }
    return true;
}
