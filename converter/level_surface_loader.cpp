#include "level_surface_loader.h"

#include "fixed_text.h"
#include "run_errors.h"

#include <cassert>
#include <string>

namespace halvane {

void loadlst(int nndim, int nlevels, int nn, int& nlev, std::string_view filename, std::span<float> zl,
             NodeTable& sigtl, Terminal& terminal, InputFiles& inputs) {
    const std::string_view name = trimmed(filename);
    FreeFormatReader lst = FreeFormatReader::open(name);
    inputs.add(".lst", name, lst.identity());
    loadlst(nndim, nlevels, nn, nlev, lst, zl, sigtl, terminal);
}

void loadlst(int nndim, int nlevels, int nn, int& nlev, FreeFormatReader& lst, std::span<float> zl, NodeTable& sigtl,
             Terminal& terminal) {
    assert(nlevels <= static_cast<int>(zl.size()) && nlevels <= sigtl.columns() && nndim <= sigtl.nodes());
    const auto ended = [&](const std::string& what) {
        return InputError(lst.where() + ": end of file while reading " + what);
    };

    for (int record = 1; record <= 2; ++record)
        if (!lst.skip_line()) throw ended("header line " + std::to_string(record));
    if (!lst.read({Field::of(nlev)})) throw ended("the number of level surfaces");

    bool too_large = false;
    if (nn > nndim) {
        terminal.say({"The number of nodes is to large for current parameters."});
        terminal.say({"  => Increase NNDIM to at least ", nn});
        too_large = true;
    }
    if (nlev > nlevels) {
        terminal.say({"The number of level surfaces is to large for current parameters."});
        terminal.say({"  => Increase nlevels to at least ", nlev});
        too_large = true;
    }
    if (too_large) throw CapacityStop();
    if (nlev < 1)
        throw InputError(lst.where() + ": the number of level surfaces is " + std::to_string(nlev) +
                         "; at least 1 is needed");

    if (!lst.read_reals(zl.first(static_cast<std::size_t>(nlev))))
        throw ended("the positions of the " + std::to_string(nlev) + " level surfaces");

    int ii = 0;
    for (int i = 1; i <= nn; ++i) {
        const std::span<float> column = sigtl.column(i);
        for (int l = 1; l <= nlev; ++l) {
            if (!lst.read({Field::of(column[l - 1])}))
                throw ended("sigma-t of node " + std::to_string(i) + " on level surface " + std::to_string(l));
        }
        ii = i;
    }
    terminal.say({ii, "x", nlev, " real 3-D sigmat values loaded from ", std::string_view(lst.name())});
}

}  // namespace halvane
