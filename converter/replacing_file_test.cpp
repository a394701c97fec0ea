#include "replacing_file.h"

#include "run_errors.h"
#include "test_folder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>

namespace halvane {

static ssize_t full_disk(int, const void*, size_t) { return errno = ENOSPC, -1; }
// A network file system may report a failed write only when the file is closed.
static int failing_close(int fd) { return ::close(fd), errno = EIO, -1; }

TEST(ReplacingFile, TargetChangesOnlyWhenTheFileIsComplete) {
    namespace fs = std::filesystem;
    testing::TestFolder folder;
    const auto files = [&] { return std::distance(fs::directory_iterator(folder.root()), fs::directory_iterator()); };
    const std::string target = folder.write("out.s3r", "former");
    fs::permissions(target, fs::perms(0640));
    const std::string kept = "; no output written, a former file of that name is kept";
    EXPECT_EQ(testing::error_of<InputError>([&] { ReplacingFile(target, full_disk).put("new"); }),
              "\"" + target + "\": writing failed: No space left on device" + kept);
    EXPECT_EQ(testing::error_of<InputError>([&] {
                  ReplacingFile out(target, ::write, failing_close);
                  out.put("new");
                  out.commit();
              }),
              "\"" + target + "\": closing failed: Input/output error" + kept);
    ReplacingFile(target).put("dropped without commit");
    EXPECT_EQ(folder.read("out.s3r"), "former");
    EXPECT_EQ(files(), 1);
    // Through a link: the link stays, its file is replaced and keeps its mode.
    fs::create_symlink(target, folder.path("link.s3r"));
    ReplacingFile out(folder.path("link.s3r"));
    out.put("new");
    out.commit();
    EXPECT_EQ(folder.read("out.s3r"), "new");
    EXPECT_TRUE(fs::is_symlink(folder.path("link.s3r")));
    EXPECT_EQ(fs::status(target).permissions(), fs::perms(0640));
    EXPECT_EQ(files(), 2);
}

}  // namespace halvane
