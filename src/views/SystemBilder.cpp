#include "SystemBilder.h"

#include <filesystem>
#include <system_error>

#include "CSagwerkDoc.h"

std::string SystemBild(const CSagwerkDoc& doc, const char* name) {
    const std::string basis = std::string("icons\\system\\") + name;
    const std::string svg = doc.ResolvePath(basis + ".svg");
    std::error_code ec;
    if (std::filesystem::exists(svg, ec)) return svg;
    return doc.ResolvePath(basis + ".ico");
}
