// Shadow prices, reduced costs and ranges of the first optimal basis against
// glpsol's sensitivity report on the same problem, and against a maximum and a
// minimum worked by hand.
#include "solver/sensitivity.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>

#include "solver/explained_run.h"
#include "solver/tests/glpsol_oracle.h"
#include "solver/tests/solve_text.h"

namespace pivora::testing {
namespace {

// One row or column of glpsol's report: its status and the values it prints.
struct GlpsolItem {
  std::string status;
  double marginal = 0;     // the dual value: dz/db for a row, the reduced cost for a column
  double activityLow = 0;  // a non-basic row: the range of its right-hand side
  double activityHigh = 0;
  double costLow = 0;  // a column: the range of its objective coefficient
  double costHigh = 0;
};

double GlpsolNumber(const std::string& text) {
  if (text == ".") return 0;
  if (text == "-Inf") return -HUGE_VAL;
  if (text == "+Inf") return HUGE_VAL;
  return std::strtod(text.c_str(), nullptr);
}

// Items by name (r1.., x1..) from `glpsol --ranges`; empty when glpsol is
// missing or fails.
std::map<std::string, GlpsolItem> GlpsolRanges(const Tableau& t, int m, int n) {
  std::map<std::string, GlpsolItem> items;
  char base[] = "/tmp/pivora-ranges-XXXXXX";
  const int fd = mkstemp(base);
  if (fd < 0) return items;
  close(fd);
  const std::string lp = std::string(base) + ".lp";
  const std::string report = std::string(base) + ".rng";
  std::ofstream(lp) << CplexLp(t, m, n);
  const std::string command = "glpsol --lp " + lp + " --ranges " + report + " >/dev/null 2>&1";
  if (std::system(command.c_str()) == 0) {
    std::ifstream in(report);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    for (std::size_t k = 0; k + 1 < lines.size(); ++k) {
      std::istringstream first(lines[k]);
      std::vector<std::string> a;
      for (std::string word; first >> word;) a.push_back(word);
      if (a.size() < 9 || a[0].find_first_not_of("0123456789") != std::string::npos) continue;
      std::istringstream second(lines[k + 1]);
      std::vector<std::string> b;
      for (std::string word; second >> word;) b.push_back(word);
      if (b.size() < 4) continue;
      items[a[1]] = GlpsolItem{a[2],
                               GlpsolNumber(b[0]),
                               GlpsolNumber(a[6]),
                               GlpsolNumber(b[2]),
                               GlpsolNumber(a[7]),
                               GlpsolNumber(b[3])};
    }
  }
  std::remove(base);
  std::remove(lp.c_str());
  std::remove(report.c_str());
  return items;
}

// "r3", "x7": the names CplexLp gives.
std::string Name(char kind, int k) {
  std::string name(1, kind);
  name += std::to_string(k);
  return name;
}

double ToDouble(const Rational& q) { return q.get_d(); }
double Low(const SensitivityRange& r) {
  return r.lower.finite ? ToDouble(r.lower.value) : -HUGE_VAL;
}
double High(const SensitivityRange& r) {
  return r.upper.finite ? ToDouble(r.upper.value) : HUGE_VAL;
}

// glpsol prints five decimals or six significant digits.
void ExpectClose(double ours, double theirs) {
  if (std::isinf(theirs)) {
    EXPECT_EQ(ours, theirs);
  } else {
    EXPECT_NEAR(ours, theirs, 1e-5 * std::max(1.0, std::fabs(theirs)) + 5e-6);
  }
}

void ExpectAsGlpsol(const TestProblem& problem) {
  const int m = problem.m;
  const int n = problem.n;
  const ExplainedRun run = ExplainRun(problem.tableau, m, n, RunNumbers::kExact, false);
  ASSERT_GE(run.status, 1);
  auto exact = std::make_unique<ExactTableau>();
  ExactFromExtended(problem.tableau, m, n, *exact);
  const Sensitivity s = AnalyseSensitivity(*exact, m, n, run.optimalBasis);
  ASSERT_TRUE(s.available);
  const auto glpsol = GlpsolRanges(problem.tableau, m, n);
  ASSERT_EQ(glpsol.size(), static_cast<std::size_t>(m + n));
  // Both must stand on the same basis for the ranges to agree.
  for (int i = 1; i <= m; ++i) {
    SCOPED_TRACE(Name('r', i));
    const GlpsolItem& g = glpsol.at(Name('r', i));
    const ConstraintSensitivity& c = s.constraints[static_cast<std::size_t>(i - 1)];
    ASSERT_EQ(c.basic, g.status == "BS");
    ExpectClose(ToDouble(c.shadowPrice), g.marginal);
    if (!c.basic) {
      ExpectClose(Low(c.rightHandSideRange), g.activityLow);
      ExpectClose(High(c.rightHandSideRange), g.activityHigh);
    }
  }
  for (int j = 1; j <= n; ++j) {
    SCOPED_TRACE(Name('x', j));
    const GlpsolItem& g = glpsol.at(Name('x', j));
    const VariableSensitivity& v = s.variables[static_cast<std::size_t>(j - 1)];
    ASSERT_EQ(v.basic, g.status == "BS");
    ExpectClose(ToDouble(v.reducedCost), g.marginal);
    ExpectClose(Low(v.costRange), g.costLow);
    ExpectClose(High(v.costRange), g.costHigh);
  }
}

// Instances whose optimal basis is unique, so glpsol ends on the same one.
TEST(Sensitivity, AgreesWithGlpsolOnSharedInstances) {
  if (!GlpsolAvailable()) GTEST_SKIP() << "glpsol is not installed";
  for (const char* file : {"lp-instances/blending.txt", "lp-instances/chip.txt"}) {
    SCOPED_TRACE(file);
    const auto problem = ReadTestProblem(SourcePath(std::string("solver/tests/data/") + file));
    ASSERT_TRUE(problem);
    ExpectAsGlpsol(*problem);
  }
}

// Every kind of row: an inactive <=, an active <=, an inactive >= and an
// equation, whose shadow price the plain report leaves out.
TEST(Sensitivity, AgreesWithGlpsolOnEveryKindOfRow) {
  if (!GlpsolAvailable()) GTEST_SKIP() << "glpsol is not installed";
  const auto problem = ParseProblem("max\n3 2\n1 1 <= 4\n1 3 <= 6\n1 0 >= 1\n1 -1 = 0.5\n");
  ASSERT_TRUE(problem);
  ExpectAsGlpsol(*problem);
}

// One line per constraint ("y1 Nichtbasis 3 [2, 7]") and per variable
// ("x3 Nichtbasis 0 -2 (-inf, 3]"): status, shadow price or value and
// reduced cost, then the range.
std::vector<std::string> SensitivityLines(const TestProblem& problem) {
  const ExplainedRun run =
      ExplainRun(problem.tableau, problem.m, problem.n, RunNumbers::kExact, false);
  EXPECT_GE(run.status, 1);
  auto exact = std::make_unique<ExactTableau>();
  ExactFromExtended(problem.tableau, problem.m, problem.n, *exact);
  const Sensitivity s = AnalyseSensitivity(*exact, problem.m, problem.n, run.optimalBasis);
  EXPECT_TRUE(s.available);
  const auto range = [](const SensitivityRange& r) {
    std::string text = r.lower.finite ? "[" : "(-inf";
    if (r.lower.finite) text += r.lower.value.get_str();
    text += ", ";
    text += r.upper.finite ? r.upper.value.get_str() + "]" : "+inf)";
    return text;
  };
  const auto status = [](bool basic) { return basic ? " Basis " : " Nichtbasis "; };
  std::vector<std::string> lines;
  for (std::size_t i = 0; i < s.constraints.size(); ++i) {
    const ConstraintSensitivity& c = s.constraints[i];
    lines.push_back(Name('y', static_cast<int>(i + 1)) + status(c.basic) + c.shadowPrice.get_str() +
                    " " + range(c.rightHandSideRange));
  }
  for (std::size_t j = 0; j < s.variables.size(); ++j) {
    const VariableSensitivity& v = s.variables[j];
    lines.push_back(Name('x', static_cast<int>(j + 1)) + status(v.basic) + v.value.get_str() + " " +
                    v.reducedCost.get_str() + " " + range(v.costRange));
  }
  return lines;
}

// Worked by hand. The maximum stands at x = (3, 1, 0): y1 and the equation
// y4 bind, y2 and y3 have slack 3 and 2, so b2 may fall by 3 and b3 rise by 2;
// x1 = b1 - 1 stays within 1 <= x1 <= 6 - 0 for b1 in [2, 7], and x2 = b4
// with x1 = 4 - b4 >= 1, 4 + 2 b4 <= 9 for b4 in [0, 5/2], where z = 12 - b4.
// The minimum stands at x1 = x2 = b1/3 = 2/3: y1 and the equation y3 bind,
// x1 <= 5 and x2 >= 1/4 bound b1 to [3/4, 15]; moving b3 gives
// x = ((2 + 2 b3)/3, (2 - b3)/3), z = (4 + b3)/3, for b3 in [-1, 5/4].
TEST(Sensitivity, WorkedByHandForEveryKindOfRow) {
  const auto maximum = ParseProblem("max\n3 2 1\n1 1 1 <= 4\n1 3 0 <= 9\n1 0 0 >= 1\n0 1 0 = 1\n");
  ASSERT_TRUE(maximum);
  EXPECT_EQ(SensitivityLines(*maximum),
            (std::vector<std::string>{"y1 Nichtbasis 3 [2, 7]", "y2 Basis 0 [6, +inf)",
                                      "y3 Basis 0 (-inf, 3]", "y4 Nichtbasis -1 [0, 5/2]",
                                      "x1 Basis 3 0 [1, +inf)", "x2 Basis 1 0 (-inf, +inf)",
                                      "x3 Nichtbasis 0 -2 (-inf, 3]"}));

  const auto minimum = ParseProblem("min\n1 1\n1 2 >= 2\n1 0 <= 5\n1 -1 = 0\n0 1 >= 0.25\n");
  ASSERT_TRUE(minimum);
  EXPECT_EQ(SensitivityLines(*minimum),
            (std::vector<std::string>{"y1 Nichtbasis 2/3 [3/4, 15]", "y2 Basis 0 [2/3, +inf)",
                                      "y3 Nichtbasis 1/3 [-1, 5/4]", "y4 Basis 0 (-inf, 2/3]",
                                      "x1 Basis 2/3 0 [-1, +inf)", "x2 Basis 2/3 0 [-1, +inf)"}));
}

}  // namespace
}  // namespace pivora::testing
