#include "input_files.h"

#include <sys/stat.h>

namespace halvane {

void InputFiles::add(std::string_view kind, std::string_view name, FileIdentity identity) {
    entries_.push_back({std::string(kind), std::string(name), identity});
}

const InputFiles::Entry* InputFiles::same_file_as(const std::string& path) const {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return nullptr;
    const FileIdentity identity{static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino)};
    for (const Entry& entry : entries_)
        if (entry.identity == identity) return &entry;
    return nullptr;
}

}  // namespace halvane
