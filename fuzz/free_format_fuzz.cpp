// The converter's free-format input, fed from memory. The input's first byte
// says how many of the following bytes are a script of reads; the rest is the
// text, read once by FreeFormatReader following the script, once as answers
// on the terminal, and split into values line by line for the number parsers.
//
// Script byte: low two bits the kind of read, the other six its size.
//   0  skip_line
//   1  read of up to 6 fields, bit k+2 set for a real, clear for an integer
//   2  read_reals of 1 to 64 values
//   3  read_if_well_formed of an integer and two reals

#include <algorithm>
#include <cerrno>
#include <cfloat>
#include <climits>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "fortran_number.h"
#include "free_format_reader.h"
#include "fuzz_support.h"
#include "run_errors.h"
#include "terminal.h"

using namespace halvane;

namespace {

// A decimal number in the form the C library reads too: sign, digits with an
// optional point, an optional exponent after E or e.
bool plain_decimal(std::string_view t) {
    std::size_t p = 0, digits = 0;
    const auto digit = [&] { return p < t.size() && t[p] >= '0' && t[p] <= '9'; };
    if (p < t.size() && (t[p] == '+' || t[p] == '-')) ++p;
    while (digit()) ++p, ++digits;
    if (p < t.size() && t[p] == '.') ++p;
    while (digit()) ++p, ++digits;
    if (digits == 0) return false;
    if (p == t.size()) return true;
    if (t[p] != 'e' && t[p] != 'E') return false;
    ++p;
    if (p < t.size() && (t[p] == '+' || t[p] == '-')) ++p;
    if (!digit()) return false;
    while (digit()) ++p;
    return p == t.size();
}

// The number parsers against the C library on the forms both read.
void check_parsers(std::string_view token) {
    int i = 0;
    float f = 0;
    const NumberParse pi = parse_integer(token, i);
    const NumberParse pf = parse_real(token, f);
    // Every integer is a real too.
    if (pi == NumberParse::ok) FUZZ_CHECK(pf == NumberParse::ok && f == static_cast<float>(i));
    if (!plain_decimal(token)) return;
    const std::string text(token);
    errno = 0;
    const float want = std::strtof(text.c_str(), nullptr);
    if (errno == 0 && std::fabs(want) >= FLT_MIN) FUZZ_CHECK(pf == NumberParse::ok && f == want);
    if (errno == ERANGE && std::isinf(want)) FUZZ_CHECK(pf == NumberParse::out_of_range);
    if (text.find_first_of(".eE") == std::string::npos) {
        errno = 0;
        const long long n = std::strtoll(text.c_str(), nullptr, 10);
        const bool fits = errno == 0 && n >= INT_MIN && n <= INT_MAX;
        FUZZ_CHECK((pi == NumberParse::ok) == fits);
        if (fits)
            FUZZ_CHECK(i == n);
        else
            FUZZ_CHECK(pi == NumberParse::out_of_range);
    }
}

// Reports name the file or the terminal and quote what they quote printably.
bool printable(std::string_view text) {
    for (const char c : text)
        if (static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) >= 0x7f) return false;
    return true;
}

bool read_once(FreeFormatReader& in, std::uint8_t op) {
    const unsigned size = op >> 2;
    switch (op & 3) {
        case 0:
            return in.skip_line();
        case 1: {
            int ints[6] = {};
            float reals[6] = {};
            Field fields[6] = {Field::of(ints[0]), Field::of(ints[1]), Field::of(ints[2]),
                               Field::of(ints[3]), Field::of(ints[4]), Field::of(ints[5])};
            const unsigned count = size % 7;
            for (unsigned k = 0; k < count; ++k)
                if (size & (1u << k)) fields[k] = Field::of(reals[k]);
            return in.read(std::span<const Field>(fields, count));
        }
        case 2: {
            float reals[64];
            return in.read_reals(std::span<float>(reals, size + 1));
        }
        default: {
            int node = 0;
            float x = 0, y = 0;
            const int before = in.line_number();
            const bool whole = in.read_if_well_formed({Field::of(node), Field::of(x), Field::of(y)});
            if (!whole) FUZZ_CHECK(in.line_number() >= before);
            return true;
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return -1;
    const std::size_t nscript = std::min<std::size_t>(data[0] % 16, size - 1);
    const std::string_view script(reinterpret_cast<const char*>(data + 1), nscript);
    const std::string_view text(reinterpret_cast<const char*>(data + 1 + nscript), size - 1 - nscript);

    try {
        FreeFormatReader in("input.txt", text);
        int last_line = 0;
        for (std::size_t k = 0; k < 64; ++k) {
            const bool more = read_once(in, static_cast<std::uint8_t>(script.empty() ? 1 : script[k % script.size()]));
            FUZZ_CHECK(in.line_number() >= last_line);
            last_line = in.line_number();
            if (!more) break;
        }
    } catch (const InputError& e) {
        FUZZ_CHECK(std::string_view(e.what()).rfind("\"input.txt\"", 0) == 0);
        FUZZ_CHECK(printable(e.what()));
    }

    // Every value of the first lines, through next_value and both parsers.
    std::size_t line_start = 0;
    for (int lines = 0; lines < 8 && line_start < text.size(); ++lines) {
        const std::size_t line_end = std::min(text.find_first_of("\r\n", line_start), text.size());
        const std::string_view line = text.substr(line_start, line_end - line_start);
        std::size_t pos = 0;
        for (std::string_view token = next_value(line, pos); !token.empty(); token = next_value(line, pos)) {
            FUZZ_CHECK(token.find_first_of(" ,\t") == std::string_view::npos);
            check_parsers(token);
        }
        line_start = line_end + 1;
    }

    std::istringstream answers{std::string(text)};
    std::ostringstream out;
    Terminal terminal(answers, out);
    try {
        for (std::size_t k = 0; k < 64; ++k) {
            if (!script.empty() && (script[k % script.size()] & 1))
                FUZZ_CHECK(terminal.ask_line("Enter the name").size() == 72);
            else
                (void)terminal.ask_number("Enter nnv");
        }
    } catch (const InputError& e) {
        FUZZ_CHECK(std::string_view(e.what()).rfind("terminal", 0) == 0);
        FUZZ_CHECK(printable(e.what()));
    }
    return 0;
}
