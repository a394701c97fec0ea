#include "readers/coastline_reader.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <algorithm>
#include <map>
#include <memory>
#include <sys/stat.h>
#include <string_view>

#include "readers/number_stream.h"

std::string CoastResult::message() const {
    return ok() ? std::string() : file + ": " + problem;
}

namespace {

// Longer than any number a coastline file holds; a longer item is garbage (a
// binary file, a file of the wrong kind) and is not kept whole in memory.
constexpr std::size_t kMaxItem = 64;

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

// Reads comma-, blank- or line-separated items from a text file.
class ItemReader {
public:
    explicit ItemReader(std::FILE* f) : f_(f) {}

    enum class Got { item, end, fault };

    // The next item in `item`; `end` only at the end of the file. On `fault`
    // problem() says why.
    Got next(std::string& item) {
        item.clear();
        int c = skip_space();
        if (c == EOF) return read_failed() ? Got::fault : Got::end;
        item_line_ = line_;
        if (c == ',') {  // two commas with nothing between them
            problem_ = at_line() + "an empty item between two commas";
            return Got::fault;
        }
        while (c != EOF && c != ',' && !is_space(c)) {
            if (item.size() == kMaxItem) {
                problem_ = at_line() + "an item of more than " + std::to_string(kMaxItem) + " characters is not a number";
                return Got::fault;
            }
            item.push_back(char(c));
            c = std::getc(f_);
        }
        // Blanks after an item, then at most one comma, belong to it.
        while (c == ' ' || c == '\t' || c == '\r') c = std::getc(f_);
        if (c == '\n') ++line_;
        else if (c != ',' && c != EOF) std::ungetc(c, f_);
        if (read_failed()) return Got::fault;
        return Got::item;
    }

    // Whether nothing but blanks and line ends is left.
    bool at_end() {
        int c = skip_space();
        if (c == EOF) {
            read_failed();
            return true;
        }
        std::ungetc(c, f_);
        return false;
    }

    const std::string& problem() const { return problem_; }
    std::string at_line() const { return "line " + std::to_string(item_line_) + ": "; }

private:
    static bool is_space(int c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

    int skip_space() {
        int c = std::getc(f_);
        while (is_space(c)) {
            if (c == '\n') ++line_;
            c = std::getc(f_);
        }
        return c;
    }

    bool read_failed() {
        if (!std::ferror(f_)) return false;
        if (problem_.empty()) problem_ = std::string("cannot be read (") + std::strerror(errno) + ")";
        return true;
    }

    std::FILE* f_;
    int line_ = 1;
    int item_line_ = 1;
    std::string problem_;
};

// An item as it may be quoted in a message: control bytes shown as '?'.
std::string printable(const std::string& item) {
    std::string out = item;
    for (char& c : out)
        if (static_cast<unsigned char>(c) < 32 || c == 127) c = '?';
    return out;
}

class CoastParser {
public:
    CoastParser(const CoastPoint& on_point, std::FILE* f, CoastResult& r) : on_point_(on_point), in_(f), r_(r) {}

    void run() {
        while (!in_.at_end()) {
            double n = 0;
            if (!number(n, "count")) return;
            if (n != std::floor(n)) {
                fail(in_.at_line() + "count \"" + printable(item_) + "\" is not a whole number");
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
            fail(in_.at_line() + what + " \"" + printable(item_) + "\" is not a number");
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
    std::string item_;
    double count_ = 0;  // count of the polyline being read
    long done_ = 0;     // its points read so far
};

}  // namespace

CoastResult read_coastline_points(const std::string& path, const CoastPoint& on_point) {
    CoastResult r;
    r.file = path;
    errno = 0;
    std::unique_ptr<std::FILE, FileCloser> f(std::fopen(path.c_str(), "r"));
    if (!f) {
        r.problem = std::string("cannot be opened (") + std::strerror(errno) + ")";
        return r;
    }
    CoastParser(on_point, f.get(), r).run();
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
