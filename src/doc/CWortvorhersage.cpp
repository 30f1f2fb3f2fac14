#include "CWortvorhersage.h"

#include "CWortliste.h"
#include "IDialoge.h"
#include "Ressourcen.h"

namespace {

std::mutex g_lexikonMutex;
std::shared_ptr<const CWortliste> g_lexikon;  // guarded by g_lexikonMutex
std::string g_lexikonFehler;                  // guarded by g_lexikonMutex

// The base lexicon, read at the first call of the process (some 100 ms),
// then shared. A missing or damaged list is tried once: it gives an empty
// lexicon and the German reason.
std::shared_ptr<const CWortliste> Grundlexikon(std::string& fehler) {
    const std::lock_guard<std::mutex> sperre(g_lexikonMutex);
    if (!g_lexikon) {
        auto lexikon = std::make_shared<CWortliste>();
        if (!lexikon->Laden(RessourcenVerzeichnis() + "/woerter.txt", g_lexikonFehler)) {
            lexikon = std::make_shared<CWortliste>();
        }
        // Without its everyday sentences the prediction still answers, only
        // a new user's next words are guessed from the words alone.
        std::vector<std::string> saetze;
        std::string ohneSaetze;
        if (CWortliste::SaetzeLesen(RessourcenVerzeichnis() + "/grundsaetze.txt", saetze,
                                    ohneSaetze))
            lexikon->SetSaetze(std::move(saetze));
        g_lexikon = std::move(lexikon);
    }
    fehler = g_lexikonFehler;
    return g_lexikon;
}

// The lexicon if it has been read already; null otherwise (never waits).
std::shared_ptr<const CWortliste> GrundlexikonSchonDa() {
    const std::unique_lock<std::mutex> sperre(g_lexikonMutex, std::try_to_lock);
    return sperre.owns_lock() ? g_lexikon : nullptr;
}

}  // namespace

CWortvorhersage::CWortvorhersage(IDialoge& dialoge)
    : m_dialoge(dialoge), m_pModell(std::make_unique<CVorhersage>()) {}

CWortvorhersage::~CWortvorhersage() { Schliessen(); }

void CWortvorhersage::Schliessen() {
    m_bAbbrechen = true;
    if (m_lader.joinable()) m_lader.join();
    m_bAbbrechen = false;
    const std::lock_guard<std::mutex> sperre(m_mutex);
    m_fertig.clear();
}

void CWortvorhersage::Oeffnen(const std::string& datei) {
    Schliessen();
    m_strDatei = datei;
    m_pModell = std::make_unique<CVorhersage>();
    m_pModell->SetWortliste(GrundlexikonSchonDa());
    m_elemente.clear();
    m_seitdem.clear();
    m_vergessen.clear();
    m_pWortschatz.reset();
    m_bVollstaendig = false;
    ++m_nStand;
    if (datei.empty()) return;
    m_lader = std::thread([this, datei] {
        CVorhersageLader::CAblauf ablauf;
        ablauf.wortliste = [this] {
            std::string fehler;
            auto lexikon = Grundlexikon(fehler);
            const std::lock_guard<std::mutex> sperre(m_mutex);
            m_strLexikonFehler = fehler;
            return lexikon;
        };
        ablauf.zwischenstand = [this](CVorhersageLader::CErgebnis erstes) {
            Ablegen(std::move(erstes));
        };
        CVorhersageLader::CErgebnis ergebnis = CVorhersageLader::Laden(datei, ablauf, m_bAbbrechen);
        if (ergebnis.modell) Ablegen(std::move(ergebnis));
    });
}

void CWortvorhersage::Ablegen(CVorhersageLader::CErgebnis ergebnis) {
    {
        const std::lock_guard<std::mutex> sperre(m_mutex);
        m_fertig.push_back(std::move(ergebnis));
    }
    if (m_nachreicher) {
        m_nachreicher([this, lebt = std::weak_ptr<bool>(m_pLebt)] {
            if (lebt.lock()) Abholen();
        });
    }
}

void CWortvorhersage::Warten() {
    if (m_lader.joinable()) m_lader.join();
    Abholen();
}

void CWortvorhersage::Abholen() {
    std::vector<CVorhersageLader::CErgebnis> fertig;
    std::string lexikonFehler;
    {
        const std::lock_guard<std::mutex> sperre(m_mutex);
        fertig.swap(m_fertig);
        lexikonFehler = m_strLexikonFehler;
    }
    if (fertig.empty()) return;
    if (!lexikonFehler.empty() && !m_bHinweis) {
        m_bHinweis = true;
        m_dialoge.Hinweis(lexikonFehler + " Die Tastatur schreibt ohne Wortvorschläge weiter.");
    }
    for (CVorhersageLader::CErgebnis& e : fertig) Uebernehmen(std::move(e));
    if (m_neu) m_neu();
}

void CWortvorhersage::Uebernehmen(CVorhersageLader::CErgebnis ergebnis) {
    // A whole model never gives way to a first one.
    if (m_bVollstaendig || !ergebnis.modell) return;
    m_pModell = std::move(ergebnis.modell);
    m_bVollstaendig = ergebnis.vollstaendig;
    if (m_pWortschatz) {
        m_pModell->SetWortschatz(CVorhersage::AusWortelementen(*m_pWortschatz));
        ElementeMerken(*m_pWortschatz);
    } else {
        ElementeMerken(std::move(ergebnis.elemente));
    }
    for (const std::string& satz : m_seitdem) m_pModell->Lernen(satz);
    for (const auto& [satz, anzahl] : m_vergessen) m_pModell->Vergessen(satz, anzahl);
    if (m_bVollstaendig) {
        m_seitdem.clear();
        m_vergessen.clear();
        m_pWortschatz.reset();
    }
    ++m_nStand;
}

void CWortvorhersage::ElementeMerken(std::vector<CWortelement> elemente) {
    m_elemente.clear();
    for (CWortelement& e : elemente) {
        const long index = e.GetIndex();
        m_elemente.emplace(index, std::move(e));
    }
}

void CWortvorhersage::Gesprochen(const std::string& satz) {
    m_pModell->Lernen(satz);
    if (!m_bVollstaendig) m_seitdem.push_back(satz);
    ++m_nStand;
}

void CWortvorhersage::Vergessen(const std::string& satz, std::uint32_t anzahl) {
    m_pModell->Vergessen(satz, anzahl);
    if (!m_bVollstaendig) m_vergessen.emplace_back(satz, anzahl);
    ++m_nStand;
}

void CWortvorhersage::WortschatzNeu() {
    if (m_strDatei.empty()) return;
    std::vector<CVorhersage::CElement> elemente;
    std::vector<CWortelement> ganz;
    std::string fehler;
    if (!CVorhersageLader::WortschatzLesen(m_strDatei, elemente, fehler, &ganz)) return;
    m_pModell->SetWortschatz(std::move(elemente));
    if (!m_bVollstaendig) m_pWortschatz = std::make_unique<std::vector<CWortelement>>(ganz);
    ElementeMerken(std::move(ganz));
    ++m_nStand;
}

std::vector<std::string> CWortvorhersage::Woerter(const std::string& text) const {
    return m_pModell->Vorschlagen(text, CVorhersage::kVorschlaege);
}

std::vector<CVorhersage::CElementVorschlag> CWortvorhersage::Elemente(
    const std::string& satz, int verbform, const std::vector<long>& sichtbar) const {
    return m_pModell->Elemente(satz, verbform, CVorhersage::kVorschlaege, sichtbar);
}

const CWortelement* CWortvorhersage::Element(long index) const {
    const auto it = m_elemente.find(index);
    return it == m_elemente.end() ? nullptr : &it->second;
}
