#pragma once

#include <string>

// The user's settings: the one row of table Benutzer.
class CBenutzer {
public:
    CBenutzer() = default;
    CBenutzer(std::string vorname, std::string name, long spalten, long zeilen,
              std::string passwort);
    virtual ~CBenutzer() = default;

    void GetName(std::string& vorname, std::string& name) const {
        vorname = m_strVorname;
        name = m_strName;
    }
    void SetName(const std::string& vorname, const std::string& name) {
        m_strVorname = vorname;
        m_strName = name;
    }
    const std::string& GetVorname() const { return m_strVorname; }
    const std::string& GetNachname() const { return m_strName; }

    long GetSpalten() const { return m_nSpalten; }
    void SetSpalten(long n) { m_nSpalten = n; }
    long GetZeilen() const { return m_nZeilen; }
    void SetZeilen(long n) { m_nZeilen = n; }
    const std::string& GetPasswort() const { return m_strPasswort; }
    void SetPasswort(const std::string& s) { m_strPasswort = s; }
    long GetIndex() const { return m_nIndex; }
    void SetIndex(long n) { m_nIndex = n; }
    long GetSpeed() const { return m_nSpeed; }
    void SetSpeed(long n) { m_nSpeed = n; }
    long GetPitch() const { return m_nPitch; }
    void SetPitch(long n) { m_nPitch = n; }

private:
    std::string m_strVorname;
    std::string m_strName;
    long m_nSpalten = 0;  // AnzButtonB
    long m_nZeilen = 0;   // AnzButtonH
    std::string m_strPasswort;
    long m_nIndex = 0;
    long m_nSpeed = 0;
    long m_nPitch = 0;
};
