#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace halvane {

// Longest piece of a bad item that a message quotes.
inline constexpr std::size_t quoted_item_limit = 64;

// `item` in double quotes for a message: at most `limit` bytes of it, each
// byte outside printable ASCII written as \xHH (a NUL as \x00), and "..."
// after the closing quote when the item was longer.
std::string quoted(std::string_view item, std::size_t limit = quoted_item_limit);

}  // namespace halvane
