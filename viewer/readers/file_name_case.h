#pragma once

#include <string>

// Cast files copied from DOS media often come with their names in another
// letter case (en617d001.pre for EN617d001.PRE). The path of the one entry of
// `path`'s folder whose name equals `path`'s name in any letter case (ASCII),
// when no file has the exact name; `path` itself when the exact name exists,
// when no entry or more than one entry matches, or when the folder cannot be
// read.
std::string match_name_case(const std::string& path);
