#pragma once

#include <string>
#include <string_view>

#include "readers/text_items.h"

// The fields of the cruise files of both kinds (SB911 headers and cast
// files, Bongo-SB header.dat), whose lines TextSource reads.

// A header record read as one text item: leading blanks skipped, ending at
// the end of the line or at the first comma.
std::string_view header_item(std::string_view line);

// Columns a to b (from 1) of a record: the substring from column a of length
// b - a + 1, shorter or empty where the record ends before column b.
std::string field(std::string_view record, int a, int b);

// The numeric value of a field: blanks and tabs are ignored, reading stops at
// the first character that cannot continue a decimal number (optional sign,
// digits with an optional point, optional exponent), and a field without a
// number gives 0. " 3 05" gives 305, "12.5N" gives 12.5, "-" gives 0.
double field_value(std::string_view field);

// Number of places in a cast file's first line (as one text item) where a
// character other than a blank follows a blank: the number of blank-separated
// values less one. This is the layout count `ncol` of an SB911 cruise.
int layout_count(std::string_view item);

// The folder part of a path, with its trailing '/'; empty for a bare name.
std::string folder_of(const std::string& path);
