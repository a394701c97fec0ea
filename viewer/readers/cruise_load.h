#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "store/cruise_data.h"

class TextSource;

// What a cruise reader tells its caller. Readers only fill the store; the
// caller shows progress and problems to the user.

// Called with a cast file's path just before the file is read.
using ReadProgress = std::function<void(const std::string& castfile)>;

// Where a load of many files stands: file n of m (from 1, in load order) is
// the next to be stored; bytes_read of the bytes_total the files hold have
// been read.
struct LoadStep {
    int n = 0, m = 0;
    const std::string* file = nullptr;
    std::uint64_t bytes_read = 0, bytes_total = 0;
};
using LoadProgress = std::function<void(const LoadStep& step)>;

// A problem met during a load: the file concerned and what happened to it.
struct LoadIssue {
    std::string file;
    std::string what;
};

struct [[nodiscard]] LoadResult {
    bool header_read = false;     // the header file could be opened and read
    int first_cast = 1;           // 1 for SB911, 51 for Bongo-SB
    int ncast = 0;                // last cast read completely (the store's ncast)
    bool stopped = false;         // a failure ended the load early
    int casts_without_scans = 0;  // casts loaded with their header alone
    std::vector<LoadIssue> issues;

    int casts_loaded() const { return ncast - first_cast + 1; }
    // Every file was read whole and every cast holds scans.
    bool complete() const { return !stopped && casts_without_scans == 0; }
    // A failure that ends the load.
    void stop(std::string file, std::string what) {
        issues.push_back({std::move(file), std::move(what)});
        stopped = true;
    }
};

// Sigma-t of temperature t and salinity s into `cell`; unset where it is not
// finite (at t = -67.26 the formula divides by zero).
void store_sigma(Cell& cell, double t, double s);

// One cast's header entries, held until its cast file has been read whole.
struct CastHeader {
    double latdeg = 0, latmin = 0, londeg = 0, lonmin = 0;
    double botdep = 0, month = 0, day = 0, hour = 0;
    double year = 0;
    bool has_year = false;  // Bongo-SB headers carry no year
    std::string castno, stdsta, castfile;
};

// Writes the header entries of cast i, with lat and lon derived from degrees
// and minutes. Without a year, year(i) becomes unset.
void store_cast_header(CruiseData& d, int i, const CastHeader& h);

// The scans of one cast file, `width` numbers each, in file order.
struct CastScans {
    int width = 0;
    std::vector<double> values;  // scan s (from 1), number k (from 0) at (s - 1) * width + k
    bool more = false;           // the file holds more than kMaxScan scans; the rest is not read

    int count() const { return width == 0 ? 0 : static_cast<int>(values.size()) / width; }
    double at(int scan, int k) const { return values[static_cast<std::size_t>((scan - 1) * width + k)]; }
};

// The largest magnitude a scan value may have: no CTD measures more, and sums
// of such values stay finite.
inline constexpr double kLargestValue = 1e9;

// Reads an open cast file as a stream of numbers, `width` to a scan, the
// items of `first_line` (a line already taken from `src`) first. Stops after
// kMaxScan scans, reading ahead only to learn whether another item follows.
// False, with the reason in `why`, for an item that is not a number (quoted
// as quoted_item does) or whose magnitude exceeds kLargestValue, a scan cut
// short by the end of the file, or a failed source (an over-long line, a read error).
[[nodiscard]] bool read_scans(TextSource& src, int width, CastScans& scans, std::string& why,
                              std::string_view first_line = {});

// What a reader does with one cast: reads cast i's file, open in `src`, into
// the store (its scans, after its header entries have been parsed into `h`);
// false with the reason in `why` stops the load.
using CastLoader = std::function<bool(int i, const CastHeader& h, TextSource& src, std::string& why)>;

// The record loop both cruise readers share. Reads the header file at
// `header_path` line by line (CR, LF and CR LF alike; blank lines skipped),
// numbering casts from result.first_cast; for each record takes its entries
// from `parse` (castfile included), tells `progress`, opens the cast file and
// hands it to `load`. Header and cast files are read as TextSource reads
// them: regular files only, no line over 1 MiB. A cast's header entries are
// stored only once `load` succeeded, so a cast that failed leaves the store as
// it was. A file that cannot be read, a failed `load` or a record past
// kMaxCast stops the load; ncast (in the store and the result) is the last
// cast read whole. `unit` names the records in the capacity message ("casts",
// "tows").
void read_header_records(CruiseData& d, const std::string& header_path, const char* unit,
                         const std::function<CastHeader(std::string_view record)>& parse, const CastLoader& load,
                         const ReadProgress& progress, LoadResult& result);

// The issue told when a cast file holds more than kMaxScan scans.
void note_scans_cut(LoadResult& result, const std::string& castfile);
