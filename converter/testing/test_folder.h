#pragma once

// A temporary folder for the fixture files of one test, removed with everything in it when the test ends.

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
    TestFolder() : root_((std::filesystem::temp_directory_path() / "halvane-test-XXXXXX").string()) {
        if (!mkdtemp(root_.data())) throw std::runtime_error("cannot create a temporary folder");
    }
    ~TestFolder() {
        std::error_code ec;
        std::filesystem::remove_all(root_, ec);
    }

    std::string path(std::string_view name) const { return root_ + "/" + std::string(name); }
    const std::string& root() const { return root_; }
    // Writes `content` byte for byte and returns the file's path.
    std::string write(std::string_view name, std::string_view content) const {
        std::ofstream(path(name), std::ios::binary) << content;
        return path(name);
    }
    // The file's bytes; empty when there is no such file.
    std::string read(std::string_view name) const {
        std::ostringstream text;
        text << std::ifstream(path(name), std::ios::binary).rdbuf();
        return text.str();
    }

private:
    std::string root_;
};

// The message of the exception of type E that `f` throws, or "no error".
template <class E, class F>
std::string error_of(F f) {
    try {
        f();
    } catch (const E& e) {
        return e.what();
    }
    return "no error";
}

}  // namespace halvane::testing
