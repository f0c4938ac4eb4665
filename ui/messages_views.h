// The texts of the windows of their own beside the main window: the
// report window, the practice window and the graphical solution.
#pragma once

#include <string>
#include <string_view>

namespace pivora::messages {

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

}  // namespace pivora::messages
