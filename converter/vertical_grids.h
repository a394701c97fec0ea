#pragma once

#include "run_store.h"

#include <span>

namespace halvane {

// Columns of nnv levels under every node, from the sea bed (level 1, at
// -hdown) to the sea surface (level nnv, exactly 0). Positions are positive
// upward in the unit of the depths. Single-precision arithmetic throughout;
// the results depend on it. The caller keeps nnv within 1 to nvdim; with
// nnv = 1 the one level is at the surface (the spacing divides by zero into
// an unused infinity, or NaN for depth 0).

// Even spacing dz = hdown / (nnv - 1), each level the previous one plus dz
// (an accumulated single-precision sum).
void uniz(int nndim, int nvdim, int nn, int nnv, std::span<const float> hdown, NodeTable& z);

// Sine-stretched spacing: level j at -hdown (1 - eps) - a sin(2 pi eps) with
// eps = (j - 1) / (nnv - 1), and a chosen per node so that the layers next to
// the sea bed and the surface are dzbl thick. Where the water is too shallow
// for that, a is 0 and the spacing is even. pi is acos(-1) in single
// precision, so sin(pi) is about -8.74e-8, not 0.
void sinez(int nndim, int nvdim, int nn, int nnv, float dzbl, std::span<const float> hdown, NodeTable& z);

}  // namespace halvane
