// The converter's free-format input. The input's first byte says how many of
// the following bytes are a script of reads; the rest is the text, read once
// as a file by FreeFormatReader following the script, and once as answers on
// the terminal.
//
// Script byte: low two bits the kind of read, the other six its size.
//   0  read_line
//   1  read of up to 6 fields, bit k+2 set for a real, clear for an integer
//   2  read_reals of 1 to 64 values
//   3  next_value and both number parsers over the next line

#include <cerrno>
#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <cstddef>
#include <cstdint>
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
        if (fits) FUZZ_CHECK(i == n);
        else FUZZ_CHECK(pi == NumberParse::out_of_range);
    }
}

bool read_once(FreeFormatReader& in, std::uint8_t op) {
    const unsigned size = op >> 2;
    switch (op & 3) {
    case 0: {
        std::string_view line;
        return in.read_line(line);
    }
    case 1: {
        int ints[6] = {};
        float reals[6] = {};
        std::vector<Field> fields;
        for (unsigned k = 0; k < 6 && k <= size % 7; ++k)
            fields.push_back(size & (1u << k) ? Field::of(reals[k]) : Field::of(ints[k]));
        return in.read(fields);
    }
    case 2: {
        std::vector<float> reals(size + 1);
        return in.read_reals(reals);
    }
    default: {
        std::string_view line;
        if (!in.read_line(line)) return false;
        std::size_t pos = 0;
        for (std::string_view token = next_value(line, pos); !token.empty(); token = next_value(line, pos)) {
            FUZZ_CHECK(token.find_first_of(" ,\t") == std::string_view::npos);
            check_parsers(token);
        }
        return true;
    }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static FuzzFolder folder("free");
    if (size == 0) return -1;
    const std::size_t nscript = std::min<std::size_t>(data[0] % 16, size - 1);
    const std::string_view script(reinterpret_cast<const char*>(data + 1), nscript);
    const std::string_view text(reinterpret_cast<const char*>(data + 1 + nscript), size - 1 - nscript);

    const std::string path = folder.write("input.txt", text);
    try {
        FreeFormatReader in = FreeFormatReader::open(path);
        int last_line = 0;
        for (std::size_t k = 0; k < 64; ++k) {
            const bool more = read_once(in, static_cast<std::uint8_t>(script.empty() ? 1 : script[k % script.size()]));
            FUZZ_CHECK(in.line_number() >= last_line);
            last_line = in.line_number();
            if (!more) break;
        }
    } catch (const InputError& e) {
        FUZZ_CHECK(std::string_view(e.what()).rfind("\"" + path + "\"", 0) == 0);
    }
    folder.clear();

    std::istringstream answers{std::string(text)};
    std::ostringstream out;
    Terminal terminal(answers, out);
    try {
        for (std::size_t k = 0; k < 64; ++k) {
            if (!script.empty() && (script[k % script.size()] & 1))
                FUZZ_CHECK(terminal.ask_line("Enter the name").size() == 72);
            else
                terminal.ask_number("Enter nnv");
        }
    } catch (const InputError& e) {
        FUZZ_CHECK(std::string_view(e.what()).rfind("terminal", 0) == 0);
    }
    return 0;
}
