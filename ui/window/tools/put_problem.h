// The screenshot tools' way to put a problem file into the grids, as a user
// would type it.
#pragma once

#include <QRadioButton>
#include <fstream>
#include <sstream>

#include "files/problem_file.h"
#include "ui/window/tests/window_test_support.h"

namespace pivora::testing {

// False where the file cannot be read or is no problem file.
inline bool PutProblem(TForm1& form, const char* path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  const ProblemFileOutcome read = ReadProblemFile(text.str());
  if (!file || read.kind != ProblemFileOutcome::Kind::kRead) return false;
  const ProblemFile& p = read.problem;
  SpinTo(form.NVars(), p.n);
  SpinTo(form.NCons(), p.m);
  QTest::mouseClick(p.maximum ? static_cast<QWidget*>(form.Maximum()) : form.Minimum(),
                    Qt::LeftButton);
  for (int j = 1; j <= p.n; ++j) form.ZF().SetText(j, 1, p.objective[j - 1]);
  for (int i = 1; i <= p.m; ++i) {
    for (int j = 1; j <= p.n + 2; ++j) form.NB().SetText(j, i, p.constraints[i - 1][j - 1]);
  }
  return true;
}

}  // namespace pivora::testing
