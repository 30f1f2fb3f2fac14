#include "CTestDialoge.h"

IDialoge::Antwort CTestDialoge::ShowMessage(const std::string& text, const std::string& caption,
                                            Symbol symbol, Knoepfe knoepfe) {
    meldungen.push_back({text, caption, symbol, knoepfe});
    if (!antworten.empty()) {
        const Antwort a = antworten.front();
        antworten.pop_front();
        return a;
    }
    return knoepfe == Knoepfe::Ok ? Antwort::Ok : Antwort::Ja;
}
