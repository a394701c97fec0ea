#include "readers/text_source.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include "testing/scratch_folder.h"

namespace {

// Lines read back, or the failure that ended them.
std::vector<std::string> lines_of(const std::string& path, std::string& why) {
    TextSource src;
    std::vector<std::string> out;
    if (!src.open(path, why)) return out;
    std::string_view line;
    while (src.next_line(line)) out.emplace_back(line);
    if (src.failed()) why = src.why();
    return out;
}

TEST(TextSource, LineEndsLimitsAndWhatIsRefused) {
    ScratchFolder folder;
    const int sock = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    std::snprintf(addr.sun_path, sizeof addr.sun_path, "%s", folder.path("socket").c_str());
    ASSERT_EQ(::bind(sock, reinterpret_cast<sockaddr*>(&addr), sizeof addr), 0);
    const std::string long_line(TextSource::kMaxLine + 1, 'x');
    const std::string longest(TextSource::kMaxLine, 'y');
    // A CR at the end of a 64 KiB chunk whose LF starts the next one.
    const std::string split_crlf = std::string((1 << 16) - 1, 'a') + "\r\nb";
    // Line ends, Ctrl-Z, FIFOs and folders are rows of the readers' own tables.
    const struct { const char* name; std::string path; std::vector<std::string> lines; std::string why; } rows[] = {
        {"CR LF across chunks", folder.write("split", split_crlf), {split_crlf.substr(0, (1 << 16) - 1), "b"}, ""},
        {"a line of the longest length", folder.write("longest", longest + "\n"), {longest}, ""},
        {"a line over the limit", folder.write("long", "a\n" + long_line + "\n"), {"a"},
         "line 2 is longer than 1048576 characters"},
        {"a socket", folder.path("socket"), {}, "is not a regular file (a socket)"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        std::string why;
        EXPECT_EQ(lines_of(row.path, why), row.lines);
        EXPECT_EQ(why, row.why);
    }
    ::close(sock);
}

}  // namespace
