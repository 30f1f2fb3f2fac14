#include "CTempVerzeichnis.h"

#include <random>
#include <system_error>

CTempVerzeichnis::CTempVerzeichnis() {
    std::random_device zufall;
    const auto basis = std::filesystem::temp_directory_path();
    for (;;) {
        m_pfad = basis / ("sagwerk-test-" + std::to_string(zufall()));
        if (std::filesystem::create_directory(m_pfad)) break;
    }
}

CTempVerzeichnis::~CTempVerzeichnis() {
    std::error_code ec;
    // Tests make files read-only; give write permission back before removing.
    for (const auto& e : std::filesystem::recursive_directory_iterator(m_pfad, ec)) {
        std::filesystem::permissions(e.path(), std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ec);
    }
    std::filesystem::remove_all(m_pfad, ec);
}
