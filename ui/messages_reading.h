// The report explains itself: what a word of the report under the pointer
// is, in German (UTF-8), with the solved problem's own numbers. The texts of
// the hover tips over the memo and the report window, beside ui/messages.*.
#pragma once

#include <string>
#include <vector>

namespace pivora {

// The problem as the solve read it: the cell texts within the counts,
// defaults written (Latin-1).
struct ReportProblem {
  int n = 0;
  int m = 0;
  bool maximise = true;
  std::vector<std::vector<std::string>> constraints;  // n coefficients, relation, right-hand side
  std::vector<std::string> objective;                 // n coefficients
};

// The tip for the word at `column` of line `line` of `lines` (the report,
// Latin-1); empty where there is nothing to say.
std::string ExplainReportWord(const std::vector<std::string>& lines, int line, int column,
                              const ReportProblem& problem);

}  // namespace pivora
