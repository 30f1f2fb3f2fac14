#pragma once

#include <string>

// One row of table EButtons.
class CEmotionsButton {
public:
    CEmotionsButton() = default;
    CEmotionsButton(std::string text, std::string anzeige, std::string bild, long position)
        : m_strText(std::move(text)),
          m_strAnzeigetext(std::move(anzeige)),
          m_strBild(std::move(bild)),
          m_nPosition(position) {}

    // The phonetic text the button speaks.
    const std::string& GetText() const { return m_strText; }
    void SetText(const std::string& s) { m_strText = s; }
    const std::string& GetAnzeigetext() const { return m_strAnzeigetext; }
    void SetAnzeigetext(const std::string& s) { m_strAnzeigetext = s; }
    const std::string& GetBild() const { return m_strBild; }
    void SetBild(const std::string& s) { m_strBild = s; }
    long GetPosition() const { return m_nPosition; }
    void SetPosition(long n) { m_nPosition = n; }
    long GetAltePosition() const { return m_nAltePosition; }
    void SetAltePosition(long n) { m_nAltePosition = n; }
    long GetIndex() const { return m_nIndex; }
    void SetIndex(long n) { m_nIndex = n; }
    bool GetChanged() const { return m_bChanged; }
    void SetChanged(bool b) { m_bChanged = b; }

private:
    std::string m_strText;
    std::string m_strAnzeigetext;
    std::string m_strBild;
    long m_nPosition = 0;
    long m_nAltePosition = 0;
    long m_nIndex = 0;
    bool m_bChanged = false;
};
