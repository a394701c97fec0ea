#include "readers/file_name_case.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace {

bool same_ignoring_case(const std::string& a, const std::string& b) {
    const auto lower = [](unsigned char c) { return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c; };
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) { return lower(x) == lower(y); });
}

}  // namespace

std::string match_name_case(const std::string& path) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path p(path);
    if (fs::symlink_status(p, ec).type() != fs::file_type::not_found || !p.has_filename()) return path;
    const std::string name = p.filename().string();
    std::string found;
    int matches = 0;
    for (fs::directory_iterator it(p.has_parent_path() ? p.parent_path() : fs::path("."), ec), end; !ec && it != end;
         it.increment(ec)) {
        if (!same_ignoring_case(it->path().filename().string(), name)) continue;
        if (++matches > 1) return path;
        found = (p.parent_path() / it->path().filename()).string();
    }
    return matches == 1 ? found : path;
}
