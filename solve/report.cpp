#include "solve/report.h"

#include <cmath>
#include <cstdint>
#include <cstring>

#include "solve/format_number.h"

namespace pivora {
namespace {

constexpr int kExponentDigits = 2;

class ReportWriter {
 public:
  explicit ReportWriter(const ReportSettings& settings) : settings_(settings) {}

  std::string Value(Extended v) const {
    return FormatGeneral(v, settings_.precision, kExponentDigits, settings_.format);
  }

  static std::string Index(int k) { return FormatWhole(static_cast<Extended>(k)); }

  // "x3 = 0 [±1.5]": the name, the value shown as at least 0, and with Details
  // the magnitude of a negative entry. Snapping comes first, so a tiny
  // negative entry shows as 0 with no bracket.
  void AddItem(std::string& line, std::string_view name, int index, Extended entry,
               bool withMagnitude) const {
    const Extended v = SnapToZero(entry);
    line.append(name).append(Index(index)).append(" = ").append(Value(MaxOf(v, 0.0L)));
    if (withMagnitude && v < 0.0L) line.append(" [\xB1").append(Value(std::fabs(v))).append("]");
  }

 private:
  const ReportSettings& settings_;
};

}  // namespace

Extended ZeroThreshold() {
  // Little-endian x87 layout: 64-bit significand, then sign and exponent.
  const std::uint64_t significand = 0x89705F4136B4A597ULL;
  const std::uint16_t signAndExponent = 0x3FE0;
  unsigned char bytes[sizeof(Extended)] = {};
  std::memcpy(bytes, &significand, sizeof significand);
  std::memcpy(bytes + sizeof significand, &signAndExponent, sizeof signAndExponent);
  Extended threshold;
  std::memcpy(&threshold, bytes, sizeof threshold);
  return threshold;
}

Extended SnapToZero(Extended value) { return std::fabs(value) < ZeroThreshold() ? 0.0L : value; }

Report WriteReport(const Tableau& tableau, int m, int n, const SolutionTable& solutions,
                   SolveStatus status, const ReportSettings& settings) {
  Report report;
  std::vector<std::string>& lines = report.lines;
  if (status == kNoFeasibleSolution) {
    lines.emplace_back(kNoSolutionLine);
    return report;
  }
  if (status == kUnbounded) {
    lines.emplace_back(kUnboundedLine);
    return report;
  }

  const ReportWriter writer(settings);
  const int count = status < kMaxSolutions ? status : kMaxSolutions;
  lines.emplace_back();
  lines.push_back(count > 1 ? ReportWriter::Index(count) + "  L\xD6SUNGEN:" : "L\xD6SUNG:");
  lines.emplace_back();
  const bool maximised = tableau(m + 1, n + 2) == kMaximise;
  lines.push_back(std::string("Optimum: ") + (maximised ? "Zmax" : "Zmin") + " = " +
                  writer.Value(solutions(0, 1)));
  lines.emplace_back();
  for (int k = 1; k <= count; ++k) {
    if (count > 1) lines.push_back(ReportWriter::Index(k) + ". L\xF6sung:");
    std::string variables = "ZF:   ";
    for (int j = 1; j <= n; ++j) {
      writer.AddItem(variables, "x", j, solutions(j, k), settings.details);
      if (j < n) variables.append("   ");
    }
    lines.push_back(std::move(variables));
    if (settings.details) {
      std::string slacks = "NB:  ";
      for (int i = 1; i <= m; ++i) {
        writer.AddItem(slacks, "y", i, solutions(n + i, k), true);
        if (i < m) slacks.append("   ");
      }
      lines.push_back(std::move(slacks));
    }
    if (k < count) lines.emplace_back();
  }
  report.dropFirstLine = true;
  return report;
}

}  // namespace pivora
