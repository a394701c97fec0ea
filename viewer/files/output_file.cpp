#include "files/output_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <array>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <random>
#include <utility>

#include "format/utf8_text.h"

namespace {

std::string error_text(int code) { return code ? std::strerror(code) : "unknown error"; }

const char* file_kind(mode_t mode) {
    if (S_ISDIR(mode)) return "a folder";
    if (S_ISFIFO(mode)) return "a FIFO";
    if (S_ISSOCK(mode)) return "a socket";
    if (S_ISCHR(mode) || S_ISBLK(mode)) return "a device";
    return "not a plain file";
}

std::string folder_of(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string name_of(const std::string& path) { return path.substr(path.rfind('/') + 1); }

// `path` with every symbolic link on its last part followed, as many hops as
// the kernel allows; a link that names nothing yet gives the name it holds.
bool follow_links(std::string path, std::string& target, std::string& why) {
    for (int hops = 0;; ++hops) {
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) break;
        if (hops == 40) {
            why = "cannot be written: " + error_text(ELOOP);
            return false;
        }
        std::array<char, PATH_MAX> buf{};
        const ssize_t n = ::readlink(path.c_str(), buf.data(), buf.size() - 1);
        if (n <= 0) {
            why = "cannot be written: " + error_text(n < 0 ? errno : ENOENT);
            return false;
        }
        const std::string to(buf.data(), std::size_t(n));
        path = to.front() == '/' ? to : folder_of(path) + "/" + to;
    }
    target = path;
    return true;
}

mode_t new_file_mode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// A fresh name for a temporary file beside `target`.
std::string temp_name(const std::string& folder, const std::string& target) {
    static const char* const letters = "abcdefghijklmnopqrstuvwxyz0123456789";
    static std::mt19937 random{std::random_device{}()};
    std::string suffix(6, 'x');
    for (char& c : suffix) c = letters[random() % 36];
    return folder + "/." + name_of(target) + "." + suffix;
}

// SIGINT, SIGTERM and SIGHUP are held off while a temporary file is being
// named, renamed or armed, so none lands between the two steps.
constexpr std::array<int, 3> kSignals = {SIGINT, SIGTERM, SIGHUP};

class SignalHold {
public:
    SignalHold() {
        sigset_t set;
        sigemptyset(&set);
        for (int s : kSignals) sigaddset(&set, s);
        pthread_sigmask(SIG_BLOCK, &set, &old_);
    }
    ~SignalHold() { pthread_sigmask(SIG_SETMASK, &old_, nullptr); }
    SignalHold(const SignalHold&) = delete;
    SignalHold& operator=(const SignalHold&) = delete;

private:
    sigset_t old_;
};

// The one named temporary file a signal removes before the program ends as
// the signal would have ended it.
char armed_path[PATH_MAX];
volatile sig_atomic_t armed = 0;
struct sigaction armed_old[kSignals.size()];
bool armed_set[kSignals.size()];

extern "C" void remove_armed_and_end(int sig) {
    if (armed) ::unlink(armed_path);
    for (std::size_t i = 0; i < kSignals.size(); ++i)
        if (kSignals[i] == sig) ::sigaction(sig, &armed_old[i], nullptr);
    ::raise(sig);
}

// Call with the signals held. False when the slot is taken or the path too long.
bool arm(const std::string& path) {
    if (armed || path.size() >= sizeof armed_path) return false;
    std::memcpy(armed_path, path.c_str(), path.size() + 1);
    armed = 1;
    struct sigaction sa {};
    sa.sa_handler = remove_armed_and_end;
    sigemptyset(&sa.sa_mask);
    for (std::size_t i = 0; i < kSignals.size(); ++i) {
        armed_set[i] = false;
        if (::sigaction(kSignals[i], nullptr, &armed_old[i]) != 0 || armed_old[i].sa_handler == SIG_IGN) continue;
        armed_set[i] = ::sigaction(kSignals[i], &sa, nullptr) == 0;
    }
    return true;
}

// Call with the signals held.
void disarm() {
    for (std::size_t i = 0; i < kSignals.size(); ++i)
        if (armed_set[i]) ::sigaction(kSignals[i], &armed_old[i], nullptr);
    armed = 0;
}

// What the target of `path` is, and why it may not be written ("" when it may).
struct Target {
    std::string path, folder;
    bool exists = false;
    mode_t mode = 0;  // permission bits of the existing file
    std::string why;
};

Target inspect(const std::string& path, const OutputRules& rules) {
    Target t;
    if (path.empty()) {
        t.why = "cannot be written: the file has no name";
        return t;
    }
    if (!follow_links(path, t.path, t.why)) return t;
    t.folder = folder_of(t.path);
    struct stat st {};
    t.exists = ::stat(path.c_str(), &st) == 0;  // through every link, /proc/self/fd/N too
    if (!t.exists) {
        if (errno != ENOENT) t.why = "cannot be written: " + error_text(errno);
        return t;
    }
    if (!S_ISREG(st.st_mode)) {
        t.why = std::string("is not a regular file (") + file_kind(st.st_mode) + ")";
        return t;
    }
    // A magic link (/proc/self/fd/N) may lead to a file the name it shows does not.
    struct stat at {};
    if (::stat(t.path.c_str(), &at) != 0 || at.st_dev != st.st_dev || at.st_ino != st.st_ino) {
        t.why = "cannot be written: its link leads to no file by name";
        return t;
    }
    for (const std::string& in : rules.inputs) {
        struct stat is {};
        if (in.empty() || ::stat(in.c_str(), &is) != 0 || is.st_dev != st.st_dev || is.st_ino != st.st_ino) continue;
        t.why = in == path ? "is an input of the load" : "is the same file as the input " + shown_name(in);
        return t;
    }
    if (st.st_nlink > 1)
        t.why = "has " + std::to_string(st.st_nlink) + " hard links; replacing it would break them";
    else if (!rules.replace)
        t.why = "exists and was kept";
    t.mode = st.st_mode & 0777;
    return t;
}

}  // namespace

OutputFile::OutputFile(std::string path, OutputRules rules) : path_(std::move(path)), rules_(std::move(rules)) {
    const Target t = inspect(path_, rules_);
    target_ = t.path, folder_ = t.folder;
    if (t.why.empty())
        open_temp();
    else
        fail(t.why);
}

OutputFile::~OutputFile() {
    if (fd_ >= 0) ::close(fd_);
    if (temp_.empty()) return;
    SignalHold hold;
    ::unlink(temp_.c_str());
    if (armed_) disarm();
}

bool OutputFile::fail(std::string why) {
    if (why_.empty()) why_ = std::move(why);
    return false;
}

bool OutputFile::open_temp() {
    if (!rules_.named_temp && ::access("/proc/self/fd", X_OK) == 0) {
        fd_ = ::open(folder_.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
        if (fd_ >= 0) return unnamed_ = true;
        // Only a file system without unnamed files falls back to a named one.
        if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL)
            return fail("cannot be written: " + error_text(errno));
    }
    SignalHold hold;
    std::string name = folder_ + "/." + name_of(target_) + ".XXXXXX";
    fd_ = ::mkostemp(name.data(), O_CLOEXEC);
    if (fd_ < 0) return fail("cannot be written: " + error_text(errno));
    temp_ = name;
    armed_ = arm(temp_);
    return true;
}

bool OutputFile::write(std::string_view bytes) {
    while (ok() && !bytes.empty()) {
        const ssize_t n = ::write(fd_, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return fail("cannot be written: " + error_text(n < 0 ? errno : EIO));
        bytes.remove_prefix(std::size_t(n));
    }
    return ok();
}

bool OutputFile::commit() {
    if (!ok()) return false;
    // Looked at again: the file may have come, gone or changed while it was written.
    const Target t = inspect(path_, rules_);
    if (!t.why.empty()) return fail(t.why);
    if (t.path != target_) return fail("cannot be written: its link changed while it was written");
    if (::fchmod(fd_, t.exists ? t.mode : new_file_mode()) != 0 || ::fsync(fd_) != 0)
        return fail("cannot be written: " + error_text(errno));
    SignalHold hold;
    if (unnamed_) {
        // The complete file gets a name beside the target, then the target's.
        const std::string fd_path = "/proc/self/fd/" + std::to_string(fd_);
        for (int tries = 0; temp_.empty() && tries < 100; ++tries) {
            const std::string name = temp_name(folder_, target_);
            if (::linkat(AT_FDCWD, fd_path.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0)
                temp_ = name;
            else if (errno != EEXIST)
                return fail("cannot be written: " + error_text(errno));
        }
        if (temp_.empty()) return fail("cannot be written: " + error_text(EEXIST));
    }
    const int closed = ::close(fd_);
    fd_ = -1;
    if (closed != 0) return fail("cannot be written: " + error_text(errno));
    if (!place()) return false;
    if (armed_) disarm();
    armed_ = false;
    temp_.clear();
    const int dir = ::open(folder_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);  // the rename itself reaches the disk
        ::close(dir);
    }
    return true;
}

// With the signals held: the temporary file becomes the target.
bool OutputFile::place() {
    if (rules_.replace) {
        if (::rename(temp_.c_str(), target_.c_str()) == 0) return true;
        return fail("cannot be written: " + error_text(errno));
    }
    if (::renameat2(AT_FDCWD, temp_.c_str(), AT_FDCWD, target_.c_str(), RENAME_NOREPLACE) == 0) return true;
    // A file system without it: a second name cannot replace a file either.
    if ((errno == EINVAL || errno == ENOSYS) && ::link(temp_.c_str(), target_.c_str()) == 0) {
        ::unlink(temp_.c_str());
        return true;
    }
    return fail(errno == EEXIST ? "exists and was kept" : "cannot be written: " + error_text(errno));
}

std::string output_problem(const std::string& path, const OutputRules& rules) { return inspect(path, rules).why; }

bool write_output(const std::string& path, std::string_view bytes, std::string& why, const OutputRules& rules) {
    OutputFile f(path, rules);
    const bool ok = f.write(bytes) && f.commit();
    why = f.why();
    return ok;
}
