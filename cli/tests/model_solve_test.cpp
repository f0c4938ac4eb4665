// LP and MPS models from a public solver's sample data, read, converted to
// the grids and solved as the window solves: the status, then the optimum.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "cli/enter_problem.h"
#include "files/model_file.h"
#include "solver/testing/temporary_directory.h"
#include "ui/handlers.h"
#include "ui/plain_window.h"

namespace pivora {
namespace {

const std::string kModels = std::string(PIVORA_LP_INSTANCES_DIR) + "/models/";

struct ModelCase {
  const char* file;
  const char* reportLine;  // the status line, or the optimum line at 10 digits
  int line;                // where it stands in the report
};

class ModelFileTest : public ::testing::TestWithParam<ModelCase> {};

// The report the window writes for the model, at 10 digits with details;
// `modelOptimum` receives the line of the model's own optimum.
std::vector<std::string> Solved(const ProblemFile& problem, ReportViews views = {},
                                const ModelLegend* legend = nullptr,
                                std::string* modelOptimum = nullptr) {
  PlainWindow window;
  window.SetViews(views);
  if (legend) window.SetObjectiveConstant(legend->objectiveConstant);
  EnterProblem(window, problem);
  const SolveClickOutcome outcome = SolveClick(window, &window);
  if (modelOptimum) *modelOptimum = outcome.modelOptimum;
  return window.SolLines();
}

TEST_P(ModelFileTest, SolvesToTheKnownOutcome) {
  const ModelCase& c = GetParam();
  const std::string path = kModels + c.file;
  const ModelFileOutcome model = ReadModelFile(path, *ModelFormatOfPath(path));
  ASSERT_EQ(model.kind, ModelFileOutcome::Kind::kRead) << model.message;
  PlainWindow window;
  EnterProblem(window, model.problem);
  SolveClick(window, &window);
  ASSERT_GT(window.SolLines().size(), static_cast<std::size_t>(c.line));
  EXPECT_EQ(window.SolLines()[static_cast<std::size_t>(c.line)], c.reportLine);
  EXPECT_EQ(model.legend.variables.size(), static_cast<std::size_t>(model.problem.n));
  EXPECT_EQ(model.legend.rows.size(), static_cast<std::size_t>(model.problem.m));
}

INSTANTIATE_TEST_SUITE_P(
    SampleModels, ModelFileTest,
    ::testing::Values(ModelCase{"afiro.mps", "Optimum: Zmin = -464.7531429", 2},
                      ModelCase{"galenet.mps", "KEINE L\xD6SUNG!", 0},
                      ModelCase{"galenetbnds.mps", "KEINE L\xD6SUNG!", 0},
                      ModelCase{"exmip1.lp", "Optimum: Zmin = 3.236842105", 2}),
    [](const ::testing::TestParamInfo<ModelCase>& info) {
      std::string name = info.param.file;
      for (char& ch : name) {
        if (ch == '.') ch = '_';
      }
      return name;
    });

// The model's optimum 0.1 is the reported 0.3 less the constant 0.2 its
// shift left behind (how the cells and the constant are read is the model
// reader's test): a line of its own beside the views, outside the plain
// report.
TEST(ModelFile, TheModelsOptimumStandsBesideTheGridsOne) {
  const testing::TemporaryDirectory files;
  const std::string model =
      files.Write("model.lp",
                  "Maximize\n obj: x\nSubject To\n c1: x = 0.1\n c2: 3 x = 0.3\n"
                  "Bounds\n -0.2 <= x <= 5\nEnd\n");
  const ModelFileOutcome read = ReadModelFile(model, ModelFormat::kLp);
  ASSERT_EQ(read.kind, ModelFileOutcome::Kind::kRead) << read.message;
  std::string modelOptimum;
  const std::vector<std::string> plain = Solved(read.problem, {}, &read.legend, &modelOptimum);
  EXPECT_EQ(plain[2], "Optimum: Zmax = 0.3");
  EXPECT_EQ(plain[3], "");
  EXPECT_EQ(modelOptimum, "Optimum des Modells: Zmax = 0.1 (mit der Konstanten -0.2)");
  ReportViews fractions;
  fractions.fractions = true;
  const std::vector<std::string> exact = Solved(read.problem, fractions, &read.legend);
  const auto optimum = std::find(exact.begin(), exact.end(), "Optimum: Zmax = 3/10");
  ASSERT_NE(optimum, exact.end());
  EXPECT_EQ(optimum[1], "Optimum des Modells: Zmax = 1/10 (mit der Konstanten -0.2)");
}

// The E row 0.1 with range 0.7 ends at 0.8 in decimals, not at GLPK's binary
// sum 0.7999999999999999, so x >= 0.8 has the solution glpsol --exact
// finds, the minimum 0.8.
TEST(ModelFile, ARangeRowInTheModelsDecimalsKeepsItsSolution) {
  const testing::TemporaryDirectory files;
  const std::string model =
      files.Write("ranges.mps",
                  "NAME RANGES\nROWS\n N COST\n E R1\n G LIM\nCOLUMNS\n X COST 1 R1 1\n X LIM 1\n"
                  "RHS\n RHS R1 0.1 LIM 0.8\nRANGES\n RNG R1 0.7\nENDATA\n");
  const ModelFileOutcome read = ReadModelFile(model, ModelFormat::kMps);
  ASSERT_EQ(read.kind, ModelFileOutcome::Kind::kRead) << read.message;
  const std::vector<std::string> report = Solved(read.problem);
  ASSERT_GE(report.size(), 3u) << report[0];
  EXPECT_EQ(report[2], "Optimum: Zmin = 0.8");
  ReportViews fractions;
  fractions.fractions = true;
  const std::vector<std::string> exact = Solved(read.problem, fractions);
  EXPECT_NE(std::find(exact.begin(), exact.end(), "Optimum: Zmin = 4/5"), exact.end());
}

// min x with x free and x >= -3: the negative part carries the sign.
TEST(ModelFile, AFreeVariableReachesItsNegativeOptimum) {
  const testing::TemporaryDirectory files;
  const std::string model = files.Write(
      "model.lp", "Minimize\n obj: x\nSubject To\n c1: x >= -3\nBounds\n x free\nEnd\n");
  const ModelFileOutcome read = ReadModelFile(model, ModelFormat::kLp);
  ASSERT_EQ(read.kind, ModelFileOutcome::Kind::kRead) << read.message;
  EXPECT_EQ(Solved(read.problem)[2], "Optimum: Zmin = -3");
}
}  // namespace
}  // namespace pivora
