#pragma once

#include <QStringList>
#include <cstdint>

class CBildButton;
class QGridLayout;
class QLineEdit;
class QListWidget;
class QPushButton;
class QWidget;

// Pieces the editor pages are built from, named so that tests find them.
namespace seitenteile {

QLineEdit* Feld(QWidget* eltern, const char* name);
// One row of a settings page: the label, the field and, when given, what
// echoes the field's value; `zeile` moves on by one.
void Reihe(QGridLayout& raster, int& zeile, const char* text, QWidget* feld,
           QWidget* echo = nullptr);
QPushButton* Knopf(QWidget* eltern, const char* text, const char* name);
// The 100 x 100 preview, in the colour of what it shows (0: no fill).
CBildButton* Vorschau(QWidget* eltern, std::uint32_t farbe);

// Shows the texts, rebuilding the list only when they differ from what it
// shows, and selects the row (-1: none). Sends no selection signal.
void ListeFuellen(QListWidget& liste, const QStringList& texte, int zeile);

}  // namespace seitenteile
