#include "readers/cnv_scan_line.h"

#include <array>
#include <cstring>

#include "readers/text_items.h"

namespace {

constexpr std::size_t kField = 11;

bool is_blank(char c) { return c == ' ' || c == '\t'; }

// The value of field k of a fixed-field line, its leading blanks skipped.
bool field_value(const char* line, int k, double& x) {
    const char* p = line + std::size_t(k) * kField;
    const char* end = p + kField;
    while (p < end && is_blank(*p)) ++p;
    return parse_number(std::string_view(p, std::size_t(end - p)), x);
}

// Sixteen characters at a time (the compiler's vector extension, plain code
// where the processor has no vector unit).
using Bytes = char __attribute__((vector_size(16)));

// Field starts beyond the first, as -1 (all bits) at their place in a line of
// up to kWidest characters, 0 elsewhere.
constexpr std::size_t kWidest = 100 * kField;
const char* field_starts() {
    static const auto starts = [] {
        std::array<char, kWidest + sizeof(Bytes)> a{};
        for (std::size_t i = kField; i < kWidest; i += kField) a[i] = -1;
        return a;
    }();
    return starts.data();
}

// Sea-Bird's usual line: whole fields, each one right-aligned item with a
// blank before it. Then the fields are the items, and the used ones are
// converted where they lie. False for any other line, or a used field that
// is not a number, which the general reading then reports.
}  // namespace

bool ScanLine::read_fields_in_place(std::string_view line, std::size_t n, const std::vector<int>& used, double* x) {
    const std::size_t size = line.size(), fields = size / kField;
    if (size % kField != 0 || fields < n || fields == 0 || size > kWidest) return false;
    const char* p = line.data();
    // A blank follows another character exactly where a field starts: every
    // field is blanks, then one item reaching its end. Worked without
    // branches, so the compiler takes many characters at a time.
    const char* starts = field_starts();
    Bytes other{};
    std::size_t i = 1;
    for (; i + sizeof(Bytes) <= size; i += sizeof(Bytes)) {
        Bytes here, before, start;
        std::memcpy(&here, p + i, sizeof here);
        std::memcpy(&before, p + i - 1, sizeof before);
        std::memcpy(&start, starts + i, sizeof start);
        other |= (((here == ' ') & (before != ' ')) ^ start) | (here == '\t');  // tabs: the general reading
    }
    char rest = p[0] == '\t';
    for (; i < size; ++i) rest |= char(-char(p[i] == ' ' && p[i - 1] != ' ') ^ starts[i]) | char(p[i] == '\t');
    for (std::size_t k = 0; k < sizeof(Bytes); ++k) rest |= other[k];
    if (rest || p[size - 1] == ' ') return false;
    last_fields_.resize(used.size() * kField);
    for (std::size_t j = 0; j < used.size(); ++j) {
        const char* field = p + std::size_t(used[j]) * kField;
        char* last = last_fields_.data() + j * kField;
        if (same_fields_ && std::memcmp(field, last, kField) == 0) continue;
        if (!field_value(p, used[j], x[used[j]])) return same_fields_ = false;
        std::memcpy(last, field, kField);
    }
    return same_fields_ = true;
}

bool ScanLine::read(std::string_view line, std::size_t n, const std::vector<int>& used, double* x, std::string& why,
                    int line_number) {
    if (read_fields_in_place(line, n, used, x)) return true;
    same_fields_ = false;
    items_.clear();
    std::size_t pos = 0;
    while (items_.size() < n) {
        while (pos < line.size() && is_blank(line[pos])) ++pos;
        if (pos == line.size()) break;
        const std::size_t start = pos;
        while (pos < line.size() && !is_blank(line[pos])) ++pos;
        items_.push_back(line.substr(start, pos - start));
    }
    int bad = -1;  // the first used item that is not a number
    if (items_.size() == n)
        for (int k : used)
            if (bad < 0 && !parse_number(items_[std::size_t(k)], x[k])) bad = k;
    if (items_.size() == n && bad < 0) return true;
    // Touching 11-character fields: each of the n holds a value at its right end.
    bool fixed = line.size() % kField == 0 && line.size() / kField >= n;
    for (std::size_t k = 0; fixed && k < n; ++k) fixed = !is_blank(line[k * kField + kField - 1]);
    for (int k : used) fixed = fixed && field_value(line.data(), k, x[k]);
    if (fixed) return true;
    why = "line " + std::to_string(line_number);
    if (items_.size() < n)
        why += " holds " + std::to_string(items_.size()) + " of the " + std::to_string(n) + " values the header names";
    else
        why += ": " + quoted_item(items_[std::size_t(bad)]) + " is not a number";
    return false;
}

bool is_title_line(std::string_view line) {
    bool letter = false;
    for (char c : line) {
        if ((c < 0x20 && c != '\t') || c >= 0x7f) return false;
        letter = letter || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    }
    double x = 0;
    for (std::string_view w : words(line))
        if (parse_number(w, x)) return false;
    return letter;
}
