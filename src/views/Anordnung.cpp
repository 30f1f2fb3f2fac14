#include "Anordnung.h"

#include <algorithm>

namespace anordnung {

namespace {
// Every width and height computed here goes through this: the old unsigned
// arithmetic wrapped around to huge sizes where a window was too small.
int MindestensEins(int wert) { return std::max(1, wert); }
}  // namespace

CHauptansicht Hauptansicht(const QRect& desktop, int funktionsZeilen) {
    const int w = desktop.x() + desktop.width();
    const int t = desktop.y();
    const int b = desktop.y() + desktop.height() - 40;
    const int breite = MindestensEins(w - 290);

    CHauptansicht a;
    a.kind = QRect(145, 95, MindestensEins(w - 10 - 145), MindestensEins(b - 145 - 95));
    a.satz = QRect(145, b - 135, breite, 20);
    a.liste = QRect(145, b - 110, breite, 100);
    a.listeVerlauf = QRect(145, 95, breite, MindestensEins(b - 105));
    a.hoch = QRect(w - 140, b - 135, 60, 60);
    a.runter = QRect(w - 140, b - 70, 60, 60);
    a.sprechen = QRect(w - 70, b - 135, 60, 125);

    const int zeilen = funktionsZeilen > 8 ? 10 : 8;
    const int h = MindestensEins((b - t - 140 - (zeilen - 8) * 5) / zeilen);
    for (int r = 0; r < zeilen; ++r) {
        const int y = 95 + r * (h + 5);
        a.funktionen[2 * r] = QRect(10, y, 60, h);
        a.funktionen[2 * r + 1] = QRect(75, y, 60, h);
    }
    return a;
}

std::vector<QRect> Emotionen(const QRect& desktop, int n) {
    std::vector<QRect> knoepfe;
    if (n <= 0) return knoepfe;
    const int w = desktop.x() + desktop.width();
    const int l = desktop.x();
    const int e = MindestensEins((w - 5 * n - l - 15) / n);
    for (int i = 0; i < n; ++i) knoepfe.emplace_back(10 + i * (e + 5), 10, e, 75);
    return knoepfe;
}

QSize RasterGroesse(int spalten, int zeilen) {
    constexpr int kHoechstens = 1000;
    int c = std::clamp(spalten, 1, kHoechstens);
    int r = std::clamp(zeilen, 1, kHoechstens);
    if (c * r > kHoechstens) r = kHoechstens / c;
    // Later pages lose four buttons to navigation; with fewer than five
    // buttons no element would ever be shown there.
    if (c * r < 5) c = (5 + r - 1) / r;
    return QSize(c, r);
}

std::vector<QRect> Rasterzellen(const QSize& fenster, const QSize& raster) {
    const int c = raster.width();
    const int r = raster.height();
    std::vector<QRect> zellen;
    if (c <= 0 || r <= 0) return zellen;
    const int cw = MindestensEins((fenster.width() - 5 * c + 5) / c);
    const int ch = MindestensEins((fenster.height() - 5 * r + 5) / r);
    zellen.reserve(static_cast<std::size_t>(c * r));
    for (int i = 0; i < r; ++i)
        for (int j = 0; j < c; ++j) zellen.emplace_back(j * (cw + 5), i * (ch + 5), cw, ch);
    return zellen;
}

CSeite Seite(int n, int elemente, int seite) {
    CSeite s;
    s.knoepfe.assign(static_cast<std::size_t>(std::max(n, 0)), CBelegung{});
    if (n < 5) return s;
    seite = std::max(seite, 0);

    int vorne = 2;
    if (seite > 0) {
        s.letzteSeite = true;
        vorne = 3;
        s.erstesElement = (n - 4) * (seite - 1) + n - 3;
    }
    s.naechsteSeite = elemente - s.erstesElement > n - vorne;
    const int ende = s.naechsteSeite ? n - 1 : n;

    int k = 0;
    if (s.letzteSeite) s.knoepfe[k++].art = CBelegung::LetzteSeite;
    s.knoepfe[k++].art = CBelegung::Startseite;
    s.knoepfe[k++].art = CBelegung::LetzteKategorie;
    for (int e = s.erstesElement; k < ende && e < elemente; ++k, ++e)
        s.knoepfe[k] = CBelegung{CBelegung::Element, e};
    if (s.naechsteSeite) s.knoepfe[n - 1].art = CBelegung::NaechsteSeite;
    return s;
}

CKlick Klick(const CSeite& seite, int b) {
    CKlick k;
    if (b < 0 || b >= static_cast<int>(seite.knoepfe.size())) return k;
    const CBelegung& belegung = seite.knoepfe[static_cast<std::size_t>(b)];
    switch (belegung.art) {
        case CBelegung::LetzteSeite:
            k.seitenwechsel = -1;
            break;
        case CBelegung::NaechsteSeite:
            k.seitenwechsel = 1;
            break;
        case CBelegung::Startseite:
            k.element = 10000;
            break;
        case CBelegung::LetzteKategorie:
            k.element = 10001;
            break;
        case CBelegung::Element:
            k.element = belegung.element;
            break;
        case CBelegung::Versteckt:
            break;
    }
    return k;
}

CMitZeile MitWortzeile(const QRect& kind, int zeilen) {
    zeilen = std::max(zeilen, 1);
    const int h = MindestensEins((kind.height() - 5 * (zeilen + 1) + 5) / (zeilen + 1));
    CMitZeile m;
    m.zeile = QRect(kind.x(), kind.y(), kind.width(), h);
    m.rest = QRect(kind.x(), kind.y() + h + 5, kind.width(), MindestensEins(kind.height() - h - 5));
    return m;
}

std::vector<QRect> Zeilenknoepfe(const QSize& zeile, int n) {
    return Rasterzellen(zeile, QSize(std::max(n, 0), 1));
}

QRect Umschalttaste(const std::array<QRect, 31>& tasten) {
    const QRect& y = tasten[21];
    return QRect(0, y.y(), y.width(), y.height());
}

std::array<QRect, kTasten> Tasten(const QSize& fenster) {
    const int kh = MindestensEins((fenster.height() - 15) / 4);
    const int kw = MindestensEins((fenster.width() - 50) / 11);
    std::array<QRect, kTasten> t;
    for (int i = 0; i < 11; ++i) t[i] = QRect(i * (kw + 5), 0, kw, kh);
    for (int i = 0; i < 10; ++i) t[11 + i] = QRect(kw / 2 + 10 + i * (kw + 5), kh + 5, kw, kh);
    for (int i = 0; i < 8; ++i) t[21 + i] = QRect(kw + 10 + i * (kw + 5), 2 * (kh + 5), kw, kh);
    const int y4 = 3 * (kh + 5);
    t[29] = QRect(static_cast<int>(kw * 1.5 + 10), y4, 6 * kw, kh);
    t[30] = QRect(8 * kw + 15, y4, 2 * kw, kh);
    return t;
}

QRect BildZiel(const QSize& knopf, int texthoehe, const QSize& bild, bool icon) {
    const int rand = icon ? 14 : 20;
    const int a = std::max(0, std::min(knopf.width() - rand, knopf.height() - texthoehe - rand));
    QSize ziel = bild;
    if (bild.width() >= a && bild.height() >= a) ziel = QSize(a, a);
    return QRect((knopf.width() - ziel.width()) / 2,
                 (knopf.height() - texthoehe - ziel.height()) / 2, ziel.width(), ziel.height());
}

QPoint TextPosition(const QSize& knopf, const QSize& text) {
    return QPoint((knopf.width() - text.width()) / 2, knopf.height() - text.height() - 8);
}

CAuswahl Benutzerauswahl(int n, int maxBreite) {
    CAuswahl a;
    n = std::max(n, 0);
    int spalten = std::max(n, 1);
    if (120 * spalten + 10 > maxBreite) spalten = std::max(1, (maxBreite - 10) / 120);
    const int zeilen = std::max(1, (n + spalten - 1) / spalten);
    for (int i = 0; i < n; ++i)
        a.knoepfe.emplace_back(10 + 120 * (i % spalten), 10 + 120 * (i / spalten), 100, 100);
    a.dialog = QSize(120 * std::min(std::max(n, 1), spalten) + 10, 145 + 120 * (zeilen - 1));
    return a;
}

}  // namespace anordnung
