#include "ui/terminal_progress.h"

#include <unistd.h>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <string_view>

namespace {

void write_all(int fd, std::string_view text) {
    while (!text.empty()) {
        const ssize_t n = ::write(fd, text.data(), text.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return;  // a progress line is not worth a failure
        text.remove_prefix(std::size_t(n));
    }
}

}  // namespace

TerminalProgress::TerminalProgress(int fd) : fd_(fd), terminal_(::isatty(fd) == 1) {}

void TerminalProgress::show(const LoadStep& step) {
    if (!terminal_) return;
    const double total = double(step.bytes_total), done = std::min(double(step.bytes_read), total);
    char line[96];
    // "\r" back to the line's start, "\x1b[K" erases what a longer line left.
    const int n = std::snprintf(line, sizeof line, "\rReading %d of %d files, %.1f of %.1f MB, %d %%\x1b[K", step.n,
                                step.m, done / 1e6, total / 1e6, total > 0 ? int(100 * done / total) : 0);
    write_all(fd_, std::string_view(line, std::size_t(std::max(n, 0))));
    shown_ = true;
}

void TerminalProgress::clear() {
    if (!shown_) return;
    write_all(fd_, "\r\x1b[K");
    shown_ = false;
}
