// The report memo: a multi-line text the user may edit, with both scroll
// bars and no wrapping, seen by the handlers as a list of lines. A double
// click anywhere on it is one signal.
#pragma once

#include <QPlainTextEdit>
#include <string_view>

namespace pivora {

class ReportMemo final : public QPlainTextEdit {
  Q_OBJECT

 public:
  explicit ReportMemo(QWidget* parent);

  // The lines are the text's paragraphs, except that an empty text holds no
  // line at all until an empty line is appended to it.
  int LineCount() const;
  QStringList Lines() const;

  // True while a key, an input method, a paste or a drop of the user's is
  // changing the text; every other change comes from a program.
  bool UserEditing() const { return userEditing_; }

  void Clear();
  // Adds the Latin-1 `line` as the new last line; the view and the caret
  // stay where they are.
  void AppendLine(std::string_view line);
  // Leaves the caret and the view at the start of the text.
  void DeleteFirstLine();

 signals:
  void memoDoubleClicked();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  // Undo and redo are the window's, which knows the report with the grids.
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  void insertFromMimeData(const QMimeData* source) override;

 private:
  bool IsEmptyText() const;

  // An empty text that holds one empty line.
  bool oneEmptyLine_ = false;
  bool userEditing_ = false;
};

}  // namespace pivora
