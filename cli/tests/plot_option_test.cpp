// pivora-solve --plot: the picture written without a display, as SVG or PNG,
// and for more than three variables left out with a German reason, the
// report written as without --plot.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace pivora {
namespace {

namespace fs = std::filesystem;

// A directory of its own for one test, removed with everything in it.
class ScratchDir {
 public:
  ScratchDir() {
    std::string pattern = (fs::temp_directory_path() / "pivora_plot_XXXXXX").string();
    path_ = ::mkdtemp(pattern.data());
  }
  ~ScratchDir() { fs::remove_all(path_); }
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;
  fs::path operator/(const std::string& name) const { return path_ / name; }

 private:
  fs::path path_;
};

std::string Slurp(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Runs pivora-solve with the display taken away; gives its exit status.
// An empty `picture` runs it without --plot.
int SolveWithPlot(const fs::path& picture, const std::string& example, const fs::path& err,
                  const fs::path& out = "/dev/null") {
  const std::string plot = picture.empty() ? "" : "--plot '" + picture.string() + "' ";
  const std::string command =
      std::string("env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM '") + PIVORA_SOLVE_PROGRAM +
      "' " + plot + "'" + PIVORA_EXAMPLES_DIR + "/" + example + "' >'" + out.string() + "' 2>'" +
      err.string() + "'";
  const int status = std::system(command.c_str());
  return status != -1 && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(PlotOption, WritesSvgAndPngWithoutADisplay) {
  const ScratchDir dir;
  ASSERT_EQ(SolveWithPlot(dir / "a.svg", "worked-example.txt", dir / "err"), 0)
      << Slurp(dir / "err");
  const std::string svg = Slurp(dir / "a.svg");
  EXPECT_EQ(svg.rfind("<?xml", 0), 0u);
  EXPECT_NE(svg.find("<svg"), std::string::npos);
  EXPECT_NE(svg.find("</svg>"), std::string::npos);
  EXPECT_NE(svg.find("Grafische L"), std::string::npos);
  EXPECT_NE(svg.find("<desc>Grafische L\xC3\xB6sung eines linearen Programms"), std::string::npos);
  EXPECT_EQ(svg.find("Qt"), std::string::npos);

  ASSERT_EQ(SolveWithPlot(dir / "b.png", "unbounded.txt", dir / "err"), 0) << Slurp(dir / "err");
  const std::string png = Slurp(dir / "b.png");
  EXPECT_EQ(png.rfind("\x89PNG\r\n\x1a\n", 0), 0u);
  EXPECT_GT(png.size(), 2000u);

  // Three variables: the picture in space.
  ASSERT_EQ(SolveWithPlot(dir / "c.svg", "diet.txt", dir / "err"), 0) << Slurp(dir / "err");
  EXPECT_NE(Slurp(dir / "c.svg").find("</svg>"), std::string::npos);
}

TEST(PlotOption, LeavesOutAPictureOfMoreThanThreeVariablesAndRefusesOtherEndings) {
  const ScratchDir dir;
  EXPECT_EQ(SolveWithPlot(dir / "c.svg", "afiro.txt", dir / "err", dir / "plotted"), 0);
  EXPECT_NE(Slurp(dir / "err").find("nur f\xC3\xBCr 1 bis 3 Variablen, hier sind es 32"),
            std::string::npos)
      << Slurp(dir / "err");
  EXPECT_FALSE(fs::exists(dir / "c.svg"));
  ASSERT_EQ(SolveWithPlot({}, "afiro.txt", dir / "plain-err", dir / "plain"), 0);
  EXPECT_EQ(Slurp(dir / "plotted"), Slurp(dir / "plain"));
  EXPECT_NE(Slurp(dir / "plain").find("Optimum: Zmin"), std::string::npos);

  EXPECT_EQ(SolveWithPlot(dir / "d.gif", "worked-example.txt", dir / "err"), 2);
  EXPECT_NE(Slurp(dir / "err").find(".svg oder .png"), std::string::npos) << Slurp(dir / "err");
}

}  // namespace
}  // namespace pivora
