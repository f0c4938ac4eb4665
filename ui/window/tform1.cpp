#include "ui/window/tform1.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QWindow>
#include <iterator>

#include "ui/messages.h"
#include "ui/messages_reading.h"
#include "ui/window/file_actions.h"
#include "ui/window/graph_window.h"
#include "ui/window/grid_model.h"
#include "ui/window/report_memo.h"
#include "ui/window/spin_edit.h"
#include "ui/window/string_grid.h"
#include "ui/window/window_commands.h"
#include "ui/window/window_style.h"

namespace pivora {
namespace {

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, QPoint topLeft,
                  const QFont& font) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setFont(font);
  label->move(topLeft);
  label->adjustSize();
  return label;
}

SpinEdit* MakeSpinEdit(QWidget* parent, const char* name, SpinEdit::Mode mode, QRect geometry,
                       int minimum, int maximum, int value, QStyle* style) {
  auto* spin = new SpinEdit(mode, parent);
  spin->setObjectName(QString::fromLatin1(name));
  spin->setStyle(style);
  spin->setRange(minimum, maximum);
  spin->setValue(value);
  spin->setGeometry(geometry);
  return spin;
}

StringGrid* MakeGrid(QWidget* parent, const char* name, GridModel& model, QRect geometry,
                     QStyle* style) {
  auto* grid = new StringGrid(model, parent);
  grid->setObjectName(QString::fromLatin1(name));
  grid->horizontalHeader()->setStyle(style);
  grid->verticalHeader()->setStyle(style);
  grid->setGeometry(geometry);
  return grid;
}

}  // namespace

TForm1::TForm1(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QString::fromUtf8(messages::WindowTitle({}, false).c_str()));
  setWindowIcon(QIcon(QStringLiteral(":/pivora/pivora.xpm")));
  setFont(WindowFont());
  setBackgroundRole(QPalette::Dark);
  setAutoFillBackground(true);
  setFixedSize(kOuterWidth, kOuterHeight);
  move(10, 10);
  style_ = new WindowStyle;
  style_->setParent(this);

  CreateWidgets();
  SetTabOrder();
  // The spin edits have their values already: no handler runs while the
  // window is being built.
  ConnectHandlers();
  commands_ = new WindowCommands(*this);
  graph_ = new GraphCommand(*this);
  NVars_->setFocus(Qt::OtherFocusReason);
}

TForm1::~TForm1() {
  delete commands_;
  // The grids and their models go before the stores they observe.
  delete NBGrid_;
  delete ZFGrid_;
  delete nbModel_;
  delete zfModel_;
}

void TForm1::CreateWidgets() {
  const QFont label = PixelFont(QStringLiteral("MS Sans Serif"), 11, true);
  const QFont spin = PixelFont(QStringLiteral("MS Sans Serif"), 11);

  lbl1_ = MakeLabel(this, "lbl1", QString::fromUtf8(messages::kHeadline), {285, 8},
                    PixelFont(QStringLiteral("Arial"), 21, true, true));
  lbl1_->setAlignment(Qt::AlignCenter);
  lbl2_ = MakeLabel(this, "lbl2", QString::fromUtf8(messages::kVariablesLabel), {17, 46}, label);
  lbl3_ = MakeLabel(this, "lbl3", QString::fromUtf8(messages::kConstraintsLabel), {7, 108}, label);
  lbl4_ = MakeLabel(this, "lbl4", QString::fromUtf8(messages::kDigitsLabel), {24, 440}, label);
  Footer_ = MakeLabel(this, "Footer", QString(), {405, 520}, font());
  Footer_->setAlignment(Qt::AlignCenter);
  Footer_->resize(3, 13);

  NVars_ = MakeSpinEdit(this, "NVars", SpinEdit::Mode::kCounting, {25, 67, 37, 25}, 1,
                        kMaxVariables, 2, style_);
  NVars_->setFont(spin);
  NCons_ = MakeSpinEdit(this, "NCons", SpinEdit::Mode::kCounting, {25, 129, 37, 25}, 1,
                        kMaxConstraints, 2, style_);
  NCons_->setFont(spin);

  nbModel_ = new GridModel(nbStore_, this);
  zfModel_ = new GridModel(zfStore_, this);
  nbModel_->SetConstraintGrid(true);
  NBGrid_ = MakeGrid(this, "NB", *nbModel_, {88, 40, 848, 234}, style_);
  ZFGrid_ = MakeGrid(this, "ZF", *zfModel_, {88, 280, 718, 63}, style_);

  Opt_ = new QGroupBox(QString::fromUtf8(messages::kOptimumBox), this);
  Opt_->setObjectName(QStringLiteral("Opt"));
  Opt_->setFont(label);
  Opt_->setGeometry(815, 280, 121, 59);
  Maximum_ = new QRadioButton(QString::fromUtf8(messages::kMaximum), Opt_);
  Maximum_->setObjectName(QStringLiteral("Maximum"));
  Maximum_->setGeometry(8, 24, 45, 17);
  Maximum_->setChecked(true);
  Minimum_ = new QRadioButton(QString::fromUtf8(messages::kMinimum), Opt_);
  Minimum_->setObjectName(QStringLiteral("Minimum"));
  Minimum_->setGeometry(70, 24, 45, 17);
  // Only the checked one of the two is a stop of the Tab key; a click or
  // the arrow keys still reach the other.
  const auto tabStopOnChecked = [this] {
    Maximum_->setFocusPolicy(Maximum_->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
    Minimum_->setFocusPolicy(Minimum_->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
  };
  connect(Maximum_, &QRadioButton::toggled, this, tabStopOnChecked);
  tabStopOnChecked();

  Solve_ = new QPushButton(QString::fromUtf8(messages::kSolveButton), this);
  Solve_->setObjectName(QStringLiteral("Solve"));
  Solve_->setFont(PixelFont(QStringLiteral("Tahoma"), 13, true));
  Solve_->setGeometry(12, 351, 65, 25);

  Sol_ = new ReportMemo(this);
  Sol_->setObjectName(QStringLiteral("Sol"));
  Sol_->setFont(PixelFont(QStringLiteral("Arial"), 12));
  Sol_->setGeometry(88, 350, 848, 155);
  Sol_->SetExplainer([this](const QStringList& lines, int line, int column) {
    return ExplainReport(lines, line, column);
  });

  Details_ = new QCheckBox(QString::fromUtf8(messages::kDetailsBox), this);
  Details_->setObjectName(QStringLiteral("Details"));
  Details_->setFont(label);
  Details_->setGeometry(12, 395, 65, 25);
  Details_->setChecked(true);

  Digits_ =
      MakeSpinEdit(this, "Digits", SpinEdit::Mode::kTyping, {25, 460, 37, 22}, 3, 15, 10, style_);
}

void TForm1::SetTabOrder() {
  QWidget* const order[] = {NVars_,   NCons_, NBGrid_, ZFGrid_,  Maximum_,
                            Minimum_, Solve_, Sol_,    Details_, Digits_};
  for (std::size_t i = 0; i + 1 < std::size(order); ++i) setTabOrder(order[i], order[i + 1]);
}

bool TForm1::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate && !activated_) {
    activated_ = true;
    const bool handled = QWidget::event(event);
    FormActivate(this);
    return handled;
  }
  return QWidget::event(event);
}

void TForm1::closeEvent(QCloseEvent* event) {
  if (commands_ && !commands_->Files().MayDiscard()) {
    event->ignore();
    return;
  }
  QWidget::closeEvent(event);
}

void TForm1::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  FitOuterSize();
}

void TForm1::moveEvent(QMoveEvent* event) {
  QWidget::moveEvent(event);
  FitOuterSize();
}

void TForm1::FitOuterSize() {
  const QWindow* window = windowHandle();
  if (!window) return;
  const QMargins frame = window->frameMargins();
  const QSize client(kOuterWidth - frame.left() - frame.right(),
                     kOuterHeight - frame.top() - frame.bottom());
  if (size() != client || minimumSize() != client || maximumSize() != client) {
    setFixedSize(client);
  }
}

}  // namespace pivora
