#pragma once

// Test helper: a fresh folder in the system's temporary folder, removed with
// everything in it when the object goes. Header only; the viewer's one
// temporary-folder helper for its tests and benchmarks.

#include <atomic>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <unistd.h>

class ScratchFolder {
public:
    ScratchFolder() {
        static std::atomic<int> counter{0};
        const auto name = "quenvar9-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
        root_ = std::filesystem::temp_directory_path() / name;
        std::filesystem::remove_all(root_);
        std::filesystem::create_directories(root_);
    }
    ~ScratchFolder() {
        std::error_code ec;
        std::filesystem::remove_all(root_, ec);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    // Full path of `name` inside the folder.
    std::string path(std::string_view name) const { return (root_ / name).string(); }

    // Writes `content` byte for byte (no line-end translation); returns the path.
    std::string write(std::string_view name, std::string_view content) const {
        const std::string p = path(name);
        std::filesystem::create_directories(std::filesystem::path(p).parent_path());
        std::ofstream out(p, std::ios::binary | std::ios::trunc);
        out.write(content.data(), static_cast<std::streamsize>(content.size()));
        return p;
    }

private:
    std::filesystem::path root_;
};
