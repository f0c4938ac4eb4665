// "Tastenkürzel und Eingaberegeln" (F1): every key of the window, the rules
// by which a cell is read, and the problem file's format, in a window of
// its own that stays open beside the main window; Escape closes it.
#pragma once

#include <QTextBrowser>

namespace pivora {

class HelpWindow final : public QTextBrowser {
  Q_OBJECT

 public:
  explicit HelpWindow(QWidget* mainWindow);
};

}  // namespace pivora
