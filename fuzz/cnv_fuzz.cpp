// The .cnv reader on the cast files of one load made from one input: the parts
// of the input separated by NUL bytes are the files (the first 201), named so
// that the load takes them in input order, read on the reader's worker threads.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "format/utf8_text.h"
#include "fuzz_support.h"
#include "readers/cnv_header.h"
#include "readers/cnv_reader.h"
#include "store_snapshot.h"

namespace {

// Every stored depth comes from a bin of a scan between -100 and 12000 m; bins
// are at most 1000 m wide.
constexpr double kLowestBin = -100 - 1000, kDeepestBin = 12000 + 1000;

// True when an issue names one of the files of the load.
bool names_one_of(const std::vector<LoadIssue>& issues, const std::vector<std::string>& paths) {
    for (const LoadIssue& issue : issues)
        for (const std::string& p : paths)
            if (p == issue.file) return true;
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static FuzzFolder folder("cnv");
    static CruiseData d;  // like the viewer's store, never cleared between loads
    static StoreMirror mirror(d);

    auto parts = split_parts({reinterpret_cast<const char*>(data), size});
    // One file past the most a load takes is enough to reach the refusal of the rest.
    if (parts.size() > std::size_t(kMaxCast) + 1) parts.resize(std::size_t(kMaxCast) + 1);
    std::vector<std::string> paths;
    paths.reserve(parts.size());
    for (std::size_t i = 0; i < parts.size(); ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "c%05zu.cnv", i + 1);
        paths.push_back(folder.path(name));
    }
    // The files are all there before the load: its workers read ahead of the casts it stores.
    for (std::size_t i = 0; i < parts.size(); ++i) folder.write_path(paths[i], parts[i]);
    int told = 0;
    const LoadResult r = read_cnv(d, paths, [&](const LoadStep& step) {
        FUZZ_CHECK(step.m == static_cast<int>(paths.size()) && step.n >= told && step.n <= step.m);
        FUZZ_CHECK(*step.file == paths[static_cast<std::size_t>(step.n - 1)] && step.bytes_read <= step.bytes_total);
        mirror.announce(told = step.n);
    });
    folder.clear();

    FUZZ_CHECK(mirror.unchanged_except(d, 1, r.ncast));
    FUZZ_CHECK(r.first_cast == 1);
    FUZZ_CHECK(r.ncast >= 0 && r.ncast <= kMaxCast && r.ncast <= static_cast<int>(paths.size()));
    FUZZ_CHECK(d.ncast == r.ncast);
    FUZZ_CHECK(!r.stopped || !r.issues.empty());
    if (r.stopped) FUZZ_CHECK(names_one_of(r.issues, paths));
    for (const LoadIssue& issue : r.issues) FUZZ_CHECK(!issue.file.empty() && !issue.what.empty());
    if (r.ncast > 0) FUZZ_CHECK(d.ncol == 4 || d.ncol == 5);
    int without_scans = 0;
    for (int c = 1; c <= r.ncast; ++c) {
        FUZZ_CHECK(d.castfile[c] == paths[static_cast<std::size_t>(c - 1)]);
        FUZZ_CHECK(d.npts[c] >= 0 && d.npts[c] <= kMaxScan);
        FUZZ_CHECK(utf8_text(d.stdsta[c]) == d.stdsta[c] && d.stdsta[c].size() <= kMaxStationBytes);
        FUZZ_CHECK(!d.lat[c].is_set() || (std::fabs(d.lat[c]) <= 90 && std::fabs(d.lon[c]) <= 180));
        for (const Cell* x : {&d.lat[c], &d.lon[c], &d.latmin[c], &d.lonmin[c], &d.botdep[c], &d.hour[c]})
            FUZZ_CHECK(std::isfinite(x->value()));
        const int npts = static_cast<int>(d.npts[c]);
        without_scans += npts == 0;
        for (int s = 1; s <= npts; ++s) {
            const double depth = d.castdat(c, s, kDepth);
            FUZZ_CHECK(depth >= kLowestBin && depth <= kDeepestBin);
            if (s > 1) FUZZ_CHECK(depth > d.castdat(c, s - 1, kDepth));
            // Nothing stored is infinite or NaN; measured values stay within 1e9.
            for (int v = kTemp; v <= kTrans; ++v) FUZZ_CHECK(std::isfinite(d.castdat(c, s, v).value()));
            FUZZ_CHECK(std::fabs(d.castdat(c, s, kTemp)) <= kLargestValue);
        }
    }
    FUZZ_CHECK(without_scans == r.casts_without_scans);
    return 0;
}
