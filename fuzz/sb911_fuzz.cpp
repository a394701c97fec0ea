// The SB911 reader on a header file and cast files made from one input: the
// parts of the input separated by NUL bytes are the header (cruise.hdr), then
// the cast files in record order, each written where the reader is about to
// look for it.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_support.h"
#include "readers/sb911_reader.h"
#include "store_snapshot.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static FuzzFolder folder("sb911");
    static CruiseData d;  // like the viewer's store, never cleared between loads
    static StoreMirror mirror(d);

    const auto parts = split_parts({reinterpret_cast<const char*>(data), size});
    const std::string header = folder.write("cruise.hdr", parts[0]);
    std::size_t next = 1;
    const LoadResult r = read_sb911(d, header, [&](const std::string& castfile) {
        const int cast = static_cast<int>(next);  // the cast this file is read for
        mirror.announce(cast);
        if (next < parts.size() && folder.holds(castfile)) folder.write_path(castfile, parts[next]);
        ++next;
    });
    folder.clear();

    FUZZ_CHECK(mirror.unchanged_except(d, 1, r.ncast));
    FUZZ_CHECK(r.header_read);
    FUZZ_CHECK(r.first_cast == 1);
    FUZZ_CHECK(r.ncast >= 0 && r.ncast <= kMaxCast);
    FUZZ_CHECK(d.ncast == r.ncast);
    FUZZ_CHECK(!r.stopped || !r.issues.empty());
    for (const LoadIssue& issue : r.issues) FUZZ_CHECK(!issue.file.empty() && !issue.what.empty());
    if (r.ncast > 0) FUZZ_CHECK(d.ncol == 4 || d.ncol == 5);
    for (int i = 1; i <= r.ncast; ++i) {
        FUZZ_CHECK(d.npts[i] >= 0 && d.npts[i] <= kMaxScan);
        FUZZ_CHECK(!d.castfile[i].empty());
    }
    return 0;
}
