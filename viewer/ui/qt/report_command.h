#pragma once

#include <string>

// `quenvar9 --report stations|track|cast|casts [--output FILE.pdf] FILE...`:
// loads the files in order as the command line does, writes one report and
// returns the exit status: 0 when the report was written and no load stopped,
// 1 when a load stopped or the PDF could not be written, 2 for a usage error.
// Needs no display.
int report_command(int argc, char* argv[]);

// The text of --help.
std::string report_usage();
