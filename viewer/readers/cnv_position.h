#pragma once

#include <optional>
#include <string_view>
#include <utility>

// Positions as .cnv headers and their operators write them.

// A position as degrees and minutes of a hemisphere.
struct Angle {
    double degrees = 0, minutes = 0;
    bool positive = true;  // north or east

    double signed_degrees() const { return (positive ? 1 : -1) * (degrees + minutes / 60); }
    // Decimal degrees, north or east positive; nothing beyond 90 (axis 'N') or 180 (axis 'E').
    static std::optional<Angle> from_degrees(double signed_degrees, char axis);
};

// A position value of axis 'N' (latitude) or 'E' (longitude): decimal degrees,
// degrees and decimal minutes, or degrees, minutes and seconds, e.g. "41 11.84
// N", "N41 11.84", "41°11.84'N", "41° 11' 50.4\" n", "-70.8688". A hemisphere
// letter (or word) may stand before or after the numbers, in any case;
// degree signs (Latin-1 or UTF-8, also º and ˚), minute and second marks
// (' " ’ ′ ″), colons, dashes after a digit and the words deg, min and sec
// separate like blanks; notes in brackets are left out. Without a letter a minus sign
// means south or west. A single number with four or more digits before its
// point beyond the axis range is NMEA's raw form: "4111.84 N" is 41° 11.84'.
// Nothing for anything else: minutes or seconds of 60 or more, fractional
// degrees with minutes, a letter of the other axis, a sign with a letter, a
// position beyond 90 or 180 degrees.
[[nodiscard]] std::optional<Angle> parse_angle(std::string_view value, char axis);

// Latitude then longitude in one value ("** Position:"), split at a comma or
// at a hemisphere letter: "41 11.84 N 70 30.00 W", "N41 11.84 W70 30",
// "41.2, -70.5"; labels ("Lon:") between them are left out. Nothing unless
// both read.
[[nodiscard]] std::optional<std::pair<Angle, Angle>> parse_position(std::string_view value);
