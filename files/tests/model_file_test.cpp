// LP and MPS models from a public solver's sample data, read into the grids' cells
// with their legend, or refused with the reason.
#include "files/model_file.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <new>
#include <string>

#include "files/mps_size.h"
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

// 120,000 columns of one entry each in 2 MB: refused by the first pass with
// the message GLPK's count gives, before GLPK reads the file (which would
// hold every column, some 300 bytes each, and then refuse the RHS's "zz");
// the pass keeps no column.
TEST(ModelFile, ALargeModelIsRefusedBeforeGlpkReadsIt) {
  std::string text = "NAME BIG\nROWS\n N COST\n L R1\nCOLUMNS\n";
  for (int j = 1; j <= 120000; ++j) text += " C" + std::to_string(j) + " R1 1\n";
  text += "RHS\n RHS R1 zz\nENDATA\n";
  const testing::TemporaryDirectory files;
  const std::string model = files.Write("big.mps", text);
  gAllocated = 0;
  gCounting = true;
  const ModelFileOutcome read = ReadModelFile(model, ModelFormat::kMps);
  gCounting = false;
  EXPECT_EQ(read.kind, ModelFileOutcome::Kind::kTooLarge);
  EXPECT_EQ(read.message,
            "Das Modell hat 1 Zeilen \xC3\x97 120000 Spalten; umgeformt sind das 1 Bedingungen "
            "\xC3\x97 120000 Variablen, ins Gitter passen 1 bis 50 \xC3\x97 1 bis 50.");
  EXPECT_LT(gAllocated.load(), std::size_t{64} * 1024);
}

// The first pass counts as GLPK's read does: N rows removed, a range of 0
// and one on an N row adding no row, integer markers, every kind of bound
// (LI lifts the upper bound it finds unset), and in fixed MPS a record with
// field 2 blank going on with the column before. Both files are small
// enough for GLPK to read them, which gives the counts to match.
TEST(ModelFile, TheFirstPassCountsAsGlpkDoes) {
  std::string free =
      "NAME COUNT\nROWS\n N COST\n N OTHER\n L R1\n G R2\n E R3\nCOLUMNS\n"
      " M1 'MARKER' 'INTORG'\n I1 R1 1\n I2 R1 1\n I3 R2 1\n M2 'MARKER' 'INTEND'\n";
  for (int j = 1; j <= 50; ++j) free += " X" + std::to_string(j) + " R3 1 R2 1\n";
  free +=
      "RHS\n RHS R1 4 R2 1\nRANGES\n RNG R1 2 R2 0\n RNG R3 -1 OTHER 5\nBOUNDS\n"
      " UP BND I1 5\n LI BND I2 2\n UI BND I3 0.5\n MI BND X1\n FR BND X2\n FX BND X3 2\n"
      " LO BND X4 1\n UP BND X4 3\n BV BND X5\n PL BND X6\n LO BND X7 -1.5\nENDATA\n";
  std::string fixed = "NAME          COUNT\nROWS\n N  COST\n L  LIM1\n G  LIM2\nCOLUMNS\n";
  for (int j = 1; j <= 51; ++j) {
    char name[16];
    std::snprintf(name, sizeof name, "X%-9d", j);  // field 2 and its gap: 10 characters
    fixed.append(4, ' ').append(name).append("LIM1      1\n");
    fixed.append(14, ' ').append("LIM2      1\n");
  }
  fixed.append("RHS\n    RHS       LIM1      4\nBOUNDS\n UP BND       X1        4\nENDATA\n");
  const testing::TemporaryDirectory files;
  for (const auto& [name, text] : {std::pair{"free.mps", free}, std::pair{"fixed.mps", fixed}}) {
    const std::string path = files.Write(name, text);
    const std::optional<MpsSize> size = CountMpsModel(path);
    ASSERT_TRUE(size) << name;
    const ModelFileOutcome read = ReadModelFile(path, ModelFormat::kMps);
    ASSERT_EQ(read.kind, ModelFileOutcome::Kind::kTooLarge) << name << ": " << read.message;
    EXPECT_EQ(TooLargeMessage(size->rows, size->columns, size->grid), read.message) << name;
  }
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
// GLPK, which ends the process that reads it: it is refused, the next model
// reads as ever (in a reading process made anew), and the program has as
// many descriptors open as before. Where the free read refused the file and
// the fixed read fails the check, the free read's reason stands.
TEST(ModelFile, AFileThatFailsGlpksOwnCheckIsRefused) {
  const testing::TemporaryDirectory files;
  const std::string twice =
      files.Write("twice.mps",
                  "NAME T\nROWS\n N COST\n L R1\nCOLUMNS\n X COST 1 R1 1\nRHS\n RHS R1 4\nBOUNDS\n"
                  " FR BND X\n FR BND X\nENDATA\n");
  const std::string good = kModels + "exmip1.lp";
  ASSERT_EQ(ReadModelFile(good, ModelFormat::kLp).kind, ModelFileOutcome::Kind::kRead);
  const std::size_t open = OpenDescriptors();
  const ModelFileOutcome refused = ReadModelFile(twice, ModelFormat::kMps);
  EXPECT_EQ(refused.kind, ModelFileOutcome::Kind::kFailed);
  EXPECT_EQ(refused.line, 11);
  EXPECT_NE(refused.message.find("fr\xC3\xBChere Schranke"), std::string::npos) << refused.message;
  EXPECT_EQ(ReadModelFile(good, ModelFormat::kLp).kind, ModelFileOutcome::Kind::kRead);
  EXPECT_EQ(OpenDescriptors(), open);
  const std::string fixed = files.Write("fixed.mps",
                                        "NAME          T\nROWS\n N  COST\n L  R 1\nCOLUMNS\n"
                                        "    X         COST      1              R 1       1\n"
                                        "RHS\n    RHS       R 1       4\nBOUNDS\n"
                                        " FR BND       X\n FR BND       X\nENDATA\n");
  EXPECT_EQ(ReadModelFile(fixed, ModelFormat::kMps).message, "Zeile 4: Feld 3 muss leer sein.");
}

}  // namespace
}  // namespace pivora
