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

#include <cmath>
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
            int i = 0;
            float f = 0;
            const NumberParse pi = parse_integer(token, i);
            const NumberParse pf = parse_real(token, f);
            // Every integer is a real too.
            if (pi == NumberParse::ok) FUZZ_CHECK(pf == NumberParse::ok && f == static_cast<float>(i));
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
