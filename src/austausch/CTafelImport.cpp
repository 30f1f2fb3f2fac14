#include "CTafelImport.h"

#include <algorithm>
#include <set>
#include <vector>

#include "CBildAblage.h"
#include "CDatenbank.h"

namespace {

std::string EinmaligerName(const std::string& name, std::set<std::string>& vergeben) {
    std::string neu = name;
    for (int n = 2; vergeben.count(neu) != 0; ++n) neu = name + " (" + std::to_string(n) + ")";
    vergeben.insert(neu);
    return neu;
}

// Links keep their target as "0" and the digits, as the starter vocabulary
// writes them.
std::string LinkZiel(long kategorie) { return "0" + std::to_string(kategorie); }

}  // namespace

bool CTafelImport::Importieren(const CTafelPaket& paket, CDatenbank& db, const std::string& ordner,
                               std::string& fehler, const Fortschritt& fortschritt) {
    if (paket.tafeln.empty()) {
        fehler = "Das Paket enthält keine Tafel.";
        return false;
    }
    if (!db.IsOpen()) {
        fehler = "Die Benutzerdatei ist nicht geöffnet.";
        return false;
    }
    const std::size_t gesamt = paket.tafeln.size() + 1;
    const auto Melden = [&](std::size_t erledigt, const std::string& text) {
        if (fortschritt) fortschritt(erledigt, gesamt, text);
    };
    Melden(0, "Bilder");

    std::set<std::string> namen;
    CKategorie k;
    for (bool ok = db.FirstKategorie(k); ok; ok = db.NextKategorie(k)) namen.insert(k.GetName());
    std::vector<CWortelement> start;
    std::vector<CWortButton> startKnoepfe;
    if (!db.LoadWortelemente(kStartKategorie, false, start, startKnoepfe)) {
        fehler = "Die Startseite des Benutzers kann nicht gelesen werden.";
        return false;
    }
    const bool startFuellen = paket.sagwerk && start.empty();

    // The pictures first: the transaction below names them.
    CBildAblage ablage(ordner);
    std::vector<std::string> bildNamen;
    bildNamen.reserve(paket.bilder.size());
    for (const CTafelPaket::Bild& b : paket.bilder) {
        std::string name;
        if (paket.sagwerk && !b.sagwerkPfad.empty())
            name = ablage.AblegenUnter(b.daten, b.sagwerkPfad);
        if (name.empty()) name = ablage.Ablegen(b.daten, b.name, CBildDaten::Endung(b.art), fehler);
        if (name.empty()) {
            ablage.Zuruecknehmen();
            return false;
        }
        bildNamen.push_back(std::move(name));
    }

    if (!db.BeginTransaction()) {
        ablage.Zuruecknehmen();
        fehler = "Die Benutzerdatei kann gerade nicht geschrieben werden.";
        return false;
    }
    bool ok = true;
    std::vector<long> kategorie(paket.tafeln.size(), 0);
    for (std::size_t t = 0; ok && t < paket.tafeln.size(); ++t) {
        if (startFuellen && static_cast<int>(t) == paket.wurzel) {
            kategorie[t] = kStartKategorie;
            continue;
        }
        CKategorie neu;
        neu.SetName(EinmaligerName(paket.tafeln[t].name, namen));
        ok = db.SaveKategorie(neu, 0);
        kategorie[t] = neu.GetIndex();
    }
    for (std::size_t t = 0; ok && t < paket.tafeln.size(); ++t) {
        const CTafelPaket::Tafel& tafel = paket.tafeln[t];
        Melden(t + 1, tafel.name);
        long pos = 0;
        for (const CTafelPaket::Knopf& knopf : tafel.knoepfe) {
            CWortelement w;
            w.SetKategorie(kategorie[t]);
            w.SetAlteKategorie(kategorie[t]);
            w.SetPosition(++pos);
            w.SetAltePosition(pos);
            w.SetAnzeigetext(knopf.anzeige);
            w.SetArt(knopf.art);
            if (knopf.bild >= 0) w.SetBild(bildNamen[static_cast<std::size_t>(knopf.bild)]);
            if (knopf.art == CWortelement::Link) {
                w.SetForm(0,
                          LinkZiel(knopf.ziel >= 0 ? kategorie[static_cast<std::size_t>(knopf.ziel)]
                                                   : kStartKategorie));
            } else {
                for (int f = 0; f < CWortelement::kFormen; ++f) w.SetForm(f, knopf.formen[f]);
                w.SetPhonetisch(knopf.phonetisch);
            }
            if (!db.SaveWortelement(w, 0)) {
                ok = false;
                break;
            }
        }
    }
    if (ok && !startFuellen) {
        long letzte = 0;
        for (const CWortelement& e : start) letzte = std::max(letzte, e.GetPosition());
        CWortelement link;
        link.SetKategorie(kStartKategorie);
        link.SetAlteKategorie(kStartKategorie);
        link.SetPosition(letzte + 1);
        link.SetAltePosition(letzte + 1);
        link.SetArt(CWortelement::Link);
        const long wurzel = kategorie[static_cast<std::size_t>(paket.wurzel)];
        link.SetForm(0, LinkZiel(wurzel));
        CKategorie ziel;
        std::string name = paket.tafeln[static_cast<std::size_t>(paket.wurzel)].name;
        for (bool weiter = db.FirstKategorie(ziel); weiter; weiter = db.NextKategorie(ziel)) {
            if (ziel.GetIndex() == wurzel) name = ziel.GetName();
        }
        link.SetAnzeigetext(name);
        ok = db.SaveWortelement(link, 0);
    }
    if (!db.EndTransaction(ok)) {
        ablage.Zuruecknehmen();
        fehler =
            "Die Tafeln konnten nicht in die Benutzerdatei geschrieben werden; sie ist "
            "unverändert.";
        return false;
    }
    Melden(gesamt, "");
    return true;
}
