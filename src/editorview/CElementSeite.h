#pragma once

#include <QString>
#include <cstdint>
#include <string>

#include "CEditorSeite.h"

class CBildButton;
class CPiktogrammWahl;
class CWortelement;
class QPushButton;

// A page that edits the model's current word element of one kind. The
// word-element page shows one of them beside its list (word, verb or link)
// and calls Load and Store.
//
// Shared here: the element's picture as the page holds it until the next
// Store, the preview button that shows caption and picture as the grid
// would, the picture choice (a file, or the picture search beside it), and
// the changed flag set by every edit. While the carer types the display
// text of an element that is new and has no picture yet, the search offers
// the pictures of that text.
class CElementSeite : public CEditorSeite {
    Q_OBJECT
public:
    // farbe: the preview's fill colour. spricht: a click on the preview
    // stores the page and speaks its phonetic text, or the display text
    // where there is none.
    CElementSeite(CEditorDaten& daten, IDialoge& dialoge, IEditorDialoge& editorDialoge,
                  std::uint32_t farbe, bool spricht, QWidget* parent = nullptr);

    // Shows the element; null shows empty fields and changes nothing later.
    virtual void Load(CWortelement* element) = 0;

    CBildButton* GetVorschau() const { return m_pVorschau; }
    CPiktogrammWahl* GetBildSuche() const { return m_pBildSuche; }

signals:
    // The carer typed a new display text (the list beside shows it at once).
    void AnzeigetextGeaendert(const QString& text);

public:
    const std::string& GetBild() const { return m_strBild; }

protected:
    // The phonetic text the preview speaks, and the display text it speaks
    // where that is empty.
    virtual std::string Phonetisch() const { return {}; }
    virtual std::string Anzeigetext() const { return {}; }
    void VorschauZeigen(const QString& caption);
    // An edit of the display text: preview, list and changed flag follow it.
    void AnzeigetextBearbeitet(const QString& text);
    // Every edit of a field marks the element for the next commit.
    void Geaendert();

    CWortelement* m_pElement = nullptr;
    std::string m_strBild;
    CBildButton* m_pVorschau;
    QPushButton* m_pBildKnopf;
    CPiktogrammWahl* m_pBildSuche;
    // "Bild wählen" above the picture search: where the pages place it.
    QWidget* m_pBildSpalte;

private:
    void OnBildWaehlen();
    void BildSetzen(const std::string& bild);
};
