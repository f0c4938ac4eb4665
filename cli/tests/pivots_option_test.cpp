// pivora-solve --pivots: an exercise sheet's pivots checked from a script,
// by exit status and the sheet on standard output.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "solver/testing/temporary_directory.h"

namespace pivora {
namespace {

struct Checked {
  int exitCode = -1;
  std::string out;
  std::string err;
};

std::string Slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// pivora-solve --pivots PIVOTS on the problem file `problem`.
Checked CheckPivots(const std::string& pivots, const std::string& problem) {
  const testing::TemporaryDirectory files;
  const std::string in = files.Write("problem.txt", problem);
  const std::string out = files.File("stdout");
  const std::string err = files.File("stderr");
  const std::string command = std::string("'") + PIVORA_SOLVE_PROGRAM + "' --pivots '" + pivots +
                              "' '" + in + "' >'" + out + "' 2>'" + err + "'";
  const int status = std::system(command.c_str());
  Checked run;
  if (status != -1 && WIFEXITED(status)) run.exitCode = WEXITSTATUS(status);
  run.out = Slurp(out);
  run.err = Slurp(err);
  return run;
}

constexpr const char* kWorkedExample = "max\n3 2\n1 1 <= 4\n1 3 <= 6\n";

TEST(PivotsOption, ExitsZeroWhenEveryPivotWasAllowedAndFourAtTheFirstRefused) {
  const Checked right = CheckPivots("1,1", kWorkedExample);
  EXPECT_EQ(right.exitCode, 0) << right.err;
  EXPECT_NE(right.out.find("Richtig: die Wahl des Verfahrens"), std::string::npos) << right.out;
  EXPECT_NE(right.out.find("Ende: Optimum erreicht"), std::string::npos) << right.out;

  const Checked detour = CheckPivots("2,2  1,1", kWorkedExample);
  EXPECT_EQ(detour.exitCode, 0) << detour.err;
  EXPECT_NE(detour.out.find("Erlaubt. Das Verfahren h\xC3\xA4tte Spalte 1 (x1) genommen"),
            std::string::npos)
      << detour.out;

  const Checked refused = CheckPivots("1,1 2,2", kWorkedExample);
  EXPECT_EQ(refused.exitCode, 4) << refused.err;
  EXPECT_NE(refused.out.find("Selbst gerechnet: 1 Austausch\n"), std::string::npos);
  EXPECT_NE(refused.out.find("Pivot 2 in Zeile 2, Spalte 2:\nNicht erlaubt: "), std::string::npos)
      << refused.out;
}

TEST(PivotsOption, AMalformedSheetOrCellIsNoJudgement) {
  const Checked outside = CheckPivots("1,1 3,1", kWorkedExample);
  EXPECT_EQ(outside.exitCode, 2);
  EXPECT_EQ(outside.out, "");
  EXPECT_NE(outside.err.find("\"3,1\" liegt au\xC3\x9F"
                             "erhalb des Tableaus (2 Zeilen, 2 Spalten)"),
            std::string::npos)
      << outside.err;
  EXPECT_EQ(CheckPivots("1;1", kWorkedExample).exitCode, 2);

  const Checked faulty = CheckPivots("1,1", "max\n3 zwei\n1 1 <= 4\n");
  EXPECT_EQ(faulty.exitCode, 1);
  EXPECT_EQ(faulty.out, "EINGABEFEHLER!\n");
}

}  // namespace
}  // namespace pivora
