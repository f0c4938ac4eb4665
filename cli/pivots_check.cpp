#include "cli/pivots_check.h"

#include <cstdio>
#include <sstream>
#include <vector>

#include "cli/enter_problem.h"
#include "cli/plot_file.h"
#include "plot/solve_graphically.h"
#include "solve/report.h"
#include "ui/messages.h"
#include "ui/practice_start.h"
#include "ui/text_encoding.h"

namespace pivora {

namespace {

constexpr std::string_view kProgram = "pivora-solve";

// "Z,S Z,S ...": whole numbers inside the tableau of m rows and n columns.
bool ParsePivots(const std::string& text, int m, int n, std::vector<PivotPlace>& pivots,
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
    if (p.row < 1 || p.row > m || p.column < 1 || p.column > n) {
      error = messages::PivotOutside(QuotedForMessage(word), m, n);
      return false;
    }
    pivots.push_back(p);
  }
  return true;
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
  std::vector<PivotPlace> places;
  if (std::string error; !ParsePivots(pivots, session.m(), session.n(), places, error)) {
    PrintError(kProgram, error);
    std::fprintf(stderr, "%s\n", messages::TryHelp(kProgram).c_str());
    return ExitCode::kUsageOrFormat;
  }
  std::string refusal;
  for (std::size_t k = 0; k < places.size() && refusal.empty(); ++k) {
    const PivotJudgement judgement = session.Take(places[k]);
    if (judgement.verdict == PivotVerdict::kRefused) {
      refusal = Numbered("Pivot ", static_cast<long>(k + 1)) +
                Numbered(" in Zeile ", places[k].row) + Numbered(", Spalte ", places[k].column) +
                ":\n" + judgement.text;
    }
  }
  for (const std::string& line : session.SheetLines()) WriteLine(line, latin1);
  if (std::string error; plot && !WritePlot(PlotPractice(session), *plot, error)) {
    PrintError(kProgram, *plot + ": " + error);
    return ExitCode::kUsageOrFormat;
  }
  if (refusal.empty()) return ExitCode::kSuccess;
  WriteLine("", latin1);
  WriteLine(refusal, latin1);  // two lines
  return ExitCode::kPivotRefused;
}

}  // namespace pivora
