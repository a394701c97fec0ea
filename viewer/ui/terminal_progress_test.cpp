#include "ui/terminal_progress.h"

#include <gtest/gtest.h>

#include <poll.h>
#include <pty.h>
#include <unistd.h>
#include <string>

namespace {

// What the other end of `fd` has been sent, waiting up to 5 s for `want` bytes: a pseudo-terminal passes its
// bytes on a little later, under load much later; a pipe at once.
std::string sent(int fd, std::size_t want) {
    std::string out;
    char buf[512];
    for (pollfd p{fd, POLLIN, 0}; ::poll(&p, 1, out.size() < want ? 5000 : 0) > 0;) {
        const ssize_t n = ::read(fd, buf, sizeof buf);
        if (n <= 0) break;
        out.append(buf, std::size_t(n));
    }
    return out;
}

// On a (pseudo-)terminal the line is drawn over in place, then erased; into a pipe nothing is written.
TEST(TerminalProgress, DrawsOnATerminalOnly) {
    const std::string file = "Station_46.cnv";
    int pty[2] = {-1, -1}, pipe_ends[2] = {-1, -1};
    ASSERT_EQ(::openpty(&pty[0], &pty[1], nullptr, nullptr, nullptr) | ::pipe(pipe_ends), 0);
    for (const int fd : {pty[1], pipe_ends[1]}) {
        TerminalProgress line(fd);
        line.show({3, 200, &file, 28'300'000, 472'000'000});
        line.show({200, 200, &file, 472'000'000, 472'000'000});
        line.clear();
        line.clear();  // once only
    }
    const std::string drawn = "\rReading 3 of 200 files, 28.3 of 472.0 MB, 5 %\x1b[K"
                              "\rReading 200 of 200 files, 472.0 of 472.0 MB, 100 %\x1b[K\r\x1b[K";
    EXPECT_EQ(sent(pty[0], drawn.size()), drawn);
    EXPECT_EQ(sent(pipe_ends[0], 0), "");
    for (const int fd : {pty[0], pty[1], pipe_ends[0], pipe_ends[1]}) ::close(fd);
}

}  // namespace
