// The texts of the main window: its title and labels, the progress dialog
// of a long solve, the context menu, a faulty cell's tooltip and pasting
// into the grids.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "solver/exchange_observer.h"

namespace pivora::messages {

// --- The main window ---
// "Pivora v" and the version; with a file " \u2013 " and its name, "*"
// after it while the problem has unsaved changes; with no file but changes
// " \u2013 Unbenannt*".
std::string WindowTitle(std::string_view fileName, bool changed);
// The fixed labels of the main window, top to bottom.
extern const char* const kHeadline;
extern const char* const kVariablesLabel;
extern const char* const kConstraintsLabel;
extern const char* const kOptimumBox;
extern const char* const kMaximum;
extern const char* const kMinimum;
extern const char* const kSolveButton;
extern const char* const kDetailsBox;
extern const char* const kDigitsLabel;

// --- The window: the progress dialog of a long solve ---
extern const char* const kSolving;
std::string ExchangesSoFar(long exchanges);
// The part of the solve running now and its parts of work done so far.
std::string WorkProgress(WorkPhase phase, long parts);
extern const char* const kCancelSolve;
// Shown once the exact check has run longer than `seconds`.
std::string CheckTakesLong(long seconds);
extern const char* const kTakePlainResult;
// --- The window: the context menu, by group ---
extern const char* const kFileMenu;
extern const char* const kNew;
extern const char* const kOpen;
// The name in the title of a changed problem that belongs to no file.
extern const char* const kUntitled;
extern const char* const kRecentMenu;
extern const char* const kNoRecentFiles;
extern const char* const kSave;
extern const char* const kSaveAs;
extern const char* const kSaveReport;
extern const char* const kPrintReport;
extern const char* const kEditMenu;
extern const char* const kUndo;
extern const char* const kRedo;
extern const char* const kCopy;
extern const char* const kPaste;
extern const char* const kAllIntegers;
extern const char* const kNoIntegers;
// The checkable entry of a variable column's heading: "x3 ganzzahlig".
std::string IntegerEntry(int j);
extern const char* const kViewMenu;
extern const char* const kReportWindow;
extern const char* const kPracticeView;
extern const char* const kStepsView;
extern const char* const kFractionsView;
extern const char* const kRangesView;
extern const char* const kTreeView;
extern const char* const kDualView;
// The progress dialog's line of a branch and bound: "Teilprobleme: 120" and
// ", bester Wert bisher: " before the value.
std::string SubproblemsProgress(long subproblems);
extern const char* const kBestSoFar;
extern const char* const kHelpMenu;
extern const char* const kKeysAndRules;
extern const char* const kAbout;
// --- A faulty cell's tooltip: why the solve could not read it ---
extern const char* const kUseDecimalPoint;
extern const char* const kOnlyBlanks;
extern const char* const kNumberTooLarge;
extern const char* const kWriteWithoutBlanks;
extern const char* const kNumberNotRelation;
extern const char* const kNotANumber;
extern const char* const kRelationsAllowed;
extern const char* const kRelationWithoutBlanks;
// "»0,25« – Dezimalpunkt verwenden": `typed` as the cell shows it (UTF-8)
// and the reason.
std::string CellFaultTip(std::string_view typed, std::string_view reason);

// --- Pasting into the grids ---
std::string BlockDoesNotFit(int height, int width, int column, int row, bool objective,
                            int maxVariables, int maxConstraints);
extern const char* const kDecimalCommaQuestion;
// The rule the question's yes stands for, and the first cells it would
// change (typed, then taken) and leave marked as ambiguous.
std::string DecimalCommaRule(const std::vector<std::pair<std::string, std::string>>& converted,
                             const std::vector<std::string>& ambiguous);
// The tooltip of a pasted cell left marked: `typed` (Latin-1) could be a
// thousands point or a decimal point.
std::string AmbiguousPoint(std::string_view typed);

}  // namespace pivora::messages
