#include "CSagwerkDoc.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "CWortelement.h"
#include "IBenutzerAuswahl.h"
#include "IDialoge.h"
#include "ISagwerkBeobachter.h"
#include "IUhr.h"
#include "SprachWahl.h"
#include "Utf8.h"

namespace {

constexpr char kTrenner = static_cast<char>(std::filesystem::path::preferred_separator);

std::string AktuellesVerzeichnis() {
    std::error_code ec;
    const std::filesystem::path pfad = std::filesystem::current_path(ec);
    return ec ? std::string() : pfad.string();
}

bool NurLeerzeichen(const std::string& text) {
    return text.find_first_not_of(' ') == std::string::npos;
}

// One erase in one word list (KeyTyped '<'); the list is not empty.
void ZeichenLoeschen(std::vector<std::string>& liste) {
    if (liste.back().empty() && liste.size() > 1) liste.pop_back();
    if (!liste.back().empty()) {
        utf8::LetztesEntfernen(liste.back());
        if (liste.back().empty() && liste.size() > 1) liste.pop_back();
    }
}

std::string Verbinden(const std::vector<std::string>& woerter) {
    std::string satz;
    for (const std::string& w : woerter) satz += w;
    return satz;
}

}  // namespace

CSagwerkDoc::CSagwerkDoc(IDialoge& dialoge, const IUhr& uhr, std::unique_ptr<ISprachEngine> engine)
    : m_dialoge(dialoge), m_uhr(uhr) {
    const std::string verzeichnis = AktuellesVerzeichnis();
    if (!engine) engine = WaehleSprachEngine(m_dialoge);
    m_pSpeech = std::make_unique<CSprachausgabe>(verzeichnis, 0, 0, std::move(engine));
    m_strBaseDir = verzeichnis + kTrenner;
}

CSagwerkDoc::~CSagwerkDoc() {
    m_sicherung.Stoppen();
    SchreiberBeenden();
    m_pDatabase.reset();  // its threads end while everything they call on is there
}

// --- observers ---------------------------------------------------------------

void CSagwerkDoc::AddObserver(ISagwerkBeobachter* beobachter) {
    if (beobachter != nullptr &&
        std::find(m_beobachter.begin(), m_beobachter.end(), beobachter) == m_beobachter.end()) {
        m_beobachter.push_back(beobachter);
    }
}

void CSagwerkDoc::RemoveObserver(ISagwerkBeobachter* beobachter) {
    m_beobachter.erase(std::remove(m_beobachter.begin(), m_beobachter.end(), beobachter),
                       m_beobachter.end());
}

void CSagwerkDoc::UpdateAllViews() {
    // A copy: an observer may remove itself while being told.
    const std::vector<ISagwerkBeobachter*> alle = m_beobachter;
    for (ISagwerkBeobachter* b : alle) {
        if (std::find(m_beobachter.begin(), m_beobachter.end(), b) != m_beobachter.end()) {
            b->OnUpdate();
        }
    }
}

// --- opening a user --------------------------------------------------------------

bool CSagwerkDoc::OpenUser() {
    if (m_pAuswahl == nullptr) return false;
    return OpenUser(m_pAuswahl->BenutzerWaehlen());
}

bool CSagwerkDoc::OpenUser(const std::string& datei) {
    if (datei.empty()) {
        // Nobody was chosen (the person quit, or cancelled the new user):
        // nothing to open, nothing to say.
        m_pDatabase.reset();
        m_pUser = std::make_unique<CBenutzer>();
        m_bUserOpen = true;
        UpdateAllViews();
        return false;
    }
    CDatenbank::Optionen optionen = m_optionen;
    if (m_nachreicher) {
        // The loader and checker threads only hand the news over; the
        // document acts on it on its own thread.
        optionen.indexGeladen = [this] { Nachreichen([this] { IndexGeladen(); }); };
        optionen.geprueft = [this] { Nachreichen([this] { PruefungFertig(); }); };
    }
    SchreiberBeenden();
    m_pDatabase.reset();  // its loader thread ends before the next one starts
    m_strDatei = datei;
    m_bSchadenHinweis = false;
    m_pDatabase = std::make_unique<CDatenbank>(datei, m_dialoge, m_uhr, optionen);
    m_pUser = std::make_unique<CBenutzer>();
    // A file that did not open has already been reported by CDatenbank; asking
    // it again would only repeat that message for every list.
    const bool gelesen = m_pDatabase->IsOpen() && m_pDatabase->LoadBenutzer(*m_pUser);
    m_bedienung = CBedienung{};
    if (gelesen) m_pDatabase->LoadBedienung(m_bedienung);
    // A file without its user row is not used: nothing is ever written to it.
    if (!gelesen) m_pDatabase.reset();
    // Sentences an earlier run could not store are stored now, if they can.
    m_bWarteHinweis = false;
    m_warteschlange.Oeffnen(datei);
    if (gelesen) {
        PruefungFertig();
    } else if (!CSicherung(datei).Liste().empty()) {
        SchadenHinweis();
    }
    m_nColumns = static_cast<int>(m_pUser->GetSpalten());
    m_nRows = static_cast<int>(m_pUser->GetZeilen());
    m_pSpeech->SetPitch(static_cast<int>(m_pUser->GetPitch()));
    m_pSpeech->SetSpeed(static_cast<int>(m_pUser->GetSpeed()));
    m_strTitle = m_pUser->GetVorname() + " " + m_pUser->GetNachname();
    LoadElements(false);
    m_bUserOpen = true;
    UpdateAllViews();
    return gelesen;
}

void CSagwerkDoc::ReadUser() {
    if (m_pUser == nullptr) return;
    if (m_pDatabase != nullptr && m_pDatabase->IsOpen()) {
        m_pDatabase->LoadBenutzer(*m_pUser);
        m_pDatabase->LoadBedienung(m_bedienung);
    }
    m_nColumns = static_cast<int>(m_pUser->GetSpalten());
    m_nRows = static_cast<int>(m_pUser->GetZeilen());
    m_strTitle = m_pUser->GetVorname() + " " + m_pUser->GetNachname();
}

void CSagwerkDoc::SetUserChanged(bool changed) {
    m_bUserChanged = changed;
    if (changed) ReadUser();
}

// --- element list and history ------------------------------------------------------

void CSagwerkDoc::LoadElements(bool verbsOnly) {
    m_elements.clear();
    m_vollstaendig.clear();
    m_posElement = 0;
    if (m_pDatabase != nullptr && m_pDatabase->IsOpen()) {
        // Whole as well, for a click that must not wait for the file.
        std::vector<CWortButton> buttons;
        m_pDatabase->LoadWortelemente(m_nCategory, verbsOnly, m_vollstaendig, buttons);
        for (CWortButton& b : buttons) m_elements.push_back(std::make_unique<CWortButton>(std::move(b)));
    }
    m_bElementsChanged = true;
}

const CWortButton* CSagwerkDoc::GetFirstElement() {
    m_posElement = 0;
    return m_elements.empty() ? nullptr : m_elements.front().get();
}

const CWortButton* CSagwerkDoc::GetNextElement() {
    if (m_posElement >= m_elements.size()) return nullptr;
    ++m_posElement;
    return m_posElement < m_elements.size() ? m_elements[m_posElement].get() : nullptr;
}

void CSagwerkDoc::PushCategory() {
    m_history.push_back(static_cast<std::uint16_t>(m_nCategory));
    if (m_history.size() > kMaxHistory) m_history.erase(m_history.begin());
}

int CSagwerkDoc::PopCategory() {
    if (m_history.empty()) return 0;
    const int c = m_history.back();
    m_history.pop_back();
    return c;
}

// --- emotions and function keys -------------------------------------------------------

bool CSagwerkDoc::FirstEmotion(CEmotionsButton& button) {
    return m_pDatabase != nullptr && m_pDatabase->IsOpen() && m_pDatabase->FirstEButton(button);
}

bool CSagwerkDoc::NextEmotion(CEmotionsButton& button) {
    return m_pDatabase != nullptr && m_pDatabase->IsOpen() && m_pDatabase->NextEButton(button);
}

int CSagwerkDoc::CountEmotions() {
    CEmotionsButton button;
    if (!FirstEmotion(button)) return 0;
    return static_cast<int>(m_pDatabase->GetEButtonCount());
}

bool CSagwerkDoc::FirstFunctionKey(CFunktionsTaste& taste) {
    return m_pDatabase != nullptr && m_pDatabase->IsOpen() && m_pDatabase->FirstFTaste(taste);
}

bool CSagwerkDoc::NextFunctionKey(CFunktionsTaste& taste) {
    return m_pDatabase != nullptr && m_pDatabase->IsOpen() && m_pDatabase->NextFTaste(taste);
}

// --- pictures --------------------------------------------------------------------------

std::string CSagwerkDoc::ResolvePath(const std::string& datei) const {
    if (datei.empty()) return {};
    std::string pfad = datei;
    // The databases store Windows names; one file must work on both systems.
    std::replace(pfad.begin(), pfad.end(), '\\', kTrenner);
    if (pfad.size() >= 2 && pfad[1] == ':') return pfad;
    if (std::filesystem::path(pfad).is_absolute()) return pfad;
    return m_strBaseDir + pfad;
}

// --- sentence building -------------------------------------------------------------------

void CSagwerkDoc::ElementClicked(int position) {
    if (position == kStartseite) {
        m_bVerbList = false;
        PushCategory();
        m_nCategory = 1;
        LoadElements(false);
    } else if (position == kLetzteKategorie) {
        m_bVerbList = false;
        const int c = PopCategory();
        if (c != 0) {
            m_nCategory = c;
            LoadElements(false);
        }
    } else {
        // The grid only sends positions of shown elements; anything else is ignored.
        if (position < 0 || static_cast<std::size_t>(position) >= m_elements.size()) return;
        const CWortButton& button = *m_elements[static_cast<std::size_t>(position)];
        CWortelement element;
        bool geladen = false;
        if (m_pDatabase != nullptr && m_pDatabase->IsOpen()) {
            // Read fresh, unless the file is held this moment: then as it was
            // read with the category (a click never waits for a commit).
            switch (m_pDatabase->LoadWortelementSofort(element, button.GetIndex())) {
                case CDatenbank::Gelesen::Ja:
                    geladen = true;
                    break;
                case CDatenbank::Gelesen::Fehlt:
                    break;
                case CDatenbank::Gelesen::Belegt:
                    // Read in the same order as the buttons.
                    element = m_vollstaendig[static_cast<std::size_t>(position)];
                    geladen = true;
                    break;
            }
        }
        if (button.IsLink()) {
            // A link without a usable target (0 would read as "nothing to go
            // back to" in the history) leads nowhere.
            if (button.GetKategorie() < 1 || button.GetKategorie() > 0xFFFF) return;
            PushCategory();
            m_nCategory = static_cast<int>(button.GetKategorie());
            LoadElements(false);
        } else if (geladen) {
            std::string gezeigt;
            std::string gesprochen;
            if (element.GetArt() == CWortelement::Verb && m_nPerson != kKeinePerson) {
                const CWortelement::Zeit zeit = m_nTense == 1   ? CWortelement::Zeit::Vergangenheit
                                                : m_nTense == 2 ? CWortelement::Zeit::Zukunft
                                                                : CWortelement::Zeit::Gegenwart;
                const bool einzahl = m_nPerson < 5;
                const int person = einzahl ? std::min(m_nPerson, 2) + 1 : m_nPerson - 5 + 1;
                gezeigt = element.GetForm(CWortelement::Slot(
                    zeit, einzahl ? CWortelement::Zahl::Einzahl : CWortelement::Zahl::Mehrzahl,
                    person));
                m_nPerson = kKeinePerson;
            } else if (element.GetArt() == CWortelement::Verb) {
                gezeigt = element.GetAnzeigetext();
            } else {
                gezeigt = element.GetForm(0);
                gesprochen = element.GetPhonetisch();
            }
            m_shownWords.push_back(gezeigt + " ");
            if (!gesprochen.empty() && gesprochen != "NULL") {
                m_spokenWords.push_back(gesprochen + " ");
            } else {
                m_spokenWords.push_back(gezeigt + " ");
            }
        }
        // An element whose row has gone (the load failed) adds nothing.
    }
    RefreshSuggestions();
    UpdateAllViews();
}

std::string CSagwerkDoc::PersonWord(int code) {
    CFunktionsTaste taste;
    for (bool da = FirstFunctionKey(taste); da; da = NextFunctionKey(taste)) {
        if (taste.GetCode() == code) return taste.GetText() + " ";
    }
    return " ";
}

void CSagwerkDoc::DeleteLastWord() {
    for (std::vector<std::string>* liste : {&m_shownWords, &m_spokenWords}) {
        if (!liste->empty() && liste->back().empty()) liste->pop_back();
        if (!liste->empty()) liste->pop_back();
    }
}

void CSagwerkDoc::FunctionCode(int code) {
    if (code >= 1 && code <= 8) {
        m_nPerson = code - 1;
        const std::string wort = PersonWord(code);
        m_shownWords.push_back(wort);
        m_spokenWords.push_back(wort);
        RefreshSuggestions();
    } else if (code >= 20 && code <= 22) {
        m_nTense = code - 20;
        return;  // the main view latches the tense button itself
    } else if (code == 80) {
        if (m_bVerbList) {
            m_bVerbList = false;
            const int c = PopCategory();
            if (c != 0) m_nCategory = c;
            // Even with nothing to go back to, the verbs must not stay on
            // screen once the verb list is off: the category is shown again.
            LoadElements(false);
        } else {
            m_bVerbList = true;
            PushCategory();
            LoadElements(true);
        }
    } else if (code == 90) {
        DeleteLastWord();
        RefreshSuggestions();
    } else if (code == 91) {
        m_shownWords.clear();
        m_spokenWords.clear();
        RefreshSuggestions();
    } else if (code == 92) {
        if (m_bKeyboard) {
            m_bKeyboard = false;
            for (std::vector<std::string>* liste : {&m_shownWords, &m_spokenWords}) {
                if (!liste->empty() && liste->back().empty()) liste->pop_back();
                // Only one blank: a word ended by the blank key already has it.
                if (!liste->empty() && (liste->back().empty() || liste->back().back() != ' ')) {
                    liste->back() += ' ';
                }
            }
        } else {
            m_bKeyboard = true;
            m_shownWords.emplace_back();
            m_spokenWords.emplace_back();
        }
    } else if (code == 93) {
        if (m_bHistoryMode) {
            m_bHistoryMode = false;
            RefreshSuggestions();
        } else {
            m_bHistoryMode = true;
            m_suggestShown.clear();
            m_suggestSpoken.clear();
            m_verlaufSchluessel.clear();
            m_strVerlaufNach.clear();
            m_bMehrVerlauf = true;
            m_bVerlaufDavor = false;
            FetchMoreHistory();
            // Selecting the first of no sentences would point past the list.
            m_nSelection = m_suggestShown.empty() ? -1 : 0;
        }
    } else {
        return;  // no such code: person and tense stay as they are
    }
    UpdateAllViews();
}

void CSagwerkDoc::KeyTyped(char32_t zeichen) {
    std::string text;
    if (zeichen != U'<' && zeichen != U' ') {
        // Control characters and invalid code points would only spoil the sentence.
        if (zeichen < 0x20 || zeichen == 0x7F) return;
        text = utf8::AusCodepoint(zeichen);
        if (text.empty()) return;
    }

    if (m_shownWords.empty()) m_shownWords.emplace_back();
    if (m_spokenWords.empty()) m_spokenWords.emplace_back();

    if (zeichen == U'<') {
        ZeichenLoeschen(m_shownWords);
        ZeichenLoeschen(m_spokenWords);
    } else if (zeichen == U' ') {
        if (!m_shownWords.back().empty()) {
            m_shownWords.back() += ' ';
            m_spokenWords.back() += ' ';
            m_shownWords.emplace_back();
            m_spokenWords.emplace_back();
        }
        RefreshSuggestions();
    } else {
        m_shownWords.back() += text;
        m_spokenWords.back() += text;
    }
    UpdateAllViews();
}

void CSagwerkDoc::KeyTyped(std::string_view zeichen) {
    if (!utf8::IstEinZeichen(zeichen)) return;
    const auto b = [&](std::size_t i) {
        return static_cast<char32_t>(static_cast<unsigned char>(zeichen[i]));
    };
    char32_t cp = 0;
    switch (zeichen.size()) {
        case 1:
            cp = b(0);
            break;
        case 2:
            cp = ((b(0) & 0x1F) << 6) | (b(1) & 0x3F);
            break;
        case 3:
            cp = ((b(0) & 0x0F) << 12) | ((b(1) & 0x3F) << 6) | (b(2) & 0x3F);
            break;
        default:
            cp = ((b(0) & 0x07) << 18) | ((b(1) & 0x3F) << 12) | ((b(2) & 0x3F) << 6) |
                 (b(3) & 0x3F);
            break;
    }
    KeyTyped(cp);
}

void CSagwerkDoc::EmotionClicked(int pos) {
    CEmotionsButton button;
    for (bool da = FirstEmotion(button); da; da = NextEmotion(button)) {
        if (button.GetPosition() == pos) {
            m_pSpeech->Speak(button.GetText());
            return;
        }
    }
}

void CSagwerkDoc::Speak(const std::string& text) {
    if (!text.empty()) {
        m_pSpeech->Speak(text);
        return;
    }
    if (m_nSelection >= 0 && static_cast<std::size_t>(m_nSelection) < m_suggestSpoken.size()) {
        m_pSpeech->Speak(m_suggestSpoken[static_cast<std::size_t>(m_nSelection)]);
        return;
    }
    const std::string satz = GetSpokenSentence();
    // Heard first; whatever happens to the file comes after.
    m_pSpeech->Speak(satz);
    // A sentence of blanks only (a person word without its button row) is
    // nothing to remember.
    if (NurLeerzeichen(satz) || m_pDatabase == nullptr || !m_pDatabase->IsOpen()) return;
    if (m_optionen.imHintergrundSchreiben) {
        // Kept beside the file at once (it outlives the program being
        // killed), stored by the writer; nothing here waits for the disk.
        m_warteschlange.Anhaengen({GetSentence(), satz}, false);
        Nachholen();
        return;
    }
    if (m_warteschlange.IsLeer()) {
        std::string fehler;
        if (m_pDatabase->StoreSentencesStill({{GetSentence(), satz}}, fehler)) return;
        m_warteschlange.Anhaengen({GetSentence(), satz});
        WarteHinweis(fehler);
        return;
    }
    // Others wait already: this one joins them, in its order.
    m_warteschlange.Anhaengen({GetSentence(), satz});
    Nachholen();
}

void CSagwerkDoc::WarteHinweis(const std::string& fehler) {
    // No reason: a moment of waiting (the check after opening) nobody
    // needs to hear about. A damaged file has its own notice.
    if (m_bWarteHinweis || fehler.empty() || m_bSchadenHinweis) return;
    m_bWarteHinweis = true;
    m_dialoge.Hinweis(
        "Die gesprochenen Sätze können gerade nicht in der Benutzerdatei "
        "gespeichert werden (" +
        fehler + ") Sie gehen nicht verloren: Sagwerk speichert sie, sobald es wieder geht.");
}

bool CSagwerkDoc::Nachreichen(std::function<void()> aufgabe) {
    if (!m_nachreicher) return false;
    m_nachreicher([lebt = std::weak_ptr<bool>(m_pLebt), aufgabe = std::move(aufgabe)] {
        if (lebt.lock()) aufgabe();
    });
    return true;
}

void CSagwerkDoc::PruefungFertig() {
    if (m_pDatabase == nullptr || !m_pDatabase->IsChecked()) return;
    if (m_pDatabase->IsDamaged()) {
        SchadenHinweis();
        return;
    }
    Nachholen();
    Sichern();
}

void CSagwerkDoc::Sichern() {
    if (!m_bSichern || m_pDatabase == nullptr || !m_pDatabase->IsChecked() || m_pDatabase->IsDamaged()) return;
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

void CSagwerkDoc::SicherungFertig(const CTaeglicheSicherung::Ergebnis& ergebnis) {
    if (!ergebnis.dateiBeschaedigt || m_pDatabase == nullptr) return;
    m_pDatabase->MarkDamaged(ergebnis.fehler);
    SchadenHinweis();
}

void CSagwerkDoc::SchadenHinweis() {
    if (m_bSchadenHinweis) return;
    m_bSchadenHinweis = true;
    // SQLite's own finding is for the tool (sagwerk-sicherung pruefen), not
    // for a notice read from across the room.
    const std::string name = std::filesystem::path(m_strDatei).filename().string();
    std::string text = "Die Benutzerdatei \u201E" + name + "\u201C ist beschädigt.";
    if (m_pDatabase != nullptr) {
        text += " Sagwerk schreibt nichts mehr hinein; gesprochene Sätze warten daneben und gehen "
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

bool CSagwerkDoc::RestoreBackup(const CSicherung::Eintrag& sicherung, std::string& fehler) {
    // Nothing may hold the file while it is replaced.
    m_sicherung.Stoppen();
    SchreiberBeenden();
    m_pDatabase.reset();
    const bool ok = CSicherung(m_strDatei).Wiederherstellen(
        sicherung, CSicherung::Stempel(m_uhr.Jetzt()), fehler);
    const std::string datei = m_strDatei;
    OpenUser(datei);
    return ok;
}

void CSagwerkDoc::Uebergeben() {
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
        m_pSchreiber->Anhaengen(saetze[m_nUebergeben]);
    }
}

void CSagwerkDoc::Abholen() {
    if (!m_pSchreiber) return;
    for (const CSatzSchreiber::Ergebnis& e : m_pSchreiber->Abholen()) {
        if (e.gespeichert > 0) {
            if (m_pDatabase != nullptr) m_pDatabase->TakeStored(e.aenderungen);
            m_warteschlange.Entfernen(e.gespeichert);
            m_nUebergeben -= std::min(m_nUebergeben, e.gespeichert);
            m_bWarteHinweis = false;
        } else {
            WarteHinweis(e.fehler);
        }
    }
}

void CSagwerkDoc::WaitForWriter() {
    if (!m_pSchreiber) return;
    m_pSchreiber->Warten();
    Abholen();
}

void CSagwerkDoc::SchreiberBeenden() {
    if (!m_pSchreiber) return;
    // Its last results go into the queue file, so that nothing stored is
    // stored twice at the next start.
    m_pSchreiber->Beenden();
    Abholen();
    m_pSchreiber.reset();
    m_nUebergeben = 0;
}

bool CSagwerkDoc::Nachholen() {
    if (m_optionen.imHintergrundSchreiben) {
        Abholen();
        Uebergeben();
        return m_warteschlange.IsLeer();
    }
    if (m_warteschlange.IsLeer()) return true;
    if (m_pDatabase == nullptr || !m_pDatabase->IsOpen()) return false;
    std::string fehler;
    if (m_pDatabase->StoreSentencesStill(m_warteschlange.GetSaetze(), fehler)) {
        m_warteschlange.Leeren();
        m_bWarteHinweis = false;
        return true;
    }
    WarteHinweis(fehler);
    return false;
}

void CSagwerkDoc::IndexGeladen() {
    if (m_pDatabase == nullptr || !m_pDatabase->IsSentenceIndexReady()) return;
    // History mode lists all sentences; an empty sentence asks for nothing.
    if (m_bHistoryMode || GetSentence().empty()) return;
    RefreshSuggestions();
    UpdateAllViews();
}

void CSagwerkDoc::RefreshSuggestions() {
    // The list is a prediction now, never a page of all sentences: moving
    // past its end must not bring in sentences the user did not choose.
    m_bMehrVerlauf = false;
    m_bVerlaufDavor = false;
    m_verlaufSchluessel.clear();
    m_nSelection = -1;
    m_suggestShown.clear();
    m_suggestSpoken.clear();
    const std::string satz = GetSentence();
    // The prediction with the empty text lists every sentence (history mode);
    // an unfinished empty word in keyboard mode must not ask for that.
    if (!satz.empty() && m_pDatabase != nullptr && m_pDatabase->IsOpen()) {
        m_pDatabase->SuggestSentences(m_suggestShown, m_suggestSpoken, satz);
    }
    if (!satz.empty()) MitWartenden(satz);
}

void CSagwerkDoc::MitWartenden(const std::string& satz) {
    if (m_warteschlange.IsLeer()) return;
    std::vector<std::string> woerter = CDatenbank::Woerter(satz);
    if (woerter.size() > CDatenbank::kHoechstensWoerter) woerter.resize(CDatenbank::kHoechstensWoerter);
    const auto gemeinsam = [&](const std::string& kandidat) {
        std::size_t n = 0;
        for (const std::string& w : CDatenbank::Woerter(kandidat)) {
            n += static_cast<std::size_t>(std::count(woerter.begin(), woerter.end(), w));
        }
        return n;
    };
    struct Kandidat {
        std::size_t gemeinsam;
        bool wartend;
        std::string satz;
        std::string psatz;
    };
    std::vector<Kandidat> liste;
    std::vector<std::string> gefaltet;  // each sentence once
    for (std::size_t i = 0; i < m_suggestShown.size(); ++i) {
        liste.push_back({gemeinsam(m_suggestShown[i]), false, m_suggestShown[i], m_suggestSpoken[i]});
        gefaltet.push_back(utf8::Falten(m_suggestShown[i]));
    }
    // Newest first: of equally good sentences the one said last leads.
    const auto& wartende = m_warteschlange.GetSaetze();
    for (auto it = wartende.rbegin(); it != wartende.rend(); ++it) {
        const std::size_t n = gemeinsam(it->first);
        const std::string f = utf8::Falten(it->first);
        if (n == 0 || std::find(gefaltet.begin(), gefaltet.end(), f) != gefaltet.end()) continue;
        gefaltet.push_back(f);
        liste.push_back({n, true, it->first, it->second});
    }
    std::stable_sort(liste.begin(), liste.end(), [](const Kandidat& a, const Kandidat& b) {
        if (a.gemeinsam != b.gemeinsam) return a.gemeinsam > b.gemeinsam;
        return a.wartend && !b.wartend;
    });
    if (liste.size() > kVorschlaege) liste.resize(kVorschlaege);
    m_suggestShown.clear();
    m_suggestSpoken.clear();
    for (Kandidat& k : liste) {
        m_suggestShown.push_back(std::move(k.satz));
        m_suggestSpoken.push_back(std::move(k.psatz));
    }
}

bool CSagwerkDoc::FetchMoreHistory() {
    if (!HasMoreHistory()) return false;
    std::vector<CDatenbank::Satz> seite;
    if (m_pDatabase == nullptr || !m_pDatabase->IsOpen() ||
        !m_pDatabase->ListSentences(m_strVerlaufNach, kHistorySeite, seite)) {
        m_bMehrVerlauf = false;
        return false;
    }
    m_bMehrVerlauf = seite.size() == kHistorySeite;
    if (seite.empty()) return false;
    m_strVerlaufNach = seite.back().schluessel;
    for (auto& s : seite) {
        m_suggestShown.push_back(std::move(s.satz));
        m_suggestSpoken.push_back(std::move(s.psatz));
        m_verlaufSchluessel.push_back(std::move(s.schluessel));
    }
    // The list keeps a window of pages: what lies far above goes.
    if (m_suggestShown.size() > kHistoryFenster) {
        VerlaufKuerzen(m_suggestShown.size() - kHistoryFenster, true);
        m_bVerlaufDavor = true;
    }
    return true;
}

bool CSagwerkDoc::FetchEarlierHistory() {
    if (!HasEarlierHistory()) return false;
    std::vector<CDatenbank::Satz> seite;
    if (m_verlaufSchluessel.empty() || m_pDatabase == nullptr || !m_pDatabase->IsOpen() ||
        !m_pDatabase->ListSentencesBefore(m_verlaufSchluessel.front(), kHistorySeite, seite)) {
        m_bVerlaufDavor = false;
        return false;
    }
    m_bVerlaufDavor = seite.size() == kHistorySeite;
    if (seite.empty()) return false;
    const auto n = static_cast<std::ptrdiff_t>(seite.size());
    m_suggestShown.insert(m_suggestShown.begin(), n, {});
    m_suggestSpoken.insert(m_suggestSpoken.begin(), n, {});
    m_verlaufSchluessel.insert(m_verlaufSchluessel.begin(), n, {});
    for (std::size_t i = 0; i < seite.size(); ++i) {
        m_suggestShown[i] = std::move(seite[i].satz);
        m_suggestSpoken[i] = std::move(seite[i].psatz);
        m_verlaufSchluessel[i] = std::move(seite[i].schluessel);
    }
    m_nVerlaufAnfang -= n;
    if (m_nSelection >= 0) m_nSelection += static_cast<int>(n);
    // What lies far below goes, and is fetched again when scrolled to.
    if (m_suggestShown.size() > kHistoryFenster) {
        VerlaufKuerzen(m_suggestShown.size() - kHistoryFenster, false);
        m_bMehrVerlauf = true;
        m_strVerlaufNach = m_verlaufSchluessel.back();
    }
    return true;
}

void CSagwerkDoc::VerlaufKuerzen(std::size_t n, bool vorne) {
    const auto weg = [&](std::vector<std::string>& v) {
        if (vorne) {
            v.erase(v.begin(), v.begin() + static_cast<std::ptrdiff_t>(n));
        } else {
            v.resize(v.size() - n);
        }
    };
    weg(m_suggestShown);
    weg(m_suggestSpoken);
    weg(m_verlaufSchluessel);
    if (vorne) {
        m_nVerlaufAnfang += static_cast<long long>(n);
        m_nSelection -= static_cast<int>(n);
    }
    // A selected sentence that left the window is no longer selected.
    if (m_nSelection < 0 || m_nSelection >= static_cast<int>(m_suggestShown.size())) m_nSelection = -1;
}

void CSagwerkDoc::SelectNext() {
    // Moving past the last history entry fetched brings the next page.
    if (m_nSelection + 1 >= static_cast<int>(m_suggestShown.size())) FetchMoreHistory();
    const int anzahl = static_cast<int>(m_suggestShown.size());
    m_nSelection = anzahl == 0 ? -1 : std::min(m_nSelection + 1, anzahl - 1);
}

void CSagwerkDoc::SelectPrevious() {
    // Moving up from the first entry of the window brings the page before.
    if (m_nSelection == 0) FetchEarlierHistory();
    m_nSelection = std::max(m_nSelection - 1, -1);
}

void CSagwerkDoc::SetSelection(int index) { m_nSelection = index; }

std::string CSagwerkDoc::GetSentence() const { return Verbinden(m_shownWords); }

std::string CSagwerkDoc::GetSpokenSentence() const { return Verbinden(m_spokenWords); }

void CSagwerkDoc::SetVoice(int speed, int pitch) {
    m_pSpeech->SetSpeed(speed);
    m_pSpeech->SetPitch(pitch);
}
