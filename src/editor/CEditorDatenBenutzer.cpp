// The editor model: the user's record and settings, the password, picture
// paths and the voice.

#include "CEditorDaten.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <system_error>

#include "CDatenbank.h"
#include "CSagwerkDoc.h"
#include "CWortButton.h"
#include "IDialoge.h"

namespace {

bool GleicherInhalt(const std::filesystem::path& a, const std::filesystem::path& b) {
    std::error_code ec;
    if (std::filesystem::file_size(a, ec) != std::filesystem::file_size(b, ec) || ec) return false;
    std::ifstream x(a, std::ios::binary), y(b, std::ios::binary);
    return std::equal(std::istreambuf_iterator<char>(x), std::istreambuf_iterator<char>(),
                      std::istreambuf_iterator<char>(y), std::istreambuf_iterator<char>());
}

}  // namespace

// --------------------------------------------------------------- user, paths, speech

CBenutzer& CEditorDaten::GetBenutzer() {
    CBenutzer* benutzer = m_doc.GetUser();
    return benutzer != nullptr ? *benutzer : m_keinBenutzer;
}

bool CEditorDaten::CommitBenutzer() {
    CDatenbank* db = Db();
    CBenutzer* benutzer = m_doc.GetUser();
    if (db == nullptr || benutzer == nullptr) return false;
    CWarteCursor warten(m_doc.GetDialoge());
    const bool ok = db->SaveBenutzer(*benutzer);
    m_doc.SetUserChanged(true);
    return ok;
}

CBedienung CEditorDaten::GetBedienung() const { return m_doc.GetBedienung(); }

bool CEditorDaten::CommitBedienung(const CBedienung& bedienung) {
    CDatenbank* db = Db();
    if (db == nullptr || m_doc.GetUser() == nullptr) return false;
    const bool ok = db->SaveBedienung(bedienung);
    m_doc.SetUserChanged(true);
    return ok;
}

bool CEditorDaten::CheckPasswort(const std::string& text) const {
    const CBenutzer* benutzer = m_doc.GetUser();
    return benutzer != nullptr && text == benutzer->GetPasswort();
}

std::string CEditorDaten::MakeRelativePath(const std::string& pfad) const {
    const std::string& basis = m_doc.GetBaseDir();
    // Only a path below the base directory is cut; the same letters further
    // inside a path say nothing about where the file is.
    if (basis.empty() || pfad.size() <= basis.size() || pfad.compare(0, basis.size(), basis) != 0) {
        return pfad;
    }
    std::string rest = pfad.substr(basis.size());
    // Stored as the files have always stored names, valid on every system.
    std::replace(rest.begin(), rest.end(), '/', '\\');
    return rest;
}

std::string CEditorDaten::ResolvePath(const std::string& pfad) const {
    return m_doc.ResolvePath(pfad);
}

std::string CEditorDaten::BildUebernehmen(const std::string& pfad) {
    namespace fs = std::filesystem;
    if (pfad.empty()) return {};
    const std::string relativ = MakeRelativePath(pfad);
    if (relativ != pfad || m_doc.GetBaseDir().empty()) return relativ;

    const fs::path quelle(pfad);
    const fs::path ordner = fs::path(m_doc.GetBaseDir()) / "bilder";
    const std::string stamm = quelle.stem().string();
    const std::string endung = quelle.extension().string();
    std::error_code ec;
    fs::create_directories(ordner, ec);
    for (int nummer = 1; !ec && nummer < 10000; ++nummer) {
        const std::string name =
            nummer == 1 ? stamm + endung : stamm + "-" + std::to_string(nummer) + endung;
        const fs::path ziel = ordner / name;
        if (fs::exists(ziel, ec)) {
            if (GleicherInhalt(quelle, ziel)) return "bilder\\" + name;
            continue;
        }
        if (fs::copy_file(quelle, ziel, fs::copy_options::none, ec)) return "bilder\\" + name;
    }
    m_doc.GetDialoge().ShowMessage("Das Bild \u201E" + pfad +
                                       "\u201C kann nicht in den Ordner des Benutzers kopiert "
                                       "werden. Bitte wählen Sie ein anderes Bild.",
                                   "Information", IDialoge::Symbol::Information);
    return {};
}

std::vector<std::pair<std::string, std::string>> CEditorDaten::EigeneBilder() {
    std::vector<std::pair<std::string, std::string>> bilder;
    CDatenbank* db = Db();
    if (db == nullptr) return bilder;
    std::set<std::string> gesehen;
    const auto dazu = [&](const std::string& bild, const std::string& name) {
        if (bild.empty() || name.empty()) return;
        std::string pfad = ResolvePath(bild);
        if (gesehen.insert(pfad).second) bilder.emplace_back(std::move(pfad), name);
    };
    for (const CWortelement& e : AlleWortelemente()) dazu(e.GetBild(), e.GetAnzeigetext());
    for (const auto& b : m_eButtons) dazu(b->GetBild(), b->GetAnzeigetext());
    for (const auto& t : m_fTasten) dazu(t->GetBild(), t->GetAnzeigetext());
    return bilder;
}

void CEditorDaten::Speak(const std::string& text) {
    // The document would take the empty text as "speak the sentence being
    // built" and store it in the user's memory.
    // The preview sounds as the element's own texts say, not as another
    // element's pronunciation would make it.
    if (!text.empty()) m_doc.GetSpeech().Speak(text, false);
}

void CEditorDaten::SetVoice(int speed, int pitch) { m_doc.SetVoice(speed, pitch); }
