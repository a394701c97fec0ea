#include "free_format_reader.h"

#include "fortran_number.h"
#include "quoted_item.h"
#include "run_errors.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>
#include <utility>

namespace halvane {
namespace {

bool is_separator(char c) { return c == ' ' || c == ',' || c == '\t'; }
bool is_line_end(char c) { return c == '\n' || c == '\r'; }

// Bytes that end a value: separators and line ends.
constexpr auto value_ends = [] {
    std::array<bool, 256> table{};
    for (const unsigned char c : {' ', ',', '\t', '\n', '\r'}) table[c] = true;
    return table;
}();
bool ends_value(char c) { return value_ends[static_cast<unsigned char>(c)]; }

// File names are at most 72 characters; a bad item is cut to 64.
std::string quoted_name(std::string_view name) { return quoted(name, 4096); }

const char* kind_of(mode_t mode) {
    if (S_ISDIR(mode)) return "a directory";
    if (S_ISFIFO(mode)) return "a FIFO (named pipe)";
    if (S_ISSOCK(mode)) return "a socket";
    if (S_ISCHR(mode) || S_ISBLK(mode)) return "a device";
    return "not a plain file";
}

NumberParse parse(std::string_view token, const Field& field) {
    return field.integer ? parse_integer(token, *field.integer) : parse_real(token, *field.real);
}

}  // namespace

std::string_view next_value(std::string_view line, std::size_t& pos) {
    while (pos < line.size() && is_separator(line[pos])) ++pos;
    const std::size_t start = pos;
    while (pos < line.size() && !is_separator(line[pos])) ++pos;
    return line.substr(start, pos - start);
}

void store_value(std::string_view token, const Field& field, std::string_view where) {
    const NumberParse result = parse(token, field);
    if (result == NumberParse::ok) return;
    const char* kind = field.integer ? "an integer" : "a real";
    if (result == NumberParse::malformed)
        throw InputError(std::string(where) + ": malformed number " + quoted(token) + " where " + kind +
                         " was expected");
    throw InputError(std::string(where) + ": number " + quoted(token) + " is out of range for " + kind);
}

FreeFormatReader FreeFormatReader::open(std::string_view path) {
    const std::string name(path);
    const int fd = name.empty() ? -1 : ::open(name.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    struct stat st {};
    if (fd < 0) {
        const int error = name.empty() ? ENOENT : errno;
        // A socket cannot be opened at all: say what it is.
        if (error != ENOENT && ::stat(name.c_str(), &st) == 0 && !S_ISREG(st.st_mode))
            throw InputError("cannot open " + quoted_name(name) + ": it is " + kind_of(st.st_mode) +
                             ", not a regular file");
        throw InputError("cannot open " + quoted_name(name) + ": " +
                         (error == ENOENT ? "no such file" : std::strerror(error)));
    }
    if (::fstat(fd, &st) != 0) {
        const int error = errno;
        ::close(fd);
        throw InputError("cannot open " + quoted_name(name) + ": " + std::strerror(error));
    }
    if (!S_ISREG(st.st_mode)) {
        ::close(fd);
        throw InputError("cannot open " + quoted_name(name) + ": it is " + kind_of(st.st_mode) +
                         ", not a regular file");
    }
    return FreeFormatReader(name, fd, {static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino)});
}

FreeFormatReader::FreeFormatReader(std::string name, int fd, FileIdentity identity)
    : name_(std::move(name)),
      fd_(fd),
      identity_(identity),
      buffer_(std::make_unique_for_overwrite<char[]>(chunk_size)) {
    cur_ = end_ = buffer_.get();
}

FreeFormatReader::FreeFormatReader(std::string name, std::string_view text)
    : name_(std::move(name)), cur_(text.data()), end_(text.data() + text.size()), at_end_(true) {}

FreeFormatReader::FreeFormatReader(FreeFormatReader&& other) noexcept
    : name_(std::move(other.name_)),
      fd_(std::exchange(other.fd_, -1)),
      identity_(other.identity_),
      buffer_(std::move(other.buffer_)),
      cur_(other.cur_),
      end_(other.end_),
      at_end_(other.at_end_),
      in_line_(other.in_line_),
      skip_lf_(other.skip_lf_),
      line_number_(other.line_number_) {}

FreeFormatReader::~FreeFormatReader() {
    if (fd_ >= 0) ::close(fd_);
}

std::string FreeFormatReader::where() const {
    if (line_number_ == 0) return quoted_name(name_);
    return quoted_name(name_) + ", line " + std::to_string(line_number_);
}

// Keeps the last `keep` bytes before cur_ at the start of the buffer and reads
// more after them. False at the end of the file, the kept bytes still in place.
bool FreeFormatReader::refill(std::size_t keep) {
    if (at_end_) return false;
    char* const buffer = buffer_.get();
    std::memmove(buffer, cur_ - keep, keep);
    cur_ = buffer + keep;
    end_ = cur_;
    for (;;) {
        const ssize_t got = ::read(fd_, buffer + keep, chunk_size - keep);
        if (got > 0) {
            end_ += got;
            return true;
        }
        if (got == 0) {
            at_end_ = true;
            return false;
        }
        if (errno != EINTR) throw InputError(where() + ": read error: " + std::strerror(errno));
    }
}

// Passes the rest of the line taken and its line end.
void FreeFormatReader::finish_line() {
    in_line_ = false;
    for (;;) {
        while (cur_ < end_ && !is_line_end(*cur_)) ++cur_;
        if (cur_ < end_) {
            skip_lf_ = *cur_ == '\r';
            ++cur_;
            return;
        }
        if (!refill(0)) return;
    }
}

// Takes the next line; false at the end of the file.
bool FreeFormatReader::start_line() {
    if (in_line_) finish_line();
    if (skip_lf_) {
        skip_lf_ = false;
        if ((cur_ < end_ || refill(0)) && *cur_ == '\n') ++cur_;
    }
    if (cur_ == end_ && !refill(0)) return false;
    in_line_ = true;
    ++line_number_;
    return true;
}

// The next value of the line taken; empty at its end, which is left in place.
std::string_view FreeFormatReader::next_token() {
    for (;;) {
        if (cur_ == end_ && !refill(0)) return {};
        if (!is_separator(*cur_)) break;
        ++cur_;
    }
    if (is_line_end(*cur_)) return {};
    std::size_t length = 0;
    for (;;) {
        const char* p = cur_;
        while (p < end_ && !ends_value(*p)) ++p;
        length += static_cast<std::size_t>(p - cur_);
        cur_ = p;
        if (p < end_ || length > longest_value || !refill(length)) break;
    }
    const std::string_view token(cur_ - length, length);
    if (length > longest_value)
        throw InputError(where() + ": value " + quoted(token) + " is longer than " + std::to_string(longest_value) +
                         " characters");
    return token;
}

bool FreeFormatReader::skip_line() { return start_line(); }

template <typename Store>
bool FreeFormatReader::read_values(std::size_t count, Store store) {
    std::size_t filled = 0;
    while (filled < count) {
        if (!start_line()) return false;
        while (filled < count) {
            const std::string_view token = next_token();
            if (token.empty()) break;
            if (!store(filled++, token)) return false;
        }
    }
    return true;
}

bool FreeFormatReader::read(std::span<const Field> fields) {
    return read_values(fields.size(), [&](std::size_t k, std::string_view token) {
        if (parse(token, fields[k]) != NumberParse::ok) store_value(token, fields[k], where());
        return true;
    });
}

bool FreeFormatReader::read_if_well_formed(std::initializer_list<Field> fields) {
    const Field* field = fields.begin();
    return read_values(fields.size(), [&](std::size_t k, std::string_view token) {
        return parse(token, field[k]) == NumberParse::ok;
    });
}

bool FreeFormatReader::read_reals(std::span<float> values) {
    return read_values(values.size(), [&](std::size_t k, std::string_view token) {
        if (parse_real(token, values[k]) != NumberParse::ok) store_value(token, Field::of(values[k]), where());
        return true;
    });
}

}  // namespace halvane
