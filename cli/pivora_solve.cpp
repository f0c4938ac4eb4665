// pivora-solve: the solve command on a problem file, without the window.
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/command_line.h"
#include "cli/enter_problem.h"
#include "cli/input.h"
#include "cli/load_problem.h"
#include "cli/plot_file.h"
#include "plot/graphical_solution.h"
#include "files/problem_file.h"
#include "solver/fp_error.h"
#include "ui/handlers.h"
#include "ui/text_encoding.h"
#include "ui/plain_window.h"

namespace pivora {
namespace {

constexpr std::string_view kProgram = "pivora-solve";

constexpr const char* kUsage =
    "Usage: pivora-solve [--digits N] [--no-details] [--steps] [--fractions]\n"
    "                    [--ranges] [--latin1] [--plot IMAGE] [FILE | -]\n"
    "\n"
    "Solves the linear programme in FILE (standard input when FILE is - or\n"
    "absent) exactly as the window's solve button does, and prints the report\n"
    "lines that the window's memo would show.\n"
    "\n"
    "  --digits N    significant digits of the values, 3..15 (default 10;\n"
    "                values outside are clamped)\n"
    "  --no-details  leave out the slack lines and the magnitudes in brackets\n"
    "  --steps       print every exchange step before the report: each tableau\n"
    "                with the pivot marked and the rule that chose it\n"
    "  --fractions   print every number as an exact reduced fraction\n"
    "  --ranges      print the shadow prices, reduced costs and the ranges of\n"
    "                the right-hand sides and objective coefficients within\n"
    "                which the first optimal basis stays optimal\n"
    "  --latin1      print the report in Latin-1 instead of UTF-8\n"
    "  --plot IMAGE  also draw the graphical solution of a problem with 1 or 2\n"
    "                variables into IMAGE, an SVG (.svg) or PNG (.png) file\n"
    "  --help        print this help\n"
    "\n"
    "The problem file: blank lines and lines starting with # are ignored. The\n"
    "first line is max or min, the second the objective row (n cells, 1..50),\n"
    "then one line per constraint (1..50): n coefficients, the relation\n"
    "(<, <=, >, >=, =, ==) and the right-hand side. Cells are separated by\n"
    "blanks or tabs; a cell in double quotes may hold blanks (\"\" is an\n"
    "empty cell, and \"\" inside stands for one quote). The max/min line may\n"
    "go on with digits=N and details=on|off, which the options override.\n"
    "Example:\n"
    "\n"
    "  max\n"
    "  3 2\n"
    "  1 1 <= 4\n"
    "  1 3 <= 6\n"
    "\n"
    "FILE may also be an LP model (ending .lp) or an MPS model (.mps, free\n"
    "or fixed), read with GLPK: bounds become constraint rows, free and\n"
    "negative-bounded variables are split or shifted so that all are\n"
    "non-negative, and a legend after the report says which x[j] and y[i]\n"
    "stand for which column, row or bound of the model.\n"
    "\n"
    "Exit status: 0 a report was written (optimum, no feasible solution or\n"
    "unbounded), 1 a faulty cell (EINGABEFEHLER!), 2 a usage or file-format\n"
    "error, 3 a floating-point error in the solver.\n";

// Unset options take the problem file's settings, then the window's defaults.
struct Options {
  std::optional<int> digits;
  std::optional<bool> details;
  bool latin1 = false;
  std::optional<std::string> plot;  // the picture's file
  ReportViews views;
  std::string path = "-";
};

// Fills `options`; false when the program should end with `exit`.
bool ParseOptions(const std::vector<std::string>& args, Options& options, ExitCode& exit) {
  CommandLine line(kProgram, args);
  bool pathSeen = false;
  while (line.More()) {
    std::string value;
    if (line.Flag("--help")) {
      std::fputs(kUsage, stdout);
      exit = ExitCode::kSuccess;
      return false;
    }
    if (line.Value("--digits", value)) {
      if (int digits = 0; ParseInteger(value, digits)) {
        options.digits = digits;
      } else {
        line.Fail("--digits needs an integer, not " + QuotedForMessage(value));
      }
    } else if (line.Flag("--no-details")) {
      options.details = false;
    } else if (line.Flag("--steps")) {
      options.views.steps = true;
    } else if (line.Flag("--fractions")) {
      options.views.fractions = true;
    } else if (line.Flag("--ranges")) {
      options.views.ranges = true;
    } else if (line.Flag("--latin1")) {
      options.latin1 = true;
    } else if (line.Value("--plot", value)) {
      options.plot = value;
    } else if (line.Operand(value)) {
      if (pathSeen) line.Fail("only one problem file, please");
      options.path = value;
      pathSeen = true;
    }
  }
  if (!line.Failed()) return true;
  exit = line.UsageError();
  return false;
}

ExitCode Run(const std::vector<std::string>& args) {
  Options options;
  if (ExitCode exit = ExitCode::kSuccess; !ParseOptions(args, options, exit)) return exit;

  const std::string name = InputName(options.path);
  const std::optional<LoadedProblem> loaded = LoadProblem(kProgram, options.path);
  if (!loaded) return ExitCode::kUsageOrFormat;
  const ProblemFile& problem = loaded->problem;

  if (options.plot && problem.n > 2) {
    PrintError(kProgram, "--plot: " + Latin1ToUtf8(TooManyVariablesText(problem.n)));
    return ExitCode::kUsageOrFormat;
  }

  PlainWindow window;
  window.SetDigits(options.digits.value_or(problem.digits.value_or(window.DigitsValue())));
  window.SetDetailsChecked(
      options.details.value_or(problem.details.value_or(window.DetailsChecked())));
  window.SetViews(options.views);
  EnterProblem(window, problem);

  SolveClickOutcome outcome;
  try {
    outcome = SolveClick(window, &window);
  } catch (const FloatingPointError& error) {
    PrintError(kProgram, name + ": " + error.what());
    return ExitCode::kFloatingPoint;
  }

  std::vector<std::string> lines = window.SolLines();
  if (loaded->legend) {
    lines.emplace_back();
    for (std::string& line : loaded->legend->Lines()) lines.push_back(std::move(line));
  }
  for (const std::string& line : lines) {
    const std::string shown = options.latin1 ? line : Latin1ToUtf8(line);
    std::fwrite(shown.data(), 1, shown.size(), stdout);
    std::fputc('\n', stdout);
  }
  if (outcome.kind == SolveClickOutcome::Kind::kInputError) {
    PrintError(kProgram, InputErrorMessage(name, problem, outcome.inObjectiveGrid, outcome.column,
                                           outcome.row, outcome.faultyText));
    return ExitCode::kInputError;
  }
  if (std::string error; options.plot && !WriteProblemPlot(window, *options.plot, error)) {
    PrintError(kProgram, *options.plot + ": " + error);
    return ExitCode::kUsageOrFormat;
  }
  if (outcome.exact) {
    PrintError(kProgram, "note: the extended-precision result was replaced by the exact re-solve");
  }
  return ExitCode::kSuccess;
}

}  // namespace
}  // namespace pivora

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  const pivora::ExitCode code = pivora::Run(args);
  if (!pivora::FlushStandardOutput(pivora::kProgram)) {
    return static_cast<int>(pivora::ExitCode::kUsageOrFormat);
  }
  return static_cast<int>(code);
}
