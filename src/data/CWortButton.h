#pragma once

#include <string>

// What the button grid needs of one word element.
class CWortButton {
public:
    CWortButton() = default;
    CWortButton(long position, long kategorie, std::string bild, std::string text, bool link)
        : m_nPosition(position),
          m_nKategorie(kategorie),
          m_strBild(std::move(bild)),
          m_strText(std::move(text)),
          m_bLink(link) {}

    long GetIndex() const { return m_nIndex; }
    void SetIndex(long n) { m_nIndex = n; }
    long GetPosition() const { return m_nPosition; }
    void SetPosition(long n) { m_nPosition = n; }
    // For a link the target category, otherwise the element's own category.
    long GetKategorie() const { return m_nKategorie; }
    void SetKategorie(long n) { m_nKategorie = n; }
    const std::string& GetBild() const { return m_strBild; }
    void SetBild(const std::string& s) { m_strBild = s; }
    // Anzeigetext, or Geg1PersE when Anzeigetext is empty.
    const std::string& GetText() const { return m_strText; }
    void SetText(const std::string& s) { m_strText = s; }
    bool IsLink() const { return m_bLink; }
    void SetLink(bool b) { m_bLink = b; }

private:
    long m_nIndex = 0;
    long m_nPosition = 0;
    long m_nKategorie = 0;
    std::string m_strBild;
    std::string m_strText;
    bool m_bLink = false;
};
