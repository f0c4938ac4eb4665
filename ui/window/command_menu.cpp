#include "ui/window/command_menu.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QFileInfo>
#include <QHeaderView>
#include <QMenu>

#include "ui/messages.h"
#include "ui/window/file_actions.h"
#include "ui/window/graph_window.h"
#include "ui/window/recent_files.h"
#include "ui/window/report_memo.h"
#include "ui/window/spin_edit.h"
#include "ui/window/string_grid.h"
#include "ui/window/tform1.h"
#include "ui/window/window_commands.h"

namespace pivora {
namespace {

QMenu* AddGroup(QMenu& menu, const char* title) { return menu.addMenu(QString::fromUtf8(title)); }

}  // namespace

CommandMenu::CommandMenu(TForm1& form, WindowCommands& commands)
    : QObject(&commands), form_(form), commands_(commands) {
  qApp->installEventFilter(this);
  form_.Sol()->SetMenuExtension([this](QMenu& menu) { AddGroups(menu, false); });
}

CommandMenu::~CommandMenu() { qApp->removeEventFilter(this); }

void CommandMenu::AddGroups(QMenu& menu, bool gridEdits) {
  const auto add = [this](QMenu* group, Command command) {
    group->addAction(commands_.Action(command));
  };
  QMenu* file = AddGroup(menu, messages::kFileMenu);
  file->setObjectName(QStringLiteral("fileMenu"));
  add(file, Command::kNew);
  add(file, Command::kOpen);
  QMenu* recent = AddGroup(*file, messages::kRecentMenu);
  recent->setObjectName(QStringLiteral("recentMenu"));
  commands_.Recent().FillMenu(*recent, [this](const QString& path) { OpenRecent(path); });
  file->addSeparator();
  add(file, Command::kSave);
  add(file, Command::kSaveAs);
  file->addSeparator();
  add(file, Command::kSaveReport);
  add(file, Command::kPrintReport);

  QMenu* edit = AddGroup(menu, messages::kEditMenu);
  edit->setObjectName(QStringLiteral("editMenu"));
  add(edit, Command::kUndo);
  add(edit, Command::kRedo);
  if (gridEdits) {
    edit->addSeparator();
    add(edit, Command::kCopy);
    add(edit, Command::kPaste);
  }
  edit->addSeparator();
  add(edit, Command::kAllIntegers);
  add(edit, Command::kNoIntegers);

  QMenu* view = AddGroup(menu, messages::kViewMenu);
  view->setObjectName(QStringLiteral("viewMenu"));
  for (QAction* entry : form_.Sol()->ViewEntries()) view->addAction(entry);
  view->addSeparator();
  add(view, Command::kReportWindow);
  view->addAction(form_.Graph().Action());
  add(view, Command::kPractice);
  // The graphical solution's entry tells why it is disabled.
  view->setToolTipsVisible(true);

  QMenu* help = AddGroup(menu, messages::kHelpMenu);
  help->setObjectName(QStringLiteral("helpMenu"));
  add(help, Command::kHelp);
  add(help, Command::kAbout);
}

QMenu* CommandMenu::Build() {
  auto* menu = new QMenu(&form_);
  menu->setObjectName(QStringLiteral("commandMenu"));
  AddGroups(*menu);
  return menu;
}

// The variable of the column heading of NB or ZF under `globalPosition`, or 0.
int CommandMenu::VariableColumnAt(QWidget* widget, const QPoint& globalPosition) const {
  for (StringGrid* grid : {form_.NBGrid(), form_.ZFGrid()}) {
    QHeaderView* header = grid->horizontalHeader();
    if (widget != header && widget != header->viewport()) continue;
    const int section = header->logicalIndexAt(header->mapFromGlobal(globalPosition));
    if (section >= 0 && section < form_.NVarsValue()) return section + 1;
  }
  return 0;
}

void CommandMenu::PopUp(const QPoint& globalPosition, int variable) {
  QMenu* menu = Build();
  if (variable != 0) {
    QAction* first = menu->actions().value(0);
    QAction* entry = commands_.IntegerEntry(variable);
    entry->setParent(menu);
    menu->insertAction(first, entry);
    menu->insertSeparator(first);
  }
  menu->setAttribute(Qt::WA_DeleteOnClose);
  menu->popup(globalPosition);
}

void CommandMenu::OpenRecent(const QString& path) {
  if (!QFileInfo::exists(path)) commands_.Recent().Remove(path);
  FileActions& files = commands_.Files();
  if (files.MayDiscard()) files.OpenFile(path);
}

bool CommandMenu::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::ContextMenu) return QObject::eventFilter(watched, event);
  auto* widget = qobject_cast<QWidget*>(watched);
  if (!widget || widget->window() != &form_) return QObject::eventFilter(watched, event);
  for (QWidget* w = widget; w && w != &form_; w = w->parentWidget()) {
    if (w == form_.Sol() || w == form_.Digits()) return QObject::eventFilter(watched, event);
  }
  const QPoint at = static_cast<QContextMenuEvent*>(event)->globalPos();
  PopUp(at, VariableColumnAt(widget, at));
  return true;
}

}  // namespace pivora
