// "editorvoll": the carer's editor commits on a full disk.
//
// The user file lies on a small memory disk of its own (tmpfs). Every round
// the editor's core (CEditorDaten, through which the editor's pages commit)
// opens on the document, the caption of a word element is changed, the
// disk is filled to the last byte and the change is committed: that commit
// must fail and the change must stay in the model. Then the space is given
// back, the same list is committed again, the editor and the document are
// closed, and the new caption must be in the file. Counted: changes lost
// from the model, changes not in the file, second commits that failed.
// Said besides: first commits that went through although the disk was full.
//
// Where mounting is not allowed the probe says "übersprungen", counts
// nothing and ends with 0.

#include <SQLiteCpp/SQLiteCpp.h>

#include <iostream>

#include "CEditorDaten.h"
#include "SondeBenutzer.h"
#include "SondeGemeinsam.h"
#include "SondeProben.h"

namespace sonde {

namespace {

struct CZaehler {
    long runden = 0;
    long trotzVoll = 0;
    long ausDemModell = 0;
    long zweiterFehlgeschlagen = 0;
    long verloren = 0;
};

std::string Anzeigetext(const std::string& datei, long index) {
    try {
        SQLite::Database db(datei, SQLite::OPEN_READONLY, 2000);
        SQLite::Statement q(db, "select Anzeigetext from Wortelement where [Index] = ?");
        q.bind(1, static_cast<std::int64_t>(index));
        return q.executeStep() ? q.getColumn(0).getString() : std::string("(keine Zeile)");
    } catch (const SQLite::Exception& e) {
        return std::string("(") + e.what() + ")";
    }
}

}  // namespace

int EditorVoll(const CArgumente& argumente) {
    const long runden = argumente.Zahl("--runden", 20);
    CArbeitsordner ordner;
    const std::string wurzel = ordner.Datei("platte");
    CKleinePlatte platte(wurzel, 8L << 20);
    if (!platte.Moeglich()) {
        std::cout << "editorvoll übersprungen (" << platte.Grund() << ")" << std::endl;
        return 0;
    }
    const std::string datei = wurzel + "/Toni.mdb";
    std::string fehler;
    if (!BenutzerAnlegen(datei, fehler)) {
        std::cerr << "Benutzerdatei nicht angelegt: " << fehler << '\n';
        return 2;
    }
    CZaehler z;
    for (long runde = 0; runde < runden; ++runde) {
        const std::string neu = "Geändert " + std::to_string(runde) + " äöüß";
        long index = 0;
        {
            CStillesDokument still;
            CSagwerkDoc& doc = *still.doc;
            doc.OpenUser(datei);
            if (doc.GetDatabase() == nullptr) {
                std::cerr << "Runde " << runde << ": die Benutzerdatei öffnet nicht\n";
                return 2;
            }
            doc.GetDatabase()->WaitForCheck();
            CEditorDaten daten(doc);
            CWortelement* e = daten.GetFirstWortelement();
            for (long k = runde % static_cast<long>(daten.GetWortelementCount()); e && k > 0; --k)
                e = daten.GetNextWortelement();
            if (e == nullptr) return 2;
            index = e->GetIndex();
            e->SetAnzeigetext(neu);
            e->SetChanged(true);
            platte.Fuellen();
            if (daten.CommitWortelemente()) {
                ++z.trotzVoll;
                std::cerr << "Runde " << runde << ": die Änderung ging trotz voller Platte durch\n";
            }
            const CWortelement* im = daten.FindWortelement(index);
            if (im == nullptr || im->GetAnzeigetext() != neu) {
                ++z.ausDemModell;
                std::cerr << "Runde " << runde << ": die Änderung ist aus dem Editor verschwunden\n";
            }
            platte.Freigeben();
            if (!daten.CommitWortelemente()) {
                ++z.zweiterFehlgeschlagen;
                std::cerr << "Runde " << runde << ": auch mit Platz nicht gespeichert: "
                          << (still.dialoge.fehler.empty() ? "" : still.dialoge.fehler.back())
                          << '\n';
            }
        }
        ++z.runden;
        const std::string inDatei = Anzeigetext(datei, index);
        if (inDatei != neu) {
            ++z.verloren;
            std::cerr << "Runde " << runde << ": in der Datei steht \"" << inDatei << "\"\n";
        }
    }
    std::cout << "editorvoll runden=" << z.runden << " verloren=" << z.verloren
              << " aus_dem_modell=" << z.ausDemModell
              << " zweiter_fehlgeschlagen=" << z.zweiterFehlgeschlagen
              << " trotz_voll_gespeichert=" << z.trotzVoll << std::endl;
    return z.verloren + z.ausDemModell + z.zweiterFehlgeschlagen == 0 ? 0 : 1;
}

}  // namespace sonde
