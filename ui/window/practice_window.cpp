#include "ui/window/practice_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>

#include "plot/solve_graphically.h"
#include "solve/steps_report.h"
#include "ui/messages.h"
#include "ui/practice_start.h"
#include "ui/steps_latex.h"
#include "ui/text_encoding.h"
#include "ui/window/graph_window.h"
#include "ui/window/tform1.h"
#include "ui/window/window_settings.h"
#include "ui/window/window_style.h"

namespace pivora {

namespace {

const QString kGeometryKey = QStringLiteral("SelbstRechnen/geometry");

QString Utf8(const char* utf8) { return QString::fromUtf8(utf8); }
QString Utf8(const std::string& utf8) { return QString::fromStdString(utf8); }
QString Latin1(const std::string& latin1) { return QString::fromLatin1(latin1); }

QColor VerdictColour(PivotVerdict verdict) {
  switch (verdict) {
    case PivotVerdict::kRuleChoice:
      return QColor(0, 120, 60);
    case PivotVerdict::kAllowed:
      return QColor(31, 78, 160);
    case PivotVerdict::kRefused:
      break;
  }
  return QColor(170, 20, 20);
}

QPushButton* Button(QWidget* parent, const QString& text, const QKeySequence& key = {}) {
  auto* button = new QPushButton(text, parent);
  if (!key.isEmpty()) {
    button->setShortcut(key);
    button->setToolTip(text + QStringLiteral(" (") + key.toString(QKeySequence::NativeText) + u')');
  }
  return button;
}

}  // namespace

PracticeWindow::PracticeWindow(TForm1& form) : QWidget(&form, Qt::Window), form_(form) {
  setObjectName(QStringLiteral("PracticeWindow"));
  setWindowTitle(Utf8(messages::kPracticeTitle));

  howTo_ = new QLabel(Utf8(messages::kPracticeHowTo), this);
  howTo_->setWordWrap(true);
  table_ = new QTableWidget(this);
  table_->setObjectName(QStringLiteral("practiceTableau"));
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->setFont(FixedPitchFont());
  table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  table_->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  // As high as its rows, up to a part of the window; the sheet takes the rest.
  table_->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
  table_->setMaximumHeight(340);
  connect(table_, &QTableWidget::cellClicked, this,
          [this](int row, int column) { TakePivot(row + 1, column + 1); });
  table_->installEventFilter(this);
  judgement_ = new QLabel(this);
  judgement_->setWordWrap(true);
  judgement_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  status_ = new QLabel(this);
  status_->setWordWrap(true);
  status_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  sheet_ = new QPlainTextEdit(this);
  sheet_->setReadOnly(true);
  sheet_->setLineWrapMode(QPlainTextEdit::NoWrap);
  sheet_->setFont(FixedPitchFont());
  picture_ = new PlotView(this);

  undo_ = Button(this, Utf8(messages::kUndo), QKeySequence::Undo);
  redo_ = Button(this, Utf8(messages::kRedo), QKeySequence(Qt::CTRL | Qt::Key_Y));
  auto* hint = Button(this, Utf8(messages::kPracticeHint), QKeySequence(Qt::CTRL | Qt::Key_H));
  fractions_ = new QCheckBox(Utf8(messages::kPracticeFractions), this);
  auto* restart = Button(this, Utf8(messages::kPracticeRestart));
  auto* text = Button(this, Utf8(messages::kPracticeCopyText));
  auto* latex = Button(this, Utf8(messages::kPracticeCopyLatex),
                       QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
  auto* close = Button(this, Utf8(messages::kClose));
  connect(undo_, &QPushButton::clicked, this, &PracticeWindow::Undo);
  connect(redo_, &QPushButton::clicked, this, &PracticeWindow::Redo);
  connect(hint, &QPushButton::clicked, this, &PracticeWindow::ShowHint);
  connect(restart, &QPushButton::clicked, this, &PracticeWindow::Start);
  connect(text, &QPushButton::clicked, this, &PracticeWindow::CopyText);
  connect(latex, &QPushButton::clicked, this, &PracticeWindow::CopyLatex);
  connect(close, &QPushButton::clicked, this, &QWidget::close);
  connect(fractions_, &QCheckBox::toggled, this, [this](bool on) {
    if (!session_) return;
    ViewNumbers numbers = session_->Numbers();
    numbers.fractions = on;
    session_->SetNumbers(numbers);
    Refresh();
  });

  auto* left = new QWidget(this);
  auto* leftLayout = new QVBoxLayout(left);
  leftLayout->setContentsMargins(0, 0, 0, 0);
  leftLayout->addWidget(howTo_);
  leftLayout->addWidget(table_);
  leftLayout->addWidget(judgement_);
  leftLayout->addWidget(status_);
  leftLayout->addWidget(sheet_, 1);
  auto* split = new QSplitter(this);
  split->addWidget(left);
  split->addWidget(picture_);
  split->setSizes({600, 580});
  auto* buttons = new QHBoxLayout;
  for (QWidget* w :
       std::initializer_list<QWidget*>{undo_, redo_, hint, fractions_, restart, text, latex}) {
    buttons->addWidget(w);
  }
  buttons->addStretch();
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(6, 6, 6, 6);
  layout->addWidget(split, 1);
  layout->addLayout(buttons);
  resize(1180, 720);
}

PracticeWindow::~PracticeWindow() {
  if (isVisible()) SavePlace();
}

bool PracticeWindow::Start() {
  PracticeStart start = StartPractice(form_);
  if (start.fault) {
    const CellFault& f = *start.fault;
    const std::string error =
        messages::InputError(f.inObjectiveGrid, f.column, f.row, QuotedForMessage(f.text));
    QMessageBox::warning(isVisible() ? static_cast<QWidget*>(this) : &form_,
                         Utf8(messages::kPracticeTitle),
                         Utf8(messages::PracticeNeedsEveryCell(error)));
    return false;
  }
  session_ = std::move(start.session);
  fractions_->blockSignals(true);
  fractions_->setChecked(session_->Numbers().fractions);
  fractions_->blockSignals(false);
  picture_->setVisible(CanDraw(session_->n()));
  judgement_->clear();
  Refresh();
  table_->setFocus();
  return true;
}

void PracticeWindow::TakePivot(int i, int j) {
  if (!session_) return;
  if (i < 1 || i > session_->m() || j < 1 || j > session_->n()) {
    SetJudgement(Utf8(messages::PracticeNotAPivot(session_->m())), PivotVerdict::kRefused);
    return;
  }
  const PivotJudgement judgement = session_->Take({i, j});
  Refresh();
  SetJudgement(Latin1(judgement.text), judgement.verdict);
}

bool PracticeWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == table_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
      TakePivot(table_->currentRow() + 1, table_->currentColumn() + 1);
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void PracticeWindow::Undo() {
  if (!session_ || !session_->CanUndo()) return;
  session_->Undo();
  judgement_->clear();
  Refresh();
}

void PracticeWindow::Redo() {
  if (!session_ || !session_->CanRedo()) return;
  session_->Redo();
  judgement_->clear();
  Refresh();
}

void PracticeWindow::ShowHint() {
  if (!session_) return;
  Refresh(true);
  SetJudgement(Latin1(session_->HintText()), PivotVerdict::kAllowed);
}

void PracticeWindow::CopyText() {
  if (!session_) return;
  QApplication::clipboard()->setText(sheet_->toPlainText());
  SetJudgement(Utf8(messages::kPracticeTextCopied), PivotVerdict::kAllowed);
}

void PracticeWindow::CopyLatex() {
  if (!session_) return;
  std::vector<std::string> lines;
  for (const std::string& line : session_->SheetLines()) lines.push_back(Latin1ToUtf8(line));
  QApplication::clipboard()->setText(Utf8(StepsAsLatex(lines)));
  SetJudgement(Utf8(messages::kPracticeLatexCopied), PivotVerdict::kAllowed);
}

void PracticeWindow::SetJudgement(const QString& text, PivotVerdict verdict) {
  judgement_->setText(text);
  QPalette palette = judgement_->palette();
  palette.setColor(QPalette::WindowText, VerdictColour(verdict));
  judgement_->setPalette(palette);
}

void PracticeWindow::Refresh(bool hint) {
  FillTableau(hint);
  const std::string status = session_->StatusLine();
  status_->setText(Latin1(status));
  QFont font = status_->font();
  font.setBold(session_->Ended());
  status_->setFont(font);
  QString sheet;
  for (const std::string& line : session_->SheetLines()) sheet += Latin1(line) + u'\n';
  sheet_->setPlainText(sheet);
  sheet_->moveCursor(QTextCursor::End);
  sheet_->ensureCursorVisible();
  undo_->setEnabled(session_->CanUndo());
  redo_->setEnabled(session_->CanRedo());
  if (CanDraw(session_->n())) picture_->SetPlot(PlotPractice(*session_));
}

void PracticeWindow::FillTableau(bool hint) {
  const TableauSnapshot& t = session_->Tableau();
  ShortViewNumbers numbers(session_->Numbers());
  // The rule's element, where asked for; row 0 for none.
  const PivotPlace rule = hint ? session_->Hint().value_or(PivotPlace{}) : PivotPlace{};
  table_->clear();
  table_->setRowCount(t.m + 1);
  table_->setColumnCount(t.n + 1);
  QStringList columns;
  for (int j = 1; j <= t.n; ++j) columns << Latin1(LabelName(t.ColumnLabel(j)));
  columns << QStringLiteral("1");
  table_->setHorizontalHeaderLabels(columns);
  QStringList rows;
  for (int i = 1; i <= t.m; ++i) rows << Latin1(LabelName(t.RowLabel(i)));
  rows << (session_->Maximise() ? QStringLiteral("Z") : QStringLiteral("-Z"));
  table_->setVerticalHeaderLabels(rows);
  for (int i = 1; i <= t.m + 1; ++i) {
    for (int j = 1; j <= t.n + 1; ++j) {
      auto* item = new QTableWidgetItem(Latin1(numbers.Text(t.At(i, j))));
      item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      if (i > t.m || j > t.n) item->setBackground(QColor(238, 238, 238));
      if (j <= t.n && t.ColumnLabel(j) == 0) item->setForeground(QColor(150, 150, 150));
      if (rule.row == i && rule.column == j) {
        item->setBackground(QColor(255, 226, 120));
        QFont bold = item->font();
        bold.setBold(true);
        item->setFont(bold);
      }
      table_->setItem(i - 1, j - 1, item);
    }
  }
  if (rule.row != 0) {
    table_->setCurrentCell(rule.row - 1, rule.column - 1, QItemSelectionModel::NoUpdate);
  }
}

void PracticeWindow::SavePlace() const { StoreSettings({{kGeometryKey, saveGeometry()}}); }

void PracticeWindow::closeEvent(QCloseEvent* event) {
  SavePlace();
  QWidget::closeEvent(event);
}

void PracticeWindow::showEvent(QShowEvent* event) {
  if (!placed_) {
    placed_ = true;
    RestorePlace(*this, WindowSettings()->value(kGeometryKey).toByteArray());
  }
  QWidget::showEvent(event);
}

}  // namespace pivora
