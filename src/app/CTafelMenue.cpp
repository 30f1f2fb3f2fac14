#include "CTafelMenue.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>
#include <optional>

#include "CBenutzer.h"
#include "CBildCache.h"
#include "CDatenbank.h"
#include "CFortschrittsAnzeige.h"
#include "CSagwerkDoc.h"
#include "CTafelExport.h"
#include "CTafelImport.h"
#include "CTafelLeser.h"
#include "IDialoge.h"
#include "IEditorDialoge.h"

namespace {

const std::string kImport = "Tafeln importieren";
const std::string kExport = "Tafeln exportieren";

std::string Anf(const std::string& s) { return "\u201E" + s + "\u201C"; }

}  // namespace

CTafelMenue::CTafelMenue(CSagwerkDoc& doc, QWidget* fenster,
                         std::function<IEditorDialoge&()> dialoge, std::function<bool()> verlassen)
    : QObject(fenster),
      m_doc(doc),
      m_pFenster(fenster),
      m_dialoge(std::move(dialoge)),
      m_verlassen(std::move(verlassen)) {}

void CTafelMenue::Einhaengen(QMenu& menue) {
    m_pImport = menue.addAction(QStringLiteral("Tafeln &importieren \u2026"), this,
                                &CTafelMenue::Importieren);
    m_pExport = menue.addAction(QStringLiteral("Tafeln e&xportieren \u2026"), this,
                                &CTafelMenue::Exportieren);
    SetAktiv(false);
}

void CTafelMenue::SetAktiv(bool aktiv) {
    m_pImport->setEnabled(aktiv);
    m_pExport->setEnabled(aktiv);
}

void CTafelMenue::Importieren() {
    if (!m_pImport->isEnabled()) return;
    IDialoge& dialoge = m_doc.GetDialoge();
    const QString datei = m_dialoge().TafelnWaehlen(m_pFenster, false);
    if (datei.isEmpty()) return;
    const std::string name = QFileInfo(datei).fileName().toStdString();

    CTafelPaket paket;
    CZusammenfassung z;
    std::string fehler;
    bool gelesen = false;
    {
        CWarteCursor warten(dialoge);
        gelesen = CTafelLeser().Lesen(datei.toStdString(), paket, z, fehler);
    }
    if (!gelesen) {
        dialoge.ShowMessage(fehler + "\n\nEs wurde nichts importiert.", kImport,
                            IDialoge::Symbol::Warnung);
        return;
    }
    const std::string frage =
        z.Text(name) +
        "\n\nJede Tafel wird eine neue Kategorie, die Startseite bekommt einen Link zu " +
        Anf(z.wurzel) +
        "; der übrige Wortschatz bleibt, wie er ist. Sollen die Tafeln importiert "
        "werden?";
    if (dialoge.ShowMessage(frage, kImport, IDialoge::Symbol::Frage, IDialoge::Knoepfe::JaNein) !=
        IDialoge::Antwort::Ja) {
        return;
    }
    // The editor's page is committed and its model goes: the import
    // changes the categories under it.
    if (!m_verlassen()) return;
    CDatenbank* db = m_doc.GetDatabase();
    if (db == nullptr || !db->IsOpen()) {
        dialoge.ReportError("Es ist kein Benutzer geöffnet.");
        return;
    }
    bool ok = false;
    {
        CWarteCursor warten(dialoge);
        std::optional<CFortschrittsAnzeige> anzeige;
        if (z.knoepfe > kFortschrittAb) anzeige.emplace(m_pFenster);
        ok = CTafelImport::Importieren(
            paket, *db, m_doc.GetBaseDir(), fehler,
            [&](std::size_t erledigt, std::size_t gesamt, const std::string& text) {
                if (anzeige) anzeige->Fortschritt(erledigt, gesamt, text);
            });
    }
    if (!ok) {
        dialoge.ReportError(fehler);
        return;
    }
    // As after the editor: the grid shows the category it showed, as the
    // file has it now, with the new link on the start page.
    CBildCache::Instanz().NeuPruefen();
    m_doc.LoadElements(false);
    m_doc.UpdateAllViews();
    dialoge.Hinweis(std::to_string(z.tafeln) + " Tafeln mit " + std::to_string(z.knoepfe) +
                    " Knöpfen sind importiert; die Startseite führt zu " + Anf(z.wurzel) + ".");
}

void CTafelMenue::Exportieren() {
    if (!m_pExport->isEnabled()) return;
    IDialoge& dialoge = m_doc.GetDialoge();
    CDatenbank* db = m_doc.GetDatabase();
    const CBenutzer* benutzer = m_doc.GetUser();
    if (db == nullptr || !db->IsOpen() || benutzer == nullptr) {
        dialoge.ReportError("Es ist kein Benutzer geöffnet.");
        return;
    }
    const QString ziel = m_dialoge().TafelnWaehlen(m_pFenster, true);
    if (ziel.isEmpty()) return;
    std::string fehler;
    CTafelExport::Ergebnis e;
    bool ok = false;
    {
        CWarteCursor warten(dialoge);
        ok = CTafelExport::Exportieren(*db, benutzer->GetSpalten(), benutzer->GetZeilen(),
                                       m_doc.GetBaseDir(), ziel.toStdString(), fehler, &e);
    }
    if (!ok) {
        dialoge.ReportError(fehler);
        return;
    }
    std::string text = "Der Wortschatz ist als " + Anf(QFileInfo(ziel).fileName().toStdString()) +
                       " gespeichert: " + std::to_string(e.tafeln) + " Tafeln, " +
                       std::to_string(e.knoepfe) + " Knöpfe, " + std::to_string(e.bilder) +
                       " mit Bild.";
    if (e.bilderFehlen > 0) {
        text += " " + std::to_string(e.bilderFehlen) + " Bilder fehlen im Ordner des Benutzers.";
    }
    dialoge.ShowMessage(text, kExport, IDialoge::Symbol::Information);
}
