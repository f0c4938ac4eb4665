// The report in a window of its own (F4): resizable, in the fixed-pitch
// font, zoomable (Strg+Plus, Strg+Minus, Strg+0), following the memo after
// every solve, with saving, printing and the steps' tableaux as LaTeX. Its
// size, place and zoom are kept in the settings for the next session. It
// shows the memo's text read-only; the memo stays the report's one home.
#pragma once

#include <QWidget>

class QPlainTextEdit;
class QTimer;
class QToolBar;

namespace pivora {

class TForm1;
class WindowCommands;

class ReportWindow final : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kBasePixelSize = 13;
  static constexpr int kMinZoom = -6;
  static constexpr int kMaxZoom = 24;

  ReportWindow(TForm1& form, WindowCommands& commands);
  ~ReportWindow() override;

  QPlainTextEdit* Text() const { return text_; }
  // Steps of one pixel of the font's height, kept within the limits.
  void SetZoom(int zoom);
  // The largest zoom at which the longest line fits the window's width, so
  // the tableaux of a large problem read without scrolling sideways.
  void FitToWidth();
  // The steps view's tableaux on the clipboard as LaTeX; a message when
  // the report holds none.
  void CopyLatex();

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  // The tips over the report's words.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Takes the memo's text now, shown from its top.
  void Follow();
  void SaveSettings() const;

  TForm1& form_;
  WindowCommands& commands_;
  QToolBar* tools_ = nullptr;
  QPlainTextEdit* text_ = nullptr;
  QTimer* follow_ = nullptr;
  int zoom_ = 0;
};

}  // namespace pivora
