#pragma once

#include "input_files.h"
#include "run_store.h"
#include "terminal.h"

#include <span>

namespace halvane {

// Loads a KESTRA standard triangular mesh: asks for the .nod, .ele and .bat
// file names, opens the .nod, .bat and .ele files in that order (all before
// reading any), and fills node i of x, y from record i of the .nod file and
// hdown (depth, positive down) from record i of the .bat file, element k of
// `in` from record k of the .ele file. Position in the file, not the number
// written in the record, identifies a node or element.
//
// The end of the .nod or .ele file, at a record's start or within it, ends
// that table; an incomplete last record is not counted. The .bat file must
// hold a depth for every node read, or InputError. A missing file or a
// malformed number is an InputError too.
//
// Reports on the terminal: the capacity warnings when a table is filled to
// nndim or nedim, then the node count for coordinates and depths and the
// element count. When the .nod file holds a further complete, well-formed
// record beyond nndim, the mesh does not fit: after the reports (elements are
// still read) it throws CapacityStop, since a field for part of the mesh would
// be taken for the whole. Anything else after node nndim (a malformed line, an
// incomplete record, blank lines) is left unread, as is every line after that
// record. Element overflow stays a warning; elements are not used.
//
// The three files are added to `inputs`.
void loadmeshgom1(int nndim, int nedim, std::span<float> x, std::span<float> y, std::span<Element> in,
                  std::span<float> hdown, int& nn, int& ne, Terminal& terminal, InputFiles& inputs);

}  // namespace halvane
