#include "CBenutzer.h"

#include <utility>

CBenutzer::CBenutzer(std::string vorname, std::string name, long spalten, long zeilen,
                     std::string passwort)
    : m_strVorname(std::move(vorname)),
      m_strName(std::move(name)),
      m_nSpalten(spalten),
      m_nZeilen(zeilen),
      m_strPasswort(std::move(passwort)) {}
