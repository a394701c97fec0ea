#pragma once

#include "readers/cruise_load.h"

// One line on a terminal showing how far a load has got ("Reading 12 of 200
// files, 28.3 of 472.0 MB, 6 %"), written over in place and cleared at the
// end. Nothing at all is written when `fd` is not a terminal, so scripts and
// logs stay quiet.
class TerminalProgress {
public:
    explicit TerminalProgress(int fd);
    void show(const LoadStep& step);
    // Erases the line, if one was shown.
    void clear();

private:
    int fd_;
    bool terminal_;
    bool shown_ = false;
};
