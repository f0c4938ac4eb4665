// Small helpers the two front ends share: reading a whole input and reading
// an integer option value.
#pragma once

#include <cstddef>
#include <string>

namespace pivora {

// Inputs above this size are refused: the largest problem is a few kilobytes,
// and this leaves room for very long lines without letting a stray stream
// exhaust the memory.
inline constexpr std::size_t kMaxInputBytes = 64u << 20;

struct InputOutcome {
  enum class Kind { kRead, kFailed };
  Kind kind = Kind::kRead;
  std::string content;
  std::string message;  // kFailed: why, for one line on standard error
};

// The whole file, or standard input when `path` is "-".
InputOutcome ReadInput(const std::string& path);

// The name that messages give an input: the path, or "<stdin>".
std::string InputName(const std::string& path);

// An optional sign and one or more decimal digits, nothing else. Values
// beyond the int range are clamped to it, so "99999999999" is a large
// integer rather than an error.
bool ParseInteger(const std::string& text, int& value);

}  // namespace pivora
