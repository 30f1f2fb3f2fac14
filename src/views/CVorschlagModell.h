#pragma once

#include <QAbstractListModel>

#include <string>
#include <vector>

class CSagwerkDoc;

// The document's suggestions as a list model. In history mode the list
// fetches further pages of stored sentences from the document as it is
// scrolled, so that a memory of any size opens at once and only what is
// looked at is read.
class CVorschlagModell : public QAbstractListModel {
    Q_OBJECT
public:
    explicit CVorschlagModell(CSagwerkDoc& doc, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;

    // The document's lists were replaced: show them anew.
    void Neu();
    // The document appended rows (a page fetched while moving the selection).
    void Nachziehen();

private:
    CSagwerkDoc& m_doc;
    int m_nZeilen = 0;
    // The rows as shown, to tell whether the document's list has changed.
    std::vector<std::string> m_gezeigt;
    bool m_bVerlauf = false;  // the rows are the list of all sentences
};
