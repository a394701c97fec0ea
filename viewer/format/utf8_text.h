#pragma once

#include <string>
#include <string_view>

// Text read from a file (a station name, a header value) as valid UTF-8 that
// is safe to show, print and export: well-formed UTF-8 sequences are kept,
// every other byte is read as Latin-1 (0xB0 becomes the degree sign U+00B0),
// and control characters are dropped: C0 (tab, CR and LF included), DEL and
// C1 (U+0080 to U+009F). Overlong forms, surrogates and code points beyond
// U+10FFFF are not well-formed; their bytes are read as Latin-1 one by one.
[[nodiscard]] std::string utf8_text(std::string_view bytes);

// True when `bytes` is well-formed UTF-8 (control characters allowed).
[[nodiscard]] bool is_utf8(std::string_view bytes);

// A file name as a message shows it: well-formed UTF-8 is kept, and every
// byte of a control character (below 0x20, DEL, C1) or of a sequence that is
// not well-formed is written \xHH, so no message can carry a terminal control
// sequence. Nothing is cut.
[[nodiscard]] std::string shown_name(std::string_view name);
