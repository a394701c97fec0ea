#include "readers/cnv_reader.h"

#include <sys/stat.h>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <optional>
#include <thread>
#include <utility>

#include "readers/cnv_bins.h"
#include "readers/cnv_columns.h"
#include "readers/cnv_header.h"
#include "readers/cnv_scan_line.h"
#include "readers/text_items.h"
#include "readers/text_source.h"

namespace {

std::string at_line(int n) { return "line " + std::to_string(n); }

// Each worker holds up to a few megabytes (its bin tables, its longest line);
// beyond this many the disk, not the processors, sets the pace.
constexpr unsigned kMaxWorkers = 16;

// What one file gives the store.
struct CnvCast {
    CnvHeader header;
    std::optional<std::pair<Angle, Angle>> position;
    std::vector<Bin> bins;
    bool with_trans = false;
    int scan_lines = 0;  // data lines read, usable or not
    // Scans left out for an impossible depth, and the line and depth of the first.
    int odd_depths = 0, odd_line = 0;
    double odd_depth = 0;
    void leave_out(int line, double depth) {
        if (odd_depths++ == 0) odd_line = line, odd_depth = depth;
    }
};

// A raw record's pressure spike: a scan more than this many metres from both
// of its neighbours, which lie within it of each other. A profile going one
// way never has one, however coarse its bins.
constexpr double kSpike = 100;

// What reading one file came to.
struct Outcome {
    bool ok = false;
    std::string why;   // on a failure
    dev_t device = 0;  // of the file, once open
    ino_t inode = 0;
    CnvCast cast;
};

// Reads .cnv files whole, one at a time: the work of one thread, with its own
// text source, bin table and line reader.
class CastReader {
public:
    // Reads `path`, adding the bytes read to `bytes` as it goes.
    Outcome read(const std::string& path, std::atomic<std::uint64_t>& bytes) {
        Outcome o;
        published_ = 0;
        if (!src_.open(path, o.why)) return o;
        o.device = src_.device();
        o.inode = src_.inode();
        o.ok = read_cast(o.cast, o.why, bytes);
        publish(bytes);
        return o;
    }

private:
    void publish(std::atomic<std::uint64_t>& bytes) {
        bytes.fetch_add(src_.bytes_read() - published_, std::memory_order_relaxed);
        published_ = src_.bytes_read();
    }

    bool read_cast(CnvCast& cast, std::string& why, std::atomic<std::uint64_t>& bytes);

    TextSource src_;
    DowncastBins bins_;
    ScanLine line_;
    std::vector<double> x_;
    std::uint64_t published_ = 0;
};

bool CastReader::read_cast(CnvCast& cast, std::string& why, std::atomic<std::uint64_t>& bytes) {
    CnvHeader& h = cast.header;
    std::string_view line;
    bool header_ended = false;
    while (!header_ended && src_.next_line(line)) {
        if (trim(line).starts_with("*END*"))
            header_ended = true;
        else if (!read_header_line(line, src_.line_number(), h, why))
            return false;
    }
    if (src_.failed()) return why = src_.why(), false;
    if (!header_ended) return why = "ends before its *END* line, so it holds no scans", false;
    number_columns_from_zero(h);
    CnvColumns c;
    if (!choose_columns(h.columns, c, why)) return false;
    cast.with_trans = c.trans >= 0;

    const auto header_position = h.position();
    ScanMaker make(c, h.bad_flag,
                   header_position ? std::optional(header_position->first.signed_degrees()) : std::nullopt);
    const std::vector<int> used = c.used();
    const std::size_t ncols = h.columns.size();
    x_.assign(ncols, 0.0);
    line_.start();
    bins_.clear();
    bool first = true;
    std::optional<Scan> pending;  // the last usable scan, not yet judged
    int pending_line = 0;
    std::optional<double> before;  // the depth of the scan binned before it
    while (src_.next_line(line)) {
        if (is_blank(line)) continue;
        if (std::exchange(first, false) && is_title_line(line)) continue;
        if (!line_.read(line, ncols, used, x_.data(), why, src_.line_number())) return false;
        if ((++cast.scan_lines & 0xfff) == 0) publish(bytes);
        for (int k : used) {
            if (std::fabs(x_[std::size_t(k)]) > kLargestValue) {
                char text[32];
                std::snprintf(text, sizeof text, "%.9g", x_[std::size_t(k)]);
                why = at_line(src_.line_number()) + ": " + h.columns[std::size_t(k)].name + " holds " + text +
                      ", beyond the 1e9 that any measured value stays within";
                return false;
            }
        }
        const std::optional<Scan> scan = make(x_.data());
        if (!scan) continue;
        if (!(scan->depth >= kShallowest && scan->depth < kDeepest)) {
            cast.leave_out(src_.line_number(), scan->depth);
            continue;
        }
        // Each scan is judged once the next one is known.
        if (pending) {
            const double p = pending->depth, next = scan->depth;
            if (before && std::fabs(p - *before) > kSpike && std::fabs(p - next) > kSpike &&
                std::fabs(next - *before) <= kSpike) {
                cast.leave_out(pending_line, p);
            } else {
                bins_.add(*pending);
                before = p;
            }
        }
        pending = scan;
        pending_line = src_.line_number();
    }
    if (pending) bins_.add(*pending);
    if (src_.failed()) return why = src_.why(), false;
    cast.position = header_position ? header_position : make.data_position();
    cast.bins = bins_.take();
    return true;
}

// Hands the files of a load to worker threads in load order and their
// outcomes back to the loading thread in the same order. Workers read at most
// `window` files ahead of the loading thread, and none after a file that
// failed. Without workers the loading thread reads each file as it takes it.
class ReadingPool {
public:
    ReadingPool(const std::vector<std::string>& files, int workers)
        : files_(files), window_(std::size_t(std::max(workers, 1)) * 2), slots_(window_), end_(files.size()) {
        try {
            for (int w = 0; w < workers; ++w) workers_.emplace_back([this] { work(); });
        } catch (const std::system_error&) {  // no more threads: read with those there are
        }
    }
    ~ReadingPool() {
        {
            std::lock_guard lock(m_);
            end_ = 0;
        }
        room_.notify_all();
        for (std::thread& t : workers_) t.join();
    }
    ReadingPool(const ReadingPool&) = delete;
    ReadingPool& operator=(const ReadingPool&) = delete;

    // The outcome of file k, the one after the last taken; `waiting` is
    // called every 100 ms while it is not there.
    template <typename Waiting>
    Outcome take(std::size_t k, Waiting waiting) {
        if (workers_.empty()) return inline_.read(files_[k], bytes_);
        std::optional<Outcome>& slot = slots_[k % window_];
        std::unique_lock lock(m_);
        while (!ready_.wait_for(lock, std::chrono::milliseconds(100), [&] { return slot.has_value(); })) {
            lock.unlock();
            waiting();
            lock.lock();
        }
        Outcome o = std::move(*slot);
        slot.reset();
        taken_ = k + 1;
        lock.unlock();
        room_.notify_all();
        return o;
    }

    std::uint64_t bytes_read() const { return bytes_.load(std::memory_order_relaxed); }

private:
    void work() {
        CastReader reader;
        for (;;) {
            std::size_t k = 0;
            {
                std::unique_lock lock(m_);
                room_.wait(lock, [&] { return next_ >= end_ || next_ < taken_ + window_; });
                if (next_ >= end_) return;
                k = next_++;
            }
            Outcome o;
            try {
                o = reader.read(files_[k], bytes_);
            } catch (const std::exception& e) {
                o.ok = false;
                o.why = std::string("could not be read: ") + e.what();
            }
            {
                std::lock_guard lock(m_);
                if (!o.ok) end_ = std::min(end_, k + 1);
                slots_[k % window_] = std::move(o);
            }
            ready_.notify_all();
        }
    }

    const std::vector<std::string>& files_;
    const std::size_t window_;
    std::vector<std::optional<Outcome>> slots_;  // file k's outcome in slot k % window_
    std::size_t next_ = 0, taken_ = 0, end_;     // next file to hand out, files taken, files that may be read
    std::mutex m_;
    std::condition_variable ready_, room_;
    std::atomic<std::uint64_t> bytes_{0};
    CastReader inline_;
    std::vector<std::thread> workers_;
};

void store_cast(CruiseData& d, int i, const CnvCast& cast, const std::string& path) {
    const CnvHeader& h = cast.header;
    if (cast.position) {
        const auto& [lat, lon] = *cast.position;
        const double ns = lat.positive ? 1 : -1, ew = lon.positive ? -1 : 1;  // store: north and west
        d.latdeg[i] = ns * lat.degrees;
        d.latmin[i] = ns * lat.minutes;
        d.lat[i] = ns * (lat.degrees + lat.minutes / 60);
        d.londeg[i] = ew * lon.degrees;
        d.lonmin[i] = ew * lon.minutes;
        d.lon[i] = ew * (lon.degrees + lon.minutes / 60);
    } else {
        for (CruiseData::CastCells* c : {&d.latdeg, &d.latmin, &d.lat, &d.londeg, &d.lonmin, &d.lon}) (*c)[i].reset();
    }
    for (CruiseData::CastCells* c : {&d.year, &d.month, &d.day, &d.hour}) (*c)[i].reset();
    if (const auto when = h.time()) {
        d.year[i] = when->year % 100;
        d.month[i] = when->month;
        d.day[i] = when->day;
        if (when->hour) d.hour[i] = *when->hour;
    }
    d.castno[i] = cast_number(path, i);
    d.stdsta[i] = h.station.value_or("");
    if (h.bottom)
        d.botdep[i] = *h.bottom;
    else
        d.botdep[i].reset();
    d.castfile[i] = path;
    int j = 0;
    for (const Bin& b : cast.bins) {
        ++j;
        d.castdat(i, j, kDepth) = b.depth;
        d.castdat(i, j, kTemp) = b.t;
        d.castdat(i, j, kSalt) = b.s;
        store_sigma(d.castdat(i, j, kSigma), b.t, b.s);
        for (const auto& [v, mean] : {std::pair(kFluor, b.fl), std::pair(kTrans, b.tr)}) {
            if (mean)
                d.castdat(i, j, v) = *mean;
            else
                d.castdat(i, j, v).reset();
        }
    }
    d.npts[i] = j;
    if (i == 1) d.ncol = cast.with_trans ? 5 : 4;
}

std::string no_scans_text(const CnvCast& cast) {
    if (cast.scan_lines == 0) return "holds no scans after its *END* line; its header is loaded";
    return "holds no usable scans: every one of its " + std::to_string(cast.scan_lines) + " scans is marked bad" +
           (cast.odd_depths > 0 ? " or lies at an impossible depth" : "") + "; its header is loaded";
}

std::string odd_depths_text(const CnvCast& cast) {
    char depth[32];
    std::snprintf(depth, sizeof depth, "%.6g", cast.odd_depth);
    const bool one = cast.odd_depths == 1;
    return "has " + std::to_string(cast.odd_depths) + (one ? " scan" : " scans") +
           " at an impossible depth: outside -100 to 12000 m, or a spike of more than 100 m from both neighbouring "
           "scans (the first at " +
           at_line(cast.odd_line) + ": " + depth + " m); " + (one ? "it was" : "they were") + " left out";
}

}  // namespace

std::vector<std::string> cnv_load_order(std::vector<std::string> paths) {
    const auto name = [](const std::string& p) { return std::string_view(p).substr(p.rfind('/') + 1); };
    std::stable_sort(paths.begin(), paths.end(), [&](const std::string& a, const std::string& b) {
        const std::string_view na = name(a), nb = name(b);
        return na != nb ? na < nb : a < b;
    });
    return paths;
}

LoadResult read_cnv(CruiseData& d, const std::vector<std::string>& paths, const LoadProgress& progress, int threads) {
    LoadResult result;
    result.first_cast = 1;
    const std::vector<std::string> files = cnv_load_order(paths);
    result.header_read = !files.empty();
    LoadStep step;
    step.m = static_cast<int>(files.size());
    for (const std::string& f : files) {
        struct stat st {};
        if (::stat(f.c_str(), &st) == 0 && S_ISREG(st.st_mode)) step.bytes_total += std::uint64_t(st.st_size);
    }
    if (threads <= 0) threads = static_cast<int>(std::clamp(std::thread::hardware_concurrency(), 1u, kMaxWorkers));
    const std::size_t workers = std::min(std::size_t(threads), files.size());
    ReadingPool pool(files, workers > 1 ? static_cast<int>(workers) : 0);
    struct Seen {
        dev_t device;
        ino_t inode;
        const std::string* path;
    };
    std::vector<Seen> seen;
    int i = 0;
    for (std::size_t f = 0; f < files.size(); ++f) {
        const std::string& path = files[f];
        if (i == kMaxCast) {
            result.stop(path, "was not loaded, nor were the files after it in name order (" +
                                  std::to_string(files.size() - f) + " files in all): a load holds at most " +
                                  std::to_string(kMaxCast) + " casts");
            break;
        }
        step.n = static_cast<int>(f + 1);
        step.file = &path;
        const auto tell = [&] {
            step.bytes_read = pool.bytes_read();
            if (progress) progress(step);
        };
        tell();
        Outcome o = pool.take(f, tell);
        if (!o.ok) {
            result.stop(path, o.why);
            break;
        }
        const auto same = std::find_if(seen.begin(), seen.end(),
                                       [&](const Seen& s) { return s.device == o.device && s.inode == o.inode; });
        if (same != seen.end()) {
            result.issues.push_back({path, "is the same file as " + *same->path + ", so it is loaded once"});
            continue;
        }
        seen.push_back({o.device, o.inode, &path});
        store_cast(d, ++i, o.cast, path);
        if (o.cast.odd_depths > 0 && !o.cast.bins.empty()) result.issues.push_back({path, odd_depths_text(o.cast)});
        if (o.cast.bins.empty()) {
            result.issues.push_back({path, no_scans_text(o.cast)});
            ++result.casts_without_scans;
        }
        result.ncast = i;
    }
    d.ncast = result.ncast;
    return result;
}
