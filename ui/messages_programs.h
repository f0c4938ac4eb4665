// The texts of the three programs: the help, usage errors, file errors and
// notes of pivora-solve and pivora-bench, and pivora's own --help, --version
// and refusal. The input error and the floating-point error are the
// window's words too.
#pragma once

#include <chrono>
#include <string>
#include <string_view>

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
// The memory for a computation could not be had.
extern const char* const kOutOfMemory;
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
// pivora-solve --pivots: the line before the judgement of the first pivot
// the rules refuse, "Pivot 2 in Zeile 1, Spalte 3:", the row and column as
// the sheet numbers them; plain ASCII, so it reads the same in Latin-1.
std::string RefusedPivot(long k, int row, int column);
// pivora-solve --plot without its drawing module `module`; `why` is the
// loader's reason, or null.
std::string PlotModuleMissing(std::string_view module, const char* why);
// A shared library the program loads when it first needs it could not be
// loaded (`why` is the loader's reason, or null), or lacks `function`.
std::string LibraryNotLoaded(std::string_view soname, const char* why);
std::string LibraryLacksFunction(std::string_view soname, std::string_view function);

// --- pivora, the window's program ---
extern const char* const kWindowUsage;
// The answer to --version: "pivora" and the version.
extern const char* const kVersionLine;
// Any other argument that starts with "--", as typed (one line).
std::string WindowUnknownOption(std::string_view option);

}  // namespace pivora::messages
