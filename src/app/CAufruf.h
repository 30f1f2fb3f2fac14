#pragma once

#include <string>

// The program's command line: `sagwerk [ORDNER]`, `sagwerk --datenordner`,
// `--help`, `--version`. Read before Qt starts, so that help and version need
// no display. Qt's own options (-platform and the like) are left to Qt.
class CAufruf {
public:
    enum Art { Starten, Hilfe, Version, Fehler };

    static CAufruf Lesen(int argc, char** argv);

    Art GetArt() const { return m_art; }
    // The folder of the users' files; empty: the working directory.
    const std::string& GetOrdner() const { return m_strOrdner; }
    // The users' files are in the per-person data folder (the menu entry).
    bool IsDatenordner() const { return m_bDatenordner; }
    // What was wrong, in German, for Fehler.
    const std::string& GetFehler() const { return m_strFehler; }

    // Empty when Qt will find a screen to show the window on; otherwise the
    // German message that says how to start the program. Looks only at the
    // environment and the -platform option, so that no Qt start ends in
    // Qt's own English abort.
    std::string OhneBildschirm() const;

    static std::string Hilfetext();
    static std::string Versionstext();
    // $XDG_DATA_HOME/sagwerk, else ~/.local/share/sagwerk (the home folder
    // from HOME, else the system's user database); empty when neither is
    // known.
    static std::string Datenordner();

private:
    Art m_art = Starten;
    std::string m_strOrdner;
    bool m_bDatenordner = false;
    std::string m_strPlattform;  // Qt's -platform, if given
    std::string m_strFehler;
};
