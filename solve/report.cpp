#include "solve/report.h"

#include <cmath>

#include "solve/format_exact.h"
#include "solve/format_number.h"
#include "solve/report_layout.h"

namespace pivora {
namespace {

constexpr int kExponentDigits = 2;

// The report's numbers: FormatGeneral at Digits, entries snapped first, so
// a tiny negative entry shows as 0 with no bracket.
class ExtendedNumbers {
 public:
  ExtendedNumbers(const SolutionTable& solutions, const ReportSettings& settings)
      : solutions_(solutions), settings_(settings) {}

  std::string Objective() const { return Value(solutions_(0, 1)); }

  void Append(std::string& line, int row, int k, bool withMagnitude) const {
    const Extended v = SnapToZero(solutions_(row, k));
    line.append(Value(MaxOf(v, 0.0L)));
    if (withMagnitude && v < 0.0L) line.append(" [\xB1").append(Value(std::fabs(v))).append("]");
  }

 private:
  std::string Value(Extended v) const {
    return FormatGeneral(v, settings_.precision, kExponentDigits, settings_.format);
  }

  const SolutionTable& solutions_;
  const ReportSettings& settings_;
};

// The exact values' texts, each rounded once from the rational: 0 only for
// 0, and a bracket for every negative entry, however small.
class ExactNumbers {
 public:
  ExactNumbers(const ExactSolutions& values, const ReportSettings& settings)
      : values_(values), settings_(settings) {}

  std::string Objective() const { return Value(values_.Numerator(0, 1), 0, 1); }

  void Append(std::string& line, int row, int k, bool withMagnitude) const {
    const int sign = values_.Sign(row, k);
    if (sign <= 0) {
      line.append("0");
      if (withMagnitude && sign < 0) {
        line.append(" [\xB1").append(Value(-values_.Numerator(row, k), row, k)).append("]");
      }
      return;
    }
    line.append(Value(values_.Numerator(row, k), row, k));
  }

 private:
  // `num` over the denominator of value (row, k).
  std::string Value(const mpz_class& num, int row, int k) const {
    return FormatExact(num, values_.Denominator(row, k), settings_.precision, kExponentDigits,
                       settings_.format);
  }

  const ExactSolutions& values_;
  const ReportSettings& settings_;
};

}  // namespace

Extended ZeroThreshold() {
  // Biased exponent 0x3FE0 = 16383 - 31; the significand's leading bit stands
  // for 2^-31, so its last bit for 2^-94.
  return 0x89705F4136B4A597p-94L;
}

Extended SnapToZero(Extended value) { return std::fabs(value) < ZeroThreshold() ? 0.0L : value; }

Report WriteReport(const Tableau& tableau, int m, int n, const SolutionTable& solutions,
                   SolveStatus status, const ReportSettings& settings,
                   const ExactSolutions* exact) {
  if (exact && IsOptimal(status) && exact->Status() == status) {
    return WriteReportLayout(tableau, m, n, status, settings.details,
                             ExactNumbers(*exact, settings));
  }
  return WriteReportLayout(tableau, m, n, status, settings.details,
                           ExtendedNumbers(solutions, settings));
}

}  // namespace pivora
