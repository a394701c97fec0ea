#include "readers/text_source.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

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
    ::mkfifo(folder.path("fifo").c_str(), 0600);
    const std::string long_line(TextSource::kMaxLine + 1, 'x');
    const std::string longest(TextSource::kMaxLine, 'y');
    // A CR at the end of a 64 KiB chunk whose LF starts the next one.
    const std::string split_crlf = std::string((1 << 16) - 1, 'a') + "\r\nb";
    struct Row {
        const char* name;
        std::string path;
        std::vector<std::string> lines;
        std::string why;
    };
    const Row rows[] = {
        {"CR", folder.write("cr", "a\rb\r"), {"a", "b"}, ""},
        {"CR LF, a blank line kept", folder.write("crlf", "a\r\n\r\nb\r\n"), {"a", "", "b"}, ""},
        {"LF, no last line end", folder.write("open", "a\nb"), {"a", "b"}, ""},
        {"Ctrl-Z ends the text", folder.write("ctrlz", "a\nb\x1a\nc\n"), {"a", "b"}, ""},
        {"CR LF across chunks", folder.write("split", split_crlf), {split_crlf.substr(0, (1 << 16) - 1), "b"}, ""},
        {"a line of the longest length", folder.write("longest", longest + "\n"), {longest}, ""},
        {"a line over the limit", folder.write("long", "a\n" + long_line + "\n"), {"a"},
         "line 2 is longer than 1048576 characters"},
        {"a FIFO", folder.path("fifo"), {}, "is not a regular file (a FIFO)"},
        {"a folder", folder.path(""), {}, "is not a regular file (a folder)"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::string why;
        EXPECT_EQ(lines_of(row.path, why), row.lines);
        EXPECT_EQ(why, row.why);
    }
}

}  // namespace
