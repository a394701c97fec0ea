#include "readers/coastline_reader.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>
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
    CoastParser(const CoastSegment& segment, std::FILE* f, CoastResult& r) : segment_(segment), in_(f), r_(r) {}

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
            for (double j = 2; j <= n; ++j) {
                float x2 = 0, y2 = 0;
                if (!point(x2, y2)) return;
                segment_(x, y, x2, y2);
                ++r_.segments;
                x = x2;
                y = y2;
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

    const CoastSegment& segment_;
    ItemReader in_;
    CoastResult& r_;
    std::string item_;
    double count_ = 0;  // count of the polyline being read
    long done_ = 0;     // its points read so far
};

}  // namespace

CoastResult read_coastline(const std::string& path, const CoastSegment& segment) {
    CoastResult r;
    r.file = path;
    errno = 0;
    std::unique_ptr<std::FILE, FileCloser> f(std::fopen(path.c_str(), "r"));
    if (!f) {
        r.problem = std::string("cannot be opened (") + std::strerror(errno) + ")";
        return r;
    }
    CoastParser(segment, f.get(), r).run();
    return r;
}
