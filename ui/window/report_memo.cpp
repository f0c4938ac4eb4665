#include "ui/window/report_memo.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QHelpEvent>
#include <QTextBlock>
#include <QToolTip>
#include <QTextCursor>
#include <QTextDocument>

#include "ui/messages.h"
#include "ui/window/window_commands.h"
#include "ui/window/window_style.h"

namespace pivora {

void ShowReportTip(const QPlainTextEdit& text, const QHelpEvent& help,
                   const ReportExplainer& explain) {
  const QTextCursor cursor = text.cursorForPosition(help.pos());
  int column = cursor.positionInBlock();
  // The nearest caret position may lie after the character pointed at.
  if (column > 0 && text.cursorRect(cursor).left() > help.pos().x()) --column;
  const QString tip =
      explain(text.toPlainText().split(u'\n'), cursor.blockNumber(), column);
  if (tip.isEmpty()) {
    QToolTip::hideText();
  } else {
    QToolTip::showText(help.globalPos(), tip, text.viewport());
  }
}

ReportMemo::ReportMemo(QWidget* parent) : QPlainTextEdit(parent) {
  setLineWrapMode(QPlainTextEdit::NoWrap);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setTabChangesFocus(true);
  setUndoRedoEnabled(false);
  viewport()->installEventFilter(this);
  const auto entry = [this](const QString& text, const char* name) {
    auto* action = new QAction(text, this);
    action->setObjectName(QString::fromLatin1(name));
    action->setCheckable(true);
    return action;
  };
  stepsEntry_ = entry(QString::fromUtf8(messages::kStepsView), "stepsEntry");
  fractionsEntry_ = entry(QString::fromUtf8(messages::kFractionsView), "fractionsEntry");
  rangesEntry_ = entry(QString::fromUtf8(messages::kRangesView), "rangesEntry");
  treeEntry_ = entry(QString::fromUtf8(messages::kTreeView), "treeEntry");
  dualEntry_ = entry(QString::fromUtf8(messages::kDualView), "dualEntry");
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
  // A caret at the very end would move along with the inserted text: it is
  // put back where it was.
  QTextCursor caret = textCursor();
  const int position = caret.position();
  QTextCursor end(document());
  end.movePosition(QTextCursor::End);
  end.insertText(hadLines ? QStringLiteral("\n") + text : text);
  if (!hadLines && text.isEmpty()) oneEmptyLine_ = true;
  if (caret.position() != position) {
    caret.setPosition(position);
    setTextCursor(caret);
  }
}

namespace {

// Sets `flag` for as long as the object lives.
class FlagScope {
 public:
  explicit FlagScope(bool& flag) : flag_(flag) { flag_ = true; }
  ~FlagScope() { flag_ = false; }
  FlagScope(const FlagScope&) = delete;
  FlagScope& operator=(const FlagScope&) = delete;

 private:
  bool& flag_;
};

}  // namespace

bool ReportMemo::event(QEvent* event) {
  if (event->type() == QEvent::ShortcutOverride) {
    if (IsUndoKey(static_cast<QKeyEvent*>(event))) {
      event->ignore();
      return false;
    }
  }
  return QPlainTextEdit::event(event);
}

void ReportMemo::keyPressEvent(QKeyEvent* event) {
  const FlagScope user(userEditing_);
  QPlainTextEdit::keyPressEvent(event);
}

void ReportMemo::inputMethodEvent(QInputMethodEvent* event) {
  const FlagScope user(userEditing_);
  QPlainTextEdit::inputMethodEvent(event);
}

void ReportMemo::insertFromMimeData(const QMimeData* source) {
  const FlagScope user(userEditing_);
  QPlainTextEdit::insertFromMimeData(source);
}

ReportViews ReportMemo::Views() const {
  return ReportViews{stepsEntry_->isChecked(), fractionsEntry_->isChecked(),
                     rangesEntry_->isChecked(), treeEntry_->isChecked(),
                     dualEntry_->isChecked()};
}

void ReportMemo::SetViews(const ReportViews& views) {
  stepsEntry_->setChecked(views.steps);
  fractionsEntry_->setChecked(views.fractions);
  rangesEntry_->setChecked(views.ranges);
  treeEntry_->setChecked(views.tree);
  dualEntry_->setChecked(views.dual);
}

void ReportMemo::AddViewEntries(QMenu& menu) const {
  menu.addSeparator();
  menu.addAction(stepsEntry_);
  menu.addAction(fractionsEntry_);
  menu.addAction(rangesEntry_);
  menu.addAction(treeEntry_);
  menu.addAction(dualEntry_);
}

void ReportMemo::contextMenuEvent(QContextMenuEvent* event) {
  QMenu* menu = createStandardContextMenu(event->pos());
  if (extendMenu_) {
    menu->addSeparator();
    extendMenu_(*menu);
  } else {
    AddViewEntries(*menu);
  }
  menu->setAttribute(Qt::WA_DeleteOnClose);
  menu->popup(event->globalPos());
}

void ReportMemo::UseFixedPitch(bool fixed) {
  if (fixed == fixedPitch_) return;
  if (fixed) {
    plainFont_ = font();
    QFont pitch = FixedPitchFont();
    if (plainFont_.pixelSize() > 0) pitch.setPixelSize(plainFont_.pixelSize());
    setFont(pitch);
  } else {
    setFont(plainFont_);
  }
  fixedPitch_ = fixed;
}

bool ReportMemo::eventFilter(QObject* watched, QEvent* event) {
  if (watched == viewport() && event->type() == QEvent::MouseButtonDblClick) {
    emit memoDoubleClicked();
    return true;
  }
  if (watched == viewport() && event->type() == QEvent::ToolTip && explain_) {
    ShowReportTip(*this, *static_cast<QHelpEvent*>(event), explain_);
    return true;
  }
  return QPlainTextEdit::eventFilter(watched, event);
}

}  // namespace pivora
