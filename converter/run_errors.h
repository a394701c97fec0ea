#pragma once

#include <stdexcept>
#include <string>

namespace halvane {

// The abnormal end of a run: a missing or unreadable file, a malformed number,
// an input file or the terminal ending too early. The message names the file
// (or the terminal) and the problem; main prints it and exits with status 2.
class InputError : public std::runtime_error {
public:
    explicit InputError(const std::string& report) : std::runtime_error(report) {}
};

// A capacity check ended the run after its messages were printed on standard
// output. Nothing more is printed; main exits with status 1 so scripts see it.
class CapacityStop : public std::exception {
public:
    const char* what() const noexcept override { return "capacity exceeded"; }
    static constexpr int exit_status = 1;
};

}  // namespace halvane
