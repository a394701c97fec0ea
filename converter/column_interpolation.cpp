#include "column_interpolation.h"

#include <algorithm>
#include <cassert>

namespace halvane {
namespace {

// The weights once n2, the 1-based index of the first surface strictly
// above zval, is known; n2 = 0 when there is none.
inline void bracket(int nlev, const float* zl, float zval, int above, float& b2, int& n2, float& b1, int& n1) {
    if (above == 0) {
        b1 = 1.0f;
        n1 = nlev;
        b2 = 0.0f;
        n2 = 1;
        return;
    }
    n2 = above;
    n1 = above - 1;
    if (n2 == 1) {
        n1 = nlev;
        b1 = 0.0f;
        b2 = 1.0f;
        return;
    }
    const float zdiff = zl[n2 - 1] - zl[n1 - 1];
    b1 = (zl[n2 - 1] - zval) / zdiff;
    b2 = (zval - zl[n1 - 1]) / zdiff;
}

int first_above_linear(int nlev, const float* zl, float zval) {
    for (int k = 1; k <= nlev; ++k)
        if (zval < zl[k - 1]) return k;
    return 0;
}

}  // namespace

void basis1d1(int nlev, std::span<const float> zl, float zval, float& b2, int& n2, float& b1, int& n1) {
    assert(nlev >= 1 && nlev <= static_cast<int>(zl.size()));
    bracket(nlev, zl.data(), zval, first_above_linear(nlev, zl.data(), zval), b2, n2, b1, n1);
}

void halvanesub(int nndim, int nvdim, int nlevels, int nn, int nlev, std::span<const float> zl, const NodeTable& sigtl,
                int nnv, const NodeTable& z, NodeTable& sigt) {
    assert(nn >= 0 && nn <= nndim && nndim <= z.nodes() && nndim <= sigt.nodes() && nndim <= sigtl.nodes());
    assert(nnv >= 1 && nnv <= nvdim && nvdim <= z.columns() && nvdim <= sigt.columns());
    assert(nlev >= 1 && nlev <= nlevels && nlevels <= sigtl.columns());
    (void)nndim;
    (void)nvdim;
    (void)nlevels;
    const float* const surfaces = zl.data();
    // Surfaces in ascending order without a NaN make "first surface above" a
    // bisection that finds what the linear search of basis1d1 finds; any
    // other order keeps the linear search.
    bool ascending = true;
    for (int k = 1; k < nlev; ++k) ascending = ascending && surfaces[k] >= surfaces[k - 1];
    ascending = ascending && surfaces[0] == surfaces[0];
    for (int i = 1; i <= nn; ++i) {
        const std::span<const float> values = sigtl.column(i);
        const std::span<const float> levels = z.column(i);
        const std::span<float> result = sigt.column(i);
        for (int j = 0; j < nnv; ++j) {
            const float zval = levels[j];
            const int above = ascending
                                  ? [&] {
                                        const float* k = std::upper_bound(surfaces, surfaces + nlev, zval);
                                        return k == surfaces + nlev ? 0 : static_cast<int>(k - surfaces) + 1;
                                    }()
                                  : first_above_linear(nlev, surfaces, zval);
            float b1 = 0.0f;
            float b2 = 0.0f;
            int n1 = 0;
            int n2 = 0;
            bracket(nlev, surfaces, zval, above, b2, n2, b1, n1);
            const float lower = b1 * values[n1 - 1];
            result[j] = lower + b2 * values[n2 - 1];
        }
    }
}

}  // namespace halvane
