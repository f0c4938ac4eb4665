#include "ui/window/help_window.h"

#include "ui/messages.h"
#include "ui/window/window_style.h"

namespace pivora {

HelpWindow::HelpWindow(QWidget* mainWindow) : QTextBrowser(nullptr) {
  setObjectName(QStringLiteral("helpWindow"));
  setWindowFlag(Qt::Window);
  setAttribute(Qt::WA_QuitOnClose, false);
  setWindowTitle(QString::fromUtf8(messages::kHelpTitle));
  setWindowIcon(mainWindow->windowIcon());
  setHtml(QString::fromUtf8(messages::kHelpPage));
  resize(720, 640);
  move(mainWindow->frameGeometry().topLeft() + QPoint(60, 30));
  CloseOnEscape(*this);
}

}  // namespace pivora
