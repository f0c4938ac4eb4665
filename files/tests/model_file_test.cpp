// LP and MPS models from a public solver's sample data, read into the grids' cells
// with their legend, or refused with the reason.
#include "files/model_file.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <new>
#include <string>

#include "solver/testing/temporary_directory.h"

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

TEST(ModelFile, BoundsBecomeRowsAndTheBinariesAreMarked) {
  const ModelFileOutcome model = ReadModelFile(kModels + "exmip1.lp", ModelFormat::kLp);
  ASSERT_EQ(model.kind, ModelFileOutcome::Kind::kRead) << model.message;
  // 5 rows and 9 bounds; RgROW05 in [-12, 0] is shifted by 12.
  EXPECT_EQ(model.problem.m, 14);
  EXPECT_EQ(model.problem.n, 10);
  EXPECT_EQ(model.legend.variables.back(), "x10 = RgROW05 + 12");
  ASSERT_EQ(model.legend.notes.size(), 1u);
  EXPECT_NE(model.legend.notes[0].find("ganzzahlig markiert"), std::string::npos);
  // COL04 and COL03, the binaries, are x5 and x6.
  for (int j = 1; j <= 10; ++j) EXPECT_EQ(model.problem.integers.Of(j), j == 5 || j == 6) << j;
}

// A general column with a negative bound that is no whole number and a
// binary: the bounds rounded inward before the shift (-2.5 <= x <= 1.7 is
// -2 <= x <= 1, so x + 2 in 0..3), both marked; a column whose bounds hold
// no whole number becomes two rows that contradict each other, with a note.
TEST(ModelFile, WholeNumberedColumnsKeepTheirKindWithBoundsRoundedInward) {
  const testing::TemporaryDirectory files;
  const std::string path =
      files.Write("whole.lp",
                  "Maximize\n obj: x + y + z + w\nSubject To\n c1: x + y + z <= 3.5\nBounds\n"
                  " -2.5 <= x <= 1.7\n 0.2 <= w <= 0.8\nGeneral\n x w\nBinaries\n z\nEnd\n");
  const ModelFileOutcome model = ReadModelFile(path, ModelFormat::kLp);
  ASSERT_EQ(model.kind, ModelFileOutcome::Kind::kRead) << model.message;
  ASSERT_EQ(model.problem.n, 4);
  EXPECT_EQ(model.legend.variables[0], "x1 = x + 2");
  EXPECT_TRUE(model.problem.integers.Of(1));   // x
  EXPECT_FALSE(model.problem.integers.Of(2));  // y
  EXPECT_TRUE(model.problem.integers.Of(3));   // z
  EXPECT_TRUE(model.problem.integers.Of(4));   // w
  std::vector<std::string> rows;
  for (const auto& row : model.problem.constraints) {
    std::string text;
    for (const std::string& cell : row) text.append(cell).append(" ");
    rows.push_back(text);
  }
  EXPECT_EQ(rows, (std::vector<std::string>{"1 1 1 0 <= 5.5 ", "1 0 0 0 <= 3 ", "0 0 1 0 <= 1 ",
                                            "0 0 0 1 >= 1 ", "0 0 0 1 <= 0 "}));
  ASSERT_EQ(model.legend.notes.size(), 3u);  // the constant -2, the marks, w
  EXPECT_EQ(model.legend.notes[2], "w: die Schranken 0.2 und 0.8 lassen keine ganze Zahl zu");
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
  const testing::TemporaryDirectory files;
  const std::string model = files.Write("big.mps", text);
  gAllocated = 0;
  gCounting = true;
  const ModelFileOutcome read = ReadModelFile(model, ModelFormat::kMps);
  gCounting = false;
  EXPECT_EQ(read.kind, ModelFileOutcome::Kind::kTooLarge);
  EXPECT_NE(read.message.find("6000 Zeilen \xC3\x97 6000 Spalten"), std::string::npos)
      << read.message;
  EXPECT_LT(gAllocated.load(), std::size_t{64} * 1024);
}

// What went wrong and where, in sentences of our own: neither GLPK's nor
// the operating system's English reaches the user.
TEST(ModelFile, FailuresAreToldInGerman) {
  const testing::TemporaryDirectory files;
  const std::string number =
      files.Write("number.mps", "NAME T\nROWS\n N COST\n L R1\nCOLUMNS\n X R1 zz\nRHS\nENDATA\n");
  const ModelFileOutcome notANumber = ReadModelFile(number, ModelFormat::kMps);
  EXPECT_EQ(notANumber.message, "Zeile 6: \xC2\xBBzz\xC2\xAB ist keine Zahl.");
  const std::string bad =
      files.Write("bad.lp", "Minimize\n obj: x + y\nSubject To\n c1: x + y >=< 2\nEnd\n");
  EXPECT_EQ(ReadModelFile(bad, ModelFormat::kLp).message, "Zeile 4: Die rechte Seite fehlt.");
  const ModelFileOutcome missing = ReadModelFile(kModels + "absent.lp", ModelFormat::kLp);
  EXPECT_EQ(missing.kind, ModelFileOutcome::Kind::kFailed);
  EXPECT_EQ(missing.message, "Die Datei gibt es nicht.");
  EXPECT_EQ(ReadModelFile(kModels, ModelFormat::kMps).message, "Das ist ein Ordner, keine Datei.");
}

std::size_t OpenDescriptors() {
  std::size_t count = 0;
  for (const auto& entry : std::filesystem::directory_iterator("/proc/self/fd")) {
    static_cast<void>(entry);
    ++count;
  }
  return count;
}

// A free-format MPS file that frees a column twice fails an assertion inside
// GLPK, which ends the process that reads it: it is refused, nothing is left
// open, and the next model reads as ever. Where the free read refused the
// file and the fixed read fails the check, the free read's reason stands.
TEST(ModelFile, AFileThatFailsGlpksOwnCheckIsRefused) {
  const testing::TemporaryDirectory files;
  const std::string twice =
      files.Write("twice.mps",
                  "NAME T\nROWS\n N COST\n L R1\nCOLUMNS\n X COST 1 R1 1\nRHS\n RHS R1 4\nBOUNDS\n"
                  " FR BND X\n FR BND X\nENDATA\n");
  const std::size_t open = OpenDescriptors();
  const ModelFileOutcome refused = ReadModelFile(twice, ModelFormat::kMps);
  EXPECT_EQ(refused.kind, ModelFileOutcome::Kind::kFailed);
  EXPECT_EQ(refused.line, 11);
  EXPECT_NE(refused.message.find("fr\xC3\xBChere Schranke"), std::string::npos) << refused.message;
  EXPECT_EQ(OpenDescriptors(), open);
  EXPECT_EQ(ReadModelFile(kModels + "exmip1.lp", ModelFormat::kLp).kind,
            ModelFileOutcome::Kind::kRead);
  const std::string fixed = files.Write("fixed.mps",
                                        "NAME          T\nROWS\n N  COST\n L  R 1\nCOLUMNS\n"
                                        "    X         COST      1              R 1       1\n"
                                        "RHS\n    RHS       R 1       4\nBOUNDS\n"
                                        " FR BND       X\n FR BND       X\nENDATA\n");
  EXPECT_EQ(ReadModelFile(fixed, ModelFormat::kMps).message, "Zeile 4: Feld 3 muss leer sein.");
}

}  // namespace
}  // namespace pivora
