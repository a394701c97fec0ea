// The coastline reader: the input is the .bln file, drawn on a recording surface.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_support.h"
#include "readers/coastline_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static FuzzFolder folder("coast");

    const std::string path = folder.write("coast.bln", {reinterpret_cast<const char*>(data), size});
    long handed = 0;
    const CoastResult r = read_coastline(path, [&handed](float, float, float, float) { ++handed; });
    folder.clear();

    FUZZ_CHECK(r.file == path);
    FUZZ_CHECK(r.ok() == r.message().empty());
    FUZZ_CHECK(r.ok() || r.message().rfind(path + ": ", 0) == 0);
    FUZZ_CHECK(r.segments == handed);
    FUZZ_CHECK(r.polylines >= 0 && r.segments >= 0 && r.points >= r.polylines);
    FUZZ_CHECK(r.segments < r.points || r.points == 0);
    return 0;
}
