// Conversions at the front ends' edges, the one home of Latin-1 to UTF-8: the
// report and the cells are Latin-1 inside the program, and UTF-8 (or, on
// request, Latin-1) on the terminal and in the tooltips of marked cells.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace pivora {

// Every byte as the Unicode character of the same number, in UTF-8.
std::string Latin1ToUtf8(std::string_view latin1);

// A cell text for a one-line message: in double quotes, at most `limit`
// bytes of it (then "..." and the full length), control bytes, backslashes,
// quotes and bytes that are not part of well-formed UTF-8 written as \xNN
// or \\ and \", and characters that show as nothing or as a blank (no-break
// spaces, zero-width characters, the byte order mark) as \uXXXX.
std::string QuotedForMessage(std::string_view text, std::size_t limit = 80);

}  // namespace pivora
