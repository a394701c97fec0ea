#pragma once

#include "store/cruise_data.h"

// The geographic frame of the station map and the printed station plot, in
// the map's units: x degrees west (west edge on the left), y degrees north
// (north edge on top).
struct MapFrame {
    double west = 71, north = 42.5, east = 65.5, south = 40;  // the fixed frame
    bool fitted = false;

    // Longitude span of the frame over that of the fixed frame (5.5 degrees):
    // the factor that scales marker radii, pick boxes and label offsets.
    double scale() const { return (west - east) / 5.5; }
    // A point of the fixed frame's coordinates taken to this frame by the
    // affine change that maps the fixed frame onto it.
    double x(double fixed_x) const { return west + (fixed_x - 71) * (east - west) / (65.5 - 71); }
    double y(double fixed_y) const { return north + (fixed_y - 42.5) * (south - north) / (40 - 42.5); }
};

// Whether cast i is one a load filled and it has a position (a .cnv cast may
// have none; it is left off the map and the plots).
bool has_station(const CruiseData& d, int i);

// The fixed frame, 71 to 65.5 degrees west and 42.5 to 40 north, when every
// station of casts 1..ncast lies inside it, edges included (and when there is
// none). Otherwise the smallest box holding them, each side padded by 10 % of
// its span and at least 0.05 degrees, then widened about its centre so that
// latitude span = 0.64 cos(middle latitude) x longitude span: the map window,
// 0.64 as high as wide, then shows true shapes. A cruise across the
// antimeridian is not fitted sensibly.
MapFrame map_frame(const CruiseData& d);
