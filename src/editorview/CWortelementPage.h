#pragma once

#include <vector>

#include "CEditorSeite.h"

class CElementSeite;
class CListenBilder;
class CLinkPage;
class CVerbenPage;
class CWortPage;
class QComboBox;
class QListWidget;
class QPushButton;
class QStackedWidget;

// "Wortelemente": the elements of one category in their order. The carer
// chooses the category, selects, moves, creates and deletes elements and
// sets each one's kind; the current element is edited beside the list on the
// page of its kind (word, verb or link).
//
// Store goes by the kind box, not by the element: it is the visible page
// that holds what the carer typed. Leaving the page stores and commits.
class CWortelementPage : public CEditorSeite {
    Q_OBJECT
public:
    CWortelementPage(CEditorDaten& daten, IDialoge& dialoge, IEditorDialoge& editorDialoge,
                     QWidget* parent = nullptr);

    void Refresh() override;
    bool Store() override;
    bool OnKillActive() override;
    bool Abschliessen() override;

    CWortPage* GetWortPage() const { return m_pWortPage; }
    CVerbenPage* GetVerbenPage() const { return m_pVerbenPage; }
    CLinkPage* GetLinkPage() const { return m_pLinkPage; }
    CListenBilder* GetListenBilder() const { return m_pListenBilder; }
    // The child page shown, or null.
    CElementSeite* GetSichtbar() const;

private:
    void OnElementGewaehlt(int zeile);
    void OnVerschieben(bool hoch);
    void OnNeu();
    void OnLoeschen();
    void OnKategorie(int eintrag);
    void OnArt(int eintrag);
    void KategorienZeigen();
    void ListeZeigen();

    std::vector<long> m_indexe;     // Index of the element in each row of the list
    std::vector<QString> m_bilder;  // its picture, full path
    CListenBilder* m_pListenBilder;
    QComboBox* m_cboKategorien;
    QListWidget* m_lstElemente;
    QPushButton* m_btnUp;
    QPushButton* m_btnDown;
    QComboBox* m_cboArt;
    QPushButton* m_btnNeu;
    QPushButton* m_btnLoeschen;
    QStackedWidget* m_pDetails;
    QWidget* m_pLeer;
    CWortPage* m_pWortPage;
    CVerbenPage* m_pVerbenPage;
    CLinkPage* m_pLinkPage;
};
