#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QTimer>
#include <functional>
#include <memory>
#include <vector>

#include "CBedienung.h"
#include "CSchalter.h"
#include "CScanner.h"
#include "CVerweilen.h"

class CBildButton;
class CMarkierung;
class QAbstractButton;
class QWidget;

// Operating a screen without a mouse, as the user's settings say: switch
// scanning with one or two switches, inverse scanning, dwell for a head or
// eye pointer, or the arrow keys. The order, the times and the filtering are
// CScanner, CVerweilen and CSchalter; this class forwards the keys, mouse
// buttons and pointer to them, presses the buttons they choose
// (QAbstractButton::click, as a mouse click would) and draws the highlight.
//
// Switches: the two keys of the settings (Space and Enter for a new user;
// with two switches the first steps and the second selects, otherwise
// either selects) and the right mouse button (selects). The keyboard mode
// takes the arrow keys, Space and Enter. The left mouse button works in
// every mode, for a carer reaching over. Nothing is taken while the screen
// is hidden (the editor) or a menu is open.
//
// Every window that opens over the screen (a message box, a question, the
// password prompt, the About box) is scanned and dwelt on the same way: its
// buttons in rows; a button with the property "sagwerkOhneSchalter" set is
// left out (the password prompt's "OK": a switch never opens the editor).
// Once the window is gone, scanning goes on where it was on the screen. The
// switch keys are switches in such a window too, so Space types no blank
// and Enter does not confirm.
class CBedienungsSteuerung : public QObject {
    Q_OBJECT
public:
    // What the highlight can rest on: a button, or a place that is none (a
    // sentence of the suggestion list), given by the widget it lies on, its
    // rectangle there and what choosing it does.
    struct CKnopf {
        QAbstractButton* knopf = nullptr;
        CScanKnopf::Bereich bereich = CScanKnopf::Raster;
        QWidget* auf = nullptr;
        QRect rechteck;
        std::function<void()> druecken;
        QString text;          // what the cue voice says; empty: the button's caption
        int reihe = -1;        // the row key in the scan order; -1: the top edge
        QAbstractButton* danach = nullptr;  // where the highlight goes once this was chosen

        static CKnopf Fuer(QAbstractButton* knopf, CScanKnopf::Bereich bereich, int reihe = -1) {
            CKnopf k;
            k.knopf = knopf;
            k.bereich = bereich;
            k.reihe = reihe;
            return k;
        }
    };
    // `flaeche` is the screen operated: the highlight is drawn over its
    // window. `knoepfe` lists what it shows now.
    CBedienungsSteuerung(QWidget& flaeche, std::function<std::vector<CKnopf>()> knoepfe);
    ~CBedienungsSteuerung() override;

    // The buttons of a window, for scanning it: every button shown and
    // enabled, without those marked "sagwerkOhneSchalter".
    static std::vector<CKnopf> Fensterknoepfe(QWidget& fenster);

    void SetBedienung(const CBedienung& bedienung);
    const CBedienung& GetBedienung() const { return m_bedienung; }
    // The screen may have changed, or a window opened or closed over it:
    // the buttons are read again, and scanning starts over when they differ.
    void Neu();
    // Says a caption with the cue voice (auditory scanning); none: silent.
    void SetAnsage(std::function<void(const QString&)> ansage) { m_ansage = std::move(ansage); }
    // What the grid shows, as a number (its category and page). A press on
    // the screen that changes it (a link, paging, back to the start page)
    // is followed by a word of the new page: scanning goes on inside the
    // grid, whatever the setting says.
    void SetSeite(std::function<long long()> seite) { m_seite = std::move(seite); }

    // For tests: the clock (milliseconds, monotonic) and what is highlighted,
    // on the screen or in the window open over it.
    void SetUhr(std::function<long long()> uhr) { m_uhr = std::move(uhr); }
    std::vector<CBildButton*> GetMarkiert() const;
    std::vector<QAbstractButton*> GetMarkierteKnoepfe() const;
    const CScanner& GetScanner() const;
    // The window being operated instead of the screen; null for none.
    QWidget* GetFenster() const;
    const CMarkierung* GetMarkierung() const;
    // Runs what is due now (the step, the dwell, a press held long enough),
    // as the timer would.
    void Takt();

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    // The screen or a window over it: what it offers and where the highlight is.
    struct CFlaeche {
        QPointer<QWidget> wurzel;  // the coordinates and the frame are this widget's
        std::function<std::vector<CKnopf>()> quelle;
        std::vector<CKnopf> knoepfe;
        std::vector<QPointer<QWidget>> lebt;  // each entry's button or widget
        std::vector<std::pair<QRect, int>> stand;  // places and areas, to see a change
        CScanner scanner;
        int fokus = -1;  // the arrow keys' button
        QPointer<CMarkierung> markierung;
    };
    enum Schalter { Schritt = 1, Auswahl = 2 };
    static constexpr int kMaustaste = -2;  // the right mouse button's number as a switch

    CFlaeche& F() { return m_pFenster ? *m_pFenster : m_bildschirm; }
    const CFlaeche& F() const { return m_pFenster ? *m_pFenster : m_bildschirm; }
    bool Aktiv() const;
    QWidget* OffenesFenster() const;
    void Wechseln();
    void Auffrischen();  // reads what is shown, draws and plans
    void Einstellen(CScanner& scanner) const;
    void Lesen(CFlaeche& f);
    void Verarbeiten(const std::vector<CSchalter::CMeldung>& meldungen);
    void Schalten(int schalter);
    void Druecken(int id, bool gescannt);
    void Pfeil(int dx, int dy);
    void Zeiger();
    void Zeigen();
    void Ansagen();
    void Planen();
    QRect Ort(const CFlaeche& f, int id) const;
    std::vector<int> Markiert() const;
    bool Gueltig(const CFlaeche& f, int id) const;
    QString Text(int id) const;
    int Nummer(const QObject* ziel) const;  // -1 when not operated now
    long long Jetzt() const { return m_uhr(); }

    QWidget& m_flaeche;
    CBedienung m_bedienung;
    CFlaeche m_bildschirm;
    std::unique_ptr<CFlaeche> m_pFenster;
    CSchalter m_schalter;
    CVerweilen m_verweilen;
    QTimer m_takt;
    QTimer m_zeiger;    // dwell: looks where the pointer is
    QTimer m_waechter;  // a window or a notice may have come or gone
    QElapsedTimer m_start;
    std::function<long long()> m_uhr;
    std::function<void(const QString&)> m_ansage;
    std::function<long long()> m_seite;
    QString m_angesagt;  // what the cue voice said last, to say each arrival once
    bool m_bFilter = false;
};
