#include "ui/window/window_commands.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QUndoStack>

#include "ui/messages.h"
#include "ui/window/command_menu.h"
#include "ui/window/edit_history.h"
#include "ui/window/file_actions.h"
#include "ui/window/grid_clipboard.h"
#include "ui/window/help_window.h"
#include "ui/window/practice_window.h"
#include "ui/window/recent_files.h"
#include "ui/window/report_export.h"
#include "ui/window/report_memo.h"
#include "ui/window/report_window.h"
#include "ui/window/spin_edit.h"
#include "ui/window/string_grid.h"
#include "ui/window/tform1.h"

namespace pivora {

bool IsUndoKey(const QKeyEvent* event) {
  const QKeyCombination ctrlY(Qt::ControlModifier, Qt::Key_Y);
  return event->matches(QKeySequence::Undo) || event->matches(QKeySequence::Redo) ||
         event->keyCombination() == ctrlY;
}

bool IsClipboardKey(const QKeyEvent* event) {
  return event->matches(QKeySequence::Copy) || event->matches(QKeySequence::Paste);
}

WindowCommands::WindowCommands(TForm1& form)
    : QObject(&form),
      form_(form),
      history_(new EditHistory(form)),
      files_(new FileActions(form, *history_)),
      recent_(new RecentFiles(this)) {
  // Both go with this object, which the window deletes before its grids.
  history_->setParent(this);
  files_->setParent(this);
  connect(files_, &FileActions::fileUsed, recent_, &RecentFiles::Add);
  AddFileCommands();
  AddEditCommands();
  AddViewAndHelpCommands();
  AddWindowKeys();
  menu_ = new CommandMenu(form_, *this);
}

WindowCommands::~WindowCommands() {
  // The windows of their own go first: they watch the memo.
  delete reportWindow_;
  delete helpWindow_;
  delete practiceWindow_;
}

void WindowCommands::AddFileCommands() {
  connect(AddAction(Command::kNew, messages::kNew, {QKeySequence::New}), &QAction::triggered,
          files_, &FileActions::New);
  connect(AddAction(Command::kOpen, messages::kOpen, {QKeySequence::Open}), &QAction::triggered,
          files_, &FileActions::Open);
  connect(AddAction(Command::kSave, messages::kSave, {QKeySequence::Save}), &QAction::triggered,
          files_, &FileActions::Save);
  connect(AddAction(Command::kSaveAs, messages::kSaveAs,
                    {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)}),
          &QAction::triggered, files_, &FileActions::SaveAs);
  connect(
      AddAction(Command::kSaveReport, messages::kSaveReport, {QKeySequence(Qt::CTRL | Qt::Key_B)}),
      &QAction::triggered, this, [this] { SaveReport(&form_, form_.ReportText()); });
  connect(AddAction(Command::kPrintReport, messages::kPrintReport, {QKeySequence::Print}),
          &QAction::triggered, this, [this] { PrintReport(&form_, form_.ReportText()); });
}

void WindowCommands::AddEditCommands() {
  connect(AddAction(Command::kUndo, messages::kUndo, {QKeySequence::Undo}), &QAction::triggered,
          this, [this] {
            history_->Checkpoint();
            history_->Stack().undo();
          });
  // Strg+Y everywhere, besides the platform's own redo keys.
  QList<QKeySequence> redoKeys = QKeySequence::keyBindings(QKeySequence::Redo);
  if (!redoKeys.contains(QKeySequence(Qt::CTRL | Qt::Key_Y))) {
    redoKeys.prepend(QKeySequence(Qt::CTRL | Qt::Key_Y));
  }
  connect(AddAction(Command::kRedo, messages::kRedo, redoKeys), &QAction::triggered, this, [this] {
    history_->Checkpoint();
    history_->Stack().redo();
  });
  connect(AddAction(Command::kCopy, messages::kCopy, {QKeySequence::Copy}), &QAction::triggered,
          this, &WindowCommands::Copy);
  connect(AddAction(Command::kPaste, messages::kPaste, {QKeySequence::Paste}), &QAction::triggered,
          this, &WindowCommands::Paste);
}

void WindowCommands::AddViewAndHelpCommands() {
  connect(AddAction(Command::kAllIntegers, messages::kAllIntegers,
                    {QKeySequence(Qt::CTRL | Qt::Key_G)}),
          &QAction::triggered, this,
          [this] {
            IntegerMarks all;
            for (int j = 1; j <= kMaxVariables; ++j) all.Set(j, true);
            MarkIntegers(all);
          });
  connect(AddAction(Command::kNoIntegers, messages::kNoIntegers,
                    {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_G)}),
          &QAction::triggered, this, [this] { MarkIntegers({}); });
  connect(AddAction(Command::kReportWindow, messages::kReportWindow, {QKeySequence(Qt::Key_F4)}),
          &QAction::triggered, this, [this] { ShowReportWindow(); });
  connect(
      AddAction(Command::kPractice, messages::kPracticeView, {QKeySequence(Qt::CTRL | Qt::Key_6)}),
      &QAction::triggered, this, &WindowCommands::ShowPractice);
  connect(AddAction(Command::kHelp, messages::kKeysAndRules, {QKeySequence(Qt::Key_F1)}),
          &QAction::triggered, this, &WindowCommands::ShowHelp);
  connect(AddAction(Command::kAbout, messages::kAbout, {}), &QAction::triggered, this,
          &WindowCommands::ShowAbout);

  // The memo's view entries take their keys in the whole window.
  const QList<QAction*> views = form_.Sol()->ViewEntries();
  for (int k = 0; k < views.size(); ++k) {
    views[k]->setShortcut(QKeySequence(Qt::CTRL | (Qt::Key_1 + k)));
    views[k]->setShortcutContext(Qt::WindowShortcut);
    views[k]->setShortcutVisibleInContextMenu(true);
    form_.addAction(views[k]);
  }
}

void WindowCommands::AddWindowKeys() {
  connect(AddShortcut({QKeySequence(Qt::CTRL | Qt::Key_Tab)}), &QAction::triggered, this,
          [this] { FocusNextWidget(true); });
  connect(AddShortcut({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab),
                       QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab)}),
          &QAction::triggered, this, [this] { FocusNextWidget(false); });

  // The solve button's own click, so the solve runs exactly as for a click.
  solve_ = AddShortcut({QKeySequence(Qt::Key_F9), QKeySequence(Qt::CTRL | Qt::Key_Return),
                        QKeySequence(Qt::CTRL | Qt::Key_Enter)});
  connect(solve_, &QAction::triggered, this, [this] {
    // A count typed and not yet entered counts, as when the click takes
    // the focus from its box.
    QWidget* focus = WidgetOfFocus();
    if (focus == form_.NVars() || focus == form_.NCons()) {
      static_cast<SpinEdit*>(focus)->CommitTypedCount();
    }
    if (form_.Solve()->isEnabled()) form_.Solve()->click();
  });
}

QAction* WindowCommands::AddAction(Command command, const char* text,
                                   const QList<QKeySequence>& keys) {
  QAction* action = AddShortcut(keys);
  action->setText(QString::fromUtf8(text));
  action->setShortcutVisibleInContextMenu(true);
  actions_[static_cast<std::size_t>(command)] = action;
  return action;
}

QAction* WindowCommands::AddShortcut(const QList<QKeySequence>& keys) {
  auto* action = new QAction(&form_);
  action->setShortcuts(keys);
  action->setShortcutContext(Qt::WindowShortcut);
  form_.addAction(action);
  return action;
}

// The widget of the tab order that holds the focus: a grid for its editor,
// a spin edit for its line edit.
QWidget* WindowCommands::WidgetOfFocus() const {
  QWidget* focus = QApplication::focusWidget();
  for (QWidget* w = focus; w && w != &form_; w = w->parentWidget()) {
    if (w->parentWidget() == &form_ || w->parentWidget() == form_.Opt()) return w;
  }
  return nullptr;
}

StringGrid* WindowCommands::GridOfFocus() const {
  QWidget* focus = WidgetOfFocus();
  if (focus == form_.NBGrid()) return form_.NBGrid();
  if (focus == form_.ZFGrid()) return form_.ZFGrid();
  return nullptr;
}

void WindowCommands::MarkIntegers(const IntegerMarks& marks) {
  history_->Record([this, &marks] { pivora::MarkIntegers(form_, marks); }, false);
}

QAction* WindowCommands::IntegerEntry(int j) {
  auto* entry = new QAction(QString::fromUtf8(messages::IntegerEntry(j)), this);
  entry->setCheckable(true);
  entry->setChecked(form_.Integers().Of(j));
  connect(entry, &QAction::toggled, this, [this, j](bool integer) {
    IntegerMarks marks = form_.Integers();
    marks.Set(j, integer);
    MarkIntegers(marks);
  });
  return entry;
}

void WindowCommands::Paste() {
  if (StringGrid* grid = GridOfFocus()) {
    PasteBlock(form_, *history_, grid, ParseTextBlock(QApplication::clipboard()->text()));
  }
}

void WindowCommands::Copy() {
  if (StringGrid* grid = GridOfFocus()) QApplication::clipboard()->setText(CopyCurrentCell(grid));
}

void WindowCommands::FocusNextWidget(bool forward) {
  QRadioButton* option = form_.Maximum()->isChecked() ? form_.Maximum() : form_.Minimum();
  QWidget* const order[] = {form_.NVars(), form_.NCons(), form_.NBGrid(),  form_.ZFGrid(), option,
                            form_.Solve(), form_.Sol(),   form_.Details(), form_.Digits()};
  constexpr int kCount = static_cast<int>(std::size(order));
  QWidget* current = WidgetOfFocus();
  if (current == form_.Maximum() || current == form_.Minimum()) current = option;
  int at = 0;
  while (at < kCount && order[at] != current) ++at;
  if (at == kCount) at = forward ? kCount - 1 : 0;
  const int next = (at + (forward ? 1 : kCount - 1)) % kCount;
  order[next]->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
}

ReportWindow& WindowCommands::ShowReportWindow() {
  if (!reportWindow_) reportWindow_ = new ReportWindow(form_, *this);
  reportWindow_->show();
  reportWindow_->raise();
  reportWindow_->activateWindow();
  return *reportWindow_;
}

void WindowCommands::ShowPractice() {
  if (!practiceWindow_) practiceWindow_ = new PracticeWindow(form_);
  if (!practiceWindow_->isVisible() && !practiceWindow_->Start()) return;
  practiceWindow_->show();
  practiceWindow_->raise();
  practiceWindow_->activateWindow();
}

void WindowCommands::ShowHelp() {
  if (!helpWindow_) helpWindow_ = new HelpWindow(&form_);
  helpWindow_->show();
  helpWindow_->raise();
  helpWindow_->activateWindow();
}

void WindowCommands::ShowAbout() {
  QMessageBox::about(&form_, QString::fromUtf8(messages::kAboutTitle),
                     QString::fromUtf8(messages::kAboutText));
  form_.activateWindow();
}

}  // namespace pivora
