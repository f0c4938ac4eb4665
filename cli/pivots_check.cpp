#include "cli/pivots_check.h"

#include <cstdio>
#include <optional>
#include <sstream>
#include <utility>
#include <vector>

#include "cli/enter_problem.h"
#include "cli/plot_file.h"
#include "plot/solve_graphically.h"
#include "solve/report.h"
#include "solve/steps_report.h"
#include "ui/messages.h"
#include "ui/practice_start.h"
#include "ui/text_encoding.h"

namespace pivora {

namespace {

constexpr std::string_view kProgram = "pivora-solve";

// "Z,S Z,S ...": pairs of whole numbers, each kept with its word.
bool ParsePivots(const std::string& text, std::vector<std::pair<PivotPlace, std::string>>& pivots,
                 std::string& error) {
  std::istringstream words(text);
  for (std::string word; words >> word;) {
    const std::size_t comma = word.find(',');
    PivotPlace p;
    if (comma == std::string::npos || !ParseInteger(word.substr(0, comma), p.row) ||
        !ParseInteger(word.substr(comma + 1), p.column)) {
      error = messages::PivotNotAPair(QuotedForMessage(word));
      return false;
    }
    pivots.emplace_back(p, word);
  }
  return true;
}

// The work-tableau place of row i and shown column j of `t` (the steps
// view's numbers), if there is one.
std::optional<PivotPlace> WorkPlace(const TableauSnapshot& t, const PivotPlace& shown) {
  const int column = shown.column >= 1 ? WorkColumn(t, shown.column) : 0;
  if (shown.row < 1 || shown.row > t.m || column == 0) return std::nullopt;
  return PivotPlace{shown.row, column};
}

void WriteLine(const std::string& line, bool latin1) {
  const std::string shown = latin1 ? line : Latin1ToUtf8(line);
  std::fwrite(shown.data(), 1, shown.size(), stdout);
  std::fputc('\n', stdout);
}

}  // namespace

ExitCode CheckPivots(PlainWindow& window, const std::string& pivots, const std::string& name,
                     const ProblemFile& problem, bool latin1,
                     const std::optional<std::string>& plot) {
  const PracticeStart start = StartPractice(window);
  if (start.fault) {
    WriteLine(std::string(kInputErrorLine), latin1);
    PrintError(kProgram,
               InputErrorMessage(name, problem, start.fault->inObjectiveGrid, start.fault->column,
                                 start.fault->row, start.fault->text));
    return ExitCode::kInputError;
  }
  PracticeSession& session = *start.session;
  // Every pair is taken where it stands in the tableau of its turn: the
  // columns shrink as equations' zero variables leave.
  std::vector<std::pair<PivotPlace, std::string>> places;
  std::string error;
  std::string refusal;
  ParsePivots(pivots, places, error);
  for (std::size_t k = 0; k < places.size() && error.empty() && refusal.empty(); ++k) {
    const auto& [shown, word] = places[k];
    const std::optional<PivotPlace> place = WorkPlace(session.Tableau(), shown);
    if (!place) {
      const TableauSnapshot& t = session.Tableau();
      error = messages::PivotOutside(QuotedForMessage(word), t.m, ShownColumn(t, t.n));
      break;
    }
    const PivotJudgement judgement = session.Take(*place);
    if (judgement.verdict == PivotVerdict::kRefused) {
      refusal = messages::RefusedPivot(static_cast<long>(k + 1), shown.row, shown.column) + "\n" +
                judgement.text;
    }
  }
  if (!error.empty()) {
    PrintError(kProgram, error);
    std::fprintf(stderr, "%s\n", messages::TryHelp(kProgram).c_str());
    return ExitCode::kUsageOrFormat;
  }
  for (const std::string& line : session.SheetLines()) WriteLine(line, latin1);
  if (plot && !WritePlot(PlotPractice(session), *plot, error)) {
    PrintError(kProgram, *plot + ": " + error);
    return ExitCode::kUsageOrFormat;
  }
  if (refusal.empty()) return ExitCode::kSuccess;
  WriteLine("", latin1);
  WriteLine(refusal, latin1);  // two lines
  return ExitCode::kPivotRefused;
}

}  // namespace pivora
