// The Bongo-SB reader on a header.dat and SBE<nnn>.asc recordings made from
// one input: the parts of the input separated by NUL bytes are header.dat,
// then the recordings in record order, each written where the reader is about
// to look for it.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_support.h"
#include "readers/bongo_reader.h"
#include "store_snapshot.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static FuzzFolder folder("bongo");
    static CruiseData d;  // like the viewer's store, never cleared between loads
    static StoreMirror mirror(d);

    const auto parts = split_parts({reinterpret_cast<const char*>(data), size});
    const std::string header = folder.write("header.dat", parts[0]);
    std::size_t next = 1;
    const BongoResult r = read_bongo(d, header, [&](const std::string& castfile) {
        const int cast = kFirstTow - 1 + static_cast<int>(next);  // the cast this file is read for
        mirror.announce(cast);
        if (next < parts.size() && folder.holds(castfile)) folder.write_path(castfile, parts[next]);
        ++next;
    });
    folder.clear();

    FUZZ_CHECK(mirror.unchanged_except(d, kFirstTow, r.ncast));
    FUZZ_CHECK(r.header_read);
    FUZZ_CHECK(r.first_cast == kFirstTow);
    FUZZ_CHECK(r.ncast >= kFirstTow - 1 && r.ncast <= kMaxCast);
    FUZZ_CHECK(d.ncast == r.ncast);
    FUZZ_CHECK(static_cast<int>(r.tows.size()) == r.casts_loaded());
    FUZZ_CHECK(!r.stopped || !r.issues.empty());
    for (const LoadIssue& issue : r.issues) FUZZ_CHECK(!issue.file.empty() && !issue.what.empty());
    for (int i = kFirstTow; i <= r.ncast; ++i) {
        const TowDiagnostic& t = r.tows[static_cast<std::size_t>(i - kFirstTow)];
        FUZZ_CHECK(d.npts[i] == t.m);
        FUZZ_CHECK(t.m >= 0 && t.m <= t.j && t.j <= kMaxScan);
        FUZZ_CHECK(t.j == 0 ? t.k == 0 : t.k >= 1 && t.k <= t.j);
    }
    return 0;
}
