#include "export/csv_export.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "export/cast_meta.h"
#include "format/utf8_text.h"

namespace {

void append_cell(std::string& row, const Cell& c) {
    row += ',';
    if (const auto v = finite_value(c)) row += shortest_number(*v);
}

// One line per stored scan of cast c.
void append_cast(std::string& out, const CruiseData& d, int c) {
    std::string head = std::to_string(c) + ',' + csv_field(d.castno[c]) + ',' + csv_field(d.stdsta[c]);
    append_cell(head, d.lat[c]);
    head += ',';
    if (const auto lon = finite_value(d.lon[c])) head += shortest_number(-*lon);  // west-positive in the store
    for (const Cell* cell : {&d.year[c], &d.month[c], &d.day[c], &d.hour[c]}) append_cell(head, *cell);
    const int n = std::clamp(static_cast<int>(d.npts[c]), 0, kMaxScan);
    for (int j = 1; j <= n; ++j) {
        out += head;
        for (int v = kDepth; v <= kTrans; ++v) append_cell(out, d.castdat(c, j, v));
        out += '\n';
    }
}

// A whole finite number as a spreadsheet would read it: "-5", "+3", "1e4".
bool is_number(std::string_view s) {
    if (!s.empty() && s.front() == '+') s.remove_prefix(1);
    double x = 0;
    const auto r = std::from_chars(s.data(), s.data() + s.size(), x);
    return !s.empty() && r.ec == std::errc() && r.ptr == s.data() + s.size() && std::isfinite(x);
}

}  // namespace

std::string shortest_number(double x) {
    if (x == 0) return "0";
    char buf[32];
    const auto r = std::to_chars(buf, buf + sizeof buf, x);
    return std::string(buf, r.ptr);
}

std::string csv_field(std::string_view raw) {
    std::string text = utf8_text(raw);
    if (!text.empty() && std::string_view("=+-@\t\r").find(text.front()) != std::string_view::npos && !is_number(text))
        text.insert(0, 1, '\'');
    const bool quote = text.find_first_of(",\"\r\n") != std::string::npos ||
                       (!text.empty() && (text.front() == ' ' || text.back() == ' '));
    if (!quote) return text;
    std::string out = "\"";
    for (char c : text) {
        if (c == '"') out += '"';
        out += c;
    }
    return out + '"';
}

bool csv_blocks(const CruiseData& d, const std::function<bool(std::string_view)>& out) {
    std::string block = std::string(kCsvHeading) + '\n';
    for (int c : exported_casts(d)) {
        append_cast(block, d, c);
        if (block.size() > (1 << 16)) {
            if (!out(block)) return false;
            block.clear();
        }
    }
    return out(block);
}

bool write_csv(const CruiseData& d, const std::string& path, std::string& why, const OutputRules& rules) {
    OutputFile file(path, rules);
    const bool ok = file.ok() && csv_blocks(d, [&file](std::string_view b) { return file.write(b); }) && file.commit();
    why = file.why();
    return ok;
}
