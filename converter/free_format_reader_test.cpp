#include "free_format_reader.h"

#include "run_errors.h"
#include "test_folder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace halvane {

// Blank lines, commas, lone CR and words after a record: halvane_program_test.cpp.
TEST(FreeFormatReader, RecordsContinueOverLinesAndChunkSeams) {
    testing::TestFolder folder;
    // Every third record continues over CR LF and a blank line; line ends and values fall on the seams.
    std::string text;
    for (int i = 1; i <= 30000; ++i) text += std::to_string(i) + (i % 3 ? " 0.5,\r\n" : "\r\n\r 0.5\r");
    FreeFormatReader reader = FreeFormatReader::open(folder.write("m.nod", text));
    int node = 0;
    float x = 0.0f;
    long sum = 0;
    while (reader.read({Field::of(node), Field::of(x)})) sum += x == 0.5f ? node : 0;
    EXPECT_EQ(sum, 30000L * 30001 / 2);
    EXPECT_EQ(reader.line_number(), 50000);
}

TEST(FreeFormatReader, RefusesWhatIsNotARegularFileAndQuotesBadValuesSafely) {
    testing::TestFolder folder;
    const std::string fifo = folder.path("fifo.nod"), dir = folder.root(), value = "7" + std::string(70, 'x');
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    // A row with content reads it from bay.bat; the report ends the message.
    // clang-format off
    const struct { const char* name; std::string path, content, report; } rows[] = {
        {"missing", "missing.nod", "", "cannot open \"missing.nod\": no such file"},
        {"directory", dir, "", "cannot open \"" + dir + "\": it is a directory, not a regular file"},
        {"FIFO", fifo, "", "cannot open \"" + fifo + "\": it is a FIFO (named pipe), not a regular file"},
        {"device", "/dev/zero", "", "cannot open \"/dev/zero\": it is a device, not a regular file"},
        {"control bytes", "", std::string("1 1\0\x7f\n", 6),
         "malformed number \"1\\x00\\x7f\" where a real was expected"},
        {"cut to 64", "", "1 " + value,
         "malformed number \"" + value.substr(0, 64) + "\"... where a real was expected"},
        {"longer than 4096", "", "1 " + std::string(5000, '1'),
         "line 1: value \"" + std::string(64, '1') + "\"... is longer than 4096 characters"},
    };  // clang-format on
    for (const auto& row : rows) {
        const std::string error = testing::error_of<InputError>([&] {
            auto reader = FreeFormatReader::open(row.content.empty() ? row.path : folder.write("bay.bat", row.content));
            int node = 0;
            float depth = 0.0f;
            while (reader.read({Field::of(node), Field::of(depth)})) {}
        });
        EXPECT_TRUE(error.ends_with(row.report)) << row.name << ": " << error;
    }
}

}  // namespace halvane
