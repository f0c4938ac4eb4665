#include "solve/report.h"

#include <cmath>
#include <cstdint>
#include <cstring>

#include "solve/format_number.h"

namespace pivora {
namespace {

constexpr int kExponentDigits = 2;

std::string Index(int k) { return FormatWhole(static_cast<Extended>(k)); }

// "x3 = 0 [±1.5]": the name, the value shown, and with Details the magnitude
// of a negative entry.
void AddItem(std::string& line, std::string_view name, int index, const EntryText& entry,
             bool withMagnitude) {
  line.append(name).append(Index(index)).append(" = ").append(entry.shown);
  if (withMagnitude && !entry.magnitude.empty()) {
    line.append(" [\xB1").append(entry.magnitude).append("]");
  }
}

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
  const auto value = [&settings](Extended v) {
    return FormatGeneral(v, settings.precision, kExponentDigits, settings.format);
  };
  // Snapping comes first, so a tiny negative entry shows as 0 with no bracket.
  const EntryTexts entry = [&](int row, int k) {
    if (row == 0) return EntryText{value(solutions(0, k)), {}};
    const Extended v = SnapToZero(solutions(row, k));
    return EntryText{value(MaxOf(v, 0.0L)), v < 0.0L ? value(std::fabs(v)) : std::string()};
  };
  return WriteReportWith(tableau, m, n, status, settings.details, entry);
}

Report WriteReportWith(const Tableau& tableau, int m, int n, SolveStatus status, bool details,
                       const EntryTexts& entry) {
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

  const int count = status < kMaxSolutions ? status : kMaxSolutions;
  lines.emplace_back();
  lines.push_back(count > 1 ? Index(count) + "  L\xD6SUNGEN:" : "L\xD6SUNG:");
  lines.emplace_back();
  const bool maximised = tableau(m + 1, n + 2) == kMaximise;
  lines.push_back(std::string("Optimum: ") + (maximised ? "Zmax" : "Zmin") + " = " +
                  entry(0, 1).shown);
  lines.emplace_back();
  for (int k = 1; k <= count; ++k) {
    if (count > 1) lines.push_back(Index(k) + ". L\xF6sung:");
    std::string variables = "ZF:   ";
    for (int j = 1; j <= n; ++j) {
      AddItem(variables, "x", j, entry(j, k), details);
      if (j < n) variables.append("   ");
    }
    lines.push_back(std::move(variables));
    if (details) {
      std::string slacks = "NB:  ";
      for (int i = 1; i <= m; ++i) {
        AddItem(slacks, "y", i, entry(n + i, k), true);
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
