// The noun phrase in a sentence: a table of sentences, each the words before
// the noun (preposition, verb, possessive, number), the article chosen, the
// number and the case named, and the sentence it must give.

#include <gtest/gtest.h>

#include <map>
#include <sstream>

#include "CNomenphrase.h"

namespace {

using Fall = CNomen::Fall;
using G = CNomen::Geschlecht;
using A = CNomenphrase::Artikel;

CNomen Nomen(G g, std::array<const char*, 8> formen) {
    CNomen n;
    n.SetGeschlecht(g);
    for (int i = 0; i < 8; ++i) n.SetForm(i, formen[static_cast<std::size_t>(i)]);
    return n;
}

const std::map<std::string, CNomen>& Woerterbuch() {
    static const std::map<std::string, CNomen> w = {
        {"Bus", Nomen(G::Maennlich, {"Bus", "Bus", "Bus", "Busses", "Busse", "Busse", "Bussen", "Busse"})},
        {"Apfel", Nomen(G::Maennlich, {"Apfel", "Apfel", "Apfel", "Apfels", "Äpfel", "Äpfel", "Äpfeln", "Äpfel"})},
        {"Park", Nomen(G::Maennlich, {"Park", "Park", "Park", "Parks", "Parks", "Parks", "Parks", "Parks"})},
        {"Tisch", Nomen(G::Maennlich, {"Tisch", "Tisch", "Tisch", "Tisches", "Tische", "Tische", "Tischen", "Tische"})},
        {"Bruder", Nomen(G::Maennlich, {"Bruder", "Bruder", "Bruder", "Bruders", "Brüder", "Brüder", "Brüdern", "Brüder"})},
        {"Student", Nomen(G::Maennlich, {"Student", "Studenten", "Studenten", "Studenten", "Studenten", "Studenten", "Studenten", "Studenten"})},
        {"Katze", Nomen(G::Weiblich, {"Katze", "Katze", "Katze", "Katze", "Katzen", "Katzen", "Katzen", "Katzen"})},
        {"Schule", Nomen(G::Weiblich, {"Schule", "Schule", "Schule", "Schule", "Schulen", "Schulen", "Schulen", "Schulen"})},
        {"Mutter", Nomen(G::Weiblich, {"Mutter", "Mutter", "Mutter", "Mutter", "Mütter", "Mütter", "Müttern", "Mütter"})},
        {"Musik", Nomen(G::Weiblich, {"Musik", "Musik", "Musik", "Musik", "", "", "", ""})},
        {"Bett", Nomen(G::Saechlich, {"Bett", "Bett", "Bett", "Betts", "Betten", "Betten", "Betten", "Betten"})},
        {"Kind", Nomen(G::Saechlich, {"Kind", "Kind", "Kind", "Kinds", "Kinder", "Kinder", "Kindern", "Kinder"})},
        {"Auto", Nomen(G::Saechlich, {"Auto", "Auto", "Auto", "Autos", "Autos", "Autos", "Autos", "Autos"})},
        {"Haus", Nomen(G::Saechlich, {"Haus", "Haus", "Haus", "Hauses", "Häuser", "Häuser", "Häusern", "Häuser"})},
        {"Eltern", Nomen(G::NurMehrzahl, {"", "", "", "", "Eltern", "Eltern", "Eltern", "Eltern"})},
        // As a carer may leave it: only some forms filled in.
        {"Opa", Nomen(G::Maennlich, {"Opa", "", "", "", "", "", "", ""})},
    };
    return w;
}

// "fahre:fahren" is a finite verb with its base form, "=gehen" an
// infinitive, "dem_Bus/D" a noun phrase in the dative (A accusative, N
// nominative); anything else a plain word.
std::vector<CNomenphrase::CWort> Davor(const std::string& text) {
    std::vector<CNomenphrase::CWort> woerter;
    std::istringstream ein(text);
    for (std::string t; ein >> t;) {
        CNomenphrase::CWort w;
        if (const auto doppel = t.find(':'); doppel != std::string::npos) {
            w.art = CNomenphrase::CWort::VerbFinit;
            w.grundform = t.substr(doppel + 1);
            for (char& c : w.grundform)
                if (c == '_') c = ' ';
            t = t.substr(0, doppel);
        } else if (t[0] == '=') {
            w.art = CNomenphrase::CWort::VerbInfinit;
            t = w.grundform = t.substr(1);
        } else if (const auto strich = t.find('/'); strich != std::string::npos) {
            w.art = CNomenphrase::CWort::Nomen;
            const char f = t[strich + 1];
            w.fall = f == 'D' ? Fall::Dativ : f == 'A' ? Fall::Akkusativ : Fall::Nominativ;
            t = t.substr(0, strich);
        }
        for (char& c : t)
            if (c == '_') c = ' ';
        w.text = t;
        woerter.push_back(w);
    }
    return woerter;
}

struct CZeile {
    const char* davor;
    const char* nomen;
    A artikel;
    int zahl;          // 1 singular, 2 "mehrere"
    const char* fall;  // "", "Wem" or "Wen"
    const char* satz;
};

std::string Satz(const CZeile& z) {
    std::vector<CNomenphrase::CWort> davor = Davor(z.davor);
    CNomenphrase::CWahl wahl;
    wahl.artikel = z.artikel;
    wahl.mehrzahl = z.zahl == 2;
    if (std::string(z.fall) == "Wem") wahl.fall = Fall::Dativ;
    if (std::string(z.fall) == "Wen") wahl.fall = Fall::Akkusativ;
    const CNomenphrase::CErgebnis r =
        CNomenphrase::Bilden(davor, Woerterbuch().at(z.nomen), wahl, z.nomen);
    if (r.geaendert >= 0) davor[static_cast<std::size_t>(r.geaendert)].text = r.neu;
    std::string satz;
    for (const auto& w : davor) satz += w.text + " ";
    return satz + r.text;
}

constexpr A B = A::Bestimmt;
constexpr A U = A::Unbestimmt;
constexpr A K = A::Keiner;

const CZeile kTabelle[] = {
    // Nominative: nothing before, or after sein, werden, bleiben, heißen.
    {"", "Bus", B, 1, "", "der Bus"},
    {"", "Katze", B, 1, "", "die Katze"},
    {"", "Bett", B, 1, "", "das Bett"},
    {"", "Bus", U, 1, "", "ein Bus"},
    {"", "Katze", U, 1, "", "eine Katze"},
    {"", "Bett", U, 1, "", "ein Bett"},
    {"", "Bus", B, 2, "", "die Busse"},
    {"", "Katze", U, 2, "", "Katzen"},
    {"", "Kind", K, 2, "", "Kinder"},
    {"", "Eltern", B, 1, "", "die Eltern"},
    {"", "Student", B, 1, "", "der Student"},
    {"das ist:sein", "Apfel", U, 1, "", "das ist ein Apfel"},
    {"das ist:sein", "Auto", B, 1, "", "das ist das Auto"},
    {"das sind:sein", "Kind", U, 2, "", "das sind Kinder"},
    {"er bleibt:bleiben", "Student", U, 1, "", "er bleibt ein Student"},
    {"er wird:werden", "Bruder", U, 1, "", "er wird ein Bruder"},
    {"=essen", "Apfel", U, 1, "", "essen ein Apfel"},
    // Accusative after a finite full verb.
    {"ich möchte:möchten", "Apfel", U, 1, "", "ich möchte einen Apfel"},
    {"ich möchte:möchten", "Apfel", B, 1, "", "ich möchte den Apfel"},
    {"ich möchte:möchten", "Apfel", U, 2, "", "ich möchte Äpfel"},
    {"ich möchte:möchten", "Apfel", B, 2, "", "ich möchte die Äpfel"},
    {"ich möchte:möchten", "Katze", U, 1, "", "ich möchte eine Katze"},
    {"ich möchte:möchten", "Bett", B, 1, "", "ich möchte das Bett"},
    {"ich sehe:sehen", "Bruder", B, 1, "", "ich sehe den Bruder"},
    {"ich sehe:sehen", "Student", U, 1, "", "ich sehe einen Studenten"},
    {"du hast:haben", "Musik", B, 1, "", "du hast die Musik"},
    {"wir haben:haben", "Auto", U, 1, "", "wir haben ein Auto"},
    {"wir haben:haben", "Eltern", B, 1, "", "wir haben die Eltern"},
    {"ich brauche:brauchen", "Bus", B, 1, "", "ich brauche den Bus"},
    {"ich esse:essen gern", "Apfel", U, 2, "", "ich esse gern Äpfel"},
    {"er mag:mögen", "Schule", K, 1, "Wen", "er mag Schule"},
    // Dative after a few verbs.
    {"ich helfe:helfen", "Mutter", B, 1, "", "ich helfe der Mutter"},
    {"das gehört:gehören", "Bruder", B, 1, "", "das gehört dem Bruder"},
    {"ich danke:danken", "Kind", B, 2, "", "ich danke den Kindern"},
    {"das gefällt:gefallen", "Student", U, 1, "", "das gefällt einem Studenten"},
    {"ich höre:zuhören", "Bruder", B, 1, "", "ich höre dem Bruder"},
    // Prepositions with the dative.
    {"ich fahre:fahren mit", "Bus", B, 1, "", "ich fahre mit dem Bus"},
    {"ich fahre:fahren mit", "Bus", U, 1, "", "ich fahre mit einem Bus"},
    {"ich fahre:fahren mit", "Auto", B, 1, "", "ich fahre mit dem Auto"},
    {"ich spiele:spielen mit", "Katze", B, 1, "", "ich spiele mit der Katze"},
    {"ich spiele:spielen mit", "Katze", U, 1, "", "ich spiele mit einer Katze"},
    {"ich spiele:spielen mit", "Kind", B, 2, "", "ich spiele mit den Kindern"},
    {"ich spiele:spielen mit", "Katze", B, 2, "", "ich spiele mit den Katzen"},
    {"ich spiele:spielen mit", "Kind", K, 2, "", "ich spiele mit Kindern"},
    {"ich spiele:spielen mit", "Eltern", B, 1, "", "ich spiele mit den Eltern"},
    {"ich spreche:sprechen mit", "Student", B, 1, "", "ich spreche mit dem Studenten"},
    {"ich gehe:gehen zu", "Park", B, 1, "", "ich gehe zum Park"},
    {"ich gehe:gehen zu", "Schule", B, 1, "", "ich gehe zur Schule"},
    {"ich gehe:gehen zu", "Bett", B, 1, "", "ich gehe zum Bett"},
    {"ich gehe:gehen zu", "Schule", U, 1, "", "ich gehe zu einer Schule"},
    {"ich gehe:gehen zu", "Kind", B, 2, "", "ich gehe zu den Kindern"},
    {"ich gehe:gehen zu", "Mutter", B, 1, "", "ich gehe zur Mutter"},
    {"ich gehe:gehen zu", "Eltern", B, 1, "", "ich gehe zu den Eltern"},
    {"ich bin:sein bei", "Bruder", B, 1, "", "ich bin beim Bruder"},
    {"ich bin:sein bei", "Mutter", B, 1, "", "ich bin bei der Mutter"},
    {"ich bin:sein bei", "Kind", B, 1, "", "ich bin beim Kind"},
    {"ich bin:sein bei", "Bruder", U, 1, "", "ich bin bei einem Bruder"},
    {"das Buch ist:sein von", "Bruder", B, 1, "", "das Buch ist vom Bruder"},
    {"ich komme:kommen von", "Schule", B, 1, "", "ich komme von der Schule"},
    {"es fällt:fallen von", "Tisch", B, 1, "", "es fällt vom Tisch"},
    {"ich steige:aussteigen aus", "Auto", B, 1, "", "ich steige aus dem Auto"},
    {"ich komme:kommen aus", "Haus", B, 1, "", "ich komme aus dem Haus"},
    {"ich komme:kommen aus", "Schule", B, 1, "", "ich komme aus der Schule"},
    {"ich komme:kommen aus", "Bus", B, 2, "", "ich komme aus den Bussen"},
    {"ich gehe:gehen nach", "Schule", B, 1, "", "ich gehe nach der Schule"},
    {"ich fahre:fahren nach", "Park", B, 1, "", "ich fahre nach dem Park"},
    {"ich warte:warten seit", "Bus", U, 1, "", "ich warte seit einem Bus"},
    {"wir wohnen:wohnen gegenüber", "Park", B, 1, "", "wir wohnen gegenüber dem Park"},
    {"wir wohnen:wohnen gegenüber", "Schule", U, 1, "", "wir wohnen gegenüber einer Schule"},
    {"alle außer", "Bruder", B, 1, "", "alle außer dem Bruder"},
    {"ab", "Schule", B, 1, "", "ab der Schule"},
    // Prepositions with the accusative.
    {"das ist:sein für", "Bruder", B, 1, "", "das ist für den Bruder"},
    {"das ist:sein für", "Mutter", B, 1, "", "das ist für die Mutter"},
    {"das ist:sein für", "Kind", U, 1, "", "das ist für ein Kind"},
    {"das ist:sein für", "Kind", B, 2, "", "das ist für die Kinder"},
    {"das ist:sein für", "Student", B, 1, "", "das ist für den Studenten"},
    {"ich gehe:gehen durch", "Park", B, 1, "", "ich gehe durch den Park"},
    {"ich gehe:gehen durch", "Haus", B, 1, "", "ich gehe durch das Haus"},
    {"ich laufe:laufen gegen", "Tisch", B, 1, "", "ich laufe gegen den Tisch"},
    {"ich laufe:laufen gegen", "Auto", U, 1, "", "ich laufe gegen ein Auto"},
    {"ich gehe:gehen ohne", "Katze", B, 1, "", "ich gehe ohne die Katze"},
    {"ich gehe:gehen ohne", "Bruder", U, 1, "", "ich gehe ohne einen Bruder"},
    {"ich gehe:gehen ohne", "Eltern", B, 1, "", "ich gehe ohne die Eltern"},
    {"wir sitzen:sitzen um", "Tisch", B, 1, "", "wir sitzen um den Tisch"},
    // in, an, auf ...: where (dative) without a verb of motion, where to
    // (accusative) after one.
    {"ich schlafe:schlafen in", "Bett", B, 1, "", "ich schlafe im Bett"},
    {"ich gehe:gehen in", "Bett", B, 1, "", "ich gehe ins Bett"},
    {"ich bin:sein in", "Schule", B, 1, "", "ich bin in der Schule"},
    {"ich gehe:gehen in", "Schule", B, 1, "", "ich gehe in die Schule"},
    {"ich bin:sein in", "Park", B, 1, "", "ich bin im Park"},
    {"ich gehe:gehen in", "Park", B, 1, "", "ich gehe in den Park"},
    {"ich fahre:fahren in", "Park", U, 1, "", "ich fahre in einen Park"},
    {"ich spiele:spielen in", "Haus", U, 1, "", "ich spiele in einem Haus"},
    {"ich laufe:laufen in", "Haus", B, 1, "", "ich laufe ins Haus"},
    {"ich bestelle:bestellen in", "Haus", B, 1, "", "ich bestelle im Haus"},
    {"ich lege:hinlegen mich in", "Bett", B, 1, "", "ich lege mich ins Bett"},
    {"ich sitze:sitzen an", "Tisch", B, 1, "", "ich sitze am Tisch"},
    {"ich gehe:gehen an", "Tisch", B, 1, "", "ich gehe an den Tisch"},
    {"ich gehe:gehen an", "Bett", B, 1, "", "ich gehe ans Bett"},
    {"ich warte:warten an", "Schule", B, 1, "", "ich warte an der Schule"},
    {"ich komme:kommen an", "Schule", B, 1, "", "ich komme an die Schule"},
    {"das Buch liegt:liegen auf", "Tisch", B, 1, "", "das Buch liegt auf dem Tisch"},
    {"ich lege:legen das Buch auf", "Tisch", B, 1, "", "ich lege das Buch auf den Tisch"},
    {"ich springe:springen auf", "Bett", B, 1, "", "ich springe auf das Bett"},
    {"ich sitze:sitzen auf", "Bett", B, 1, "", "ich sitze auf dem Bett"},
    {"ich setze:sich_setzen mich auf", "Bett", B, 1, "", "ich setze mich auf das Bett"},
    {"die Lampe hängt:hängen über", "Tisch", B, 1, "", "die Lampe hängt über dem Tisch"},
    {"ich fliege:fliegen über", "Haus", B, 1, "", "ich fliege über das Haus"},
    {"die Katze schläft:schlafen unter", "Tisch", B, 1, "", "die Katze schläft unter dem Tisch"},
    {"die Katze kriecht:kriechen unter", "Tisch", B, 1, "", "die Katze kriecht unter den Tisch"},
    {"ich warte:warten vor", "Schule", B, 1, "", "ich warte vor der Schule"},
    {"ich stelle:stellen das Auto vor", "Haus", B, 1, "", "ich stelle das Auto vor das Haus"},
    {"der Ball ist:sein hinter", "Haus", B, 1, "", "der Ball ist hinter dem Haus"},
    {"der Ball rollt:rollen hinter", "Haus", B, 1, "", "der Ball rollt hinter das Haus"},
    {"ich sitze:sitzen neben", "Bruder", B, 1, "", "ich sitze neben dem Bruder"},
    {"ich setze:sich_setzen mich neben", "Bruder", B, 1, "", "ich setze mich neben den Bruder"},
    {"ich stehe:stehen zwischen", "Kind", B, 2, "", "ich stehe zwischen den Kindern"},
    {"ich gehe:gehen zwischen", "Auto", B, 2, "", "ich gehe zwischen die Autos"},
    {"ich will:wollen in", "Bett", B, 1, "", "ich will im Bett"},
    {"ich will:wollen in", "Bett", B, 1, "Wen", "ich will ins Bett"},
    {"=gehen in", "Schule", B, 1, "", "gehen in die Schule"},
    // Capitals at the start stay.
    {"Mit", "Bus", B, 1, "", "Mit dem Bus"},
    {"Zu", "Schule", B, 1, "", "Zur Schule"},
    {"In", "Bett", B, 1, "", "Im Bett"},
    {"Bei", "Mutter", B, 1, "", "Bei der Mutter"},
    // A preposition that holds the article already.
    {"ich gehe:gehen zum", "Park", B, 1, "", "ich gehe zum Park"},
    {"ich bin:sein im", "Bett", B, 1, "", "ich bin im Bett"},
    {"ich gehe:gehen ins", "Haus", B, 1, "", "ich gehe ins Haus"},
    {"ich bin:sein beim", "Bruder", B, 1, "", "ich bin beim Bruder"},
    {"ich gehe:gehen zur", "Schule", B, 1, "", "ich gehe zur Schule"},
    // Genitive.
    {"wegen", "Bus", B, 1, "", "wegen des Busses"},
    {"trotz", "Katze", B, 1, "", "trotz der Katze"},
    {"während", "Schule", B, 1, "", "während der Schule"},
    {"statt", "Apfel", U, 1, "", "statt eines Apfels"},
    {"wegen", "Kind", B, 2, "", "wegen der Kinder"},
    // Possessives take the article's place and its ending.
    {"ich spiele:spielen mit mein", "Bruder", B, 1, "", "ich spiele mit meinem Bruder"},
    {"ich spiele:spielen mit mein", "Bruder", U, 1, "", "ich spiele mit meinem Bruder"},
    {"ich spiele:spielen mit dein", "Katze", B, 1, "", "ich spiele mit deiner Katze"},
    {"ich sehe:sehen sein", "Auto", B, 1, "", "ich sehe sein Auto"},
    {"ich sehe:sehen sein", "Bruder", B, 1, "", "ich sehe seinen Bruder"},
    {"ich sehe:sehen ihr", "Mutter", B, 1, "", "ich sehe ihre Mutter"},
    {"unser", "Kind", B, 2, "", "unsere Kinder"},
    {"ich spiele:spielen mit euer", "Katze", B, 1, "", "ich spiele mit eurer Katze"},
    {"ich sehe:sehen euer", "Bruder", B, 1, "", "ich sehe euren Bruder"},
    {"das ist:sein euer", "Auto", B, 1, "", "das ist euer Auto"},
    {"das ist:sein unser", "Schule", B, 1, "", "das ist unsere Schule"},
    {"ich gehe:gehen zu mein", "Eltern", B, 1, "", "ich gehe zu meinen Eltern"},
    {"ich gehe:gehen zu mein", "Mutter", B, 1, "", "ich gehe zu meiner Mutter"},
    {"ich gehe:gehen in mein", "Bett", B, 1, "", "ich gehe in mein Bett"},
    {"ich schlafe:schlafen in mein", "Bett", B, 1, "", "ich schlafe in meinem Bett"},
    {"Mein", "Bruder", B, 1, "", "Mein Bruder"},
    {"ich sehe:sehen meine", "Bruder", B, 1, "", "ich sehe meinen Bruder"},
    {"ich sehe:sehen meine", "Bruder", B, 2, "", "ich sehe meine Brüder"},
    {"das ist:sein für dein", "Kind", B, 2, "", "das ist für deine Kinder"},
    {"wegen mein", "Bruder", B, 1, "", "wegen meines Bruders"},
    // "kein" makes the noun plural unless an article says one.
    {"ich habe:haben kein", "Katze", K, 1, "", "ich habe keine Katzen"},
    {"ich habe:haben kein", "Katze", U, 1, "", "ich habe keine Katze"},
    {"ich habe:haben kein", "Apfel", U, 1, "", "ich habe keinen Apfel"},
    {"ich habe:haben kein", "Auto", U, 1, "", "ich habe kein Auto"},
    {"ich fahre:fahren mit kein", "Auto", U, 1, "", "ich fahre mit keinem Auto"},
    {"ich spiele:spielen mit kein", "Kind", K, 1, "", "ich spiele mit keinen Kindern"},
    {"das ist:sein kein", "Apfel", B, 1, "", "das ist kein Apfel"},
    // Numbers 2-12 make it plural; the definite article goes before them.
    {"wir haben:haben zwei", "Katze", K, 1, "", "wir haben zwei Katzen"},
    {"ich spiele:spielen mit drei", "Kind", K, 1, "", "ich spiele mit drei Kindern"},
    {"ich möchte:möchten 2", "Apfel", K, 1, "", "ich möchte 2 Äpfel"},
    {"ich möchte:möchten zwölf", "Apfel", U, 1, "", "ich möchte zwölf Äpfel"},
    {"ich sehe:sehen zwei", "Katze", B, 1, "", "ich sehe die zwei Katzen"},
    {"ich spiele:spielen mit zwei", "Kind", B, 1, "", "ich spiele mit den zwei Kindern"},
    {"fünf", "Bus", B, 1, "", "die fünf Busse"},
    {"ich habe:haben Zehn", "Auto", K, 1, "", "ich habe Zehn Autos"},
    {"wegen zwei", "Kind", B, 1, "", "wegen der zwei Kinder"},
    // Wem/Wen names the case for one noun.
    {"ich gebe:geben", "Bruder", B, 1, "Wem", "ich gebe dem Bruder"},
    {"ich gebe:geben dem_Bruder/D", "Apfel", U, 1, "", "ich gebe dem Bruder einen Apfel"},
    {"ich helfe:helfen", "Mutter", B, 1, "Wen", "ich helfe die Mutter"},
    {"ich schlafe:schlafen in", "Bett", B, 1, "Wen", "ich schlafe ins Bett"},
    {"ich gehe:gehen in", "Bett", B, 1, "Wem", "ich gehe im Bett"},
    {"", "Katze", U, 1, "Wem", "einer Katze"},
    {"", "Kind", B, 2, "Wem", "den Kindern"},
    {"ich zeige:zeigen", "Kind", B, 2, "Wem", "ich zeige den Kindern"},
    {"ich fahre:fahren mit", "Bus", B, 1, "Wen", "ich fahre mit den Bus"},
    // After "und" / "oder" the case of the noun before.
    {"ich spiele:spielen mit dem_Bruder/D und", "Katze", B, 1, "", "ich spiele mit dem Bruder und der Katze"},
    {"ich sehe:sehen den_Bruder/A und", "Katze", B, 1, "", "ich sehe den Bruder und die Katze"},
    {"ich fahre:fahren mit dem_Bus/D oder", "Auto", B, 1, "", "ich fahre mit dem Bus oder dem Auto"},
    {"der_Bruder/N und", "Mutter", B, 1, "", "der Bruder und die Mutter"},
    // Nouns with few forms: only singular, only plural, forms left empty.
    {"ich mag:mögen", "Musik", B, 2, "", "ich mag die Musik"},
    {"wir haben:haben zwei", "Musik", K, 1, "", "wir haben zwei Musik"},
    {"ich sehe:sehen", "Eltern", U, 1, "", "ich sehe Eltern"},
    {"ich sehe:sehen", "Eltern", B, 2, "", "ich sehe die Eltern"},
    {"ich spiele:spielen mit", "Opa", B, 1, "", "ich spiele mit dem Opa"},
    {"ich spiele:spielen mit", "Opa", B, 2, "", "ich spiele mit dem Opa"},
    {"ich gehe:gehen zu", "Opa", B, 1, "", "ich gehe zum Opa"},
};

}  // namespace

TEST(Nomenphrase, EverySentenceOfTheTableComesOutAsGermanSaysIt) {
    ASSERT_GE(std::size(kTabelle), 150u);
    for (const CZeile& z : kTabelle) EXPECT_EQ(Satz(z), z.satz) << "nach \"" << z.davor << "\"";
}

TEST(Nomenphrase, OnlyKeinAndNumbersAskForAPhraseWithoutALatch) {
    EXPECT_TRUE(CNomenphrase::Bestimmt(Davor("ich habe:haben kein")));
    EXPECT_TRUE(CNomenphrase::Bestimmt(Davor("wir haben:haben zwei")));
    EXPECT_TRUE(CNomenphrase::Bestimmt(Davor("11")));
    EXPECT_FALSE(CNomenphrase::Bestimmt(Davor("ich spiele:spielen mit mein")));
    EXPECT_FALSE(CNomenphrase::Bestimmt(Davor("ich fahre:fahren mit")));
    EXPECT_FALSE(CNomenphrase::Bestimmt(Davor("")));
    EXPECT_FALSE(CNomenphrase::Bestimmt(Davor("1")));
}
