#pragma once

// Shared by the fuzz targets: a private folder for the files a reader is given,
// the splitting of one input into several files, and checks that abort.

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

// Aborts with a message when a promise of the code under test is broken, so
// libFuzzer keeps the input.
#define FUZZ_CHECK(cond)                                                                  \
    do {                                                                                  \
        if (!(cond)) {                                                                    \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #cond); \
            std::abort();                                                                 \
        }                                                                                 \
    } while (0)

// The folder for the files of each input: memory-backed (/dev/shm) where there
// is one, since every execution writes and reads its files anew.
inline std::filesystem::path fuzz_base_folder() {
    std::error_code ec;
    const std::filesystem::path shm("/dev/shm");
    if (std::filesystem::is_directory(shm, ec) && ::access(shm.c_str(), W_OK) == 0) return shm;
    return std::filesystem::temp_directory_path();
}

// A folder of its own for one fuzzing process, made on first use and removed
// at exit. Files written for one input are removed before the next, so every
// input runs on exactly the files made from it.
class FuzzFolder {
public:
    explicit FuzzFolder(const std::string& what) {
        std::string pattern = (fuzz_base_folder() / ("quenvar9-fuzz-" + what + "-XXXXXX")).string();
        if (!::mkdtemp(pattern.data())) {
            std::perror("mkdtemp");
            std::abort();
        }
        root_ = pattern;
    }
    ~FuzzFolder() {
        std::error_code ec;
        std::filesystem::remove_all(root_, ec);
    }
    FuzzFolder(const FuzzFolder&) = delete;
    FuzzFolder& operator=(const FuzzFolder&) = delete;

    const std::filesystem::path& root() const { return root_; }
    std::string path(std::string_view name) const { return (root_ / name).string(); }

    // True for a path naming a file directly inside the folder.
    bool holds(const std::string& path) const {
        if (path.find('\0') != std::string::npos) return false;
        const std::filesystem::path p(path);
        return p.parent_path() == root_ && p.has_filename() && p.filename() != "." && p.filename() != "..";
    }

    // Writes `content` byte for byte to `path`, which the folder must hold.
    void write_path(const std::string& path, std::string_view content) {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(content.data(), static_cast<std::streamsize>(content.size()));
        if (!out) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            std::abort();
        }
        written_.push_back(path);
    }
    std::string write(std::string_view name, std::string_view content) {
        const std::string p = path(name);
        write_path(p, content);
        return p;
    }

    // Removes every file written since the last call.
    void clear() {
        for (const std::string& p : written_) std::remove(p.c_str());
        written_.clear();
    }

private:
    std::filesystem::path root_;
    std::vector<std::string> written_;
};

// The parts of an input separated by NUL bytes: the first is the header file,
// the others the data files in the order the header's records ask for them.
inline std::vector<std::string_view> split_parts(std::string_view input) {
    std::vector<std::string_view> parts;
    for (;;) {
        const std::size_t sep = input.find('\0');
        parts.push_back(input.substr(0, sep));
        if (sep == std::string_view::npos) return parts;
        input.remove_prefix(sep + 1);
    }
}
