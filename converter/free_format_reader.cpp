#include "free_format_reader.h"

#include "fortran_number.h"
#include "run_errors.h"

#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace halvane {
namespace {

bool is_separator(char c) { return c == ' ' || c == ',' || c == '\t'; }

std::string in_quotes(std::string_view text)
{
    std::string quoted;
    quoted.reserve(text.size() + 2);
    quoted.append(1, '"').append(text).append(1, '"');
    return quoted;
}

}  // namespace

std::string_view next_value(std::string_view line, std::size_t& pos)
{
    while (pos < line.size() && is_separator(line[pos])) ++pos;
    const std::size_t start = pos;
    while (pos < line.size() && !is_separator(line[pos])) ++pos;
    return line.substr(start, pos - start);
}

void store_value(std::string_view token, const Field& field, std::string_view where)
{
    const NumberParse result = field.integer ? parse_integer(token, *field.integer) : parse_real(token, *field.real);
    if (result == NumberParse::ok) return;
    const char* kind = field.integer ? "an integer" : "a real";
    if (result == NumberParse::malformed)
        throw InputError(std::string(where) + ": malformed number " + in_quotes(token) + " where " + kind +
                         " was expected");
    throw InputError(std::string(where) + ": number " + in_quotes(token) + " is out of range for " + kind);
}

FreeFormatReader FreeFormatReader::open(std::string_view path)
{
    namespace fs = std::filesystem;
    const std::string name(path);
    std::error_code ec;
    const fs::file_status status = fs::status(fs::path(name), ec);
    if (name.empty() || status.type() == fs::file_type::not_found)
        throw InputError("cannot open " + in_quotes(name) + ": no such file");
    if (status.type() == fs::file_type::directory)
        throw InputError("cannot open " + in_quotes(name) + ": it is a directory, not a file");

    std::ifstream file(name, std::ios::binary);
    if (!file) throw InputError("cannot open " + in_quotes(name) + " for reading");
    std::string content;
    char buffer[1 << 16];
    while (file.read(buffer, sizeof buffer) || file.gcount() > 0)
        content.append(buffer, static_cast<std::size_t>(file.gcount()));
    if (file.bad()) throw InputError(in_quotes(name) + ": read error");
    return FreeFormatReader(name, std::move(content));
}

FreeFormatReader::FreeFormatReader(std::string name, std::string content)
    : name_(std::move(name)), content_(std::move(content))
{
}

std::string FreeFormatReader::where() const
{
    if (line_number_ == 0) return in_quotes(name_);
    return in_quotes(name_) + ", line " + std::to_string(line_number_);
}

bool FreeFormatReader::read_line(std::string_view& line)
{
    if (pos_ >= content_.size()) return false;
    const char* start = content_.data() + pos_;
    const std::size_t left = content_.size() - pos_;
    const void* end = std::memchr(start, '\n', left);
    std::size_t length = end ? static_cast<std::size_t>(static_cast<const char*>(end) - start) : left;
    pos_ += end ? length + 1 : length;
    if (length > 0 && start[length - 1] == '\r') --length;
    line = std::string_view(start, length);
    ++line_number_;
    return true;
}

template <typename Store>
bool FreeFormatReader::read_values(std::size_t count, Store store)
{
    std::size_t filled = 0;
    std::string_view line;
    while (filled < count) {
        if (!read_line(line)) return false;
        std::size_t pos = 0;
        while (filled < count) {
            const std::string_view token = next_value(line, pos);
            if (token.empty()) break;
            store(filled++, token);
        }
    }
    return true;
}

bool FreeFormatReader::read(std::span<const Field> fields)
{
    return read_values(fields.size(), [&](std::size_t k, std::string_view token) {
        const NumberParse ok = fields[k].integer ? parse_integer(token, *fields[k].integer)
                                                 : parse_real(token, *fields[k].real);
        if (ok != NumberParse::ok) store_value(token, fields[k], where());
    });
}

bool FreeFormatReader::read_reals(std::span<float> values)
{
    return read_values(values.size(), [&](std::size_t k, std::string_view token) {
        if (parse_real(token, values[k]) != NumberParse::ok) store_value(token, Field::of(values[k]), where());
    });
}

}  // namespace halvane
