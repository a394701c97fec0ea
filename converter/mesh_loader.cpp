#include "mesh_loader.h"

#include "fixed_text.h"
#include "free_format_reader.h"
#include "run_errors.h"

#include <cassert>
#include <string>

namespace halvane {

void loadmeshgom1(int nndim, int nedim, std::span<float> x, std::span<float> y, std::span<Element> in,
                  std::span<float> hdown, int& nn, int& ne, Terminal& terminal, InputFiles& inputs) {
    assert(nndim >= 0 && x.size() >= static_cast<std::size_t>(nndim) && y.size() >= static_cast<std::size_t>(nndim) &&
           hdown.size() >= static_cast<std::size_t>(nndim));
    assert(nedim >= 0 && in.size() >= static_cast<std::size_t>(nedim));

    const std::string nodfile = terminal.ask_line("Enter the name of the KESTRA Standard .nod file.");
    const std::string elefile = terminal.ask_line("Enter the name of the KESTRA Standard .ele file.");
    const std::string batfile = terminal.ask_line("Enter the name of the KESTRA Standard .bat file.");

    FreeFormatReader nod = FreeFormatReader::open(trimmed(nodfile));
    FreeFormatReader bat = FreeFormatReader::open(trimmed(batfile));
    FreeFormatReader ele = FreeFormatReader::open(trimmed(elefile));
    inputs.add(".nod", trimmed(nodfile), nod.identity());
    inputs.add(".bat", trimmed(batfile), bat.identity());
    inputs.add(".ele", trimmed(elefile), ele.identity());

    int node = 0;  // node and element numbers in the files are read and ignored
    int nodes_read = 0;
    bool table_full = true;
    for (int i = 0; i < nndim; ++i) {
        if (!nod.read({Field::of(node), Field::of(x[i]), Field::of(y[i])})) {
            table_full = false;
            break;
        }
        if (!bat.read({Field::of(node), Field::of(hdown[i])}))
            throw InputError("\"" + bat.name() + "\": end of file where the depth of node " + std::to_string(i + 1) +
                             " was expected; the .nod file has more nodes than this file has depths");
        ++nodes_read;
    }
    bool mesh_too_large = false;
    if (table_full) {
        terminal.say({" Increase nndim, the number of nodes >", nndim});
        float spare_x = 0.0f;
        float spare_y = 0.0f;
        mesh_too_large = nod.read_if_well_formed({Field::of(node), Field::of(spare_x), Field::of(spare_y)});
    }
    nn = nodes_read;
    terminal.say({nn, "nodal coordinates read from ", trimmed(nodfile)});
    terminal.say({nn, "nodal bathymetries read from ", trimmed(batfile)});

    int elements_read = 0;
    table_full = true;
    for (int k = 0; k < nedim; ++k) {
        Element& e = in[k];
        if (!ele.read({Field::of(node), Field::of(e[0]), Field::of(e[1]), Field::of(e[2])})) {
            table_full = false;
            break;
        }
        ++elements_read;
    }
    if (table_full) terminal.say({" Increase nedim, the number of elements >", nedim});
    ne = elements_read;
    terminal.say({ne, "elements read from ", trimmed(elefile)});

    if (mesh_too_large) throw CapacityStop();
}

}  // namespace halvane
