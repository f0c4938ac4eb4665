// Reading a whole input, a file or standard input, for the two front ends.
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

}  // namespace pivora
