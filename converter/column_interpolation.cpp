#include "column_interpolation.h"

#include <cassert>

namespace halvane {

void basis1d1(int nlev, std::span<const float> zl, float zval, float& b2, int& n2, float& b1, int& n1)
{
    assert(nlev >= 1 && nlev <= static_cast<int>(zl.size()));
    for (int k = 1; k <= nlev; ++k) {
        if (zval < zl[k - 1]) {
            n2 = k;
            n1 = k - 1;
            if (n2 == 1) {
                n1 = nlev;
                b1 = 0.0f;
                b2 = 1.0f;
                return;
            }
            const float zdiff = zl[n2 - 1] - zl[n1 - 1];
            b1 = (zl[n2 - 1] - zval) / zdiff;
            b2 = (zval - zl[n1 - 1]) / zdiff;
            return;
        }
    }
    b1 = 1.0f;
    n1 = nlev;
    b2 = 0.0f;
    n2 = 1;
}

void halvanesub(int nndim, int nvdim, int nlevels, int nn, int nlev, std::span<const float> zl,
                const NodeTable& sigtl, int nnv, const NodeTable& z, NodeTable& sigt)
{
    assert(nn >= 0 && nn <= nndim && nndim <= z.nodes() && nndim <= sigt.nodes() && nndim <= sigtl.nodes());
    assert(nnv >= 1 && nnv <= nvdim && nvdim <= z.columns() && nvdim <= sigt.columns());
    assert(nlev >= 1 && nlev <= nlevels && nlevels <= sigtl.columns());
    (void)nndim;
    (void)nvdim;
    (void)nlevels;
    for (int i = 1; i <= nn; ++i) {
        const std::span<const float> values = sigtl.column(i);
        for (int j = 1; j <= nnv; ++j) {
            float b1 = 0.0f;
            float b2 = 0.0f;
            int n1 = 0;
            int n2 = 0;
            basis1d1(nlev, zl, z(i, j), b2, n2, b1, n1);
            const float lower = b1 * values[n1 - 1];
            sigt(i, j) = lower + b2 * values[n2 - 1];
        }
    }
}

}  // namespace halvane
