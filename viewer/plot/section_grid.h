#pragma once

#include <vector>

#include "plot/contours.h"
#include "store/cruise_data.h"

// A section: one variable of consecutive casts against the distance along the
// cruise track and depth.

// Which casts, in load order, and which variable. last = 0 runs to ncast.
struct SectionChoice {
    int first = 1, last = 0;
    int var = kTemp;
};

// Great-circle distance in km between two positions in decimal degrees
// (haversine formula, sphere of radius 6371 km). Either sign convention for
// longitude, as long as both positions use it.
double great_circle_km(double lat1, double lon1, double lat2, double lon2);

// A station of the section: the consecutive casts taken less than 10 m apart
// along the track, their profiles averaged.
struct SectionStation {
    double km = 0;               // cumulative distance of its first cast along the track
    std::vector<int> casts;      // in load order
    double data_bottom = 0;      // the deepest sample with a value, m
    double seabed = 0;           // data_bottom, or the deepest bottom depth (botdep) when deeper
    std::vector<double> values;  // on the section's levels; NaN below data_bottom
};

// The section gridded in depth.
struct SectionGrid {
    int var = kTemp;
    std::vector<double> levels;  // depths, m, from 0 down to the deepest sample
    std::vector<SectionStation> stations;
    double km_lo = 0, km_hi = 1;  // the distance axis: the stations' span, or 1 km about a lone station
    double deepest() const { return levels.empty() ? 0 : levels.back(); }
};

// The section of choice.var over casts first..last (held to 1..ncast): the
// casts a load filled that have a position and a value of the variable, in
// order. Each cast is interpolated linearly in depth onto `levels` depths
// (at least 2) from 0 to the deepest sample of those casts; above its
// shallowest sample it keeps that sample's value up to the surface, below its
// deepest it has none. Consecutive casts less than 10 m apart are one station
// with the mean of their profiles (over the casts with a value at a level).
// No cast gives a section without stations.
SectionGrid make_section(const CruiseData& d, const SectionChoice& choice, int levels = 201);

// The section on `columns` (at least 2) evenly spaced distances from km_lo to
// km_hi and on its levels: linear in distance between neighbouring stations,
// the nearest station's profile beyond the end ones. A level below the line
// joining the stations' data_bottom has no value (NaN); above it, where only
// one of the two stations reaches, that one's value.
Field section_field(const SectionGrid& s, int columns);
