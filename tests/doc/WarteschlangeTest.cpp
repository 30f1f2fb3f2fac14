// The waiting queue on a disk that takes no new file: the room kept beside it
// takes the queue, and a cut-off write there loses nothing written before.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "CSatzWarteschlange.h"
#include "CTempVerzeichnis.h"

namespace {

using Saetze = std::vector<CSatzWarteschlange::Satz>;

TEST(Warteschlange, OhneNeueDateiNimmtDieReserveDieSaetze) {
    CTempVerzeichnis tmp;
    const std::string benutzer = tmp.Datei("Anna.mdb");
    const std::string reserve = tmp.Datei(".Anna.mdb.reserve");
    // No new file can be made where the queue is written: its temporary
    // name is taken by a folder.
    std::filesystem::create_directory(tmp.Datei(".Anna.mdb.warteschlange.neu"));
    {
        CSatzWarteschlange q;
        q.Oeffnen(benutzer);
        ASSERT_TRUE(std::filesystem::exists(reserve));
        EXPECT_TRUE(q.Anhaengen({"ich habe Durst ", ""}));
        EXPECT_TRUE(q.Anhaengen({"bitte Wasser ", ""}));
        EXPECT_TRUE(q.IsGesichert());
        EXPECT_EQ(std::filesystem::file_size(reserve), 256u * 1024u);
    }
    // A write cut off in the half written next leaves the one before whole.
    {
        std::fstream r(reserve, std::ios::in | std::ios::out | std::ios::binary);
        r.seekp(30);
        r.write("Müll", 5);
    }
    CSatzWarteschlange q;
    q.Oeffnen(benutzer);
    EXPECT_EQ(q.GetSaetze(), (Saetze{{"ich habe Durst ", ""}}));
    // Space again: the queue goes back beside the user file, the reserve
    // holds nothing more, and what was numbered keeps its number.
    const std::int64_t kennung = q.GetKennungen().at(0);
    std::filesystem::remove(tmp.Datei(".Anna.mdb.warteschlange.neu"));
    EXPECT_TRUE(q.Anhaengen({"danke ", ""}));
    CSatzWarteschlange wieder;
    wieder.Oeffnen(benutzer);
    EXPECT_EQ(wieder.GetSaetze(), (Saetze{{"ich habe Durst ", ""}, {"danke ", ""}}));
    EXPECT_EQ(wieder.GetKennungen().at(0), kennung);
    wieder.Leeren();
    CSatzWarteschlange leer;
    leer.Oeffnen(benutzer);
    EXPECT_TRUE(leer.IsLeer());
}

}  // namespace
