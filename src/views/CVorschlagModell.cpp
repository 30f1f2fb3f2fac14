#include "CVorschlagModell.h"

#include "CSagwerkDoc.h"

CVorschlagModell::CVorschlagModell(CSagwerkDoc& doc, QObject* parent)
    : QAbstractListModel(parent), m_doc(doc) {
    m_nZeilen = static_cast<int>(m_doc.GetSuggestions().size());
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
    beginResetModel();
    m_nZeilen = static_cast<int>(m_doc.GetSuggestions().size());
    endResetModel();
}

void CVorschlagModell::Nachziehen() {
    const int neu = static_cast<int>(m_doc.GetSuggestions().size());
    if (neu <= m_nZeilen) return;
    beginInsertRows(QModelIndex(), m_nZeilen, neu - 1);
    m_nZeilen = neu;
    endInsertRows();
}
