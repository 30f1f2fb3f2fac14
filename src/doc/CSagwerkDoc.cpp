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
    m_speicherung.SetIndexGeladen([this] { IndexGeladen(); });
    m_vorhersage.SetNeu([this] { VorhersageNeu(); });
}

CSagwerkDoc::~CSagwerkDoc() = default;

CDatenbank* CSagwerkDoc::Offen() {
    CDatenbank* db = m_speicherung.GetDatabase();
    return db != nullptr && db->IsOpen() ? db : nullptr;
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
    m_pUser = std::make_unique<CBenutzer>();
    m_bedienung = CBedienung{};
    if (datei.empty()) {
        // Nobody was chosen (the person quit, or cancelled the new user):
        // nothing to open, nothing to say.
        m_speicherung.Schliessen();
        m_pSpeech->SetAussprachen({});
        m_vorhersage.Oeffnen({});
        m_bUserOpen = true;
        UpdateAllViews();
        return false;
    }
    m_sofort.Vergessen();
    const bool gelesen = m_speicherung.Oeffnen(datei, *m_pUser, m_bedienung);
    if (CDatenbank* db = Offen(); gelesen && db != nullptr) m_sofort.Vorlesen(*db);
    LoadAussprachen();
    // Built in the background beside the suggestion index; a file that did
    // not open has nothing to learn from.
    m_vorhersage.Oeffnen(gelesen ? datei : std::string());
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

bool CSagwerkDoc::Nachholen() {
    if (WartetAufDatei() && m_speicherung.DateiFrei()) {
        // The views build the whole screen anew for the user now there.
        if (OpenUser(GetUserFile())) {
            // The notice that it was held is answered.
            const std::string name = std::filesystem::path(GetUserFile()).filename().string();
            m_dialoge.Hinweis("Die Benutzerdatei \u201E" + name +
                              "\u201C ist jetzt frei und geöffnet.");
        }
        SetUserChanged(true);
        UpdateAllViews();
    }
    return m_speicherung.Nachholen();
}

void CSagwerkDoc::ReadUser() {
    if (m_pUser == nullptr) return;
    if (CDatenbank* db = Offen()) {
        db->LoadBenutzer(*m_pUser);
        db->LoadBedienung(m_bedienung);
    }
    m_nColumns = static_cast<int>(m_pUser->GetSpalten());
    m_nRows = static_cast<int>(m_pUser->GetZeilen());
    m_strTitle = m_pUser->GetVorname() + " " + m_pUser->GetNachname();
}

void CSagwerkDoc::SetUserChanged(bool changed) {
    m_bUserChanged = changed;
    if (!changed) return;
    ReadUser();
    // The carer may have changed the vocabulary.
    m_sofort.Vergessen();
    if (CDatenbank* db = Offen()) m_sofort.Vorlesen(*db);
    LoadAussprachen();
    m_vorhersage.WortschatzNeu();
}

void CSagwerkDoc::LoadAussprachen() {
    std::vector<std::pair<std::string, std::string>> paare;
    if (CDatenbank* db = Offen()) db->LoadAussprachen(paare);
    m_pSpeech->SetAussprachen(paare);
}

void CSagwerkDoc::SaetzeVergessen() {
    CDatenbank* db = Offen();
    if (db == nullptr) return;
    const std::vector<CDatenbank::CGesagterSatz> entfernt = db->EntfernteAbholen();
    if (entfernt.empty()) return;
    for (const auto& s : entfernt) m_vorhersage.Vergessen(s.satz, s.anzahl);
    RefreshSuggestions();
}

// --- element list and history ------------------------------------------------------

void CSagwerkDoc::LoadElements(bool verbsOnly) {
    m_elements.clear();
    m_vollstaendig.clear();
    m_posElement = 0;
    if (CDatenbank* db = Offen()) {
        // Whole as well, for a click that must not wait for the file.
        std::vector<CWortButton> buttons;
        m_sofort.Kategorie(*db, m_nCategory, verbsOnly, m_vollstaendig, buttons);
        for (CWortButton& b : buttons)
            m_elements.push_back(std::make_unique<CWortButton>(std::move(b)));
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
    CDatenbank* db = Offen();
    return db != nullptr && db->FirstEButton(button);
}

bool CSagwerkDoc::NextEmotion(CEmotionsButton& button) {
    CDatenbank* db = Offen();
    return db != nullptr && db->NextEButton(button);
}

int CSagwerkDoc::CountEmotions() {
    CEmotionsButton button;
    if (!FirstEmotion(button)) return 0;
    return static_cast<int>(Offen()->GetEButtonCount());
}

bool CSagwerkDoc::FirstFunctionKey(CFunktionsTaste& taste) {
    CDatenbank* db = Offen();
    const bool da = db != nullptr && db->FirstFTaste(taste);
    if (da) m_sofort.Gelesen(taste);
    return da;
}

bool CSagwerkDoc::NextFunctionKey(CFunktionsTaste& taste) {
    CDatenbank* db = Offen();
    const bool da = db != nullptr && db->NextFTaste(taste);
    if (da) m_sofort.Gelesen(taste);
    return da;
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
        // Read in the same order as the buttons.
        const bool geladen = ElementLesen(
            button.GetIndex(), &m_vollstaendig[static_cast<std::size_t>(position)], element);
        if (button.IsLink()) {
            // A link without a usable target (0 would read as "nothing to go
            // back to" in the history) leads nowhere.
            if (button.GetKategorie() < 1 || button.GetKategorie() > 0xFFFF) return;
            PushCategory();
            m_nCategory = static_cast<int>(button.GetKategorie());
            LoadElements(false);
        } else if (geladen) {
            ElementAnhaengen(element);
        }
        // An element whose row has gone (the load failed) adds nothing.
    }
    RefreshSuggestions();
    UpdateAllViews();
}

bool CSagwerkDoc::ElementLesen(long index, const CWortelement* vorher, CWortelement& element) {
    CDatenbank* db = Offen();
    if (db == nullptr) return false;
    // Read fresh, unless the file is held this moment: then as it was read
    // before (a click never waits for a commit).
    switch (db->LoadWortelementSofort(element, index)) {
        case CDatenbank::Gelesen::Ja:
            return true;
        case CDatenbank::Gelesen::Fehlt:
            return false;
        case CDatenbank::Gelesen::Belegt:
            if (vorher == nullptr) return false;
            element = *vorher;
            return true;
    }
    return false;
}

int CSagwerkDoc::Verbform() const {
    if (m_nPerson == kKeinePerson) return -1;
    const CWortelement::Zeit zeit = m_nTense == 1   ? CWortelement::Zeit::Vergangenheit
                                    : m_nTense == 2 ? CWortelement::Zeit::Zukunft
                                                    : CWortelement::Zeit::Gegenwart;
    const bool einzahl = m_nPerson < 5;
    const int person = einzahl ? std::min(m_nPerson, 2) + 1 : m_nPerson - 5 + 1;
    return CWortelement::Slot(
        zeit, einzahl ? CWortelement::Zahl::Einzahl : CWortelement::Zahl::Mehrzahl, person);
}

void CSagwerkDoc::ElementAnhaengen(const CWortelement& element) {
    // A noun with a latch set goes in with its article, in its case.
    if (m_glieder.NomenAnhaengen(element, m_shownWords, m_spokenWords)) return;
    std::string gezeigt;
    std::string gesprochen;
    const bool verb = element.GetArt() == CWortelement::Verb;
    bool finit = verb && m_nPerson != kKeinePerson;
    if (finit) {
        gezeigt = element.GetForm(Verbform());
        m_nPerson = kKeinePerson;
    } else if (verb) {
        gezeigt = utf8::OhneTrennstellen(element.GetAnzeigetext());
    } else {
        gezeigt = element.GetForm(0);
        gesprochen = element.GetPhonetisch();
        // "Ich" and the core page's word "möchte": the verb has come, and
        // "trinken" after it stays the infinitive.
        finit = m_nPerson != kKeinePerson && m_vorhersage.IstFiniteVerbform(gezeigt);
        if (finit) m_nPerson = kKeinePerson;
    }
    m_shownWords.push_back(gezeigt + " ");
    const bool eigen = !gesprochen.empty() && gesprochen != "NULL";
    m_spokenWords.push_back((eigen ? gesprochen : gezeigt) + " ");
    using W = CNomenphrase::CWort;
    m_glieder.Merken(m_shownWords, finit ? W::VerbFinit : verb ? W::VerbInfinit : W::Sonst,
                     element.GetAnzeigetext());
}

std::string CSagwerkDoc::PersonWord(int code) {
    // Read without waiting: a click never freezes the screen.
    const std::optional<std::string> text = m_sofort.Funktionstext(Offen(), code);
    return text ? *text + " " : " ";
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
    } else if (m_glieder.Taste(code)) {
        // An article, plural or case latch: the next noun takes it.
    } else if (code == 90) {
        m_glieder.VorDemLoeschen(m_shownWords, m_spokenWords);
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
            m_vorschlaege.AlleZeigen();
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
    if (utf8::IstEinZeichen(zeichen)) KeyTyped(utf8::ZuCodepoint(zeichen));
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
    const int auswahl = GetSelection();
    const auto& vorschlaege = GetSuggestionsSpoken();
    if (auswahl >= 0 && static_cast<std::size_t>(auswahl) < vorschlaege.size()) {
        m_pSpeech->Speak(vorschlaege[static_cast<std::size_t>(auswahl)]);
        return;
    }
    const std::string satz = GetSpokenSentence();
    // Heard first; whatever happens to the file comes after.
    m_pSpeech->Speak(satz);
    // A sentence of blanks only (a person word without its button row) is
    // nothing to remember.
    // Kept also while the file, held at the start, is not open yet.
    if (NurLeerzeichen(satz) ||
        (Offen() == nullptr && !WartetAufDatei() && !IstDateiBeschaedigt())) {
        return;
    }
    m_speicherung.Speichern({GetSentence(), satz});
    m_vorhersage.Gesprochen(GetSentence());
}

bool CSagwerkDoc::RestoreBackup(const CSicherung::Eintrag& sicherung, std::string& fehler) {
    const bool ok = m_speicherung.Wiederherstellen(sicherung, fehler);
    // Opened again either way: as restored, or as it was.
    const std::string datei = m_speicherung.GetDatei();
    OpenUser(datei);
    return ok;
}

void CSagwerkDoc::IndexGeladen() {
    CDatenbank* db = Offen();
    if (db == nullptr || !db->IsSentenceIndexReady()) return;
    // History mode lists all sentences; an empty sentence asks for nothing.
    if (m_bHistoryMode || GetSentence().empty()) return;
    RefreshSuggestions();
    UpdateAllViews();
}

void CSagwerkDoc::RefreshSuggestions() { m_vorschlaege.Auffrischen(GetSentence()); }

bool CSagwerkDoc::FetchMoreHistory() { return m_bHistoryMode && m_vorschlaege.MehrHolen(); }

bool CSagwerkDoc::FetchEarlierHistory() { return m_bHistoryMode && m_vorschlaege.DavorHolen(); }

void CSagwerkDoc::SelectNext() { m_vorschlaege.Naechster(); }

void CSagwerkDoc::SelectPrevious() { m_vorschlaege.Voriger(); }

void CSagwerkDoc::SetSelection(int index) { m_vorschlaege.SetAuswahl(index); }

std::string CSagwerkDoc::GetSentence() const { return Verbinden(m_shownWords); }

std::string CSagwerkDoc::GetSpokenSentence() const { return Verbinden(m_spokenWords); }

void CSagwerkDoc::SetVoice(int speed, int pitch) {
    m_pSpeech->SetSpeed(speed);
    m_pSpeech->SetPitch(pitch);
}
