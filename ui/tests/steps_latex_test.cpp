// The steps view's tableaux as LaTeX arrays.
#include "ui/steps_latex.h"

#include <gtest/gtest.h>

namespace pivora {
namespace {

// The worked example's steps view with fractions, as the memo holds it.
TEST(StepsAsLatex, OneArrayPerStepAndTheFinalTableauWithThePivotBoxed) {
  const std::vector<std::string> lines = {
      "Rechenschritte der exakten Rechnung: 1 Austausch",
      "",
      "Schritt 1 (Optimierung): x1 kommt in die Basis; Pivotelement -1/2 in Zeile 1, Spalte 1.",
      "Grund: gr\xC3\xB6\xC3\x9Fter positiver Eintrag der Zielzeile, kleinster Quotient.",
      "     x1*   x2    1",
      "y1*  [-1/2]   -1    4",
      "y2    -1    -3    1.5E+20",
      "-Z      3     2    0",
      "",
      "Endtableau:",
      "    y1    x12     1",
      "x1   -1    -1     4",
      "Z    -3    -1    12",
      "",
      "L\xC3\x96SUNG:",
  };
  EXPECT_EQ(StepsAsLatex(lines),
            "% Schritt 1 (Optimierung): x1 kommt in die Basis; Pivotelement -1/2 in Zeile 1, "
            "Spalte 1.\n"
            "\\[\n{\\renewcommand{\\arraystretch}{1.5}\n\\begin{array}{r|rr|r}\n"
            " & x_{1} & x_{2} & 1 \\\\\n\\hline\n"
            "y_{1} & \\boxed{-\\dfrac{1}{2}} & -1 & 4 \\\\\n"
            "y_{2} & -1 & -3 & 1.5 \\cdot 10^{20} \\\\\n"
            "\\hline\n-Z & 3 & 2 & 0\n"
            "\\end{array}}\n\\]\n\n"
            "% Endtableau:\n"
            "\\[\n{\\renewcommand{\\arraystretch}{1.5}\n\\begin{array}{r|rr|r}\n"
            " & y_{1} & x_{12} & 1 \\\\\n\\hline\n"
            "x_{1} & -1 & -1 & 4 \\\\\n"
            "\\hline\nZ & -3 & -1 & 12\n"
            "\\end{array}}\n\\]\n\n");
}

// A step whose tableau first shows a dropped zero column has a note between
// its reason and its table: the table is still found.
TEST(StepsAsLatex, NotesBeforeTheTableAreSkipped) {
  const std::vector<std::string> lines = {
      "Schritt 2 (Zul\xC3\xA4ssigkeit): x2 kommt in die Basis, y1 verl\xC3\xA4sst sie.",
      "Grund: erste Zeile mit negativer Konstante.",
      "Die Spalte der Nullvariablen von Gleichung 1 entf\xC3\xA4llt.",
      "     x2*    1",
      "y1*   [2]   -1",
      "Z      1     0",
  };
  EXPECT_NE(StepsAsLatex(lines).find("y_{1} & \\boxed{2} & -1 \\\\\n"), std::string::npos)
      << StepsAsLatex(lines);
}

TEST(StepsAsLatex, APlainReportHasNoSteps) {
  EXPECT_EQ(StepsAsLatex({"L\xC3\x96SUNG:", "", "Optimum: Zmax = 12", "Schritt 1 ohne Tableau"}),
            "");
}

}  // namespace
}  // namespace pivora
