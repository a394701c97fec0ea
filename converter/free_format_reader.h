#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace halvane {

// Where a value of free-format input goes: an integer or a single-precision real.
struct Field {
    static Field of(int& target) { return Field{&target, nullptr}; }
    static Field of(float& target) { return Field{nullptr, &target}; }
    int* integer;
    float* real;
};

// The next value of a line: values are parted by blanks, tabs or commas
// (several in a row count as one). Returns an empty view at the end of the
// line; `pos` moves past the value.
std::string_view next_value(std::string_view line, std::size_t& pos);

// Stores `token` in `field`; a malformed or out-of-range number throws
// InputError with `where` (a file and line, or the terminal) in its report.
void store_value(std::string_view token, const Field& field, std::string_view where);

// A text file read free-format, as the mesh and level-surface files are.
// Every read starts on a new line; blank lines are passed over while values
// are sought; a read that needs more values than a line holds continues on
// the following lines; whatever follows the last value needed is ignored.
// CRLF line ends read like LF.
class FreeFormatReader {
public:
    // Reads the whole file at once. A file that does not exist, a directory or
    // an unreadable file throws InputError naming it.
    static FreeFormatReader open(std::string_view path);

    FreeFormatReader(std::string name, std::string content);

    const std::string& name() const { return name_; }
    // The line last taken, counted from 1; 0 before the first read.
    int line_number() const { return line_number_; }
    // "name", line n: the place of the line last taken, for reports
    // ("name" alone before the first line).
    std::string where() const;

    // Takes the next line whole; false at the end of the file.
    bool read_line(std::string_view& line);

    // Fills every field in order. False when the file ends before the last
    // field is filled (the fields already read keep their values). A malformed
    // number throws InputError naming the file and line.
    bool read(std::span<const Field> fields);
    bool read(std::initializer_list<Field> fields) { return read(std::span<const Field>(fields.begin(), fields.size())); }

    // One read of values.size() reals.
    bool read_reals(std::span<float> values);

private:
    template <typename Store>
    bool read_values(std::size_t count, Store store);

    std::string name_;
    std::string content_;
    std::size_t pos_ = 0;
    int line_number_ = 0;
};

}  // namespace halvane
