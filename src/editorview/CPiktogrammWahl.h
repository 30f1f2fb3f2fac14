#pragma once

#include <QString>
#include <QWidget>
#include <memory>
#include <vector>

#include "CPiktogrammSuche.h"

class CBildButton;
class CEditorDaten;
class QGridLayout;
class QLabel;
class QLineEdit;
class QScrollArea;

// "Bild suchen": a field where the carer types a German word, and under it
// the matching pictures as a grid of picture buttons with their German
// names, best first (CPiktogrammSuche: the user's own pictures, the starter
// vocabulary's, then all OpenMoji pictograms). A click on one chooses it.
//
// The grid is drawn at once; its pictures are decoded in the background by
// the communication screen's picture cache and follow. The pictograms'
// names are read once per program; the user's own pictures when the field
// is first used.
//
// The model must outlive the widget.
class CPiktogrammWahl : public QWidget {
    Q_OBJECT
public:
    static constexpr int kTreffer = 20;

    CPiktogrammWahl(CEditorDaten& daten, QWidget* parent = nullptr);

    // Shows the matches of the text (and puts it in the field); the empty
    // text hides the grid.
    void Suchen(const QString& text);
    void Leeren();
    QLineEdit* GetFeld() const { return m_edtSuche; }
    // The buttons of the grid shown, best first.
    std::vector<CBildButton*> GetTreffer() const;
    // The full path of the picture behind a button of the grid.
    QString GetBild(int treffer) const;

signals:
    // The carer chose a picture: its full path.
    void Gewaehlt(const QString& pfad);

private:
    const CPiktogrammSuche& Suche();

    CEditorDaten& m_daten;
    QLineEdit* m_edtSuche;
    QLabel* m_lblKeine;
    QScrollArea* m_pRollen;
    QWidget* m_pRaster;
    QGridLayout* m_pLayout;
    std::vector<CBildButton*> m_knoepfe;
    std::vector<QString> m_bilder;
    std::unique_ptr<CPiktogrammSuche> m_pSuche;  // with the user's own pictures
};
