#include "readers/cnv_bins.h"

#include <gtest/gtest.h>

namespace {

// Scans of depth z, temperature and salinity v, fluorescence f (none when negative).
struct S {
    double z, v, f = -1;
};

std::vector<Bin> binned(const std::vector<S>& scans) {
    DowncastBins bins;
    bins.clear();
    for (const S& s : scans) bins.add({s.z, s.v, s.v, s.f < 0 ? std::nullopt : std::optional(s.f), std::nullopt});
    return bins.take();
}

Bin bin(double z, double v, std::optional<double> f = {}) { return {z, v, v, f, std::nullopt}; }

TEST(DowncastBins, DowncastOrUpcastInDepthBins) {
    // clang-format off
    const struct { const char* name; std::vector<S> scans; std::vector<Bin> bins; } rows[] = {
        {"soak, heave, then the upcast left out", {{2, 10}, {1, 11}, {3, 1}, {2.6, 3}, {4, 8}, {4, 0}, {0.6, 0}},
         {bin(1, 11), bin(2, 10), bin(3, 2), bin(4, 8)}},
        {"bins at 0.5 and -0.5", {{-0.51, 1}, {-0.5, 2}, {0.49, 4}, {0.5, 3}}, {bin(-1, 1), bin(0, 3), bin(1, 3)}},
        {"fluorescence over the scans that have one", {{1, 1, 2}, {1.2, 3}, {1.4, 5, 4}}, {bin(1, 3, 3)}},
        {"an upcast alone: every scan", {{3, 1}, {2, 2}, {3, 4}, {1, 3}}, {bin(1, 3), bin(2, 2), bin(3, 2.5)}},
        {"a deeper scan after the first: the downcast rule", {{3, 1}, {3.5, 2}, {1, 3}}, {bin(3, 1), bin(4, 2)}},
    };  // clang-format on
    for (const auto& row : rows) EXPECT_EQ(binned(row.scans), row.bins) << row.name;
}

TEST(DowncastBins, WidthIsTheNarrowestGivingAtMost500Bins) {
    const struct { int deepest, width, n; } rows[] = {{499, 1, 500}, {500, 2, 251}, {2497, 5, 500}, {10000, 50, 201}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.deepest);
        std::vector<S> scans;
        for (int z = 0; z <= row.deepest; ++z) scans.push_back({double(z), 10});
        const std::vector<Bin> bins = binned(scans);
        EXPECT_EQ(std::tuple(bins.size(), bins.at(1).depth), std::tuple(std::size_t(row.n), double(row.width)));
    }
}

}  // namespace
