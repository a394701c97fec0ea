#include "vertical_grids.h"

#include <cassert>
#include <cmath>

namespace halvane {

// Every literal below is a float: a double would widen the arithmetic and
// change the levels in their last bits.

void uniz(int nndim, int nvdim, int nn, int nnv, std::span<const float> hdown, NodeTable& z) {
    assert(nn >= 0 && nn <= nndim && nndim <= z.nodes());
    assert(nnv >= 1 && nnv <= nvdim && nvdim <= z.columns());
    (void)nndim;
    (void)nvdim;
    for (int i = 1; i <= nn; ++i) {
        const float depth = hdown[i - 1];
        const float dz = depth / (static_cast<float>(nnv) - 1.0f);
        z(i, 1) = -depth;
        for (int j = 2; j <= nnv - 1; ++j) z(i, j) = z(i, j - 1) + dz;
        z(i, nnv) = 0.0f;
    }
}

void sinez(int nndim, int nvdim, int nn, int nnv, float dzbl, std::span<const float> hdown, NodeTable& z) {
    assert(nn >= 0 && nn <= nndim && nndim <= z.nodes());
    assert(nnv >= 1 && nnv <= nvdim && nvdim <= z.columns());
    (void)nndim;
    (void)nvdim;
    const int nev = nnv - 1;
    const float rnev = static_cast<float>(nev);
    const float pi = std::acos(-1.0f);
    for (int i = 1; i <= nn; ++i) {
        const float depth = hdown[i - 1];
        float a = (depth - dzbl * rnev) / (rnev * std::sin(pi * 2.0f / rnev));
        if (a < 0.0f) a = 0.0f;  // a NaN (nnv = 1) stays; no level uses it
        z(i, 1) = -depth;
        for (int j = 2; j <= nnv - 1; ++j) {
            const float eps = (static_cast<float>(j) - 1.0f) / (static_cast<float>(nnv) - 1.0f);
            z(i, j) = -(depth * (1.0f - eps)) - a * std::sin(pi * 2.0f * eps);
        }
        z(i, nnv) = 0.0f;
    }
}

}  // namespace halvane
