#include "CSatzWarteschlange.h"

#include <filesystem>
#include <fstream>
#include <system_error>

namespace {

std::string Maskieren(const std::string& s) {
    std::string m;
    for (char c : s) {
        if (c == '\\') {
            m += "\\\\";
        } else if (c == '\t') {
            m += "\\t";
        } else if (c == '\n') {
            m += "\\n";
        } else {
            m += c;
        }
    }
    return m;
}

std::string Demaskieren(const std::string& s) {
    std::string d;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] != '\\' || i + 1 == s.size()) {
            d += s[i];
            continue;
        }
        const char n = s[++i];
        d += n == 't' ? '\t' : n == 'n' ? '\n' : n;
    }
    return d;
}

}  // namespace

void CSatzWarteschlange::Oeffnen(const std::string& benutzerdatei) {
    const std::filesystem::path pfad(benutzerdatei);
    m_strDatei =
        (pfad.parent_path() / ("." + pfad.filename().string() + ".warteschlange")).string();
    m_saetze.clear();
    std::ifstream ein(m_strDatei);
    for (std::string zeile; std::getline(ein, zeile);) {
        const auto tab = zeile.find('\t');
        if (tab == std::string::npos) continue;  // a line cut off by a crash
        m_saetze.emplace_back(Demaskieren(zeile.substr(0, tab)),
                              Demaskieren(zeile.substr(tab + 1)));
    }
}

void CSatzWarteschlange::Anhaengen(const Satz& satz) {
    m_saetze.push_back(satz);
    Sichern();
}

void CSatzWarteschlange::Leeren() {
    m_saetze.clear();
    std::error_code ec;
    std::filesystem::remove(m_strDatei, ec);
}

void CSatzWarteschlange::Sichern() const {
    if (m_strDatei.empty()) return;
    // Written beside and then put in place: the file is whole or the old one.
    const std::string neu = m_strDatei + ".neu";
    {
        std::ofstream aus(neu, std::ios::trunc);
        for (const Satz& s : m_saetze)
            aus << Maskieren(s.first) << '\t' << Maskieren(s.second) << '\n';
        aus.flush();
        if (!aus) return;
    }
    std::error_code ec;
    std::filesystem::rename(neu, m_strDatei, ec);
}
