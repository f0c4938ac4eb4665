// pivora-solve: the solve command on a problem file, without the window.
#include <chrono>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/command_line.h"
#include "cli/enter_problem.h"
#include "cli/gmp_memory.h"
#include "cli/input.h"
#include "cli/load_problem.h"
#include "cli/pivots_check.h"
#include "cli/plot_file.h"
#include "files/problem_file.h"
#include "plot/graphical_solution.h"
#include "solve/model_optimum.h"
#include "ui/handlers.h"
#include "ui/messages.h"
#include "ui/plain_window.h"
#include "ui/text_encoding.h"
#include "ui/time_limit.h"

namespace pivora {
namespace {

constexpr std::string_view kProgram = "pivora-solve";

// Unset options take the problem file's settings, then the window's defaults.
struct Options {
  std::optional<int> digits;
  std::optional<bool> details;
  bool latin1 = false;
  std::optional<std::string> plot;    // the picture's file
  std::optional<std::string> pivots;  // the exercise sheet's pivots
  std::chrono::milliseconds timeLimit = kDefaultTimeLimit;
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
      std::fputs(messages::kSolveHelp, stdout);
      exit = ExitCode::kSuccess;
      return false;
    }
    if (line.Value("--digits", value)) {
      if (int digits = 0; ParseInteger(value, digits)) {
        options.digits = digits;
      } else {
        line.Fail(messages::DigitsNotInteger(QuotedForMessage(value)));
      }
    } else if (line.Flag("--no-details")) {
      options.details = false;
    } else if (line.Flag("--steps")) {
      options.views.steps = true;
    } else if (line.Flag("--fractions")) {
      options.views.fractions = true;
    } else if (line.Flag("--ranges")) {
      options.views.ranges = true;
    } else if (line.Flag("--tree")) {
      options.views.tree = true;
    } else if (line.Flag("--dual")) {
      options.views.dual = true;
    } else if (line.Flag("--latin1")) {
      options.latin1 = true;
    } else if (line.Value("--plot", value)) {
      options.plot = value;
    } else if (line.Value("--pivots", value)) {
      options.pivots = value;
    } else if (line.Value("--time-limit", value)) {
      if (!ParseSeconds(value, options.timeLimit))
        line.Fail(messages::TimeLimitOutOfRange(QuotedForMessage(value)));
    } else if (line.Operand(value)) {
      if (pathSeen) line.Fail(messages::kOnlyOneProblemFile);
      options.path = value;
      pathSeen = true;
    }
  }
  if (options.pivots && (options.views.steps || options.views.ranges)) {
    line.Fail(messages::kPivotsWithoutViews);
  }
  if (!line.Failed()) return true;
  exit = line.UsageError();
  return false;
}

ExitCode Run(const std::vector<std::string>& args) {
  // The limit counts from here: reading the file is part of the run.
  const CoarseClock::time_point start = CoarseClock::now();
  Options options;
  if (ExitCode exit = ExitCode::kSuccess; !ParseOptions(args, options, exit)) return exit;

  const std::string name = InputName(options.path);
  const std::optional<LoadedProblem> loaded = LoadProblem(kProgram, options.path);
  if (!loaded) return ExitCode::kUsageOrFormat;
  const ProblemFile& problem = loaded->problem;

  // A picture that cannot be drawn is left out; the report is written and
  // the exit is as without --plot.
  if (options.plot && !CanDraw(problem.n)) {
    PrintError(kProgram, "--plot: " + Latin1ToUtf8(TooManyVariablesText(problem.n)));
    options.plot.reset();
  }

  PlainWindow window;
  window.SetDigits(options.digits.value_or(problem.digits.value_or(window.DigitsValue())));
  window.SetDetailsChecked(
      options.details.value_or(problem.details.value_or(window.DetailsChecked())));
  window.SetViews(options.views);
  if (loaded->legend) window.SetObjectiveConstant(loaded->legend->objectiveConstant);
  EnterProblem(window, problem);
  if (options.pivots) {
    return CheckPivots(window, *options.pivots, name, problem, options.latin1, options.plot);
  }

  TimeLimitedSolve runner(SolveDeadline(start, options.timeLimit));
  const SolveClickOutcome outcome = SolveClick(window, &window, runner);
  if (outcome.kind == SolveClickOutcome::Kind::kFloatingPointError) {
    PrintError(kProgram, name + ": " + messages::FloatingPointError(outcome.result.fault));
    if (outcome.checked) return ExitCode::kFloatingPoint;
    PrintError(kProgram, messages::TimeLimitNote(messages::TimeLimitEnd::kPlainFault,
                                                 options.timeLimit));
    return ExitCode::kUnchecked;
  }

  std::vector<std::string> lines = window.SolLines();
  if (!outcome.modelOptimum.empty()) InsertAfterOptimum(lines, outcome.modelOptimum);
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
    PrintError(kProgram, messages::kExactReSolveNote);
  }
  // Only the limit stops a solve here.
  const std::optional<messages::TimeLimitEnd> stopped =
      outcome.kind == SolveClickOutcome::Kind::kCancelled ? messages::TimeLimitEnd::kNoResult
      : !outcome.checked                                  ? messages::TimeLimitEnd::kPlainReport
      : outcome.viewsLeftOut ? std::optional(messages::TimeLimitEnd::kViewsLeftOut)
                             : std::nullopt;
  if (!stopped) return ExitCode::kSuccess;
  PrintError(kProgram, messages::TimeLimitNote(*stopped, options.timeLimit));
  return ExitCode::kUnchecked;
}

}  // namespace
}  // namespace pivora

int main(int argc, char** argv) {
  pivora::UseSmallBlocksForGmp();
  const std::vector<std::string> args(argv + 1, argv + argc);
  const pivora::ExitCode code = pivora::Run(args);
  if (!pivora::FlushStandardOutput(pivora::kProgram)) {
    return static_cast<int>(pivora::ExitCode::kUsageOrFormat);
  }
  return static_cast<int>(code);
}
