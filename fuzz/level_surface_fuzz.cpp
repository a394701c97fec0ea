// The converter's .lst loader. The input's first two bytes give the mesh's
// node count (0 to 7099, so beyond the capacity too); the rest is the file.

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "fixed_text.h"
#include "fuzz_support.h"
#include "level_surface_loader.h"
#include "run_errors.h"

using namespace halvane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static FuzzFolder folder("lst");
    static std::vector<float> zl(nlevels);
    static NodeTable sigtl{nndim, nlevels};
    if (size < 2) return -1;
    const int nn = (data[0] << 8 | data[1]) % 7100;

    const std::string path = folder.write("sigmat.lst", {reinterpret_cast<const char*>(data + 2), size - 2});
    FUZZ_CHECK(path.size() <= text_width);
    std::istringstream no_answers;
    std::ostringstream out;
    Terminal terminal(no_answers, out);
    int nlev = 0;
    try {
        loadlst(nndim, nlevels, nn, nlev, make_text72(path), zl, sigtl, terminal);
        FUZZ_CHECK(nn <= nndim && nlev >= 1 && nlev <= nlevels);
        FUZZ_CHECK(out.str().find("loaded from " + path) != std::string::npos);
    } catch (const InputError& e) {
        FUZZ_CHECK(std::string_view(e.what()).find(path) != std::string_view::npos);
    } catch (const CapacityStop&) {
        FUZZ_CHECK(nn > nndim || nlev > nlevels);
        FUZZ_CHECK(out.str().find("to large") != std::string::npos);
    }
    folder.clear();
    return 0;
}
