#pragma once

#include <string>

// Everything that would put a modal box in front of the user goes through
// this interface. The GUI shows real message boxes; tests record the calls
// and script the answers, so nothing ever blocks on a modal.
//
// All texts are UTF-8 and German.
class IDialoge {
public:
    enum class Symbol { Information, Warnung, Frage, Fehler };
    enum class Knoepfe { Ok, JaNein, JaNeinAbbrechen };
    enum class Antwort { Ok, Ja, Nein, Abbrechen };

    virtual ~IDialoge() = default;

    // A database or device error. The user can only acknowledge it.
    virtual void ReportError(const std::string& text) = 0;

    // A notice that asks nothing (no sound device, a write-protected file).
    // It must never hold the program up: the screen shows it without a box
    // that waits to be pressed. Where nothing better exists it is reported
    // as an error.
    virtual void Hinweis(const std::string& text) { ReportError(text); }

    // A message box with caption, symbol and buttons; returns the button chosen.
    virtual Antwort ShowMessage(const std::string& text, const std::string& caption, Symbol symbol,
                                Knoepfe knoepfe = Knoepfe::Ok) = 0;

    // Shows a wait cursor until the matching EndWait. Calls nest.
    virtual void BeginWait() = 0;
    virtual void EndWait() = 0;
};

// Scope guard for the wait cursor.
class CWarteCursor {
public:
    explicit CWarteCursor(IDialoge& dialoge) : m_dialoge(dialoge) { m_dialoge.BeginWait(); }
    ~CWarteCursor() { m_dialoge.EndWait(); }
    CWarteCursor(const CWarteCursor&) = delete;
    CWarteCursor& operator=(const CWarteCursor&) = delete;

private:
    IDialoge& m_dialoge;
};
