// The texts of the window and its own windows: the title, the progress
// dialog of a long solve, the context menu, the report window, the practice
// window, the graphical solution and pasting into the grids.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "solver/exchange_observer.h"

namespace pivora::messages {

// --- The main window ---
// "Pivora v6.0"; with a file " \u2013 " and its name, "*" after it while the
// problem has unsaved changes; with no file but changes " \u2013 Unbenannt*".
std::string WindowTitle(std::string_view fileName, bool changed);

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
// --- The report window ---
extern const char* const kReportWindowTitle;
extern const char* const kZoomIn;
extern const char* const kZoomOut;
extern const char* const kZoomReset;
extern const char* const kFitToWidth;
extern const char* const kCopyLatex;
extern const char* const kLatexCopied;
extern const char* const kNoStepsForLatex;
extern const char* const kSaveReportTitle;
extern const char* const kSaveReportFilter;
// --- The practice window ---
extern const char* const kPracticeTitle;
extern const char* const kPracticeHowTo;
extern const char* const kPracticeHint;
extern const char* const kPracticeFractions;
extern const char* const kPracticeRestart;
extern const char* const kPracticeCopyText;
extern const char* const kPracticeCopyLatex;
extern const char* const kPracticeTextCopied;
extern const char* const kPracticeLatexCopied;
extern const char* const kClose;
// A click outside rows 1..m and the columns of the non-basic variables.
std::string PracticeNotAPivot(int rows);
// A faulty cell: `inputError` is InputError's text.
std::string PracticeNeedsEveryCell(std::string_view inputError);

// --- The graphical solution ---
extern const char* const kGraphTitle;
// The menu entry's tip while the problem can be drawn.
extern const char* const kGraphTip;
extern const char* const kSavePng;
extern const char* const kSaveSvg;
extern const char* const kSaveGraphTitle;
extern const char* const kPngFilter;
extern const char* const kSvgFilter;
// The name the save dialog offers, without its ending.
extern const char* const kGraphFileName;
// Under a picture in space: how to turn it.
extern const char* const kTurnHint;

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
