#pragma once

// The user side of the core probes: a user file with a small vocabulary,
// random German sentences typed into the document, the document as the
// program opens it, and SQLite's own verdict on a file.

#include <memory>
#include <string>

#include "CSagwerkDoc.h"
#include "CSystemUhr.h"
#include "CTestDialoge.h"
#include "Sonde.h"

namespace sonde {

// A new user file (CreateUserDatabase) with a second category and a few
// words, verbs and links in both, so that clicks write use counts.
bool BenutzerAnlegen(const std::string& pfad, std::string& fehler);

// A German sentence of a few words, umlauts and ß included.
std::string ZufallsSatz(CZufall& zufall);

// Types the text character by character, as the on-screen keyboard does.
void Tippen(CSagwerkDoc& doc, const std::string& text);

std::string Getrimmt(const std::string& text);

// integrity_check of the file, or SQLite's error when it cannot even run.
// Read-write opens roll back a journal left by a killed program first, as
// the program's own open does.
std::string Integritaet(const std::string& datei, bool lesend);

// A document as the program has one, but silent, with no boxes, and with
// the file shared (no lock beside it): nurEinProgramm off.
struct CStillesDokument {
    explicit CStillesDokument(const CDatenbank::Optionen& optionen = {});
    CTestDialoge dialoge;
    CSystemUhr uhr;
    std::unique_ptr<CSagwerkDoc> doc;
};

}  // namespace sonde
