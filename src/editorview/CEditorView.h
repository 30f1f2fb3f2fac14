#pragma once

#include <QWidget>
#include <memory>
#include <vector>

#include "IEditorAnsicht.h"
#include "IWecker.h"

class CBedienungPage;
class CSaetzePage;
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
// (OnKillActive); when that refuses (an incomplete page, or a commit the
// file refused), the tab in front stays. The model refreshes the page in
// front through RefreshPage. When the view goes, the page in front is
// stored and committed once more, without a message.
//
// Nothing typed waits long: two seconds after the carer's last change on a
// page (an edit, or a change the model reports), the page in front is stored
// and committed as when it is left (Abschliessen). After a commit the file
// refused, the next try comes at the next change, half a minute later at the
// most, so that a full disk does not bring a message every two seconds.
//
// Owns its pages (as Qt children). The model and the dialogs are not owned
// and must outlive the view.
class CEditorView : public QWidget, public IEditorAnsicht {
    Q_OBJECT
public:
    enum Seite { kWortelemente = 0, kKategorie, kEmotionen, kFunktionen, kBenutzer, kBedienung };

    static constexpr int kNachlaufMs = 2000;
    static constexpr int kNachFehlerMs = 30000;

    // wecker: the timer of the two-second store; a timer of the screen when
    // none is given.
    CEditorView(CEditorDaten& daten, IDialoge& dialoge, IEditorDialoge& editorDialoge,
                QWidget* parent = nullptr, std::unique_ptr<IWecker> wecker = nullptr);
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
    CSaetzePage* GetSaetzePage() const { return m_pSaetze; }

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

    // Stores and commits the page in front now, as the timer does; false
    // when the file refused the commit.
    bool Zwischenspeichern();
    IWecker& GetWecker() const { return *m_pWecker; }

signals:
    // The page in front changed (the menu's commands follow it).
    void SeiteGewechselt(int index);

private:
    void Nachlauf();
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
    CSaetzePage* m_pSaetze;
    std::unique_ptr<IWecker> m_pWecker;
    bool m_bNachlaufFehler = false;  // the last store was refused by the file
};
