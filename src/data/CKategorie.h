#pragma once

#include <string>

// One row of table Kategorie: a page of the vocabulary.
class CKategorie {
public:
    long GetIndex() const { return m_nIndex; }
    void SetIndex(long n) { m_nIndex = n; }
    const std::string& GetName() const { return m_strName; }
    void SetName(const std::string& s) { m_strName = s; }
    long GetNummer() const { return m_nNummer; }
    void SetNummer(long n) { m_nNummer = n; }

private:
    long m_nIndex = 0;
    std::string m_strName;
    long m_nNummer = 0;  // KatNummer
};
