#include "ui/window/graph_window.h"

#include <QCloseEvent>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>
#include <QToolTip>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "ui/messages.h"
#include "ui/plot_window_problem.h"
#include "ui/window/window_style.h"
#include "ui/window/file_saving.h"
#include "ui/window/window_settings.h"
#include "ui/window/spin_edit.h"
#include "ui/window/tform1.h"

namespace pivora {

namespace {

// How near the pointer must come to a vertex for its text, in pixels.
constexpr double kHoverReach = 8;
// How far a drag of one pixel and one arrow key turn a picture in space.
constexpr double kDegreesPerPixel = 0.5;
constexpr double kDegreesPerKey = 5;
// The turn stops short of looking straight down or up the x3 axis.
constexpr double kSteepestTurn = 89;

const QString kGeometryKey = QStringLiteral("GrafischeLoesung/geometry");
const QString kFolderKey = QStringLiteral("GrafischeLoesung/folder");

}  // namespace

PlotView::PlotView(QWidget* parent) : QWidget(parent) {
  setMinimumSize(420, 320);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::StrongFocus);
}

void PlotView::SetTurn(const SpaceTurn& turn) {
  turn_ = turn;
  turn_.azimuth = std::remainder(turn_.azimuth, 360.0);
  turn_.elevation = std::clamp(turn_.elevation, -kSteepestTurn, kSteepestTurn);
  update();
}

void PlotView::mousePressEvent(QMouseEvent* event) {
  dragFrom_ = event->position();
  QWidget::mousePressEvent(event);
}

void PlotView::mouseMoveEvent(QMouseEvent* event) {
  if (!plot_.space || !(event->buttons() & Qt::LeftButton)) return QWidget::mouseMoveEvent(event);
  const QPointF moved = event->position() - dragFrom_;
  dragFrom_ = event->position();
  SetTurn({turn_.azimuth - moved.x() * kDegreesPerPixel,
           turn_.elevation + moved.y() * kDegreesPerPixel});
}

void PlotView::keyPressEvent(QKeyEvent* event) {
  if (!plot_.space) return QWidget::keyPressEvent(event);
  switch (event->key()) {
    case Qt::Key_Left:
      return SetTurn({turn_.azimuth + kDegreesPerKey, turn_.elevation});
    case Qt::Key_Right:
      return SetTurn({turn_.azimuth - kDegreesPerKey, turn_.elevation});
    case Qt::Key_Up:
      return SetTurn({turn_.azimuth, turn_.elevation + kDegreesPerKey});
    case Qt::Key_Down:
      return SetTurn({turn_.azimuth, turn_.elevation - kDegreesPerKey});
    case Qt::Key_Home:
      return SetTurn(SpaceTurn{});
    default:
      QWidget::keyPressEvent(event);
  }
}

void PlotView::SetPlot(GraphicalSolution plot) {
  plot_ = std::move(plot);
  update();
}

const PlotHotspot* PlotView::HotspotAt(QPointF at) const {
  const PlotHotspot* nearest = nullptr;
  double best = kHoverReach;
  for (const PlotHotspot& h : painted_.hotspots) {
    const double d = std::hypot(h.at.x() - at.x(), h.at.y() - at.y());
    if (d <= best) {
      nearest = &h;
      best = d;
    }
  }
  return nearest;
}

void PlotView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painted_ = PaintPlot(painter, plot_, QRectF(rect()), turn_);
}

bool PlotView::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    const auto* help = static_cast<QHelpEvent*>(event);
    if (const PlotHotspot* spot = HotspotAt(help->pos())) {
      QToolTip::showText(help->globalPos(), spot->text, this,
                         QRect(spot->at.toPoint() - QPoint(8, 8), QSize(16, 16)));
    } else {
      QToolTip::hideText();
      event->ignore();
    }
    return true;
  }
  return QWidget::event(event);
}

GraphWindow::GraphWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("GraphWindow"));
  setWindowTitle(QString::fromUtf8(messages::kGraphTitle));
  view_ = new PlotView(this);
  png_ = new QPushButton(QString::fromUtf8(messages::kSavePng), this);
  svg_ = new QPushButton(QString::fromUtf8(messages::kSaveSvg), this);
  png_->setObjectName(QStringLiteral("savePng"));
  svg_->setObjectName(QStringLiteral("saveSvg"));
  auto* close = new QPushButton(QString::fromUtf8(messages::kClose), this);
  connect(png_, &QPushButton::clicked, this, [this] { AskAndExport(QStringLiteral("png")); });
  connect(svg_, &QPushButton::clicked, this, [this] { AskAndExport(QStringLiteral("svg")); });
  connect(close, &QPushButton::clicked, this, &QWidget::close);
  CloseOnEscape(*this);
  turnHint_ = new QLabel(QString::fromUtf8(messages::kTurnHint), this);
  turnHint_->setVisible(false);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(png_);
  buttons->addWidget(svg_);
  buttons->addSpacing(12);
  buttons->addWidget(turnHint_);
  buttons->addStretch();
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(6, 6, 6, 6);
  layout->addWidget(view_, 1);
  layout->addLayout(buttons);
  resize(kPlotFileSize + QSize(12, 48));
}

GraphWindow::~GraphWindow() {
  if (isVisible()) SavePlace();
}

void GraphWindow::SetPlot(GraphicalSolution plot) {
  turnHint_->setVisible(plot.space != nullptr);
  // Where only a status line is shown, there is no picture to save.
  png_->setEnabled(HasPicture(plot));
  svg_->setEnabled(HasPicture(plot));
  view_->SetPlot(std::move(plot));
}

bool GraphWindow::Export(const QString& path) {
  QString error;
  QByteArray bytes;
  if (!PlotFileBytes(view_->Plot(), path, view_->size(), bytes, error, view_->Turn())) {
    QMessageBox::warning(this, QString::fromUtf8(messages::kGraphTitle), error);
    return false;
  }
  return SaveBytes(this, path, bytes);
}

void GraphWindow::AskAndExport(const QString& suffix) {
  const QString folder = WindowSettings()->value(kFolderKey).toString();
  const QString filter = QString::fromUtf8(suffix == QStringLiteral("png") ? messages::kPngFilter
                                                                           : messages::kSvgFilter);
  const QString name = QString::fromUtf8(messages::kGraphFileName) + QLatin1Char('.') + suffix;
  QString path = QFileDialog::getSaveFileName(
      this, QString::fromUtf8(messages::kSaveGraphTitle),
      folder.isEmpty() ? name : folder + QLatin1Char('/') + name, filter);
  if (path.isEmpty()) return;
  if (!path.endsWith(QLatin1Char('.') + suffix, Qt::CaseInsensitive)) {
    path += QLatin1Char('.') + suffix;
  }
  if (Export(path)) StoreSettings({{kFolderKey, QFileInfo(path).absolutePath()}});
}

void GraphWindow::SavePlace() const { StoreSettings({{kGeometryKey, saveGeometry()}}); }

void GraphWindow::closeEvent(QCloseEvent* event) {
  SavePlace();
  QWidget::closeEvent(event);
}

void GraphWindow::showEvent(QShowEvent* event) {
  if (!placed_) {
    placed_ = true;
    RestorePlace(*this, WindowSettings()->value(kGeometryKey).toByteArray());
  }
  QWidget::showEvent(event);
}

GraphCommand::GraphCommand(TForm1& form)
    : QObject(&form),
      form_(form),
      window_(new GraphWindow(&form)),
      action_(new QAction(QString::fromUtf8(messages::kGraphTitle), this)) {
  auto* f6 = new QShortcut(QKeySequence(Qt::Key_F6), &form);
  f6->setContext(Qt::WindowShortcut);
  connect(f6, &QShortcut::activated, this, &GraphCommand::Show);
  // The menu shows F6 beside the entry; the shortcut above does the work.
  action_->setShortcut(QKeySequence(Qt::Key_F6));
  action_->setShortcutContext(Qt::WidgetShortcut);
  connect(action_, &QAction::triggered, this, &GraphCommand::Show);
  connect(form.NVars(), &QSpinBox::valueChanged, this, &GraphCommand::FollowVariableCount);
  FollowVariableCount();
}

void GraphCommand::Show() {
  Redraw();
  window_->show();
  window_->raise();
  window_->activateWindow();
}

void GraphCommand::SolveEnded() {
  if (window_->isVisible()) Redraw();
}

void GraphCommand::Redraw() { window_->SetPlot(PlotWindowProblem(form_)); }

void GraphCommand::FollowVariableCount() {
  const int n = form_.NVarsValue();
  const bool drawable = CanDraw(n);
  action_->setEnabled(drawable);
  action_->setToolTip(drawable ? QString::fromUtf8(messages::kGraphTip)
                               : QString::fromLatin1(TooManyVariablesText(n)));
}

}  // namespace pivora
