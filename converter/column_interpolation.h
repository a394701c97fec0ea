#pragma once

#include "run_store.h"

#include <span>

namespace halvane {

// Linear basis between the level surfaces zl (nlev >= 1 of them, ascending:
// deepest first) at position zval. n2 is the first surface strictly above
// zval and n1 the one below it, with weights b1 = (zl(n2) - zval) / zdiff and
// b2 = (zval - zl(n1)) / zdiff. Below the deepest surface: n2 = 1, n1 = nlev,
// b1 = 0, b2 = 1. At or above the last surface (or zval NaN): n1 = nlev,
// b1 = 1, n2 = 1, b2 = 0. Exactly on a surface other than the last: that
// surface with weight 1. Indices are 1-based.
void basis1d1(int nlev, std::span<const float> zl, float zval, float& b2, int& n2, float& b1, int& n1);

// sigt(i, j) = b1 sigtl(i, n1) + b2 sigtl(i, n2) for every node i <= nn and
// level j <= nnv, with the basis of z(i, j): linear between the bracketing
// surfaces, the end surface's value beyond either end.
void halvanesub(int nndim, int nvdim, int nlevels, int nn, int nlev, std::span<const float> zl, const NodeTable& sigtl,
                int nnv, const NodeTable& z, NodeTable& sigt);

}  // namespace halvane
