#include "files/output_file.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <functional>
#include <set>

#include "testing/scratch_folder.h"

namespace {

namespace fs = std::filesystem;

unsigned mode_of(const std::string& p) { return unsigned(fs::status(p).permissions()) & 0777; }
std::set<std::string> names(const ScratchFolder& dir) {
    std::set<std::string> out;
    for (const auto& e : fs::directory_iterator(dir.path(""))) out.insert(e.path().filename().string());
    return out;
}

// Every rule of the writer, on a folder holding old.csv (0640, "old") and
// whatever the row's setup adds, with the umask at 022; each row written
// through the unnamed and the named temporary file alike.
TEST(OutputFile, WritesThroughLinksKeepsModesAndRefusesWhatItMustNotReplace) {
    const mode_t umask_before = ::umask(022);
    int pipe_fds[2];
    ASSERT_EQ(::pipe(pipe_fds), 0);
    const auto link = [](std::string to, const char* name) {
        return [=](const ScratchFolder& d) { fs::create_symlink(to, d.path(name)); };
    };
    // clang-format off
    struct Row {  // why "" when written; after: the folder; file: where "new" lands, or the one that keeps "old"
        const char* name; std::function<void(const ScratchFolder&)> setup; std::string output, why;
        std::set<std::string> after; std::string file = "old.csv"; unsigned mode = 0640;
        bool replace = true, old_is_input = false;
    };
    const Row rows[] = {
        {"a new file: 0666 less the umask", {}, "new.csv", "", {"old.csv", "new.csv"}, "new.csv", 0644},
        {"an existing file keeps its mode", {}, "old.csv", "", {"old.csv"}},
        {"a link: the file it names is replaced, the link stays", link("old.csv", "link.csv"), "link.csv", "",
         {"old.csv", "link.csv"}},
        {"a chain of links to a file yet to be made", [](const ScratchFolder& d) {
             fs::create_directory(d.path("sub")), fs::create_symlink("sub/b.csv", d.path("a.csv"));
             fs::create_symlink("made.csv", d.path("sub/b.csv"));
         }, "a.csv", "", {"old.csv", "a.csv", "sub"}, "sub/made.csv", 0644},
        {"a hard-linked file", [](const ScratchFolder& d) { fs::create_hard_link(d.path("old.csv"), d.path("2.csv")); },
         "2.csv", "has 2 hard links; replacing it would break them", {"old.csv", "2.csv"}},
        {"a folder", {}, ".", "is not a regular file (a folder)", {"old.csv"}},
        {"a link to a pipe", link("/proc/self/fd/" + std::to_string(pipe_fds[0]), "p.csv"), "p.csv",
         "is not a regular file (a FIFO)", {"old.csv", "p.csv"}},
        {"an input under another name", link("old.csv", "in.csv"), "in.csv", "is the same file as the input ",
         {"old.csv", "in.csv"}, "old.csv", 0640, true, true},
        {"the input itself", {}, "old.csv", "is an input of the load", {"old.csv"}, "old.csv", 0640, true, true},
        {"kept when it may not be replaced", {}, "old.csv", "exists and was kept", {"old.csv"}, "old.csv", 0640, false},
        {"made when there is none to keep", {}, "new.csv", "", {"old.csv", "new.csv"}, "new.csv", 0644, false},
        {"no such folder", {}, "none/x.csv", "cannot be written: No such file or directory", {"old.csv"}},
    };  // clang-format on
    for (const Row& row : rows) {
        for (bool named : {false, true}) {
            SCOPED_TRACE(std::string(row.name) + (named ? ", named temporary" : ", unnamed temporary"));
            ScratchFolder dir;
            dir.write("old.csv", "old");
            ::chmod(dir.path("old.csv").c_str(), 0640);
            if (row.setup) row.setup(dir);
            std::set<std::string> links;
            for (const std::string& n : names(dir)) fs::is_symlink(dir.path(n)) ? void(links.insert(n)) : void();
            const OutputRules rules{row.old_is_input ? std::vector{dir.path("old.csv")} : std::vector<std::string>{},
                                    row.replace, named};
            const std::string out = row.output == "." ? dir.path("") : dir.path(row.output);
            std::string why;
            const bool ok = write_output(out, "new", why, rules);
            EXPECT_EQ(ok, row.why.empty()) << why;
            EXPECT_EQ(why.substr(0, row.why.size()), row.why);
            EXPECT_EQ(ScratchFolder::read(dir.path(row.file)), ok ? "new" : "old");
            EXPECT_EQ(mode_of(dir.path(row.file)), row.mode);
            EXPECT_EQ(names(dir), row.after);
            for (const std::string& n : links) EXPECT_TRUE(fs::is_symlink(dir.path(n))) << n;
        }
    }
    ::close(pipe_fds[0]), ::close(pipe_fds[1]);
    ::umask(umask_before);
}

// A writer dropped or killed before its commit leaves the old file alone: the
// unnamed temporary goes whatever ends the process, the named one when dropped
// and on SIGINT, SIGTERM, SIGHUP, the program then ending by the signal.
TEST(OutputFile, AKilledWriterLeavesTheOldFileAndNoTemporary) {
    for (const auto& [named, sig] :
         {std::pair(false, SIGKILL), {false, 0}, {true, 0}, {true, SIGTERM}, {true, SIGINT}, {true, SIGHUP}}) {
        SCOPED_TRACE(std::string(named ? "named, " : "unnamed, ") + (sig ? strsignal(sig) : "dropped"));
        ScratchFolder dir;
        const std::string out = dir.write("casts.csv", "old");
        const pid_t child = ::fork();
        if (child == 0) {
            if (OutputFile f(out, {{}, true, named}); f.write(std::string(1 << 20, 'x')) && sig) ::raise(sig);
            ::_exit(0);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_EQ(WIFSIGNALED(status) ? WTERMSIG(status) : 0, sig) << status;
        EXPECT_EQ(names(dir), std::set<std::string>{"casts.csv"});
        EXPECT_EQ(ScratchFolder::read(out), "old");
    }
}

}  // namespace
