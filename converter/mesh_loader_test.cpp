#include "mesh_loader.h"

#include "run_errors.h"
#include "testing/test_folder.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <utility>

namespace halvane {
namespace {

// Meshes that load are checked in halvane_program_test.cpp.
TEST(MeshLoader, BadFilesEndTheRun)
{
    const char* nod = "1 0 0\n2 1 0\n";
    const char* ele = "1 1 2 3\n";
    const char* bat = "1 10\n2 20\n";
    // The contents of the three files; nullptr: the file is missing.
    const struct { const char *name, *nod, *ele, *bat, *report; } rows[] = {
        {"depths missing, opened before elements", nod, nullptr, nullptr, "m.bat\": no such file"},
        {"element file missing", nod, nullptr, bat, "m.ele\": no such file"},
        {"malformed node record", "1 0 0\n2 1,x 0\n", ele, bat, "m.nod\", line 2: malformed number \"x\""},
        {"malformed depth", nod, ele, "1 10\n2 2O\n", "m.bat\", line 2: malformed number \"2O\""},
        {"malformed element", nod, "1 1 2 3\n\n2 1 2 3.5\n", bat, "m.ele\", line 3: malformed number \"3.5\""},
        {"fewer depths than nodes", nod, ele, "1 10\n\n", "m.bat\": end of file where the depth of node 2"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        testing::TestFolder folder;
        std::string answers;
        for (const auto& [name, content] : {std::pair{"m.nod", row.nod}, {"m.ele", row.ele}, {"m.bat", row.bat}}) {
            if (content) folder.write(name, content);
            answers += folder.path(name) + "\n";
        }
        std::istringstream in(answers);
        std::ostringstream out;
        Terminal terminal(in, out);
        const auto s = std::make_unique<RunStore>();
        try {
            InputFiles inputs;
            loadmeshgom1(nndim, nedim, s->x, s->y, s->in, s->hdown, s->nn, s->ne, terminal, inputs);
            ADD_FAILURE() << "no error";
        } catch (const InputError& e) {
            EXPECT_NE(std::string(e.what()).find(row.report), std::string::npos) << e.what();
        }
        // Every file is opened before any record is read.
        if (!row.ele) { EXPECT_EQ(out.str().find("read from"), std::string::npos); }
    }
}

}  // namespace
}  // namespace halvane
