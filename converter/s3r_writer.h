#pragma once

#include "run_store.h"

#include <functional>
#include <string>
#include <string_view>

namespace halvane {

// Caption on line 2 of every .s3r file.
inline constexpr std::string_view s3r_caption = "nodal values of sigt:  i,z,sigt";

// One node-level record of 30 columns: the node number in columns 1-5, a
// blank, the level position and sigma-t in the exponent form, 12 columns
// each; e.g. "    1  -0.7500E+02  0.2550E+02". No line end.
std::string s3r_record(int node, float z, float sigt);

// The whole baroclinic 3-D real field: the mesh title filled with blanks to
// 72 columns, " " and the caption, " " and nnv, then one record per node and
// level, node 1 levels 1 to nnv (sea bed first), then node 2, and so on.
// Handed to `put` in pieces of about 64 KiB, in order.
void write_s3r(const std::function<void(std::string_view)>& put, std::string_view mesh, int nn, int nnv,
               const NodeTable& z, const NodeTable& sigt);

}  // namespace halvane
