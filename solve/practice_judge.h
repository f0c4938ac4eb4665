// The practice mode's judgement of a student's pivot, in words and in the
// tableau's own numbers (Latin-1, as the steps view writes): the rule's own
// choice; another choice the exchange method allows, with why its rule
// would take another; or a choice that breaks the method, with what would
// go wrong.
#pragma once

#include <string>

#include "solve/practice_tableau.h"
#include "solve/view_numbers.h"

namespace pivora {

enum class PivotVerdict {
  kRuleChoice,  // the pivot the rule takes
  kAllowed,     // another pivot the method allows
  kRefused,     // a pivot that breaks the method
};

struct PivotJudgement {
  PivotVerdict verdict = PivotVerdict::kRefused;
  // "Richtig: ...", "Erlaubt. ..." or "Nicht erlaubt: ...", one line.
  std::string text;
};

// Judges the pivot `p` on `t`, where the method stands as `assessed` says
// (Assess on `t` with `context`).
PivotJudgement JudgePivot(const TableauSnapshot& t, const TableauAssessment& assessed,
                          const PracticeContext& context, PivotPlace p, ShortViewNumbers& numbers);

// Why `t` is an end, in its own numbers: "Optimal: ...", "KEINE LÖSUNG! ..."
// or "LÖSUNG UNENDLICH! ..."; empty where it is none.
std::string EndReason(const TableauSnapshot& t, const TableauAssessment& assessed, bool maximise,
                      ShortViewNumbers& numbers);

// "Zeile 2 (y2)", "Spalte 1 (x1)": a row or column of `t` (work-tableau
// column j, not a zero variable's) with its variable, numbered as the steps
// view numbers them; "Zeile 2 (y2), Spalte 1 (x1)" for a place.
std::string RowName(const TableauSnapshot& t, int i);
std::string ColumnName(const TableauSnapshot& t, int j);
std::string PlaceName(const TableauSnapshot& t, const PivotPlace& p);

}  // namespace pivora
