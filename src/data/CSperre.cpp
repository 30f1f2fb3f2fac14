#include "CSperre.h"

#include <filesystem>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

CSperre::CSperre(const std::string& datei) {
#ifndef _WIN32
    const std::filesystem::path pfad(datei);
    const std::filesystem::path sperre =
        pfad.parent_path() / ("." + pfad.filename().string() + ".sperre");
    m_fd = ::open(sperre.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    // In a write-protected folder the user file itself carries the lock
    // (flock does not touch SQLite's own locks on it).
    const bool aufDerDatei = m_fd < 0;
    if (aufDerDatei) m_fd = ::open(pfad.c_str(), O_RDONLY | O_CLOEXEC);
    if (m_fd < 0) return;
    if (::flock(m_fd, LOCK_EX | LOCK_NB) != 0) {
        m_bGehalten = false;
        ::close(m_fd);
        m_fd = -1;
        return;
    }
    if (aufDerDatei) return;
    // The file under any of its names (a file not there yet has none).
    m_fdDatei = ::open(pfad.c_str(), O_RDONLY | O_CLOEXEC);
    if (m_fdDatei >= 0 && ::flock(m_fdDatei, LOCK_EX | LOCK_NB) != 0) {
        m_bGehalten = false;
        ::close(m_fdDatei);
        m_fdDatei = -1;
        ::close(m_fd);
        m_fd = -1;
    }
#else
    (void)datei;
#endif
}

CSperre::~CSperre() {
#ifndef _WIN32
    if (m_fdDatei >= 0) ::close(m_fdDatei);
    if (m_fd >= 0) ::close(m_fd);
#endif
}
