#pragma once

#include <QApplication>
#include <QTest>
#include <memory>
#include <string>
#include <vector>

#include "CEditorDaten.h"
#include "CEditorView.h"
#include "CSagwerkDoc.h"
#include "CTestBenutzer.h"
#include "CTestEditorDialoge.h"
#include "CTestWecker.h"

// The editor as the main window builds it, on the test user (CTestBenutzer):
// document, model and view, shown and on its first page. Speech goes to
// m_gesprochen; every dialog is scripted, and the two-second store's timer
// rings when the test rings it (m_pWecker).
class CEditorAufbau {
protected:
    void Aufbauen() {
        m_benutzer = std::make_unique<CTestBenutzer>();
        Oeffnen();
    }

    // The editor anew on the same user file.
    void Oeffnen() {
        m_view.reset();
        m_daten.reset();
        m_doc = std::make_unique<CSagwerkDoc>(m_benutzer->m_dialoge, m_benutzer->m_uhr,
                                              std::make_unique<CTestEngine>(m_gesprochen));
        QVERIFY(m_doc->OpenUser(m_benutzer->Datei()));
        m_daten = std::make_unique<CEditorDaten>(*m_doc);
        auto wecker = std::make_unique<CTestWecker>();
        m_pWecker = wecker.get();
        m_view = std::make_unique<CEditorView>(*m_daten, m_benutzer->m_dialoge, m_editorDialoge,
                                               nullptr, std::move(wecker));
        m_daten->SetEditorView(m_view.get());
        m_view->resize(1000, 700);
        m_view->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_view.get()));
        m_view->Starten();
        m_benutzer->m_dialoge.Vergessen();
    }

    void Abbauen() {
        m_view.reset();
        m_daten.reset();
        m_doc.reset();
        m_benutzer.reset();
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    template <class T>
    T* Feld(QWidget* seite, const char* name) const {
        T* w = seite->findChild<T*>(QString::fromLatin1(name));
        Q_ASSERT(w != nullptr);
        return w;
    }

    const std::vector<CTestDialoge::Meldung>& Meldungen() const {
        return m_benutzer->m_dialoge.meldungen;
    }

    std::unique_ptr<CTestBenutzer> m_benutzer;
    std::vector<std::string> m_gesprochen;
    std::unique_ptr<CSagwerkDoc> m_doc;
    std::unique_ptr<CEditorDaten> m_daten;
    CTestEditorDialoge m_editorDialoge;
    std::unique_ptr<CEditorView> m_view;
    CTestWecker* m_pWecker = nullptr;  // the view's
};
