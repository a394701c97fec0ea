#include "ui/info_window.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "testing/fake_windows.h"

namespace {

struct Header {
    double latdeg, latmin, londeg, lonmin, year, month, day, hour, botdep;
};

void put(CruiseData& d, int c, const Header& h) {
    d.latdeg[c] = h.latdeg, d.latmin[c] = h.latmin, d.londeg[c] = h.londeg, d.lonmin[c] = h.lonmin;
    d.year[c] = h.year, d.month[c] = h.month, d.day[c] = h.day, d.hour[c] = h.hour, d.botdep[c] = h.botdep;
}

// 41 deg 30.5' N, 70 deg 12.3' W, 1999-05-12, 14.5 h, 85 m: the worked example
// of the information window.
constexpr Header kExample{41, 30.5, 70, 12.3, 99, 5, 12, 14.5, 85};

TEST(Showinfo, ShowsTheCurrentCastInFieldOrder) {
    FakeViewer f;
    setup(f.viewer);
    put(f.d, 3, kExample);
    f.d.castno[3] = "007";
    put(f.d, 4, Header{50, 1, 60, 2, 98, 1, 1, 1, 1});
    f.d.curcast = 3;
    showinfo(f.viewer);

    EXPECT_EQ(f.info.fields[InfoField::labsta], "007");
    EXPECT_EQ(f.info.fields[InfoField::lablat], " 41 30.5 N");
    EXPECT_EQ(f.info.fields[InfoField::lablong], "70 12.3 W");
    EXPECT_EQ(f.info.fields[InfoField::labdate], "99\\5\\12");
    EXPECT_EQ(f.info.fields[InfoField::labhour], "14.5");
    EXPECT_EQ(f.info.fields[InfoField::labbot], "85");
    const std::vector<InfoField> order{InfoField::labsta,  InfoField::lablat, InfoField::lablong,
                                       InfoField::labdate, InfoField::labbot, InfoField::labhour};
    EXPECT_EQ(f.info.order, order);
}

// The quirks of the patterns as they show in the window.
TEST(Showinfo, PatternQuirksInTheFields) {
    struct Row {
        const char* name;
        void (*change)(Header&);
        InfoField field;
        std::string want;
    };
    const Row rows[] = {
        {"whole minutes keep the point", [](Header& h) { h.latmin = 30; }, InfoField::lablat, " 41 30. N"},
        {"minutes below one lose the zero", [](Header& h) { h.lonmin = 0.4; }, InfoField::lablong, "70 .4 W"},
        {"hour 0 is a lone point", [](Header& h) { h.hour = 0; }, InfoField::labhour, "."},
        {"bottom depth 0 is empty", [](Header& h) { h.botdep = 0; }, InfoField::labbot, ""},
        {"deep water is not cut", [](Header& h) { h.botdep = 12345; }, InfoField::labbot, "12345"},
        {"month 0 leaves an empty place", [](Header& h) { h.month = 0; }, InfoField::labdate, "99\\\\12"},
        {"two-digit month and day", [](Header& h) { h.month = 11, h.day = 30; }, InfoField::labdate, "99\\11\\30"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        FakeViewer f;
        Header h = kExample;
        row.change(h);
        put(f.d, 2, h);
        f.d.curcast = 2;
        showinfo(f.viewer);
        EXPECT_EQ(f.info.fields[row.field], row.want);
    }
}

// Before any load curcast is unset and reads as cast 0, which holds nothing.
TEST(Showinfo, BeforeAnyLoadFillsFromTheEmptyCastZero) {
    FakeViewer f;
    setup(f.viewer);
    showinfo(f.viewer);
    EXPECT_EQ(f.info.fields[InfoField::labsta], "");
    EXPECT_EQ(f.info.fields[InfoField::lablat], "  . N");
    EXPECT_EQ(f.info.fields[InfoField::lablong], " . W");
    EXPECT_EQ(f.info.fields[InfoField::labdate], "\\\\");
    EXPECT_EQ(f.info.fields[InfoField::labhour], ".");
    EXPECT_EQ(f.info.fields[InfoField::labbot], "");
}

}  // namespace
