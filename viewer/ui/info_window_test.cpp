#include "ui/info_window.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "testing/fake_windows.h"

namespace {

using enum InfoField;
using Fields = std::map<InfoField, std::string>;

// Cast 3 current at 41 deg 30.5' N, 70 deg 12.3' W on 1999-05-12, 14.5 h, 85 m:
// the worked example of the information window.
struct Example : FakeViewer {
    Example() {
        setup(viewer);
        d.castno[3] = "007";
        d.latdeg[3] = 41, d.latmin[3] = 30.5, d.londeg[3] = 70, d.lonmin[3] = 12.3;
        d.year[3] = 99, d.month[3] = 5, d.day[3] = 12, d.hour[3] = 14.5, d.botdep[3] = 85;
        d.curcast = 3;
    }
};

TEST(Showinfo, TheWorkedExampleInFieldOrder) {
    Example f;
    showinfo(f.viewer);
    EXPECT_EQ(f.info.fields, (Fields{{labsta, "007"}, {lablat, " 41 30.5 N"}, {lablong, "70 12.3 W"},
                                     {labdate, "99\\5\\12"}, {labhour, "14.5"}, {labbot, "85"}}));
    EXPECT_EQ(f.info.order, (std::vector<InfoField>{labsta, lablat, lablong, labdate, labbot, labhour}));
}

// The quirks of the patterns as they show in the window.
TEST(Showinfo, PatternQuirks) {
    struct Row {
        const char* name;
        void (*change)(CruiseData&);
        InfoField field;
        std::string want;
    };
    const Row rows[] = {
        {"whole minutes keep the point", [](CruiseData& d) { d.latmin[3] = 30; }, lablat, " 41 30. N"},
        {"minutes below one lose the zero", [](CruiseData& d) { d.lonmin[3] = 0.4; }, lablong, "70 .4 W"},
        {"hour 0 is a lone point", [](CruiseData& d) { d.hour[3] = 0; }, labhour, "."},
        {"bottom depth 0 is empty", [](CruiseData& d) { d.botdep[3] = 0; }, labbot, ""},
        {"deep water is not cut", [](CruiseData& d) { d.botdep[3] = 12345; }, labbot, "12345"},
        {"month 0 leaves an empty place", [](CruiseData& d) { d.month[3] = 0; }, labdate, "99\\\\12"},
        {"two-digit month and day", [](CruiseData& d) { d.month[3] = 11, d.day[3] = 30; }, labdate, "99\\11\\30"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Example f;
        row.change(f.d);
        showinfo(f.viewer);
        EXPECT_EQ(f.info.fields[row.field], row.want);
    }
}

// Before any load curcast is unset and reads as cast 0, which holds nothing.
TEST(Showinfo, BeforeAnyLoadFillsFromTheEmptyCastZero) {
    FakeViewer f;
    setup(f.viewer);
    showinfo(f.viewer);
    EXPECT_EQ(f.info.fields, (Fields{{labsta, ""}, {lablat, "  . N"}, {lablong, " . W"}, {labdate, "\\\\"},
                                     {labhour, "."}, {labbot, ""}}));
}

}  // namespace
