#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QTimer>
#include <functional>
#include <vector>

#include "CBedienung.h"
#include "CSchalter.h"
#include "CScanner.h"
#include "CVerweilen.h"

class CBildButton;
class CMarkierung;
class QWidget;

// Operating the communication screen without a mouse, as the user's
// settings say: switch scanning with one or two switches, dwell for a head
// or eye pointer, or the arrow keys. The order, the times and the filtering
// are CScanner, CVerweilen and CSchalter; this class forwards the keys,
// mouse buttons and pointer to them, presses the buttons they choose
// (QAbstractButton::click, as a mouse click would) and draws the highlight.
//
// Switches: Space and Enter (one switch: either selects; two switches:
// Space steps, Enter selects) and the right mouse button (selects). The left
// mouse button works in every mode, for a carer reaching over. Nothing is
// taken while the screen is hidden (the editor) or a dialog is open.
class CBedienungsSteuerung : public QObject {
    Q_OBJECT
public:
    struct CKnopf {
        CBildButton* knopf;
        CScanKnopf::Bereich bereich;
    };
    // `flaeche` is the communication screen: the highlight is drawn over it.
    // `knoepfe` lists its buttons shown now.
    CBedienungsSteuerung(QWidget& flaeche, std::function<std::vector<CKnopf>()> knoepfe);
    ~CBedienungsSteuerung() override;

    void SetBedienung(const CBedienung& bedienung);
    const CBedienung& GetBedienung() const { return m_bedienung; }
    // The screen may have changed: the buttons are read again, and scanning
    // starts over when they differ.
    void Neu();

    // For tests: the clock (milliseconds, monotonic) and what is highlighted.
    void SetUhr(std::function<long long()> uhr) { m_uhr = std::move(uhr); }
    std::vector<CBildButton*> GetMarkiert() const;
    const CScanner& GetScanner() const { return m_scanner; }
    // Runs what is due now (the step, the dwell), as the timer would.
    void Takt();

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    enum Schalter { Schritt = 1, Auswahl = 2 };
    bool Aktiv() const;
    void Schalten(int schalter);
    void Druecken(int id);
    void Pfeil(int dx, int dy);
    void Zeiger();
    void Zeigen();
    void Planen();
    QRect Ort(int id) const;
    // The numbers of the buttons the scan or the arrow keys highlight.
    std::vector<int> Markiert() const;
    CBildButton* Knopf(int id) const;  // nullptr for no button
    int Nummer(const CBildButton* knopf) const;  // -1 when not on the screen
    long long Jetzt() const { return m_uhr(); }

    QWidget& m_flaeche;
    std::function<std::vector<CKnopf>()> m_quelle;
    CBedienung m_bedienung;
    CScanner m_scanner;
    CSchalter m_schalter;
    CVerweilen m_verweilen;
    std::vector<QPointer<CBildButton>> m_knoepfe;
    std::vector<std::pair<QRect, int>> m_stand;  // places and areas, to see a change
    int m_nFokus = -1;                          // the arrow keys' button
    CMarkierung* m_pMarkierung = nullptr;
    QTimer m_takt;
    QTimer m_zeiger;  // dwell: looks where the pointer is
    QElapsedTimer m_start;
    std::function<long long()> m_uhr;
    bool m_bFilter = false;
};
