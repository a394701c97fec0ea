#include "readers/file_name_case.h"

#include <gtest/gtest.h>

#include "testing/scratch_folder.h"

namespace {

TEST(MatchNameCase, ExactNameWinsThenAUniqueMatchInAnyCase) {
    ScratchFolder f;
    f.write("en617d001.pre", "");
    f.write("EN617d002.PRE", ""), f.write("en617d002.pre", "");
    f.write("EN617d003.PRE", ""), f.write("en617d003.pre", "");
    // clang-format off
    const struct { const char* name; const char* asked; const char* found; } rows[] = {
        {"copied from DOS media", "EN617d001.PRE", "en617d001.pre"},
        {"the exact name wins", "en617d002.pre", "en617d002.pre"},
        {"two matches: none chosen", "En617d003.Pre", "En617d003.Pre"},
        {"no match", "EN617d004.PRE", "EN617d004.PRE"},
    };  // clang-format on
    for (const auto& row : rows) EXPECT_EQ(match_name_case(f.path(row.asked)), f.path(row.found)) << row.name;
}

}  // namespace
