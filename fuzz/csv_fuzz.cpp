// The CSV path as a user takes it: the .cnv files of one load (the parts of
// the input separated by NUL bytes, as cnv_fuzz makes them), then the export
// of what the load stored. The export must be valid UTF-8, every row must hold
// the heading's fields, every number field be empty or a finite number, and
// no text field start a spreadsheet formula. The first part also goes through
// csv_field alone, so that every byte sequence reaches it.

#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "export/csv_export.h"
#include "format/utf8_text.h"
#include "fuzz_support.h"
#include "readers/cnv_reader.h"

namespace {

constexpr std::size_t kFields = 15;

// The records of a CSV text, each field unquoted; false when a quote is left
// open or a quoted field runs on into more than a separator.
bool parse_csv(std::string_view text, std::vector<std::vector<std::string>>& records) {
    std::vector<std::string> record(1);
    bool quoted = false, was_quoted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c != '"') {
                record.back() += c;
            } else if (i + 1 < text.size() && text[i + 1] == '"') {
                record.back() += '"';
                ++i;
            } else {
                quoted = false;
            }
        } else if (c == '"' && record.back().empty() && !was_quoted) {
            quoted = was_quoted = true;
        } else if (c == ',' || c == '\n') {
            if (c == ',') {
                record.emplace_back();
            } else {
                records.push_back(record);
                record.assign(1, std::string());
            }
            was_quoted = false;
        } else {
            if (was_quoted) return false;
            record.back() += c;
        }
    }
    return !quoted && record.size() == 1 && record.front().empty() && !was_quoted;  // ends with LF
}

bool is_finite_number(std::string_view s) {
    double x = 0;
    const auto r = std::from_chars(s.data(), s.data() + s.size(), x);
    return r.ec == std::errc() && r.ptr == s.data() + s.size() && std::isfinite(x);
}

// A text field as a spreadsheet reads it: printable, valid UTF-8, no formula.
bool safe_text(const std::string& field) {
    for (unsigned char c : field)
        if (c < 0x20 || c == 0x7F) return false;
    const bool formula = !field.empty() && std::string_view("=+-@").find(field.front()) != std::string_view::npos;
    return is_utf8(field) && (!formula || is_finite_number(field.front() == '+' ? field.substr(1) : field));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static FuzzFolder folder("csv");
    static CruiseData d;  // like the viewer's store, never cleared between loads

    auto parts = split_parts({reinterpret_cast<const char*>(data), size});
    if (parts.size() > std::size_t(kMaxCast) + 1) parts.resize(std::size_t(kMaxCast) + 1);
    std::vector<std::string> paths;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "c%05zu.cnv", i + 1);
        paths.push_back(folder.path(name));
    }
    std::size_t announced = 0;
    const LoadResult r =
        read_cnv(d, paths, [&](const std::string& path) { folder.write_path(path, parts[announced++]); });
    folder.clear();
    FUZZ_CHECK(d.ncast == r.ncast);

    std::string text;
    FUZZ_CHECK(csv_blocks(d, [&text](std::string_view b) { return text.append(b), true; }));
    FUZZ_CHECK(is_utf8(text));
    std::vector<std::vector<std::string>> records;
    FUZZ_CHECK(parse_csv(text, records));
    FUZZ_CHECK(!records.empty() && text.compare(0, text.find('\n'), kCsvHeading) == 0);
    for (std::size_t k = 1; k < records.size(); ++k) {
        const std::vector<std::string>& row = records[k];
        FUZZ_CHECK(row.size() == kFields);
        for (std::size_t f = 0; f < kFields; ++f) {
            if (f == 1 || f == 2)
                FUZZ_CHECK(safe_text(row[f]));
            else
                FUZZ_CHECK(row[f].empty() || is_finite_number(row[f]));
        }
    }

    if (!parts.empty()) {
        records.clear();
        const std::string field = csv_field(parts.front());
        FUZZ_CHECK(parse_csv(field + "\n", records) && records.size() == 1 && records[0].size() == 1);
        FUZZ_CHECK(safe_text(records[0][0]));
    }
    return 0;
}
