// The result report: the solver's status and solution table as the lines the
// memo Sol shows. Lines are Latin-1 byte strings.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "solve/number_format.h"
#include "solver/exact_solutions.h"
#include "solver/tables.h"

namespace pivora {

inline constexpr std::string_view kNoSolutionLine = "KEINE L\xD6SUNG!";
inline constexpr std::string_view kUnboundedLine = "L\xD6SUNG UNENDLICH!";
inline constexpr std::string_view kInputErrorLine = "EINGABEFEHLER!";
inline constexpr std::string_view kFaultMark = "  FEHLER!";
inline constexpr std::string_view kCancelledLine = "ABGEBROCHEN!";
// Heads a report of the plain 80-bit run's result where its exact check
// was stopped before its end (a time limit, or the user taking it).
inline constexpr std::string_view kUncheckedLine =
    "UNGEPR\xDC"
    "FT! Das Ergebnis der 80-Bit-Rechnung, ohne die exakte Pr\xFC"
    "fung:";

// 5E-10 as the extended value nearest to it (biased exponent 0x3FE0,
// significand 0x89705F4136B4A597). Entries strictly below it in magnitude
// print as 0.
Extended ZeroThreshold();
Extended SnapToZero(Extended value);

struct ReportSettings {
  bool details = true;  // slack lines and the [±...] magnitudes of negative entries
  int precision = 10;   // Digits: significant digits of every value
  NumberFormat format;  // the solve command's number settings
};

// The lines of the emptied memo, in order: for status 1..50 the heading,
// the optimum and every solution; otherwise the single line of no feasible
// solution or of an unbounded objective.
struct Report {
  std::vector<std::string> lines;
};

// `tableau` is the one the solver read (its Max/Min flag names the optimum
// Zmax or Zmin); `solutions` and `status` are what the solver returned.
// Where `exact` (may be null) holds the values of that result (the checked
// solve's), every number is their text rounded once to the digits, and only
// an exact 0 prints as 0; otherwise the extended values are formatted, with
// entries below the zero threshold snapped to 0.
Report WriteReport(const Tableau& tableau, int m, int n, const SolutionTable& solutions,
                   SolveStatus status, const ReportSettings& settings,
                   const ExactSolutions* exact = nullptr);

}  // namespace pivora
