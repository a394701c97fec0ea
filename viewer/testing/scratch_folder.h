#pragma once

// A fresh folder in the system's temporary folder, removed with everything in
// it when the object goes: the viewer's one temporary-folder helper.

#include <unistd.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

class ScratchFolder {
public:
    ScratchFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "quenvar9-test-XXXXXX").string();
        if (::mkdtemp(pattern.data())) root_ = pattern;
    }
    ~ScratchFolder() {
        std::error_code ec;
        std::filesystem::remove_all(root_, ec);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    std::string path(std::string_view name) const { return (root_ / name).string(); }
    // Writes `content` byte for byte, making folders as needed; returns the path.
    std::string write(std::string_view name, std::string_view content) const {
        const std::string p = path(name);
        std::filesystem::create_directories(std::filesystem::path(p).parent_path());
        std::ofstream(p, std::ios::binary).write(content.data(), std::streamsize(content.size()));
        return p;
    }

    // A file's bytes; "" when it cannot be read.
    static std::string read(const std::string& p) {
        std::ifstream in(p, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

private:
    std::filesystem::path root_;
};
