#include "free_format_reader.h"

#include "run_errors.h"
#include "testing/test_folder.h"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <filesystem>

namespace halvane {
namespace {

std::string with_line_ends(std::string text, std::string_view end)
{
    std::string out;
    for (const char c : text) c == '\n' ? out.append(end) : out.append(1, c);
    return out;
}

TEST(FreeFormatReader, RecordsStartOnNewLinesContinueOverLinesAndSkipBlankOnes)
{
    const std::string text = "1 2.5 3.5 attribute\n\n   \n7\t\n 1 , 2,3 4\nlast\n\n9";
    const struct { const char* name; const char* end; } line_ends[] = {{"LF", "\n"}, {"CR", "\r"}, {"CR LF", "\r\n"}};
    for (const auto& row : line_ends) {
        SCOPED_TRACE(row.name);
        const std::string content = with_line_ends(text, row.end);
        FreeFormatReader reader("t.ele", content);
        int n = 0;
        float x = 0.0f;
        float y = 0.0f;
        ASSERT_TRUE(reader.read({Field::of(n), Field::of(x), Field::of(y)}));
        EXPECT_EQ(y, 3.5f);
        std::array<int, 4> v{};
        ASSERT_TRUE(reader.read({Field::of(v[0]), Field::of(v[1]), Field::of(v[2]), Field::of(v[3])}));
        EXPECT_EQ(v, (std::array<int, 4>{7, 1, 2, 3}));
        EXPECT_EQ(reader.line_number(), 5);
        ASSERT_TRUE(reader.skip_line());
        ASSERT_TRUE(reader.read({Field::of(n)}));
        EXPECT_EQ(n, 9);
        EXPECT_EQ(reader.line_number(), 8);
        EXPECT_FALSE(reader.read({Field::of(n)}));
    }
}

TEST(FreeFormatReader, BadValuesAreQuotedShortAndPrintable)
{
    const std::string long_value = "7" + std::string(70, 'x');
    const struct { const char* name; std::string text; std::string report; } rows[] = {
        {"malformed", "1 100\n2 1O0\n", "\"bay.bat\", line 2: malformed number \"1O0\" where a real was expected"},
        {"control bytes", std::string("1 1\0\x7f\n", 6), "malformed number \"1\\x00\\x7f\" where a real"},
        {"cut to 64", "1 " + long_value, "malformed number \"" + long_value.substr(0, 64) + "\"... where"},
        {"longer than 4096", "1 " + std::string(5000, '1'), "\"bay.bat\", line 1: value \"1111"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        FreeFormatReader reals("bay.bat", row.text);
        int node = 0;
        float depth = 0.0f;
        try {
            while (reals.read({Field::of(node), Field::of(depth)})) {}
            ADD_FAILURE() << "no error";
        } catch (const InputError& e) {
            EXPECT_NE(std::string(e.what()).find(row.report), std::string::npos) << e.what();
        }
    }
}

TEST(FreeFormatReader, ReadsInChunksAndStopsAtItsAnswer)
{
    testing::TestFolder folder;
    // Records across several chunks; CR LF pairs and values fall on the seams.
    std::string text;
    for (int i = 1; i <= 30000; ++i) text += std::to_string(i) + (i % 3 ? " 0.5,\r\n" : " 0.5\r");
    const std::string path = folder.write("m.nod", text);
    FreeFormatReader reader = FreeFormatReader::open(path);
    int node = 0;
    float x = 0.0f;
    long sum = 0;
    while (reader.read({Field::of(node), Field::of(x)})) sum += node;
    EXPECT_EQ(sum, 30000L * 30001 / 2);
    EXPECT_EQ(reader.line_number(), 30000);

    // One record, then a gigabyte (sparse, all NUL bytes) that is never needed.
    const std::string huge = folder.write("huge.nod", "1 2 3\n");
    ASSERT_EQ(::truncate(huge.c_str(), 1L << 30), 0);
    rusage before{};
    getrusage(RUSAGE_SELF, &before);
    FreeFormatReader big = FreeFormatReader::open(huge);
    ASSERT_TRUE(big.read({Field::of(node), Field::of(x)}));
    rusage after{};
    getrusage(RUSAGE_SELF, &after);
    EXPECT_LT(after.ru_maxrss - before.ru_maxrss, 16 * 1024) << "kB";
}

TEST(FreeFormatReader, OpenRefusesWhatIsNotARegularFile)
{
    testing::TestFolder folder;
    const std::string missing = folder.path("missing.nod");
    const std::string fifo = folder.path("fifo.nod");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string socket_path = folder.path("socket.nod");
    const int sock = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::snprintf(address.sun_path, sizeof address.sun_path, "%s", socket_path.c_str());
    ASSERT_EQ(::bind(sock, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    const std::string dir = folder.root().string();
    const struct { const char* name; std::string path, report; } rows[] = {
        {"missing", missing, "cannot open \"" + missing + "\": no such file"},
        {"empty name", "", "cannot open \"\": no such file"},
        {"directory", dir, "cannot open \"" + dir + "\": it is a directory, not a regular file"},
        {"FIFO", fifo, "cannot open \"" + fifo + "\": it is a FIFO (named pipe), not a regular file"},
        {"socket", socket_path, "cannot open \"" + socket_path + "\": it is a socket, not a regular file"},
        {"device", "/dev/zero", "cannot open \"/dev/zero\": it is a device, not a regular file"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        try {
            (void)FreeFormatReader::open(row.path);
            ADD_FAILURE() << "opened";
        } catch (const InputError& e) {
            EXPECT_EQ(e.what(), row.report);
        }
    }
    ::close(sock);
}

}  // namespace
}  // namespace halvane
