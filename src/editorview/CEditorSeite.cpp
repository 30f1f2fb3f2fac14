#include "CEditorSeite.h"

#include "CEditorDaten.h"
#include "IDialoge.h"
#include "IEditorDialoge.h"

CEditorSeite::CEditorSeite(CEditorDaten& daten, IDialoge& dialoge, IEditorDialoge& editorDialoge,
                           QWidget* parent)
    : QWidget(parent), m_daten(daten), m_dialoge(dialoge), m_editorDialoge(editorDialoge) {}

bool CEditorSeite::Bewacht() {
    if (Store()) return true;
    Unvollstaendig();
    return false;
}

void CEditorSeite::Unvollstaendig() {
    m_dialoge.ShowMessage("Der Dialog ist unvollständig ausgefüllt.", "Information",
                          IDialoge::Symbol::Information);
}

bool CEditorSeite::LoeschenFragen(const std::string& frage) {
    return m_dialoge.ShowMessage(frage, "Löschen", IDialoge::Symbol::Frage,
                                 IDialoge::Knoepfe::JaNein) == IDialoge::Antwort::Ja;
}

std::optional<std::string> CEditorSeite::BildWaehlen() {
    const QString pfad = m_editorDialoge.BildWaehlen(this);
    if (pfad.isEmpty()) return std::nullopt;
    std::string bild = m_daten.BildUebernehmen(pfad.toStdString());
    if (bild.empty()) return std::nullopt;
    return bild;
}
