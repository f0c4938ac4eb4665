// pivora-solve: the solve command on a problem file, without the window.
#include <cstdio>
#include <string>
#include <vector>

#include "cli/enter_problem.h"
#include "cli/input.h"
#include "cli/problem_file.h"
#include "cli/text_encoding.h"
#include "solver/fp_error.h"
#include "ui/handlers.h"
#include "ui/plain_window.h"

namespace pivora {
namespace {

enum ExitCode { kReportWritten = 0, kInputError = 1, kUsageOrFormat = 2, kFloatingPoint = 3 };

constexpr const char* kUsage =
    "Usage: pivora-solve [--digits N] [--no-details] [--latin1] [FILE | -]\n"
    "\n"
    "Solves the linear programme in FILE (standard input when FILE is - or\n"
    "absent) exactly as the window's solve button does, and prints the report\n"
    "lines that the window's memo would show.\n"
    "\n"
    "  --digits N    significant digits of the values, 3..15 (default 10;\n"
    "                values outside are clamped)\n"
    "  --no-details  leave out the slack lines and the magnitudes in brackets\n"
    "  --latin1      print the report in Latin-1 instead of UTF-8\n"
    "  --help        print this help\n"
    "\n"
    "The problem file: blank lines and lines starting with # are ignored. The\n"
    "first line is max or min, the second the objective row (n cells, 1..50),\n"
    "then one line per constraint (1..50): n coefficients, the relation\n"
    "(<, <=, >, >=, =, ==) and the right-hand side. Cells are separated by\n"
    "blanks or tabs. Example:\n"
    "\n"
    "  max\n"
    "  3 2\n"
    "  1 1 <= 4\n"
    "  1 3 <= 6\n"
    "\n"
    "Exit status: 0 a report was written (optimum, no feasible solution or\n"
    "unbounded), 1 a faulty cell (EINGABEFEHLER!), 2 a usage or file-format\n"
    "error, 3 a floating-point error in the solver.\n";

struct Options {
  int digits = 10;
  bool details = true;
  bool latin1 = false;
  std::string path = "-";
};

int UsageError(const std::string& message) {
  std::fprintf(stderr, "pivora-solve: %s\nTry 'pivora-solve --help'.\n", message.c_str());
  return kUsageOrFormat;
}

// Fills `options`; returns -1 to go on, otherwise the exit code.
int ParseOptions(const std::vector<std::string>& args, Options& options) {
  bool pathSeen = false;
  bool optionsEnded = false;
  for (std::size_t k = 0; k < args.size(); ++k) {
    const std::string& arg = args[k];
    if (!optionsEnded && arg == "--help") {
      std::fputs(kUsage, stdout);
      return kReportWritten;
    }
    if (!optionsEnded && (arg == "--digits" || arg.rfind("--digits=", 0) == 0)) {
      std::string value;
      if (arg == "--digits") {
        if (k + 1 == args.size()) return UsageError("--digits needs a value");
        value = args[++k];
      } else {
        value = arg.substr(9);
      }
      int digits = 0;
      if (!ParseInteger(value, digits))
        return UsageError("--digits needs an integer, not " + QuotedForMessage(value));
      options.digits = digits;
    } else if (!optionsEnded && arg == "--no-details") {
      options.details = false;
    } else if (!optionsEnded && arg == "--latin1") {
      options.latin1 = true;
    } else if (!optionsEnded && arg == "--") {
      optionsEnded = true;
    } else if (!optionsEnded && arg.size() > 1 && arg[0] == '-') {
      return UsageError("unknown option " + QuotedForMessage(arg));
    } else {
      if (pathSeen) return UsageError("only one problem file, please");
      options.path = arg;
      pathSeen = true;
    }
  }
  return -1;
}

int Run(const std::vector<std::string>& args) {
  Options options;
  if (const int code = ParseOptions(args, options); code >= 0) return code;

  const std::string name = InputName(options.path);
  const InputOutcome input = ReadInput(options.path);
  if (input.kind == InputOutcome::Kind::kFailed) {
    std::fprintf(stderr, "pivora-solve: %s: %s\n", name.c_str(), input.message.c_str());
    return kUsageOrFormat;
  }
  const ProblemFileOutcome file = ReadProblemFile(input.content);
  if (file.kind == ProblemFileOutcome::Kind::kMalformed) {
    std::fprintf(stderr, "pivora-solve: %s:%d: %s\n", name.c_str(), file.line,
                 file.message.c_str());
    return kUsageOrFormat;
  }

  PlainWindow window;
  window.SetDigits(options.digits);
  window.SetDetailsChecked(options.details);
  EnterProblem(window, file.problem);

  SolveClickOutcome outcome;
  try {
    outcome = SolveClick(window, &window);
  } catch (const FloatingPointError& error) {
    std::fprintf(stderr, "%s\n", error.what());
    return kFloatingPoint;
  }

  for (const std::string& line : window.SolLines()) {
    const std::string shown = options.latin1 ? line : Latin1ToUtf8(line);
    std::fwrite(shown.data(), 1, shown.size(), stdout);
    std::fputc('\n', stdout);
  }
  if (outcome.kind == SolveClickOutcome::Kind::kInputError) {
    const int line = LineOfCell(file.problem, outcome.inObjectiveGrid, outcome.row);
    std::fprintf(stderr, "pivora-solve: %s:%d: input error in %s: %s\n", name.c_str(), line,
                 DescribeCell(outcome.inObjectiveGrid, outcome.column, outcome.row).c_str(),
                 QuotedForMessage(outcome.faultyText).c_str());
    return kInputError;
  }
  if (outcome.exact) {
    std::fputs(
        "pivora-solve: note: the extended-precision result was replaced by the exact re-solve\n",
        stderr);
  }
  return kReportWritten;
}

}  // namespace
}  // namespace pivora

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  const int code = pivora::Run(args);
  if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
    std::fputs("pivora-solve: cannot write the report to standard output\n", stderr);
    return 2;
  }
  return code;
}
