#pragma once

#include <string>

// One row of table FTasten: a person, tense or command button.
class CFunktionsTaste {
public:
    CFunktionsTaste() = default;
    CFunktionsTaste(std::string text, long code, std::string bild, std::string anzeige,
                    long position)
        : m_strText(std::move(text)),
          m_nCode(code),
          m_strBild(std::move(bild)),
          m_strAnzeigetext(std::move(anzeige)),
          m_nPosition(position) {}

    long GetIndex() const { return m_nIndex; }
    void SetIndex(long n) { m_nIndex = n; }
    // The word a person button (codes 1 to 8) puts into the sentence.
    const std::string& GetText() const { return m_strText; }
    void SetText(const std::string& s) { m_strText = s; }
    long GetCode() const { return m_nCode; }
    void SetCode(long n) { m_nCode = n; }
    const std::string& GetBild() const { return m_strBild; }
    void SetBild(const std::string& s) { m_strBild = s; }
    const std::string& GetAnzeigetext() const { return m_strAnzeigetext; }
    void SetAnzeigetext(const std::string& s) { m_strAnzeigetext = s; }
    long GetPosition() const { return m_nPosition; }
    void SetPosition(long n) { m_nPosition = n; }
    long GetAltePosition() const { return m_nAltePosition; }
    void SetAltePosition(long n) { m_nAltePosition = n; }
    long GetChanged() const { return m_nChanged; }
    void SetChanged(long n) { m_nChanged = n; }

private:
    long m_nIndex = 0;
    std::string m_strText;
    long m_nCode = 0;
    std::string m_strBild;
    std::string m_strAnzeigetext;
    long m_nPosition = 0;
    long m_nAltePosition = 0;
    long m_nChanged = 0;
};
