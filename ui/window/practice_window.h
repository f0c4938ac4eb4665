// The window "Selbst rechnen" (Strg+6): the exchange method by hand on the
// problem in the grids. The tableau as the steps view writes it, in
// fractions or the report's digits; a click on an element takes it as the
// pivot, judged by the method's rules for the phase at hand (the judgement
// and what is left to do under it), the step carried out exactly where it
// is allowed. Undo, redo and a hint (the rule's element marked); the worked
// sheet beside it, copied as text or LaTeX; for 2 and 3 variables the
// picture of the student's own path. Keeps its size and place.
#pragma once

#include <QWidget>
#include <memory>

#include "solve/practice_session.h"

class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;

namespace pivora {

class PlotView;
class TForm1;

class PracticeWindow final : public QWidget {
  Q_OBJECT

 public:
  explicit PracticeWindow(TForm1& form);
  ~PracticeWindow() override;

  // A practice of the problem in the grids from its first tableau; false
  // after a message where a cell cannot be read (the window stays as it was).
  bool Start();
  // Null before the first Start.
  PracticeSession* Session() const { return session_.get(); }

  // The element at row i (1..m), column j (1..n) as the pivot.
  void TakePivot(int i, int j);
  void Undo();
  void Redo();
  // Marks the rule's element and says why it is the rule's.
  void ShowHint();
  void CopyText();
  void CopyLatex();

  QTableWidget* Tableau() const { return table_; }
  QLabel* Judgement() const { return judgement_; }
  QPlainTextEdit* Sheet() const { return sheet_; }
  PlotView* Picture() const { return picture_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  // Enter, Return and the space bar on the tableau take its current element.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Shows the session's tableau, status, sheet and picture; `hint` marks
  // the rule's element.
  void Refresh(bool hint = false);
  void FillTableau(bool hint);
  void SetJudgement(const QString& text, PivotVerdict verdict);
  void SavePlace() const;

  TForm1& form_;
  std::unique_ptr<PracticeSession> session_;
  QLabel* howTo_;
  QTableWidget* table_;
  QLabel* judgement_;
  QLabel* status_;
  QPlainTextEdit* sheet_;
  PlotView* picture_;
  QCheckBox* fractions_;
  QPushButton* undo_;
  QPushButton* redo_;
  bool placed_ = false;
};

}  // namespace pivora
