// LP and MPS models from a public solver's sample data, read, converted to
// the grids and solved as the window solves: the status, then the optimum.
#include "files/model_file.h"

#include <gtest/gtest.h>

#include <string>

#include "cli/enter_problem.h"
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

TEST(ModelFile, BoundsBecomeRowsAndTheBinariesANote) {
  const ModelFileOutcome model = ReadModelFile(kModels + "exmip1.lp", ModelFormat::kLp);
  ASSERT_EQ(model.kind, ModelFileOutcome::Kind::kRead) << model.message;
  // 5 rows and 9 bounds; RgROW05 in [-12, 0] is shifted by 12.
  EXPECT_EQ(model.problem.m, 14);
  EXPECT_EQ(model.problem.n, 10);
  EXPECT_EQ(model.legend.variables.back(), "x10 = RgROW05 + 12");
  ASSERT_EQ(model.legend.notes.size(), 1u);
  EXPECT_NE(model.legend.notes[0].find("LP-Relaxation"), std::string::npos);
}

TEST(ModelFile, TooLargeAndMalformedModelsAreRefusedWithSizeOrLine) {
  const ModelFileOutcome large = ReadModelFile(kModels + "e226.mps", ModelFormat::kMps);
  EXPECT_EQ(large.kind, ModelFileOutcome::Kind::kTooLarge);
  EXPECT_NE(large.message.find("223 Zeilen \xC3\x97 282 Spalten"), std::string::npos)
      << large.message;

  const std::string bad = ::testing::TempDir() + "pivora_bad.lp";
  FILE* file = std::fopen(bad.c_str(), "w");
  std::fputs("Minimize\n obj: x + y\nSubject To\n c1: x + y >=< 2\nEnd\n", file);
  std::fclose(file);
  const ModelFileOutcome malformed = ReadModelFile(bad, ModelFormat::kLp);
  EXPECT_EQ(malformed.kind, ModelFileOutcome::Kind::kFailed);
  EXPECT_EQ(malformed.line, 4);
}

}  // namespace
}  // namespace pivora
