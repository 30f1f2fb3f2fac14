#include "CVorschlagModell.h"

#include "CSagwerkDoc.h"

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
    return QString::fromStdString(m_doc.GetSuggestions()[static_cast<std::size_t>(index.row())]);
}

bool CVorschlagModell::canFetchMore(const QModelIndex& parent) const {
    return !parent.isValid() && m_doc.HasMoreHistory();
}

void CVorschlagModell::fetchMore(const QModelIndex& parent) {
    if (parent.isValid()) return;
    m_doc.FetchMoreHistory();
    Nachziehen();
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
    m_gezeigt = verlauf ? std::vector<std::string>() : m_doc.GetSuggestions();
    m_nZeilen = static_cast<int>(m_doc.GetSuggestions().size());
    endResetModel();
}

void CVorschlagModell::Nachziehen() {
    const auto& alle = m_doc.GetSuggestions();
    const int neu = static_cast<int>(alle.size());
    if (neu <= m_nZeilen) return;
    beginInsertRows(QModelIndex(), m_nZeilen, neu - 1);
    if (!m_bVerlauf) m_gezeigt.insert(m_gezeigt.end(), alle.begin() + m_nZeilen, alle.end());
    m_nZeilen = neu;
    endInsertRows();
}
