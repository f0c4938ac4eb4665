// LP and MPS models from a public solver's sample data, read, converted to
// the grids and solved as the window solves: the status, then the optimum.
#include <gtest/gtest.h>

#include <string>

#include "cli/enter_problem.h"
#include "files/model_file.h"
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

}  // namespace
}  // namespace pivora
