#include "ui/load_cruise.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <algorithm>
#include <cctype>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <optional>

#include "format/number_format.h"
#include "format/utf8_text.h"
#include "readers/bongo_reader.h"
#include "readers/cnv_reader.h"
#include "readers/record_fields.h"
#include "readers/sb911_reader.h"
#include "ui/profile_plot.h"
#include "ui/section_window.h"
#include "ui/station_map.h"
#include "ui/ts_window.h"

namespace {

// Steps 1 and 2 of a load: the listing back to its heading, the map cleared.
void begin_load(Viewer& v) {
    v.lister.surface().Cls();
    list_heading(v);
    v.Stations.surface().Cls();
}

ReadProgress show_progress(Viewer& v) {
    return [&v](const std::string& castfile) { v.filemsg.Text("Reading: " + shown_name(castfile)); };
}

// "Reading N of M: FILE", at most 10 times a second however fast the files go.
LoadProgress show_load_step(Viewer& v) {
    using Clock = std::chrono::steady_clock;
    return [&v, last = std::optional<Clock::time_point>()](const LoadStep& step) mutable {
        const Clock::time_point now = Clock::now();
        if (last && now - *last < std::chrono::milliseconds(100)) return;
        last = now;
        v.filemsg.Text("Reading " + std::to_string(step.n) + " of " + std::to_string(step.m) + ": " + *step.file);
        v.filemsg.Progress(step);
    };
}

std::string problem_text(const LoadResult& r) {
    std::string text;
    for (const LoadIssue& issue : r.issues) text += shown_name(issue.file) + ": " + shown_name(issue.what) + "\n";
    if (r.stopped) {
        text += "The load stopped early; ";
        if (r.casts_loaded() <= 0)
            text += "no cast was loaded.";
        else
            text += "casts " + std::to_string(r.first_cast) + " to " + std::to_string(r.ncast) + " are loaded.";
    } else {
        text.pop_back();
    }
    return text;
}

// The end of every load, complete or stopped: the redraws, then the
// problems met, if any.
void end_load(Viewer& v, const std::string& path, const LoadResult& r, const char* title) {
    v.filemsg.Visible(false);
    if (r.header_read) v.report_folder = folder_of(path);
    const CoastResult coast = stamap(v);
    drawaxes(v);
    v.d.curcast = r.first_cast;
    show_ts(v);
    drawcast(v, r.first_cast);
    section_loaded(v);
    // Every later redraw of the map meets the same fault; it is told here only.
    if (!coast.ok()) v.quenvar.status("No coastline on the map: " + shown_name(coast.message()));
    if (!r.issues.empty()) v.alerts.message_box(title, problem_text(r));
}

std::string numbers_line(const double (&x)[3]) {
    return signed_text(x[0]) + " " + signed_text(x[1]) + " " + signed_text(x[2]);
}

std::string diagnostic_text(const std::vector<TowDiagnostic>& tows) {
    std::string out;
    for (const TowDiagnostic& t : tows) {
        out += numbers_line(t.first) + '\n' + signed_text(t.j) + '\n' + numbers_line(t.last) + '\n';
        out += "k:" + signed_text(t.k) + '\n' + "m:" + signed_text(t.m) + '\n';
    }
    return out;
}

// The diagnostic file lies in a folder others may write to, so it is never
// reached through a link: opened without following one, and kept only when
// it is a regular file of this user's with no other name; then emptied.
// -1 with the reason in `why` otherwise.
int open_diagnostic(const std::string& path, std::string& why) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
    if (fd < 0) {
        why = errno == ELOOP ? "it is a symbolic link" : std::strerror(errno);
        return -1;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_nlink != 1 || st.st_uid != ::geteuid()) {
        why = "it is not a regular file of this user's alone";
    } else if (::ftruncate(fd, 0) != 0) {
        why = std::strerror(errno);
    } else {
        return fd;
    }
    ::close(fd);
    return -1;
}

bool write_all(int fd, const std::string& text) {
    for (std::size_t done = 0; done < text.size();) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += std::size_t(n);
    }
    return true;
}

}  // namespace

LoadResult readsb911(Viewer& v, const std::string& path) {
    begin_load(v);
    v.filemsg.Visible(true);
    const LoadResult r = read_sb911(v.d, path, show_progress(v));
    end_load(v, path, r, "SB911 data");
    return r;
}

LoadResult readbongo(Viewer& v, const std::string& path) {
    const std::string& diagnostic = v.paths.diagnostic;
    std::string why;
    const int fd = diagnostic.empty() ? -1 : open_diagnostic(diagnostic, why);

    begin_load(v);
    v.filemsg.Visible(true);
    BongoResult r = read_bongo(v.d, path, show_progress(v));

    if (fd >= 0) {
        if (!write_all(fd, diagnostic_text(r.tows))) why = std::strerror(errno);
        if (::close(fd) != 0 && why.empty()) why = std::strerror(errno);
    }
    // Nothing reads the diagnostic file, so failing to write it does not stop
    // the load; the user still hears of it.
    if (!why.empty()) r.issues.push_back({diagnostic, "the diagnostic file could not be written: " + why});
    end_load(v, path, r, "Bongo-SB data");
    return r;
}

LoadResult readcnv(Viewer& v, const std::vector<std::string>& paths) {
    if (paths.empty()) return {};
    begin_load(v);
    v.filemsg.Visible(true);
    const LoadResult r = read_cnv(v.d, paths, show_load_step(v));
    end_load(v, cnv_load_order(paths).front(), r, "CNV casts");
    return r;
}

namespace {

std::string lower_name(const std::string& path) {
    std::string name = path.substr(path.rfind('/') + 1);
    std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return std::tolower(c); });
    return name;
}

}  // namespace

bool is_cnv_path(const std::string& path) {
    const std::string name = lower_name(path);
    return name.size() >= 4 && name.compare(name.size() - 4, 4, ".cnv") == 0;
}

LoadResult load_file(Viewer& v, const std::string& path) {
    if (is_cnv_path(path)) return readcnv(v, {path});
    return lower_name(path) == "header.dat" ? readbongo(v, path) : readsb911(v, path);
}

std::vector<LoadResult> load_files(Viewer& v, const std::vector<std::string>& paths) {
    std::vector<LoadResult> results;
    for (std::size_t i = 0; i < paths.size();) {
        std::size_t end = i + 1;
        if (is_cnv_path(paths[i])) {
            while (end < paths.size() && is_cnv_path(paths[end])) ++end;
            results.push_back(readcnv(v, {paths.begin() + std::ptrdiff_t(i), paths.begin() + std::ptrdiff_t(end)}));
        } else {
            results.push_back(load_file(v, paths[i]));
        }
        i = end;
    }
    return results;
}
