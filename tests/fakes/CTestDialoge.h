#pragma once

#include <deque>
#include <string>
#include <vector>

#include "IDialoge.h"

// Records every call and answers message boxes from a script (Ok, or Ja for
// a question, when the script is empty). Never blocks.
class CTestDialoge : public IDialoge {
public:
    struct Meldung {
        std::string text;
        std::string caption;
        Symbol symbol;
        Knoepfe knoepfe;
    };

    void ReportError(const std::string& text) override { fehler.push_back(text); }
    void Hinweis(const std::string& text) override { hinweise.push_back(text); }
    Antwort ShowMessage(const std::string& text, const std::string& caption, Symbol symbol,
                        Knoepfe knoepfe) override;
    void BeginWait() override {
        ++wartend;
        ++warteAufrufe;
    }
    void EndWait() override { --wartend; }

    // Scripts the answer to the next message box.
    void NaechsteAntwort(Antwort a) { antworten.push_back(a); }
    // Everything reported or shown so far, for assertions; then forgotten.
    void Vergessen() {
        fehler.clear();
        hinweise.clear();
        meldungen.clear();
    }

    std::vector<std::string> fehler;
    std::vector<std::string> hinweise;
    std::vector<Meldung> meldungen;
    std::deque<Antwort> antworten;
    int wartend = 0;       // wait cursors shown now
    int warteAufrufe = 0;  // wait cursors shown so far
};
