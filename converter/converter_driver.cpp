#include "converter_driver.h"

#include "column_interpolation.h"
#include "fixed_text.h"
#include "input_files.h"
#include "level_surface_loader.h"
#include "mesh_loader.h"
#include "replacing_file.h"
#include "run_errors.h"
#include "run_store.h"
#include "s3r_writer.h"
#include "vertical_grids.h"

#include <memory>
#include <string>

namespace halvane {
namespace {

int ask_nnv(Terminal& terminal) {
    for (;;) {
        const int nnv = terminal.ask_number("Enter nnv");
        if (nnv >= 1 && nnv <= nvdim) return nnv;
        terminal.say({" nnv must be between 1 and 30"});
    }
}

void build_levels(Terminal& terminal, RunStore& s) {
    for (;;) {
        const std::string opt = terminal.ask_line("Enter grid option - UNIZ or SINEZ");
        if (option_is(opt, "uniz") || option_is(opt, "UNIZ")) {
            uniz(nndim, nvdim, s.nn, s.nnv, s.hdown, s.z);
            return;
        }
        if (option_is(opt, "sinez") || option_is(opt, "SINEZ")) {
            s.dzbl = 1.0f;
            sinez(nndim, nvdim, s.nn, s.nnv, s.dzbl, s.hdown, s.z);
            return;
        }
    }
}

// Asked again while the name is that of an input file: the output would
// replace what the run was read from.
std::string ask_output_name(Terminal& terminal, const InputFiles& inputs) {
    for (;;) {
        const std::string filename = terminal.ask_line("Enter the name of the output baroclinic .s3r file");
        const std::string name(trimmed(filename));
        const InputFiles::Entry* input = inputs.same_file_as(name);
        if (!input) return name;
        const std::string input_name = input->name + ";";
        terminal.say({"The output file", std::string_view(name), "is the input", std::string_view(input->kind), "file",
                      std::string_view(input_name), "give another name"});
    }
}

void write_output(const std::string& name, std::string_view mesh, const RunStore& s) {
    ReplacingFile out(name);
    write_s3r([&](std::string_view bytes) { out.put(bytes); }, mesh, s.nn, s.nnv, s.z, s.sigt);
    out.commit();
}

}  // namespace

bool option_is(std::string_view answer, std::string_view keyword) { return trimmed(answer) == keyword; }

void run_conversion(Terminal& terminal) {
    // About 4 MB at capacity: kept off the stack.
    const auto store = std::make_unique<RunStore>();
    RunStore& s = *store;

    InputFiles inputs;
    loadmeshgom1(nndim, nedim, s.x, s.y, s.in, s.hdown, s.nn, s.ne, terminal, inputs);
    s.nnv = ask_nnv(terminal);
    build_levels(terminal, s);

    std::string filename = terminal.ask_line("Enter the name of the level surface sigmat .lst file");
    loadlst(nndim, nlevels, s.nn, s.nlev, filename, s.zl, s.sigtl, terminal, inputs);
    halvanesub(nndim, nvdim, nlevels, s.nn, s.nlev, s.zl, s.sigtl, s.nnv, s.z, s.sigt);

    filename = ask_output_name(terminal, inputs);
    const std::string mesh = terminal.ask_line("Enter the name of the mesh");
    // Opened only now, so that the end of input at the title question
    // leaves no file behind.
    write_output(filename, mesh, s);
}

}  // namespace halvane
