// Every German text the window and the two programs show a person, UTF-8:
// the programs' help and error messages, the window's menus, dialogs,
// questions and help. One place, so the wording stays consistent and no
// English slips through; the tests compare these texts exactly. The report
// lines are the solve layer's and stay there.
#pragma once

#include <chrono>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "solver/exchange_observer.h"

namespace pivora::messages {

// --- pivora-solve and pivora-bench ---
extern const char* const kSolveHelp;
extern const char* const kBenchHelp;
// The line after a usage error: where to read how the program is called.
std::string TryHelp(std::string_view program);
std::string NeedsValue(std::string_view option);
// `quoted` is the argument as QuotedForMessage wrote it.
std::string UnknownOption(std::string_view quoted);
std::string DigitsNotInteger(std::string_view quoted);
std::string RepeatOutOfRange(int largest, std::string_view quoted);
extern const char* const kOnlyOneProblemFile;
extern const char* const kNoProblemFile;
// The name messages give standard input.
extern const char* const kStandardInput;
// `reason` as the file layer words it; the reason for an errno value is
// GermanFileError's sentence.
std::string CannotOpen(std::string_view reason);
// Standard input has no open descriptor at all (the program was started
// with it closed).
extern const char* const kStandardInputClosed;
std::string CannotRead(int error);
std::string CannotWriteOutput(int error);
std::string InputTooLarge(std::size_t mebibytes);
// "der Bedingungstabelle NB, Zelle (3, 2)" or "der Zielfunktion ZF, ...".
std::string GridCell(bool inObjectiveGrid, int column, int row);
// "Eingabefehler in der ...: TEXT", `quoted` as QuotedForMessage wrote it.
std::string InputError(bool inObjectiveGrid, int column, int row, std::string_view quoted);
extern const char* const kExactReSolveNote;
// --pivots: `quoted` as QuotedForMessage wrote the word.
std::string PivotNotAPair(std::string_view quoted);
std::string PivotOutside(std::string_view quoted, int rows, int columns);
extern const char* const kPivotsWithoutViews;
std::string TimeLimitOutOfRange(std::string_view quoted);
// What a run that reached its time limit ends with: the plain run's report,
// unchecked; the plain run's floating-point error; no result at all (the
// plain run itself had not ended); the report without the views asked for.
enum class TimeLimitEnd { kPlainReport, kPlainFault, kNoResult, kViewsLeftOut };
std::string TimeLimitNote(TimeLimitEnd end, std::chrono::milliseconds limit);
// The German text of a floating-point error the solver raised; its own
// text where there is none.
std::string FloatingPointError(std::string_view what);

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

// --- Files the window opens and saves ---
// `name` as ShownFileName gives it, `reason` as the file layer words it;
// `existed`: a file of that name was there and is unchanged.
std::string CannotSave(std::string_view name, std::string_view reason, bool existed);
// The question before a save overwrites a file that changed on disk since
// this window opened or saved it; its buttons are kOverwrite, kSaveAs and
// kCancel.
std::string ChangedOnDisk(std::string_view name);
extern const char* const kOverwrite;
extern const char* const kCancel;
// The question when closing (or replacing) an unchanged problem whose file
// was overwritten from elsewhere: the window holds the only copy.
std::string OnlyCopyLeft(std::string_view name);
// A problem saved under a model's ending would be read back as a model.
std::string NotAModelName(std::string_view name);
// The window's settings file could not be written; `reason` may be empty.
std::string CannotStoreSettings(std::string_view name, std::string_view reason);
// The name came from the disk in another encoding than UTF-8.
std::string NameNotUtf8(std::string_view name);

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
// Under a picture in space: how to turn it.
extern const char* const kTurnHint;

// --- Pasting, the help and the about box ---
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
extern const char* const kHelpTitle;
// The help window's page, HTML: every key, the rules of a cell, the file format.
extern const char* const kHelpPage;
extern const char* const kAboutTitle;
extern const char* const kAboutText;

}  // namespace pivora::messages
