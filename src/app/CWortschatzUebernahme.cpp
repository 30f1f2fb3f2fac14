#include "CWortschatzUebernahme.h"

#include "CBildvorrat.h"
#include "CEditorDaten.h"
#include "CKategorie.h"
#include "CWortschatz.h"

namespace {

std::string Anf(const std::string& s) { return "\u201E" + s + "\u201C"; }

}  // namespace

std::vector<std::string> CWortschatzUebernahme::Kategorien(const CWortschatz& wortschatz) {
    std::vector<std::string> namen;
    for (const auto& s : wortschatz.GetSeiten())
        if (s.name != "HOME") namen.push_back(s.name);
    return namen;
}

bool CWortschatzUebernahme::Uebernehmen(const CWortschatz& wortschatz, const std::string& seite,
                                        CEditorDaten& daten, const std::string& ordner,
                                        const std::string& ressourcen, std::string& meldung) {
    const CWortschatz::CSeite* quelle = nullptr;
    for (const auto& s : wortschatz.GetSeiten())
        if (s.name == seite && s.name != "HOME") quelle = &s;
    if (quelle == nullptr) {
        meldung = "Der Grundwortschatz hat keine Kategorie " + Anf(seite) + ".";
        return false;
    }
    // A name the user has already is kept for the user's own category.
    CKategorie k;
    std::string name = seite;
    for (int n = 2; daten.FindKategorieByName(k, name); ++n) name = seite + " " + std::to_string(n);
    if (!daten.NewKategorie(name)) {
        meldung = "Die Kategorie " + Anf(name) + " konnte nicht angelegt werden.";
        return false;
    }
    const long neu = daten.GetKategorie().GetIndex();
    int genommen = 0, ohneZiel = 0;
    for (const auto& e : quelle->eintraege) {
        long ziel = 0;
        if (e.art == CWortschatz::CEintrag::Link) {
            CKategorie z;
            if (!daten.FindKategorieByName(z, e.text)) {
                ++ohneZiel;
                continue;
            }
            ziel = z.GetIndex();
        }
        daten.NewWortelement(e.art == CWortschatz::CEintrag::Verb   ? CWortelement::Verb
                             : e.art == CWortschatz::CEintrag::Link ? CWortelement::Link
                                                                    : CWortelement::Wort);
        CWortelement* w = daten.GetCurrentWortelement();
        CWortschatz::Fuellen(e, ziel, *w);
        w->SetChanged(true);
        ++genommen;
    }
    if (!daten.CommitWortelemente()) {
        meldung = "Die Kategorie " + Anf(name) + " konnte nicht gespeichert werden.";
        return false;
    }
    // The start page leads there, at its end.
    CKategorie start;
    if (!daten.FindKategorieByIndex(start, CEditorDaten::kStartKategorie) ||
        !daten.SelectKategorie(start.GetName())) {
        meldung = "Die Startseite konnte nicht gelesen werden.";
        return false;
    }
    CWortschatz::CEintrag link;
    link.art = CWortschatz::CEintrag::Link;
    link.text = name;
    link.bild = quelle->bild;
    daten.NewWortelement(CWortelement::Link);
    CWortschatz::Fuellen(link, neu, *daten.GetCurrentWortelement());
    daten.GetCurrentWortelement()->SetChanged(true);
    if (!daten.CommitWortelemente()) {
        meldung = "Der Link zu " + Anf(name) + " konnte nicht auf die Startseite.";
        return false;
    }
    daten.SelectKategorie(name);

    const CWortschatz auszug = wortschatz.Auszug(seite);
    std::string bildfehler;
    CBildvorrat(ressourcen).Kopieren(ordner, &auszug, bildfehler);
    meldung = "Die Kategorie " + Anf(name) +
              " ist aus dem Grundwortschatz übernommen: " + std::to_string(genommen) +
              (genommen == 1 ? " Eintrag" : " Einträge") +
              ", und die Startseite hat einen Link zu ihr.";
    if (ohneZiel > 0)
        meldung += " " + std::to_string(ohneZiel) +
                   (ohneZiel == 1 ? " Link führt" : " Links führen") +
                   " zu Kategorien, die dieser Benutzer nicht hat, und " +
                   (ohneZiel == 1 ? "fehlt." : "fehlen.");
    if (!bildfehler.empty()) meldung += " " + bildfehler;
    return true;
}
