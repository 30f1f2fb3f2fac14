#pragma once

// Helpers of the board exchange tests: board files and packages written on
// the spot, and a fresh user to import into.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <zip.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "BenutzerAnlegen.h"
#include "CDatenbank.h"
#include "CTafelLeser.h"
#include "CTempVerzeichnis.h"
#include "CTestDialoge.h"
#include "CTestUhr.h"

namespace tafeltest {

inline void Schreiben(const std::string& pfad, const std::string& daten) {
    std::ofstream(pfad, std::ios::binary) << daten;
}

struct Eintrag {
    std::string name, daten;
    bool verweis = false;  // a symbolic link
};

// A real package, written by libzip.
inline void Zip(const std::string& pfad, const std::vector<Eintrag>& eintraege) {
    int code = 0;
    zip_t* zip = zip_open(pfad.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &code);
    ASSERT_NE(zip, nullptr);
    for (const Eintrag& e : eintraege) {
        zip_source_t* q = zip_source_buffer(zip, e.daten.data(), e.daten.size(), 0);
        const zip_int64_t i = zip_file_add(zip, e.name.c_str(), q, ZIP_FL_ENC_UTF_8);
        ASSERT_GE(i, 0) << e.name;
        if (e.verweis) {
            zip_file_set_external_attributes(zip, static_cast<zip_uint64_t>(i), 0, ZIP_OPSYS_UNIX,
                                             static_cast<zip_uint32_t>(S_IFLNK | 0777) << 16);
        }
    }
    ASSERT_EQ(zip_close(zip), 0);
}

// A package whose directory says what the test wants, whatever the
// entries hold: names libzip would not write, sizes that lie.
struct RohEintrag {
    std::string name;
    std::uint32_t groesse, gepackt;
};
inline std::string RoheZip(const std::vector<RohEintrag>& eintraege) {
    const auto U16 = [](std::string& s, std::uint32_t v) {
        s += static_cast<char>(v & 0xFF);
        s += static_cast<char>((v >> 8) & 0xFF);
    };
    const auto U32 = [&](std::string& s, std::uint32_t v) {
        U16(s, v & 0xFFFF);
        U16(s, v >> 16);
    };
    std::string daten, verzeichnis;
    for (const RohEintrag& e : eintraege) {
        const std::uint32_t versatz = static_cast<std::uint32_t>(daten.size());
        for (std::string* s : {&daten, &verzeichnis}) {
            const bool zentral = s == &verzeichnis;
            U32(*s, zentral ? 0x02014b50 : 0x04034b50);
            if (zentral) U16(*s, 20);
            U16(*s, 20);
            U16(*s, 0);
            U16(*s, 8);  // deflated
            U16(*s, 0);
            U16(*s, 0);
            U32(*s, 0);
            U32(*s, e.gepackt);
            U32(*s, e.groesse);
            U16(*s, static_cast<std::uint32_t>(e.name.size()));
            U16(*s, 0);
            if (zentral) {
                U16(*s, 0);
                U16(*s, 0);
                U16(*s, 0);
                U32(*s, 0);
                U32(*s, versatz);
            }
            *s += e.name;
        }
        daten += std::string(e.gepackt, '\0');
    }
    const std::uint32_t anfang = static_cast<std::uint32_t>(daten.size());
    std::string ende;
    U32(ende, 0x06054b50);
    U16(ende, 0);
    U16(ende, 0);
    U16(ende, static_cast<std::uint32_t>(eintraege.size()));
    U16(ende, static_cast<std::uint32_t>(eintraege.size()));
    U32(ende, static_cast<std::uint32_t>(verzeichnis.size()));
    U32(ende, anfang);
    U16(ende, 0);
    return daten + verzeichnis + ende;
}

// The head of a PNG of the given size: enough to be recognised and measured.
inline std::string Png(std::uint32_t breite, std::uint32_t hoehe, const std::string& rest = "") {
    std::string s = "\x89PNG\r\n\x1A\n";
    s += std::string("\0\0\0\x0DIHDR", 8);
    for (std::uint32_t v : {breite, hoehe}) {
        for (int b = 3; b >= 0; --b) s += static_cast<char>((v >> (8 * b)) & 0xFF);
    }
    s += std::string("\x08\x06\0\0\0", 5) + std::string("\0\0\0\0", 4) + rest;
    return s;
}

// A fresh user file in a folder of its own.
struct Benutzer {
    CTempVerzeichnis ordner;
    CTestDialoge dialoge;
    CTestUhr uhr;
    std::string datei = ordner.Datei("Test.mdb");

    Benutzer() {
        std::string fehler;
        EXPECT_TRUE(CreateUserDatabase(datei, "Test", "Person", fehler)) << fehler;
    }
    std::unique_ptr<CDatenbank> Db() { return std::make_unique<CDatenbank>(datei, dialoge, uhr); }
};

// Reads a board file; fails the test with the reader's message.
inline CTafelPaket Lesen(const std::string& pfad, CZusammenfassung* z = nullptr) {
    CTafelPaket paket;
    CZusammenfassung zz;
    std::string fehler;
    EXPECT_TRUE(CTafelLeser().Lesen(pfad, paket, zz, fehler)) << fehler;
    if (z != nullptr) *z = zz;
    return paket;
}

inline std::vector<std::string> Anzeigen(const CTafelPaket::Tafel& t) {
    std::vector<std::string> a;
    for (const auto& k : t.knoepfe) a.push_back(k.anzeige);
    return a;
}

inline std::string Beispiel(const std::string& name) {
    return std::string(SAGWERK_OBF_BEISPIELE) + "/" + name;
}
#define BEISPIELE_NOETIG()                                                     \
    if (!std::filesystem::exists(SAGWERK_OBF_BEISPIELE)) {                     \
        GTEST_SKIP() << "Die Beispieltafeln liegen nicht neben dem Checkout."; \
    }

}  // namespace tafeltest
