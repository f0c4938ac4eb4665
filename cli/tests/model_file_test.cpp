// LP and MPS models from a public solver's sample data, read, converted to
// the grids and solved as the window solves: the status, then the optimum.
#include "files/model_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <string>

#include "cli/enter_problem.h"
#include "ui/handlers.h"
#include "ui/plain_window.h"

// Bytes the program asks of operator new while `gCounting` is set: the model
// reader's own memory, GLPK's (malloc) not included. Both operators are
// replaced, so a sanitizer sees malloc and free in pairs; out of line, so the
// compiler does not pair them itself.
namespace {
std::atomic<bool> gCounting{false};
std::atomic<std::size_t> gAllocated{0};
}  // namespace

[[gnu::noinline]] void* operator new(std::size_t size) {
  if (gCounting) gAllocated += size;
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}
[[gnu::noinline]] void operator delete(void* p) noexcept { std::free(p); }
[[gnu::noinline]] void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace pivora {
namespace {

const std::string kModels = std::string(PIVORA_LP_INSTANCES_DIR) + "/models/";

struct ModelCase {
  const char* file;
  const char* reportLine;  // the status line, or the optimum line at 10 digits
  int line;                // where it stands in the report
};

class ModelFileTest : public ::testing::TestWithParam<ModelCase> {};

// A model written to a file that goes when the test ends.
class ModelText {
 public:
  ModelText(const std::string& ending, const std::string& text)
      : path_(::testing::TempDir() + "pivora_model_" + std::to_string(::getpid()) + ending) {
    std::FILE* file = std::fopen(path_.c_str(), "wb");
    std::fwrite(text.data(), 1, text.size(), file);
    std::fclose(file);
  }
  ~ModelText() { std::remove(path_.c_str()); }
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

// The report the window writes for the model, at 10 digits with details.
std::vector<std::string> Solved(const ProblemFile& problem, ReportViews views = {}) {
  PlainWindow window;
  window.SetViews(views);
  EnterProblem(window, problem);
  SolveClick(window, &window);
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

// x = 0.1 and 3x = 0.3 agree exactly; shifted by the lower bound -0.2 in
// binary doubles they became 0.30000000000000004 and 0.9000000000000001 and
// no longer did.
TEST(ModelFile, ShiftsAndRowsAreComputedInTheModelsDecimals) {
  const ModelText model(".lp",
                        "Maximize\n obj: x\nSubject To\n c1: x = 0.1\n c2: 3 x = 0.3\n"
                        "Bounds\n -0.2 <= x <= 5\nEnd\n");
  const ModelFileOutcome read = ReadModelFile(model.Path(), ModelFormat::kLp);
  ASSERT_EQ(read.kind, ModelFileOutcome::Kind::kRead) << read.message;
  const std::vector<std::vector<std::string>> rows{
      {"1", "=", "0.3"}, {"3", "=", "0.9"}, {"1", "<=", "5.2"}};
  EXPECT_EQ(read.problem.constraints, rows);
  ASSERT_EQ(read.legend.notes.size(), 1u);
  EXPECT_NE(read.legend.notes[0].find("Konstante -0.2 "), std::string::npos)
      << read.legend.notes[0];
  // The model's optimum 0.1 is the reported 0.3 less the constant 0.2.
  EXPECT_EQ(Solved(read.problem)[2], "Optimum: Zmax = 0.3");
  ReportViews fractions;
  fractions.fractions = true;
  const std::vector<std::string> exact = Solved(read.problem, fractions);
  EXPECT_NE(std::find(exact.begin(), exact.end(), "Optimum: Zmax = 3/10"), exact.end());
}

// min x with x free and x >= -3: the negative part carries the sign.
TEST(ModelFile, AFreeVariableIsItsPositiveLessItsNegativePart) {
  const ModelText model(".lp",
                        "Minimize\n obj: x\nSubject To\n c1: x >= -3\nBounds\n x free\nEnd\n");
  const ModelFileOutcome read = ReadModelFile(model.Path(), ModelFormat::kLp);
  ASSERT_EQ(read.kind, ModelFileOutcome::Kind::kRead) << read.message;
  EXPECT_EQ(read.legend.variables[1], "x2 = x (negativer Teil)");
  EXPECT_EQ(Solved(read.problem)[2], "Optimum: Zmin = -3");
}

// 6000 rows and 6000 columns with one entry each: refused from GLPK's counts,
// without a row of the grids built (a dense row alone is 6000 cells).
TEST(ModelFile, ALargeModelIsRefusedBeforeItsRowsAreBuilt) {
  std::string text = "NAME BIG\nROWS\n N COST\n";
  for (int i = 1; i <= 6000; ++i) text += " L R" + std::to_string(i) + "\n";
  text += "COLUMNS\n";
  for (int j = 1; j <= 6000; ++j) {
    text += " C" + std::to_string(j) + " R" + std::to_string(j) + " 1\n";
  }
  text += "RHS\n";
  for (int i = 1; i <= 6000; ++i) text += " RHS R" + std::to_string(i) + " 1\n";
  text += "ENDATA\n";
  const ModelText model(".mps", text);
  gAllocated = 0;
  gCounting = true;
  const ModelFileOutcome read = ReadModelFile(model.Path(), ModelFormat::kMps);
  gCounting = false;
  EXPECT_EQ(read.kind, ModelFileOutcome::Kind::kTooLarge);
  EXPECT_NE(read.message.find("6000 Zeilen \xC3\x97 6000 Spalten"), std::string::npos)
      << read.message;
  EXPECT_LT(gAllocated.load(), std::size_t{64} * 1024);
}

TEST(ModelFile, TooLargeAndMalformedModelsAreRefusedWithSizeOrLine) {
  const ModelFileOutcome large = ReadModelFile(kModels + "e226.mps", ModelFormat::kMps);
  EXPECT_EQ(large.kind, ModelFileOutcome::Kind::kTooLarge);
  EXPECT_NE(large.message.find("223 Zeilen \xC3\x97 282 Spalten"), std::string::npos)
      << large.message;

  const ModelText bad(".lp", "Minimize\n obj: x + y\nSubject To\n c1: x + y >=< 2\nEnd\n");
  const ModelFileOutcome malformed = ReadModelFile(bad.Path(), ModelFormat::kLp);
  EXPECT_EQ(malformed.kind, ModelFileOutcome::Kind::kFailed);
  EXPECT_EQ(malformed.line, 4);
}

// What went wrong and where, in sentences of our own: neither GLPK's nor
// the operating system's English reaches the user.
TEST(ModelFile, FailuresAreToldInGerman) {
  const ModelText number(".mps", "NAME T\nROWS\n N COST\n L R1\nCOLUMNS\n X R1 zz\nRHS\nENDATA\n");
  const ModelFileOutcome notANumber = ReadModelFile(number.Path(), ModelFormat::kMps);
  EXPECT_EQ(notANumber.message, "Zeile 6: \xC2\xBBzz\xC2\xAB ist keine Zahl.");
  const ModelText bad(".lp", "Minimize\n obj: x + y\nSubject To\n c1: x + y >=< 2\nEnd\n");
  EXPECT_EQ(ReadModelFile(bad.Path(), ModelFormat::kLp).message,
            "Zeile 4: Die rechte Seite fehlt.");
  const ModelFileOutcome missing = ReadModelFile(kModels + "absent.lp", ModelFormat::kLp);
  EXPECT_EQ(missing.kind, ModelFileOutcome::Kind::kFailed);
  EXPECT_EQ(missing.message, "Die Datei gibt es nicht.");
  EXPECT_EQ(ReadModelFile(kModels, ModelFormat::kMps).message, "Das ist ein Ordner, keine Datei.");
}

}  // namespace
}  // namespace pivora
