#pragma once

#include <initializer_list>
#include <ostream>
#include <string>
#include <string_view>

namespace halvane {

// One item of a free-format output record: a text or an integer.
struct RecordItem {
    RecordItem(std::string_view text) : text(text) {}       // NOLINT: implicit on purpose
    RecordItem(const char* text) : text(text) {}            // NOLINT
    RecordItem(int value) : text(std::to_string(value)) {}  // NOLINT
    std::string text;
};

// A free-format output record: a leading blank, then the items. Neighbouring
// items are parted by one blank unless one of them already has a blank at the
// meeting point, so " 3 nodal coordinates read from mesh.nod" and
// "  => Increase nlevels to at least 51" come out as written.
std::string list_record(std::initializer_list<RecordItem> items);

// Writes the record and a line end.
void write_record(std::ostream& out, std::initializer_list<RecordItem> items);

}  // namespace halvane
