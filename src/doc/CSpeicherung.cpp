#include "CSpeicherung.h"

#include <SQLiteCpp/SQLiteCpp.h>

#include <algorithm>
#include <filesystem>

#include "IDialoge.h"
#include "IUhr.h"

CSpeicherung::CSpeicherung(IDialoge& dialoge, const IUhr& uhr) : m_dialoge(dialoge), m_uhr(uhr) {}

CSpeicherung::~CSpeicherung() {
    m_sicherung.Stoppen();
    SchreiberBeenden();
    m_pDatabase.reset();  // its threads end while everything they call on is there
}

bool CSpeicherung::Oeffnen(const std::string& datei, CBenutzer& benutzer, CBedienung& bedienung) {
    CDatenbank::Optionen optionen = m_optionen;
    // No click and no "Sprechen" waits for the disk.
    optionen.imHintergrundSchreiben = true;
    if (m_nachreicher) {
        // The loader and checker threads only hand the news over; it is
        // acted on on the owner's thread.
        optionen.indexGeladen = [this] {
            Nachreichen([this] {
                if (m_indexGeladen) m_indexGeladen();
            });
        };
        optionen.geprueft = [this] { Nachreichen([this] { PruefungFertig(); }); };
    }
    Schliessen();
    m_strDatei = datei;
    m_bSchadenHinweis = false;
    m_pDatabase = std::make_unique<CDatenbank>(datei, m_dialoge, m_uhr, optionen);
    // A file that did not open has already been reported by CDatenbank;
    // asking it again would only repeat that message for every list.
    const bool gelesen = m_pDatabase->IsOpen() && m_pDatabase->LoadBenutzer(benutzer);
    m_letzterVersuch = {m_pDatabase->IsBelegt(), m_pDatabase->IsAnderesSagwerk(),
                        !gelesen && m_pDatabase->IsOpen() && m_pDatabase->IsDamaged()};
    if (gelesen) m_pDatabase->LoadBedienung(bedienung);
    // A file without its user row is not used: nothing is ever written to it.
    if (!gelesen) m_pDatabase.reset();
    m_bWarteHinweis = false;
    m_warteschlange.Oeffnen(datei);
    const bool belegt = !gelesen && m_pDatabase == nullptr && m_letzterVersuch.belegt;
    m_bWartet = belegt;
    if (gelesen) {
        // What a backup or a restore killed half way left goes (the file is
        // ours now: no restore runs).
        CSicherung(datei).Aufraeumen();
        CSicherung(datei).WiederherstellungAufraeumen();
        PruefungFertig();
    } else if (belegt) {
        const std::string name = std::filesystem::path(datei).filename().string();
        m_dialoge.Hinweis("Die Benutzerdatei \u201E" + name +
                          "\u201C wird gerade von einem anderen Programm benutzt. Sagwerk öffnet "
                          "sie, sobald sie frei ist; gesprochene Sätze warten solange daneben.");
    } else if (!m_letzterVersuch.anderesSagwerk &&
               (m_letzterVersuch.beschaedigt || !CSicherung(datei).Liste().empty())) {
        // Only a file that failed for itself may be damaged: not one that
        // another Sagwerk has open.
        SchadenHinweis();
    }
    return gelesen;
}

bool CSpeicherung::DateiFrei() const {
    try {
        SQLite::Database probe(m_strDatei, SQLite::OPEN_READONLY, 0);
        probe.execAndGet("PRAGMA user_version");
        return true;
    } catch (const SQLite::Exception&) {
        return false;
    }
}

void CSpeicherung::Schliessen() {
    SchreiberBeenden();
    m_pDatabase.reset();  // its loader thread ends before the next one starts
}

void CSpeicherung::Speichern(const CSatzWarteschlange::Satz& satz) {
    // Kept beside the file at once (it outlives the program being killed),
    // stored by the writer; nothing here waits for the disk.
    if (!m_warteschlange.Anhaengen(satz, false)) NirgendsHinweis();
    Nachholen();
}

void CSpeicherung::NirgendsHinweis() {
    if (m_bNirgendsHinweis) return;
    m_bNirgendsHinweis = true;
    m_dialoge.Hinweis(
        "Die gesprochenen Sätze können gerade nirgends gespeichert werden: weder die "
        "Benutzerdatei noch ein anderer Ordner nimmt sie auf (der Datenträger ist voll oder "
        "schreibgeschützt). Sie bleiben erhalten, solange Sagwerk läuft; wird es jetzt beendet, "
        "gehen sie verloren.");
}

bool CSpeicherung::Nachholen() {
    Abholen();
    Uebergeben();
    return m_warteschlange.IsLeer();
}

void CSpeicherung::WaitForWriter() {
    if (m_pDatabase != nullptr) {
        // A big file's check may still run: sentences wait for it.
        m_pDatabase->WaitForCheck();
        PruefungFertig();
    }
    if (m_pSchreiber) m_pSchreiber->Warten();
    Abholen();
    if (m_pDatabase != nullptr) m_pDatabase->WaitForWrites();
}

void CSpeicherung::WarteHinweis(const std::string& fehler) {
    // No reason: a moment of waiting (the check after opening) nobody
    // needs to hear about. A damaged file has its own notice.
    if (m_bWarteHinweis || fehler.empty() || m_bSchadenHinweis) return;
    // "Nothing is lost" is said only while it is true.
    if (!m_warteschlange.IsGesichert()) {
        NirgendsHinweis();
        return;
    }
    m_bWarteHinweis = true;
    m_dialoge.Hinweis(
        "Die gesprochenen Sätze können gerade nicht in der Benutzerdatei "
        "gespeichert werden (" +
        fehler + ") Sie gehen nicht verloren: Sagwerk speichert sie, sobald es wieder geht.");
}

bool CSpeicherung::Nachreichen(std::function<void()> aufgabe) {
    if (!m_nachreicher) return false;
    m_nachreicher([lebt = std::weak_ptr<bool>(m_pLebt), aufgabe = std::move(aufgabe)] {
        if (lebt.lock()) aufgabe();
    });
    return true;
}

void CSpeicherung::PruefungFertig() {
    if (m_pDatabase == nullptr || !m_pDatabase->IsChecked()) return;
    if (m_pDatabase->IsDamaged()) {
        SchadenHinweis();
        return;
    }
    Nachholen();
    Sichern();
}

void CSpeicherung::Sichern() {
    if (!m_bSichern || m_pDatabase == nullptr || !m_pDatabase->IsChecked() ||
        m_pDatabase->IsDamaged()) {
        return;
    }
    const std::string heute = CSicherung::Datum(m_uhr.Jetzt());
    if (m_strSicherungVersucht == heute || m_sicherung.IsAktiv()) return;
    m_strSicherungVersucht = heute;
    if (CSicherung(m_strDatei).HatSicherung(heute)) return;
    m_sicherung.Starten(m_strDatei, heute, [this, datei = m_strDatei](const auto& ergebnis) {
        // A user opened since then is not concerned.
        Nachreichen([this, datei, ergebnis] {
            if (datei == m_strDatei) SicherungFertig(ergebnis);
        });
    });
}

void CSpeicherung::SicherungFertig(const CTaeglicheSicherung::Ergebnis& ergebnis) {
    if (!ergebnis.dateiBeschaedigt || m_pDatabase == nullptr) return;
    m_pDatabase->MarkDamaged(ergebnis.fehler);
    SchadenHinweis();
}

void CSpeicherung::SchadenHinweis() {
    if (m_bSchadenHinweis) return;
    m_bSchadenHinweis = true;
    // SQLite's own finding is for the tool (sagwerk-sicherung pruefen), not
    // for a notice read from across the room.
    const std::string name = std::filesystem::path(m_strDatei).filename().string();
    std::string text = "Die Benutzerdatei \u201E" + name + "\u201C ist beschädigt.";
    if (m_pDatabase != nullptr) {
        text +=
            " Sagwerk schreibt nichts mehr hinein; gesprochene Sätze warten daneben und gehen "
            "nicht verloren.";
    }
    const std::vector<CSicherung::Eintrag> liste = CSicherung(m_strDatei).Liste();
    if (!liste.empty() && !liste.front().ersetzt) {
        text += " Die neueste Sicherung ist vom " + CSicherung::DatumDeutsch(liste.front().datum) +
                ": Eine Betreuungsperson kann sie im Menü \u201EDatei\u201C mit \u201ESicherung "
                "wiederherstellen \u2026\u201C zurückholen.";
    } else {
        text += " Es gibt noch keine Sicherung von ihr.";
    }
    m_dialoge.Hinweis(text);
}

bool CSpeicherung::Wiederherstellen(const CSicherung::Eintrag& sicherung, std::string& fehler) {
    // Nothing may hold the file while it is replaced.
    m_sicherung.Stoppen();
    Schliessen();
    return CSicherung(m_strDatei)
        .Wiederherstellen(sicherung, CSicherung::Stempel(m_uhr.Jetzt()), fehler);
}

void CSpeicherung::Uebergeben() {
    if (m_warteschlange.GetSaetze().size() <= m_nUebergeben) return;
    if (m_pDatabase == nullptr || !m_pDatabase->IsChecked() || m_pDatabase->IsDamaged()) return;
    if (!m_pSchreiber) {
        m_pSchreiber = std::make_unique<CSatzSchreiber>(
            m_strDatei, m_uhr, m_optionen.wartezeitMs,
            [this] { Nachreichen([this] { Abholen(); }); },
            [this] { m_warteschlange.AufPlatte(); });
    }
    const auto& saetze = m_warteschlange.GetSaetze();
    for (; m_nUebergeben < saetze.size(); ++m_nUebergeben) {
        m_pSchreiber->Anhaengen(saetze[m_nUebergeben],
                                m_warteschlange.GetKennungen()[m_nUebergeben]);
    }
}

void CSpeicherung::Abholen() {
    if (!m_pSchreiber) return;
    for (const CSatzSchreiber::Ergebnis& e : m_pSchreiber->Abholen()) {
        if (e.gespeichert > 0) {
            if (m_pDatabase != nullptr) m_pDatabase->TakeStored(e.aenderungen);
            m_warteschlange.Entfernen(e.gespeichert);
            if (m_warteschlange.IsGesichert()) m_bNirgendsHinweis = false;
            m_nUebergeben -= std::min(m_nUebergeben, e.gespeichert);
            m_bWarteHinweis = false;
        } else {
            WarteHinweis(e.fehler);
        }
    }
}

void CSpeicherung::SchreiberBeenden() {
    if (!m_pSchreiber) return;
    // Its last results go into the queue file, so that nothing stored is
    // stored twice at the next start.
    m_pSchreiber->Beenden();
    Abholen();
    m_pSchreiber.reset();
    m_nUebergeben = 0;
}
