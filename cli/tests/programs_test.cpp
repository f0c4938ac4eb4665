// Runs the built pivora-solve and pivora-bench as a user would: on files and
// on standard input, checking output bytes and exit codes.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "solver/testing/temporary_directory.h"

namespace pivora {
namespace {

struct Result {
  int exitCode = -1;
  std::string out;
  std::string err;
};

std::string Slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string Quoted(const std::string& text) { return "'" + text + "'"; }

// `arguments` go to the shell as written; `input` becomes standard input.
Result RunProgram(const char* program, const std::string& arguments,
                  const std::string& input = "") {
  const testing::TemporaryDirectory files;
  const std::string in = files.Write("stdin", input);
  const std::string out = files.File("stdout");
  const std::string err = files.File("stderr");
  const std::string command = Quoted(program) + " " + arguments + " <" + Quoted(in) + " >" +
                              Quoted(out) + " 2>" + Quoted(err);
  const int status = std::system(command.c_str());
  Result result;
  if (status != -1 && WIFEXITED(status)) result.exitCode = WEXITSTATUS(status);
  result.out = Slurp(out);
  result.err = Slurp(err);
  return result;
}

Result Solve(const std::string& arguments, const std::string& input = "") {
  return RunProgram(PIVORA_SOLVE_PROGRAM, arguments, input);
}

std::string Example(const std::string& name) {
  return Quoted(std::string(PIVORA_EXAMPLES_DIR) + "/" + name);
}

int Lines(const std::string& text) {
  return static_cast<int>(std::count(text.begin(), text.end(), '\n'));
}

const char kWorkedExample[] = "max\n3 2\n1 1 <= 4\n1 3 <= 6\n";
const char kSixLines[] =
    "L\xC3\x96SUNG:\n\nOptimum: Zmax = 12\n\n"
    "ZF:   x1 = 4   x2 = 0 [\xC2\xB1"
    "1]\nNB:  y1 = 0 [\xC2\xB1"
    "3]   y2 = 2\n";

TEST(PivoraSolve, WorkedExamplesByteForByte) {
  Result r = Solve(Example("worked-example.txt"));
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_EQ(r.out, kSixLines);
  EXPECT_EQ(r.err, "");

  r = Solve("--no-details " + Example("worked-example.txt"));
  EXPECT_EQ(r.out, "L\xC3\x96SUNG:\n\nOptimum: Zmax = 12\n\nZF:   x1 = 4   x2 = 0\n");

  r = Solve("-", "min\n3 2\n1 1 <= 4\n1 3 <= 6\n");
  EXPECT_EQ(r.out,
            "L\xC3\x96SUNG:\n\nOptimum: Zmin = 0\n\n"
            "ZF:   x1 = 0 [\xC2\xB1"
            "3]   x2 = 0 [\xC2\xB1"
            "2]\nNB:  y1 = 4   y2 = 6\n");

  r = Solve(Example("alternative-optima.txt"));
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_EQ(r.out,
            "2  L\xC3\x96SUNGEN:\n\nOptimum: Zmax = 4\n\n1. L\xC3\xB6sung:\n"
            "ZF:   x1 = 3   x2 = 1\nNB:  y1 = 0 [\xC2\xB1"
            "1]   y2 = 0\n\n2. L\xC3\xB6sung:\n"
            "ZF:   x1 = 0   x2 = 4\nNB:  y1 = 0 [\xC2\xB1"
            "1]   y2 = 3\n");
}

TEST(PivoraSolve, StandardInputCrLfLatin1AndDigits) {
  EXPECT_EQ(Solve("", kWorkedExample).out, kSixLines);
  EXPECT_EQ(Solve("-", "MAX\r\n3 2\r\n1 1 <= 4\r\n1 3 <= 6\r\n").out, kSixLines);
  EXPECT_EQ(Solve("--latin1", kWorkedExample).out,
            "L\xD6SUNG:\n\nOptimum: Zmax = 12\n\n"
            "ZF:   x1 = 4   x2 = 0 [\xB1"
            "1]\nNB:  y1 = 0 [\xB1"
            "3]   y2 = 2\n");
  const std::string thirds = "max\n1\n3 <= 2\n";
  EXPECT_EQ(Solve("--digits 3 --no-details", thirds).out,
            "L\xC3\x96SUNG:\n\nOptimum: Zmax = 0.667\n\nZF:   x1 = 0.667\n");
  EXPECT_EQ(
      Solve("--digits=99 --no-details", thirds).out,
      "L\xC3\x96SUNG:\n\nOptimum: Zmax = 0.666666666666667\n\nZF:   x1 = 0.666666666666667\n");
  EXPECT_EQ(Solve("--digits -4 --no-details", thirds).out,
            Solve("--digits 3 --no-details", thirds).out);
}

TEST(PivoraSolve, NoSolutionAndUnboundedAreResults) {
  Result r = Solve(Example("infeasible.txt"));
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_EQ(r.out, "KEINE L\xC3\x96SUNG!\n");
  r = Solve(Example("unbounded.txt"));
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_EQ(r.out, "L\xC3\x96SUNG UNENDLICH!\n");
}

TEST(PivoraSolve, RealProblemFromTheCollection) {
  const Result r = Solve(Example("afiro.txt"));
  EXPECT_EQ(r.exitCode, 0) << r.err;
  ASSERT_GE(Lines(r.out), 5);
  EXPECT_EQ(r.out.substr(0, r.out.find('\n')), "L\xC3\x96SUNG:");
  EXPECT_NE(r.out.find("\nOptimum: Zmin = -464.7531429\n"), std::string::npos) << r.out;
}

// An MPS model gives the same report as the same problem typed into a problem
// file, with the legend after it; a model too large for the grids is a
// format error that gives its size.
TEST(PivoraSolve, ModelsPrintTheirLegendAfterTheReport) {
  const std::string models = std::string(PIVORA_LP_INSTANCES_DIR) + "/models/";
  const Result typed = Solve(Example("afiro.txt"));
  const Result model = Solve(Quoted(models + "afiro.mps"));
  EXPECT_EQ(model.exitCode, 0) << model.err;
  ASSERT_EQ(model.out.substr(0, typed.out.size()), typed.out);
  EXPECT_EQ(model.out.substr(typed.out.size(), 19), "\nLegende:\nx1 = X01\n");

  const Result large = Solve(Quoted(models + "e226.mps"));
  EXPECT_EQ(large.exitCode, 2);
  EXPECT_NE(large.err.find("223 Zeilen"), std::string::npos) << large.err;
  EXPECT_EQ(large.out, "");
}

// Every instance of the collection with its published outcome: the status
// line first, then the optimum to 12 significant digits.
TEST(PivoraSolve, EveryCollectionInstanceGivesItsPublishedOutcome) {
  const std::string dir = PIVORA_LP_INSTANCES_DIR;
  std::istringstream expected(Slurp(dir + "/EXPECTED"));
  std::string line;
  int checked = 0;
  while (std::getline(expected, line)) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream fields(line);
    std::string file, outcome, optimum;
    fields >> file >> outcome >> optimum;
    const Result r = Solve("--digits 12 " + Quoted(dir + "/" + file));
    EXPECT_EQ(r.exitCode, 0) << file << ": " << r.err;
    if (outcome == "infeasible") {
      EXPECT_EQ(r.out, "KEINE L\xC3\x96SUNG!\n") << file;
    } else {
      ASSERT_EQ(outcome, "optimal") << file;
      const std::size_t at = r.out.find("Optimum: Zmin = ");
      ASSERT_NE(at, std::string::npos) << file << ": " << r.out;
      const std::string shown = r.out.substr(at + 16, r.out.find('\n', at) - at - 16);
      const long double value = std::strtold(shown.c_str(), nullptr);
      const long double published = std::strtold(optimum.c_str(), nullptr);
      EXPECT_LE(std::fabs(value - published), 1e-10L * std::fabs(published))
          << file << ": " << shown << " against " << optimum;
    }
    ++checked;
  }
  EXPECT_GE(checked, 5);
}

// A run whose extended result is wrong at the printed digits: the report is
// the exact run's, and standard error says so in one line. Runs that cycle to
// the right result are reported as they are, with no note.
TEST(PivoraSolve, ExactReSolveIsNoted) {
  const std::string note =
      "pivora-solve: Hinweis: das 80-Bit-Ergebnis wurde durch das der exakten Rechnung ersetzt\n";
  const std::string dir = std::string(PIVORA_SOLVER_DATA_DIR) + "/";
  Result r = Solve("--no-details " + Quoted(dir + "snap-wrong-optimum.txt"));
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_EQ(r.err, note);
  EXPECT_NE(r.out.find("\nOptimum: Zmax = 3860.881574\n"), std::string::npos) << r.out;
  r = Solve("--no-details " + Quoted(dir + "beale.txt"));
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(
      r.out,
      "L\xC3\x96SUNG:\n\nOptimum: Zmin = -0.05\n\nZF:   x1 = 0.04   x2 = 0   x3 = 1   x4 = 0\n");

  // Runs whose feasibility phase cycles, ended right by the least-index rule,
  // and fifty alternative optima through a degenerate vertex, where exact
  // ratio ties would choose other rows: the replay confirms every vertex.
  const std::pair<const char*, const char*> cycling[] = {
      {"fifty-alternatives.txt", "50  L\xC3\x96SUNGEN:\n\nOptimum: Zmax = 0\n"},
      {"feasibility-cycle-1.txt", "L\xC3\x96SUNG:\n\nOptimum: Zmax = 77632.53084\n"},
      {"feasibility-cycle-2.txt", "KEINE L\xC3\x96SUNG!\n"},
      {"feasibility-cycle-3.txt", "L\xC3\x96SUNG UNENDLICH!\n"}};
  for (const auto& [file, start] : cycling) {
    r = Solve("--no-details " + Quoted(dir + file));
    EXPECT_EQ(r.err, "") << file;
    EXPECT_EQ(r.out.rfind(start, 0), 0u) << file << ": " << r.out;
  }

  r = RunProgram(PIVORA_BENCH_PROGRAM, "--repeat 3 " + Quoted(dir + "snap-wrong-optimum.txt") +
                                           " " + Quoted(dir + "beale.txt"));
  EXPECT_EQ(r.exitCode, 0);
  const std::regex marked(
      "[^\n]*snap-wrong-optimum.txt status=1 [^\n]*solve_us=[0-9.]+ exact\n[^\n]*beale.txt "
      "[^\n]*solve_us=[0-9.]+ cycled\n");
  EXPECT_TRUE(std::regex_match(r.out, marked)) << r.out;
}

// Problems on which the plain 80-bit run prints a wrong answer for the
// decimals as typed; every printed number must be the exact one. True
// answers from glpsol --exact where it can take the problem (its own
// readers round 1000.0000001, and it cycles on Beale's rows), by hand
// otherwise.
TEST(PivoraSolve, TypedDecimalsGetTheirExactAnswer) {
  const std::string dir = std::string(PIVORA_SOLVER_DATA_DIR) + "/typed/";
  for (const char* file :
       {"rows-apart-by-2e-10.txt", "rows-apart-by-1e-7.txt", "difference-of-1e-10.txt"}) {
    SCOPED_TRACE(file);
    const Result r = Solve(Quoted(dir + file));
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "KEINE L\xC3\x96SUNG!\n");
  }
  Result r = Solve(Quoted(dir + "optimum-beyond-range.txt"));
  EXPECT_EQ(r.exitCode, 3);
  EXPECT_NE(r.err.find(": Gleitkomma\xC3\xBC"
                       "berlauf."),
            std::string::npos)
      << r.err;
  EXPECT_EQ(r.out, "");

  r = Solve(Quoted(dir + "decimals-feasible-as-typed.txt"));
  EXPECT_EQ(r.out,
            "L\xC3\x96SUNG:\n\nOptimum: Zmin = -0.05\n\n"
            "ZF:   x1 = 0.3   x2 = 0.6   x3 = 0.04   x4 = 0 [\xC2\xB1"
            "15]   x5 = 1   x6 = 0 "
            "[\xC2\xB1"
            "10.5]\n"
            "NB:  y1 = 0   y2 = 0   y3 = 0   y4 = 0.03   y5 = 0 [\xC2\xB1"
            "1.5]   y6 = 0 "
            "[\xC2\xB1"
            "0.05]\n");

  // 83/71 = 1.16901408450704...: the tenth digit rounds up.
  r = Solve(Quoted(dir + "tenth-digit.txt"));
  EXPECT_NE(r.out.find("\nOptimum: Zmin = 3.098591549\n"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("   x13 = 0 [\xC2\xB1"
                       "1.169014085]   "),
            std::string::npos)
      << r.out;
}

// Equations that agree to ten digits or more: the plain run's equality
// phase snaps the second row to 0 and takes it as redundant; the exact check
// keeps it an equation, whose slack is exactly 0 and carries no bracket.
// True answers by hand (glpsol's readers round such decimals to equal doubles).
TEST(PivoraSolve, NearlyEqualEquationsStayEquations) {
  const std::string note =
      "pivora-solve: Hinweis: das 80-Bit-Ergebnis wurde durch das der exakten Rechnung ersetzt\n";
  Result r = Solve("", "max\n1\n1 = 1\n1 = 1.0000000001\n");
  EXPECT_EQ(r.out, "KEINE L\xC3\x96SUNG!\n");
  EXPECT_EQ(r.err, note);
  r = Solve("", "max\n1 0\n1 -1 = 0\n1 -1.0000000001 = 0\n");
  EXPECT_EQ(r.out,
            "L\xC3\x96SUNG:\n\nOptimum: Zmax = 0\n\nZF:   x1 = 0   x2 = 0\nNB:  y1 = 0   y2 = 0\n");
  r = Solve("", "min\n1 0\n1 1 = 1\n1 0.9999999999 = 1\n");
  EXPECT_EQ(r.out,
            "L\xC3\x96SUNG:\n\nOptimum: Zmin = 1\n\nZF:   x1 = 1   x2 = 0\nNB:  y1 = 0   y2 = 0\n");
  // The steps and the fractions end where the report does.
  r = Solve("--steps --fractions", "min\n1 0\n1 1 = 1\n1 0.9999999999 = 1\n");
  EXPECT_NE(r.out.find("Endtableau:\nDie Spalte der Nullvariablen von Gleichung 2 entf\xC3\xA4llt: "
                       "sie hat die Basis verlassen und darf nie wieder hinein.\n"
                       "     1\nx1    1\nx2    0\n-Z   -1\n\n"
                       "L\xC3\x96SUNG:\n\nOptimum: Zmin = 1\n"),
            std::string::npos)
      << r.out;
  // The optimum was right, but the third row's slack could leave the basis.
  r = Solve("",
            "max\n-4 6 0\n-4 1 7 = -23\n-1 3 -5 >= 0\n-12 3.00000000000000001 21 = "
            "-68.99999999999999993\n");
  EXPECT_EQ(r.out,
            "L\xC3\x96SUNG:\n\nOptimum: Zmax = 12\n\nZF:   x1 = 7.5   x2 = 7   x3 = 0 [\xC2\xB1"
            "7]\nNB:  y1 = 0   y2 = 13.5   y3 = 0\n");
}

TEST(PivoraSolve, InputErrorsNameGridCellAndText) {
  struct Case {
    const char* name;
    std::string file;
    std::string where;
  };
  const Case cases[] = {
      {"comma", "max\n3 2\n1 1,5 <= 4\n",
       ":3: Eingabefehler in der Bedingungstabelle NB, Zelle (2, 1): \"1,5\""},
      {"reversed relation", "max\n3 2\n1 1 <= 4\n1 3 =< 6\n",
       ":4: Eingabefehler in der Bedingungstabelle NB, Zelle (3, 2): \"=<\""},
      {"NUL byte", std::string("max\n3 2\n1 1 <= 4\x00\n", 18),
       ":3: Eingabefehler in der Bedingungstabelle NB, Zelle (4, 1): \"4\\x00\""},
      {"Latin-1 byte", "max\n3 \xE4\n1 1 <= 4\n",
       ":2: Eingabefehler in der Zielfunktion ZF, Zelle (2, 1): \"\\xE4\""},
      {"UTF-8 sign", "max\n3 2\n1 1 \xE2\x89\xA4 4\n",
       ":3: Eingabefehler in der Bedingungstabelle NB, Zelle (3, 1): \"\xE2\x89\xA4\""},
  };
  for (const Case& c : cases) {
    const Result r = Solve("-", c.file);
    EXPECT_EQ(r.exitCode, 1) << c.name;
    EXPECT_EQ(r.out, "EINGABEFEHLER!\n") << c.name;
    EXPECT_EQ(r.err, "pivora-solve: <Standardeingabe>" + c.where + "\n") << c.name;
  }
}

TEST(PivoraSolve, MalformedFilesAreFormatErrorsNamingTheLine) {
  std::string fiftyOne = "max\n";
  for (int j = 0; j < 51; ++j) fiftyOne += "1 ";
  const std::pair<std::string, std::string> cases[] = {
      {"", ":1:"},
      {"# nothing\n# at all\n", ":3:"},
      {"maximize\n1\n1 <= 1\n", ":1:"},
      {"max\n3 2\n1 1 1 <= 4\n", ":3:"},
      {fiftyOne + "\n", ":2:"},
  };
  const testing::TemporaryDirectory files;
  for (const auto& [file, line] : cases) {
    const std::string path = files.Write("malformed.txt", file);
    const Result r = Solve(Quoted(path));
    EXPECT_EQ(r.exitCode, 2) << file;
    EXPECT_EQ(r.out, "") << file;
    EXPECT_EQ(r.err.rfind("pivora-solve: " + path + line, 0), 0u) << r.err;
    EXPECT_EQ(Lines(r.err), 1) << r.err;
  }
}

TEST(PivoraSolve, TenMegabyteLinesGetAClearAnswer) {
  Result r = Solve("-", "max\n" + std::string(10'000'000, '9') + "\n1 <= 1\n");
  EXPECT_EQ(r.exitCode, 1);  // the number overflows: the cell is faulty
  EXPECT_EQ(r.out, "EINGABEFEHLER!\n");
  EXPECT_LT(r.err.size(), 300u);
  EXPECT_NE(r.err.find("(10000000 bytes)"), std::string::npos) << r.err;

  std::string cells = "max\n";
  for (int k = 0; k < 5'000'000; ++k) cells += "1 ";
  r = Solve("-", cells);
  EXPECT_EQ(r.exitCode, 2);
  EXPECT_EQ(Lines(r.err), 1);
}

TEST(PivoraSolve, OverflowInTheSolver) {
  // The optimum 3E8000 lies beyond the extended range.
  const Result r = Solve("-", "max\n3 0\n1e-4000 0 <= 1e4000\n");
  EXPECT_EQ(r.exitCode, 3);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err,
            "pivora-solve: <Standardeingabe>: Gleitkomma\xC3\xBC"
            "berlauf.\n");
}

// "kEe ", appended.
void AppendCell(std::string& text, int k, int e) {
  text.append(std::to_string(k)).append("E").append(std::to_string(e)).append(" ");
}

// A degenerate 50 x 50 problem of 19-digit numbers times 10^-40..10^20,
// every other constant 0: the plain run ends at once on a wrong basis, and
// the exact check follows over a hundred exchanges on long numbers, which
// takes seconds.
std::string DegenerateLongDigits() {
  std::uint64_t x = 2718;
  const auto next = [&x](int modulus) {
    x = x * 6364136223846793005ULL + 1442695040888963407ULL;
    return static_cast<int>((x >> 33) % static_cast<std::uint64_t>(modulus));
  };
  const auto cell = [&](std::string& text, bool positive) {
    if (!positive && next(2) == 0) text.append("-");
    text.append(std::to_string(next(9) + 1));
    for (int d = 0; d < 18; ++d) text.append(std::to_string(next(10)));
    text.append("E").append(std::to_string(next(61) - 40)).append(" ");
  };
  constexpr int kSize = 50;
  std::string text = "max\n";
  for (int j = 0; j < kSize; ++j) cell(text, false);
  text.append("\n");
  for (int i = 0; i < kSize; ++i) {
    for (int j = 0; j < kSize; ++j) cell(text, i % 2 == 0);
    text.append("<= ");
    if (i % 2 == 0) {
      cell(text, true);
    } else {
      text.append("0");
    }
    text.append("\n");
  }
  return text;
}

// A 30 x 30 problem of one-digit numbers times 10^-3900..10^3900: the plain
// run leaves the extended range, the exact run takes many seconds.
std::string WideExponents() {
  constexpr int kSize = 30;
  const auto cell = [](std::string& text, int digit, int exponent) {
    AppendCell(text, digit % 9 + 1, exponent % 7801 - 3900);
  };
  std::string text = "max\n";
  for (int j = 1; j <= kSize; ++j) cell(text, j * 13, j * 59);
  text.append("\n");
  for (int i = 1; i <= kSize; ++i) {
    for (int j = 1; j <= kSize; ++j) cell(text, i * 7 + j * 13, i * j * 31);
    text.append("<= ");
    cell(text, i * 31, i * 71);
    text.append("\n");
  }
  return text;
}

// The ceiling: past its time limit the exact check stops, and the plain
// run's result stands, marked on both outputs, with its own exit code; where
// the plain run left the extended range, its error does.
TEST(PivoraSolve, TheTimeLimitEndsWithThePlainResultMarkedUnchecked) {
  const testing::TemporaryDirectory files;
  const std::string scaled = files.Write("degenerate.txt", DegenerateLongDigits());
  Result r = Solve("--time-limit 0.3 " + Quoted(scaled));
  EXPECT_EQ(r.exitCode, 5);
  EXPECT_EQ(r.out.substr(0, r.out.find('\n')),
            "UNGEPR\xC3\x9C"
            "FT! Das Ergebnis der 80-Bit-Rechnung, ohne die exakte Pr\xC3\xBC"
            "fung:");
  EXPECT_GT(Lines(r.out), 1);
  EXPECT_EQ(r.err,
            "pivora-solve: Hinweis: die exakte Pr\xC3\xBC"
            "fung kam in der Zeitgrenze von 0.3 s nicht zu Ende; der Bericht ist das "
            "ungepr\xC3\xBC"
            "fte Ergebnis der 80-Bit-Rechnung\n");

  r = Solve("--time-limit 0.3 -", WideExponents());
  EXPECT_EQ(r.exitCode, 5);
  EXPECT_EQ(r.out, "");
  EXPECT_NE(r.err.find("Gleitkomma\xC3\xBC"
                       "berlauf.\npivora-solve: Hinweis: die exakte Rechnung kam in der "
                       "Zeitgrenze von 0.3 s nicht zu Ende"),
            std::string::npos)
      << r.err;

  r = RunProgram(PIVORA_BENCH_PROGRAM, "--repeat 1 --time-limit 0.3 " + Quoted(scaled));
  EXPECT_EQ(r.exitCode, 5);
  EXPECT_TRUE(r.out.ends_with(" unchecked\n")) << r.out;
}

TEST(PivoraSolve, UsageErrorsAndHelp) {
  Result r = Solve("--help");
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_EQ(r.out.rfind("Aufruf: pivora-solve", 0), 0u);
  // Every message in German, the usage errors with the pointer to --help.
  const std::string help = "\nAufruf und Optionen: pivora-solve --help\n";
  const std::pair<const char*, std::string> cases[] = {
      {"--frobnicate", "unbekannte Option \"--frobnicate\"" + help},
      {"--digits", "--digits braucht einen Wert" + help},
      {"--digits 3.5", "--digits braucht eine ganze Zahl, nicht \"3.5\"" + help},
      {"a.txt b.txt", "bitte nur eine Problemdatei angeben" + help},
      {"/nonexistent/problem.txt",
       "/nonexistent/problem.txt: kann nicht ge\xC3\xB6"
       "ffnet werden: Die Datei gibt es nicht.\n"},
  };
  for (const auto& [arguments, err] : cases) {
    r = Solve(arguments, kWorkedExample);
    EXPECT_EQ(r.exitCode, 2) << arguments;
    EXPECT_EQ(r.out, "") << arguments;
    EXPECT_EQ(r.err, "pivora-solve: " + err) << arguments;
  }
}

TEST(PivoraBench, OneLinePerFileWithStatusPivotsAndMedians) {
  const Result r = RunProgram(PIVORA_BENCH_PROGRAM, "--repeat 7 " + Example("worked-example.txt") +
                                                        " " + Example("infeasible.txt"));
  EXPECT_EQ(r.exitCode, 0) << r.err;
  const std::regex line(
      "[^ ]*worked-example.txt status=1 pivots=[1-9][0-9]* read_us=[0-9]+\\.[0-9]{3} "
      "solve_us=[0-9]+\\.[0-9]{3}\n"
      "[^ ]*infeasible.txt status=0 pivots=[0-9]+ read_us=[0-9]+\\.[0-9]{3} "
      "solve_us=[0-9]+\\.[0-9]{3}\n");
  EXPECT_TRUE(std::regex_match(r.out, line)) << r.out;
}

// The plain run leaves the range on the way; the exact run finds the
// optimum 1, as pivora-solve reports it.
TEST(PivoraBench, APlainRunBeyondTheRangeIsJudgedExactly) {
  const testing::TemporaryDirectory files;
  const std::string wide = files.Write("wide.txt", "max\n1 1\n1 1E3000 <= 1\n1E3000 1 <= 1E3000\n");
  const Result r = RunProgram(PIVORA_BENCH_PROGRAM, "--repeat 3 " + Quoted(wide));
  EXPECT_EQ(r.exitCode, 0) << r.err;
  EXPECT_NE(r.out.find(" status=1 "), std::string::npos) << r.out;
  EXPECT_NE(r.out.find(" exact\n"), std::string::npos) << r.out;
}

TEST(PivoraBench, BadFilesAndOptions) {
  const testing::TemporaryDirectory files;
  const std::string bad = files.Write("bench-bad.txt", "max\n1 2\n1 <= 4\n");
  Result r = RunProgram(PIVORA_BENCH_PROGRAM, "--repeat 2 " + Quoted(bad));
  EXPECT_EQ(r.exitCode, 2);
  EXPECT_NE(r.err.find(":3:"), std::string::npos) << r.err;
  r = RunProgram(PIVORA_BENCH_PROGRAM, "--repeat 0 " + Example("worked-example.txt"));
  EXPECT_EQ(r.exitCode, 2);
  r = RunProgram(PIVORA_BENCH_PROGRAM, "--repeat 99999999999 " + Example("worked-example.txt"));
  EXPECT_EQ(r.exitCode, 2);
  r = RunProgram(PIVORA_BENCH_PROGRAM, "");
  EXPECT_EQ(r.exitCode, 2);
}

TEST(Programs, AFullDeviceIsAnError) {
  for (const std::string& command :
       {Quoted(PIVORA_SOLVE_PROGRAM), Quoted(PIVORA_BENCH_PROGRAM) + " --repeat 1"}) {
    const int status = std::system(
        (command + " " + Example("worked-example.txt") + " >/dev/full 2>/dev/null").c_str());
    ASSERT_TRUE(WIFEXITED(status)) << command;
    EXPECT_EQ(WEXITSTATUS(status), 2) << command;
  }
}

}  // namespace
}  // namespace pivora
