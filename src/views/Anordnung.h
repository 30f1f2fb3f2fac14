#pragma once

#include <QRect>
#include <QSize>
#include <array>
#include <vector>

// The pixel rules of the communication screen as pure functions: from the
// size of a window (or the desktop) to the rectangles of what it holds. The
// widgets only apply them, so every number can be checked without a screen.
//
// Sizes that would give no meaningful result (too few buttons for paging,
// windows too small for the gaps) are clamped to the smallest usable value
// instead of wrapping around; the comments say how.
namespace anordnung {

// --- Main view ----------------------------------------------------------

struct CHauptansicht {
    QRect kind;          // grid and keyboard
    QRect satz;          // sentence field
    QRect liste;         // suggestion list
    QRect listeVerlauf;  // suggestion list in history mode
    QRect hoch;
    QRect runter;
    QRect sprechen;
    // Row by row, left before right: 8 rows of two, or 10 rows for a user
    // with more than 16 function buttons (the last four empty otherwise).
    std::array<QRect, 20> funktionen;
};

// The desktop rectangle decides everything: W its right edge, T its top,
// B its bottom minus 40 pixels for the task bar. funktionsZeilen: 8, or 10
// (anything above 8 counts as 10).
CHauptansicht Hauptansicht(const QRect& desktop, int funktionsZeilen = 8);

// n emotion buttons along the top; empty for n <= 0. A width that would fall
// below 1 pixel is clamped to 1.
std::vector<QRect> Emotionen(const QRect& desktop, int n);

// --- Word-button grid ---------------------------------------------------

// The grid size actually built for the stored columns and rows: each at least
// 1, at most 1000 buttons in all (the command range), and at least five
// buttons (paging needs them), widening the grid where it has fewer.
QSize RasterGroesse(int spalten, int zeilen);

// Cells row by row for a window of the given outer size, 5-pixel gaps between
// them and none at the edges. Cells are at least 1 x 1 pixel.
std::vector<QRect> Rasterzellen(const QSize& fenster, const QSize& raster);

// What one button of the grid shows on a page.
struct CBelegung {
    enum Art { Versteckt, LetzteSeite, Startseite, LetzteKategorie, NaechsteSeite, Element };
    Art art = Versteckt;
    int element = -1;  // position in the element list, for Element only
};

struct CSeite {
    bool letzteSeite = false;    // button 0 is "letzte Seite"
    bool naechsteSeite = false;  // the last button is "nächste Seite"
    int erstesElement = 0;       // position of the first element shown
    std::vector<CBelegung> knoepfe;
};

// Page `seite` (from 0) of a grid of n buttons (n >= 5) showing a list of
// `elemente` entries.
CSeite Seite(int n, int elemente, int seite);

// What a click on button b of the page means: a page change (delta -1 or +1)
// or a call of the document with 10000, 10001 or an element position.
struct CKlick {
    int seitenwechsel = 0;
    int element = -1;  // -1: nothing for the document
};
CKlick Klick(const CSeite& seite, int b);

// --- Rows of offered words ------------------------------------------------

// The area of the grid (or the keyboard) with the row of offered words on
// top: the row is one row high of `zeilen` + 1 equal rows 5 pixels apart,
// and the grid (or the keys) get the rest below it. Heights are at least 1.
struct CMitZeile {
    QRect zeile;
    QRect rest;
};
CMitZeile MitWortzeile(const QRect& kind, int zeilen);

// n word buttons across a row of the given size, 5 pixels apart (the
// cells of a grid of n columns and one row).
std::vector<QRect> Zeilenknoepfe(const QSize& zeile, int n);

// The shift key, left of the bottom row of letters ("Y"), as wide as a key.
QRect Umschalttaste(const std::array<QRect, 31>& tasten);

// --- Keyboard -----------------------------------------------------------

constexpr int kTasten = 31;
// Key rectangles for a keyboard window of the given outer size. Key width and
// height are at least 1 pixel, also in windows narrower than 50 or lower
// than 15 pixels.
std::array<QRect, kTasten> Tasten(const QSize& fenster);

// --- Picture button -----------------------------------------------------

// Where a picture of natural size `bild` is drawn on a button of size
// `knopf` whose caption is `texthoehe` high. Icons keep a margin of 14
// pixels, bitmaps one of 20; a picture is only ever shrunk, to a square.
QRect BildZiel(const QSize& knopf, int texthoehe, const QSize& bild, bool icon);

// Top-left corner of the caption of size `text`.
QPoint TextPosition(const QSize& knopf, const QSize& text);

// --- User selection -----------------------------------------------------

struct CAuswahl {
    std::vector<QRect> knoepfe;
    QSize dialog;
};
// n buttons of 100 x 100 pixels, 20 apart, in one row; when the row would be
// wider than `maxBreite`, in as many rows as needed, so no user is out of
// reach. Without buttons the dialog keeps room for one.
CAuswahl Benutzerauswahl(int n, int maxBreite);

}  // namespace anordnung
