#include "cli/command_line.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <limits>

#include "ui/messages.h"
#include "ui/text_encoding.h"

namespace pivora {

void PrintError(std::string_view program, const std::string& message) {
  std::fprintf(stderr, "%.*s: %s\n", static_cast<int>(program.size()), program.data(),
               message.c_str());
}

CommandLine::CommandLine(std::string_view program, std::vector<std::string> args)
    : program_(program), args_(std::move(args)) {}

bool CommandLine::AtOption() const {
  if (!More() || optionsEnded_) return false;
  const std::string& arg = args_[next_];
  return arg.size() > 1 && arg[0] == '-';
}

bool CommandLine::Flag(std::string_view name) {
  if (!AtOption() || args_[next_] != name) return false;
  ++next_;
  return true;
}

bool CommandLine::Value(std::string_view name, std::string& value) {
  if (!AtOption()) return false;
  const std::string& arg = args_[next_];
  if (arg == name) {
    if (next_ + 1 == args_.size()) {
      Fail(messages::NeedsValue(name));
      return false;
    }
    value = args_[next_ + 1];
    next_ += 2;
    return true;
  }
  if (arg.size() > name.size() && arg.compare(0, name.size(), name) == 0 &&
      arg[name.size()] == '=') {
    value = arg.substr(name.size() + 1);
    ++next_;
    return true;
  }
  return false;
}

bool CommandLine::Operand(std::string& operand) {
  if (!More()) return false;
  if (!optionsEnded_ && args_[next_] == "--") {
    optionsEnded_ = true;
    ++next_;
    return false;
  }
  if (AtOption()) {
    Fail(messages::UnknownOption(QuotedForMessage(args_[next_])));
    return false;
  }
  operand = args_[next_++];
  return true;
}

void CommandLine::Fail(std::string message) {
  if (error_.empty()) error_ = std::move(message);
}

ExitCode CommandLine::UsageError() const {
  PrintError(program_, error_);
  std::fprintf(stderr, "%s\n", messages::TryHelp(program_).c_str());
  return ExitCode::kUsageOrFormat;
}

bool ParseInteger(const std::string& text, int& value, bool* clamped) {
  std::size_t k = 0;
  bool negative = false;
  if (k < text.size() && (text[k] == '+' || text[k] == '-')) negative = text[k++] == '-';
  if (k == text.size()) return false;
  long long magnitude = 0;
  bool beyond = false;
  constexpr long long kLimit = static_cast<long long>(std::numeric_limits<int>::max()) + 1;
  for (; k < text.size(); ++k) {
    if (text[k] < '0' || text[k] > '9') return false;
    magnitude = magnitude * 10 + (text[k] - '0');
    if (magnitude > kLimit) {
      magnitude = kLimit;
      beyond = true;
    }
  }
  const long long largest = negative ? kLimit : kLimit - 1;
  if (magnitude > largest) {
    magnitude = largest;
    beyond = true;
  }
  if (clamped != nullptr) *clamped = beyond;
  value = static_cast<int>(negative ? -magnitude : magnitude);
  return true;
}

bool ParseSeconds(const std::string& text, std::chrono::milliseconds& limit) {
  constexpr long long kLargest = 86'400'000;
  const std::size_t point = text.find('.');
  const std::string whole = text.substr(0, point);
  std::string fraction = point == std::string::npos ? "" : text.substr(point + 1);
  if (whole.empty() || fraction.size() > 3 || (point != std::string::npos && fraction.empty()))
    return false;
  long long ms = 0;
  for (const char c : whole + fraction.append(3 - fraction.size(), '0')) {
    if (c < '0' || c > '9') return false;
    ms = std::min(ms * 10 + (c - '0'), kLargest + 1);
  }
  if (ms < 1 || ms > kLargest) return false;
  limit = std::chrono::milliseconds(ms);
  return true;
}

bool FlushStandardOutput(std::string_view program) {
  if (std::fflush(stdout) == 0 && !std::ferror(stdout)) return true;
  const int error = errno;
  PrintError(program, messages::CannotWriteOutput(error));
  return false;
}

}  // namespace pivora
