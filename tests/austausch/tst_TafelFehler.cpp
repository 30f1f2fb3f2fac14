// Bad input: every case refused with a German sentence, nothing kept, and
// quickly.

#include <chrono>

#include "TafelTest.h"

using namespace tafeltest;

namespace {

struct Fall {
    const char* name;
    std::string inhalt;
    const char* meldung;  // part of the message
    bool zip = false;
};

std::string Verschachtelt(int tiefe) {
    return "{\"buttons\": " + std::string(static_cast<std::size_t>(tiefe), '[') +
           std::string(static_cast<std::size_t>(tiefe), ']') + "}";
}

}  // namespace

TEST(TafelFehler, JedeSchlechteDateiMitDeutscherMeldung) {
    CTempVerzeichnis ordner;
    const std::vector<Fall> faelle = {
        {"kein-json.obf", "Hallo, ich bin keine Tafel", "kein gültiges JSON"},
        {"abgebrochen.obf", "{\"buttons\": [", "kein gültiges JSON"},
        {"utf8.obf", "{\"name\": \"Gr\xFC\xDF\", \"buttons\": []}",
         "kein gültiger UTF-8-Text (Byte 13)"},
        {"ueberlang.obf", "{\"name\": \"\xC0\xAF\", \"buttons\": []}", "UTF-8"},
        {"tief.obf", Verschachtelt(10000), "tiefer als 200 Ebenen"},
        {"keine-tafel.json", "[1, 2, 3]", "enthält keine Tafel"},
        {"leer.obf", "", "leer"},
        {"kein-zip.obz", std::string("PK\3\4", 4) + std::string(100, 'x'),
         "kein gültiges Zip-Paket"},
        {"bombe.obz", RoheZip({{"a.obf", 150u << 20, 1000}}), "mehr als 100-fach gepackt"},
        {"gross.obz",
         RoheZip({{"a.obf", 80u << 20, 1u << 20},
                  {"b.obf", 80u << 20, 1u << 20},
                  {"c.obf", 80u << 20, 1u << 20}}),
         "größer als 200 MB"},
        {"hinaus.obz", RoheZip({{"../x.obf", 10, 10}}), "aus dem Paket hinausführt"},
        {"absolut.obz", RoheZip({{"/etc/x", 10, 10}}), "aus dem Paket hinausführt"},
        {"laufwerk.obz", RoheZip({{"C:\\x.obf", 10, 10}}), "aus dem Paket hinausführt"},
        {"verweis.obz", "", "Verweis", true},
        {"manifest.obz", "", "außerhalb des Pakets", true},
        {"ohne-tafel.obz", "", "enthält keine Tafel", true},
    };
    for (const Fall& f : faelle) {
        const std::string pfad = ordner.Datei(f.name);
        if (std::string(f.name) == "verweis.obz") {
            Zip(pfad, {{"a.obf", R"({"buttons": []})"}, {"b.obf", "/etc/passwd", true}});
        } else if (std::string(f.name) == "manifest.obz") {
            Zip(pfad,
                {{"manifest.json", R"({"root": "../../a.obf"})"}, {"a.obf", R"({"buttons": []})"}});
        } else if (std::string(f.name) == "ohne-tafel.obz") {
            Zip(pfad, {{"liesmich.txt", "nichts"}});
        } else {
            Schreiben(pfad, f.inhalt);
        }
        CTafelPaket paket;
        CZusammenfassung z;
        std::string fehler;
        const auto start = std::chrono::steady_clock::now();
        EXPECT_FALSE(CTafelLeser().Lesen(pfad, paket, z, fehler)) << f.name;
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(200))
            << f.name;
        EXPECT_NE(fehler.find(f.meldung), std::string::npos) << f.name << ": " << fehler;
        EXPECT_TRUE(paket.tafeln.empty()) << f.name;
        EXPECT_EQ(z.knoepfe, 0) << f.name;
    }
}

TEST(TafelFehler, RiesigeDateiWirdNichtGelesen) {
    // 500 MB of one string, sparse on the disk: refused by its size.
    CTempVerzeichnis ordner;
    const std::string pfad = ordner.Datei("riesig.obf");
    {
        std::ofstream aus(pfad, std::ios::binary);
        aus << "{\"name\": \"";
        aus.seekp(500LL << 20);
        aus << "\", \"buttons\": []}";
    }
    CTafelPaket paket;
    CZusammenfassung z;
    std::string fehler;
    EXPECT_FALSE(CTafelLeser().Lesen(pfad, paket, z, fehler));
    EXPECT_NE(fehler.find("größer als 64 MB"), std::string::npos) << fehler;
    EXPECT_FALSE(CTafelLeser().Lesen(ordner.Datei("gibt-es-nicht.obf"), paket, z, fehler));
    EXPECT_NE(fehler.find("gibt es nicht"), std::string::npos) << fehler;
}
