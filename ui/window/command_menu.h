// The one context menu of the window: every command, grouped as Datei,
// Bearbeiten, Ansicht and Hilfe, each entry with its key. A right click on
// the grids (their cells, headings and corner), on the labels and buttons
// and on the window's background opens it; the report memo and the report
// window show the same groups after their text editor's own entries.
#pragma once

#include <QObject>
#include <QPoint>

class QMenu;
class QWidget;

namespace pivora {

class TForm1;
class WindowCommands;

class CommandMenu final : public QObject {
  Q_OBJECT

 public:
  CommandMenu(TForm1& form, WindowCommands& commands);
  ~CommandMenu() override;

  // Adds the four groups as submenus of `menu`. Without `gridEdits` the
  // Bearbeiten group holds undo and redo only: a text editor's menu has its
  // own Kopieren and Einfügen for its text.
  void AddGroups(QMenu& menu, bool gridEdits = true);
  // The menu as a right click shows it, for the tests: the four groups.
  QMenu* Build();
  // With `variable` (1..n) the menu starts with that column's entry
  // "xj ganzzahlig".
  void PopUp(const QPoint& globalPosition, int variable = 0);

 protected:
  // Takes the context-menu events of every widget of the main window but
  // the report memo and Digits, which keep the text editor's own entries.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void OpenRecent(const QString& path);
  int VariableColumnAt(QWidget* widget, const QPoint& globalPosition) const;

  TForm1& form_;
  WindowCommands& commands_;
};

}  // namespace pivora
