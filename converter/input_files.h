#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace halvane {

// A file as the system knows it: two names for one file (a hard or symbolic
// link, "./a" and "a") have one identity.
struct FileIdentity {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    bool operator==(const FileIdentity&) const = default;
};

// The input files of a run, so that the output never replaces one of them.
class InputFiles {
public:
    struct Entry {
        std::string kind;  // ".nod", ".ele", ".bat" or ".lst"
        std::string name;  // as the user gave it
        FileIdentity identity;
    };

    void add(std::string_view kind, std::string_view name, FileIdentity identity);

    // The input that `path` names (links followed); nullptr when `path` names
    // none of them or does not exist.
    [[nodiscard]] const Entry* same_file_as(const std::string& path) const;

private:
    std::vector<Entry> entries_;
};

}  // namespace halvane
