#!/usr/bin/env python3
"""Makes the made-up mesh and level-surface sample in samples/halvane/.

A small cove, not a real place: twelve nodes on a 4 x 3 grid 2 km apart,
twelve triangles, the sea bed sloping from 15 m at the head to 110 m at the
mouth, and sigma-t on seven level surfaces, lighter near the surface and a
little lighter towards the head. The files are the same on every run.

  samples/halvane/cove.nod, cove.ele, cove.bat   the mesh
  samples/halvane/cove_june.lst                  sigma-t on level surfaces
  samples/halvane/answers.txt                    the dialogue, run from the repository root

cove_june.s3r, the expected output, is written by halvane itself
(see samples/halvane/README.md); this script does not touch it.
Standard library only.
"""

import math
from pathlib import Path

OUT = Path(__file__).resolve().parent.parent / "samples" / "halvane"
COLUMNS, ROWS = 4, 3
SPACING = 2000.0                      # metres between nodes
SURFACES = [-150.0, -100.0, -60.0, -30.0, -15.0, -5.0, 0.0]


def depth(col, row):
    """Sea-bed depth (m, positive down): deeper towards the mouth (row 0) and the middle."""
    return round(110.0 - 40.0 * row - 10.0 * abs(col - 1.5) - (5.0 if row == 2 else 0.0), 1)


def sigma_t(z, col, row):
    """A made-up June profile: 26.6 at depth, 23.0 at the surface, the head 0.2 lighter."""
    return 26.6 - 3.6 * math.exp(z / 25.0) - 0.1 * row + 0.02 * col


def main():
    OUT.mkdir(parents=True, exist_ok=True)
    nodes = [(col, row) for row in range(ROWS) for col in range(COLUMNS)]
    number = {node: i + 1 for i, node in enumerate(nodes)}
    with open(OUT / "cove.nod", "w", newline="\n") as f:
        for (col, row), i in number.items():
            f.write(f"{i} {col * SPACING:.1f} {row * SPACING:.1f}\n")
    with open(OUT / "cove.bat", "w", newline="\n") as f:
        for (col, row), i in number.items():
            f.write(f"{i} {depth(col, row):.1f}\n")
    with open(OUT / "cove.ele", "w", newline="\n") as f:
        k = 0
        for row in range(ROWS - 1):
            for col in range(COLUMNS - 1):
                a, b = number[(col, row)], number[(col + 1, row)]
                c, d = number[(col, row + 1)], number[(col + 1, row + 1)]
                for tri in ((a, b, d), (a, d, c)):
                    k += 1
                    f.write(f"{k} {tri[0]} {tri[1]} {tri[2]}\n")
    with open(OUT / "cove_june.lst", "w", newline="\n") as f:
        f.write("Sigma-t on level surfaces, made-up cove\nJune, made up for the example\n")
        f.write(f"{len(SURFACES)}\n")
        f.write(" ".join(f"{z:.1f}" for z in SURFACES) + "\n")
        for col, row in nodes:
            for z in SURFACES:
                f.write(f"{sigma_t(z, col, row):.3f}\n")
    with open(OUT / "answers.txt", "w", newline="\n") as f:
        f.write("samples/halvane/cove.nod\nsamples/halvane/cove.ele\nsamples/halvane/cove.bat\n21\nSINEZ\n"
                "samples/halvane/cove_june.lst\ncove_june.s3r\nMade-up cove, 21 sine levels, June\n")


if __name__ == "__main__":
    main()
