#pragma once

#include <string>
#include <string_view>
#include <vector>

// The one way the viewer writes a file (reports, data exports).
//
// The new content goes to a temporary file in the folder of the file it will
// become: an unnamed one (O_TMPFILE) where the file system has it, else a
// named ".NAME.XXXXXX" that SIGINT, SIGTERM and SIGHUP remove. commit()
// flushes it to the disk and puts it in place with one rename, so whoever
// reads the target, and a kill at any moment, finds the old file or the whole
// new one, and nothing else beside it.
//
// The target is the path with every symbolic link followed: the link stays a
// link and the file it names is replaced (or made). An existing target must be
// a regular file with one name; a second hard link would silently part from
// the new content, so such a file is refused. The new file keeps the replaced
// file's permission bits; a new file gets 0666 less the umask.

struct OutputRules {
    // Files the output must never replace: a target that is the same file as
    // one of them (same device and inode, whatever the path) is refused.
    std::vector<std::string> inputs{};
    // False: an existing target is kept and the write refused (checked again
    // at the rename, which then never replaces a file).
    bool replace = true;
    // True: a named temporary file even where an unnamed one could be had
    // (for the tests of that path).
    bool named_temp = false;
};

class OutputFile {
public:
    // Checks the target and opens the temporary file; ok() tells whether it
    // may be written.
    explicit OutputFile(std::string path, OutputRules rules = {});
    // Without a successful commit the temporary file goes and the target is
    // left as it was.
    ~OutputFile();
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    // Appends bytes; false (and nothing more is written) once anything failed.
    bool write(std::string_view bytes);
    // Flushes, fixes the mode, renames into place. False when the file was not
    // put in place; the target is then unchanged.
    bool commit();

    bool ok() const { return why_.empty(); }
    // Why the file cannot be or was not written, e.g. "is not a regular file
    // (a folder)", "cannot be written: No space left on device"; empty while ok.
    const std::string& why() const { return why_; }
    // The path that is replaced: `path` with its links followed.
    const std::string& target() const { return target_; }

private:
    // Keeps the first reason given; false.
    bool fail(std::string why);
    bool open_temp();
    bool place();

    std::string path_, target_, folder_;
    std::string temp_;  // the temporary file's name, while it has one
    OutputRules rules_;
    int fd_ = -1;
    bool unnamed_ = false;
    bool armed_ = false;  // a signal removes temp_
    std::string why_;
};

// Why `path` cannot be written under `rules` (as OutputFile would refuse it),
// or "" when it can; opens nothing.
[[nodiscard]] std::string output_problem(const std::string& path, const OutputRules& rules = {});

// The whole of `bytes` as `path` through an OutputFile. False with the reason
// in `why`.
[[nodiscard]] bool write_output(const std::string& path, std::string_view bytes, std::string& why,
                                const OutputRules& rules = {});
