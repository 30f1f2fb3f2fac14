// What is typed and what the speech engine is handed, rule by rule.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CNormalisierer.h"

namespace {

struct Fall {
    const char* geschrieben;
    const char* gesprochen;
};

void Pruefen(const std::vector<Fall>& faelle, const CNormalisierer& n = CNormalisierer()) {
    for (const Fall& f : faelle) {
        EXPECT_EQ(n.Normalisieren(f.geschrieben), f.gesprochen) << "geschrieben: " << f.geschrieben;
    }
}

}  // namespace

TEST(Normalisieren, Uhrzeiten) {
    Pruefen({
        {"14:30 Uhr", "vierzehn Uhr dreißig"},
        {"14:30", "vierzehn Uhr dreißig"},
        {"8:05", "acht Uhr fünf"},
        {"08:05 Uhr", "acht Uhr fünf"},
        {"14.30 Uhr", "vierzehn Uhr dreißig"},
        {"um 14.30", "um vierzehn Uhr dreißig"},
        {"Wir treffen uns um 14.30.", "Wir treffen uns um vierzehn Uhr dreißig."},
        {"um 10.10.", "um zehn Uhr zehn."},
        {"von 9.00 bis 17.30", "von neun Uhr bis siebzehn Uhr dreißig"},
        {"8:00 Uhr", "acht Uhr"},
        {"1:00", "ein Uhr"},
        {"1:30 Uhr", "ein Uhr dreißig"},
        {"0:15", "null Uhr fünfzehn"},
        {"24:00", "vierundzwanzig Uhr"},
        {"12 Uhr", "zwölf Uhr"},
        {"um 1 Uhr", "um ein Uhr"},
        {"14 Uhr 30", "vierzehn Uhr dreißig"},
        {"14:30h", "vierzehn Uhr dreißig"},
        {"14:00-16:00 Uhr", "vierzehn Uhr bis sechzehn Uhr"},
        {"Es steht 2:1.", "Es steht zwei zu eins."},
        {"Maßstab 1:25000", "Maßstab eins zu fünfundzwanzigtausend"},
        {"14:30:15", "14:30:15"},
        {"25:70", "fünfundzwanzig zu siebzig"},
    });
}

TEST(Normalisieren, Geld) {
    Pruefen({
        {"3,50 €", "drei Euro fünfzig"},
        {"0,99 €", "neunundneunzig Cent"},
        {"3 €", "drei Euro"},
        {"1 €", "ein Euro"},
        {"1,50 €", "ein Euro fünfzig"},
        {"1,01 €", "ein Euro eins"},
        {"0,01 €", "ein Cent"},
        {"0,05 €", "fünf Cent"},
        {"3,5 €", "drei Euro fünfzig"},
        {"3,-- €", "drei Euro"},
        {"3,– €", "drei Euro"},
        {"2,50€", "zwei Euro fünfzig"},
        {"3,50 EUR", "drei Euro fünfzig"},
        {"3,50 Euro", "drei Euro fünfzig"},
        {"€ 3,50", "drei Euro fünfzig"},
        {"EUR 12", "zwölf Euro"},
        {"12.50 €", "zwölf Euro fünfzig"},
        {"1.250,00 €", "tausend zweihundertfünfzig Euro"},
        {"1.000.000 €", "eine Million Euro"},
        {"1 Mio. €", "eine Million Euro"},
        {"2,5 Mio. Euro", "zwei Komma fünf Millionen Euro"},
        {"50 Cent", "fünfzig Cent"},
        {"1 Cent", "ein Cent"},
        {"5 $", "fünf Dollar"},
        {"CHF 2,20", "zwei Franken zwanzig"},
        {"-3,50 €", "minus drei Euro fünfzig"},
        {"Das kostet 4,20 €.", "Das kostet vier Euro zwanzig."},
        {"Preise in €", "Preise in Euro"},
    });
}

TEST(Normalisieren, Daten) {
    Pruefen({
        {"am 24.12.", "am vierundzwanzigsten Zwölften."},
        {"am 24.12. kommt er", "am vierundzwanzigsten Zwölften kommt er"},
        {"24.12.", "vierundzwanzigster Zwölfter."},
        {"Heute ist der 24.12.2024.",
         "Heute ist der vierundzwanzigste Zwölfte zweitausend vierundzwanzig."},
        {"am 3.10.1990", "am dritten Zehnten neunzehnhundertneunzig"},
        {"am 03.10.90", "am dritten Zehnten neunzig"},
        {"vom 1.5. bis zum 3.5.", "vom ersten Fünften bis zum dritten Fünften."},
        {"ab dem 2.1.", "ab dem zweiten Ersten."},
        {"am 24.12", "am vierundzwanzigsten Zwölften"},
        {"am 24.12. 2024", "am vierundzwanzigsten Zwölften zweitausend vierundzwanzig"},
        {"2024-12-24", "vierundzwanzigster Zwölfter zweitausend vierundzwanzig"},
        {"der 1. Mai", "der erste Mai"},
        {"am 1. Januar 2000", "am ersten Januar zweitausend"},
        {"1. Mai", "erster Mai"},
        {"Am 3. Oktober 1990", "Am dritten Oktober neunzehnhundertneunzig"},
        {"3. Okt.", "dritter Oktober."},
        {"am 3. Jan.", "am dritten Januar."},
        {"vom 3. Jan. bis zum 5. Feb.", "vom dritten Januar bis zum fünften Februar."},
        {"Jan. 2024", "Januar zweitausend vierundzwanzig"},
        {"32.12.", "32.12."},
        {"1.2.3", "1.2.3"},
    });
}

TEST(Normalisieren, Ordnungszahlen) {
    Pruefen({
        {"der 3. Platz", "der dritte Platz"},
        {"im 2. Stock", "im zweiten Stock"},
        {"zum 1. Mal", "zum ersten Mal"},
        {"die 10. Klasse", "die zehnte Klasse"},
        {"das 7. Kind", "das siebte Kind"},
        {"den 8. Tag", "den achten Tag"},
        {"beim 21. Geburtstag", "beim einundzwanzigsten Geburtstag"},
        {"der 100. Besucher", "der hundertste Besucher"},
        {"der 101. Besucher", "der hunderterste Besucher"},
        {"der 3. große Tag", "der dritte große Tag"},
        {"mit der 2. Hand", "mit der zweiten Hand"},
        {"ins 3. Jahr", "ins dritte Jahr"},
        {"ein 3. Versuch", "ein dritter Versuch"},
        {"einer 3. Frau", "einer dritten Frau"},
        {"seine 2. Frau", "seine zweite Frau"},
        {"3.Platz", "dritter Platz"},
        {"Ich bin der 1.", "Ich bin der erste."},
        {"Er wurde 3. Dann ging er.", "Er wurde drei. Dann ging er."},
        {"Ludwig II.", "Ludwig der Zweite."},
        {"Ludwig XIV. war König", "Ludwig der Vierzehnte war König"},
        {"von Ludwig XIV.", "von Ludwig dem Vierzehnten."},
        {"Elisabeth II.", "Elisabeth die Zweite."},
        {"Papst Benedikt XVI. kam", "Papst Benedikt der Sechzehnte kam"},
        {"Teil II.", "Teil II."},
        {"Anna M.", "Anna M."},
    });
}

TEST(Normalisieren, Zahlen) {
    Pruefen({
        {"1990", "neunzehnhundertneunzig"},
        {"1100", "elfhundert"},
        {"1999", "neunzehnhundertneunundneunzig"},
        {"2024", "zweitausend vierundzwanzig"},
        {"1000", "tausend"},
        {"1.000", "tausend"},
        {"1.100", "tausend einhundert"},
        {"2.500", "zweitausend fünfhundert"},
        {"10.000", "zehntausend"},
        {"1.000.000", "eine Million"},
        {"3.000.021", "drei Millionen einundzwanzig"},
        {"1.001", "tausend eins"},
        {"999.999", "neunhundertneunundneunzigtausend neunhundertneunundneunzig"},
        {"1.000.000.000", "eine Milliarde"},
        {"2.102.000.000", "zwei Milliarden hundertzwei Millionen"},
        {"die 1000. Besucherin", "die tausendste Besucherin"},
        {"1 Mio.", "eine Million."},
        {"3 Mio. Menschen", "drei Millionen Menschen"},
        {"100", "hundert"},
        {"101", "hunderteins"},
        {"1", "eins"},
        {"0", "null"},
        {"17", "siebzehn"},
        {"21", "einundzwanzig"},
        {"99", "neunundneunzig"},
        {"3,5", "drei Komma fünf"},
        {"0,75", "null Komma sieben fünf"},
        {"-5", "minus fünf"},
        {"3-5 Tage", "drei bis fünf Tage"},
        {"10 – 12", "zehn bis zwölf"},
        {"1990-1995", "neunzehnhundertneunzig bis neunzehnhundertfünfundneunzig"},
        {"3-Zimmer-Wohnung", "drei-Zimmer-Wohnung"},
        {"0815", "null acht eins fünf"},
        {"007", "null null sieben"},
        {"1234567890123", "eins zwei drei vier fünf sechs sieben acht neun null eins zwei drei"},
        {"1,2,3", "eins,zwei,drei"},
        {"Seite 3, Zeile 4", "Seite drei, Zeile vier"},
        {"A4 und 3D und 10er", "A4 und 3D und 10er"},
        {"Version 1.10", "Version 1.10"},
    });
}

TEST(Normalisieren, Einheiten) {
    Pruefen({
        {"100 km/h", "hundert Kilometer pro Stunde"},
        {"5 km", "fünf Kilometer"},
        {"1 km", "ein Kilometer"},
        {"5km", "fünf Kilometer"},
        {"3 kg", "drei Kilogramm"},
        {"250 g Butter", "zweihundertfünfzig Gramm Butter"},
        {"1,5 l", "eins Komma fünf Liter"},
        {"1 l", "ein Liter"},
        {"200 ml", "zweihundert Milliliter"},
        {"3 m", "drei Meter"},
        {"12 cm", "zwölf Zentimeter"},
        {"-5 °C", "minus fünf Grad Celsius"},
        {"20°", "zwanzig Grad"},
        {"50 %", "fünfzig Prozent"},
        {"50%", "fünfzig Prozent"},
        {"1 %", "ein Prozent"},
        {"2,5 %", "zwei Komma fünf Prozent"},
        {"5 min", "fünf Minuten"},
        {"1 min", "eine Minute"},
        {"ca. 10 min.", "zirka zehn Minuten."},
        {"2 Std.", "zwei Stunden."},
        {"1 Std. später", "eine Stunde später"},
        {"3 h", "drei Stunden"},
        {"30 s", "dreißig Sekunden"},
        {"80 m²", "achtzig Quadratmeter"},
        {"5 t", "fünf Tonnen"},
        {"60 W", "sechzig Watt"},
    });
}

TEST(Normalisieren, Telefonnummern) {
    Pruefen({
        {"0221 123456", "null zwei zwei eins, zwölf vierunddreißig sechsundfünfzig"},
        {"0221/123456", "null zwei zwei eins, zwölf vierunddreißig sechsundfünfzig"},
        {"0221 / 123456", "null zwei zwei eins, zwölf vierunddreißig sechsundfünfzig"},
        {"0221-12345", "null zwei zwei eins, eins dreiundzwanzig fünfundvierzig"},
        {"030 12 34 56", "null drei null, zwölf, vierunddreißig, sechsundfünfzig"},
        {"0171 2345670", "null eins sieben eins, zwei vierunddreißig sechsundfünfzig siebzig"},
        {"+49 221 123456", "plus vier neun, zwei zwei eins, zwölf vierunddreißig sechsundfünfzig"},
        {"Tel. 12 34 56", "Telefon zwölf, vierunddreißig, sechsundfünfzig"},
        {"Tel.: 123 456", "Telefon: eins zwei drei, vier fünf sechs"},
        {"Telefon 0221123456", "Telefon null zwei zwei eins eins zwei drei vier fünf sechs"},
        {"Ruf 0221 123456 an", "Ruf null zwei zwei eins, zwölf vierunddreißig sechsundfünfzig an"},
        {"Tel.-Nr. 01 23 45", "Telefonnummer null eins, dreiundzwanzig, fünfundvierzig"},
    });
}

TEST(Normalisieren, Abkuerzungen) {
    Pruefen({
        {"z. B.", "zum Beispiel."},
        {"z.B. Äpfel", "zum Beispiel Äpfel"},
        {"Z. B. Äpfel", "Zum Beispiel Äpfel"},
        {"d. h. jetzt", "das heißt jetzt"},
        {"u. a. Tee", "unter anderem Tee"},
        {"Äpfel, Birnen usw.", "Äpfel, Birnen und so weiter."},
        {"Tee bzw. Kaffee", "Tee beziehungsweise Kaffee"},
        {"ca. 5 Minuten", "zirka fünf Minuten"},
        {"Ca. 5", "Zirka fünf"},
        {"evtl. morgen", "eventuell morgen"},
        {"Brot, Butter etc.", "Brot, Butter et zetera."},
        {"ggf. später", "gegebenenfalls später"},
        {"inkl. Getränke", "inklusive Getränke"},
        {"Nr. 5", "Nummer fünf"},
        {"Hauptstr. 3", "Hauptstraße drei"},
        {"in der Goethestr.", "in der Goethestraße."},
        {"Str. 3", "Straße drei"},
        {"Dr. Müller", "Doktor Müller"},
        {"Prof. Dr. Berg", "Professor Doktor Berg"},
        {"Fr. Berg", "Frau Berg"},
        {"Hr. Kurz", "Herr Kurz"},
        {"am Fr.", "am Freitag."},
        {"Mo.–Fr.", "Montag bis Freitag."},
        {"Mo-Fr 9-17 Uhr", "Montag bis Freitag neun bis siebzehn Uhr"},
        {"Di., Mi. und Do.", "Dienstag, Mittwoch und Donnerstag."},
        {"Sa., 3.5.", "Samstag, dritter Fünfter."},
        {"am So.", "am Sonntag."},
        {"So. Jetzt.", "So. Jetzt."},
        {"Jan. kommt", "Jan. kommt"},
        {"im Dez.", "im Dezember."},
        {"Tel. Anna", "Telefon Anna"},
        {"o. Ä.", "oder Ähnliches."},
        {"i. d. R. nicht", "in der Regel nicht"},
        {"vgl. oben", "vergleiche oben"},
    });
}

TEST(Normalisieren, UnbekanntesBleibtWieEsIst) {
    Pruefen({
        {"", ""},
        {"  ", "  "},
        {"Ich möchte Äpfel.", "Ich möchte Äpfel."},
        {"Geht's dir gut?", "Geht's dir gut?"},
        {"Hallo,\n  wie geht's?\t", "Hallo,\n  wie geht's?\t"},
        {"„Ja“ – sagte sie …", "„Ja“ – sagte sie …"},
        {"kaputt \xC3\x28 \xFF", "kaputt \xC3\x28 \xFF"},
        {"§ 3", "Paragraf drei"},
        {"Kaffee & Kuchen", "Kaffee und Kuchen"},
    });
}

TEST(Normalisieren, EigeneAussprachenDerBenutzerin) {
    CNormalisierer n;
    n.SetAussprachen({
        {"Wurst", "Wursst"},
        {" Kino ", " Ki-no "},
        {"Guten Morgen", "Guuten Morgen"},
        {"Haus", "NULL"},
        {"Ball", ""},
        {"", "leer"},
        {"Wurst", "zweite Angabe"},
        {"Euro", "Oiro"},
        {"Dr.", "Herr Doktor"},
    });
    Pruefen(
        {
            {"Ich möchte Wurst.", "Ich möchte Wursst."},
            {"Wurst, Wurstbrot, wurst, Leberwurst", "Wursst, Wurstbrot, wurst, Leberwurst"},
            {"Wurst-Brot", "Wursst-Brot"},
            {"ins Kino", "ins Ki-no"},
            {"Guten Morgen, Anna", "Guuten Morgen, Anna"},
            {"Guten Abend", "Guten Abend"},
            {"Haus und Ball", "Haus und Ball"},
            {"Dr. Berg", "Herr Doktor Berg"},
            // What a pronunciation gives is said like any text, and the rules'
            // words are not looked up again.
            {"3 Euro", "drei Oiro"},
            {"3 €", "drei Euro"},
        },
        n);
    n.SetAussprachen({});
    EXPECT_EQ(n.Normalisieren("Wurst"), "Wurst");
    // The verb forms the speech engine says wrongly are mended without any
    // pronunciation of the user's, and the user's own comes first.
    EXPECT_EQ(CNormalisierer().Normalisieren("er holt mich, ich huste"), "er hohlt mich, ich huhste");
    n.SetAussprachen({{"holt", "hoolt"}});
    EXPECT_EQ(n.Normalisieren("holt Holt"), "hoolt Holt");
}

TEST(Normalisieren, TheIssuesSentence) {
    EXPECT_EQ(CNormalisierer().Normalisieren("Um 14:30 Uhr kommt Dr. Müller, z. B. am 24.12."),
              "Um vierzehn Uhr dreißig kommt Doktor Müller, zum Beispiel am "
              "vierundzwanzigsten Zwölften.");
}
