#pragma once

#include <QTimer>
#include <QWidget>
#include <cstdint>
#include <string>
#include <vector>

#include "Anordnung.h"

class CBildButton;
class CSagwerkDoc;
class CWortButton;

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

    // The smallest letters a caption shrinks to (pixels) before it goes on
    // two lines or loses letters: "Krankenhaus" stays whole on a small cell.
    static constexpr int kMindestSchrift = 10;

    // Builds the grid for the current window size and the document's grid
    // size (clamped to something usable, see anordnung::RasterGroesse).
    void CreateButtons();
    void ResetPage() { m_nPage = 0; }
    // Fills the buttons for the current page from the document's list.
    void ShowPage();

    int GetPage() const { return m_nPage; }
    int GetButtonCount() const { return static_cast<int>(m_buttons.size()); }
    CBildButton* GetButton(int k) const { return m_buttons.at(static_cast<std::size_t>(k)); }
    // Buttons of the pages beside this one still to be drawn ahead.
    int GetVorzeichnenOffen() const { return static_cast<int>(m_vorzeichnen.size()); }

signals:
    // The person turned to another page of the category.
    void SeiteGewechselt();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // A button of a page beside the shown one, drawn ahead while the user
    // looks at the page, once its picture has been decoded: turning to that
    // page then only copies what was drawn.
    struct CVorzeichnen {
        int knopf;
        std::string caption;
        std::uint32_t farbe;
        std::string bild;
    };
    void Vorbereiten(const std::vector<const CWortButton*>& elemente);
    void VorzeichnenSchritt();
    void OnButton(int b);
    void Navigation(CBildButton* knopf, const char* caption, const char* icon);

    CSagwerkDoc& m_doc;
    std::vector<CBildButton*> m_buttons;
    anordnung::CSeite m_seite;
    std::vector<CVorzeichnen> m_vorzeichnen;
    bool m_bAngefordert = false;  // their pictures have been asked for
    CBildButton* m_pProbe = nullptr;  // hidden, draws the buttons ahead
    QTimer m_leerlauf;
    int m_nPage = 0;
};
