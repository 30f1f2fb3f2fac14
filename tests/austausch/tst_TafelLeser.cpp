// The reader's rules: ids, order, texts, actions, colours, links and the
// root, pictures.

#include "CBildDaten.h"
#include "TafelTest.h"

using namespace tafeltest;

namespace {

class TafelLeser : public ::testing::Test {
protected:
    CTempVerzeichnis m_ordner;
    std::string Datei(const std::string& name, const std::string& text) {
        const std::string pfad = m_ordner.Datei(name);
        Schreiben(pfad, text);
        return pfad;
    }
};

}  // namespace

TEST_F(TafelLeser, IdsUndReihenfolgeNachDemRaster) {
    // Numbers are ids ("0" among them), null cells and unknown ids are
    // skipped, buttons outside the grid follow in file order, and a second
    // button with the same id is dropped only when it is the same button.
    const CTafelPaket p = Lesen(Datei("a.obf", R"({"id": 7, "name": "Start", "buttons": [
        {"id": 0, "label": "null"}, {"id": "1", "label": "eins"}, {"id": 2, "label": "zwei"},
        {"id": 3, "label": "drei"}, {"id": 2, "label": "zwei"}, {"id": 2, "label": "zwei b"},
        {"label": "ohne id"}, {"id": 9}],
      "grid": {"rows": 2, "columns": 2, "order": [[2, null], ["x", 0], [0, 1.0]]}})"));
    ASSERT_EQ(p.tafeln.size(), 1u);
    EXPECT_EQ(p.tafeln[0].id, "7");
    EXPECT_EQ(Anzeigen(p.tafeln[0]),
              (std::vector<std::string>{"zwei", "null", "eins", "drei", "zwei b", "ohne id"}));

    const CTafelPaket ohneRaster = Lesen(Datei(
        "b.obf",
        R"({"name": "B", "buttons": [{"id": "b", "label": "b"}, {"id": "a", "label": "a"}]})"));
    EXPECT_EQ(Anzeigen(ohneRaster.tafeln[0]), (std::vector<std::string>{"b", "a"}));
}

TEST_F(TafelLeser, TexteGesprochenUndDeutsch) {
    CZusammenfassung z;
    const CTafelPaket p = Lesen(Datei("a.json", R"([{"id": "r", "name": "Root", "buttons": [
        {"id": 1, "label": "kids", "vocalization": "children"},
        {"id": 2, "label": "cat", "vocalization": "cat"},
        {"id": 3, "vocalization": "only spoken"},
        {"id": 4, "label": "x", "action": ":clear"},
        {"id": 5, "label": "Start", "action": ":home"},
        {"id": 6, "label": "+s", "actions": ["+s", ":space"]},
        {"id": 7}],
      "strings": {"en": {"kids": "youngsters"}, "de_AT": {"kids": "Kinder", "children": "Kinder da"},
                  "DE": {"cat": "Katze"}}}, {"id": "zweite", "buttons": []}])"),
                                &z);
    ASSERT_EQ(p.tafeln.size(), 2u);
    EXPECT_EQ(p.wurzel, 0);
    const auto& k = p.tafeln[0].knoepfe;
    ASSERT_EQ(k.size(), 6u);  // the button without any text is left out
    // "DE" is preferred to "de_AT": it has only cat.
    EXPECT_EQ(k[0].anzeige, "kids");
    EXPECT_EQ(k[0].phonetisch, "children");
    EXPECT_EQ(k[1].anzeige, "Katze");
    EXPECT_EQ(k[1].wort, "Katze");
    EXPECT_EQ(k[1].phonetisch, "");  // spoken "cat" is German "Katze" too
    EXPECT_EQ(k[2].anzeige, "only spoken");
    EXPECT_EQ(k[2].phonetisch, "");
    EXPECT_EQ(k[3].art, CWortelement::Wort);
    EXPECT_EQ(k[4].art, CWortelement::Link);
    EXPECT_EQ(k[4].ziel, CTafelPaket::kStartseite);
    EXPECT_EQ(z.aktionenUnbekannt, 2);
    EXPECT_EQ(z.knoepfe, 6);
    EXPECT_EQ(z.linksAufgeloest, 1);

    for (const char* ja : {"de", "de_DE", "de-AT", "DE-ch"})
        EXPECT_TRUE(CTafelLeser::IstDeutsch(ja)) << ja;
    for (const char* nein : {"en", "d", "den", ""})
        EXPECT_FALSE(CTafelLeser::IstDeutsch(nein)) << nein;
}

TEST(TafelFarben, GelesenOderVerworfen) {
    using F = CTafelPaket::Farbe;
    const std::vector<std::pair<std::string, std::optional<F>>> faelle = {
        {"rgb(255, 255, 255)", F{255, 255, 255, 255}},
        {"rgb( 255, 0,  0) ", F{255, 0, 0, 255}},
        {"rgba(0,255,0,0.5)", F{0, 255, 0, 128}},
        {"RGBA( 1 , 2 , 3 , 1 )", F{1, 2, 3, 255}},
        {"#444", F{0x44, 0x44, 0x44, 255}},
        {"#FFff32", F{0xff, 0xff, 0x32, 255}},
        {"rgb(256, 0, 0)", std::nullopt},
        {"rgba(0, 0, 0, 1.5)", std::nullopt},
        {"rgb(1, 2)", std::nullopt},
        {"hsl(0, 0%, 0%)", std::nullopt},
        {"#12345", std::nullopt},
        {"#ggg", std::nullopt},
        {"", std::nullopt}};
    for (const auto& [text, farbe] : faelle)
        EXPECT_EQ(CTafelLeser::FarbeLesen(text), farbe) << text;
}

TEST_F(TafelLeser, LinksUndWurzelOhneManifest) {
    // a -> b by path, b -> a by id (a circle), c -> nowhere, d -> the web;
    // no manifest: the root is the board no other links to.
    const std::string pfad = m_ordner.Datei("p.obz");
    Zip(pfad, {{"boards/b.obf", R"({"id": "B", "name": "Bee", "buttons": [
                   {"id": 1, "label": "zu a", "load_board": {"id": "A"}}]})"},
               {"boards/a.obf", R"({"id": "A", "name": "Aa", "buttons": [
                   {"id": 1, "load_board": {"path": "./boards/b.obf"}},
                   {"id": 2, "label": "leer", "load_board": {"path": "boards/fehlt.obf"}},
                   {"id": 3, "label": "netz", "load_board": {"url": "http://example.com/x"}}]})"},
               {"boards/start.obf", R"({"id": "S", "name": "Start", "buttons": [
                   {"id": 1, "label": "A", "load_board": {"path": "boards\\a.obf"}}]})"},
               {"__MACOSX/boards/._a.obf", "kein JSON"}});
    CZusammenfassung z;
    const CTafelPaket p = Lesen(pfad, &z);
    ASSERT_EQ(p.tafeln.size(), 3u);
    EXPECT_EQ(p.tafeln[static_cast<std::size_t>(p.wurzel)].name, "Start");
    EXPECT_EQ(z.wurzel, "Start");
    const auto Tafel = [&](const std::string& name) -> const CTafelPaket::Tafel& {
        for (const auto& t : p.tafeln) {
            if (t.name == name) return t;
        }
        throw std::runtime_error(name);
    };
    const auto& a = Tafel("Aa").knoepfe;
    ASSERT_EQ(a.size(), 3u);
    EXPECT_EQ(a[0].art, CWortelement::Link);
    EXPECT_EQ(p.tafeln[static_cast<std::size_t>(a[0].ziel)].name, "Bee");
    EXPECT_EQ(a[0].anzeige, "Bee");  // no label: the board's name
    EXPECT_EQ(a[1].art, CWortelement::Wort);
    EXPECT_EQ(a[1].wort, "leer");
    EXPECT_EQ(a[2].art, CWortelement::Wort);
    EXPECT_EQ(p.tafeln[static_cast<std::size_t>(Tafel("Bee").knoepfe[0].ziel)].name, "Aa");
    EXPECT_EQ(z.linksAufgeloest, 3);
    EXPECT_EQ(z.linksInsLeere, 1);
    EXPECT_EQ(z.linksExtern, 1);
}

TEST_F(TafelLeser, ManifestNenntWurzelUndBilder) {
    const std::string pfad = m_ordner.Datei("m.zip");
    Zip(pfad,
        {{"manifest.json", R"({"root": "x/zwei.obf", "paths": {"boards": {"1": "x/eins.obf"},
                                     "images": {"m": "bilder/m.png"}}})"},
         {"x/eins.obf",
          R"({"id": "1", "name": "Eins", "buttons": [{"id": 1, "label": "m", "image_id": "m"}]})"},
         {"x/zwei.obf",
          R"({"id": "2", "name": "Zwei", "buttons": [{"id": 1, "label": "1", "load_board": {"id": "1"}}]})"},
         {"bilder/m.png", Png(10, 10)}});
    CZusammenfassung z;
    const CTafelPaket p = Lesen(pfad, &z);
    EXPECT_EQ(z.wurzel, "Zwei");
    EXPECT_EQ(z.linksAufgeloest, 1);
    EXPECT_EQ(z.bilder, 1);
    ASSERT_EQ(p.bilder.size(), 1u);
    EXPECT_EQ(p.bilder[0].name, "m");
}

TEST_F(TafelLeser, BilderNachQuelleUndInhalt) {
    const std::string png = Png(20, 10);
    const std::string alsJpeg = "data:image/jpeg;base64," + CBildDaten::Base64Schreiben(png);
    const std::string svg =
        "<?xml version=\"1.0\"?>\n<!-- x -->\n<svg xmlns=\"http://www.w3.org/2000/svg\"/>";
    const std::string pfad = m_ordner.Datei("b.obz");
    Zip(pfad, {{"a.obf", R"({"id": "a", "name": "A", "buttons": [
                   {"id": 1, "label": "daten", "image_id": "d"},
                   {"id": 2, "label": "pfad", "image_id": "p"},
                   {"id": 3, "label": "woanders", "image_id": "w"},
                   {"id": 4, "label": "netz", "image_id": "u"},
                   {"id": 5, "label": "symbol", "image_id": "s"},
                   {"id": 6, "label": "wmf", "image_id": "wmf"},
                   {"id": 7, "label": "gif", "image_id": "gif"},
                   {"id": 8, "label": "riesig", "image_id": "gross"},
                   {"id": 9, "label": "kaputt", "image_id": "k"},
                   {"id": 10, "label": "fehlt", "image_id": "nirgends"},
                   {"id": 11, "label": "zweimal", "image_id": "p"}],
               "images": [{"id": "d", "data": ")" +
                             alsJpeg + R"(", "path": "svg.svg", "content_type": "image/jpeg"},
                          {"id": "p", "path": "svg.svg", "url": "http://example.com/a.png"},
                          {"id": "u", "url": "http://example.com/a.png"},
                          {"id": "s", "symbol": {"set": "x", "filename": "y.svg"}},
                          {"id": "wmf", "path": "a.wmf"}, {"id": "gif", "path": "a.gif"},
                          {"id": "gross", "path": "gross.png"},
                          {"id": "k", "data": "data:image/png,%89PNG"}]})"},
               {"b.obf", R"({"id": "b", "name": "B", "buttons": [],
                             "images": [{"id": "w", "path": "svg.svg"}]})"},
               {"svg.svg", svg},
               {"a.wmf", std::string("\xD7\xCD\xC6\x9A", 4) + std::string(40, '\0')},
               {"a.gif", "GIF89a" + std::string(40, '\0')},
               {"gross.png", Png(65535, 65535)}});
    CZusammenfassung z;
    const CTafelPaket p = Lesen(pfad, &z);
    const CTafelPaket::Tafel& a = p.tafeln[0].name == "A" ? p.tafeln[0] : p.tafeln[1];
    const auto Art = [&](std::size_t knopf) {
        const int b = a.knoepfe[knopf].bild;
        return b < 0 ? CBildDaten::Art::Unbekannt : p.bilder[static_cast<std::size_t>(b)].art;
    };
    EXPECT_EQ(Art(0), CBildDaten::Art::Png);  // the data, and its bytes say PNG
    EXPECT_EQ(Art(1), CBildDaten::Art::Svg);
    EXPECT_EQ(Art(2), CBildDaten::Art::Svg);  // found on the other board
    for (std::size_t k = 3; k <= 9; ++k) EXPECT_EQ(a.knoepfe[k].bild, -1) << a.knoepfe[k].anzeige;
    EXPECT_EQ(a.knoepfe[10].bild, a.knoepfe[1].bild);
    EXPECT_EQ(p.bilder.size(), 2u);  // svg.svg read once for p and w
    EXPECT_EQ(z.bilder, 4);
    EXPECT_EQ(z.bilderFehlen, 7);
    std::string alle;
    for (const std::string& h : z.hinweise) alle += h + "\n";
    EXPECT_NE(alle.find("2 Bilder nur als Adresse im Internet"), std::string::npos) << alle;
    EXPECT_NE(alle.find("2 Bilder in einem Format"), std::string::npos) << alle;
    EXPECT_NE(alle.find("1 Bild größer als 8192"), std::string::npos) << alle;
    EXPECT_NE(alle.find("keine base64"), std::string::npos) << alle;
    EXPECT_NE(alle.find("1 Bild fehlt im Paket"), std::string::npos) << alle;
}

TEST(TafelBildDaten, ErkanntAmInhalt) {
    using A = CBildDaten::Art;
    const std::vector<std::pair<std::string, A>> faelle = {
        {Png(1, 1), A::Png},
        {"\xFF\xD8\xFF\xE0" + std::string(20, '\0'), A::Jpeg},
        {"GIF87a" + std::string(10, '\0'), A::Gif},
        {"BM" + std::string(40, '\0'), A::Bmp},
        {std::string("\0\0\1\0\1\0", 6) + std::string(20, '\0'), A::Ico},
        {"\xEF\xBB\xBF  <svg>", A::Svg},
        {"<html><svg>", A::Unbekannt},
        {"", A::Unbekannt}};
    for (const auto& [daten, art] : faelle)
        EXPECT_EQ(CBildDaten::Erkennen(daten), art) << CBildDaten::Name(art);
    EXPECT_TRUE(CBildDaten::GroesseErlaubt(Png(8192, 4096), A::Png));
    EXPECT_FALSE(CBildDaten::GroesseErlaubt(Png(8193, 1), A::Png));
    EXPECT_FALSE(CBildDaten::GroesseErlaubt(Png(8000, 8000), A::Png));
    EXPECT_EQ(CBildDaten::Base64Lesen("aGFsbG8="), std::optional<std::string>("hallo"));
    EXPECT_EQ(CBildDaten::Base64Lesen("aGF\nsbG8"), std::optional<std::string>("hallo"));
    EXPECT_EQ(CBildDaten::Base64Lesen("aGF*bG8="), std::nullopt);
    EXPECT_EQ(CBildDaten::Base64Lesen("a=GFsbG8"), std::nullopt);
    EXPECT_EQ(*CBildDaten::Base64Lesen(CBildDaten::Base64Schreiben(std::string("\0\xff\x10", 3))),
              std::string("\0\xff\x10", 3));
}

TEST_F(TafelLeser, ZehntausendKnoepfeSchnell) {
    std::string text = R"({"id": "x", "name": "Viele", "buttons": [)";
    for (int i = 0; i < 10000; ++i) {
        text += (i ? "," : "") + std::string(R"({"id": )") + std::to_string(i) +
                R"(, "label": "w)" + std::to_string(i) + R"("})";
    }
    text += "]}";
    CZusammenfassung z;
    const CTafelPaket p = Lesen(Datei("viele.obf", text), &z);
    EXPECT_EQ(z.knoepfe, 10000);
    EXPECT_EQ(p.tafeln[0].knoepfe.back().anzeige, "w9999");
}
