// Counts what one-switch scanning costs the person: for sentences built from
// the starter vocabulary, the switch presses and the time at a step of one
// second to build each sentence and speak it — first as a new sentence, then
// again once it was said, taking it from the suggestions.
//
//   sagwerk-scan-bench BENUTZERDATEI
//
// The real communication screen runs offscreen at 1920 x 1080 with the
// user's file (scripts/bench scan makes a new one with the starter
// vocabulary); the scanning runs on a clock of its own, so nothing waits.
// Time is counted as one step for every highlight shown: the steps waited
// and the step on which the person presses.

#include <QApplication>
#include <QTest>
#include <algorithm>
#include <iostream>
#include <string>
#include <vector>

#include "BenchHilfen.h"
#include "CBedienungsSteuerung.h"
#include "CBildButton.h"
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
    {"ich möchte trinken ", {"Ich", "Tun", "möchten", "trinken"}},
    {"ich möchte Wasser ", {"Ich", "Tun", "möchten", "Startseite", "Trinken", "Wasser"}},
    {"ich habe Durst ", {"Ich", "Tun", "haben", "Startseite", "Gefühle", "Durst"}},
    {"ich bin müde ", {"Ich", "Tun", "sein", "Startseite", "Gefühle", "müde"}},
    {"ich möchte nach Hause ", {"Ich", "Tun", "möchten", "Startseite", "Orte", "nach Hause"}},
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
        m_s->SetBedienung({CBedienung::EinSchalter, 1000, 1000, 300});
    }

    CBildButton* Knopf(const std::string& caption) const {
        for (CBildButton* k : m_view.findChildren<CBildButton*>())
            if (k->isVisibleTo(&m_view) && k->GetCaption().toStdString() == caption) return k;
        return nullptr;
    }

    // Steps until the highlight holds the button, then selects, down to it.
    bool Waehlen(CBildButton* ziel, Zaehler& z) {
        for (int i = 0; i < 500 && ziel != nullptr; ++i) {
            const auto markiert = m_s->GetMarkiert();
            if (std::find(markiert.begin(), markiert.end(), ziel) != markiert.end()) {
                m_jetzt += 500;
                QTest::keyClick(&m_view, Qt::Key_Space);
                ++z.druecke;
                if (markiert.size() == 1) return true;
            } else {
                m_jetzt += 1000;
                m_s->Takt();
                ++z.schritte;
            }
        }
        return false;
    }

    // Builds the sentence; with `vorschlaege`, takes it from the list as soon
    // as it is there. False when a button was not found.
    bool Bauen(const Satz& satz, bool vorschlaege, Zaehler& z) {
        m_doc.FunctionCode(91);  // "Satz weg"
        m_doc.ElementClicked(CSagwerkDoc::kStartseite);
        for (const char* caption : satz.knoepfe) {
            if (!Waehlen(Knopf(caption), z)) return false;
            const auto& liste = m_doc.GetSuggestions();
            const auto gefunden = std::find(liste.begin(), liste.end(), satz.text);
            if (vorschlaege && gefunden != liste.end()) {
                const long n = gefunden - liste.begin();
                for (long i = 0; i <= n; ++i)
                    if (!Waehlen(m_view.GetDownButton(), z)) return false;
                return Waehlen(m_view.GetSpeakButton(), z);
            }
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

    std::cout << "| sentence | new: presses | new: time | said before: presses | said before: time |\n"
                 "|---|---:|---:|---:|---:|\n";
    int fehler = 0;
    for (const Satz& satz : kSaetze) {
        Zaehler neu, wieder;
        const bool ok = lauf.Bauen(satz, false, neu) && lauf.Bauen(satz, true, wieder);
        if (!ok) {
            std::cerr << "nicht gebaut: " << satz.text << '\n';
            ++fehler;
            continue;
        }
        std::cout << "| " << satz.text << "| " << neu.druecke << " | " << neu.schritte + neu.druecke
                  << " s | " << wieder.druecke << " | " << wieder.schritte + wieder.druecke << " s |\n";
    }
    return fehler == 0 ? 0 : 1;
}
