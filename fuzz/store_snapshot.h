#pragma once

// Shared by the reader fuzz targets: what a load must leave as it was.

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "store/cruise_data.h"

// The harness's own loops over the store: kept out of the coverage the fuzzer
// steers by and out of the sanitizers' checks, which would otherwise take most
// of each execution. They reach the store's columns through the address of
// entry 0, since each column and each cast of the cube lies in one piece.
#define FUZZ_HARNESS_LOOP __attribute__((no_sanitize("coverage", "address", "undefined")))

// A copy of the store as the previous load left it, kept in step load by load:
// after each load only the casts it completed are copied in, and the rest of
// the store is compared against the copy. Nothing is copied while a load runs.
class StoreMirror {
public:
    explicit StoreMirror(const CruiseData& d) : scans_(kCastCells * kCasts * sizeof(Cell)) {
        if (!reads_cells()) {
            std::fprintf(stderr, "StoreMirror: Cell is laid out otherwise than a double and a flag\n");
            std::abort();
        }
        take(d, 0, kMaxCast);
    }

    // Notes that the load is about to read cast c, whose scans it may touch.
    void announce(int c) { announced_ = std::max(announced_, c); }

    // True when everything outside casts `first` to `ncast` holds what it held:
    // the header entries of every other cast, and the scans of every cast the
    // load announced without completing (and of the cast after them). Then takes
    // in casts `first` to `ncast` and forgets the announcements.
    [[nodiscard]] FUZZ_HARNESS_LOOP bool unchanged_except(const CruiseData& d, int first, int ncast) {
        const Store now = columns_of(d);
        bool same = true;
        for (int c = 0; c <= kMaxCast && same; ++c)
            if (c < first || c > ncast) same = same_header(now, c);
        const int last = std::min(std::max(announced_, ncast) + 1, kMaxCast);
        for (int c = std::max(ncast + 1, 0); c <= last && same; ++c) same = same_scans(now, c);
        announced_ = 0;
        take(d, first, ncast);
        return same;
    }

private:
    static constexpr std::size_t kCastCells = std::size_t(kMaxScan + 1) * (kMaxVar + 1);
    static constexpr std::size_t kCasts = kMaxCast + 1;

    // A cell as value and flag: bit patterns, so a NaN equals itself and the
    // padding bytes of Cell play no part. Read from the cell's bytes (the
    // double, then the flag; checked on construction), as a call to its
    // accessors would not be inlined into these loops.
    struct Raw {
        std::uint64_t bits = 0;
        bool set = false;
    };
    FUZZ_HARNESS_LOOP static bool same(Raw a, Raw b) { return a.bits == b.bits && a.set == b.set; }
    FUZZ_HARNESS_LOOP static Raw raw(const void* c) {
        std::uint64_t w[2];
        __builtin_memcpy(w, c, sizeof w);
        return {w[0], (w[1] & 0xff) != 0};
    }
    static_assert(sizeof(Cell) == 16);
    static bool reads_cells() {
        const Cell unset, zero(0.0), half(-0.5);
        const Raw u = raw(&unset), z = raw(&zero), h = raw(&half);
        return !u.set && u.bits == 0 && z.set && z.bits == 0 && h.set && h.bits == std::bit_cast<std::uint64_t>(-0.5);
    }

    static constexpr CruiseData::CastCells CruiseData::*kCellColumns[] = {
        &CruiseData::latdeg, &CruiseData::latmin, &CruiseData::lat,    &CruiseData::londeg,
        &CruiseData::lonmin, &CruiseData::lon,    &CruiseData::botdep, &CruiseData::year,
        &CruiseData::month,  &CruiseData::day,    &CruiseData::hour,   &CruiseData::npts};
    static constexpr CruiseData::CastTexts CruiseData::*kTextColumns[] = {&CruiseData::castno, &CruiseData::stdsta,
                                                                          &CruiseData::castfile};
    static constexpr std::size_t kCellCount = std::size(kCellColumns);
    static constexpr std::size_t kTextCount = std::size(kTextColumns);

    // Entry 0 of every header column and of the cube.
    struct Store {
        const Cell* cells[kCellCount];
        const std::string* texts[kTextCount];
        const Cell* cube;
    };
    static Store columns_of(const CruiseData& d) {
        Store s{};
        for (std::size_t k = 0; k < kCellCount; ++k) s.cells[k] = &(d.*kCellColumns[k])[0];
        for (std::size_t k = 0; k < kTextCount; ++k) s.texts[k] = &(d.*kTextColumns[k])[0];
        s.cube = &d.castdat(0, 0, 0);
        return s;
    }

    FUZZ_HARNESS_LOOP bool same_header(const Store& now, int c) const {
        const auto i = std::size_t(c);
        for (std::size_t k = 0; k < kCellCount; ++k)
            if (!same(raw(now.cells[k] + i), cells_[k][i])) return false;
        for (std::size_t k = 0; k < kTextCount; ++k)
            if (now.texts[k][i] != texts_[k][i]) return false;
        return true;
    }

    FUZZ_HARNESS_LOOP bool same_scans(const Store& now, int c) const {
        const Cell* cube = now.cube + std::size_t(c) * kCastCells;
        const unsigned char* was = scans_.data() + std::size_t(c) * kCastCells * sizeof(Cell);
        for (std::size_t k = 0; k < kCastCells; ++k)
            if (!same(raw(cube + k), raw(was + k * sizeof(Cell)))) return false;
        return true;
    }

    FUZZ_HARNESS_LOOP void take(const CruiseData& d, int first, int last) {
        const Store now = columns_of(d);
        for (int c = std::max(first, 0); c <= std::min(last, kMaxCast); ++c) {
            const auto i = std::size_t(c);
            for (std::size_t k = 0; k < kCellCount; ++k) cells_[k][i] = raw(now.cells[k] + i);
            for (std::size_t k = 0; k < kTextCount; ++k) texts_[k][i] = now.texts[k][i];
            // The cells' bytes as they lie, padding and all: compared through raw().
            __builtin_memcpy(scans_.data() + i * kCastCells * sizeof(Cell), now.cube + i * kCastCells,
                             kCastCells * sizeof(Cell));
        }
    }

    Raw cells_[kCellCount][kCasts] = {};
    std::string texts_[kTextCount][kCasts];
    std::vector<unsigned char> scans_;  // the cube's casts, byte for byte
    int announced_ = 0;
};
