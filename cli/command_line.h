// What the two programs share at their front: the exit codes, reading the
// command line, and the one-line messages on standard error.
#pragma once

#include <chrono>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace pivora {

// The exit status of pivora-solve and pivora-bench.
enum class ExitCode {
  kSuccess = 0,         // a report was written / every file measured
  kInputError = 1,      // a faulty cell (EINGABEFEHLER!)
  kUsageOrFormat = 2,   // a usage error, an unreadable or malformed file, or
                        // standard output could not be written
  kFloatingPoint = 3,   // a floating-point error ended the solve
  kPivotRefused = 4,    // --pivots: a pivot broke the exchange method's rules
  kUnchecked = 5,       // the time limit stopped the exact check: the report
                        // is the plain run's, unchecked, or lacks its views,
                        // or the floating-point error is the plain run's
  kLibraryMissing = 6,  // a library loaded on first use could not be loaded
};

// Writes "PROGRAM: MESSAGE" as one line on standard error.
void PrintError(std::string_view program, const std::string& message);

// The command line after the program name, read front to back. Options come
// as "--name", "--name VALUE" or "--name=VALUE"; "--" ends the options, and
// "-" alone is an operand (standard input). The first usage error stops the
// reading and is kept for UsageError().
class CommandLine {
 public:
  CommandLine(std::string_view program, std::vector<std::string> args);

  // True while arguments are left and no usage error has been found.
  bool More() const { return error_.empty() && next_ < args_.size(); }

  // Takes the next argument if it is the flag `name`.
  bool Flag(std::string_view name);
  // Takes the next argument if it is the option `name` with a value; a
  // missing value is a usage error.
  bool Value(std::string_view name, std::string& value);
  // Takes the next argument as an operand; an option nobody took is a usage
  // error. Call after every Flag and Value test has failed.
  bool Operand(std::string& operand);

  // Records a usage error of the caller's own (a bad value, too many files).
  void Fail(std::string message);
  bool Failed() const { return !error_.empty(); }
  // Writes the usage error and the hint to --help on standard error.
  ExitCode UsageError() const;

 private:
  bool AtOption() const;

  std::string program_;
  std::vector<std::string> args_;
  std::size_t next_ = 0;
  bool optionsEnded_ = false;
  std::string error_;
};

// Reads an optional sign and one or more decimal digits, nothing else, into
// `value`. Values beyond the int range are clamped to it, so "99999999999"
// is a large integer rather than an error; `clamped` says it happened.
bool ParseInteger(const std::string& text, int& value, bool* clamped = nullptr);

// Reads a time in seconds, whole or with up to three decimals after a
// point ("10", "0.25"), from 0.001 to 86400, into `limit`.
bool ParseSeconds(const std::string& text, std::chrono::milliseconds& limit);

// Flushes standard output; false (after a message on standard error) when
// the output could not be written, for example on a full device.
bool FlushStandardOutput(std::string_view program);

}  // namespace pivora
