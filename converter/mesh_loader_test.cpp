#include "mesh_loader.h"

#include "run_errors.h"
#include "test_folder.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>

namespace halvane {
namespace {

using testing::TestFolder;

// Runs the loader on the three files, answering its questions with their paths.
struct MeshRun {
    explicit MeshRun(const TestFolder& folder) : folder(folder) {}

    void load(std::string_view nod, std::string_view ele, std::string_view bat)
    {
        folder.write("m.nod", nod);
        folder.write("m.ele", ele);
        folder.write("m.bat", bat);
        load_named(folder.path("m.nod"), folder.path("m.ele"), folder.path("m.bat"));
    }

    void load_named(const std::string& nod, const std::string& ele, const std::string& bat)
    {
        std::istringstream answers(nod + "\n" + ele + "\n" + bat + "\n");
        Terminal terminal(answers, out);
        loadmeshgom1(nndim, nedim, store->x, store->y, store->in, store->hdown, store->nn, store->ne, terminal);
    }

    // The report lines after the three questions.
    std::string reports() const
    {
        std::string text = out.str();
        for (int question = 0; question < 3; ++question) text.erase(0, text.find('\n') + 1);
        return text;
    }

    const TestFolder& folder;
    std::unique_ptr<RunStore> store = std::make_unique<RunStore>();
    std::ostringstream out;
};

std::string numbered_lines(int count, const std::string& tail)
{
    std::string text;
    for (int i = 1; i <= count; ++i) text += std::to_string(i) + tail;
    return text;
}

TEST(MeshLoader, NodesAndElementsInFileOrderWithReports)
{
    TestFolder folder;
    MeshRun run(folder);
    run.load("501 10.0 20.0 boundary\n17 11.0 21.0\n\n 3 , 12.0 ,\n 22.0\n\n\n",
             "1 1 2 3 4\n2 3 2 1\n\n",
             "9 100.0\n9 120.5\n9 40\n4 55.0\n");
    const RunStore& s = *run.store;
    EXPECT_EQ(s.nn, 3);
    EXPECT_EQ(s.ne, 2);
    EXPECT_EQ(s.x[1], 11.0f);
    EXPECT_EQ(s.y[2], 22.0f);
    EXPECT_EQ(s.hdown[1], 120.5f);
    EXPECT_EQ(s.hdown[2], 40.0f);
    EXPECT_EQ(s.in[0], (Element{1, 2, 3}));
    EXPECT_EQ(s.in[1], (Element{3, 2, 1}));
    EXPECT_EQ(run.reports(), " 3 nodal coordinates read from " + folder.path("m.nod") + "\n" +
                                 " 3 nodal bathymetries read from " + folder.path("m.bat") + "\n" +
                                 " 2 elements read from " + folder.path("m.ele") + "\n");
}

TEST(MeshLoader, IncompleteLastRecordsAreDroppedAndAnEmptyElementFileGivesNone)
{
    TestFolder folder;
    MeshRun run(folder);
    run.load("1 0 0\n2 1 0\n3 1\n", "", "1 10\n2 20\n");
    EXPECT_EQ(run.store->nn, 2);
    EXPECT_EQ(run.store->ne, 0);
    EXPECT_NE(run.reports().find(" 0 elements read from "), std::string::npos);

    MeshRun partial(folder);
    partial.load("1 0 0\n", "1 1 2 3\n2 1 2\n", "1 10\n");
    EXPECT_EQ(partial.store->ne, 1);
}

TEST(MeshLoader, ShortBathymetryEndsTheRun)
{
    TestFolder folder;
    MeshRun run(folder);
    try {
        run.load("1 0 0\n2 1 0\n3 0 1\n", "1 1 2 3\n", "1 10\n2 20\n\n");
        FAIL() << "no error";
    } catch (const InputError& e) {
        EXPECT_EQ(std::string(e.what()), "\"" + folder.path("m.bat") +
                                             "\": end of file where the depth of node 3 was expected; the .nod "
                                             "file has more nodes than this file has depths");
    }
}

TEST(MeshLoader, MissingFileIsReportedBeforeAnyRecordIsRead)
{
    TestFolder folder;
    folder.write("m.nod", "1 0 0\n");
    folder.write("m.bat", "1 10 \n");
    struct Row {
        const char* name;
        std::string nod, ele, bat, missing;
    };
    const Row rows[] = {
        {"node file", folder.path("x.nod"), folder.path("x.ele"), folder.path("x.bat"), folder.path("x.nod")},
        {"bathymetry opened before elements", folder.path("m.nod"), folder.path("x.ele"), folder.path("x.bat"),
         folder.path("x.bat")},
        {"element file", folder.path("m.nod"), folder.path("x.ele"), folder.path("m.bat"), folder.path("x.ele")},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        MeshRun run(folder);
        try {
            run.load_named(row.nod, row.ele, row.bat);
            FAIL() << "no error";
        } catch (const InputError& e) {
            EXPECT_EQ(std::string(e.what()), "cannot open \"" + row.missing + "\": no such file");
        }
        EXPECT_EQ(run.reports(), "");
    }
}

TEST(MeshLoader, MalformedNumberInAnyFileEndsTheRun)
{
    TestFolder folder;
    const std::string nod = "1 0 0\n2 1 0\n";
    const std::string ele = "1 1 2 3\n";
    const std::string bat = "1 10\n2 20\n";
    struct Row {
        const char* name;
        std::string nod, ele, bat;
        const char* where;
    };
    const Row rows[] = {
        {"node file", "1 0 0\n2 1,x 0\n", ele, bat, "m.nod\", line 2: malformed number \"x\""},
        {"bathymetry", nod, ele, "1 10\n2 2O\n", "m.bat\", line 2: malformed number \"2O\""},
        {"element file", nod, "1 1 2 3\n\n2 1 2 3.5\n", bat, "m.ele\", line 3: malformed number \"3.5\""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        MeshRun run(folder);
        try {
            run.load(row.nod, row.ele, row.bat);
            FAIL() << "no error";
        } catch (const InputError& e) {
            EXPECT_NE(std::string(e.what()).find(row.where), std::string::npos) << e.what();
        }
    }
}

TEST(MeshLoader, ExactlyFullNodeTableWarnsAndGoesOn)
{
    TestFolder folder;
    MeshRun run(folder);
    // A trailing incomplete record is not a further node.
    run.load(numbered_lines(nndim, " 1.0 2.0\n") + "7002 3.0\n", "1 1 2 3\n", numbered_lines(nndim + 5, " 50.0\n"));
    EXPECT_EQ(run.store->nn, nndim);
    EXPECT_EQ(run.reports().substr(0, run.reports().find('\n')), "  Increase nndim, the number of nodes > 7001");
    EXPECT_NE(run.reports().find(" 7001 nodal bathymetries read from "), std::string::npos);
}

TEST(MeshLoader, NodeOverflowReportsEverythingThenStops)
{
    TestFolder folder;
    MeshRun run(folder);
    EXPECT_THROW(run.load(numbered_lines(nndim + 1, " 1.0 2.0\n"), "1 1 2 3\n2 2 3 4\n",
                          numbered_lines(nndim, " 50.0\n")),
                 CapacityStop);
    EXPECT_EQ(run.store->nn, nndim);
    EXPECT_EQ(run.store->ne, 2);
    EXPECT_EQ(run.reports(), "  Increase nndim, the number of nodes > 7001\n"
                             " 7001 nodal coordinates read from " + folder.path("m.nod") + "\n" +
                                 " 7001 nodal bathymetries read from " + folder.path("m.bat") + "\n" +
                                 " 2 elements read from " + folder.path("m.ele") + "\n");
}

TEST(MeshLoader, ElementOverflowOnlyWarns)
{
    TestFolder folder;
    MeshRun run(folder);
    run.load("1 0 0\n", numbered_lines(nedim + 2, " 1 2 3\n"), "1 10\n");
    EXPECT_EQ(run.store->ne, nedim);
    EXPECT_EQ(run.store->in[nedim - 1], (Element{1, 2, 3}));
    EXPECT_NE(run.reports().find("  Increase nedim, the number of elements > 13001\n 13001 elements read from "),
              std::string::npos);
}

}  // namespace
}  // namespace halvane
