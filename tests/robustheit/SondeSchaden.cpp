// "schaden": the program opens damaged user files.
//
// Every file is a user file with 50 to 300 stored sentences, damaged in one
// of six ways. A child opens it through the document, clicks, speaks and
// closes it, within ten seconds. It must not crash, not hang, and must not
// write to a file that SQLite finds damaged: every byte of such a file
// stays as it was. Half of the files are checked in the background (as a
// big file is), so that the clicks and the sentence come before the check
// has ended.

#include <SQLiteCpp/SQLiteCpp.h>

#include <algorithm>
#include <filesystem>
#include <iostream>

#include "CDatenbank.h"
#include "SondeBenutzer.h"
#include "SondeProben.h"

namespace sonde {

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

std::size_t Seitengroesse(const Bytes& datei) {
    if (datei.size() < 100) return 4096;
    const std::size_t wert =
        (static_cast<unsigned char>(datei[16]) << 8) | static_cast<unsigned char>(datei[17]);
    return wert == 1 ? 65536 : wert < 512 ? 4096 : wert;
}

void BitKippen(Bytes& b, std::size_t pos, CZufall& z) {
    b[pos] = static_cast<char>(b[pos] ^ (1 << z.Zahl(0, 7)));
}

std::vector<long> IndexWurzeln(const std::string& datei) {
    std::vector<long> seiten;
    SQLite::Database db(datei, SQLite::OPEN_READONLY);
    SQLite::Statement q(db, "select rootpage from sqlite_master where type = 'index'");
    while (q.executeStep()) {
        if (q.getColumn(0).getInt64() > 0)
            seiten.push_back(static_cast<long>(q.getColumn(0).getInt64()));
    }
    return seiten;
}

// Damages the bytes in one of six ways; returns how, for the report.
std::string Beschaedigen(Bytes& b, const std::vector<long>& indexWurzeln, CZufall& z) {
    const std::size_t seite = Seitengroesse(b);
    const long seiten = static_cast<long>(b.size() / seite);
    const auto irgendwo = [&](std::size_t ab, std::size_t bis) {
        return static_cast<std::size_t>(z.Zahl(static_cast<long>(ab), static_cast<long>(bis) - 1));
    };
    switch (z.Zahl(0, 5)) {
        case 0: {
            const long n = z.Zahl(1, 8);
            for (long i = 0; i < n; ++i) BitKippen(b, irgendwo(100, b.size()), z);
            return std::to_string(n) + " Bits gekippt";
        }
        case 1: {
            const long wurzel = indexWurzeln.empty() ? 2 : z.Eines(indexWurzeln);
            const std::size_t anfang = static_cast<std::size_t>(wurzel - 1) * seite;
            if (anfang >= b.size()) return "Indexseite nicht in der Datei";
            BitKippen(b, irgendwo(anfang, std::min(anfang + seite, b.size())), z);
            return "Bit in Indexseite " + std::to_string(wurzel) + " gekippt";
        }
        case 2: {
            const long nr = z.Zahl(1, seiten);
            std::fill_n(b.begin() + static_cast<long>(nr - 1) * static_cast<long>(seite),
                        static_cast<long>(seite), '\0');
            return "Seite " + std::to_string(nr) + " genullt";
        }
        case 3: {
            const long behalten = z.Zahl(0, seiten - 1);
            b.resize(static_cast<std::size_t>(behalten) * seite);
            return "auf " + std::to_string(behalten) + " Seiten gekürzt";
        }
        case 4: {
            const long n = z.Zahl(1, 4);
            for (long i = 0; i < n; ++i) b[irgendwo(0, 100)] = static_cast<char>(z.Byte());
            return std::to_string(n) + " Bytes im Kopf überschrieben";
        }
        default: {
            const long n = z.Zahl(1, 3 * static_cast<long>(seite));
            for (long i = 0; i < n; ++i) b += static_cast<char>(z.Byte());
            return std::to_string(n) + " Bytes Müll angehängt";
        }
    }
}

// The child: uses the file as a person would, before and after the check.
int Benutzen(const std::string& datei, bool imHintergrund) {
    CDatenbank::Optionen optionen;
    if (imHintergrund) optionen.sofortPruefenBis = 0;
    CStillesDokument still(optionen);
    CSagwerkDoc& doc = *still.doc;
    doc.SetTaeglicheSicherung(true);
    doc.OpenUser(datei);
    const auto klicken = [&] {
        for (int i = 0; i < 3; ++i) doc.ElementClicked(i);
        doc.ElementClicked(CSagwerkDoc::kStartseite);
        doc.FunctionCode(80);  // the verbs
        doc.ElementClicked(0);
        doc.FunctionCode(80);
        doc.FunctionCode(93);  // the list of all sentences
        doc.SelectNext();
        doc.FunctionCode(93);
        doc.EmotionClicked(1);
        Tippen(doc, " Ich möchte bitte ein Glas Wasser trinken");
        doc.Speak();
        doc.FunctionCode(91);
    };
    klicken();
    if (doc.GetDatabase() != nullptr) doc.GetDatabase()->WaitForCheck();
    klicken();
    doc.Nachholen();
    doc.Sichern();
    doc.WaitForBackup();
    return 0;
}

}  // namespace

int Schaden(const CArgumente& argumente) {
    const long dateien = argumente.Zahl("--dateien", 100);
    const std::uint64_t saat = argumente.Saat();
    CFunde funde(argumente.Text("--funde", ""));
    CArbeitsordner ordner;
    CArbeitsordner vorlagen;
    // One new user for all: each file starts as a copy, so the run does not
    // wait for the disk on every one of its many first writes.
    const std::string vorlage = vorlagen.Datei("Vorlage.mdb");
    std::string fehler;
    if (!BenutzerAnlegen(vorlage, fehler)) {
        std::cerr << "Benutzerdatei nicht angelegt: " << fehler << '\n';
        return 2;
    }

    long erkannt = 0, abstuerze = 0, haenger = 0, schreibzugriffe = 0;
    for (long nr = 0; nr < dateien; ++nr) {
        CZufall z(saat, static_cast<std::uint64_t>(nr));
        const std::string heil = ordner.Datei("Heil" + std::to_string(nr) + ".mdb");
        const std::string datei = ordner.Datei("Schaden" + std::to_string(nr) + ".mdb");
        fs::copy_file(vorlage, heil);
        {
            CTestDialoge dialoge;
            CSystemUhr uhr;
            CDatenbank db(heil, dialoge, uhr);
            std::vector<std::pair<std::string, std::string>> saetze;
            for (long i = z.Zahl(50, 300); i > 0; --i) {
                const std::string satz = ZufallsSatz(z) + " " + std::to_string(i);
                saetze.emplace_back(satz, satz);
            }
            if (!db.StoreSentences(saetze)) {
                std::cerr << "Sätze nicht gespeichert\n";
                return 2;
            }
        }
        Bytes bytes = Lesen(heil);
        const std::string wie = Beschaedigen(bytes, IndexWurzeln(heil), z);
        fs::remove(heil);
        Schreiben(datei, bytes);
        const std::string befund = Integritaet(datei, true);
        const bool beschaedigt = befund != "ok";
        if (beschaedigt) ++erkannt;
        const Bytes vorher = Lesen(datei);
        const bool imHintergrund = z.Mal(50);

        CKind kind([&](CKind&) { return Benutzen(datei, imHintergrund); });
        const CEnde ende = kind.Beenden(In(10s));
        const bool geschrieben = beschaedigt && Lesen(datei) != vorher;

        const std::string name = "schaden-" + std::to_string(saat) + "-" + std::to_string(nr);
        const auto melden = [&](const std::string& was) {
            std::cerr << "Datei " << nr << " (" << wie << "; integrity_check: " << befund
                      << (imHintergrund ? "; Prüfung im Hintergrund" : "") << "): " << was << '\n';
            funde.Ablegen(name + ".mdb", vorher);
        };
        if (ende.art == CEnde::Art::Frist) {
            ++haenger;
            melden("hängt");
        } else if (ende.art == CEnde::Art::Signal) {
            ++abstuerze;
            melden("Absturz, " + ende.Text());
        } else if (!ende.Sauber()) {
            ++abstuerze;
            melden(ende.Text());
        }
        if (geschrieben) {
            ++schreibzugriffe;
            melden("in die beschädigte Datei geschrieben");
            funde.Kopieren(name + ".nachher.mdb", datei);
        }
        std::error_code ec;
        for (const auto& e : fs::directory_iterator(ordner.Pfad(), ec)) fs::remove_all(e, ec);
    }

    std::cout << "schaden dateien=" << dateien << " beschaedigt_erkannt=" << erkannt
              << " abstuerze=" << abstuerze << " haenger=" << haenger
              << " schreibzugriffe=" << schreibzugriffe << std::endl;
    return abstuerze + haenger + schreibzugriffe == 0 ? 0 : 1;
}

}  // namespace sonde
