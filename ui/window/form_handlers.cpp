// TForm1's side of the events: each runs its handler from ui/handlers.h on
// the window operations (form_operations.cpp).
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <exception>
#include <optional>

#include "ui/handlers.h"
#include "ui/messages.h"
#include "ui/messages_reading.h"
#include "ui/window/graph_window.h"
#include "ui/window/grid_model.h"
#include "ui/window/report_memo.h"
#include "ui/window/spin_edit.h"
#include "ui/window/string_grid.h"
#include "ui/window/tform1.h"
#include "ui/window/window_solve.h"

namespace pivora {
namespace {

// Gathers the view updates of both grids while a handler runs.
class GridBatch {
 public:
  GridBatch(GridModel& nb, GridModel& zf) : nb_(nb), zf_(zf) {
    nb_.BeginBatch();
    zf_.BeginBatch();
  }
  ~GridBatch() {
    nb_.EndBatch();
    zf_.EndBatch();
  }
  GridBatch(const GridBatch&) = delete;
  GridBatch& operator=(const GridBatch&) = delete;

 private:
  GridModel& nb_;
  GridModel& zf_;
};

// The wait cursor for as long as the object lives.
class WaitCursor {
 public:
  WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~WaitCursor() { QApplication::restoreOverrideCursor(); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace

// Exceptions must not cross the event loop: whatever a handler throws (a
// floating-point fault of the solver is the one expected) is caught here and
// its text returned, after the grids are brought up to date.
template <typename Handler>
std::optional<QString> TForm1::RunHandler(Handler&& handler) {
  const GridBatch batch(*nbModel_, *zfModel_);
  try {
    handler();
  } catch (const std::exception& e) {
    return QString::fromLatin1(e.what());
  }
  return std::nullopt;
}

// The error box with an OK button; the window carries on afterwards, active
// again even where no window manager hands the activation back.
void TForm1::ShowError(const std::optional<QString>& error) {
  if (!error) return;
  QMessageBox::critical(this, QStringLiteral("Pivora"), *error, QMessageBox::Ok);
  activateWindow();
}

QString TForm1::ReportText() const {
  const QString report = Sol_->toPlainText();
  if (modelOptimum_.isEmpty() || report != modelReport_) return report;
  QStringList lines = report.split(u'\n');
  for (qsizetype k = 0; k < lines.size(); ++k) {
    if (lines[k].startsWith(QStringLiteral("Optimum: "))) {
      lines.insert(k + 1, modelOptimum_);
      break;
    }
  }
  return lines.join(u'\n');
}

void TForm1::KeepSolvedProblem() {
  auto problem = std::make_unique<ReportProblem>();
  problem->n = NVarsValue();
  problem->m = NConsValue();
  problem->maximise = MaximumChecked();
  for (int i = 1; i <= problem->m; ++i) {
    std::vector<std::string>& row = problem->constraints.emplace_back();
    for (int j = 1; j <= problem->n + 2; ++j) row.emplace_back(nbStore_.Text(j, i));
  }
  for (int j = 1; j <= problem->n; ++j) problem->objective.emplace_back(zfStore_.Text(j, 1));
  solvedProblem_ = std::move(problem);
}

QString TForm1::ExplainReport(const QStringList& lines, int line, int column) const {
  if (!solvedProblem_) return {};
  std::vector<std::string> latin1;
  for (const QString& text : lines) latin1.push_back(text.toLatin1().toStdString());
  return QString::fromUtf8(ExplainReportWord(latin1, line, column, *solvedProblem_).c_str());
}

void TForm1::ConnectHandlers() {
  connect(NVars_, &QSpinBox::valueChanged, this, [this] { NVarsChange(NVars_); });
  connect(NCons_, &QSpinBox::valueChanged, this, [this] { NConsChange(NCons_); });
  connect(NBGrid_, &StringGrid::gridDoubleClicked, this, [this] { TabDblClick(NBGrid_); });
  connect(ZFGrid_, &StringGrid::gridDoubleClicked, this, [this] { TabDblClick(ZFGrid_); });
  connect(Sol_, &ReportMemo::memoDoubleClicked, this, [this] { SolDblClick(Sol_); });
  connect(Solve_, &QPushButton::clicked, this, [this] { SolveClick(Solve_); });
}

// These four end with cell (1, 1) current in both grids; it is brought into
// view even where it was current already and the user had scrolled away.
void TForm1::FormActivate(Sender sender) {
  ShowError(RunHandler([this, sender] { pivora::FormActivate(*this, sender); }));
  ShowCurrentCells();
}

void TForm1::NVarsChange(Sender sender) {
  ShowError(RunHandler([this, sender] { pivora::NVarsChange(*this, sender); }));
  ShowCurrentCells();
}

void TForm1::NConsChange(Sender sender) {
  ShowError(RunHandler([this, sender] { pivora::NConsChange(*this, sender); }));
  ShowCurrentCells();
}

void TForm1::TabDblClick(Sender sender) {
  ShowError(RunHandler([this, sender] { pivora::TabDblClick(*this, sender); }));
  ShowCurrentCells();
}

void TForm1::ShowCurrentCells() {
  NBGrid_->ShowCurrentCell();
  ZFGrid_->ShowCurrentCell();
}

void TForm1::SolDblClick(Sender sender) {
  ShowError(RunHandler([this, sender] { pivora::SolDblClick(*this, sender); }));
}

// The solver runs on a worker while the window repaints (WindowSolve); the
// wait cursor shows from before the memo is emptied until the report is
// written, and is gone before any error box: a floating-point error of the
// solve shows its text there.
// The extra views' aligned tables need a fixed-pitch font; the plain report
// keeps the window's.
void TForm1::SolveClick(Sender sender) {
  Sol_->UseFixedPitch(Views().Any());
  std::optional<QString> error;
  {
    const WaitCursor wait;
    WindowSolve runner(*this, DigitsValue());
    SolveClickOutcome outcome;
    error = RunHandler(
        [this, sender, &runner, &outcome] { outcome = pivora::SolveClick(*this, sender, runner); });
    if (outcome.kind == SolveClickOutcome::Kind::kFloatingPointError) {
      // The programs' German wording: no file or user relies on the
      // toolkit's English text, which only the error box ever showed.
      error = QString::fromUtf8(messages::FloatingPointError(outcome.result.fault).c_str());
    }
    // The views' lines hold the model's optimum already.
    const QString line = QString::fromLatin1(outcome.modelOptimum);
    const bool beside = !line.isEmpty() && !Sol_->Lines().contains(line);
    modelReport_ = beside ? Sol_->toPlainText() : QString();
    modelOptimum_ = beside ? line : QString();
    KeepSolvedProblem();
  }
  graph_->SolveEnded();
  ShowError(error);
}

}  // namespace pivora
