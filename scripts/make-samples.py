#!/usr/bin/env python3
"""Makes the sample cruises in samples/ from real CTD casts.

Source: NES-LTER cruise EN617 (R/V Endeavor, 20-25 July 2018, southern New
England shelf), one-metre bins, MIT licence. By default the source folder is
../shared/realdata/nes-lter beside the repository; give another with --source.

  samples/sb911/EN617.hdr, EN617d001.PRE ...   the whole cruise, 35 casts
  samples/bongo/header.dat, SBE004.asc ...      four tows, down and back up
  samples/cnv/en617_004.cnv ...                 three casts as 24 Hz .cnv records
  samples/README.md, LICENSE, ORIGIN.txt

The output is the same on every run (a fixed seed for the sensor noise).
Standard library only.
"""

import argparse
import csv
import datetime
import math
import random
import shutil
from collections import defaultdict
from pathlib import Path

REPO = Path(__file__).resolve().parent.parent
DEFAULT_SOURCE = REPO.parent / "shared" / "realdata" / "nes-lter"

MAX_SCANS = 500        # the viewer's scans per cast
THIN_BELOW = 200       # casts deeper than this (m) keep every other bin
BONGO_CASTS = [2, 9, 12, 31]  # CTD casts the tows are made from
CNV_CASTS = [4, 8, 33]        # CTD casts the .cnv records are made from
CNV_RATE = 24                 # scans a second
BAD_FLAG = "-9.990e-29"
STATION_RADIUS_KM = 2.5


def read_casts(source):
    casts = defaultdict(list)
    with open(source / "en617_ctd_profiles.csv", newline="") as f:
        for row in csv.DictReader(f):
            casts[int(row["cast"])].append(row)
    for rows in casts.values():
        rows.sort(key=lambda r: float(r["depsm"]))
    return dict(sorted(casts.items()))


def read_stations(source):
    """Mean bottle position of each NES-LTER station, from the EN608 metadata."""
    places = defaultdict(list)
    with open(source / "en608_btl_metadata.csv", newline="") as f:
        for row in csv.DictReader(f):
            places[row["lter_station"]].append((float(row["latitude"]), float(row["longitude"])))
    return {name: (sum(p[0] for p in ps) / len(ps), sum(p[1] for p in ps) / len(ps))
            for name, ps in places.items()}


def distance_km(a, b):
    dlat = (a[0] - b[0]) * 111.2
    dlon = (a[1] - b[1]) * 111.2 * math.cos(math.radians(a[0]))
    return math.hypot(dlat, dlon)


def station_name(position, stations):
    """Three-character name of the station within reach, blanks if none."""
    best = min(stations, key=lambda n: distance_km(position, stations[n]))
    if distance_km(position, stations[best]) > STATION_RADIUS_KM:
        return "   "
    return best[:3].ljust(3)


def when(rows):
    """UTC date and time of a cast's first bin; timej is the day of the year
    counted from 1.0 at the start of 1 January 2018."""
    t = datetime.datetime(2018, 1, 1) + datetime.timedelta(days=float(rows[0]["timej"]) - 1)
    return t


def degrees_minutes(x):
    """Degrees and minutes of an unsigned position."""
    x = abs(x)
    d = int(x)
    return d, (x - d) * 60


def bottom_depth(rows):
    """Deepest bin plus the altimeter's height above the bottom where it gave
    one (0 to 50 m); the deepest bin otherwise."""
    last = rows[-1]
    depth = float(last["depsm"])
    altm = float(last["altm"])
    return depth + altm if 0 < altm < 50 else depth


def sb911_record(castno, rows, stations):
    lat, lon = float(rows[0]["latitude"]), float(rows[0]["longitude"])
    # Positions in tenths of a minute, times in tenths of an hour.
    lat_tenths = round(abs(lat) * 600)
    lon_tenths = round(abs(lon) * 600)
    t = when(rows)
    t = datetime.datetime(t.year, t.month, t.day) + datetime.timedelta(
        hours=round((t - datetime.datetime(t.year, t.month, t.day)).total_seconds() / 360) / 10)
    hour_tenths = t.hour * 10 + t.minute // 6
    record = ("E617"
              f"{lat_tenths // 600:2d}{lat_tenths % 600:03d}"
              f"{lon_tenths // 600:3d}{lon_tenths % 600:03d}"
              "   "
              f"{t.year % 100:02d}{t.month:02d}{t.day:02d}{hour_tenths:03d}"
              "   "
              f"{castno:03d}{round(bottom_depth(rows)):4d}")
    record = record.ljust(69) + station_name((lat, lon), stations)
    assert len(record) == 72 and "," not in record
    return record


def pre_line(r):
    # depth, temperature, salinity, fluorescence, transmissometer (volts), oxygen
    return (f"{float(r['depsm']):6.1f} {float(r['t090c']):8.4f} {float(r['sal00']):8.4f}"
            f" {float(r['fleco_afl']):7.4f} {float(r['v0']):7.4f} {float(r['sbox0mm_kg']):6.1f}")


def write_sb911(out, casts, stations):
    out.mkdir(parents=True, exist_ok=True)
    header = []
    for castno, rows in casts.items():
        if float(rows[-1]["depsm"]) > THIN_BELOW:
            rows = [r for r in rows if round(float(r["depsm"])) % 2 == 0]
        assert len(rows) <= MAX_SCANS, castno
        header.append(sb911_record(castno, rows, stations))
        lines = [pre_line(r) for r in rows]
        (out / f"EN617d{castno:03d}.PRE").write_bytes(("\r\n".join(lines) + "\r\n").encode("ascii"))
    (out / "EN617.hdr").write_bytes(("\r\n".join(header) + "\r\n").encode("ascii"))


def profile_at(rows, z):
    """Temperature and salinity at depth z, linear between bins, constant
    beyond the first and last bin."""
    depths = [float(r["depsm"]) for r in rows]
    if z <= depths[0]:
        r = rows[0]
        return float(r["t090c"]), float(r["sal00"])
    for a, b, ra, rb in zip(depths, depths[1:], rows, rows[1:]):
        if z <= b:
            w = (z - a) / (b - a)
            return (float(ra["t090c"]) + w * (float(rb["t090c"]) - float(ra["t090c"])),
                    float(ra["sal00"]) + w * (float(rb["sal00"]) - float(ra["sal00"])))
    r = rows[-1]
    return float(r["t090c"]), float(r["sal00"])


def tow_recording(rows, rng):
    """A tow from the surface to a few metres above the deepest bin and back,
    one scan a second: down at 0.8 m/s, three scans at the turn, up at 0.4 m/s,
    with sensor noise (depth 0.15 m, temperature 0.004 C, salinity 0.003)."""
    bottom = float(rows[-1]["depsm"]) - 3
    path = []
    z = 0.6
    while z < bottom:
        path.append(z)
        z += 0.8
    path += [bottom] * 3
    z = bottom - 0.4
    while z > 0.5:
        path.append(z)
        z -= 0.4
    assert len(path) <= MAX_SCANS
    lines = []
    for n, z in enumerate(path, start=1):
        t, s = profile_at(rows, z)
        d = max(0.0, z + rng.gauss(0, 0.15))
        lines.append(f"{d:7.2f} {t + rng.gauss(0, 0.004):8.4f} {s + rng.gauss(0, 0.003):8.4f} {n:5d}")
    return lines


def bongo_record(castno, rows, stations):
    lat, lon = float(rows[0]["latitude"]), float(rows[0]["longitude"])
    latdeg, latmin = degrees_minutes(lat)
    londeg, lonmin = degrees_minutes(lon)
    t = when(rows) + datetime.timedelta(minutes=40)  # the tow follows the CTD cast
    record = (f"{castno:<3d} {station_name((lat, lon), stations)}"
              f"{t.month:3d}{t.day:3d}{t.hour:3d}{t.minute:3d} "
              f"{latdeg:2d}{latmin:4.1f}{londeg:3d}{lonmin:4.1f} {round(bottom_depth(rows)):5d}")
    assert len(record) == 39 and "," not in record
    return record


def write_bongo(out, casts, stations):
    out.mkdir(parents=True, exist_ok=True)
    rng = random.Random(617)
    header = []
    for castno in BONGO_CASTS:
        rows = casts[castno]
        assert float(rows[0]["latitude"]) > 40, castno  # inside the station map's frame
        header.append(bongo_record(castno, rows, stations))
        lines = tow_recording(rows, rng)
        (out / f"SBE{castno:03d}.asc").write_bytes(("\r\n".join(lines) + "\r\n").encode("ascii"))
    (out / "header.dat").write_bytes(("\r\n".join(header) + "\r\n").encode("ascii"))


def pressure_of(depth, lat):
    """Pressure (dbar) whose UNESCO 1983 depth at latitude lat is `depth` (m)."""
    x = math.sin(math.radians(lat)) ** 2

    def depth_of(p):
        gr = 9.780318 * (1.0 + (5.2788e-3 + 2.36e-5 * x) * x) + 1.092e-6 * p
        return (((-1.82e-15 * p + 2.279e-10) * p - 2.2512e-5) * p + 9.72659) * p / gr

    p = depth
    for _ in range(4):
        p += depth - depth_of(p)
    return p


def profile_values(rows, z):
    """Temperature, salinity, fluorescence and beam transmission at depth z,
    linear between bins, constant beyond the first and last."""
    keys = ("t090c", "sal00", "fleco_afl", "cstartr0")
    depths = [float(r["depsm"]) for r in rows]
    if z <= depths[0]:
        return [float(rows[0][k]) for k in keys]
    for a, b, ra, rb in zip(depths, depths[1:], rows, rows[1:]):
        if z <= b:
            w = (z - a) / (b - a)
            return [float(ra[k]) + w * (float(rb[k]) - float(ra[k])) for k in keys]
    return [float(rows[-1][k]) for k in keys]


def cnv_path(rows):
    """Depths of a cast as the CTD records it, CNV_RATE scans a second: a
    soak of 20 s at 5 m (the pumps start), back up to 1 m, down at 0.6 m/s to
    3 m above the deepest bin, up at 1.5 m/s to 1 m; the ship's heave (0.6 m,
    6 s) rides on all of it, so the depth goes backwards now and then."""
    dt = 1 / CNV_RATE
    bottom = float(rows[-1]["depsm"]) - 3
    path = []

    def move(start, end, speed):
        z = start
        step = speed * dt * (1 if end > start else -1)
        while (end - z) * step > 0:
            path.append(z)
            z += step

    move(1, 5, 0.5)
    path.extend([5.0] * (20 * CNV_RATE))
    move(5, 1, 0.5)
    move(1, bottom, 0.6)
    move(bottom, 1, 1.5)
    return [max(0.1, z + 0.6 * math.sin(2 * math.pi * n * dt / 6)) for n, z in enumerate(path)]


def nmea_position(x, positive, negative, width):
    d, m = degrees_minutes(x)
    return f"{d:0{width}d} {m:05.2f} {positive if x >= 0 else negative}"


def cnv_text(castno, rows, stations, rng, with_depth):
    lat, lon = float(rows[0]["latitude"]), float(rows[0]["longitude"])
    t = when(rows)
    stamp = t.strftime("%b %d %Y %H:%M:%S")
    names = ["prDM: Pressure, Digiquartz [db]"]
    if with_depth:
        names.append("depSM: Depth [salt water, m], lat = %.2f" % lat)
    names += ["t090C: Temperature [ITS-90, deg C]", "sal00: Salinity, Practical [PSU]",
              "flECO-AFL: Fluorescence, WET Labs ECO-AFL/FL [mg/m^3]",
              "CStarTr0: Beam Transmission, WET Labs C-Star [%]", "flag:  0.000e+00"]
    station = station_name((lat, lon), stations).strip()
    header = ["* Sea-Bird SBE 9 Data File:",
              f"* FileName = C:\\data\\EN617\\en617_{castno:03d}.hex",
              "* Software Version Seasave V 7.26.7.121",
              f"* System UpLoad Time = {stamp}",
              f"* NMEA Latitude = {nmea_position(lat, 'N', 'S', 2)}",
              f"* NMEA Longitude = {nmea_position(lon, 'E', 'W', 3)}",
              f"* NMEA UTC (Time) = {t.strftime('%b %d %Y  %H:%M:%S')}",
              "** Ship: R/V Endeavor",
              "** Cruise: EN617"]
    if station:  # casts off the NES-LTER line have none
        header.append(f"** Station: {station}")
    header += [f"** Bottom Depth: {round(bottom_depth(rows))}", f"# nquan = {len(names)}"]
    scans = []
    path = cnv_path(rows)
    for n, z in enumerate(path):
        temp, sal, fl, tr = profile_values(rows, z)
        values = [f"{pressure_of(z, lat):11.3f}"]
        if with_depth:
            values.append(f"{z:11.3f}")
        sal_text = f"{sal + rng.gauss(0, 0.002):11.4f}"
        if n < CNV_RATE:  # the pumps have not filled the conductivity cell yet
            sal_text = f"{BAD_FLAG:>11}"
        fl_text = f"{max(0.0, fl + rng.gauss(0, 0.02)):11.4f}"
        if n % 997 == 500:  # a dropped fluorometer reading
            fl_text = f"{BAD_FLAG:>11}"
        values += [f"{temp + rng.gauss(0, 0.002):11.4f}", sal_text, fl_text,
                   f"{tr + rng.gauss(0, 0.05):11.4f}", "  0.000e+00"]
        scans.append("".join(values))
    header += [f"# nvalues = {len(scans)}", "# units = specified"]
    header += [f"# name {i} = {name}" for i, name in enumerate(names)]
    header += [f"# interval = seconds: {1 / CNV_RATE:.7f}",
               f"# start_time = {stamp} [NMEA time, header]",
               f"# bad_flag = {BAD_FLAG}",
               "# file_type = ascii",
               "*END*"]
    return header + scans


def write_cnv(out, casts, stations):
    out.mkdir(parents=True, exist_ok=True)
    rng = random.Random(24)
    for k, castno in enumerate(CNV_CASTS):
        rows = casts[castno]
        assert float(rows[0]["latitude"]) > 40, castno  # inside the station map's frame
        lines = cnv_text(castno, rows, stations, rng, with_depth=k != 1)  # one cast gives pressure only
        (out / f"en617_{castno:03d}.cnv").write_bytes(("\r\n".join(lines) + "\r\n").encode("ascii"))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--source", type=Path, default=DEFAULT_SOURCE)
    parser.add_argument("--out", type=Path, default=REPO / "samples")
    args = parser.parse_args()

    casts = read_casts(args.source)
    stations = read_stations(args.source)
    for sub in ("sb911", "bongo", "cnv"):
        if (args.out / sub).exists():
            shutil.rmtree(args.out / sub)
    write_sb911(args.out / "sb911", casts, stations)
    write_bongo(args.out / "bongo", casts, stations)
    write_cnv(args.out / "cnv", casts, stations)
    shutil.copyfile(args.source / "LICENSE", args.out / "LICENSE")
    shutil.copyfile(args.source / "SOURCE.txt", args.out / "ORIGIN.txt")


if __name__ == "__main__":
    main()
