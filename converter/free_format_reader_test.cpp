#include "free_format_reader.h"

#include "run_errors.h"
#include "test_folder.h"

#include <gtest/gtest.h>

#include <array>

namespace halvane {
namespace {

TEST(FreeFormatReader, RecordsStartOnNewLinesContinueOverLinesAndSkipBlankOnes)
{
    FreeFormatReader reader("t.ele", "1 2.5 3.5 attribute\r\n\r\n   \n7\t\n 1 , 2,3 4\nlast");
    int n = 0;
    float x = 0.0f;
    float y = 0.0f;
    ASSERT_TRUE(reader.read({Field::of(n), Field::of(x), Field::of(y)}));
    EXPECT_EQ(y, 3.5f);
    std::array<int, 4> v{};
    ASSERT_TRUE(reader.read({Field::of(v[0]), Field::of(v[1]), Field::of(v[2]), Field::of(v[3])}));
    EXPECT_EQ(v, (std::array<int, 4>{7, 1, 2, 3}));
    EXPECT_EQ(reader.line_number(), 5);
    std::string_view line;
    ASSERT_TRUE(reader.read_line(line));
    EXPECT_EQ(line, "last");
    EXPECT_FALSE(reader.read({Field::of(n)}));
}

TEST(FreeFormatReader, MalformedNumberNamesFileLineAndValue)
{
    FreeFormatReader reals("bay.bat", "1 100\n2 1O0\n");
    int node = 0;
    float depth = 0.0f;
    ASSERT_TRUE(reals.read({Field::of(node), Field::of(depth)}));
    EXPECT_THROW(
        {
            try {
                reals.read({Field::of(node), Field::of(depth)});
            } catch (const InputError& e) {
                EXPECT_STREQ(e.what(), "\"bay.bat\", line 2: malformed number \"1O0\" where a real was expected");
                throw;
            }
        },
        InputError);
}

TEST(FreeFormatReader, OpenRefusesWhatIsNotAReadableFile)
{
    testing::TestFolder folder;
    const std::string missing = folder.path("missing.nod");
    struct Row {
        const char* name;
        std::string path;
        std::string report;
    };
    const Row rows[] = {
        {"missing", missing, "cannot open \"" + missing + "\": no such file"},
        {"empty name", "", "cannot open \"\": no such file"},
        {"directory", folder.root().string(),
         "cannot open \"" + folder.root().string() + "\": it is a directory, not a file"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        try {
            FreeFormatReader::open(row.path);
            ADD_FAILURE() << "opened";
        } catch (const InputError& e) {
            EXPECT_EQ(e.what(), row.report);
        }
    }
}

}  // namespace
}  // namespace halvane
