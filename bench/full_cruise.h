#pragma once

// A full-capacity SB911 cruise on disk: 200 casts of 500 scans, six values a
// scan, DOS line ends, every station at 41 12.0' N, 70 53.1' W.

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "store/cruise_data.h"

// Writes FULL.hdr and its cast files into `folder` (made if missing); returns
// the header's path.
inline std::string write_full_cruise(const std::filesystem::path& folder) {
    namespace fs = std::filesystem;
    fs::create_directories(folder);
    std::ofstream header(folder / "FULL.hdr", std::ios::binary);
    for (int c = 1; c <= kMaxCast; ++c) {
        char no[4];
        std::snprintf(no, sizeof no, "%03d", c);
        // 41 12.0' N, 70 53.1' W, 20 July 2018 17.4 h, bottom 500 m, station L01.
        header << "E617"
                  "41"
                  "120"
                  " 70"
                  "531"
                  "   "
                  "18"
                  "07"
                  "20"
                  "174"
                  "   "
               << no << " 500" << std::string(32, ' ') << "L01\r\n";
        std::ofstream cast(folder / (std::string("FULLd") + no + ".PRE"), std::ios::binary);
        char line[96];
        for (int s = 1; s <= kMaxScan; ++s) {
            const double z = s;
            std::snprintf(line, sizeof line, "%6.1f %8.4f %8.4f %7.4f %7.4f %6.1f\r\n", z, 22 - z / 40.0,
                          31.5 + z / 500.0, 0.3 + (s % 17) / 10.0, 3.8 + (s % 7) / 10.0, 245.0 - z / 10.0);
            cast << line;
        }
    }
    return (folder / "FULL.hdr").string();
}
