// The converter's .lst loader, fed from memory. The input's first two bytes
// give the mesh's node count (0 to 7099, so beyond the capacity too); the
// rest is the file.

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "free_format_reader.h"
#include "fuzz_support.h"
#include "level_surface_loader.h"
#include "run_errors.h"

using namespace halvane;

namespace {

// Reports quote a bad value printably, and never more than 64 bytes of it
// (four characters each at most, escaped).
bool printable(std::string_view text) {
    for (const char c : text)
        if (static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) >= 0x7f) return false;
    return text.size() <= 400;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static std::vector<float> zl(nlevels);
    static NodeTable sigtl{nndim, nlevels};
    static const std::string name = "sigmat.lst";
    if (size < 2) return -1;
    const int nn = (data[0] << 8 | data[1]) % 7100;

    FreeFormatReader lst(name, {reinterpret_cast<const char*>(data + 2), size - 2});
    std::istringstream no_answers;
    std::ostringstream out;
    Terminal terminal(no_answers, out);
    int nlev = 0;
    try {
        loadlst(nndim, nlevels, nn, nlev, lst, zl, sigtl, terminal);
        FUZZ_CHECK(nn <= nndim && nlev >= 1 && nlev <= nlevels);
        FUZZ_CHECK(out.str() == " " + std::to_string(nn) + " x " + std::to_string(nlev) +
                                    " real 3-D sigmat values loaded from " + name + "\n");
    } catch (const InputError& e) {
        FUZZ_CHECK(std::string_view(e.what()).rfind("\"" + name + "\"", 0) == 0);
        FUZZ_CHECK(printable(e.what()));
        FUZZ_CHECK(out.str().empty());
    } catch (const CapacityStop&) {
        FUZZ_CHECK(nn > nndim || nlev > nlevels);
        FUZZ_CHECK(out.str().find("to large") != std::string::npos);
    }
    return 0;
}
