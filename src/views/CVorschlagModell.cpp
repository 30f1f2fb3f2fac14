#include "CVorschlagModell.h"

#include "CSagwerkDoc.h"

#include <algorithm>

CVorschlagModell::CVorschlagModell(CSagwerkDoc& doc, QObject* parent)
    : QAbstractListModel(parent), m_doc(doc) {
    m_gezeigt = m_doc.GetSuggestions();
    m_nZeilen = static_cast<int>(m_gezeigt.size());
}

int CVorschlagModell::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_nZeilen;
}

QVariant CVorschlagModell::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= m_nZeilen) return {};
    // While the rows are brought up to date, the document may hold others.
    const long long zeile = index.row() + m_nAnfang - m_doc.GetHistoryOffset();
    const auto& alle = m_doc.GetSuggestions();
    if (zeile < 0 || zeile >= static_cast<long long>(alle.size())) return {};
    return QString::fromStdString(alle[static_cast<std::size_t>(zeile)]);
}

bool CVorschlagModell::canFetchMore(const QModelIndex& parent) const {
    return !parent.isValid() && m_doc.HasMoreHistory();
}

void CVorschlagModell::fetchMore(const QModelIndex& parent) {
    if (parent.isValid()) return;
    m_doc.FetchMoreHistory();
    Nachziehen();
}

bool CVorschlagModell::FetchEarlier() {
    if (!m_doc.FetchEarlierHistory()) return false;
    Nachziehen();
    return true;
}

void CVorschlagModell::Neu() {
    // A key typed inside a word leaves the suggestions as they were: the
    // list keeps its rows, nothing is laid out or painted again. (The list
    // of all sentences is not compared: it is long, and it is only reset
    // when it is opened.)
    const bool verlauf = m_doc.IsHistoryMode();
    if (!verlauf && !m_bVerlauf && m_doc.GetSuggestions() == m_gezeigt) return;
    beginResetModel();
    m_bVerlauf = verlauf;
    m_nAnfang = m_doc.GetHistoryOffset();
    m_gezeigt = verlauf ? std::vector<std::string>() : m_doc.GetSuggestions();
    m_nZeilen = static_cast<int>(m_doc.GetSuggestions().size());
    endResetModel();
}

void CVorschlagModell::Nachziehen() {
    m_bNachziehen = true;
    const auto& alle = m_doc.GetSuggestions();
    // Rows dropped above or put in front in the list of all sentences.
    const long long anfang = m_doc.GetHistoryOffset();
    int vorne = 0;
    if (anfang != m_nAnfang && m_nZeilen > 0) emit VorneVerschiebtSich();
    if (anfang > m_nAnfang) {
        const int weg = static_cast<int>(std::min<long long>(anfang - m_nAnfang, m_nZeilen));
        if (weg == 0) {
            m_nAnfang = anfang;
        } else {
            beginRemoveRows(QModelIndex(), 0, weg - 1);
            m_nZeilen -= weg;
            m_nAnfang = anfang;
            endRemoveRows();
            vorne = -weg;
        }
    } else if (anfang < m_nAnfang) {
        const int neu = static_cast<int>(m_nAnfang - anfang);
        beginInsertRows(QModelIndex(), 0, neu - 1);
        m_nZeilen += neu;
        m_nAnfang = anfang;
        endInsertRows();
        vorne = neu;
    }
    // Rows dropped below or appended.
    const int n = static_cast<int>(alle.size());
    if (n < m_nZeilen) {
        beginRemoveRows(QModelIndex(), n, m_nZeilen - 1);
        m_nZeilen = n;
        endRemoveRows();
    } else if (n > m_nZeilen) {
        beginInsertRows(QModelIndex(), m_nZeilen, n - 1);
        if (!m_bVerlauf) m_gezeigt.insert(m_gezeigt.end(), alle.begin() + m_nZeilen, alle.end());
        m_nZeilen = n;
        endInsertRows();
    }
    m_bNachziehen = false;
    if (vorne != 0) emit VorneVerschoben(vorne);
}
