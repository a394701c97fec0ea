#include "ui/csv_export.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

#include "readers/text_source.h"

namespace {

void append_cell(std::string& row, const Cell& c) {
    row += ',';
    if (c.is_set()) row += shortest_number(c.value());
}

// One line per stored scan of cast c.
void append_cast(std::string& out, const CruiseData& d, int c) {
    std::string head = std::to_string(c) + ',' + csv_text(d.castno[c]) + ',' + csv_text(d.stdsta[c]);
    append_cell(head, d.lat[c]);
    head += ',';
    if (d.lon[c].is_set()) head += shortest_number(-d.lon[c].value());  // west-positive in the store
    for (const Cell* cell : {&d.year[c], &d.month[c], &d.day[c], &d.hour[c]}) append_cell(head, *cell);
    const int n = std::clamp(static_cast<int>(d.npts[c]), 0, kMaxScan);
    for (int j = 1; j <= n; ++j) {
        out += head;
        for (int v = kDepth; v <= kTrans; ++v) append_cell(out, d.castdat(c, j, v));
        out += '\n';
    }
}

std::string error_text() { return errno ? std::strerror(errno) : "unknown error"; }

}  // namespace

std::string shortest_number(double x) {
    if (x == 0) return "0";
    char buf[32];
    const auto r = std::to_chars(buf, buf + sizeof buf, x);
    return std::string(buf, r.ptr);
}

std::string csv_text(std::string_view text) {
    const bool quote = text.find_first_of(",\"\r\n") != std::string_view::npos ||
                       (!text.empty() && (text.front() == ' ' || text.back() == ' '));
    if (!quote) return std::string(text);
    std::string out = "\"";
    for (char c : text) {
        if (c == '"') out += '"';
        out += c;
    }
    return out + '"';
}

bool write_csv(const CruiseData& d, const std::string& path, std::string& why) {
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) {
        why = std::string("is not a regular file (") + file_kind(st.st_mode) + ")";
        return false;
    }
    std::filesystem::path target(path);
    std::string temp = (target.parent_path() / ("." + target.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) {
        why = "cannot be written: " + error_text();
        return false;
    }
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> f(::fdopen(fd, "wb"), &std::fclose);
    bool ok = f != nullptr;
    std::string block = std::string(kCsvHeading) + '\n';
    const int ncast = std::clamp(static_cast<int>(d.ncast), 0, kMaxCast);
    for (int c = 1; c <= ncast + 1 && ok; ++c) {
        if (block.size() > (1 << 16) || c > ncast) {
            ok = std::fwrite(block.data(), 1, block.size(), f.get()) == block.size();
            block.clear();
        }
        if (c <= ncast && !d.castfile[c].empty()) append_cast(block, d, c);
    }
    if (!f) ::close(fd);
    ok = ok && std::fflush(f.get()) == 0 && ::fsync(::fileno(f.get())) == 0;
    if (ok) {
        const mode_t mask = ::umask(0);  // mkstemp made it 0600; give it a new file's usual mode
        ::umask(mask);
        ::fchmod(::fileno(f.get()), 0666 & ~mask);
    }
    why = ok ? "" : "cannot be written: " + error_text();
    const bool closed = f && std::fclose(f.release()) == 0;
    if (ok && !closed) why = "cannot be written: " + error_text();
    if (ok && closed && std::rename(temp.c_str(), path.c_str()) == 0) return true;
    if (why.empty()) why = "cannot be written: " + error_text();
    ::unlink(temp.c_str());
    return false;
}

std::string csv_path(const Viewer& v) {
    if (v.report_folder.empty()) return "casts.csv";
    return (std::filesystem::path(v.report_folder) / "casts.csv").string();
}

bool export_csv(Viewer& v, const std::string& output) {
    const std::string path = output.empty() ? csv_path(v) : output;
    std::string why;
    const bool ok = write_csv(v.d, path, why);
    v.quenvar.status(ok ? "Wrote " + path : "Could not write " + path + ": " + why);
    return ok;
}
