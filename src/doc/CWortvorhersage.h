#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <unordered_map>
#include <vector>

#include "CVorhersage.h"
#include "CVorhersageLader.h"
#include "CWortelement.h"

class CWortliste;
class IDialoge;

// The word prediction of the open user: the model that answers, the thread
// that builds it from the user file, and the hand-over of what that thread
// has built.
//
// Opening a file starts the thread and returns at once. Until a model
// arrives the base lexicon alone answers (and nothing, the very first time,
// until the lexicon is read). A big memory sends a first model after its
// newest sentences and the whole one later (CVorhersageLader). A model is
// taken over on the owner's thread, through the Nachreicher, or when
// Warten is called; the sentences said since the loading began are then
// learned into it, so that none is missing (the loader reads only what was
// stored before it began). Closing cancels the thread and waits for it (a
// few milliseconds).
//
// Owns the model, the thread and the elements as read (for a click on one
// that is not in the grid's list now). Everything but the thread is used on
// the owner's thread only. The base lexicon is read once per process and
// shared.
//
// Errors: a word list that is missing or damaged is said once through the
// dialogs (the keyboard then offers nothing, the grid's row still does). A
// user file the loader cannot read is not said: the prediction then learns
// only what is said from now on.
class CWortvorhersage {
public:
    using Nachreicher = std::function<void(std::function<void()>)>;

    explicit CWortvorhersage(IDialoge& dialoge);
    ~CWortvorhersage();
    CWortvorhersage(const CWortvorhersage&) = delete;
    CWortvorhersage& operator=(const CWortvorhersage&) = delete;

    void SetNachreicher(Nachreicher nachreicher) { m_nachreicher = std::move(nachreicher); }
    // Called on the owner's thread when a model has been taken over.
    void SetNeu(std::function<void()> neu) { m_neu = std::move(neu); }

    // Starts building the model of this file; the one before is let go.
    void Oeffnen(const std::string& datei);
    void Schliessen();
    // Waits until the model of the open file is whole and takes it over;
    // for tests and tools.
    void Warten();
    // True once the model of the whole memory answers.
    bool IsVollstaendig() const { return m_bVollstaendig; }

    // A sentence said (as shown): learned now, and into a model that
    // arrives later.
    void Gesprochen(const std::string& satz);
    // A sentence (as shown) said `anzahl` times was removed from the memory:
    // what only it taught is forgotten, also by a model still to come.
    void Vergessen(const std::string& satz, std::uint32_t anzahl);
    // The carer changed the vocabulary: read again from the file.
    void WortschatzNeu();

    // Words offered for the text typed so far (see CVorhersage::Vorschlagen).
    std::vector<std::string> Woerter(const std::string& text) const;
    // The elements offered after the sentence so far.
    // `sichtbar`: elements the grid shows (see CVorhersage::Elemente).
    std::vector<CVorhersage::CElementVorschlag> Elemente(
        const std::string& satz, int verbform, const std::vector<long>& sichtbar = {}) const;
    // An element as read with the vocabulary; null when unknown.
    const CWortelement* Element(long index) const;
    // See CVorhersage::IstFiniteVerbform (false until the vocabulary is read).
    bool IstFiniteVerbform(const std::string& wort) const {
        return m_pModell->IstFiniteVerbform(wort);
    }
    // Grows by one whenever what is offered may have changed.
    std::uint64_t GetStand() const { return m_nStand; }
    const CVorhersage& GetModell() const { return *m_pModell; }

private:
    // On the loader thread: keeps a result for the owner's thread.
    void Ablegen(CVorhersageLader::CErgebnis ergebnis);
    // On the owner's thread: takes the results kept so far.
    void Abholen();
    void Uebernehmen(CVorhersageLader::CErgebnis ergebnis);
    void ElementeMerken(std::vector<CWortelement> elemente);

    IDialoge& m_dialoge;
    Nachreicher m_nachreicher;
    std::function<void()> m_neu;
    std::string m_strDatei;
    std::unique_ptr<CVorhersage> m_pModell;
    std::unordered_map<long, CWortelement> m_elemente;
    // Said since the loading began, for the model still to come.
    std::vector<std::string> m_seitdem;
    // Removed since the loading began: forgotten by the model to come too.
    std::vector<std::pair<std::string, std::uint32_t>> m_vergessen;
    // The vocabulary read again while the loader ran: it replaces the one
    // the loader read.
    std::unique_ptr<std::vector<CWortelement>> m_pWortschatz;
    bool m_bVollstaendig = false;
    bool m_bHinweis = false;  // the word list's notice is given
    std::uint64_t m_nStand = 0;

    std::thread m_lader;
    std::atomic<bool> m_bAbbrechen{false};
    std::mutex m_mutex;
    std::vector<CVorhersageLader::CErgebnis> m_fertig;  // guarded by m_mutex
    std::string m_strLexikonFehler;                     // guarded by m_mutex
    // Expires with this object: a hand-over posted after it has gone is
    // dropped.
    std::shared_ptr<bool> m_pLebt = std::make_shared<bool>(true);
};
