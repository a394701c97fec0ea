#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "readers/cnv_columns.h"

// Depths a .cnv scan may have, metres; half-metre steps keep the binning memory fixed.
inline constexpr double kShallowest = -100, kDeepest = 12000;

// One depth bin: its depth and the means of its scans (fluorescence and
// transmission over the scans that have one, none when no scan has).
struct Bin {
    double depth = 0, t = 0, s = 0;
    std::optional<double> fl, tr;
    bool operator==(const Bin&) const = default;
};

// A cast's profile averaged in depth bins. The profile is the downcast, from
// the first scan to the first deepest one; when the first scan is the deepest
// (an upcast alone, or a file binned on the upcast), it is every scan. Bins
// have width w, the smallest of 1, 2, 5, 10, 20, 50, 100, 200, 500, 1000 m
// giving at most 500 non-empty bins: bin n holds the scans with floor(depth /
// w + 0.5) = n and lies at depth n * w.
class DowncastBins {
public:
    // Starts a new cast.
    void clear();
    // One scan; its depth must lie within kShallowest..kDeepest (excluded).
    void add(const Scan& s);
    // The profile's bins in increasing depth; the cast is spent.
    [[nodiscard]] std::vector<Bin> take();

private:
    static constexpr int kFirstStep = static_cast<int>(kShallowest * 2);
    static constexpr int kSteps = static_cast<int>((kDeepest - kShallowest) * 2);

    struct Sums {
        double t = 0, s = 0, fl = 0, tr = 0;
        std::uint64_t n = 0, nfl = 0, ntr = 0;
        void add(const Scan& v);
        void merge(const Sums& o);
    };

    // Sums by half-metre step, held only over the steps the cast has reached
    // (grown by doubling either way), so a shallow cast or a short file costs
    // little.
    class StepTable {
    public:
        Sums& at(int h);
        // Step h, which at() has reached since the last clear().
        const Sums& operator[](int h) const { return v_[static_cast<std::size_t>(h - base_)]; }
        void clear() { v_.clear(); }

    private:
        int base_ = 0;
        std::vector<Sums> v_;
    };

    static long long bin_of(int h, int w);
    int width() const;
    void widen(int h);
    void join_since_deepest();

    StepTable kept_, after_;
    std::vector<int> after_touched_;
    int lo_ = kSteps, hi_ = -1;
    std::optional<double> deepest_;
    int deeper_ = 0;  // scans that went deeper than every one before
};
