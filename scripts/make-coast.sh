#!/bin/sh
# make-coast.sh -- regenerate the coastline files brscale2.bln (screen map),
# brscale.bln (printed map) and world.bln (the whole world, for maps fitted
# to the stations) from Debian's GSHHG coastline packages.
#
# Data: GSHHG 2.3.7 (Wessel & Smith), binned for GMT, Debian packages
#       gmt-gshhg-high (and -full/-low for other resolutions), LGPL-3+.
# Tool: GMT 6 (Debian package gmt), used only to dump the shoreline as text.
#
# Needs (Debian 12 "bookworm"):
#   apt-get update
#   apt-get install -y --no-install-recommends gmt gmt-gshhg-high gmt-dcw
#   (gmt-dcw = country polygons, not used here; gmt only Recommends it)
#   (other resolutions: gmt-gshhg-full for RES=f, gmt-gshhg-low for RES=i,l,c)
#   python3 (standard library only)
# The files in the repository were made with gmt 6.4.0+dfsg-2,
# gmt-gshhg-high 2.3.7-6 and python3 3.11.2 (Debian); the same versions give the same
# bytes.
#
# Usage:  sh make-coast.sh [OUTDIR]        (default: viewer/data of this repository)
#         RES=f sh make-coast.sh /tmp/x     (other GSHHG resolution for the two
#                                            regional files: f h i l c)
#         WORLD_RES, WORLD_AREA, WORLD_TOL, WORLD_MAXPTS: see below.
#
# Output format (.bln as the viewer reads it): for each polyline a line with
# the point count n, then n lines "lon,lat" (decimal degrees, longitude
# east-positive, so the western hemisphere is negative).  No header; the
# file ends with a point line and one newline.
#
# Method, regional files:
#  1. `gmt coast -M` dumps the level-1 (land/ocean) shoreline, lakes excluded
#     (-A0/1/1), for a region 1 degree larger than each frame.  GMT writes one
#     piece per GSHHG data bin (2x2 degrees at RES=h), and where a line leaves and re-enters the
#     region it draws a stretch along the region's edge.
#  2. The python step below drops empty pieces, joins pieces whose endpoints
#     coincide (bin seams) into long polylines, then clips them to the frame
#     plus a 0.2-degree margin (Liang-Barsky per segment, splitting a polyline
#     where it leaves the box).  GMT's stretches along the 1-degree-larger
#     region edge lie outside that box and so disappear.
#  3. Coordinates are rounded to 5 decimals (about 1 m); repeated points and
#     pieces of fewer than two points are dropped.
#
# Method, world file (the whole level-1 shoreline in at most 8 MB):
#  1. `gmt coast -M` dumps the world, leaving out lakes and every polygon
#     smaller than WORLD_AREA km^2 (GSHHG's own area of the full polygon).
#  2. Pieces are joined as above.  Lines that cross the antimeridian come out
#     of GMT ending at -180 and +180, which do not join; GMT's stretches along
#     the +-180 meridian (the region's edge) are removed, and a polyline is
#     split wherever a step would jump more than 180 degrees of longitude.
#  3. Each polyline is thinned (Douglas-Peucker) to WORLD_TOL degrees of
#     latitude, with longitudes scaled by the cosine of the latitude.
#  4. Coordinates are rounded to 3 decimals (about 100 m), repeated points
#     and pieces of fewer than two points are dropped.
#  5. A polyline of more than WORLD_MAXPTS points is split into nearly equal
#     pieces, consecutive pieces sharing their joining point, so that a reader
#     can skip the pieces outside its frame by their bounding box.
set -eu

RES=${RES:-h}                 # GSHHG resolution: f(ull) h(igh) i(nterm.) l(ow) c(rude)
MARGIN=${MARGIN:-0.2}         # degrees added around each frame before clipping
WORLD_RES=${WORLD_RES:-h}     # GSHHG resolution of world.bln
WORLD_AREA=${WORLD_AREA:-1}   # km^2: smaller islands (and shores) left out of world.bln
WORLD_TOL=${WORLD_TOL:-0.005} # degrees of latitude (~0.55 km): thinning tolerance
WORLD_MAXPTS=${WORLD_MAXPTS:-2000}  # longest polyline in world.bln
OUT=${1:-$(dirname "$0")/../viewer/data}
for tool in gmt python3; do
    command -v "$tool" >/dev/null 2>&1 || { echo "make-coast.sh: $tool not found (see the packages above)" >&2; exit 1; }
done
mkdir -p "$OUT"
OUT=$(cd "$OUT" && pwd)
TMP=$(mktemp -d)
trap 'rm -rf "$TMP"' EXIT
cd "$TMP"                     # GMT (classic mode) leaves a gmt.history in the cwd

cat > "$TMP/coast.py" <<'PYEOF'
"""Turn GMT's binned shoreline dump into a .bln file.

coast.py clip  SRC DST WEST EAST SOUTH NORTH MARGIN
coast.py world SRC DST TOLERANCE MAXPOINTS
"""
import math
import sys

mode, src, dst = sys.argv[1:4]

# --- 1. read GMT multisegment text ('>' headers), drop empty pieces
pieces, cur = [], None
for line in open(src):
    if line.startswith('>'):
        cur = []
        pieces.append(cur)
    elif line.strip():
        a = line.split()
        cur.append((float(a[0]), float(a[1])))
pieces = [p for p in pieces if len(p) >= 2]

# --- 2. join pieces end-to-start (bin seams); reverse a piece if needed
def key(p):
    return (round(p[0], 7), round(p[1], 7))
ends = {}
for i, p in enumerate(pieces):
    ends.setdefault(key(p[0]), []).append(i)
    ends.setdefault(key(p[-1]), []).append(i)
used = [False] * len(pieces)
def take(pt, avoid):
    for j in ends.get(key(pt), []):
        if not used[j] and j != avoid:
            return j
    return None
chains = []
for i, p in enumerate(pieces):
    if used[i]:
        continue
    used[i] = True
    chain = list(p)
    for direction in (1, 0):                 # grow forward, then backward
        while key(chain[0]) != key(chain[-1]) or len(chain) < 3:
            j = take(chain[-1], i)
            if j is None:
                break
            used[j] = True
            q = pieces[j]
            if key(q[0]) != key(chain[-1]):
                q = q[::-1]
            chain.extend(q[1:])
        if key(chain[0]) == key(chain[-1]) and len(chain) >= 3:
            break                             # closed ring (island)
        chain.reverse()
    chains.append(chain)

# --- 3a. regional: clip to the box, splitting polylines that leave it
def clip_to_box(chains, X0, X1, Y0, Y1):
    def clip(a, b):
        """Liang-Barsky: part of segment a-b inside the box, or None."""
        (x0, y0), (x1, y1) = a, b
        dx, dy = x1 - x0, y1 - y0
        t0, t1 = 0.0, 1.0
        for p, q in ((-dx, x0 - X0), (dx, X1 - x0), (-dy, y0 - Y0), (dy, Y1 - y0)):
            if p == 0:
                if q < 0:
                    return None
            else:
                r = q / p
                if p < 0:
                    if r > t1: return None
                    if r > t0: t0 = r
                else:
                    if r < t0: return None
                    if r < t1: t1 = r
        return (x0 + t0 * dx, y0 + t0 * dy), (x0 + t1 * dx, y0 + t1 * dy), t1 < 1.0
    out = []
    for c in chains:
        run = []
        for a, b in zip(c, c[1:]):
            r = clip(a, b)
            if r is None:
                if run: out.append(run); run = []
                continue
            pa, pb, cut_end = r
            if not run:
                run = [pa]
            run.append(pb)
            if cut_end:                       # segment leaves the box here
                out.append(run); run = []
        if run:
            out.append(run)
    return out

# --- 3b. world: cut at the antimeridian
def cut_at_antimeridian(chains):
    """Split where a step runs along the +-180 meridian (GMT's region edge,
    not shoreline: the step is dropped) or jumps across it."""
    out = []
    for c in chains:
        run = [c[0]]
        for a, b in zip(c, c[1:]):
            along = abs(a[0]) == 180.0 and abs(b[0]) == 180.0
            if along or abs(b[0] - a[0]) > 180.0:
                out.append(run)
                run = []
            run.append(b)
        out.append(run)
    return [r for r in out if len(r) >= 2]

def thin(pts, tol):
    """Douglas-Peucker: keep the ends and every point farther than tol
    (degrees of latitude; longitudes scaled by the cosine of the latitude)
    from the segment between the points kept on either side of it."""
    if len(pts) < 3:
        return pts
    keep = [False] * len(pts)
    keep[0] = keep[-1] = True
    stack = [(0, len(pts) - 1)]
    while stack:
        a, b = stack.pop()
        if b - a < 2:
            continue
        (xa, ya), (xb, yb) = pts[a], pts[b]
        k = math.cos(math.radians((ya + yb) / 2))
        dx, dy = (xb - xa) * k, yb - ya
        len2 = dx * dx + dy * dy
        far, far_i = -1.0, a
        for i in range(a + 1, b):
            x, y = (pts[i][0] - xa) * k, pts[i][1] - ya
            t = 0.0 if len2 == 0 else max(0.0, min(1.0, (x * dx + y * dy) / len2))
            d = math.hypot(x - t * dx, y - t * dy)
            if d > far:
                far, far_i = d, i
        if far > tol:
            keep[far_i] = True
            stack.append((far_i, b))
            stack.append((a, far_i))
    return [p for p, k in zip(pts, keep) if k]

def split_long(pts, most):
    """Nearly equal pieces of at most `most` points, sharing their joins."""
    if len(pts) <= most:
        return [pts]
    n = -(-(len(pts) - 1) // (most - 1))
    cuts = [(len(pts) - 1) * i // n for i in range(n + 1)]
    return [pts[a:b + 1] for a, b in zip(cuts, cuts[1:])]

if mode == 'clip':
    w, e, s, n, m = map(float, sys.argv[4:9])
    X0, X1, Y0, Y1 = w - m, e + m, s - m, n + m
    out = clip_to_box(chains, X0, X1, Y0, Y1)
    decimals, most = 5, 0                     # 5 decimals ~ 1 m; GSHHG 'h' is stored at ~3 m
    what = 'box %g/%g/%g/%g' % (X0, X1, Y0, Y1)
elif mode == 'world':
    tol, most = float(sys.argv[4]), int(sys.argv[5])
    out = [thin(r, tol) for r in cut_at_antimeridian(chains)]
    decimals = 3                              # ~100 m, below the thinning tolerance
    what = 'whole world, thinned to %g degrees' % tol
else:
    sys.exit('coast.py: unknown mode ' + mode)

# --- 4. round, dedupe, split long lines, write
def fmt(v):
    t = '%.*f' % (decimals, v)
    return t[1:] if t[0] == '-' and t.strip('-0.') == '' else t    # no "-0.000"
lines, npoly, npts = [], 0, 0
for r in out:
    pts = []
    for x, y in r:
        t = fmt(x) + ',' + fmt(y)
        if not pts or pts[-1] != t:
            pts.append(t)
    if len(pts) < 2:
        continue
    for piece in (split_long(pts, most) if most else [pts]):
        lines.append(str(len(piece)))
        lines.extend(piece)
        npoly += 1
        npts += len(piece)
with open(dst, 'w', newline='\n') as f:
    f.write('\n'.join(lines) + '\n')
print('%s: %d polylines, %d points (from %d GMT pieces, %d joined lines), %s'
      % (dst, npoly, npts, len(pieces), len(chains), what))
PYEOF

# name      west  east   south  north
FRAMES="brscale2 -71 -65.5 40 42.5
brscale  -72 -64.5 36.6 44"

echo "$FRAMES" | while read -r name w e s n; do
    # GMT region: frame + 1 degree, so GMT's own edge effects fall outside the clip box
    R=$(python3 -c "print('%g/%g/%g/%g' % ($w-1, $e+1, $s-1, $n+1))")
    gmt coast -R"$R" -D"$RES" -A0/1/1 -W -M > "$TMP/$name.gmt"
    python3 "$TMP/coast.py" clip "$TMP/$name.gmt" "$OUT/$name.bln" "$w" "$e" "$s" "$n" "$MARGIN"
done

gmt coast -R-180/180/-90/90 -D"$WORLD_RES" -A"$WORLD_AREA"/1/1 -W -M > "$TMP/world.gmt"
python3 "$TMP/coast.py" world "$TMP/world.gmt" "$OUT/world.bln" "$WORLD_TOL" "$WORLD_MAXPTS"
ls -l "$OUT"/brscale2.bln "$OUT"/brscale.bln "$OUT"/world.bln
