#include "free_format_reader.h"

#include "run_errors.h"
#include "test_folder.h"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>


namespace halvane {
namespace {

TEST(FreeFormatReader, RecordsStartOnNewLinesContinueOverLinesAndSkipBlankOnes)
{
    for (const std::string_view end : {"\n", "\r", "\r\n"}) {
        SCOPED_TRACE(end.size() == 2 ? "CR LF" : end == "\r" ? "CR" : "LF");
        std::string content;
        for (const char c : std::string_view("1 2.5 3.5 attribute\n\n   \n7\t\n 1 , 2,3 4\nlast\n\n9"))
            c == '\n' ? content.append(end) : content.append(1, c);
        FreeFormatReader reader("t.ele", content);
        int n[4] = {};
        float y = 0.0f;
        ASSERT_TRUE(reader.read({Field::of(n[0]), Field::of(y), Field::of(y)}) && y == 3.5f);
        ASSERT_TRUE(reader.read({Field::of(n[0]), Field::of(n[1]), Field::of(n[2]), Field::of(n[3])}));
        EXPECT_TRUE(n[0] == 7 && n[3] == 3 && reader.line_number() == 5);
        ASSERT_TRUE(reader.skip_line() && reader.read({Field::of(n[0])}));
        EXPECT_TRUE(n[0] == 9 && reader.line_number() == 8);
        EXPECT_FALSE(reader.read({Field::of(n[0])}));
    }
}

TEST(FreeFormatReader, BadValuesAreQuotedShortAndPrintable)
{
    const std::string long_value = "7" + std::string(70, 'x');
    const struct { const char* name; std::string text; std::string report; } rows[] = {
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
    const std::string dir = folder.root().string();
    const struct { const char* name; std::string path, report; } rows[] = {
        {"missing", missing, "cannot open \"" + missing + "\": no such file"},
        {"empty name", "", "cannot open \"\": no such file"},
        {"directory", dir, "cannot open \"" + dir + "\": it is a directory, not a regular file"},
        {"FIFO", fifo, "cannot open \"" + fifo + "\": it is a FIFO (named pipe), not a regular file"},
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
}

}  // namespace
}  // namespace halvane
