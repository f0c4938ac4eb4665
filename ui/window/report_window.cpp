#include "ui/window/report_window.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFontMetricsF>
#include <QHelpEvent>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/messages.h"
#include "ui/steps_latex.h"
#include "ui/window/command_menu.h"
#include "ui/window/report_memo.h"
#include "ui/window/tform1.h"
#include "ui/window/window_commands.h"
#include "ui/window/window_settings.h"
#include "ui/window/window_style.h"

namespace pivora {
namespace {

const QString kGeometryKey = QStringLiteral("reportWindow/geometry");
const QString kZoomKey = QStringLiteral("reportWindow/zoom");

QString Utf8(const char* utf8) { return QString::fromUtf8(utf8); }

}  // namespace

ReportWindow::ReportWindow(TForm1& form, WindowCommands& commands)
    : QWidget(nullptr, Qt::Window), form_(form), commands_(commands) {
  setObjectName(QStringLiteral("reportWindow"));
  setWindowTitle(Utf8(messages::kReportWindowTitle));
  setWindowIcon(form_.windowIcon());
  // The main window alone decides when the program ends.
  setAttribute(Qt::WA_QuitOnClose, false);

  text_ = new QPlainTextEdit(this);
  text_->setObjectName(QStringLiteral("reportText"));
  text_->setReadOnly(true);
  text_->setLineWrapMode(QPlainTextEdit::NoWrap);
  text_->setContextMenuPolicy(Qt::NoContextMenu);
  text_->viewport()->installEventFilter(this);

  tools_ = new QToolBar(this);
  tools_->setToolButtonStyle(Qt::ToolButtonTextOnly);
  tools_->addAction(commands_.Action(Command::kSaveReport));
  tools_->addAction(commands_.Action(Command::kPrintReport));
  QAction* latex = tools_->addAction(Utf8(messages::kCopyLatex), this, &ReportWindow::CopyLatex);
  latex->setObjectName(QStringLiteral("copyLatex"));
  latex->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
  tools_->addSeparator();
  QAction* smaller =
      tools_->addAction(Utf8(messages::kZoomOut), this, [this] { SetZoom(zoom_ - 1); });
  smaller->setShortcuts(QKeySequence::ZoomOut);
  QAction* larger =
      tools_->addAction(Utf8(messages::kZoomIn), this, [this] { SetZoom(zoom_ + 1); });
  // Strg+= as well: on many keyboards the plus needs the shift key.
  larger->setShortcuts({QKeySequence::keyBindings(QKeySequence::ZoomIn).value(0),
                        QKeySequence(Qt::CTRL | Qt::Key_Equal)});
  QAction* normal = tools_->addAction(Utf8(messages::kZoomReset), this, [this] { SetZoom(0); });
  normal->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
  QAction* fit = tools_->addAction(Utf8(messages::kFitToWidth), this, &ReportWindow::FitToWidth);
  fit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_9));
  for (QAction* action : tools_->actions()) {
    if (!action->shortcut().isEmpty()) {
      action->setToolTip(action->text().remove(QStringLiteral(" \u2026")) + QStringLiteral(" (") +
                         action->shortcut().toString(QKeySequence::NativeText) + u')');
    }
  }

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(tools_);
  layout->addWidget(text_);

  // Every command of the main window works here too, by its key; but Strg+C
  // copies the selected report text, and there is no grid to paste into.
  for (int k = 0; k < static_cast<int>(Command::kCount); ++k) {
    const auto command = static_cast<Command>(k);
    if (command != Command::kCopy && command != Command::kPaste) {
      addAction(commands_.Action(command));
    }
  }
  for (QAction* entry : form_.Sol()->ViewEntries()) addAction(entry);
  CloseOnEscape(*this);
  addAction(commands_.SolveAction());

  // The memo is written line by line: the window takes the text once the
  // writing is done.
  follow_ = new QTimer(this);
  follow_->setSingleShot(true);
  follow_->setInterval(0);
  connect(follow_, &QTimer::timeout, this, &ReportWindow::Follow);
  connect(form_.Sol()->document(), &QTextDocument::contentsChanged, follow_,
          qOverload<>(&QTimer::start));

  const std::unique_ptr<const QSettings> settings = WindowSettings();
  if (!RestorePlace(*this, settings->value(kGeometryKey).toByteArray())) {
    // As wide as the screen allows, for the tableaux of large problems.
    const QRect screen = form_.screen()->availableGeometry();
    resize(std::min(screen.width() - 80, 1400), std::min(screen.height() - 80, 860));
    move(screen.topLeft() + QPoint(40, 40));
  }
  bool isNumber = false;
  const int zoom = settings->value(kZoomKey, 0).toInt(&isNumber);
  SetZoom(isNumber && zoom >= kMinZoom && zoom <= kMaxZoom ? zoom : 0);
  Follow();
}

ReportWindow::~ReportWindow() {
  if (isVisible()) SaveSettings();
}

namespace {

QFont ZoomedFont(int pixelSize) {
  QFont font = FixedPitchFont();
  font.setPixelSize(pixelSize);
  return font;
}

}  // namespace

void ReportWindow::SetZoom(int zoom) {
  zoom_ = std::clamp(zoom, kMinZoom, kMaxZoom);
  text_->setFont(ZoomedFont(kBasePixelSize + zoom_));
  // The text's layout keeps the widest line it has seen: laid out afresh,
  // a smaller font needs no more room sideways than it takes.
  const int top = text_->verticalScrollBar()->value();
  text_->setPlainText(text_->toPlainText());
  text_->verticalScrollBar()->setValue(top);
}

void ReportWindow::FitToWidth() {
  QString longest;
  for (const QString& line : text_->toPlainText().split(u'\n')) {
    if (line.size() > longest.size()) longest = line;
  }
  // A few pixels for the caret and the rounding of the layout.
  const qreal room = text_->viewport()->width() - 2 * text_->document()->documentMargin() - 4;
  int zoom = kMaxZoom;
  while (zoom > kMinZoom &&
         QFontMetricsF(ZoomedFont(kBasePixelSize + zoom)).horizontalAdvance(longest) > room) {
    --zoom;
  }
  SetZoom(zoom);
}

void ReportWindow::Follow() {
  // A hidden window takes the report when it is shown again.
  if (!isVisible()) return;
  const QString report = form_.ReportText();
  if (report != text_->toPlainText()) text_->setPlainText(report);
}

void ReportWindow::CopyLatex() {
  std::vector<std::string> lines;
  for (const QString& line : form_.Sol()->Lines()) lines.push_back(line.toStdString());
  const std::string latex = StepsAsLatex(lines);
  if (latex.empty()) {
    QMessageBox::information(this, QStringLiteral("Pivora"), Utf8(messages::kNoStepsForLatex));
    return;
  }
  QApplication::clipboard()->setText(QString::fromStdString(latex));
}

void ReportWindow::SaveSettings() const {
  StoreSettings({{kGeometryKey, saveGeometry()}, {kZoomKey, zoom_}});
}

void ReportWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  Follow();
}

void ReportWindow::hideEvent(QHideEvent* event) {
  SaveSettings();
  QWidget::hideEvent(event);
}

bool ReportWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == text_->viewport() && event->type() == QEvent::ToolTip) {
    ShowReportTip(*text_, *static_cast<QHelpEvent*>(event),
                  [this](const QStringList& lines, int line, int column) {
                    return form_.ExplainReport(lines, line, column);
                  });
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

void ReportWindow::contextMenuEvent(QContextMenuEvent* event) {
  QMenu* menu = text_->createStandardContextMenu();
  menu->addSeparator();
  menu->addAction(findChild<QAction*>(QStringLiteral("copyLatex")));
  menu->addSeparator();
  commands_.Menu().AddGroups(*menu, false);
  menu->setAttribute(Qt::WA_DeleteOnClose);
  menu->popup(event->globalPos());
}

}  // namespace pivora
