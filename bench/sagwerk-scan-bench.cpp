// Counts what switch scanning costs the person: for sentences built from the
// starter vocabulary, the switch presses and the time at a step of one
// second to build each sentence and speak it — first as a new sentence, then
// again once it was said, taking it from the suggestions — with one switch
// and with two, scanning going on at the top or in the same group after a
// choice.
//
//   sagwerk-scan-bench BENUTZERDATEI [--wege]
//
// --wege prints, before each row of the tables, how each word was reached
// (from the row of words offered or through the grid) and its presses.
//
// The real communication screen runs offscreen at 1920 x 1080 with the
// user's file (scripts/bench scan makes a new one with the starter
// vocabulary), a fresh copy of it for every sentence; the scanning runs on a
// clock of its own, so nothing waits. Like a person, the bench takes a word
// from the row of words offered above the grid when the row holds it, and
// otherwise presses it where the page shows it or goes to it through the
// grid, back to the start page first where needed.
// Time is counted as one step for every highlight shown: the steps waited
// and the step on which the person presses; with two switches a second for
// every press (the person steps as fast as the step time of one switch).

#include <QApplication>
#include <QTest>
#include <algorithm>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "BenchHilfen.h"
#include "CBedienungsSteuerung.h"
#include "CBildButton.h"
#include "CScanner.h"
#include "CMainFrame.h"
#include "CSagwerkDoc.h"
#include "CSagwerkView.h"
#include "CStummeEngine.h"
#include "CWortzeile.h"
#include "CSystemUhr.h"

namespace {

// A word of a sentence: the captions it has in the row of words offered
// ("Wortvorschläge", a verb in the person's form or as infinitive), and the
// buttons that reach it in the grid from the start page. The way is taken
// from its last button shown, so a word the page shows is pressed there.
struct Wort {
    std::vector<const char*> zeile;
    std::vector<const char*> weg;
};

struct Satz {
    std::string text;         // as the sentence field shows it
    std::vector<Wort> woerter;
};

const Wort kIch{{"ich"}, {"Ich"}};
const Wort kDu{{"du"}, {"Du"}};
const Wort kWir{{"wir"}, {"Wir"}};
const Wort kIst{{"ist"}, {"ist"}};
const Wort kDas{{"das"}, {"das"}};

const std::vector<Satz> kSaetze = {
    {"was ist das ", {{{"was"}, {"was"}}, kIst, kDas}},
    {"ich möchte Wasser ",
     {kIch, {{"möchte", "möchten"}, {"Kernwörter", "möchten"}}, {{"Wasser"}, {"Trinken", "Wasser"}}}},
    {"ich habe Durst ",
     {kIch, {{"habe", "haben"}, {"Kernwörter", "haben"}}, {{"Durst"}, {"Gefühle", "Durst"}}}},
    {"ich bin müde ",
     {kIch, {{"bin", "sein"}, {"Kernwörter", "sein"}}, {{"müde"}, {"Gefühle", "müde"}}}},
    {"ich möchte nach Hause ",
     {kIch,
      {{"möchte", "möchten"}, {"Kernwörter", "möchten"}},
      {{"nach Hause"}, {"Orte", "nach Hause"}}}},
    {"das ist gut ", {kDas, kIst, {{"gut"}, {"Gefühle", "gut"}}}},
    {"Mama ist müde ", {{{"Mama"}, {"Menschen", "Mama"}}, kIst, {{"müde"}, {"Gefühle", "müde"}}}},
    {"du bist traurig ",
     {kDu, {{"bist", "sein"}, {"Kernwörter", "sein"}}, {{"traurig"}, {"Gefühle", "traurig"}}}},
    {"wir möchten spielen ",
     {kWir, {{"möchten"}, {"Kernwörter", "möchten"}}, {{"spielen"}, {"Tun", "spielen"}}}},
    {"ich habe Hunger ",
     {kIch, {{"habe", "haben"}, {"Kernwörter", "haben"}}, {{"Hunger"}, {"Gefühle", "Hunger"}}}},
    {"ich möchte schlafen ",
     {kIch, {{"möchte", "möchten"}, {"Kernwörter", "möchten"}}, {{"schlafen"}, {"Tun", "schlafen"}}}},
};

struct Zaehler {
    int druecke = 0;
    int schritte = 0;
};

class Lauf {
public:
    Lauf(CSagwerkDoc& doc, CSagwerkView& view) : m_doc(doc), m_view(view) {
        m_s = view.GetBedienung();
        m_s->SetUhr([this] { return m_jetzt; });
    }

    void Einstellen(int modus, int weiter) {
        CBedienung b;
        b.modus = modus;
        b.schrittzeit = 1000;
        b.weiter = weiter;
        b.wortvorhersage = m_doc.IsWortvorhersage();
        m_zwei = modus == CBedienung::ZweiSchalter;
        m_s->SetBedienung(b);
    }

    // A button shown with this caption, outside the rows of words offered.
    CBildButton* Knopf(const std::string& caption) const {
        std::vector<CBildButton*> zeilen;
        for (CWortzeile* z : m_view.findChildren<CWortzeile*>())
            zeilen.insert(zeilen.end(), z->GetKnoepfe().begin(), z->GetKnoepfe().end());
        for (CBildButton* k : m_view.findChildren<CBildButton*>())
            if (k->isVisibleTo(&m_view) && k->GetCaption().toStdString() == caption &&
                std::find(zeilen.begin(), zeilen.end(), k) == zeilen.end())
                return k;
        return nullptr;
    }
    // The button of the row of words offered that holds the word, if the row
    // offers it: a person takes it there.
    CBildButton* Angebot(const Wort& wort) const {
        for (CWortzeile* z : m_view.findChildren<CWortzeile*>())
            for (CBildButton* k : z->GetKnoepfe())
                for (const char* caption : wort.zeile)
                    if (k->isVisibleTo(&m_view) && k->GetCaption().toStdString() == caption)
                        return k;
        return nullptr;
    }

    // One press of a switch; the highlight has been seen for half a step.
    void Druecken(Qt::Key taste, Zaehler& z) {
        m_jetzt += 500;
        QTest::keyClick(&m_view, taste);
        ++z.druecke;
    }
    // On without pressing with one switch (a step waited), or with a press
    // of the stepping switch.
    void Weiter(Zaehler& z) {
        if (m_zwei) {
            Druecken(Qt::Key_Space, z);
        } else {
            m_jetzt += 1000;
            m_s->Takt();
            ++z.schritte;
        }
    }
    void Auswahl(Zaehler& z) { Druecken(m_zwei ? Qt::Key_Return : Qt::Key_Space, z); }

    // Steps until the highlight holds the button, then selects, down to it;
    // a group or row that does not hold it is left at its step out.
    bool Waehlen(CBildButton* ziel, Zaehler& z) {
        for (int i = 0; i < 500 && ziel != nullptr; ++i) {
            const auto markiert = m_s->GetMarkiert();
            if (std::find(markiert.begin(), markiert.end(), ziel) != markiert.end()) {
                Auswahl(z);
                if (markiert.size() == 1) return true;
            } else if (m_s->GetScanner().GetMarke().zurueck) {
                Auswahl(z);
            } else {
                Weiter(z);
            }
        }
        return false;
    }

    // The sentence `n` of the suggestions: into the sentence area, on to its
    // row, and "Sprechen", which the highlight holds next.
    bool Vorschlag(long n, Zaehler& z) {
        for (int i = 0; i < 500; ++i) {
            const CScanner& s = m_s->GetScanner();
            const CScanner::CMarke& m = s.GetMarke();
            const bool satz =
                !s.IsLeer() && s.GetGruppen()[static_cast<std::size_t>(m.gruppe)].bereich ==
                                   CScanKnopf::Satz;
            if (satz && m.ebene == CScanner::Ebene::Gruppen) {
                Auswahl(z);
            } else if (satz && m.ebene == CScanner::Ebene::Zeilen && !m.zurueck && m.zeile == n) {
                Auswahl(z);
                return Waehlen(m_view.GetSpeakButton(), z) &&
                       m_doc.GetSelection() == static_cast<int>(n);
            } else {
                Weiter(z);
            }
        }
        return false;
    }

    // Builds the sentence word by word, each from the row of words offered
    // when it is there, else through the grid (back to the start page first
    // where no button of the way is shown); with `vorschlaege`, takes it
    // from the list as soon as it is there. False when a button was not
    // found.
    bool Bauen(const Satz& satz, bool vorschlaege, Zaehler& z) {
        m_doc.FunctionCode(91);  // "Satz weg"
        m_doc.ElementClicked(CSagwerkDoc::kStartseite);
        m_s->Neu();
        for (const Wort& wort : satz.woerter) {
            const int vorher = z.druecke;
            if (CBildButton* k = Angebot(wort)) {
                if (m_wege) std::cout << "  [Wortvorschläge] " << k->GetCaption().toStdString();
                if (!Waehlen(k, z)) return false;
            } else {
                if (m_wege) std::cout << "  [Weg]";
                // From the last button of the way that is shown (the word
                // itself where the page shows it).
                std::size_t ab = wort.weg.size();
                while (ab > 0 && Knopf(wort.weg[ab - 1]) == nullptr) --ab;
                if (ab == 0) {
                    if (!Nehmen("Startseite", z)) return false;
                    ab = 1;
                }
                for (std::size_t i = ab - 1; i < wort.weg.size(); ++i)
                    if (!Nehmen(wort.weg[i], z)) return false;
            }
            if (m_wege) std::cout << ": " << z.druecke - vorher << "\n";
            const auto& liste = m_doc.GetSuggestions();
            const auto gefunden = std::find(liste.begin(), liste.end(), satz.text);
            if (vorschlaege && gefunden != liste.end()) return Vorschlag(gefunden - liste.begin(), z);
        }
        if (m_doc.GetSentence() != satz.text) {
            std::cerr << "gebaut: \"" << m_doc.GetSentence() << "\" statt \"" << satz.text << "\"\n";
            return false;
        }
        const int vorher = z.druecke;
        const bool ok = Waehlen(m_view.GetSpeakButton(), z);
        if (m_wege) std::cout << "  Sprechen: " << z.druecke - vorher << "\n";
        return ok;
    }
    // Prints the way to each word and its presses.
    void SetWege(bool ja) { m_wege = ja; }

    // Steps to the button with this caption and presses it.
    bool Nehmen(const char* caption, Zaehler& z) {
        if (m_wege) std::cout << ' ' << caption;
        if (Waehlen(Knopf(caption), z)) return true;
        std::cerr << "nicht erreicht: " << caption << " (zu sehen:";
        for (CBildButton* k : m_view.findChildren<CBildButton*>())
            if (k->isVisibleTo(&m_view)) std::cerr << ' ' << k->GetCaption().toStdString();
        std::cerr << ")\n";
        return false;
    }

private:
    CSagwerkDoc& m_doc;
    CSagwerkView& m_view;
    CBedienungsSteuerung* m_s = nullptr;
    long long m_jetzt = 0;
    bool m_zwei = false;
    bool m_wege = false;
};

}  // namespace

int main(int argc, char** argv) {
    const bool wege = argc == 3 && std::string(argv[2]) == "--wege";
    if (argc < 2 || (argc > 2 && !wege)) {
        std::cerr << "Aufruf: sagwerk-scan-bench BENUTZERDATEI [--wege]\n";
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    bench::Dialoge dialoge;
    CSystemUhr uhr;
    CSagwerkDoc doc(dialoge, uhr, std::make_unique<CStummeEngine>());
    const QRect desktop(0, 0, 1920, 1080);
    CMainFrame frame(doc, desktop);
    // Every sentence starts on a copy of the new user's file, so that what
    // the word prediction learnt from the sentences before does not count.
    const std::filesystem::path vorlage(argv[1]);
    int kopien = 0;
    const auto frisch = [&] {
        std::filesystem::path kopie = vorlage;
        kopie.replace_filename("scan-" + std::to_string(++kopien) + ".mdb");
        std::error_code ec;
        std::filesystem::copy_file(vorlage, kopie, std::filesystem::copy_options::overwrite_existing,
                                   ec);
        if (ec || !doc.OpenUser(kopie.string())) return false;
        // The row of words offered answers once the model is there.
        doc.WaitForPrediction();
        doc.UpdateAllViews();
        return true;
    };
    if (!frisch()) return 1;
    frame.Zeigen(desktop);
    frame.GetCommView()->OnInitialUpdate();
    Lauf lauf(doc, *frame.GetCommView());
    lauf.SetWege(wege);

    struct Art {
        const char* name;
        int modus, weiter;
    };
    const Art arten[] = {
        {"one switch, on at the top", CBedienung::EinSchalter, CBedienung::Anfang},
        {"one switch, on in the same group", CBedienung::EinSchalter, CBedienung::Gruppe},
        {"two switches, on at the top", CBedienung::ZweiSchalter, CBedienung::Anfang},
        {"two switches, on in the same group", CBedienung::ZweiSchalter, CBedienung::Gruppe},
    };
    int fehler = 0;
    for (const Art& art : arten) {
        std::cout << "\n" << art.name << ":\n\n"
                  << "| sentence | new: presses | new: time | said before: presses | said before: "
                     "time |\n|---|---:|---:|---:|---:|\n";
        Zaehler summeNeu, summeWieder;
        for (const Satz& satz : kSaetze) {
            // New: built word by word to the end, whatever the suggestions
            // offer; said before: taken from them as soon as they offer it.
            Zaehler neu, wieder;
            if (!frisch()) return 1;
            lauf.Einstellen(art.modus, art.weiter);
            if (wege) std::cout << satz.text << '\n';
            const bool ok = lauf.Bauen(satz, false, neu) && lauf.Bauen(satz, true, wieder);
            if (!ok) {
                std::cerr << "nicht gebaut: " << satz.text << '\n';
                ++fehler;
                continue;
            }
            const auto sekunden = [&](const Zaehler& z) {
                return art.modus == CBedienung::ZweiSchalter ? z.druecke : z.schritte + z.druecke;
            };
            summeNeu.druecke += neu.druecke;
            summeNeu.schritte += sekunden(neu);
            summeWieder.druecke += wieder.druecke;
            summeWieder.schritte += sekunden(wieder);
            std::cout << "| " << satz.text << "| " << neu.druecke << " | " << sekunden(neu)
                      << " s | " << wieder.druecke << " | " << sekunden(wieder) << " s |\n";
        }
        std::cout << "| all " << kSaetze.size() << " | " << summeNeu.druecke << " | "
                  << summeNeu.schritte << " s | " << summeWieder.druecke << " | "
                  << summeWieder.schritte << " s |\n";
    }
    return fehler == 0 ? 0 : 1;
}
