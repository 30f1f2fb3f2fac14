#pragma once

#include <QWidget>
#include <vector>

#include "IEditorAnsicht.h"

class CBedienungPage;
class CBenutzerPage;
class CEditorDaten;
class CEditorSeite;
class CVerbformen;
class CEmotionsPage;
class CFunktionsPage;
class CKategoriePage;
class CWortelementPage;
class IDialoge;
class IEditorDialoge;
class QStackedWidget;
class QTabBar;

// The carer's editor: a sheet of five pages under their tabs, shown in the
// main window in place of the communication screen.
//
// Changing the tab first runs the leave step of the page in front
// (OnKillActive); when that refuses, the tab in front stays. The model
// refreshes the page in front through RefreshPage. When the view goes, the
// page in front is stored and committed once more, without a message.
//
// Owns its pages (as Qt children). The model and the dialogs are not owned
// and must outlive the view.
class CEditorView : public QWidget, public IEditorAnsicht {
    Q_OBJECT
public:
    enum Seite { kWortelemente = 0, kKategorie, kEmotionen, kFunktionen, kBenutzer, kBedienung };

    CEditorView(CEditorDaten& daten, IDialoge& dialoge, IEditorDialoge& editorDialoge,
                QWidget* parent = nullptr);
    ~CEditorView() override;

    // Asks for the password: true when it is the user's. A wrong one is
    // answered with "Warnung!"; a cancelled prompt with nothing.
    bool AskPassword();
    // The editor may be left: the page in front is complete and committed.
    // Otherwise the carer has been told and the editor stays.
    bool CanLeave();
    void RefreshPage() override;
    // Shows the first page, refreshed.
    void Starten();
    // The verb dictionary behind "Formen vorschlagen" (may be null). Not owned.
    void SetVerbformen(const CVerbformen* verbformen);

    int GetActiveIndex() const;
    // As a click on the tab; false when the page in front refused.
    bool SetActivePage(int index);
    QTabBar* GetTabBar() const { return m_pReiter; }
    CEditorSeite* GetPage(int index) const { return m_seiten.at(static_cast<std::size_t>(index)); }
    CWortelementPage* GetWortelementPage() const { return m_pWortelemente; }
    CKategoriePage* GetKategoriePage() const { return m_pKategorie; }
    CEmotionsPage* GetEmotionsPage() const { return m_pEmotionen; }
    CFunktionsPage* GetFunktionsPage() const { return m_pFunktionen; }
    CBenutzerPage* GetBenutzerPage() const { return m_pBenutzer; }
    CBedienungPage* GetBedienungPage() const { return m_pBedienung; }

    // The commands of the menu "Editor", by the page in front: the two
    // orderings on the word-element page, restoring and saving the order on
    // the pages with lists (word elements, emotion and function buttons).
    bool KannAnordnen() const { return GetActiveIndex() == kWortelemente; }
    bool KannReihenfolge() const;
    // Ask "Wollen Sie die Wortelemente aller Kategorien anordnen?": Ja orders
    // every category, Nein the one shown, Abbrechen nothing. Like every
    // action that reorders, they first store the page (and say when it is
    // incomplete).
    void OrderAlphabetical();
    void OrderByUse();
    void RestoreOrder();
    void SetStandard();

signals:
    // The page in front changed (the menu's commands follow it).
    void SeiteGewechselt(int index);

private:
    void OnReiter(int index);
    void Anordnen(void (CEditorDaten::*ordnen)(bool));

    CEditorDaten& m_daten;
    IDialoge& m_dialoge;
    IEditorDialoge& m_editorDialoge;
    QTabBar* m_pReiter;
    QStackedWidget* m_pStapel;
    std::vector<CEditorSeite*> m_seiten;
    CWortelementPage* m_pWortelemente;
    CKategoriePage* m_pKategorie;
    CEmotionsPage* m_pEmotionen;
    CFunktionsPage* m_pFunktionen;
    CBenutzerPage* m_pBenutzer;
    CBedienungPage* m_pBedienung;
};
