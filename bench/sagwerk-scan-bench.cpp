// Counts what switch scanning costs the person: for sentences built from the
// starter vocabulary, the switch presses and the time at a step of one
// second to build each sentence and speak it — first as a new sentence, then
// again once it was said, taking it from the suggestions — with one switch
// and with two, scanning going on at the top or in the same group after a
// choice.
//
//   sagwerk-scan-bench BENUTZERDATEI
//
// The real communication screen runs offscreen at 1920 x 1080 with the
// user's file (scripts/bench scan makes a new one with the starter
// vocabulary); the scanning runs on a clock of its own, so nothing waits.
// Time is counted as one step for every highlight shown: the steps waited
// and the step on which the person presses; with two switches a second for
// every press (the person steps as fast as the step time of one switch).

#include <QApplication>
#include <QTest>
#include <algorithm>
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
#include "CSystemUhr.h"

namespace {

struct Satz {
    std::string text;                   // as the sentence field shows it
    std::vector<const char*> knoepfe;  // the captions pressed, in order
};

const std::vector<Satz> kSaetze = {
    {"was ist das ", {"was", "ist", "das"}},
    {"ich möchte Wasser ", {"Ich", "Kernwörter", "möchten", "Startseite", "Trinken", "Wasser"}},
    {"ich habe Durst ", {"Ich", "Kernwörter", "haben", "Startseite", "Gefühle", "Durst"}},
    {"ich bin müde ", {"Ich", "Kernwörter", "sein", "Startseite", "Gefühle", "müde"}},
    {"ich möchte nach Hause ",
     {"Ich", "Kernwörter", "möchten", "Startseite", "Orte", "nach Hause"}},
    {"das ist gut ", {"das", "ist", "Gefühle", "gut"}},
    {"Mama ist müde ", {"Menschen", "Mama", "Startseite", "ist", "Gefühle", "müde"}},
    {"du bist traurig ", {"Du", "Kernwörter", "sein", "Startseite", "Gefühle", "traurig"}},
    {"wir möchten spielen ", {"Wir", "Kernwörter", "möchten", "Startseite", "Tun", "spielen"}},
    {"ich habe Hunger ", {"Ich", "Kernwörter", "haben", "Startseite", "Gefühle", "Hunger"}},
    {"ich möchte schlafen ", {"Ich", "Kernwörter", "möchten", "Startseite", "Tun", "schlafen"}},
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

    CBildButton* Knopf(const std::string& caption) const {
        for (CBildButton* k : m_view.findChildren<CBildButton*>())
            if (k->isVisibleTo(&m_view) && k->GetCaption().toStdString() == caption) return k;
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

    // Steps until the highlight holds the button, then selects, down to it.
    bool Waehlen(CBildButton* ziel, Zaehler& z) {
        for (int i = 0; i < 500 && ziel != nullptr; ++i) {
            const auto markiert = m_s->GetMarkiert();
            if (std::find(markiert.begin(), markiert.end(), ziel) != markiert.end()) {
                Auswahl(z);
                if (markiert.size() == 1) return true;
            } else {
                Weiter(z);
            }
        }
        return false;
    }

    // The sentence `n` of the suggestions: into the sentence area, on to its
    // row (after "Sprechen"), and "Sprechen", which the highlight holds next.
    bool Vorschlag(long n, Zaehler& z) {
        for (int i = 0; i < 500; ++i) {
            const CScanner& s = m_s->GetScanner();
            const CScanner::CMarke& m = s.GetMarke();
            const bool satz =
                !s.IsLeer() && s.GetGruppen()[static_cast<std::size_t>(m.gruppe)].bereich ==
                                   CScanKnopf::Satz;
            if (satz && m.ebene == CScanner::Ebene::Gruppen) {
                Auswahl(z);
            } else if (satz && m.ebene == CScanner::Ebene::Zeilen && !m.zurueck &&
                       m.zeile == 1 + n) {
                Auswahl(z);
                return Waehlen(m_view.GetSpeakButton(), z) &&
                       m_doc.GetSelection() == static_cast<int>(n);
            } else {
                Weiter(z);
            }
        }
        return false;
    }

    // Builds the sentence; with `vorschlaege`, takes it from the list as soon
    // as it is there. False when a button was not found.
    bool Bauen(const Satz& satz, bool vorschlaege, Zaehler& z) {
        m_doc.FunctionCode(91);  // "Satz weg"
        m_doc.ElementClicked(CSagwerkDoc::kStartseite);
        m_s->Neu();
        for (const char* caption : satz.knoepfe) {
            if (!Waehlen(Knopf(caption), z)) {
                std::cerr << "nicht erreicht: " << caption << " (zu sehen:";
                for (CBildButton* k : m_view.findChildren<CBildButton*>())
                    if (k->isVisibleTo(&m_view)) std::cerr << ' ' << k->GetCaption().toStdString();
                std::cerr << ")\n";
                return false;
            }
            const auto& liste = m_doc.GetSuggestions();
            const auto gefunden = std::find(liste.begin(), liste.end(), satz.text);
            if (vorschlaege && gefunden != liste.end()) return Vorschlag(gefunden - liste.begin(), z);
        }
        if (m_doc.GetSentence() != satz.text) {
            std::cerr << "gebaut: \"" << m_doc.GetSentence() << "\" statt \"" << satz.text << "\"\n";
            return false;
        }
        return Waehlen(m_view.GetSpeakButton(), z);
    }

private:
    CSagwerkDoc& m_doc;
    CSagwerkView& m_view;
    CBedienungsSteuerung* m_s = nullptr;
    long long m_jetzt = 0;
    bool m_zwei = false;
};

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::cerr << "Aufruf: sagwerk-scan-bench BENUTZERDATEI\n";
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
    if (!doc.OpenUser(argv[1])) return 1;
    frame.Zeigen(desktop);
    frame.GetCommView()->OnInitialUpdate();
    Lauf lauf(doc, *frame.GetCommView());

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
        lauf.Einstellen(art.modus, art.weiter);
        std::cout << "\n" << art.name << ":\n\n"
                  << "| sentence | new: presses | new: time | said before: presses | said before: "
                     "time |\n|---|---:|---:|---:|---:|\n";
        Zaehler summeNeu, summeWieder;
        for (const Satz& satz : kSaetze) {
            // New: built word by word to the end, whatever the suggestions
            // offer; said before: taken from them as soon as they offer it.
            Zaehler neu, wieder;
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
