#include "ui/window/window_commands.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QUndoStack>

#include "ui/window/edit_history.h"
#include "ui/window/file_actions.h"
#include "ui/window/grid_clipboard.h"
#include "ui/window/report_memo.h"
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
      files_(new FileActions(form, *history_)) {
  // Both go with this object, which the window deletes before its grids.
  history_->setParent(this);
  files_->setParent(this);
  connect(AddAction({QKeySequence(Qt::CTRL | Qt::Key_N)}), &QAction::triggered, files_,
          &FileActions::New);
  connect(AddAction({QKeySequence::Open}), &QAction::triggered, files_, &FileActions::Open);
  connect(AddAction({QKeySequence::Save}), &QAction::triggered, files_, &FileActions::Save);
  connect(AddAction({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)}), &QAction::triggered, files_,
          &FileActions::SaveAs);
  connect(AddAction({QKeySequence::Paste}), &QAction::triggered, this, &WindowCommands::Paste);
  connect(AddAction({QKeySequence::Copy}), &QAction::triggered, this, &WindowCommands::Copy);

  connect(AddAction({QKeySequence::Undo}), &QAction::triggered, this, [this] {
    history_->Checkpoint();
    history_->Stack().undo();
  });
  // Strg+Y everywhere, besides the platform's own redo keys.
  QList<QKeySequence> redoKeys = QKeySequence::keyBindings(QKeySequence::Redo);
  if (!redoKeys.contains(QKeySequence(Qt::CTRL | Qt::Key_Y))) {
    redoKeys.prepend(QKeySequence(Qt::CTRL | Qt::Key_Y));
  }
  connect(AddAction(redoKeys), &QAction::triggered, this, [this] {
    history_->Checkpoint();
    history_->Stack().redo();
  });

  connect(AddAction({QKeySequence(Qt::CTRL | Qt::Key_Tab)}), &QAction::triggered, this,
          [this] { FocusNextWidget(true); });
  connect(AddAction({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab),
                     QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab)}),
          &QAction::triggered, this, [this] { FocusNextWidget(false); });

  // The solve button's own click, so the solve runs exactly as for a click.
  connect(AddAction({QKeySequence(Qt::Key_F9), QKeySequence(Qt::CTRL | Qt::Key_Return),
                     QKeySequence(Qt::CTRL | Qt::Key_Enter)}),
          &QAction::triggered, this, [this] {
            if (form_.Solve()->isEnabled()) form_.Solve()->click();
          });
}

QAction* WindowCommands::AddAction(const QList<QKeySequence>& keys) {
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

}  // namespace pivora
