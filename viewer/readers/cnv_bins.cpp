#include "readers/cnv_bins.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "store/cruise_data.h"

namespace {

constexpr int kMaxBins = kMaxScan;
constexpr std::array<int, 10> kBinWidths = {1, 2, 5, 10, 20, 50, 100, 200, 500, 1000};

std::optional<double> mean(double sum, std::uint64_t count) {
    if (count == 0) return std::nullopt;
    return sum / double(count);
}

}  // namespace

void DowncastBins::Sums::add(const Scan& v) {
    t += v.t;
    s += v.s;
    ++n;
    if (v.fl) fl += *v.fl, ++nfl;
    if (v.tr) tr += *v.tr, ++ntr;
}

void DowncastBins::Sums::merge(const Sums& o) {
    t += o.t, s += o.s, fl += o.fl, tr += o.tr;
    n += o.n, nfl += o.nfl, ntr += o.ntr;
}

DowncastBins::Sums& DowncastBins::StepTable::at(int h) {
    const int size = static_cast<int>(v_.size());
    if (size == 0) {
        base_ = h;
        v_.resize(1);
    } else if (h < base_) {
        const int base = std::max(0, std::min(h, base_ - size));
        v_.insert(v_.begin(), static_cast<std::size_t>(base_ - base), Sums{});
        base_ = base;
    } else if (h >= base_ + size) {
        v_.resize(static_cast<std::size_t>(std::min(std::max(h + 1, base_ + 2 * size), kSteps) - base_));
    }
    return v_[static_cast<std::size_t>(h - base_)];
}

void DowncastBins::clear() {
    kept_.clear();
    after_.clear();
    after_touched_.clear();
    lo_ = kSteps;
    hi_ = -1;
    deepest_.reset();
    deeper_ = 0;
}

void DowncastBins::widen(int h) {
    lo_ = std::min(lo_, h);
    hi_ = std::max(hi_, h);
}

// The scans since the last deepest one join the profile.
void DowncastBins::join_since_deepest() {
    for (int k : after_touched_) {
        kept_.at(k).merge(after_.at(k));
        after_.at(k) = Sums{};
        widen(k);
    }
    after_touched_.clear();
}

void DowncastBins::add(const Scan& scan) {
    const int h = static_cast<int>(std::floor(scan.depth * 2)) - kFirstStep;
    if (!deepest_ || scan.depth > *deepest_) {
        join_since_deepest();
        kept_.at(h).add(scan);
        widen(h);
        deepest_ = scan.depth;
        ++deeper_;
    } else {
        Sums& bin = after_.at(h);
        if (bin.n == 0) after_touched_.push_back(h);
        bin.add(scan);
    }
}

// The bin of width w holding step h: floor(depth / w + 0.5) for every depth
// of the step, worked exactly in whole half metres.
long long DowncastBins::bin_of(int h, int w) {
    const long long num = static_cast<long long>(h) + kFirstStep + w, den = 2LL * w;
    return num >= 0 ? num / den : -((-num + den - 1) / den);
}

// The narrowest width giving at most kMaxBins non-empty bins.
int DowncastBins::width() const {
    for (int w : kBinWidths) {
        int count = 0;
        long long last = 0;
        for (int h = lo_; h <= hi_ && count <= kMaxBins; ++h) {
            if (kept_[h].n == 0) continue;
            const long long m = bin_of(h, w);
            if (count == 0 || m != last) ++count;
            last = m;
        }
        if (count <= kMaxBins) return w;
    }
    return kBinWidths.back();
}

std::vector<Bin> DowncastBins::take() {
    if (deeper_ == 1) join_since_deepest();  // the first scan is the deepest: an upcast
    std::vector<Bin> out;
    const int w = width();
    Sums sum;
    long long n = 0;
    const auto flush = [&] {
        if (sum.n == 0) return;
        out.push_back({double(n) * w, sum.t / double(sum.n), sum.s / double(sum.n), mean(sum.fl, sum.nfl),
                       mean(sum.tr, sum.ntr)});
        sum = Sums{};
    };
    for (int h = lo_; h <= hi_; ++h) {
        const Sums& step = kept_[h];
        if (step.n == 0) continue;
        const long long m = bin_of(h, w);
        if (m != n) flush();
        n = m;
        sum.merge(step);
    }
    flush();
    clear();
    return out;
}
