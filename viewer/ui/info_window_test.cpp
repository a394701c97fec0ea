#include "ui/info_window.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "testing/fake_windows.h"

namespace {

using enum InfoField;
using Fields = std::map<InfoField, std::string>;

// Cast 3 on 1999-05-12; the same without a position; cast 0 before any load.
TEST(Showinfo, WorkedExampleAndTheEmptyCastZero) {
    FakeViewer f;
    CruiseData& d = f.d;
    d.castno[3] = "007", d.latdeg[3] = 41, d.latmin[3] = 30.5, d.londeg[3] = 70, d.lonmin[3] = 12.3;
    d.year[3] = 99, d.month[3] = 5, d.day[3] = 12, d.hour[3] = 14.5, d.botdep[3] = 85;
    d.curcast = 3;
    showinfo(f.viewer);
    const Fields worked{{labsta, "007"},        {lablat, " 41 30.5 N"}, {lablong, "70 12.3 W"},
                        {labdate, "99\\5\\12"}, {labhour, "14.5"},      {labbot, "85"}};
    EXPECT_EQ(f.info.fields, worked);
    d.castfile[3] = "c.cnv", d.lat[3] = 41.5;  // lon unset: no position
    showinfo(f.viewer);
    EXPECT_EQ(f.info.fields[lablat] + f.info.fields[lablong], "");
    d.curcast.reset();
    showinfo(f.viewer);
    const Fields empty{{labsta, ""},      {lablat, "  . N"}, {lablong, " . W"},
                       {labdate, "\\\\"}, {labhour, "."},    {labbot, ""}};
    EXPECT_EQ(f.info.fields, empty);
}

}  // namespace
