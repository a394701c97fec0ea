#include "readers/coastline_reader.h"

#include <sys/stat.h>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <memory>
#include <string_view>

#include "readers/number_stream.h"
#include "readers/text_source.h"

std::string CoastResult::message() const { return ok() ? std::string() : file + ": " + problem; }

namespace {

// Longer than any number a coastline file holds; a longer item is garbage (a
// binary file, a file of the wrong kind) and is not kept whole in memory.
constexpr std::size_t kMaxItem = 64;

// Reads comma-, blank- or line-separated items from a text file.
class ItemReader {
public:
    explicit ItemReader(TextSource& src) : src_(src) {}

    enum class Got { item, end, fault };

    // The next item in `item`, valid until the next call; `end` only at the
    // end of the file. On `fault` problem() says why.
    Got next(std::string_view& item) {
        if (!skip_space()) return src_.failed() ? fault(src_.why()) : Got::end;
        item_line_ = src_.line_number();
        if (line_[pos_] == ',') return fault(at_line() + "an empty item between two commas");
        const std::size_t start = pos_;
        while (pos_ < line_.size() && line_[pos_] != ',' && !is_blank(line_[pos_])) ++pos_;
        item = line_.substr(start, pos_ - start);
        if (item.size() > kMaxItem)
            return fault(at_line() + "an item of more than " + std::to_string(kMaxItem) +
                         " characters is not a number: " + quoted_item(item));
        // Blanks after an item, then at most one comma, belong to it.
        while (pos_ < line_.size() && is_blank(line_[pos_])) ++pos_;
        if (pos_ < line_.size() && line_[pos_] == ',') ++pos_;
        return Got::item;
    }

    // Whether nothing but blanks and line ends is left.
    bool at_end() { return !skip_space(); }

    const std::string& problem() const { return problem_; }
    std::string at_line() const { return "line " + std::to_string(item_line_) + ": "; }

private:
    static bool is_blank(char c) { return c == ' ' || c == '\t'; }

    // Moves to the next character that is not a blank, taking lines as
    // needed; false at the end of the text or on a failure.
    bool skip_space() {
        for (;;) {
            while (pos_ < line_.size() && is_blank(line_[pos_])) ++pos_;
            if (pos_ < line_.size()) return true;
            if (!src_.next_line(line_)) {
                if (src_.failed() && problem_.empty()) problem_ = src_.why();
                return false;
            }
            pos_ = 0;
        }
    }

    Got fault(std::string why) {
        if (problem_.empty()) problem_ = std::move(why);
        return Got::fault;
    }

    TextSource& src_;
    std::string_view line_;
    std::size_t pos_ = 0;
    int item_line_ = 1;
    std::string problem_;
};

class CoastParser {
public:
    CoastParser(const CoastPoint& on_point, TextSource& src, CoastResult& r) : on_point_(on_point), in_(src), r_(r) {}

    void run() {
        while (!in_.at_end()) {
            double n = 0;
            if (!number(n, "count")) return;
            if (n != std::floor(n)) {
                fail(in_.at_line() + "count " + quoted_item(item_) + " is not a whole number");
                return;
            }
            count_ = n;
            done_ = 0;
            float x = 0, y = 0;
            if (!point(x, y)) return;
            on_point_(true, x, y);
            for (double j = 2; j <= n; ++j) {
                if (!point(x, y)) return;
                on_point_(false, x, y);
                ++r_.segments;
            }
            ++r_.polylines;
        }
        fail(in_.problem());
    }

private:
    // The next point of the polyline, its longitude turned to degrees west.
    bool point(float& x, float& y) {
        double lon = 0, lat = 0;
        if (!number(lon, "longitude") || !number(lat, "latitude")) return false;
        x = static_cast<float>(-lon);
        y = static_cast<float>(lat);
        ++r_.points;
        ++done_;
        return true;
    }

    bool number(double& value, const char* what) {
        switch (in_.next(item_)) {
            case ItemReader::Got::fault:
                fail(in_.problem());
                return false;
            case ItemReader::Got::end: {
                // Only inside a polyline: the end is tested before every count.
                char buf[96];
                std::snprintf(buf, sizeof buf, "the file ends inside a polyline (count %.0f, %ld points read)", count_,
                              done_);
                fail(buf);
                return false;
            }
            case ItemReader::Got::item:
                break;
        }
        if (!parse_number(item_, value)) {
            fail(in_.at_line() + what + " " + quoted_item(item_) + " is not a number");
            return false;
        }
        return true;
    }

    void fail(const std::string& why) {
        if (r_.problem.empty()) r_.problem = why;  // the first fault is the one to tell
    }

    const CoastPoint& on_point_;
    ItemReader in_;
    CoastResult& r_;
    std::string_view item_;
    double count_ = 0;  // count of the polyline being read
    long done_ = 0;     // its points read so far
};

}  // namespace

CoastResult read_coastline_points(const std::string& path, const CoastPoint& on_point) {
    CoastResult r;
    r.file = path;
    TextSource src;
    if (!src.open(path, r.problem)) return r;
    CoastParser(on_point, src, r).run();
    return r;
}

CoastResult read_coastline(const std::string& path, const CoastSegment& segment) {
    float px = 0, py = 0;
    return read_coastline_points(path, [&](bool starts, float x, float y) {
        if (!starts) segment(px, py, x, y);
        px = x;
        py = y;
    });
}

const CoastIndex& coast_index(const std::string& path) {
    struct Cached {
        struct stat seen {};
        CoastIndex index;
    };
    static std::map<std::string, std::unique_ptr<Cached>> cache;
    struct stat now {};
    if (::stat(path.c_str(), &now) != 0) {
        // Nothing to keep: read again next time, to say why.
        static CoastIndex missing;
        missing = CoastIndex{};
        missing.result = read_coastline_points(path, [](bool, float, float) {});
        return missing;
    }
    std::unique_ptr<Cached>& c = cache[path];
    if (c && c->seen.st_size == now.st_size && c->seen.st_ino == now.st_ino &&
        c->seen.st_mtim.tv_sec == now.st_mtim.tv_sec && c->seen.st_mtim.tv_nsec == now.st_mtim.tv_nsec)
        return c->index;
    c = std::make_unique<Cached>();
    c->seen = now;
    CoastIndex& idx = c->index;
    idx.result = read_coastline_points(path, [&idx](bool starts, float x, float y) {
        if (starts) idx.lines.push_back({x, x, y, y, idx.xy.size() / 2, 0});
        CoastIndex::Polyline& p = idx.lines.back();
        p.west = std::max(p.west, x), p.east = std::min(p.east, x);
        p.north = std::max(p.north, y), p.south = std::min(p.south, y);
        ++p.count;
        idx.xy.push_back(x);
        idx.xy.push_back(y);
    });
    return idx;
}
