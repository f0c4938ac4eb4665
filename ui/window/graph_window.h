// The window "Grafische Lösung": the graphical solution of a problem with
// one, two or three variables, following every solve of the main window; hovering
// a vertex tells its coordinates and Z; the picture goes to PNG or SVG.
#pragma once

#include <QAction>
#include <QLabel>
#include <QWidget>

#include "plot/graphical_solution.h"
#include "plot/painter/plot_painter.h"

class QPushButton;

namespace pivora {

class TForm1;

// Paints one graphical solution and shows the hotspots' texts on hover. A
// picture in space turns as the mouse drags it, and by the arrow keys (Pos1
// turns it back to the fixed view); the turn stays when the picture changes.
class PlotView final : public QWidget {
  Q_OBJECT

 public:
  explicit PlotView(QWidget* parent = nullptr);

  void SetPlot(GraphicalSolution plot);
  const GraphicalSolution& Plot() const { return plot_; }
  const SpaceTurn& Turn() const { return turn_; }
  void SetTurn(const SpaceTurn& turn);
  // The hotspots of the last painting, in the view's coordinates.
  const std::vector<PlotHotspot>& Hotspots() const { return painted_.hotspots; }
  // The hotspot within reach of `at`, if any.
  const PlotHotspot* HotspotAt(QPointF at) const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool event(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  GraphicalSolution plot_;
  PaintedPlot painted_;
  SpaceTurn turn_;
  QPointF dragFrom_;
};

class GraphWindow final : public QWidget {
  Q_OBJECT

 public:
  explicit GraphWindow(QWidget* parent = nullptr);
  ~GraphWindow() override;

  PlotView& View() { return *view_; }
  void SetPlot(GraphicalSolution plot);

  // Writes the picture as the view shows it; false after a German message box.
  bool Export(const QString& path);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void AskAndExport(const QString& suffix);
  void SavePlace() const;

  QPushButton* png_ = nullptr;
  QPushButton* svg_ = nullptr;
  PlotView* view_;
  QLabel* turnHint_;  // shown with a picture in space
  bool placed_ = false;
};

// The main window's side: F6 (a shortcut of the whole main window) opens the
// picture of the problem in the grids and solves it for that; every solve
// brings an open picture up to date. Action() is the entry for a menu,
// "Grafische Lösung" with F6 beside it, disabled with more than three
// variables, its tooltip saying why.
class GraphCommand final : public QObject {
  Q_OBJECT

 public:
  explicit GraphCommand(TForm1& form);

  QAction* Action() const { return action_; }
  GraphWindow& Window() { return *window_; }

  // Opens (or raises) the window with the picture of the grids' problem.
  void Show();
  // Called after every solve of the main window.
  void SolveEnded();

 private:
  void Redraw();
  void FollowVariableCount();

  TForm1& form_;
  GraphWindow* window_;
  QAction* action_;
};

}  // namespace pivora
