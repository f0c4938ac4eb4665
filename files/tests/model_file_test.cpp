// LP and MPS models from a public solver's sample data, read into the grids' cells
// with their legend, or refused with the reason.
#include "files/model_file.h"

#include <gtest/gtest.h>

#include <string>

#include "solver/testing/temporary_directory.h"

namespace pivora {
namespace {

const std::string kModels = std::string(PIVORA_LP_INSTANCES_DIR) + "/models/";

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

  const testing::TemporaryDirectory files;
  const std::string bad =
      files.Write("bad.lp", "Minimize\n obj: x + y\nSubject To\n c1: x + y >=< 2\nEnd\n");
  const ModelFileOutcome malformed = ReadModelFile(bad, ModelFormat::kLp);
  EXPECT_EQ(malformed.kind, ModelFileOutcome::Kind::kFailed);
  EXPECT_EQ(malformed.line, 4);
}

}  // namespace
}  // namespace pivora
