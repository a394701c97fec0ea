#pragma once

#include <array>
#include <cassert>
#include <span>
#include <string>
#include <vector>

namespace halvane {

// Fixed capacities of a run.
inline constexpr int nndim = 7001;   // mesh nodes
inline constexpr int nedim = 13001;  // mesh elements
inline constexpr int nvdim = 30;     // vertical levels per node
inline constexpr int nlevels = 50;   // level surfaces of the .lst file

// A real value per node and per column entry (level or level surface), for
// `nodes` nodes of `columns` entries each. Indices are 1-based, as node and
// level numbers are.
class NodeTable {
public:
    NodeTable(int nodes, int columns)
        : nodes_(nodes), columns_(columns), values_(static_cast<std::size_t>(nodes) * columns, 0.0f) {}

    int nodes() const { return nodes_; }
    int columns() const { return columns_; }

    float& operator()(int i, int j) { return values_[index(i, j)]; }
    float operator()(int i, int j) const { return values_[index(i, j)]; }

    // The column of node i: entry j is at [j - 1].
    std::span<float> column(int i) { return {values_.data() + index(i, 1), static_cast<std::size_t>(columns_)}; }
    std::span<const float> column(int i) const {
        return {values_.data() + index(i, 1), static_cast<std::size_t>(columns_)};
    }

private:
    std::size_t index(int i, int j) const {
        assert(i >= 1 && i <= nodes_ && j >= 1 && j <= columns_);
        return static_cast<std::size_t>(i - 1) * columns_ + (j - 1);
    }

    int nodes_;
    int columns_;
    std::vector<float> values_;
};

// Node numbers of one triangular element, in file order.
using Element = std::array<int, 3>;

// Every array of a conversion run, at its fixed capacity. Units are those of
// the input files: depths positive downward, level positions positive upward
// with 0 at the sea surface.
struct RunStore {
    std::vector<float> x = std::vector<float>(nndim);  // node coordinates
    std::vector<float> y = std::vector<float>(nndim);
    std::vector<float> hdown = std::vector<float>(nndim);   // sea-bed depth under each node
    std::vector<Element> in = std::vector<Element>(nedim);  // element table
    int nn = 0;                                             // nodes read
    int ne = 0;                                             // elements read
    int nnv = 0;                                            // levels per node
    float dzbl = 1.0f;                                      // bottom and top layer of the sine grid
    NodeTable z{nndim, nvdim};                              // level positions
    int nlev = 0;                                           // level surfaces
    std::vector<float> zl = std::vector<float>(nlevels);    // level-surface positions, deepest first
    NodeTable sigtl{nndim, nlevels};                        // sigma-t on the level surfaces
    NodeTable sigt{nndim, nvdim};                           // sigma-t at the node levels
};

}  // namespace halvane
