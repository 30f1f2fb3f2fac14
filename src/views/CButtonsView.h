#pragma once

#include <QWidget>
#include <vector>

#include "Anordnung.h"

class CBildButton;
class CSagwerkDoc;

// The grid of picture buttons: the document's current element list page by
// page, with "Startseite", "letzte Kategorie" and, where needed, "letzte
// Seite" and "nächste Seite" in the same grid.
//
// Owns its buttons (as Qt children). Clicks on elements and on the two
// category buttons go to the document's ElementClicked; paging stays inside
// the view. The document must outlive the view.
class CButtonsView : public QWidget {
    Q_OBJECT
public:
    CButtonsView(CSagwerkDoc& doc, QWidget* parent = nullptr);

    // Builds the grid for the current window size and the document's grid
    // size (clamped to something usable, see anordnung::RasterGroesse).
    void CreateButtons();
    void ResetPage() { m_nPage = 0; }
    // Fills the buttons for the current page from the document's list.
    void ShowPage();

    int GetPage() const { return m_nPage; }
    int GetButtonCount() const { return static_cast<int>(m_buttons.size()); }
    CBildButton* GetButton(int k) const { return m_buttons.at(static_cast<std::size_t>(k)); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void OnButton(int b);
    void Navigation(CBildButton* knopf, const char* caption, const char* icon);

    CSagwerkDoc& m_doc;
    std::vector<CBildButton*> m_buttons;
    anordnung::CSeite m_seite;
    int m_nPage = 0;
};
