#pragma once

// Test support: a temporary folder that holds the fixture files of one test
// and is removed with everything in it when the test ends.

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>

namespace halvane::testing {

class TestFolder {
public:
    TestFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "halvane-test-XXXXXX").string();
        if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot create a temporary folder");
        root_ = pattern;
    }
    ~TestFolder()
    {
        std::error_code ec;
        std::filesystem::remove_all(root_, ec);
    }
    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;

    std::string path(std::string_view name) const { return (root_ / std::string(name)).string(); }
    const std::filesystem::path& root() const { return root_; }

    // Writes `content` byte for byte and returns the file's path.
    std::string write(std::string_view name, std::string_view content) const
    {
        std::ofstream out(path(name), std::ios::binary);
        out.write(content.data(), static_cast<std::streamsize>(content.size()));
        if (!out) throw std::runtime_error("cannot write a fixture file");
        return path(name);
    }

    std::string read(std::string_view name) const
    {
        std::ifstream in(path(name), std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

    bool exists(std::string_view name) const { return std::filesystem::exists(path(name)); }

private:
    std::filesystem::path root_;
};

}  // namespace halvane::testing
