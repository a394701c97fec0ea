#!/bin/sh
# make-coast.sh -- regenerate the coastline files brscale2.bln (screen map)
# and brscale.bln (printed map) from Debian's GSHHG coastline packages.
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
#
# Usage:  sh make-coast.sh [OUTDIR]        (default: viewer/data of this repository)
#         RES=f sh make-coast.sh /tmp/x     (other GSHHG resolution: f h i l c)
#
# Output format (.bln as the viewer reads it): for each polyline a line with
# the point count n, then n lines "lon,lat" (decimal degrees, longitude
# east-positive, so the western hemisphere is negative).  No header; the
# file ends with a point line and one newline.
#
# Method:
#  1. `gmt coast -M` dumps the level-1 (land/ocean) shoreline, lakes excluded
#     (-A0/1/1), for a region 1 degree larger than each frame.  GMT writes one
#     piece per GSHHG data bin (2x2 degrees at RES=h), and where a line leaves and re-enters the
#     region it draws a stretch along the region's edge.
#  2. The python step below drops empty pieces, joins pieces whose endpoints
#     coincide (bin seams) into long polylines, then clips them to the frame
#     plus a 0.2-degree margin (Liang-Barsky per segment, splitting a polyline
#     where it leaves the box).  GMT's stretches along the 1-degree-larger
#     region edge lie outside that box and so disappear.
set -eu

RES=${RES:-h}                 # GSHHG resolution: f(ull) h(igh) i(nterm.) l(ow) c(rude)
MARGIN=${MARGIN:-0.2}         # degrees added around each frame before clipping
OUT=${1:-$(dirname "$0")/../viewer/data}
for tool in gmt python3; do
    command -v "$tool" >/dev/null 2>&1 || { echo "make-coast.sh: $tool not found (see the packages above)" >&2; exit 1; }
done
mkdir -p "$OUT"
OUT=$(cd "$OUT" && pwd)
TMP=$(mktemp -d)
trap 'rm -rf "$TMP"' EXIT
cd "$TMP"                     # GMT (classic mode) leaves a gmt.history in the cwd

# name      west  east   south  north
FRAMES="brscale2 -71 -65.5 40 42.5
brscale  -72 -64.5 36.6 44"

echo "$FRAMES" | while read -r name w e s n; do
    # GMT region: frame + 1 degree, so GMT's own edge effects fall outside the clip box
    R=$(python3 -c "print('%g/%g/%g/%g' % ($w-1, $e+1, $s-1, $n+1))")
    gmt coast -R"$R" -D"$RES" -A0/1/1 -W -M > "$TMP/$name.gmt"
    python3 - "$TMP/$name.gmt" "$OUT/$name.bln" "$w" "$e" "$s" "$n" "$MARGIN" <<'PYEOF'
import sys
src, dst = sys.argv[1], sys.argv[2]
w, e, s, n, m = map(float, sys.argv[3:8])
X0, X1, Y0, Y1 = w - m, e + m, s - m, n + m

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

# --- 3. clip to the box, splitting polylines that leave it
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
        if cut_end:                           # segment leaves the box here
            out.append(run); run = []
    if run:
        out.append(run)

# --- 4. round (5 decimals ~ 1 m; GSHHG 'h' is stored at ~3 m), dedupe, write
lines, npoly, npts = [], 0, 0
for r in out:
    pts = []
    for x, y in r:
        t = '%.5f,%.5f' % (x, y)
        if not pts or pts[-1] != t:
            pts.append(t)
    if len(pts) < 2:
        continue
    lines.append(str(len(pts)))
    lines.extend(pts)
    npoly += 1
    npts += len(pts)
with open(dst, 'w', newline='\n') as f:
    f.write('\n'.join(lines) + '\n')
print('%s: %d polylines, %d points (from %d GMT pieces, %d joined lines), box %g/%g/%g/%g'
      % (dst, npoly, npts, len(pieces), len(chains), X0, X1, Y0, Y1))
PYEOF
done
ls -l "$OUT"/brscale2.bln "$OUT"/brscale.bln
