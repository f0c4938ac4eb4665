#include "ui/window/report_memo.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace pivora {

ReportMemo::ReportMemo(QWidget* parent) : QPlainTextEdit(parent) {
  setLineWrapMode(QPlainTextEdit::NoWrap);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setTabChangesFocus(true);
  viewport()->installEventFilter(this);
  // Any edit of the user's makes the text say for itself what lines it has.
  connect(document(), &QTextDocument::contentsChanged, this, [this] {
    if (!IsEmptyText()) oneEmptyLine_ = false;
  });
}

bool ReportMemo::IsEmptyText() const { return document()->characterCount() <= 1; }

int ReportMemo::LineCount() const {
  if (IsEmptyText()) return oneEmptyLine_ ? 1 : 0;
  return document()->blockCount();
}

QStringList ReportMemo::Lines() const {
  if (IsEmptyText()) return oneEmptyLine_ ? QStringList{QString()} : QStringList{};
  return toPlainText().split(u'\n');
}

void ReportMemo::Clear() {
  clear();
  oneEmptyLine_ = false;
}

void ReportMemo::AppendLine(std::string_view line) {
  const QString text = QString::fromLatin1(line.data(), static_cast<qsizetype>(line.size()));
  const bool hadLines = LineCount() > 0;
  QTextCursor end(document());
  end.movePosition(QTextCursor::End);
  end.insertText(hadLines ? QStringLiteral("\n") + text : text);
  if (!hadLines && text.isEmpty()) oneEmptyLine_ = true;
}

void ReportMemo::DeleteFirstLine() {
  if (IsEmptyText()) {
    oneEmptyLine_ = false;
    return;
  }
  QTextCursor first(document());
  first.movePosition(QTextCursor::Start);
  if (document()->blockCount() > 1) {
    first.movePosition(QTextCursor::NextBlock, QTextCursor::KeepAnchor);
  } else {
    first.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
  }
  first.removeSelectedText();
  // The caret goes where the line was, and the view with it: to the top.
  QTextCursor start(document());
  start.movePosition(QTextCursor::Start);
  setTextCursor(start);
}

bool ReportMemo::eventFilter(QObject* watched, QEvent* event) {
  if (watched == viewport() && event->type() == QEvent::MouseButtonDblClick) {
    emit memoDoubleClicked();
    return true;
  }
  return QPlainTextEdit::eventFilter(watched, event);
}

}  // namespace pivora
