#include "CPaketDatei.h"

#include <zip.h>

#include <sys/stat.h>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace {

std::string Anf(const std::string& s) { return "\u201E" + s + "\u201C"; }

std::string Mb(std::uint64_t bytes) { return std::to_string(bytes >> 20) + " MB"; }

}  // namespace

void CPaketDatei::ZipSchliessen::operator()(void* zip) const {
    zip_discard(static_cast<zip_t*>(zip));
}

CPaketDatei::CPaketDatei() = default;
CPaketDatei::~CPaketDatei() = default;

std::optional<std::string> CPaketDatei::Normalisieren(const std::string& name) {
    std::string n = name;
    for (char& c : n) {
        if (c == '\\') c = '/';
    }
    if (n.empty() || n[0] == '/' || (n.size() >= 2 && n[1] == ':')) return std::nullopt;
    // Each part on its own: "." is dropped, ".." leaves the package.
    std::string aus;
    std::size_t anfang = 0;
    while (anfang <= n.size()) {
        std::size_t ende = n.find('/', anfang);
        if (ende == std::string::npos) ende = n.size();
        const std::string teil = n.substr(anfang, ende - anfang);
        if (teil == "..") return std::nullopt;
        if (!teil.empty() && teil != ".") {
            if (!aus.empty()) aus += '/';
            aus += teil;
        }
        anfang = ende + 1;
    }
    if (aus.empty()) return std::nullopt;
    return aus;
}

bool CPaketDatei::Oeffnen(const std::string& pfad, std::string& fehler) {
    namespace fs = std::filesystem;
    m_strPfad = pfad;
    std::error_code ec;
    if (!fs::is_regular_file(pfad, ec)) {
        fehler = "Die Datei " + Anf(pfad) + " gibt es nicht.";
        return false;
    }
    const std::uint64_t groesse = fs::file_size(pfad, ec);
    std::ifstream ein(pfad, std::ios::binary);
    char kopf[4] = {};
    if (ec || !ein || !ein.read(kopf, 4).good()) {
        fehler = ec || !ein
                     ? "Die Datei " + Anf(pfad) + " kann nicht gelesen werden."
                     : "Die Datei " + Anf(pfad) + " ist keine Tafeldatei: sie ist (fast) leer.";
        return false;
    }
    if (kopf[0] == 'P' && kopf[1] == 'K' && (kopf[2] == 3 || kopf[2] == 5)) {
        ein.close();
        int code = 0;
        zip_t* zip = zip_open(pfad.c_str(), ZIP_RDONLY, &code);
        if (zip == nullptr) {
            fehler = "Die Datei " + Anf(pfad) + " ist kein gültiges Zip-Paket.";
            return false;
        }
        m_pZip.reset(zip);
        const zip_int64_t anzahl = zip_get_num_entries(zip, 0);
        std::uint64_t gesamt = 0;
        for (zip_int64_t i = 0; i < anzahl; ++i) {
            zip_stat_t st;
            zip_stat_init(&st);
            if (zip_stat_index(zip, static_cast<zip_uint64_t>(i), 0, &st) != 0 ||
                !(st.valid & ZIP_STAT_NAME) || !(st.valid & ZIP_STAT_SIZE)) {
                fehler = "Das Paket " + Anf(pfad) + " ist beschädigt.";
                return false;
            }
            const std::string name = st.name;
            const std::optional<std::string> normal = Normalisieren(name);
            if (!normal) {
                fehler = "Das Paket " + Anf(pfad) + " enthält den Eintrag " + Anf(name) +
                         ", der aus dem Paket hinausführt. Es wird nicht gelesen.";
                return false;
            }
            zip_uint8_t system = 0;
            zip_uint32_t attribute = 0;
            if (zip_file_get_external_attributes(zip, static_cast<zip_uint64_t>(i), 0, &system,
                                                 &attribute) == 0 &&
                system == ZIP_OPSYS_UNIX && ((attribute >> 16) & S_IFMT) == S_IFLNK) {
                fehler = "Das Paket " + Anf(pfad) + " enthält den Verweis " + Anf(name) +
                         " auf eine andere Datei. Es wird nicht gelesen.";
                return false;
            }
            if (name.back() == '/' || name.rfind("__MACOSX/", 0) == 0) continue;
            gesamt += st.size;
            if (gesamt > kHoechstensGesamt) {
                fehler = "Das Paket " + Anf(pfad) + " wäre entpackt größer als " +
                         Mb(kHoechstensGesamt) + ". Es wird nicht gelesen.";
                return false;
            }
            const std::uint64_t gepackt = (st.valid & ZIP_STAT_COMP_SIZE) ? st.comp_size : 0;
            if (st.size >= kVerhaeltnisAb && st.size > gepackt * kHoechstesVerhaeltnis) {
                fehler = "Der Eintrag " + Anf(name) + " im Paket " + Anf(pfad) +
                         " ist mehr als 100-fach gepackt (eine Zip-Bombe?). Das Paket wird "
                         "nicht gelesen.";
                return false;
            }
            if (m_eintraege.emplace(*normal, Eintrag{static_cast<std::uint64_t>(i), st.size})
                    .second) {
                m_namen.push_back(*normal);
            }
        }
        return true;
    }
    if (groesse > kHoechstensJson) {
        fehler = "Die Datei " + Anf(pfad) + " ist größer als " + Mb(kHoechstensJson) +
                 " und damit keine Tafel, die Sagwerk liest.";
        return false;
    }
    m_strText.assign(kopf, 4);
    m_strText.resize(static_cast<std::size_t>(groesse));
    if (groesse > 4 && !ein.read(m_strText.data() + 4, static_cast<std::streamsize>(groesse - 4))) {
        fehler = "Die Datei " + Anf(pfad) + " kann nicht gelesen werden.";
        return false;
    }
    return true;
}

bool CPaketDatei::Lesen(const std::string& name, std::string& daten, std::string& fehler) {
    const auto it = m_eintraege.find(name);
    if (!m_pZip || it == m_eintraege.end()) {
        fehler = "Das Paket enthält " + Anf(name) + " nicht.";
        return false;
    }
    zip_t* zip = static_cast<zip_t*>(m_pZip.get());
    zip_file_t* datei = zip_fopen_index(zip, it->second.index, 0);
    if (datei == nullptr) {
        fehler = Anf(name) + " im Paket kann nicht gelesen werden: " + zip_strerror(zip);
        return false;
    }
    // The size the entry declares is the most that is read: a packed
    // stream that goes on beyond it is cut off, not believed.
    daten.assign(static_cast<std::size_t>(it->second.groesse), '\0');
    std::uint64_t gelesen = 0;
    bool ok = true;
    while (gelesen < it->second.groesse) {
        const zip_int64_t n =
            zip_fread(datei, daten.data() + gelesen, it->second.groesse - gelesen);
        if (n <= 0) {
            ok = n == 0;
            break;
        }
        gelesen += static_cast<std::uint64_t>(n);
    }
    char mehr = 0;
    if (ok && gelesen == it->second.groesse && zip_fread(datei, &mehr, 1) > 0) ok = false;
    zip_fclose(datei);
    if (!ok || gelesen != it->second.groesse) {
        fehler = Anf(name) + " im Paket ist beschädigt.";
        daten.clear();
        return false;
    }
    return true;
}
