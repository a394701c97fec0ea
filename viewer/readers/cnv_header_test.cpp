#include "readers/cnv_header.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

std::string text(const std::optional<CastTime>& t) {
    char out[40] = "-";
    if (t) std::snprintf(out, sizeof out, "%d-%d-%d %.6g", t->year, t->month, t->day, t->hour ? *t->hour : -1.0);
    return out;
}

// Times of the header's time lines (T), "** Date:" (D) and "** Time:" (C) lines.
TEST(CnvHeader, TimeForms) {
    // clang-format off
    const struct { const char* name; char kind; const char* value; const char* time; } rows[] = {
        {"Sea-Bird, with its note", 'T', "Jun 05 2024 10:25:40 [Instrument's time stamp, header]", "2024-6-5 10.4278"},
        {"C library", 'T', "Wed Jun 05 10:25:40 2024", "2024-6-5 10.4278"},
        {"day first, fraction of a second", 'T', "05 Jun 2024 10:25:40.5", "2024-6-5 10.4279"},
        {"ISO with T", 'T', "2024-06-05T10:25:40", "2024-6-5 10.4278"},
        {"a leap second", 'T', "dec 31 1999 23:59:60", "1999-12-31 24"},
        {"no time of day", 'T', "Jun 05 2024", "-"},
        {"month name, day first, dashes", 'D', "05-Jun-24", "24-6-5 -1"},
        {"month name first, comma", 'D', "June 5, 2024", "2024-6-5 -1"},
        {"day and month ambiguous", 'D', "05/06/2024", "-"},
        {"time of day", 'C', "10:23:11 UTC", "0-0-0 10.3864"},
        {"afternoon", 'C', "12:30 pm", "0-0-0 12.5"},
        {"after midnight", 'C', "12:30 AM", "0-0-0 0.5"},
    };  // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const auto h = parse_clock(row.value);
        EXPECT_EQ(text(row.kind == 'T'   ? parse_time(row.value)
                       : row.kind == 'D' ? parse_date(row.value)
                                         : (h ? std::optional(CastTime{0, 0, 0, h}) : std::nullopt)),
                  row.time);
    }
}

// What a header's lines give: position (north, east), time, station, bottom depth.
TEST(CnvHeader, LinesGivePositionTimeStationAndBottomDepth) {
    // clang-format off
    const struct { const char* name; std::string lines, entries; } rows[] = {
        {"NMEA lines before operator lines; start_time before System UTC",
         "* NMEA Latitude = 50 19.69 N\n* NMEA Longitude = 004 11.20 W\n** Lat: 10 S\n** Lon: 3 W\n"
         "* System UTC = Jul 06 2024 09:00:00\n# start_time = Jul 05 2024 08:40:34 [NMEA time, first data scan]\n",
         "50.32817|-4.186667|2024-7-5 8.67611|-|-"},
        {"a NMEA position without a fix; operator lines with '=', a position line",
         "* NMEA Latitude = 00 00.00 N\n* NMEA Longitude = 000 00.00 E\n** Position = 41 11.8 N, 70 30 W\n"
         "** Lat: 1 N\n** Station = AZMP-HL2 (Halifax)\n",
         "41.19667|-70.5|-|AZMP-HL2 (Halifax)|-"},
        {"operator's date and time before System UTC; Latin-1 station",
         "* System UTC = Jul 06 2024 09:00:00\n** Date: 2024-06-05\n** Time (UTC): 10:23:11\n"
         "** Station Name:  Bah\xED" "a\t2  \n",
         "-|-|2024-6-5 10.3864|Bah\xC3\xAD" "a 2|-"},
        {"longitude in the latitude line, words and dashes", "** Lat: 41 deg 11.84 min n Long: 70-30.6W\n",
         "41.19733|-70.51|-|-|-"},
        {"a station cut before a character it would split", "** Station: " + std::string(255, 'x') + "\xC3\xA9yy\n",
         "-|-|-|" + std::string(255, 'x') + "|-"},
        {"a date alone", "** date: Jun 05 2024\n** time: none\n", "-|-|2024-6-5 -1|-|-"},
        {"bottom depth, with a note", "** Bottom depth: ~ 75 m\n", "-|-|-|-|75"},
        {"water depth, unit in brackets", "** Water Depth (m): 130\n", "-|-|-|-|130"},
        {"echo depth in feet", "** Echo depth: 100 ft\n** ECHODEPTH (ft): 10\n", "-|-|-|-|30.48"},
        {"a time of day or a comma is no depth; the next line is", "** Depth: 10:31\n** Depth: 1,234\n** Depth: 55\n",
         "-|-|-|-|55"},
        {"answers without names: the position lines alone, by their letters",
         "** H40\n** NOc ANTARES\n**   003\n**   12 40.46 N\n**   038 00.11 W\n**   5480\n** 1T MARINHOS\n",
         "12.67433|-38.00183|-|-|-"},
        {"a cast latitude, a note in brackets", "** Cast Latitude: 41 11.84N (GPS)\n** Cast Longitude: 70.5 W\n",
         "41.19733|-70.5|-|-|-"},
    };  // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        CnvHeader h;
        std::string why;
        int n = 0;
        for (std::size_t a = 0, b; (b = row.lines.find('\n', a)) != std::string::npos; a = b + 1)
            ASSERT_TRUE(read_header_line(std::string_view(row.lines).substr(a, b - a), ++n, h, why));
        char position[64] = "-|-", bottom[32] = "-";
        if (const auto p = h.position())
            std::snprintf(position, 64, "%.7g|%.7g", p->first.signed_degrees(), p->second.signed_degrees());
        if (h.bottom) std::snprintf(bottom, sizeof bottom, "%.6g", *h.bottom);
        EXPECT_EQ(std::string(position) + "|" + text(h.time()) + "|" + h.station.value_or("-") + "|" + bottom,
                  row.entries);
    }
    EXPECT_EQ(std::tuple(cast_number("/a/Station_46.cnv", 9), cast_number("x/c0007b.CNV", 9), cast_number("st.cnv", 9)),
              std::tuple("046", "007", "009"));
}

}  // namespace
