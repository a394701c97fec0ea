#pragma once

#include <string>
#include <vector>

#include "plot/canvas.h"
#include "plot/section_grid.h"
#include "readers/cruise_load.h"
#include "surface/plot_surface.h"
#include "ui/scroll_bar.h"

// What the routines see of each window. The Qt windows implement these; tests
// implement them with recording surfaces and small fakes.

// The main window `quenvar`: the profile plot.
class ProfileWindow {
public:
    virtual ~ProfileWindow() = default;
    virtual PlotSurface& surface() = 0;
    virtual void Caption(const std::string& title) = 0;
    // A short note in the window's status line (the file a print job wrote, a
    // coastline that could not be drawn).
    virtual void status(const std::string& text) = 0;
};

// The `Stations` window: the station map. Width and Height are outer sizes in
// twips.
class MapWindow {
public:
    virtual ~MapWindow() = default;
    virtual PlotSurface& surface() = 0;
    virtual void Visible(bool on) = 0;
    virtual bool Visible() const = 0;
    virtual double Width() const = 0;
    virtual void Height(double twips) = 0;
};

// The `lister` window: the data listing and its scroll bar.
class ListerWindow {
public:
    virtual ~ListerWindow() = default;
    virtual PlotSurface& surface() = 0;
    virtual ScrollBar& VScroll1() = 0;
};

// The six text fields of the `info` window.
enum class InfoField { labsta, lablat, lablong, labdate, labhour, labbot };

class InfoWindow {
public:
    virtual ~InfoWindow() = default;
    virtual void Text(InfoField field, const std::string& text) = 0;
};

// The `filemsg` text box of the main window. Setting the text shows it at once,
// even while a load keeps the event loop waiting.
class FileMessage {
public:
    virtual ~FileMessage() = default;
    virtual void Visible(bool on) = 0;
    virtual void Text(const std::string& text) = 0;
    // How far a load of many files has got, told with each text it sets (the
    // command line draws a progress line from it).
    virtual void Progress(const LoadStep&) {}
};

// The `limitbox` dialog.
class LimitDialog {
public:
    virtual ~LimitDialog() = default;
    virtual ScrollBar& minscrol() = 0;
    virtual ScrollBar& maxscrol() = 0;
    virtual void min(const std::string& text) = 0;  // text box `min`
    virtual void max(const std::string& text) = 0;  // text box `max`
    virtual void Caption(const std::string& title) = 0;
    virtual void Visible(bool on) = 0;
};

// The printer: each job draws on a surface that writes one PDF file, replaced
// if it exists, when the job's EndDoc is called.
class Printer {
public:
    virtual ~Printer() = default;
    // Starts a job writing `path`. The surface stays valid until the next job.
    virtual PlotSurface& job(const std::string& path) = 0;
    // The same on landscape pages, where the printer has them.
    virtual PlotSurface& landscape_job(const std::string& path) { return job(path); }
    // Whether the last job's file was written; a reason when it was not.
    virtual bool last_job_ok(std::string* why) const = 0;
};

// A companion window that shows one drawing laid out on a Canvas: the T-S
// diagram, the section.
class PlotWindow {
public:
    virtual ~PlotWindow() = default;
    virtual PlotSurface& surface() = 0;
    virtual void Visible(bool on) = 0;
    virtual bool Visible() const = 0;
    // The client area in the surface's user units before any Scale (logical
    // pixels), with the size of the window's text.
    virtual Canvas canvas() const = 0;
};

// The section dialog: first and last cast, and the variable.
class SectionDialog {
public:
    virtual ~SectionDialog() = default;
    // Offers casts 1..ncast and the variables `vars` (codes), set to `choice`, and shows itself.
    virtual void offer(const SectionChoice& choice, int ncast, const std::vector<int>& vars) = 0;
    // What the dialog holds now.
    virtual SectionChoice choice() const = 0;
    virtual void Visible(bool on) = 0;
};

// A modal message the user acknowledges with OK.
class Alerts {
public:
    virtual ~Alerts() = default;
    virtual void message_box(const std::string& title, const std::string& text) = 0;
};
