#pragma once

#include <string>
#include <string_view>

namespace halvane {

// Width of every text field of a run: file names, the grid option, the mesh title.
inline constexpr std::size_t text_width = 72;

// A 72-character text: a shorter answer is filled with blanks on the right,
// a longer one is cut to its first 72 characters.
std::string make_text72(std::string_view answer);

// The text without its trailing blanks, as file names are used.
std::string_view trimmed(std::string_view text);

}  // namespace halvane
