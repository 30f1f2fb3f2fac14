#pragma once

#include <QAbstractListModel>

#include <string>
#include <vector>

class CSagwerkDoc;

// The document's suggestions as a list model. In history mode the list
// fetches further pages of stored sentences from the document as it is
// scrolled, so that a memory of any size opens at once and only what is
// looked at is read; the document keeps a window of pages, so rows above
// go as rows below come, and come back when scrolled up to.
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
    // The document's window moved (a page fetched while moving the
    // selection or scrolling): rows go and come at both ends.
    void Nachziehen();
    // Fetches the page before the first row, when there is one.
    bool FetchEarlier();
    // Rows are going and coming: a current row that moves meanwhile was not
    // chosen by the user.
    bool IsNachziehen() const { return m_bNachziehen; }

signals:
    // Before rows are put in front or dropped above (the list takes note of
    // where it stands).
    void VorneVerschiebtSich();
    // After Nachziehen, when rows were put in front (positive) or dropped
    // above (negative): the list keeps showing the same sentences by
    // scrolling as many rows, and takes the document's selection again.
    void VorneVerschoben(int zeilen);

private:
    CSagwerkDoc& m_doc;
    int m_nZeilen = 0;
    long long m_nAnfang = 0;  // the document's history offset the rows start at
    // The rows as shown, to tell whether the document's list has changed.
    std::vector<std::string> m_gezeigt;
    bool m_bVerlauf = false;  // the rows are the list of all sentences
    bool m_bNachziehen = false;
};
